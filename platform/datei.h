#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Why a save failed, so that the message can name the reason.
enum class SpeicherFehler {
    Keiner,
    // The file exists and has no write permission (for root: no write bit
    // at all); it keeps its bytes and its mode.
    Schreibgeschuetzt,
    // The name leaves no room for the temporary's longer name in the folder.
    NameZuLang,
    // Folder, disk or file-size limit: the file could not be written.
    Schreiben,
};

// Writes the bytes to a temporary file beside the target, flushes them to
// the disk and only then renames the temporary over the target. Every write,
// the flush and the close are checked, so a full disk or a file-size limit
// leaves the previous file byte for byte as it was. The new file keeps the
// previous one's mode and, where allowed, its owner. A file without write
// permission is not replaced, although the folder would allow the rename.
// The temporary of "ziel.lmt" is the hidden ".ziel.lmt.lmtr-tmp-XXXXXX",
// locked while it is written; one left by a save that was killed is removed
// when the same file is saved again, one that another save still writes is
// not. Answers 0, or 1 when the file could not be written; `grund` (when
// given) tells why.
int SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes, SpeicherFehler* grund = nullptr);

// The longest file name, in bytes, that SchreibeDateiSicher can store in
// the folder of `pfad`: the folder's limit less what the temporary adds.
size_t LaengsterSpeicherbarerName(const std::string& pfad);
