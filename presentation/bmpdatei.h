#pragma once

// Pictures of a run: bitmap files read into 8-bit surfaces whose pixels are
// indices of the run's palette, and the pixel operations the renderers share.

#include "platform/display/ddraw.h"
#include "platform/draw/dc.h"

#include <cstdint>
#include <string>

// Fixed entries of the run's palette that pictures must respect.
enum : int {
    INDEX_VORDERGRUND = 10,
    INDEX_HINTERGRUND = 69,
    INDEX_BEISPIELREIZ = 128,
    INDEX_STANDARDMUSTER = 129,
    INDEX_DURCHSICHTIG = 176, // background colour again: the colour key
    INDEX_ZIELMUSTER = 245,
};

// Mapping flags of BmpLaden.
enum : DWORD {
    BMP_SCHWARZ_VORDERGRUND = 1, // black: foreground, white: 69, magenta: 176
    BMP_SCHWARZ_BEISPIELREIZ = 2, // black: example stimulus, white: 69, magenta: 176
    BMP_MUSTER = 4, // (also without 1 and 2) black: 129, white: 176
    BMP_WEISS_DURCHSICHTIG = 8, // white: 176 in every case
};

// Results of BmpLaden.
enum : int {
    BMP_OK = 0,
    BMP_OEFFNEN = 0x201,
    BMP_FEHLT = 0x203,
    BMP_LESEN = 0x206,
    BMP_FORMAT = 0x208,
    BMP_INTERN = 0x1000,
    BMP_OBERFLAECHE = 0x2000,
    BMP_GROESSE = 0x2001, // width or height 0, or beyond the limits below: no surface is made
    BMP_SPERREN = 0x4000,
};

// Pictures larger than this are refused (BMP_GROESSE): a hostile size field
// must not make us allocate gigabytes.
constexpr int64_t BMP_MAX_SEITE = 16384;
constexpr int64_t BMP_MAX_PIXEL = int64_t(1) << 25;

// Loads a bitmap file (1, 4, 8 or 24 bits) into a new system-memory surface
// of its own size. Black, white and magenta take fixed entries by flags; the
// other colours of a colour table take free indices from `first` on (at most
// `count`, the fixed entries skipped), whose colours go into the palette.
// Releases what *out held first. After a failure *out may hold a surface,
// which the caller releases.
int BmpLaden(IDirectDraw2* dd, IDirectDrawSurface** out, CPalette* palette, const std::string& path, int first,
             int count, DWORD flags);

// Copies src into dest over the area both cover from (0, 0); where src holds
// oldIndex dest gets newIndex. 0 or 1.
int OberflaecheKopierenUmfaerben(IDirectDrawSurface* dest, int newIndex, IDirectDrawSurface* src, int oldIndex);
// Inside r every pixel holding oldIndex becomes newIndex. 0 or 1.
int FarbeErsetzen(IDirectDrawSurface* surface, RECT r, int newIndex, int oldIndex);
// Scales srcRect onto destRect; each destination pixel gets an index of the
// ramp first .. first + count - 1 by how much of its source footprint holds
// colour: fully covered first, uncovered the last. 0 or 1.
int OberflaecheSkaliertKopieren(IDirectDrawSurface* dest, RECT destRect, IDirectDrawSurface* src, RECT srcRect,
                                int colour, int first, int count);

// 32-bit values from bytes.
constexpr DWORD PackeDword(int v) { return static_cast<DWORD>(v); }
constexpr DWORD PackeBytes(BYTE a, BYTE b, BYTE c, BYTE d)
{
    return (DWORD(a) << 24) | (DWORD(b) << 16) | (DWORD(c) << 8) | DWORD(d);
}
DWORD PackeWords(const void* p);
// A colour-table entry (blue, green, red, reserved) as COLORREF with the
// reserved byte on top.
DWORD PackePaletteneintrag(const void* p);
// A COLORREF-shaped value as a palette entry.
PALETTEENTRY AlsPaletteneintrag(DWORD farbe);

// What a loader does with a failed BmpLaden: the run's error code and the
// German text (appended for the file's own faults, else replacing).
void BmpFehlerMelden(int ergebnis, const std::string& pfad, int& fehler, std::string& text);
