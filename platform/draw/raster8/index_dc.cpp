#include "platform/draw/raster8/index_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "platform/draw/raster8/freetype_schriften.h"

namespace {

RECT Schnitt(const RECT& a, const RECT& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Scale of a face for a cell height (> 0) or character height (< 0) in
// pixels: the cell is win ascent + descent.
struct CGroesse {
    double em = 0, emX = 0, einheiten = 1;
    int aufstieg = 0, abstieg = 0, mittlereBreite = 0, maxBreite = 0;
};

CGroesse Groesse(FT_Face f, int hoehe, int breite)
{
    CGroesse g;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    g.einheiten = f->units_per_EM;
    double auf = os2 ? os2->usWinAscent : f->ascender;
    double ab = os2 ? os2->usWinDescent : -f->descender;
    g.em = hoehe > 0 ? hoehe * g.einheiten / (auf + ab) : -hoehe;
    double mittel = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : g.einheiten / 2;
    g.emX = breite > 0 ? breite * g.einheiten / mittel : g.em;
    g.aufstieg = static_cast<int>(std::lround(auf * g.em / g.einheiten));
    g.abstieg = hoehe > 0 ? hoehe - g.aufstieg : static_cast<int>(std::lround(ab * g.em / g.einheiten));
    g.mittlereBreite = static_cast<int>(std::lround(mittel * g.emX / g.einheiten));
    g.maxBreite = static_cast<int>(std::lround(f->max_advance_width * g.emX / g.einheiten));
    return g;
}

} // namespace

CIndexDC::CIndexDC(const CIndexPuffer& puffer)
    : CDC(CGeraetDaten{puffer.breite, puffer.hoehe, 96, 96, false}), m_puffer(puffer)
{
}

uint8_t CIndexDC::Index(COLORREF farbe) const
{
    if (IstPalettenIndex(farbe))
        return static_cast<uint8_t>(farbe & 0xFF);
    return GetPalette() ? static_cast<uint8_t>(GetPalette()->GetNearestPaletteIndex(farbe)) : 0;
}

// ---- Pixels ------------------------------------------------------------------

void CIndexDC::Spanne(int y, int x0, int x1, uint8_t index, const RECT* clip)
{
    RECT grenze{0, 0, m_puffer.breite, m_puffer.hoehe};
    if (clip)
        grenze = Schnitt(grenze, *clip);
    if (!m_puffer.pixel || y < grenze.top || y >= grenze.bottom)
        return;
    x0 = std::max(x0, grenze.left);
    x1 = std::min(x1, grenze.right);
    if (x1 > x0)
        std::fill(m_puffer.pixel + static_cast<ptrdiff_t>(y) * m_puffer.pitch + x0,
                  m_puffer.pixel + static_cast<ptrdiff_t>(y) * m_puffer.pitch + x1, index);
}

void CIndexDC::Flaeche(const RECT& r, uint8_t index, const RECT* clip)
{
    int oben = std::max(r.top, 0), unten = std::min(r.bottom, m_puffer.hoehe);
    for (int y = oben; y < unten; ++y)
        Spanne(y, r.left, r.right, index, clip);
}

void CIndexDC::Strecke(POINT a, POINT b, uint8_t index)
{
    int w = StiftBreiteGeraet();
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1, fehler = dx + dy;
    while (a.x != b.x || a.y != b.y) {
        if (w == 1)
            Spanne(a.y, a.x, a.x + 1, index);
        else
            Flaeche({a.x - w / 2, a.y - w / 2, a.x - w / 2 + w, a.y - w / 2 + w}, index);
        int f2 = 2 * fehler;
        if (f2 >= dy) {
            fehler += dy;
            a.x += sx;
        }
        if (f2 <= dx) {
            fehler += dx;
            a.y += sy;
        }
    }
}

// Pixels whose centres lie inside the ellipse of box (and outside that of
// aussparung): exact integer test, symmetric about both axes.
void CIndexDC::EllipseFuellen(const RECT& box, const RECT* aussparung, uint8_t index)
{
    auto innen = [](const RECT& r, int x, int y) {
        int64_t a = r.right - r.left, b = r.bottom - r.top;
        if (a <= 0 || b <= 0)
            return false;
        int64_t px = 2 * x + 1 - (r.left + r.right), py = 2 * y + 1 - (r.top + r.bottom);
        return px * px * b * b + py * py * a * a <= a * a * b * b;
    };
    int oben = std::max(box.top, 0), unten = std::min(box.bottom, m_puffer.hoehe);
    for (int y = oben; y < unten; ++y)
        for (int x = std::max(box.left, 0); x < std::min(box.right, m_puffer.breite); ++x)
            if (innen(box, x, y) && !(aussparung && innen(*aussparung, x, y)))
                Spanne(y, x, x + 1, index);
}

// ---- Lines and shapes -------------------------------------------------------------

bool CIndexDC::LineTo(int x, int y)
{
    POINT p[2] = {m_position, {x, y}};
    LPtoDP(p, 2);
    if (GetStift().lopnStyle != PS_NULL)
        Strecke(p[0], p[1], Index(GetStift().lopnColor));
    m_position = {x, y};
    return true;
}

bool CIndexDC::Polyline(const POINT* punkte, int anzahl)
{
    if (!punkte || anzahl < 2)
        return false;
    std::vector<POINT> p(punkte, punkte + anzahl);
    LPtoDP(p.data(), anzahl);
    if (GetStift().lopnStyle != PS_NULL)
        for (int i = 1; i < anzahl; ++i)
            Strecke(p[i - 1], p[i], Index(GetStift().lopnColor));
    return true;
}

bool CIndexDC::Rectangle(int l, int t, int r, int b)
{
    CRechteckTeile teile = RechteckTeile(l, t, r, b);
    if (!m_bBrushLeer)
        Flaeche(teile.innen, Index(m_brushFarbe));
    for (const RECT& balken : teile.rahmen)
        Flaeche(balken, Index(GetStift().lopnColor));
    return true;
}

bool CIndexDC::Ellipse(int l, int t, int r, int b)
{
    RECT d = RechteckInGeraet(l, t, r, b);
    uint8_t brush = Index(m_brushFarbe);
    if (GetStift().lopnStyle == PS_NULL) {
        if (!m_bBrushLeer)
            EllipseFuellen({d.left, d.top, d.right - 1, d.bottom - 1}, nullptr, brush);
        return true;
    }
    int w = StiftBreiteGeraet();
    RECT innen{d.left + w, d.top + w, d.right - w, d.bottom - w};
    if (!m_bBrushLeer)
        EllipseFuellen(innen, nullptr, brush);
    EllipseFuellen(d, &innen, Index(GetStift().lopnColor));
    return true;
}

bool CIndexDC::Polygon(const POINT* punkte, int anzahl)
{
    if (!punkte || anzahl < 2)
        return false;
    std::vector<POINT> p(punkte, punkte + anzahl);
    LPtoDP(p.data(), anzahl);
    if (!m_bBrushLeer) {
        // Alternate fill: a pixel is inside when its centre is, scanned row
        // by row at the centres.
        int oben = p[0].y, unten = p[0].y;
        for (const POINT& q : p) {
            oben = std::min(oben, q.y);
            unten = std::max(unten, q.y);
        }
        uint8_t brush = Index(m_brushFarbe);
        std::vector<double> xs;
        for (int y = std::max(oben, 0); y < std::min(unten, m_puffer.hoehe); ++y) {
            double yc = y + 0.5;
            xs.clear();
            for (int i = 0; i < anzahl; ++i) {
                POINT a = p[i], b = p[(i + 1) % anzahl];
                if (a.y == b.y || yc < std::min(a.y, b.y) || yc >= std::max(a.y, b.y))
                    continue;
                xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2)
                Spanne(y, static_cast<int>(std::ceil(xs[k] - 0.5)), static_cast<int>(std::ceil(xs[k + 1] - 0.5)),
                       brush);
        }
    }
    if (GetStift().lopnStyle != PS_NULL)
        for (int i = 0; i < anzahl; ++i)
            Strecke(p[i], p[(i + 1) % anzahl], Index(GetStift().lopnColor));
    return true;
}

void CIndexDC::FillRect(const RECT* r, CBrush* brush)
{
    if (!r || !brush || !brush->IstErzeugt() || brush->IstLeer())
        return;
    Flaeche(RechteckInGeraet(r->left, r->top, r->right, r->bottom), Index(brush->GetFarbe()));
}

bool CIndexDC::StretchBlt(int x, int y, int breite, int hoehe, CDC* quelle, int qx, int qy, int qBreite, int qHoehe,
                          uint32_t rop)
{
    auto* q = dynamic_cast<CIndexDC*>(quelle);
    if (!q || rop != SRCCOPY || breite <= 0 || hoehe <= 0 || qBreite <= 0 || qHoehe <= 0)
        return false;
    const CIndexPuffer& qp = q->m_puffer;
    if (!qp.pixel || !m_puffer.pixel)
        return false;
    for (int dy = std::max(y, 0); dy < std::min(y + hoehe, m_puffer.hoehe); ++dy) {
        int sy = qy + static_cast<int>(static_cast<int64_t>(dy - y) * qHoehe / hoehe);
        if (sy < 0 || sy >= qp.hoehe)
            continue;
        for (int dx = std::max(x, 0); dx < std::min(x + breite, m_puffer.breite); ++dx) {
            int sx = qx + static_cast<int>(static_cast<int64_t>(dx - x) * qBreite / breite);
            if (sx >= 0 && sx < qp.breite)
                m_puffer.pixel[static_cast<ptrdiff_t>(dy) * m_puffer.pitch + dx] =
                    qp.pixel[static_cast<ptrdiff_t>(sy) * qp.pitch + sx];
        }
    }
    return true;
}

// ---- Text --------------------------------------------------------------------------

CGlyphensatz* CIndexDC::Glyphen() const
{
    FT_Face f = LadeGesicht(GetSchrift());
    if (!f)
        return nullptr;
    CGroesse g = Groesse(f, SchriftHoeheGeraet(), GetSchrift().lfWidth ? BreiteInGeraet(GetSchrift().lfWidth) : 0);
    CGlyphensatz& satz = GlyphensatzHolen(f, std::lround(g.emX * 64), std::lround(g.em * 64));
    return &satz;
}

bool CIndexDC::SchriftVorhanden() const { return LadeGesicht(GetSchrift()) != nullptr; }

TEXTMETRIC CIndexDC::GeraetMetrik() const
{
    TEXTMETRIC tm;
    int h = SchriftHoeheGeraet();
    tm.tmWeight = GetSchrift().lfWeight;
    tm.tmItalic = GetSchrift().lfItalic;
    FT_Face f = LadeGesicht(GetSchrift());
    if (!f) {
        tm.tmHeight = std::abs(h);
        tm.tmDescent = tm.tmHeight / 5;
        tm.tmAscent = tm.tmHeight - tm.tmDescent;
        tm.tmAveCharWidth = tm.tmMaxCharWidth = tm.tmHeight / 2;
        return tm;
    }
    CGroesse g = Groesse(f, h, GetSchrift().lfWidth ? BreiteInGeraet(GetSchrift().lfWidth) : 0);
    tm.tmAscent = g.aufstieg;
    tm.tmDescent = g.abstieg;
    tm.tmHeight = g.aufstieg + g.abstieg;
    tm.tmInternalLeading = tm.tmHeight - static_cast<int>(std::lround(g.em));
    tm.tmAveCharWidth = g.mittlereBreite;
    tm.tmMaxCharWidth = g.maxBreite;
    return tm;
}

SIZE CIndexDC::GeraetTextMass(const std::string& text) const
{
    SIZE s{0, GeraetMetrik().tmHeight};
    CGlyphensatz* satz = Glyphen();
    // Wider than any surface long before it could overflow: saturate.
    int64_t breite = 0;
    for (char32_t c : ZeichenVon(text))
        breite += satz ? satz->Glyphe(c).vorschub : s.cy / 2;
    s.cx = static_cast<int>(std::min<int64_t>(breite, INT32_MAX));
    return s;
}

void CIndexDC::GeraetText(const CTextAuftrag& a)
{
    RECT grenze{0, 0, m_puffer.breite, m_puffer.hoehe};
    if (a.clip)
        grenze = Schnitt(grenze, a.clipRechteck);
    uint8_t hg = Index(m_hgFarbe), tinte = Index(m_textFarbe);
    if (a.clipFuellen)
        Flaeche(a.clipRechteck, hg);
    if (a.kastenFuellen)
        Flaeche({a.links, a.oben, a.links + a.breite, a.oben + a.hoehe}, hg, &grenze);
    CGlyphensatz* satz = Glyphen();
    if (!satz || !m_puffer.pixel)
        return;
    int stift = a.links;
    for (size_t i = 0; i < a.zeichen.size(); ++i) {
        const CGlyphe& g = satz->Glyphe(a.zeichen[i]);
        if (!g.gerendert)
            continue;
        int x0 = stift + g.links, y0 = a.grundlinie - g.oben;
        for (unsigned zeile = 0; zeile < g.zeilen; ++zeile) {
            int y = y0 + static_cast<int>(zeile);
            if (y < grenze.top || y >= grenze.bottom)
                continue;
            uint8_t* ziel = m_puffer.pixel + static_cast<ptrdiff_t>(y) * m_puffer.pitch;
            for (unsigned spalte = 0; spalte < g.breite; ++spalte) {
                int x = x0 + static_cast<int>(spalte);
                if (g.Gesetzt(zeile, spalte) && x >= grenze.left && x < grenze.right)
                    ziel[x] = tinte;
            }
        }
        stift += g.vorschub + a.extra[i];
    }
    if (GetSchrift().lfUnderline && satz->GroesseSetzen()) {
        FT_Face f = satz->GetGesicht();
        double skala = f->size->metrics.y_ppem / static_cast<double>(f->units_per_EM);
        int y = a.grundlinie - static_cast<int>(std::lround(f->underline_position * skala));
        int dicke = std::max(1, static_cast<int>(std::lround(f->underline_thickness * skala)));
        Flaeche({a.links, y, a.links + a.breite, y + dicke}, tinte, &grenze);
    }
}
