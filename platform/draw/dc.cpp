#include "platform/draw/dc.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

namespace {

// a * b / c rounded half away from zero; a result
// beyond int saturates.
int MulDiv(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    const __int128 p = static_cast<__int128>(a) * b;
    const bool negativ = (p < 0) != (c < 0);
    const __int128 betragP = p < 0 ? -p : p, betragC = c < 0 ? -static_cast<__int128>(c) : c;
    const __int128 q = (betragP * 2 + betragC) / (betragC * 2);
    const __int128 r = negativ ? -q : q;
    return static_cast<int>(std::clamp<__int128>(r, INT_MIN, INT_MAX));
}

// |v| without the overflow of |INT_MIN|.
int Betrag(int v) { return v == INT_MIN ? INT_MAX : std::abs(v); }

} // namespace

CDC::CDC(const CGeraetDaten& geraet) : m_geraet(geraet)
{
    LOGFONT lf;
    lf.lfWeight = FW_NORMAL;
    lf.lfFaceName = "Arial";
    m_stdFont.CreateFontIndirect(&lf);
    m_stdPen.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    m_stdBrush.CreateSolidBrush(RGB(255, 255, 255));
    SelectObject(&m_stdFont);
    SelectObject(&m_stdPen);
    SelectObject(&m_stdBrush);
}

CDC::~CDC() = default;

// ---- Device -----------------------------------------------------------------

int CDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case HORZRES: return m_geraet.breite;
    case VERTRES: return m_geraet.hoehe;
    case LOGPIXELSX: return m_geraet.dpiX;
    case LOGPIXELSY: return m_geraet.dpiY;
    case HORZSIZE: return MulDiv(m_geraet.breite, 254, m_geraet.dpiX * 10);
    case VERTSIZE: return MulDiv(m_geraet.hoehe, 254, m_geraet.dpiY * 10);
    default: return 0;
    }
}

int CDC::AbortDoc()
{
    if (!m_geraet.drucker)
        return -1;
    m_bAbgebrochen = true;
    return 1;
}

// ---- Mapping ------------------------------------------------------------------

void CDC::SetzeAbbildung(int modus)
{
    switch (modus) {
    case MM_LOMETRIC:
    case MM_ISOTROPIC:
        m_fensterAusdehnung = {254, 254};
        m_sichtAusdehnung = {m_geraet.dpiX, -m_geraet.dpiY};
        break;
    case MM_HIMETRIC:
        m_fensterAusdehnung = {2540, 2540};
        m_sichtAusdehnung = {m_geraet.dpiX, -m_geraet.dpiY};
        break;
    default:
        m_fensterAusdehnung = {1, 1};
        m_sichtAusdehnung = {1, 1};
        break;
    }
    m_nMapMode = modus;
}

int CDC::SetMapMode(int modus)
{
    if (modus != MM_TEXT && modus != MM_LOMETRIC && modus != MM_HIMETRIC && modus != MM_ISOTROPIC)
        return 0;
    int vorher = m_nMapMode;
    SetzeAbbildung(modus);
    return vorher;
}

POINT CDC::SetWindowOrg(int x, int y) { return std::exchange(m_fensterUrsprung, POINT{x, y}); }

POINT CDC::SetViewportOrg(int x, int y) { return std::exchange(m_sichtUrsprung, POINT{x, y}); }

void CDC::LPtoDP(POINT* punkte, int anzahl) const
{
    for (int i = 0; punkte && i < anzahl; ++i) {
        POINT& p = punkte[i];
        p.x = MulDiv(p.x - m_fensterUrsprung.x, m_sichtAusdehnung.cx, m_fensterAusdehnung.cx) + m_sichtUrsprung.x;
        p.y = MulDiv(p.y - m_fensterUrsprung.y, m_sichtAusdehnung.cy, m_fensterAusdehnung.cy) + m_sichtUrsprung.y;
    }
}

void CDC::LPtoDP(RECT* r) const
{
    // Through real points: a RECT read as POINTs breaks aliasing, and the
    // optimiser then mixes old and new corners.
    POINT p[2] = {{r->left, r->top}, {r->right, r->bottom}};
    LPtoDP(p, 2);
    *r = RECT{p[0].x, p[0].y, p[1].x, p[1].y};
}

void CDC::DPtoLP(POINT* punkte, int anzahl) const
{
    for (int i = 0; punkte && i < anzahl; ++i) {
        POINT& p = punkte[i];
        p.x = MulDiv(p.x - m_sichtUrsprung.x, m_fensterAusdehnung.cx, m_sichtAusdehnung.cx) + m_fensterUrsprung.x;
        p.y = MulDiv(p.y - m_sichtUrsprung.y, m_fensterAusdehnung.cy, m_sichtAusdehnung.cy) + m_fensterUrsprung.y;
    }
}

void CDC::DPtoLP(RECT* r) const
{
    // Through real points: a RECT read as POINTs breaks aliasing, and the
    // optimiser then mixes old and new corners.
    POINT p[2] = {{r->left, r->top}, {r->right, r->bottom}};
    DPtoLP(p, 2);
    *r = RECT{p[0].x, p[0].y, p[1].x, p[1].y};
}

void CDC::DPtoLP(SIZE* s) const
{
    s->cx = MulDiv(s->cx, Betrag(m_fensterAusdehnung.cx), Betrag(m_sichtAusdehnung.cx));
    s->cy = MulDiv(s->cy, Betrag(m_fensterAusdehnung.cy), Betrag(m_sichtAusdehnung.cy));
}

void CDC::HIMETRICtoLP(SIZE* s) const
{
    s->cx = MulDiv(s->cx, m_geraet.dpiX, 2540);
    s->cy = MulDiv(s->cy, m_geraet.dpiY, 2540);
    DPtoLP(s);
}

int CDC::BreiteInGeraet(int logisch) const
{
    return Betrag(MulDiv(logisch, m_sichtAusdehnung.cx, m_fensterAusdehnung.cx));
}

int CDC::HoeheInGeraet(int logisch) const
{
    return Betrag(MulDiv(logisch, m_sichtAusdehnung.cy, m_fensterAusdehnung.cy));
}

int CDC::SchriftHoeheGeraet() const
{
    // The platform's default font is 12 points high.
    if (m_font.lfHeight == 0)
        return MulDiv(12, m_geraet.dpiY, 72);
    int h = HoeheInGeraet(m_font.lfHeight);
    if (h == 0)
        h = 1;
    return m_font.lfHeight < 0 ? -h : h;
}

int CDC::StiftBreiteGeraet() const
{
    int b = BreiteInGeraet(m_pen.lopnWidth.x);
    return b < 1 ? 1 : b;
}

RECT CDC::RechteckInGeraet(int l, int t, int r, int b) const
{
    RECT d{l, t, r, b};
    LPtoDP(&d);
    if (d.left > d.right)
        std::swap(d.left, d.right);
    if (d.top > d.bottom)
        std::swap(d.top, d.bottom);
    return d;
}

CDC::CRechteckTeile CDC::RechteckTeile(int l, int t, int r, int b) const
{
    RECT d = RechteckInGeraet(l, t, r, b);
    CRechteckTeile teile;
    if (m_pen.lopnStyle == PS_NULL) {
        teile.innen = {d.left, d.top, d.right - 1, d.bottom - 1};
        return teile;
    }
    int w = StiftBreiteGeraet();
    RECT i{d.left + w, d.top + w, d.right - w, d.bottom - w};
    if (i.left >= i.right || i.top >= i.bottom) {
        teile.rahmen = {d};
        return teile;
    }
    teile.innen = i;
    teile.rahmen = {{d.left, d.top, d.right, i.top},
                    {d.left, i.bottom, d.right, d.bottom},
                    {d.left, i.top, i.left, i.bottom},
                    {i.right, i.top, d.right, i.bottom}};
    return teile;
}

// ---- Objects -----------------------------------------------------------------

CFont* CDC::SelectObject(CFont* font)
{
    if (!font || !font->IstErzeugt())
        return nullptr;
    m_font = font->GetBeschreibung();
    return std::exchange(m_pFont, font);
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (!pen || !pen->IstErzeugt())
        return nullptr;
    m_pen = pen->GetBeschreibung();
    return std::exchange(m_pPen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (!brush || !brush->IstErzeugt())
        return nullptr;
    m_bBrushLeer = brush->IstLeer();
    m_brushFarbe = brush->GetFarbe();
    return std::exchange(m_pBrush, brush);
}

CPalette* CDC::SelectPalette(CPalette* palette, bool)
{
    if (palette && !palette->IstErzeugt())
        return nullptr;
    return std::exchange(m_pPalette, palette);
}

unsigned CDC::RealizePalette() { return m_pPalette ? static_cast<unsigned>(m_pPalette->GetEntryCount()) : 0; }

// ---- Text attributes ------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF farbe) { return std::exchange(m_textFarbe, farbe); }

COLORREF CDC::SetBkColor(COLORREF farbe) { return std::exchange(m_hgFarbe, farbe); }

int CDC::SetBkMode(int modus)
{
    if (modus != TRANSPARENT && modus != OPAQUE)
        return 0;
    return std::exchange(m_nBkModus, modus);
}

unsigned CDC::SetTextAlign(unsigned flags) { return std::exchange(m_nTextAusrichtung, flags); }

int CDC::SetTextJustification(int extra, int anzahlUmbrueche)
{
    m_nJustierExtra = extra > 0 && anzahlUmbrueche > 0 ? extra : 0;
    m_nJustierAnzahl = m_nJustierExtra > 0 ? anzahlUmbrueche : 0;
    return 1;
}

// ---- Text ------------------------------------------------------------------------

CDC::CTextAuftrag CDC::TextAuftrag(const std::string& text) const
{
    CTextAuftrag a;
    a.zeichen = ZeichenVon(text);
    a.extra.assign(a.zeichen.size(), 0);
    SIZE mass = GeraetTextMass(text);
    TEXTMETRIC tm = GeraetMetrik();
    a.breite = mass.cx;
    a.hoehe = tm.tmHeight;
    a.grundlinie = tm.tmAscent;
    if (m_nJustierAnzahl > 0) {
        // The extra units go to the break characters in turn; the first
        // ones take the remainder.
        int gesamt = BreiteInGeraet(m_nJustierExtra);
        int je = gesamt / m_nJustierAnzahl, rest = gesamt % m_nJustierAnzahl, n = 0;
        for (size_t i = 0; i < a.zeichen.size(); ++i) {
            if (a.zeichen[i] != tm.tmBreakChar)
                continue;
            a.extra[i] = je + (n < rest ? 1 : 0);
            a.breite += a.extra[i];
            ++n;
        }
    }
    return a;
}

bool CDC::TextOut(int x, int y, const std::string& text) { return ExtTextOut(x, y, 0, nullptr, text); }

bool CDC::ExtTextOut(int x, int y, unsigned optionen, const RECT* rechteck, const std::string& text)
{
    CTextAuftrag a = TextAuftrag(text);
    POINT p{x, y};
    LPtoDP(&p);
    unsigned h = m_nTextAusrichtung & TA_CENTER, v = m_nTextAusrichtung & TA_BASELINE;
    a.links = h == TA_CENTER ? p.x - a.breite / 2 : h == TA_RIGHT ? p.x - a.breite : p.x;
    a.oben = v == TA_BASELINE ? p.y - a.grundlinie : v == TA_BOTTOM ? p.y - a.hoehe : p.y;
    a.grundlinie += a.oben;
    a.kastenFuellen = m_nBkModus == OPAQUE;
    if (rechteck) {
        a.clipRechteck = RechteckInGeraet(rechteck->left, rechteck->top, rechteck->right, rechteck->bottom);
        a.clip = (optionen & ETO_CLIPPED) != 0;
        a.clipFuellen = (optionen & ETO_OPAQUE) != 0;
    }
    GeraetText(a);
    return true;
}

int CDC::DrawText(const std::string& text, RECT* rechteck, unsigned format)
{
    if (!rechteck)
        return 0;
    // Lines: single-line mode drops the breaks, otherwise CR, LF and CR LF
    // each end a line.
    std::vector<std::string> zeilen(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            zeilen.back() += c;
            continue;
        }
        if (format & DT_SINGLELINE)
            continue;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (i + 1 < text.size())
            zeilen.emplace_back();
    }
    RECT box = RechteckInGeraet(rechteck->left, rechteck->top, rechteck->right, rechteck->bottom);
    int zeilenHoehe = GeraetMetrik().tmHeight;
    int y = box.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = box.top + (box.bottom - box.top - zeilenHoehe) / 2;
        else if (format & DT_BOTTOM)
            y = box.bottom - zeilenHoehe;
    }
    for (const std::string& zeile : zeilen) {
        CTextAuftrag a = TextAuftrag(zeile);
        a.links = (format & DT_CENTER)  ? box.left + (box.right - box.left - a.breite) / 2
                  : (format & DT_RIGHT) ? box.right - a.breite
                                        : box.left;
        a.oben = y;
        a.grundlinie += y;
        a.kastenFuellen = m_nBkModus == OPAQUE;
        a.clip = (format & DT_NOCLIP) == 0;
        a.clipRechteck = box;
        GeraetText(a);
        y += zeilenHoehe;
    }
    SIZE s{0, zeilenHoehe * static_cast<int>(zeilen.size())};
    DPtoLP(&s);
    return s.cy;
}

SIZE CDC::GetTextExtent(const std::string& text) const
{
    CTextAuftrag a = TextAuftrag(text);
    SIZE s{a.breite, a.hoehe};
    DPtoLP(&s);
    return s;
}

bool CDC::GetTextMetrics(TEXTMETRIC* tm) const
{
    if (!tm)
        return false;
    *tm = GeraetMetrik();
    SIZE h{tm->tmAveCharWidth, tm->tmHeight}, a{tm->tmMaxCharWidth, tm->tmAscent};
    SIZE d{0, tm->tmDescent}, i{0, tm->tmInternalLeading}, e{0, tm->tmExternalLeading};
    for (SIZE* s : {&h, &a, &d, &i, &e})
        DPtoLP(s);
    tm->tmAveCharWidth = h.cx;
    tm->tmHeight = h.cy;
    tm->tmMaxCharWidth = a.cx;
    tm->tmAscent = a.cy;
    tm->tmDescent = d.cy;
    tm->tmInternalLeading = i.cy;
    tm->tmExternalLeading = e.cy;
    return true;
}

// ---- Lines and shapes --------------------------------------------------------------

POINT CDC::MoveTo(int x, int y) { return std::exchange(m_position, POINT{x, y}); }

void CDC::FillSolidRect(const RECT* r, COLORREF farbe)
{
    CBrush brush(farbe);
    FillRect(r, &brush);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF farbe)
{
    RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, farbe);
}

// ---- Clipping ------------------------------------------------------------------------

int CDC::GetClipBox(RECT* r) const
{
    if (!r)
        return RGN_ERROR;
    *r = {0, 0, m_geraet.breite, m_geraet.hoehe};
    DPtoLP(r);
    return m_geraet.breite > 0 && m_geraet.hoehe > 0 ? SIMPLEREGION : NULLREGION;
}
