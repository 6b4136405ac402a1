#pragma once

// Operations on 8-bit index buffers. Indices are copied exactly: no colour
// is ever looked up, so two entries of equal colour stay apart.

#include "platform/wintypes.h"

#include <cstdint>
#include <vector>

struct CBildSchritt;

struct CPixelFeld {
    BYTE* pixel; // top-left of the area
    LONG pitch; // bytes from one row to the next
    LONG breite;
    LONG hoehe;
};

void Fuellen8(CPixelFeld ziel, BYTE index);
// Equal sizes; the areas may overlap (rows are moved in a safe order).
void Kopieren8(CPixelFeld ziel, CPixelFeld quelle);
// Equal sizes; source pixels with an index in [von, bis] are left out.
void KopierenMitSchluessel8(CPixelFeld ziel, CPixelFeld quelle, BYTE von, BYTE bis);
// Nearest neighbour: each target pixel takes the source pixel under its centre.
// mitSchluessel as above. The areas must not overlap.
void Strecken8(CPixelFeld ziel, CPixelFeld quelle, bool mitSchluessel, BYTE von, BYTE bis);

// 8-bit indices to 32-bit pixels 0xAARRGGBB (alpha 0xFF) through a table that
// TabelleAusPalette builds once per palette.
void TabelleAusPalette(const PALETTEENTRY* palette, uint32_t tabelle[256]);
void Umwandeln8Nach32(const BYTE* quelle, LONG quellPitch, uint32_t* ziel, LONG zielPitchBytes, LONG breite, LONG hoehe,
                      const uint32_t tabelle[256]);

// The table also by pairs of indices (the first in the low byte), so one
// lookup yields two pixels. Rebuilding costs 512 KB of writes: done only
// when the table differs from the one it was built from.
class CPaarTabelle {
public:
    void Setzen(const uint32_t tabelle[256]);
    const uint32_t* Einzeln() const { return m_einzeln; }
    const uint64_t* Paare() const { return m_paare.data(); }

private:
    uint32_t m_einzeln[256] = {};
    std::vector<uint64_t> m_paare;
};

// A frame composed from its drawing steps in one pass into 32-bit pixels
// of breite x hoehe through the table; parts outside are left out.
void Zusammensetzen8Nach32(const std::vector<CBildSchritt>& schritte, uint32_t* ziel, LONG zielPitchBytes, LONG breite,
                           LONG hoehe, const CPaarTabelle& tabelle);
