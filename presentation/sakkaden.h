#pragma once

#include <optional>
#include <vector>

// Stimulus of every saccade trial as a 0-based cell index of the first
// picture strip (none when the strip has no cells): random within the
// 1-based range erster..letzter cut to the strip, never the same as the
// trial before unless the range holds one stimulus.
std::vector<std::optional<int>> ReizfolgeZiehen(int anzahl, int zellen, int erster, int letzter);
