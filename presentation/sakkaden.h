#pragma once

#include "platform/wintypes.h"

#include <optional>
#include <string>
#include <vector>

class CSakkaden;
class CUmgebung;

// Stimulus of every saccade trial as a 0-based cell index of the first
// picture strip (none when the strip has no cells): random within the
// 1-based range erster..letzter cut to the strip, never the same as the
// trial before unless the range holds one stimulus.
std::vector<std::optional<int>> ReizfolgeZiehen(int anzahl, int zellen, int erster, int letzter);

// Task field of a saccade training centred on the screen, and the side s of
// its square cells: the stimulus size cut so that the grid fits the field;
// below 1 when it cannot.
struct CSakkadenFeld {
    RECT feld;
    int s;
};
CSakkadenFeld SakkadenFeld(const CSakkaden& sak, const CUmgebung& umgebung, const RECT& bildschirm);

// Why the task field cannot hold square cells of at least one pixel: the
// value that is wrong and its limit, as a sentence. Empty when it can.
std::string SakkadenFeldPruefen(const CSakkaden& sak, const CUmgebung& umgebung, const RECT& bildschirm);

// Why anzahl trials with cells of side s >= 1 cannot be prepared: the
// foreground holds one cell per trial in a strip s wide and anzahl * s high
// and no surface holds more than DD_MAX_PIXEL. Empty when they can.
std::string SakkadenAnzahlPruefen(int anzahl, int s);
