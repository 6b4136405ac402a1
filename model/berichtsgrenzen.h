#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/draw/typen.h"

// What a run can leave in a report, as the readers hold a report from a file
// to it. Each clamp is idempotent, so that what loads stores the bytes it
// loads from.

// Pixels of a display side: the display layer keeps no surface wider or
// higher, and every position and rectangle of a report lies on the display.
constexpr LONG kBildschirmseiteMax = 16384;

// Presses of one key in one run. The keys are polled and a press counts on
// its edge; one press a millisecond over the longest run (a day) is more than
// any keyboard delivers.
constexpr uint32_t kTastendrueckeMax = 86'400'000;

// A pixel coordinate onto the display.
inline void BegrenzePixel(LONG& v) { v = std::clamp<LONG>(v, 0, kBildschirmseiteMax); }

inline void BegrenzePixel(POINT& p)
{
    BegrenzePixel(p.x);
    BegrenzePixel(p.y);
}

// A rectangle onto the display, never inverted: a run's rectangles are
// clipped to the display, which keeps them in order.
inline void BegrenzePixel(RECT& r)
{
    for (LONG* v : {&r.left, &r.top, &r.right, &r.bottom})
        BegrenzePixel(*v);
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
}

// Counters that share one budget: stimulus by stimulus, each array in the
// order given, an entry keeps what the budget has left. A run counts every
// press or every answer once, so the sum of such counters is bounded by
// what the run could count in all.
inline void BegrenzeSumme(std::initializer_list<std::vector<uint32_t>*> felder, uint64_t grenze)
{
    uint64_t rest = grenze;
    const size_t n = felder.size() ? (*felder.begin())->size() : 0;
    for (size_t i = 0; i < n; ++i) {
        for (std::vector<uint32_t>* feld : felder) {
            uint32_t& z = (*feld)[i];
            z = static_cast<uint32_t>(std::min<uint64_t>(z, rest));
            rest -= z;
        }
    }
}

// The background task's counts: presses of the one background key, each
// either a correct reaction (during a change) or a false alarm (outside).
inline void BegrenzeHGZaehler(int32_t& korrekt, int32_t& falsch)
{
    korrekt = std::clamp<int32_t>(korrekt, 0, static_cast<int32_t>(kTastendrueckeMax));
    falsch = std::clamp<int32_t>(falsch, 0, static_cast<int32_t>(kTastendrueckeMax) - korrekt);
}

// Horizontal extent [links, rechts] of a rectangle.
struct CSpanne {
    LONG RECT::*von;
    LONG RECT::*bis;
};
constexpr CSpanne kWaagrecht{&RECT::left, &RECT::right};
constexpr CSpanne kSenkrecht{&RECT::top, &RECT::bottom};

// Moves r along s, keeping its size, until it reaches the extent of fest
// along s. Both lie on the display and are in order, so r stays on it.
inline void Beruehrend(RECT& r, const RECT& fest, CSpanne s)
{
    LONG versatz = 0;
    if (r.*s.bis < fest.*s.von)
        versatz = fest.*s.von - r.*s.bis;
    else if (r.*s.von > fest.*s.bis)
        versatz = fest.*s.bis - r.*s.von;
    r.*s.von += versatz;
    r.*s.bis += versatz;
}

// The extent of r along s at least lo and at most hi pixels (lo <= hi, both
// on the display), grown or shrunk from its first edge and moved back onto
// the display when it grew beyond it.
inline void Ausdehnung(RECT& r, CSpanne s, LONG lo, LONG hi)
{
    const LONG soll = std::clamp<LONG>(r.*s.bis - r.*s.von, lo, hi);
    r.*s.bis = r.*s.von + soll;
    if (r.*s.bis > kBildschirmseiteMax) {
        r.*s.bis = kBildschirmseiteMax;
        r.*s.von = kBildschirmseiteMax - soll;
    }
}
