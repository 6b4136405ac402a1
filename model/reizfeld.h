#pragma once

#include <cstdint>
#include <vector>

// A report's per-stimulus array (counters, marks, times): exactly one entry
// per stimulus, so its size is the stimulus count.

// Entry i, 0 outside the array.
inline uint32_t ReizEintrag(const std::vector<uint32_t>& feld, int i)
{
    return i >= 0 && static_cast<size_t>(i) < feld.size() ? feld[static_cast<size_t>(i)] : 0u;
}

// Sets entry i to wert or adds wert to it; 1 outside the array, else 0.
inline int SchreibeReizEintrag(std::vector<uint32_t>& feld, int i, uint32_t wert, bool addieren)
{
    if (i < 0 || static_cast<size_t>(i) >= feld.size())
        return 1;
    uint32_t& eintrag = feld[static_cast<size_t>(i)];
    eintrag = addieren ? eintrag + wert : wert;
    return 0;
}
