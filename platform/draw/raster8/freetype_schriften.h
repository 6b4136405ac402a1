#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/draw/dc.h"

typedef struct FT_FaceRec_* FT_Face;

// Faces for the 8-bit context: fontconfig finds the file of a face name
// (through ErsatzSchriftart), FreeType loads it once per process.
struct CSchriftFund {
    std::string datei;
    int index = 0;
    std::string familie; // family of the face found
};

// Face of a font description; false when fontconfig finds no file.
bool FindeSchriftdatei(const LOGFONT& lf, CSchriftFund& fund);

// Loaded face of the description, null when none can be loaded. Faces live
// until the program ends (or the search is replaced); the 8-bit context is
// used on one thread.
FT_Face LadeGesicht(const LOGFONT& lf);

// Tests: finds font files instead of fontconfig (empty: fontconfig again).
// Every face and glyph loaded so far is forgotten.
using SchriftSuche = std::function<bool(const LOGFONT&, CSchriftFund&)>;
void SchriftSucheSetzen(SchriftSuche suche);

// One character of a face at one size as FreeType renders it in 1 bit.
struct CGlyphe {
    bool geladen = false; // false: no advance, nothing drawn
    bool gerendert = false; // false: nothing drawn and no advance while drawing
    int vorschub = 0; // pixels
    int links = 0, oben = 0; // of the bitmap, from the pen position and the baseline
    unsigned breite = 0, zeilen = 0;
    int pitch = 0;
    bool mono = true; // 1 bit a pixel, else 8 bits (set from 128)
    std::vector<unsigned char> bild;

    bool Gesetzt(unsigned zeile, unsigned spalte) const
    {
        const unsigned char* z = bild.data() + static_cast<size_t>(zeile) * static_cast<size_t>(pitch);
        return mono ? (z[spalte >> 3] & (0x80 >> (spalte & 7))) != 0 : z[spalte] >= 128;
    }
};

// The glyphs of a face at one character size (26.6 points at 72 dpi, so
// pixels): each rendered once, on first use, and kept. Reading a page
// measures and draws the same few characters thousands of times.
class CGlyphensatz {
public:
    CGlyphensatz(FT_Face gesicht, long breite64, long hoehe64);
    const CGlyphe& Glyphe(char32_t zeichen);
    // Sets the face to this size (the face is shared by every size).
    bool GroesseSetzen() const;
    FT_Face GetGesicht() const { return m_gesicht; }

private:
    void Laden(char32_t zeichen, CGlyphe& g) const;

    FT_Face m_gesicht;
    long m_breite64, m_hoehe64;
    std::vector<CGlyphe> m_latin1; // the common characters without a lookup
    std::vector<bool> m_latin1Da;
    std::unordered_map<char32_t, CGlyphe> m_weitere;
    size_t m_bytes = 0;
    CGlyphe m_ueberzaehlig; // beyond the bound: valid until the next call
};

// The set of a face at a size; valid until the next call (a bounded number
// of sets is kept, the oldest dropped all at once).
CGlyphensatz& GlyphensatzHolen(FT_Face gesicht, long breite64, long hoehe64);
