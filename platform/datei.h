#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a temporary file beside the target, flushes them to
// the disk and only then renames the temporary over the target. Every write,
// the flush and the close are checked, so a full disk or a file-size limit
// leaves the previous file byte for byte as it was. The temporary of
// "ziel.lmt" is the hidden ".ziel.lmt.lmtr-tmp-XXXXXX"; one left by a save
// that was killed is removed when the same file is saved again.
// Answers 0, or 1 when the file could not be written.
int SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes);
