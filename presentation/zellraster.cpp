#include "presentation/zellraster.h"

#include <algorithm>

namespace {
int Gerundet(double v) { return int(v + 0.5); }
LONG Breite(const RECT& r) { return r.right - r.left; }
LONG Hoehe(const RECT& r) { return r.bottom - r.top; }
bool Gueltig(int zeilen, int spalten, LONG w, LONG h, int flags)
{
    return zeilen >= 1 && spalten >= 1 && w >= 1 && h >= 1 && (flags & (RAND_HAELFTE_A | RAND_HAELFTE_B));
}
// Margins beside and above the cells, and the gap between them.
struct CRasterMasse {
    int randH, randV, luecke;
};
CRasterMasse Masse(RECT symbol)
{
    const LONG sh = Hoehe(symbol), sw = Breite(symbol);
    return {std::max(Gerundet(sh * 1.2), int(sh) + 2), std::max(Gerundet(sw * 1.2), int(sw) + 2),
            std::max(Gerundet(sh * 0.05), 1)};
}
} // namespace

POINT CRaster::HoechstensZellen(RECT rahmen, RECT symbol)
{
    // Margins on both sides and a gap before, between and after the cells.
    const CRasterMasse m = Masse(symbol);
    return {(Breite(rahmen) - 2 * m.randH) / m.luecke - 1, (Hoehe(rahmen) - 2 * m.randV) / m.luecke - 1};
}

int CRaster::Init(RECT rahmen, RECT symbol, int zeilen, int spalten)
{
    const auto [randH, randV, luecke] = Masse(symbol);
    if (zeilen < 1 || spalten < 1)
        return 1;
    const POINT hoechstens = HoechstensZellen(rahmen, symbol);
    if (spalten > hoechstens.x || zeilen > hoechstens.y)
        return 1;
    m_rahmen = rahmen;
    m_nZeilen = zeilen;
    m_nSpalten = spalten;
    m_nRandH = randH;
    m_nRandV = randV;
    m_nLuecke = luecke;
    return Berechnen();
}

void CRaster::PositionenLoeschen()
{
    m_randpunkte.clear();
    std::fill(std::begin(m_nRandAnzahl), std::end(m_nRandAnzahl), 0);
    m_nRandFlags = 0;
}

int CRaster::Berechnen()
{
    PositionenLoeschen();
    const LONG L = m_rahmen.left, T = m_rahmen.top, R = m_rahmen.right, B = m_rahmen.bottom;
    const LONG hm = m_nRandH, vm = m_nRandV, g = m_nLuecke;
    m_rand[0] = {L, T, L + hm, T + vm};
    m_rand[1] = {L + hm + g, T, R - hm - g, T + vm};
    m_rand[2] = {R - hm, T, R, T + vm};
    m_rand[3] = {R - hm, T + vm + g, R, B - vm - g};
    m_rand[4] = {R - hm, B - vm, R, B};
    m_rand[5] = {L + hm + g, B - vm, R - hm - g, B};
    m_rand[6] = {L, B - vm, L + hm, B};
    m_rand[7] = {L, T + vm + g, L + hm, B - vm - g};
    m_trenn[0] = {L, T + vm, R, T + vm + g};
    m_trenn[1] = {L, B - vm - g, R, B - vm};
    m_trenn[2] = {L + hm, T, L + hm + g, B};
    m_trenn[3] = {R - hm - g, T, R - hm, B};

    const LONG x0 = L + hm + g, y0 = T + vm + g;
    const int anzahl = std::max(m_nZeilen * m_nSpalten, 0);
    m_zellen.assign(size_t(anzahl), RECT{});
    m_zellstreifen.assign(size_t(anzahl) * 4, RECT{});
    m_zelle = {};
    if (anzahl > 0) {
        const double cw = double(R - hm - x0) / m_nSpalten;
        const double ch = double(B - vm - y0) / m_nZeilen;
        m_zelle = {0, 0, LONG(cw) - g, LONG(ch) - g};
        if (m_zelle.right < 0 || m_zelle.bottom < 0)
            m_zelle = {};
        for (int n = 0; n < anzahl; ++n) {
            const int r = n / m_nSpalten, c = n % m_nSpalten;
            RECT z{x0 + LONG(c * cw), y0 + LONG(r * ch), x0 + LONG((c + 1) * cw) - g, y0 + LONG((r + 1) * ch) - g};
            m_zellen[size_t(n)] = z;
            RECT* s = &m_zellstreifen[size_t(n) * 4];
            s[0] = {z.left - g, z.top - g, z.left, z.bottom + g};
            s[1] = {z.left - g, z.top - g, z.right + g, z.top};
            s[2] = {z.right, z.top - g, z.right + g, z.bottom + g};
            s[3] = {z.left - g, z.bottom, z.right + g, z.bottom + g};
        }
    }
    m_raster = {x0, y0, R - hm - g, B - vm - g};
    return 0;
}

RECT CRaster::GetRandbereich(int i) const { return i >= 1 && i <= 8 ? m_rand[i - 1] : RECT{}; }
RECT CRaster::GetTrennstreifen(int i) const { return i >= 1 && i <= 4 ? m_trenn[i - 1] : RECT{}; }

RECT CRaster::GetZelle(int zeile, int spalte) const
{
    if (zeile < 1 || zeile > m_nZeilen || spalte < 1 || spalte > m_nSpalten)
        return {};
    return GetZelleNr((zeile - 1) * m_nSpalten + spalte - 1);
}

RECT CRaster::GetZelleNr(int n) const { return n >= 0 && n < int(m_zellen.size()) ? m_zellen[size_t(n)] : RECT{}; }

RECT CRaster::GetZellstreifenNr(int k, int n) const
{
    if (k < 1 || k > 4 || n < 0 || n >= int(m_zellen.size()))
        return {};
    return m_zellstreifen[size_t(n) * 4 + size_t(k - 1)];
}

int CRaster::ZaehleRandpositionen(RECT symbol, int flags) const
{
    const LONG w = Breite(symbol), h = Hoehe(symbol);
    if (!Gueltig(m_nZeilen, m_nSpalten, w, h, flags))
        return -1;
    const int waagrecht = h <= m_nRandV ? int(2 * (Breite(m_rand[1]) / (2 * w))) : 0;
    if (w > m_nRandH)
        return waagrecht;
    return waagrecht + int(2 * (Hoehe(m_rand[7]) / (2 * h)));
}

int CRaster::RandpositionenBerechnen(RECT symbol, int n, int flags)
{
    PositionenLoeschen();
    const LONG w = Breite(symbol), h = Hoehe(symbol);
    if (!Gueltig(m_nZeilen, m_nSpalten, w, h, flags) || n < 0)
        return -1;
    const bool doppelt = (flags & RAND_HAELFTE_A) && (flags & RAND_HAELFTE_B);
    const LONG sx = doppelt ? 2 * w : w, sy = doppelt ? 2 * h : h;
    const LONG gw = Breite(m_raster), gh = Hoehe(m_raster);
    const int mh = h <= m_nRandV ? int(gw / sx) : 0;
    const int mv = w <= m_nRandH ? int(gh / sy) : 0;
    if (n > 2 * (mh + mv))
        return -1;

    int nh = 0, nv = 0;
    const double verhaeltnis = double(gw / sx) / double(std::max<LONG>(gh / sy, 1));
    while (2 * (nh + nv) < n) {
        if (nh < 1 && mh >= 1)
            ++nh;
        else if (nv < 1 && mv >= 1)
            ++nv;
        else if (nv == 0 || double(nh) / nv > verhaeltnis) {
            if (nv < mv)
                ++nv;
            else
                ++nh;
        } else if (nh < mh)
            ++nh;
        else
            ++nv;
    }
    // Without positions on the top the bottom would be one short of nothing.
    const int unten = std::max(n - nh - 2 * nv, 0);
    m_nRandAnzahl[0] = nh;
    m_nRandAnzahl[1] = nv;
    m_nRandAnzahl[2] = nv;
    m_nRandAnzahl[3] = unten;
    m_nRandFlags = flags & (RAND_HAELFTE_A | RAND_HAELFTE_B);
    m_randSymbol = symbol;

    const LONG L = m_rahmen.left, T = m_rahmen.top, R = m_rahmen.right, B = m_rahmen.bottom;
    const double dx = nh > 0 ? double(gw) / nh : 0.0;
    const double dy = nv > 0 ? double(gh) / nv : 0.0;
    for (int i = 0; i < nh; ++i)
        m_randpunkte.push_back({m_rand[1].left + LONG((i + 0.5) * dx), T + m_nRandV / 2});
    for (int j = 0; j < nv; ++j)
        m_randpunkte.push_back({L + m_nRandH / 2, m_rand[7].top + LONG((j + 0.5) * dy)});
    for (int j = 0; j < nv; ++j)
        m_randpunkte.push_back({R - m_nRandH + m_nRandH / 2, m_rand[3].top + LONG((j + 0.5) * dy)});
    for (int k = 0; k < unten; ++k)
        m_randpunkte.push_back({m_rand[5].left + LONG((k + 0.5) * dx), B - m_nRandV + m_nRandV / 2});
    return 0;
}

int CRaster::GetRandpositionenAnzahl(int seiten) const
{
    int n = 0;
    if (seiten & RAND_OBEN)
        n += m_nRandAnzahl[0];
    if (seiten & RAND_LINKS)
        n += m_nRandAnzahl[1];
    if (seiten & RAND_RECHTS)
        n += m_nRandAnzahl[2];
    if (seiten & RAND_UNTEN)
        n += m_nRandAnzahl[3];
    return n;
}

POINT CRaster::GetRandpunkt(int i, int flags) const
{
    if (i < 0 || i >= GetRandpositionenAnzahl(flags) || !(flags & (RAND_HAELFTE_A | RAND_HAELFTE_B)))
        return {};
    int erster = 0;
    bool waagrecht = false;
    if (flags & RAND_LINKS)
        erster = m_nRandAnzahl[0];
    else if (flags & RAND_RECHTS)
        erster = m_nRandAnzahl[0] + m_nRandAnzahl[1];
    else if (flags & RAND_UNTEN) {
        erster = m_nRandAnzahl[0] + m_nRandAnzahl[1] + m_nRandAnzahl[2];
        waagrecht = true;
    } else
        waagrecht = true;
    const size_t k = size_t(erster + i);
    if (k >= m_randpunkte.size())
        return {};
    POINT p = m_randpunkte[k];
    if (m_nRandFlags == (RAND_HAELFTE_A | RAND_HAELFTE_B)) {
        const LONG a = waagrecht ? Breite(m_randSymbol) : Hoehe(m_randSymbol);
        LONG& c = waagrecht ? p.x : p.y;
        if (flags & RAND_HAELFTE_A)
            c += a / 2;
        if (flags & RAND_HAELFTE_B)
            c += a / 2 - a;
    }
    return p;
}

RECT CRaster::GetRandposition(int i, int flags) const
{
    if (i < 0 || i >= GetRandpositionenAnzahl(flags) || !(flags & (RAND_HAELFTE_A | RAND_HAELFTE_B)))
        return {};
    const POINT p = GetRandpunkt(i, flags);
    const LONG w = Breite(m_randSymbol), h = Hoehe(m_randSymbol);
    return {p.x - w / 2, p.y - h / 2, p.x - w / 2 + w, p.y - h / 2 + h};
}
