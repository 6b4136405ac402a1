#pragma once

#include <cstdint>

#include "platform/draw/dc.h"

class CGlyphensatz;

// An 8-bit buffer of palette indices owned by someone else (a locked
// surface): first pixel, bytes per row, size in pixels.
struct CIndexPuffer {
    uint8_t* pixel = nullptr;
    int pitch = 0;
    int breite = 0;
    int hoehe = 0;
};

// Device context over an 8-bit index buffer, for the presentation. Every
// pixel it writes is one exact palette index, never a colour mapped back:
// a PALETTEINDEX(i) colour draws index i; an RGB colour draws the first
// nearest entry of the selected palette (index 0 without a palette).
// Renderers that mean one of several entries of the same colour (69 and
// 176) must pass PALETTEINDEX. Text is FreeType's 1-bit glyphs; shapes are
// our own rasteriser. Device units are pixels; coordinates MM_TEXT.
class CIndexDC : public CDC {
public:
    explicit CIndexDC(const CIndexPuffer& puffer);

    // Palette index that a colour draws in this context.
    uint8_t Index(COLORREF farbe) const;
    const CIndexPuffer& GetPuffer() const { return m_puffer; }

    bool LineTo(int x, int y) override;
    bool Polyline(const POINT* punkte, int anzahl) override;
    bool Rectangle(int l, int t, int r, int b) override;
    using CDC::Rectangle;
    bool Ellipse(int l, int t, int r, int b) override;
    bool Polygon(const POINT* punkte, int anzahl) override;
    void FillRect(const RECT* r, CBrush* brush) override;
    // Nearest-neighbour, index exact; the source must be a CIndexDC.
    bool StretchBlt(int x, int y, int breite, int hoehe, CDC* quelle, int qx, int qy, int qBreite, int qHoehe,
                    uint32_t rop) override;
    bool SchriftVorhanden() const override;

protected:
    SIZE GeraetTextMass(const std::string& text) const override;
    TEXTMETRIC GeraetMetrik() const override;
    void GeraetText(const CTextAuftrag& auftrag) override;

private:
    // Pixels [x0, x1) of row y, cut to the buffer and the clip.
    void Spanne(int y, int x0, int x1, uint8_t index, const RECT* clip = nullptr);
    void Flaeche(const RECT& r, uint8_t index, const RECT* clip = nullptr);
    void Strecke(POINT a, POINT b, uint8_t index); // device units, end excluded
    void EllipseFuellen(const RECT& box, const RECT* aussparung, uint8_t index);
    // Glyphs of the font selected now at its size; null when no face exists.
    CGlyphensatz* Glyphen() const;

    CIndexPuffer m_puffer;
};
