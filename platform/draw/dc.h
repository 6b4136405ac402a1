#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/draw/typen.h"

// Drawing: the device context through which Lumetra draws what it draws in
// GDI terms. Three implementations: over a QPainter (screen, printer,
// preview; platform/draw/qpainter), over an 8-bit index buffer
// (presentation; platform/draw/raster8) and a recorder for tests
// (platform/draw/recorder).
//
// Coordinates are logical units; the mapping mode turns them into device
// units. Texts are UTF-8; extents count characters, not bytes. State
// (objects, colours, alignment, mapping) lives here; the implementations
// draw and measure.

// ---- Constants ----------------------------------------------------------

// Mapping modes. MM_ISOTROPIC starts with the extents of MM_LOMETRIC: one
// unit 0.1 mm, y upwards.
enum : int { MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_ISOTROPIC = 7 };

// Text alignment (horizontal | vertical).
enum : unsigned {
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// Background mode of text.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// ExtTextOut options.
enum : unsigned { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// DrawText format. Without DT_SINGLELINE, CR, LF and CR LF break lines and
// DT_VCENTER / DT_BOTTOM have no effect.
enum : unsigned {
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_TOP = 0x0000,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_SINGLELINE = 0x0020,
    DT_NOCLIP = 0x0100,
    DT_NOPREFIX = 0x0800,
};

// Pen styles (only solid and none are drawn).
enum : int { PS_SOLID = 0, PS_NULL = 5 };

// Stock objects that CreateStockObject knows.
enum : int { WHITE_BRUSH = 0, BLACK_BRUSH = 4, NULL_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8 };

// Font weights and character sets.
enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : uint8_t { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1 };
enum : uint8_t { PROOF_QUALITY = 2, VARIABLE_PITCH = 2, FF_ROMAN = 0x10, FF_SWISS = 0x20 };

// GetDeviceCaps indices.
enum : int { HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, LOGPIXELSX = 88, LOGPIXELSY = 90 };

// GetClipBox results.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// Raster operation of StretchBlt (only plain copies exist).
constexpr uint32_t SRCCOPY = 0x00CC0020;

// ---- GDI objects ----------------------------------------------------------

// The font description. The face name is UTF-8, at most 31 characters
// (CreateFontIndirect cuts a longer one, as the 32-byte field did).
struct LOGFONT {
    int32_t lfHeight = 0; // > 0 cell height, < 0 character height, 0 default (logical units)
    int32_t lfWidth = 0; // average character width, 0 from the height
    int32_t lfEscapement = 0; // kept, not drawn (Lumetra never turns text)
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0; // >= 600 draws the bold face
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    std::string lfFaceName;
    bool operator==(const LOGFONT&) const = default;
};

constexpr int LF_FACESIZE = 32;
// face cut to LF_FACESIZE - 1 characters (UTF-8 aware).
std::string KuerzeSchriftname(const std::string& name);

struct LOGPEN {
    int32_t lopnStyle = PS_SOLID;
    POINT lopnWidth; // x is the width in logical units, 0 = one device unit
    COLORREF lopnColor = 0;
};

struct TEXTMETRIC {
    int32_t tmHeight = 0; // ascent + descent
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    uint8_t tmItalic = 0;
    char32_t tmBreakChar = U' ';
};

// A created object only records its description; each device context
// realises it when it is selected. Deleting an object that a context still
// has selected is harmless: the context keeps a copy of the description.
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    // False when nothing was created.
    bool DeleteObject();
    bool IstErzeugt() const { return m_bErzeugt; }

protected:
    bool m_bErzeugt = false;
};

class CFont : public CGdiObject {
public:
    CFont() = default;
    // False when a font exists already or lf is null.
    bool CreateFontIndirect(const LOGFONT* lf);
    bool CreateFont(int hoehe, int breite, int escapement, int orientation, int gewicht, uint8_t kursiv,
                    uint8_t unterstrichen, uint8_t durchgestrichen, uint8_t zeichensatz, uint8_t ausgabe, uint8_t clip,
                    uint8_t qualitaet, uint8_t pitchFamilie, const std::string& name);
    // The description as created; false when no font exists.
    bool GetLogFont(LOGFONT* lf) const;
    const LOGFONT& GetBeschreibung() const { return m_lf; }

private:
    LOGFONT m_lf;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int stil, int breite, COLORREF farbe) { CreatePen(stil, breite, farbe); }
    bool CreatePen(int stil, int breite, COLORREF farbe);
    // NULL_PEN, WHITE_PEN, BLACK_PEN.
    bool CreateStockObject(int objekt);
    bool GetLogPen(LOGPEN* lp) const;
    const LOGPEN& GetBeschreibung() const { return m_lp; }

private:
    LOGPEN m_lp;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF farbe) { CreateSolidBrush(farbe); }
    bool CreateSolidBrush(COLORREF farbe);
    // NULL_BRUSH, WHITE_BRUSH, BLACK_BRUSH.
    bool CreateStockObject(int objekt);
    bool IstLeer() const { return m_bLeer; }
    COLORREF GetFarbe() const { return m_farbe; }

private:
    COLORREF m_farbe = 0;
    bool m_bLeer = false;
};

// Logical palette. The 8-bit context maps RGB colours through the selected
// palette (first entry of least distance); PALETTEINDEX colours are exact.
class CPalette : public CGdiObject {
public:
    CPalette() = default;
    bool CreatePalette(const PALETTEENTRY* eintraege, int anzahl);
    // Number of entries copied.
    int GetPaletteEntries(int start, int anzahl, PALETTEENTRY* ziel) const;
    int SetPaletteEntries(int start, int anzahl, const PALETTEENTRY* quelle);
    int GetEntryCount() const { return static_cast<int>(m_eintraege.size()); }
    // Index of the first entry nearest to the colour (0 for an empty palette).
    int GetNearestPaletteIndex(COLORREF farbe) const;

private:
    std::vector<PALETTEENTRY> m_eintraege;
};

// ---- Device context -------------------------------------------------------

// What a device reports of itself.
struct CGeraetDaten {
    int breite = 0; // device units
    int hoehe = 0;
    int dpiX = 96; // device units per inch
    int dpiY = 96;
    bool drucker = false; // printer or print preview
};

class CDC {
public:
    explicit CDC(const CGeraetDaten& geraet);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // -- Device
    bool IsPrinting() const { return m_geraet.drucker; }
    int GetDeviceCaps(int index) const; // HORZRES, LOGPIXELSX, ...
    virtual int AbortDoc(); // printer job ends; > 0 done
    bool IstAbgebrochen() const { return m_bAbgebrochen; }

    // -- Mapping
    int SetMapMode(int modus); // previous mode, 0 when unknown
    int GetMapMode() const { return m_nMapMode; }
    POINT SetWindowOrg(int x, int y); // previous origin
    POINT SetViewportOrg(int x, int y);
    void LPtoDP(POINT* punkte, int anzahl = 1) const;
    void LPtoDP(RECT* r) const;
    void DPtoLP(POINT* punkte, int anzahl = 1) const;
    void DPtoLP(RECT* r) const;
    void DPtoLP(SIZE* s) const; // lengths, always positive
    void HIMETRICtoLP(SIZE* s) const; // 0.01 mm by the logical inch

    // -- Objects (the previous object is answered for restoring; null when
    //    the argument is null or not created)
    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CPalette* SelectPalette(CPalette* palette, bool hintergrund);
    unsigned RealizePalette(); // entries mapped
    const LOGFONT& GetSchrift() const { return m_font; }
    const LOGPEN& GetStift() const { return m_pen; }
    const CPalette* GetPalette() const { return m_pPalette; }

    // -- Text attributes
    COLORREF SetTextColor(COLORREF farbe); // previous colour
    COLORREF GetTextColor() const { return m_textFarbe; }
    COLORREF SetBkColor(COLORREF farbe);
    COLORREF GetBkColor() const { return m_hgFarbe; }
    int SetBkMode(int modus); // TRANSPARENT, OPAQUE
    int GetBkMode() const { return m_nBkModus; }
    unsigned SetTextAlign(unsigned flags); // previous flags
    unsigned GetTextAlign() const { return m_nTextAusrichtung; }
    int SetTextJustification(int extra, int anzahlUmbrueche); // spread over break chars

    // -- Text
    bool TextOut(int x, int y, const std::string& text);
    virtual bool ExtTextOut(int x, int y, unsigned optionen, const RECT* rechteck,
                            const std::string& text); // at the alignment point
    virtual int DrawText(const std::string& text, RECT* rechteck, unsigned format); // logical height
    SIZE GetTextExtent(const std::string& text) const; // logical, with justification
    // False when the selected font has no face to draw with: its text would
    // stay invisible.
    virtual bool SchriftVorhanden() const { return true; }
    bool GetTextMetrics(TEXTMETRIC* tm) const; // logical units

    // -- Lines (the end point is not drawn)
    POINT MoveTo(int x, int y); // previous position
    POINT GetCurrentPosition() const { return m_position; }
    virtual bool LineTo(int x, int y) = 0;
    virtual bool Polyline(const POINT* punkte, int anzahl) = 0;

    // -- Shapes (outline in the pen, inside in the brush; right and bottom
    //    exclusive)
    virtual bool Rectangle(int l, int t, int r, int b) = 0;
    bool Rectangle(const RECT* r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    virtual bool Ellipse(int l, int t, int r, int b) = 0;
    virtual bool Polygon(const POINT* punkte, int anzahl) = 0; // alternate fill
    virtual void FillRect(const RECT* r, CBrush* brush) = 0; // no outline
    void FillSolidRect(const RECT* r, COLORREF farbe);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF farbe);

    // -- Clipping
    int GetClipBox(RECT* r) const; // the device, logical

    // -- Copies (index exact between 8-bit contexts; false elsewhere)
    virtual bool StretchBlt(int x, int y, int breite, int hoehe, CDC* quelle, int qx, int qy, int qBreite, int qHoehe,
                            uint32_t rop) = 0;

protected:
    // -- Measuring in device units, for the font selected now
    virtual SIZE GeraetTextMass(const std::string& text) const = 0; // without justification
    virtual TEXTMETRIC GeraetMetrik() const = 0;

    // -- Text in device units: the box of a laid-out text, its characters
    //    with the extra units after each, and what the background gets
    struct CTextAuftrag {
        std::u32string zeichen;
        std::vector<int> extra;
        int links = 0, oben = 0, breite = 0, hoehe = 0, grundlinie = 0;
        bool kastenFuellen = false; // OPAQUE: the box in the background colour
        bool clip = false; // draw only inside clipRechteck
        bool clipFuellen = false; // ETO_OPAQUE: clipRechteck in the background colour
        RECT clipRechteck;
    };
    virtual void GeraetText(const CTextAuftrag& auftrag) = 0;

    // -- Helpers for the implementations
    int HoeheInGeraet(int logisch) const; // vertical length
    int BreiteInGeraet(int logisch) const; // horizontal length
    int SchriftHoeheGeraet() const; // cell or character height
    int StiftBreiteGeraet() const; // at least 1
    RECT RechteckInGeraet(int l, int t, int r, int b) const; // normalised
    // A text laid out in device units with the current justification.
    CTextAuftrag TextAuftrag(const std::string& text) const;
    // Parts of a painted device rectangle: the inside for
    // the brush and up to four frame bars of pen width for the pen (the
    // whole rectangle is one bar when the pen fills it). Without a pen the
    // inside loses its right column and bottom row.
    struct CRechteckTeile {
        RECT innen;
        std::vector<RECT> rahmen;
    };
    CRechteckTeile RechteckTeile(int l, int t, int r, int b) const;

    CGeraetDaten m_geraet;
    bool m_bAbgebrochen = false;
    POINT m_position;

private:
    void SetzeAbbildung(int modus);

    int m_nMapMode = MM_TEXT;
    POINT m_fensterUrsprung, m_sichtUrsprung;
    SIZE m_fensterAusdehnung{1, 1}, m_sichtAusdehnung{1, 1};

    CFont m_stdFont;
    CPen m_stdPen;
    CBrush m_stdBrush;
    CFont* m_pFont = nullptr;
    CPen* m_pPen = nullptr;
    CBrush* m_pBrush = nullptr;
    CPalette* m_pPalette = nullptr;

protected:
    LOGFONT m_font;
    LOGPEN m_pen;
    bool m_bBrushLeer = false;
    COLORREF m_brushFarbe = RGB(255, 255, 255);
    COLORREF m_textFarbe = RGB(0, 0, 0);
    COLORREF m_hgFarbe = RGB(255, 255, 255);
    int m_nBkModus = OPAQUE;
    unsigned m_nTextAusrichtung = TA_LEFT | TA_TOP;
    int m_nJustierExtra = 0;
    int m_nJustierAnzahl = 0;
};

// Unicode code points of a UTF-8 text (invalid bytes count as U+FFFD).
std::u32string ZeichenVon(const std::string& text);
