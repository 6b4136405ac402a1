#include "workplace/verteilung.h"

#include <algorithm>
#include <cmath>

#include "platform/crt.h"
#include "workplace/statistik.h"

namespace {

constexpr int kZufall = VERTEILUNG_ZUFALL | VERTEILUNG_ZUFALL2;

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

bool IstNull(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

int Breite(const RECT& r) { return r.right - r.left; }
int Hoehe(const RECT& r) { return r.bottom - r.top; }

// Cuts the sides of teil that stick out of v back to v and moves the same
// sides of quelle, the picture's source rectangle, by as much.
void SchneideZurueck(RECT& teil, RECT& quelle, const RECT& v, bool waagerecht, bool senkrecht)
{
    if (waagerecht && teil.left < v.left) {
        quelle.left += v.left - teil.left;
        teil.left = v.left;
    }
    if (waagerecht && teil.right > v.right) {
        quelle.right -= teil.right - v.right;
        teil.right = v.right;
    }
    if (senkrecht && teil.top < v.top) {
        quelle.top += v.top - teil.top;
        teil.top = v.top;
    }
    if (senkrecht && teil.bottom > v.bottom) {
        quelle.bottom -= teil.bottom - v.bottom;
        teil.bottom = v.bottom;
    }
}

} // namespace

// ---- Set-up ----

void CVerteilung::Berechne()
{
    const int w = Breite(), h = Hoehe();
    m_nSchritteY = h > 0 ? (m_nLetzteY - m_nErsteY) / h : 0;
    m_nSchritteX = w > 0 ? (m_nLetzteX - m_nErsteX) / w : 0;
    m_nMaxZeilen = h > 0 ? ::Hoehe(m_bereich) / h : 0;
    m_nMaxSpalten = w > 0 ? ::Breite(m_bereich) / w : 0;
}

int CVerteilung::SetBereich(RECT bereich, RECT objekt)
{
    const int w = ::Breite(objekt), h = ::Hoehe(objekt);
    if (w < 1 || h < 1)
        return -1;
    if (::Breite(bereich) < w || ::Hoehe(bereich) < h)
        return -2;
    m_nZeilen = m_nSpalten = m_nAnzahl = m_nPlaetze = 0;
    m_innen = RECT{};
    m_bereich = bereich;
    m_objekt = objekt;
    m_nErsteX = bereich.left + w / 2;
    m_nErsteY = bereich.top + h / 2;
    m_nLetzteX = m_nErsteX + ::Breite(bereich) - w;
    m_nLetzteY = m_nErsteY + ::Hoehe(bereich) - h;
    Berechne();
    m_nFreiBereich = m_nFreiRand = m_nMaxZeilen * m_nMaxSpalten;
    m_nFreiMitte = m_nSchritteY * m_nSchritteX;
    return 0;
}

int CVerteilung::SetBereichUmMitte(RECT m, RECT objekt)
{
    const int w = ::Breite(objekt), h = ::Hoehe(objekt);
    RECT bereich;
    bereich.left = m.left - w / 2;
    bereich.top = m.top - h / 2;
    bereich.right = bereich.left + ::Breite(m) + w;
    bereich.bottom = bereich.top + ::Hoehe(m) + h;
    return SetBereich(bereich, objekt);
}

int CVerteilung::SetInnenbereich(RECT innen)
{
    innen.left = std::max(innen.left, m_bereich.left);
    innen.top = std::max(innen.top, m_bereich.top);
    innen.right = std::min(innen.right, m_bereich.right);
    innen.bottom = std::min(innen.bottom, m_bereich.bottom);
    m_innen = innen.left > innen.right || innen.top > innen.bottom ? RECT{} : innen;
    Berechne();
    m_nFreiMitte = ZaehleFreiePlaetze(m_nSchritteY, m_nSchritteX, Raster::Mitten);
    m_nFreiBereich = ZaehleFreiePlaetze(m_nMaxZeilen, m_nMaxSpalten, Raster::Bereich);
    m_nFreiRand = ZaehleFreiePlaetze(m_nMaxZeilen, m_nMaxSpalten, Raster::Rand);
    return 0;
}

int CVerteilung::PruefeRechtecke() const
{
    if (::Breite(m_bereich) < 0 || ::Hoehe(m_bereich) < 0)
        return -1;
    if (Breite() < 0 || Hoehe() < 0)
        return -2;
    return 0;
}

int CVerteilung::SetRaster(int zeilen, int spalten, int flags)
{
    if (int code = PruefeRechtecke())
        return code;
    if (zeilen < 1 || spalten < 1)
        return -3;
    if (!(flags & kZufall)) {
        const bool ueberBereich = flags & VERTEILUNG_RASTER;
        const int breite = ueberBereich ? ::Breite(m_bereich) : m_nLetzteX - m_nErsteX;
        const int hoehe = ueberBereich ? ::Hoehe(m_bereich) : m_nLetzteY - m_nErsteY;
        if (spalten * Breite() > breite || zeilen * Hoehe() > hoehe)
            return ueberBereich ? -4 : -5;
    }
    m_nFlags = flags;
    if (flags & kZufall) {
        m_nAnzahl = zeilen * spalten;
        m_nZeilen = m_nSpalten = 0;
    } else {
        m_nZeilen = zeilen;
        m_nSpalten = spalten;
        m_nAnzahl = 0;
    }
    return Verteilen();
}

int CVerteilung::SetAnzahl(int anzahl, int flags)
{
    if (int code = PruefeRechtecke())
        return code;
    if (anzahl < 1)
        return -3;
    if (!(flags & kZufall)) {
        if (!(flags & VERTEILUNG_RASTER)) {
            if (anzahl > m_nFreiMitte)
                return -6;
        } else if (flags & VERTEILUNG_RANDBUENDIG) {
            if (anzahl > m_nFreiRand)
                return -4;
        } else if (anzahl > m_nFreiBereich) {
            return -5;
        }
    }
    m_nFlags = flags;
    m_nZeilen = m_nSpalten = 0;
    m_nAnzahl = anzahl;
    return Verteilen();
}

int CVerteilung::Init(RECT bereich, RECT objekt, RECT innen, int zeilen, int spalten, int flags)
{
    // The arrays change only in a successful last step, so a copy restores all.
    const CVerteilung vorher = *this;
    int code = SetBereich(bereich, objekt);
    if (code == 0)
        code = SetInnenbereich(innen);
    if (code == 0)
        code = SetRaster(zeilen, spalten, flags);
    if (code != 0)
        *this = vorher;
    return code;
}

// ---- Grids ----

POINT CVerteilung::Rastermitte(Raster art, int zeile, int spalte, int zeilen, int spalten) const
{
    if (art == Raster::Mitten) {
        const double sx = static_cast<double>(m_nLetzteX - m_nErsteX) / spalten;
        const double sy = static_cast<double>(m_nLetzteY - m_nErsteY) / zeilen;
        return {m_nErsteX + Trunc((spalte + 0.5) * sx), m_nErsteY + Trunc((zeile + 0.5) * sy)};
    }
    const double sx = static_cast<double>(::Breite(m_bereich)) / spalten;
    const double sy = static_cast<double>(::Hoehe(m_bereich)) / zeilen;
    double vx = 0.0, vy = 0.0;
    if (art == Raster::Rand) {
        // Spread so that the outer objects touch the area's edges.
        if (spalten > 1)
            vx = ((sx - Breite()) / 2) * (2 * spalte - (spalten - 1)) / (spalten - 1);
        if (zeilen > 1)
            vy = ((sy - Hoehe()) / 2) * (2 * zeile - (zeilen - 1)) / (zeilen - 1);
    }
    return {m_bereich.left + Trunc((spalte + 0.5) * sx + vx), m_bereich.top + Trunc((zeile + 0.5) * sy + vy)};
}

int CVerteilung::ZaehleFreiePlaetze(int zeilen, int spalten, Raster art) const
{
    if (zeilen <= 0 || spalten <= 0)
        return 0;
    int frei = 0;
    for (int r = 0; r < zeilen; ++r)
        for (int c = 0; c < spalten; ++c) {
            POINT p = Rastermitte(art, r, c, zeilen, spalten);
            if (IstNull(UeberlappungObjekt(p.x, p.y, m_innen)))
                ++frei;
        }
    return frei;
}

// Rows and columns for a given count, growing the grid in the proportions
// of its area until enough places are free.
void CVerteilung::WaehleRaster()
{
    const bool ueberMitten = !(m_nFlags & VERTEILUNG_RASTER) || (m_nFlags & VERTEILUNG_MITTEN);
    const int grenzeR = ueberMitten ? m_nSchritteY : m_nMaxZeilen;
    const int grenzeC = ueberMitten ? m_nSchritteX : m_nMaxSpalten;
    const Raster art = ueberMitten                           ? Raster::Mitten
                       : (m_nFlags & VERTEILUNG_RANDBUENDIG) ? Raster::Rand
                                                             : Raster::Bereich;
    const double breite = ueberMitten ? m_nLetzteX - m_nErsteX : ::Breite(m_bereich);
    const double hoehe = ueberMitten ? m_nLetzteY - m_nErsteY : ::Hoehe(m_bereich);
    const double ziel = hoehe > 0 ? (breite / Breite()) / (hoehe / Hoehe()) : 1e300;

    int r = 0, c = 0, gefunden = 0;
    while (gefunden < m_nAnzahl && (r < grenzeR || c < grenzeC)) {
        const bool breiter = r == 0 ? c == 0 : static_cast<double>(c) / r <= ziel;
        if (breiter)
            (c < grenzeC ? c : r)++;
        else
            (r < grenzeR ? r : c)++;
        gefunden = ZaehleFreiePlaetze(r, c, art);
    }
    const bool amEnde = ueberMitten ? (r == grenzeR && c == grenzeC) : (r == grenzeR || c == grenzeC);
    if (amEnde) {
        r = grenzeR;
        c = grenzeC;
        if (gefunden < m_nAnzahl)
            m_nAnzahl = gefunden;
    }
    m_nZeilen = r;
    m_nSpalten = c;
    m_nPlaetze = r * c;
}

// ---- Placement ----

int CVerteilung::Verteilen()
{
    if (m_nFlags & kZufall) {
        m_nFlags &= ~(VERTEILUNG_RASTER | VERTEILUNG_VERSCHOBEN | VERTEILUNG_RANDBUENDIG);
        m_nFlags |= VERTEILUNG_ZUFALL2;
    }
    if (m_nFlags & VERTEILUNG_VERSCHOBEN)
        m_nFlags &= ~(VERTEILUNG_RASTER | VERTEILUNG_RANDBUENDIG);
    if (m_nFlags & VERTEILUNG_RASTER)
        m_nFlags &= ~VERTEILUNG_ZUFALL2;
    if (m_nFlags & VERTEILUNG_MITTEN)
        m_nFlags &= ~VERTEILUNG_RANDBUENDIG;
    m_index.clear();
    m_rechtecke.clear();
    m_mitten.clear();

    if (m_nFlags & (VERTEILUNG_RASTER | VERTEILUNG_VERSCHOBEN)) {
        if (m_nAnzahl >= 1 && m_nZeilen == 0 && m_nSpalten == 0) {
            WaehleRaster();
        } else {
            m_nPlaetze = m_nZeilen * m_nSpalten;
            m_nAnzahl = m_nPlaetze;
        }
        const bool ueberBereich = (m_nFlags & VERTEILUNG_RASTER) && !(m_nFlags & VERTEILUNG_MITTEN);
        const Raster art = !ueberBereich                         ? Raster::Mitten
                           : (m_nFlags & VERTEILUNG_RANDBUENDIG) ? Raster::Rand
                                                                 : Raster::Bereich;
        m_index.resize(static_cast<size_t>(m_nPlaetze));
        m_rechtecke.resize(static_cast<size_t>(m_nPlaetze));
        m_mitten.resize(static_cast<size_t>(m_nPlaetze));
        std::vector<uint32_t> frei;
        for (int p = 0; p < m_nPlaetze; ++p) {
            m_mitten[p] = Rastermitte(art, p / m_nSpalten, p % m_nSpalten, m_nZeilen, m_nSpalten);
            const bool belegt = !IstNull(UeberlappungObjekt(m_mitten[p].x, m_mitten[p].y, m_innen));
            m_index[p] = belegt ? -1 : p;
            if (!belegt)
                frei.push_back(static_cast<uint32_t>(p));
        }
        m_nAnzahl = std::max(m_nAnzahl, 0);
        // More free places than objects: a random choice of them stays
        // empty. Shuffled even when all are used, for the reseed of rand
        // that the random shift below draws from.
        Mische(frei);
        for (size_t k = 0; k + static_cast<size_t>(m_nAnzahl) < frei.size(); ++k)
            m_index[frei[k]] = -1;
        if (m_nFlags & VERTEILUNG_VERSCHOBEN)
            VerschiebeZufaellig();
    } else if (m_nFlags & VERTEILUNG_ZUFALL2) {
        VerteileZufaellig();
    } else {
        m_nPlaetze = m_nAnzahl = 0;
    }

    for (int p = 0; p < m_nPlaetze; ++p) {
        if (m_index[p] >= 0) {
            m_rechtecke[p] = ObjektUm(m_mitten[p].x, m_mitten[p].y);
        } else {
            m_rechtecke[p] = RECT{};
            m_mitten[p] = POINT{};
        }
    }
    std::stable_partition(m_index.begin(), m_index.end(), [](int32_t i) { return i >= 0; });
    return 0;
}

void CVerteilung::VerschiebeZufaellig()
{
    const double sx = static_cast<double>(m_nLetzteX - m_nErsteX) / m_nSpalten;
    const double sy = static_cast<double>(m_nLetzteY - m_nErsteY) / m_nZeilen;
    const int ax = Trunc(sx / 2 + 0.5);
    const int ay = Trunc(sy / 2 + 0.5);
    const int spanneX = m_nLetzteX - m_nErsteX;
    const int spanneY = m_nLetzteY - m_nErsteY;

    for (int p = 0; p < m_nPlaetze; ++p) {
        if (m_index[p] < 0)
            continue;
        int dy = ay > 0 ? (crt::rand() % (2 * ay + 1) + 1) / 2 : 0;
        int dx = ax > 0 ? (crt::rand() % (2 * ax + 1) + 1) / 2 : 0;
        // Directions clockwise from the top left: 1 up-left, 2 up, ... 8 left.
        const int d = (crt::rand() & 3) * 2 + 1;
        const int s = crt::rand() & 1;
        if (d == 1 || d == 3)
            dy = -dy;
        if (d == 1 || d == 7)
            dx = -dx;
        const POINT& m = m_mitten[p];

        // Depths (left, top, right, bottom): how far to move left, up, right, down.
        RECT t = UeberlappungObjekt(m.x + dx, m.y + dy, m_innen);
        if (dx > 0)
            dx -= t.left;
        if (dx < 0)
            dx += t.right;
        if (dy > 0)
            dy -= t.top;
        if (dy < 0)
            dy += t.bottom;

        // Every neighbour but the one opposite d pushes the object back.
        int n = s == 1 ? d - 3 : d + 3;
        for (int k = 0; k < 7; ++k, n += s == 1 ? 1 : -1) {
            if (n > 8)
                n -= 8;
            if (n < 1)
                n += 8;
            int umbruchX = 0, umbruchY = 0;
            const int q = Nachbar(p, n, &umbruchX, &umbruchY);
            if (q < 0 || ((umbruchX || umbruchY) && !(m_nFlags & VERTEILUNG_MITTEN)) || m_index[q] < 0)
                continue;
            const int nx = m_mitten[q].x + umbruchX * spanneX;
            const int ny = m_mitten[q].y + umbruchY * spanneY;
            t = UeberlappungObjekte(m.x + dx, m.y + dy, nx, ny);
            if (s == 0) {
                switch (n) {
                case 1:
                case 2: dy += t.bottom; break;
                case 3:
                case 4: dx -= t.left; break;
                case 5:
                case 6: dy -= t.top; break;
                default: dx += t.right; break;
                }
            } else {
                switch (n) {
                case 8:
                case 1: dx += t.right; break;
                case 2:
                case 3: dy += t.bottom; break;
                case 4:
                case 5: dx -= t.left; break;
                default: dy -= t.top; break;
                }
            }
        }
        m_mitten[p].x = std::clamp(m.x + dx, m_nErsteX, m_nLetzteX);
        m_mitten[p].y = std::clamp(m.y + dy, m_nErsteY, m_nLetzteY);
    }
}

// The place next to platz in direction 1-8, or -1. A neighbour across an
// edge wraps around; umbruchX/Y say which way (-1 left or up, 1 right or down)
// its centre must move to lie beside platz.
int CVerteilung::Nachbar(int platz, int richtung, int* umbruchX, int* umbruchY) const
{
    *umbruchX = *umbruchY = 0;
    if (richtung < 1 || richtung > 8 || (m_nFlags & kZufall) || m_nSpalten < 1)
        return -1;
    const bool senkrecht = richtung != 4 && richtung != 8;
    const bool waagerecht = richtung != 2 && richtung != 6;
    if ((senkrecht && m_nZeilen < 2) || (waagerecht && m_nSpalten < 2))
        return -1;
    int r = platz / m_nSpalten + 1;
    int c = platz % m_nSpalten + 1;
    if (richtung <= 3)
        --r;
    else if (richtung >= 5 && richtung <= 7)
        ++r;
    if (richtung == 1 || richtung >= 7)
        --c;
    else if (richtung >= 3 && richtung <= 5)
        ++c;
    if (c < 1) {
        c = m_nSpalten;
        *umbruchX = -1;
    } else if (c > m_nSpalten) {
        c = 1;
        *umbruchX = 1;
    }
    if (r < 1) {
        r = m_nZeilen;
        *umbruchY = -1;
    } else if (r > m_nZeilen) {
        r = 1;
        *umbruchY = 1;
    }
    return (r - 1) * m_nSpalten + (c - 1);
}

void CVerteilung::VerteileZufaellig()
{
    m_nAnzahl = std::max(m_nAnzahl, 0);
    m_nPlaetze = m_nAnzahl;
    m_nZeilen = m_nSpalten = 0;
    m_index.resize(static_cast<size_t>(m_nPlaetze));
    m_rechtecke.resize(static_cast<size_t>(m_nPlaetze));
    m_mitten.resize(static_cast<size_t>(m_nPlaetze));
    const int spanneX = m_nLetzteX - m_nErsteX;
    const int spanneY = m_nLetzteY - m_nErsteY;
    for (int p = 0; p < m_nPlaetze; ++p) {
        m_mitten[p].x = spanneX > 0 ? m_nErsteX + crt::rand() % (spanneX + 1) : m_nErsteX;
        m_mitten[p].y = spanneY > 0 ? m_nErsteY + crt::rand() % (spanneY + 1) : m_nErsteY;
        m_index[p] = p;
    }
    if (IstNull(m_innen))
        return;

    // Room for centres in the bands beside the inner area.
    const int gl = std::max(m_innen.left - m_bereich.left - Breite() + 1, 0);
    const int gt = std::max(m_innen.top - m_bereich.top - Hoehe() + 1, 0);
    const int gr = std::max(m_bereich.right - m_innen.right - Breite() + 1, 0);
    const int gb = std::max(m_bereich.bottom - m_innen.bottom - Hoehe() + 1, 0);
    const double raum[9] = {0,
                            double(gt) * gl,
                            double(gt) * gt,
                            double(gr) * gt,
                            double(gr) * gr,
                            double(gr) * gb,
                            double(gb) * gb,
                            double(gl) * gb,
                            double(gl) * gl};
    for (int p = 0; p < m_nPlaetze; ++p) {
        POINT& m = m_mitten[p];
        const RECT t = UeberlappungObjekt(m.x, m.y, m_innen);
        if (IstNull(t))
            continue;
        // Moving costs the square of the way out; the best side has the most
        // room for what it costs.
        const double l = t.left, o = t.top, r = t.right, u = t.bottom;
        const double kosten[9] = {0, l * o, o * o, r * o, r * r, r * u, u * u, l * u, l * l};
        int beste = 1;
        double verhaeltnis = raum[1] / kosten[1];
        for (int k = 2; k <= 8; ++k)
            if (raum[k] / kosten[k] >= verhaeltnis) {
                beste = k;
                verhaeltnis = raum[k] / kosten[k];
            }
        if (verhaeltnis <= 0.0) {
            m_index[p] = -1;
            --m_nAnzahl;
            continue;
        }
        if (beste <= 3)
            m.y = m_nErsteY + (gt > 0 ? crt::rand() % gt : 0);
        else if (beste >= 5 && beste <= 7)
            m.y = m_nLetzteY - (gb > 0 ? crt::rand() % gb : 0);
        if (beste == 1 || beste >= 7)
            m.x = m_nErsteX + (gl > 0 ? crt::rand() % gl : 0);
        else if (beste >= 3 && beste <= 5)
            m.x = m_nLetzteX - (gr > 0 ? crt::rand() % gr : 0);
    }
}

// ---- Overlaps ----

RECT CVerteilung::Ueberlappung(RECT a, RECT b)
{
    if (::Breite(a) <= 0 || ::Hoehe(a) <= 0 || ::Breite(b) <= 0 || ::Hoehe(b) <= 0)
        return {};
    if (!(a.top < b.bottom && a.bottom > b.top && a.left < b.right && a.right > b.left))
        return {};
    return {a.right - b.left, a.bottom - b.top, b.right - a.left, b.bottom - a.top};
}

RECT CVerteilung::ObjektUm(int x, int y) const
{
    const int left = x - Breite() / 2, top = y - Hoehe() / 2;
    return {left, top, left + Breite(), top + Hoehe()};
}

// ---- Queries ----

int CVerteilung::GetSchritteX() const { return Breite() != 0 ? (m_nLetzteX - m_nErsteX) / Breite() : 0; }

int CVerteilung::GetSchritteY() const { return Hoehe() != 0 ? (m_nLetzteY - m_nErsteY) / Hoehe() : 0; }

RECT CVerteilung::GetRechteck(int i) const
{
    if (i < 0 || i >= m_nAnzahl || i >= static_cast<int>(m_index.size()) || m_index[i] < 0)
        return {};
    return m_rechtecke[m_index[i]];
}

int CVerteilung::Rasterplatz(int zeile, int spalte) const
{
    if (zeile < 1 || zeile > m_nZeilen || spalte < 1 || spalte > m_nSpalten)
        return -1;
    const int p = (zeile - 1) * m_nSpalten + spalte - 1;
    return p < static_cast<int>(m_mitten.size()) ? p : -1;
}

POINT CVerteilung::GetPunktRasterplatz(int zeile, int spalte) const
{
    const int p = Rasterplatz(zeile, spalte);
    return p >= 0 ? m_mitten[p] : POINT{};
}

RECT CVerteilung::GetRechteckRasterplatz(int zeile, int spalte) const
{
    const int p = Rasterplatz(zeile, spalte);
    return p >= 0 ? m_rechtecke[p] : RECT{};
}

uint32_t CVerteilung::GetSichtbarerTeil(RECT* teil, RECT* quelle, int i) const
{
    *teil = GetRechteck(i);
    if (IstNull(*teil))
        return KANTE_KEIN_OBJEKT;
    const RECT v = Mittenbereich();
    const bool trifftSpalte = teil->right > v.left && teil->left < v.right;
    const bool trifftZeile = teil->bottom > v.top && teil->top < v.bottom;
    uint32_t kanten = 0;
    if (teil->top < v.top) {
        if (teil->left < v.left)
            kanten |= KANTE_OBEN_LINKS;
        if (trifftSpalte)
            kanten |= KANTE_OBEN;
        if (teil->right > v.right)
            kanten |= KANTE_OBEN_RECHTS;
    }
    if (teil->bottom > v.bottom) {
        if (teil->left < v.left)
            kanten |= KANTE_UNTEN_LINKS;
        if (trifftSpalte)
            kanten |= KANTE_UNTEN;
        if (teil->right > v.right)
            kanten |= KANTE_UNTEN_RECHTS;
    }
    if (teil->left < v.left && trifftZeile)
        kanten |= KANTE_LINKS;
    if (teil->right > v.right && trifftZeile)
        kanten |= KANTE_RECHTS;
    *quelle = m_objekt;
    if (kanten)
        SchneideZurueck(*teil, *quelle, v, true, true);
    if (::Breite(*teil) > 0 && ::Hoehe(*teil) > 0)
        kanten |= KANTE_SICHTBAR;
    return kanten;
}

uint32_t CVerteilung::GetUeberstand(RECT* teil, RECT* quelle, int i, uint32_t kanten) const
{
    uint32_t kante = 0;
    for (uint32_t bit = 1; bit <= 128; bit <<= 1)
        if (kanten & bit) {
            kante = bit;
            break;
        }
    *teil = GetRechteck(i);
    if (kante == 0 || IstNull(*teil)) {
        *teil = RECT{};
        return KANTE_KEIN_OBJEKT;
    }
    const RECT v = Mittenbereich();
    const int dx = ::Breite(v), dy = ::Hoehe(v);
    RECT& t = *teil;
    RECT& q = *quelle;
    q = m_objekt;
    // The piece over one edge or corner reappears at the opposite one.
    if (kante & (KANTE_OBEN_LINKS | KANTE_LINKS | KANTE_UNTEN_LINKS)) {
        t.left += dx;
        t.right = v.right;
        q.right = q.left + ::Breite(t);
    }
    if (kante & (KANTE_OBEN_RECHTS | KANTE_RECHTS | KANTE_UNTEN_RECHTS)) {
        t.right -= dx;
        t.left = v.left;
        q.left = q.right - ::Breite(t);
    }
    if (kante & (KANTE_OBEN_LINKS | KANTE_OBEN | KANTE_OBEN_RECHTS)) {
        t.top += dy;
        t.bottom = v.bottom;
        q.bottom = q.top + ::Hoehe(t);
    }
    if (kante & (KANTE_UNTEN_LINKS | KANTE_UNTEN | KANTE_UNTEN_RECHTS)) {
        t.bottom -= dy;
        t.top = v.top;
        q.top = q.bottom - ::Hoehe(t);
    }
    // The straight edges keep the object's extent along them, cut to V.
    SchneideZurueck(t, q, v, kante & (KANTE_OBEN | KANTE_UNTEN), kante & (KANTE_LINKS | KANTE_RECHTS));
    return kanten & ~kante;
}
