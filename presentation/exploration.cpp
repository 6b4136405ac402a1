// The exploration task: one still search field of targets among
// distractors, drawn once; the ready screen shows the targets to look for.

#include "presentation/praesentation.h"
#include "presentation/exploration.h"

#include "model/training.h"
#include "platform/crt.h"
#include "presentation/ablaufbits.h"
#include "presentation/bereitschirm.h"
#include "presentation/bmpdatei.h"
#include "presentation/flaechen.h"
#include "presentation/oberflaeche_dc.h"
#include "presentation/zellraster.h"
#include "workplace/formatierung.h"
#include "workplace/statistik.h"
#include "workplace/umgebung.h"
#include "workplace/verteilung.h"

#include <algorithm>
#include <cstdint>

namespace {

enum EStrategie { ZEILEN = 11, SPALTEN = 12, HINWEIS = 20, RAND = 30, ZELLEN = 50 };

// An entry of the field: a cell of strip 1 (target) or strip 2
// (distractor), or nothing.
constexpr uint32_t LEER = 0, ZIEL = 0x10000, DISTRAKTOR = 0x20000;

LONG Breite(const RECT& r) { return r.right - r.left; }
LONG Hoehe(const RECT& r) { return r.bottom - r.top; }
POINT Mitte(const RECT& r) { return {r.left + Breite(r) / 2, r.top + Hoehe(r) / 2}; }
RECT Verschoben(RECT r, LONG dx, LONG dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// 1-based first and last of a range cut into 1..zellen, first <= last; the
// 0-based cells of the range.
std::vector<int> Bereich(int von, int bis, int zellen)
{
    std::vector<int> k;
    if (zellen < 1)
        return k;
    bis = std::clamp(bis, 1, zellen);
    von = std::clamp(von, 1, bis);
    for (int i = von; i <= bis; ++i)
        k.push_back(i - 1);
    return k;
}

// One axis of a connecting bar and its arrowhead from the previous centre
// p to the current centre c.
struct CPfeilAchse {
    LONG von, bis, spitze, basis1, basis2;
};
CPfeilAchse PfeilAchse(LONG p, LONG c, LONG s1, LONG s2, LONG t)
{
    if (c > p) {
        const LONG spitze = c - s1 - t;
        return {p + s2 + t, c - s1 - 7 * t, spitze, spitze - 6 * t, spitze - 6 * t};
    }
    if (c < p) {
        const LONG spitze = c + s2 + t;
        return {c + s2 + 7 * t, p - s1 - t, spitze, spitze + 6 * t, spitze + 6 * t};
    }
    return {c - t / 2, c - t / 2 + t, c, c - 3 * t, c + 3 * t};
}

void Beschriften(CDC* dc, POINT mitte, int hoehe, const std::string& text)
{
    dc->TextOut(mitte.x, mitte.y + hoehe / 2, text);
}

std::string Buchstabe(int i) { return std::string(1, char('A' + i % 26)); }

} // namespace

std::vector<int> ZellenAnzahlen(int zellen, int gesamt, int grenze)
{
    if (zellen < 1)
        return {};
    if (zellen == 1)
        return {std::min(gesamt, grenze)};
    if (zellen == 2)
        return {std::min(gesamt / 2, grenze), std::min(gesamt / 2, grenze)};
    const int kappe = std::min(2 * (gesamt / zellen), grenze);
    const int start = gesamt / (2 * zellen);
    std::vector<int> n(size_t(zellen), start);
    if (int64_t(kappe) * zellen < gesamt)
        return {};
    int summe = start * zellen;
    // The paired first two cells can overshoot by one where no single cell
    // can move any more: give up after a bounded number of rounds.
    for (int schritt = 0; summe != gesamt; ++schritt) {
        if (schritt > 10000 * zellen)
            return {};
        const int k = schritt % zellen;
        if (crt::rand() % 2 != 1)
            continue;
        const int um = k < 2 ? 2 : 1;
        if (summe < gesamt && n[size_t(k)] < kappe) {
            for (int j = (k < 2 ? 0 : k); j < (k < 2 ? 2 : k + 1); ++j)
                ++n[size_t(j)];
            summe += um;
        } else if (summe > gesamt && n[size_t(k)] > start) {
            for (int j = (k < 2 ? 0 : k); j < (k < 2 ? 2 : k + 1); ++j)
                --n[size_t(j)];
            summe -= um;
        }
    }
    return n;
}

std::vector<POINT> ExplorationsPfad(int zeilen, int spalten, bool nachZeilen)
{
    std::vector<POINT> p; // x: column, y: row, from 1
    if (nachZeilen) {
        for (int z = 1; z <= zeilen; ++z)
            for (int i = 1; i <= spalten; ++i)
                p.push_back({z % 2 ? i : spalten + 1 - i, z});
    } else {
        for (int s = 1; s <= spalten; ++s)
            for (int i = 1; i <= zeilen; ++i)
                p.push_back({s, s % 2 ? i : zeilen + 1 - i});
    }
    return p;
}

namespace {

// What the drawing steps of every strategy share.
struct CFeldmass {
    int s; // side of a stimulus
    int t; // thickness of frames and bars
    RECT symbol; // a stimulus at the origin
    int flags; // placement flags of the layouts
    int hs; // height of the label font as read back
    COLORREF vordergrund;
    COLORREF textHintergrund;
};

// Copies field entries from their strip cells to the foreground.
struct CKopierer {
    IDirectDrawSurface* vordergrund;
    const CBildstreifen& ziele;
    const CBildstreifen& distraktoren;

    bool operator()(RECT ziel, uint32_t eintrag) const
    {
        if (eintrag == LEER)
            return true;
        const CBildstreifen& streifen = (eintrag & ZIEL) ? ziele : distraktoren;
        RECT zelle = streifen.GetZelle(int(eintrag & 0xFFFF));
        IDirectDrawSurface* quelle = streifen.GetOberflaeche();
        return quelle && vordergrund->Blt(&ziel, quelle, &zelle, DDBLT_WAIT, nullptr) == DD_OK;
    }
};

// The targets to look for, as a block centred on the ready screen
// (search-field strategies); answers the texts above and below it.
std::vector<std::pair<POINT, std::string>> Zielblock(IDirectDrawSurface* puffer, const RECT& schirm,
                                                     const CBildstreifen& zielstreifen, const std::vector<int>& ziele,
                                                     const RECT& symbol, int s, int e, bool mitSchluessel,
                                                     int& ergebnis)
{
    const LONG W = schirm.right - schirm.left;
    const LONG H = schirm.bottom - schirm.top;
    CVerteilung vb;
    const RECT oben{schirm.left, schirm.top + e, schirm.right, schirm.bottom - e};
    FehlerMerken(ergebnis, vb.SetBereich(oben, symbol));
    FehlerMerken(ergebnis, vb.SetAnzahl(int(ziele.size()), VERTEILUNG_RASTER));
    const int schritt = int(1.2 * s + 0.5);
    const LONG bb = std::min<LONG>(LONG(schritt) * vb.GetSpalten(), W);
    const LONG bh = std::min<LONG>(LONG(schritt) * vb.GetZeilen(), H - 2 * e);
    RECT zb;
    zb.left = schirm.left + (W - bb) / 2;
    zb.top = schirm.top + e + (H - 2 * e - bh) / 2;
    zb.right = zb.left + bb;
    zb.bottom = zb.top + bh;
    const int zeilen = vb.GetZeilen(), spalten = vb.GetSpalten();
    FehlerMerken(ergebnis, vb.SetBereich(zb, symbol));
    FehlerMerken(ergebnis, vb.SetRaster(zeilen, spalten, VERTEILUNG_RASTER));
    IDirectDrawSurface* streifen = zielstreifen.GetOberflaeche();
    DWORD schluessel = 0;
    if (streifen && mitSchluessel) {
        DDCOLORKEY ck{INDEX_DURCHSICHTIG, INDEX_DURCHSICHTIG};
        HRESULT hr;
        do
            hr = streifen->SetColorKey(DDCKEY_SRCBLT, &ck);
        while (hr == DDERR_WASSTILLDRAWING);
        if (hr == DD_OK)
            schluessel = DDBLT_KEYSRC;
    }
    for (size_t i = 0; i < ziele.size(); ++i) {
        RECT ziel = vb.GetRechteck(int(i));
        RECT zelle = zielstreifen.GetZelle(ziele[i]);
        if (!streifen || puffer->Blt(&ziel, streifen, &zelle, DDBLT_WAIT | schluessel, nullptr) != DD_OK)
            FehlerMerken(ergebnis, 4);
    }
    return {{POINT{W / 2, zb.top - e / 6}, "Zielzeichen:"}, {POINT{W / 2, zb.bottom + 5 * e / 6}, "Bereit?"}};
}

// The placement area in the field F: inside a 1 x 1 grid for the sheets
// with border labels, the cell rectangle for the cells, F less the frame
// for the path, else F.
RECT Platzbereich(int st, const CExploration& ex, const RECT& F, int s, int t, CRaster& raster, int& ergebnis)
{
    if (st == HINWEIS || st == RAND) {
        FehlerMerken(ergebnis, raster.Init(F, RECT{0, 0, s, s}, 1, 1));
        return raster.GetRasterRechteck();
    }
    if (st == ZELLEN) {
        FehlerMerken(ergebnis, raster.Init(F, RECT{0, 0, s, s}, ex.m_nZellenZeilen, ex.m_nZellenSpalten));
        return raster.GetZellRechteck();
    }
    if (st == ZEILEN || st == SPALTEN)
        return {t, t, F.right - t, F.bottom - t};
    return F;
}

// The stimulus side cut to the area; on the path every place keeps room for
// its frame and the bars between places.
int Seite(int st, const CExploration& ex, const RECT& A, int s, int t)
{
    if (st == ZEILEN || st == SPALTEN) {
        const int spalten = std::max(ex.m_nSpalten, 1), zeilen = std::max(ex.m_nZeilen, 1);
        return std::min({s, int((Breite(A) - (spalten - 1) * 6 * t) / spalten - 2 * t),
                         int((Hoehe(A) - (zeilen - 1) * 6 * t) / zeilen - 2 * t)});
    }
    return std::min({s, int(Breite(A)), int(Hoehe(A))});
}

// The places of the field in the layout v; answers their number. For the
// cells, the share of each cell in proZelle.
int PlaetzeAnlegen(int st, const CExploration& ex, int verteilung, int flags, const CRaster& raster, CVerteilung& v,
                   std::vector<int>& proZelle, int& ergebnis)
{
    if (st == ZELLEN) {
        const int c = raster.GetZeilen() * raster.GetSpalten();
        proZelle = ZellenAnzahlen(c, std::max(ex.m_nAnzahl, 0), verteilung == 1 ? v.GetMaxAnzahl() : ex.m_nAnzahl);
        if (proZelle.empty())
            FehlerMerken(ergebnis, 1);
        int n = 0;
        for (int k : proZelle)
            n += k;
        return n;
    }
    if (verteilung == 0) {
        v.SetRaster(std::min(ex.m_nZeilen, v.GetMaxZeilen()), std::min(ex.m_nSpalten, v.GetMaxSpalten()), flags);
        return v.GetAnzahl();
    }
    const int n = std::min(ex.m_nAnzahl, v.GetMaxAnzahl());
    return v.SetAnzahl(n, flags) != 0 ? 0 : n;
}

// Why the border and the cells find no room in the field F.
std::string RasterGrund(bool zellen, const CExploration& ex, const RECT& F, int s)
{
    if (!zellen)
        return "Bei dieser Bildgröße und Zeichengröße bleibt neben dem Rand für die Zeichen kein Platz.";
    const POINT h = CRaster::HoechstensZellen(F, RECT{0, 0, s, s});
    return "Für " + FormatInt(ex.m_nZellenZeilen) + " x " + FormatInt(ex.m_nZellenSpalten) +
           " Zellen ist das Bild zu klein. Bei dieser Bildgröße und Zeichengröße sind höchstens " +
           FormatInt(std::max<int>(h.y, 0)) + " x " + FormatInt(std::max<int>(h.x, 0)) + " Zellen möglich.";
}

// Why the stimulus side of the field came out below one pixel.
std::string SeiteGrund(int st, const CExploration& ex, const RECT& F, const RECT& A, int groesse, int t)
{
    if (Breite(F) < 1)
        return MindestensEinPixel("Die Bildbreite", Breite(F));
    if (Hoehe(F) < 1)
        return MindestensEinPixel("Die Bildhöhe", Hoehe(F));
    if (groesse < 1)
        return MindestensEinPixel("Die Zeichengröße", groesse);
    if (st == ZEILEN || st == SPALTEN) {
        // Each place one pixel and its frame, bars between the places.
        const auto hoechstens = [t](LONG laenge) { return int((laenge + 6 * t) / (1 + 8 * t)); };
        if (ex.m_nSpalten > hoechstens(Breite(A)))
            return HoechstensTeile(ex.m_nSpalten, "Spalten", "Bildbreite", int(Breite(F)), hoechstens(Breite(A)));
        return HoechstensTeile(ex.m_nZeilen, "Zeilen", "Bildhöhe", int(Hoehe(F)), hoechstens(Hoehe(A)));
    }
    return "Bei dieser Bildgröße und Zeichengröße bleibt für die Zeichen kein Platz.";
}

// Why the characters cannot be shared out over the cells: fewer than
// cells, more than the cells hold, or the first two cells cannot hold the
// same count.
std::string ZellenGrund(const CRaster& raster, const CExploration& ex, int grenze)
{
    const int zellen = raster.GetZeilen() * raster.GetSpalten(), gesamt = std::max(ex.m_nAnzahl, 0);
    const std::string cells = FormatInt(raster.GetZeilen()) + " x " + FormatInt(raster.GetSpalten()) + " Zellen";
    if (gesamt < zellen)
        return "Für " + cells + " sind " + FormatInt(gesamt) + " Zeichen zu wenige. Es müssen mindestens " +
               FormatInt(zellen) + " Zeichen sein, eines je Zelle.";
    if (int64_t(grenze) * zellen < gesamt)
        return "Für " + FormatInt(gesamt) + " Zeichen sind " + cells + " zu klein. Bei dieser Zeichengröße haben " +
               "höchstens " + FormatInt(int(std::min<int64_t>(int64_t(grenze) * zellen, INT32_MAX))) +
               " Zeichen Platz.";
    return "Die " + FormatInt(gesamt) + " Zeichen lassen sich nicht so auf " + cells +
           " verteilen, dass die ersten beiden Zellen gleich viele haben.";
}

uint32_t ZufallsDistraktor(const std::vector<int>& distraktoren)
{
    const int nD = int(distraktoren.size());
    return nD > 0 ? DISTRAKTOR | uint32_t(distraktoren[size_t(crt::rand() % nD)]) : LEER;
}

// Field lists: what each place of the field shows.

// Strategies 11 and 12: the targets in turn along the path.
CDWordArray PfadListe(int n, const std::vector<int>& ziele)
{
    CDWordArray liste(size_t(std::max(n, 0)), LEER);
    for (size_t i = 0; i < liste.size(); ++i)
        liste[i] = ziele.empty() ? LEER : ZIEL | uint32_t(ziele[i % ziele.size()]);
    return liste;
}

// Strategy 50: distractors; the second cell repeats the first.
CDWordArray ZellenListe(int n, const std::vector<int>& proZelle, const std::vector<int>& distraktoren)
{
    CDWordArray liste(size_t(std::max(n, 0)), LEER);
    const size_t erste = proZelle.empty() ? 0 : size_t(proZelle[0]);
    for (size_t i = 0; i < liste.size(); ++i)
        liste[i] = i >= erste && i < 2 * erste ? liste[i - erste] : ZufallsDistraktor(distraktoren);
    return liste;
}

// Search fields: each target as often as asked, distractors for the rest,
// shuffled.
CDWordArray SuchListe(int n, const std::vector<int>& ziele, int haeufigkeit, const std::vector<int>& distraktoren)
{
    CDWordArray liste(size_t(std::max(n, 0)), LEER);
    const size_t nT = ziele.size();
    const size_t zielEintraege = std::min(nT * size_t(std::max(haeufigkeit, 1)), liste.size());
    for (size_t i = 0; i < liste.size(); ++i)
        liste[i] = i < zielEintraege ? ZIEL | uint32_t(ziele[i % nT]) : ZufallsDistraktor(distraktoren);
    Mische(liste);
    return liste;
}

// Drawing on the foreground, one function per strategy.

// Strategies 11 and 12: a frame around each place of the path and a bar
// with an arrowhead from each place to the next.
void PfadZeichnen(CDC* pDC, const CVerteilung& v, const std::vector<POINT>& plaetze, const CFeldmass& m)
{
    const int s = m.s, t = m.t;
    for (size_t i = 0; i < plaetze.size(); ++i) {
        const RECT r = v.GetRechteckRasterplatz(plaetze[i].y, plaetze[i].x);
        pDC->FillSolidRect(r.left - t, r.top - t, s + 2 * t, t, m.vordergrund);
        pDC->FillSolidRect(r.left - t, r.bottom, s + 2 * t, t, m.vordergrund);
        pDC->FillSolidRect(r.left - t, r.top - t, t, s + 2 * t, m.vordergrund);
        pDC->FillSolidRect(r.right, r.top - t, t, s + 2 * t, m.vordergrund);
        if (i == 0)
            continue;
        const POINT vorher = v.GetPunktRasterplatz(plaetze[i - 1].y, plaetze[i - 1].x);
        const POINT jetzt = v.GetPunktRasterplatz(plaetze[i].y, plaetze[i].x);
        const LONG s1 = s / 2, s2 = s - s1;
        const CPfeilAchse x = PfeilAchse(vorher.x, jetzt.x, s1, s2, t);
        const CPfeilAchse y = PfeilAchse(vorher.y, jetzt.y, s1, s2, t);
        const RECT balken{x.von, y.von, x.bis, y.bis};
        pDC->FillSolidRect(&balken, m.vordergrund);
        const POINT spitze[3] = {{x.basis1, y.basis1}, {x.spitze, y.spitze}, {x.basis2, y.basis2}};
        pDC->Polygon(spitze, 3);
    }
}

// Strategy 20: letters above and below the columns, numbers left and right
// of the rows.
void HinweiseZeichnen(CDC* pDC, const CRaster& raster, const CVerteilung& v, const CFeldmass& m)
{
    const int zeilen = v.GetZeilen(), spalten = v.GetSpalten();
    for (int bereich : {2, 6}) {
        CVerteilung b;
        b.Init(raster.GetRandbereich(bereich), m.symbol, RECT{}, 1, spalten, m.flags);
        for (int c = 1; c <= spalten; ++c)
            Beschriften(pDC, b.GetPunktRasterplatz(1, c), m.hs, Buchstabe(c - 1));
    }
    for (int bereich : {8, 4}) {
        CVerteilung b;
        b.Init(raster.GetRandbereich(bereich), m.symbol, RECT{}, zeilen, 1, m.flags);
        for (int z = 1; z <= zeilen; ++z)
            Beschriften(pDC, b.GetPunktRasterplatz(z, 1), m.hs, FormatInt(z));
    }
}

// Strategy 30: a frame around the inner field and the targets labelled in
// border slots; answers the symbol half of each slot with its target cell.
std::vector<std::pair<RECT, int>> RandZeichnen(CDC* pDC, CRaster& raster, const std::vector<int>& ziele,
                                               const CFeldmass& m)
{
    for (int k = 1; k <= 4; ++k) {
        const RECT r = raster.GetTrennstreifen(k);
        pDC->FillSolidRect(&r, m.vordergrund);
    }
    std::vector<std::pair<RECT, int>> randZiele;
    const size_t nT = ziele.size();
    if (raster.RandpositionenBerechnen(m.symbol, int(nT), RAND_HAELFTE_A | RAND_HAELFTE_B) != 0)
        return randZiele;
    const int s = m.s;
    const int buchstaben = raster.GetRandpositionenAnzahl(RAND_OBEN | RAND_RECHTS);
    size_t i = 0;
    for (int seite : {RAND_OBEN, RAND_RECHTS, RAND_LINKS, RAND_UNTEN})
        for (int j = 0; j < raster.GetRandpositionenAnzahl(seite) && i < nT; ++j, ++i) {
            const POINT p = raster.GetRandpunkt(j, seite | RAND_HAELFTE_B);
            const RECT feldchen{p.x - s / 2, p.y - s / 2, p.x - s / 2 + s, p.y - s / 2 + s};
            pDC->FillSolidRect(&feldchen, m.textHintergrund);
            const bool buchstabe = seite == RAND_OBEN || seite == RAND_RECHTS;
            Beschriften(pDC, p, m.hs, buchstabe ? Buchstabe(int(i)) : FormatInt(int(i) + 1 - buchstaben));
            randZiele.emplace_back(raster.GetRandposition(j, seite | RAND_HAELFTE_A), ziele[i]);
        }
    return randZiele;
}

// Strategy 50: a frame around each cell, letters above and below the cell
// columns, numbers left and right of the cell rows.
void ZellenZeichnen(CDC* pDC, const CRaster& raster, const CFeldmass& m)
{
    for (int c = 0; c < raster.GetZeilen() * raster.GetSpalten(); ++c)
        for (int k = 1; k <= 4; ++k) {
            const RECT r = raster.GetZellstreifenNr(k, c);
            pDC->FillSolidRect(&r, m.vordergrund);
        }
    for (int bereich : {2, 6})
        for (int c = 1; c <= raster.GetSpalten(); ++c)
            Beschriften(pDC, POINT{Mitte(raster.GetZelle(1, c)).x, Mitte(raster.GetRandbereich(bereich)).y}, m.hs,
                        Buchstabe(c - 1));
    for (int bereich : {8, 4})
        for (int z = 1; z <= raster.GetZeilen(); ++z)
            Beschriften(pDC, POINT{Mitte(raster.GetRandbereich(bereich)).x, Mitte(raster.GetZelle(z, 1)).y}, m.hs,
                        FormatInt(z));
}

// The strategy's frames and labels on the foreground, the labels in the
// profile's font at the stimulus side; answers strategy 30's border slots
// (symbol half of a slot, target cell).
std::vector<std::pair<RECT, int>> FeldZeichnen(IDirectDrawSurface* vordergrund, CPalette& palette, LOGFONT lf, int st,
                                               CRaster& raster, const CVerteilung& v, const std::vector<POINT>& plaetze,
                                               const std::vector<int>& ziele, CFeldmass m, int& ergebnis)
{
    COberflaechenDC dc(vordergrund);
    CDC* pDC = dc.GetDC();
    if (!pDC) {
        FehlerMerken(ergebnis, 9);
        return {};
    }
    pDC->SelectPalette(&palette, false);
    CPen stift(PS_SOLID, 1, m.vordergrund);
    CBrush pinsel(m.vordergrund);
    pDC->SelectObject(&stift);
    pDC->SelectObject(&pinsel);
    pDC->SetBkColor(m.textHintergrund);
    pDC->SetTextColor(m.vordergrund);
    lf.lfHeight = m.s;
    CFont schrift;
    schrift.CreateFontIndirect(&lf);
    LOGFONT gelesen;
    m.hs = schrift.GetLogFont(&gelesen) ? gelesen.lfHeight : m.s;
    pDC->SelectObject(&schrift);
    pDC->SetTextAlign(TA_CENTER | TA_BOTTOM);
    switch (st) {
    case ZEILEN:
    case SPALTEN: PfadZeichnen(pDC, v, plaetze, m); break;
    case HINWEIS: HinweiseZeichnen(pDC, raster, v, m); break;
    case RAND: return RandZeichnen(pDC, raster, ziele, m);
    case ZELLEN: ZellenZeichnen(pDC, raster, m); break;
    default: break;
    }
    return {};
}

// Strategy 50's stimuli: the cells in a shuffled order; the first two share
// one layout made at the origin and moved to their cell, every further cell
// has its own.
void ZellenFuellen(const CRaster& raster, CVerteilung& v, const std::vector<int>& proZelle, const CFeldmass& m,
                   const CDWordArray& liste, const CKopierer& kopieren, int& ergebnis)
{
    const int c = int(proZelle.size());
    CDWordArray folge(static_cast<size_t>(c));
    for (int k = 0; k < c; ++k)
        folge[size_t(k)] = uint32_t(k);
    Mische(folge);
    size_t eintrag = 0;
    for (int k = 0; k < c; ++k) {
        const RECT zelle = raster.GetZelleNr(int(folge[size_t(k)]));
        CVerteilung eigene;
        if (k >= 2) {
            eigene.SetBereich(zelle, m.symbol);
            eigene.SetAnzahl(proZelle[size_t(k)], m.flags);
        } else if (k == 0) {
            v.SetAnzahl(proZelle[0], m.flags);
        }
        const CVerteilung& lage = k < 2 ? v : eigene;
        for (int i = 0; i < proZelle[size_t(k)] && eintrag < liste.size(); ++i, ++eintrag) {
            const RECT r = lage.GetRechteck(i);
            if (!kopieren(k < 2 ? Verschoben(r, zelle.left, zelle.top) : r, liste[eintrag]))
                FehlerMerken(ergebnis, 10);
        }
    }
}

} // namespace

int CPraesentation::ExplorationErstellen()
{
    if (m_nFehler)
        return m_nFehler;
    if (!m_pTraining || m_pTraining->GetAufgabenart() != AUFGABENART_EXPLORATION || !m_pUmgebung)
        return FEHLER_ANGABEN;
    const CExploration ex = m_pTraining->GetExploration();
    const int st = ex.m_nStrategie;
    if (st < 1 || st > 50)
        return FEHLER_ANGABEN;
    const bool pfad = st == ZEILEN || st == SPALTEN;
    const bool zellen = st == ZELLEN;
    const bool rand = st == RAND;
    const bool hinweis = st == HINWEIS;
    const bool suchfeld = !pfad && !zellen; // with the target block on the ready screen
    const int durchsichtigkeit = m_pTraining->GetHGMuster().m_nDurchsichtigkeit;
    const bool durchsichtig = durchsichtigkeit == 0 || durchsichtigkeit == 1;
    const CReizkatalog& katalog = m_pUmgebung->m_Reizkatalog;

    const LONG W = m_rcBildschirm.right - m_rcBildschirm.left;
    const LONG H = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const RECT feld = MittigesFeld(*this, ex.m_dBildbreite, ex.m_dBildhoehe);
    const LONG aw = feld.right - feld.left, ah = feld.bottom - feld.top;
    const RECT F{0, 0, aw, ah};

    int verteilung = pfad || hinweis ? 0 : ex.m_nAnordnung == 2 ? 1 : ex.m_nAnordnung;
    if (zellen)
        verteilung = std::max(verteilung, 1);
    CFeldmass m{};
    m.flags = verteilung == 0   ? (rand ? VERTEILUNG_RASTER : VERTEILUNG_RASTER | VERTEILUNG_RANDBUENDIG)
              : verteilung == 1 ? VERTEILUNG_VERSCHOBEN
                                : VERTEILUNG_RASTER;
    m.vordergrund = PALETTEINDEX(INDEX_VORDERGRUND);
    m.textHintergrund = PALETTEINDEX(durchsichtigkeit == 0 ? INDEX_STANDARDMUSTER : INDEX_HINTERGRUND);

    // Placement area and stimulus side.
    int s = m_pUmgebung->AnteilInPixelY(ex.m_dZeichengroesse);
    const int t = std::max(int(s * 0.05 + 0.5), 1);
    int ergebnis = 0;
    CRaster raster;
    const RECT A = Platzbereich(st, ex, F, s, t, raster, ergebnis);
    if (s < 1 || aw < 1 || ah < 1) {
        m_nFehler = FEHLER_ANGABEN;
        m_strFehler = FehlerText(FEHLER_ANGABEN, false, SeiteGrund(st, ex, F, A, s, t));
        return FEHLER_ANGABEN;
    }
    if (ergebnis != 0) {
        // The grid's margins and gaps leave no room: its rectangles are not
        // laid out.
        m_nFehler = FEHLER_VORDERGRUND;
        m_strFehler = FehlerText(FEHLER_VORDERGRUND, false, RasterGrund(zellen, ex, F, s));
        return ergebnis;
    }
    const int groesse = s;
    s = Seite(st, ex, A, s, t);
    if (s < 1) {
        m_nFehler = FEHLER_ANGABEN;
        m_strFehler = FehlerText(FEHLER_ANGABEN, false, SeiteGrund(st, ex, F, A, groesse, t));
        return FEHLER_ANGABEN;
    }
    m.s = s;
    m.t = t;
    m.symbol = RECT{0, 0, s, s};

    // Layout and number of places.
    CVerteilung v;
    FehlerMerken(ergebnis, v.SetBereich(A, m.symbol));
    if (!pfad && !zellen && ex.m_nFreiflaecheAktiv > 0) {
        // The free area is given on the display; the field has its own origin.
        const RECT frei = Verschoben(ex.m_Freiflaeche.GetPixelRechteck(m_pUmgebung), -feld.left, -feld.top);
        FehlerMerken(ergebnis, v.SetInnenbereich(frei));
    }
    std::vector<int> proZelle;
    const int n = PlaetzeAnlegen(st, ex, verteilung, m.flags, raster, v, proZelle, ergebnis);
    if (zellen && proZelle.empty()) {
        m_nFehler = FEHLER_VORDERGRUND;
        const int grenze = verteilung == 1 ? v.GetMaxAnzahl() : ex.m_nAnzahl;
        m_strFehler = FehlerText(FEHLER_VORDERGRUND, false, ZellenGrund(raster, ex, grenze));
        return ergebnis;
    }

    m_nAnzahl = 1;
    if (m_Rechtecke1.SetSize(1) != 0 || m_Rechtecke2.SetSize(1) != 0)
        FehlerMerken(ergebnis, 1);
    m_Rechtecke1.SetAt(0, F);
    m_Rechtecke2.SetAt(0, feld);
    m_TrainingsBericht.SetAnzahlReize(0);
    m_nAufgabe |= aufgabe::PASSIV;
    if (ex.m_nMauszeiger == 1)
        m_nEinrichtung |= einrichtung::MAUSZEIGER;

    if (ergebnis == 0)
        ergebnis = VordergrundbilderLaden(zellen ? -1 : ex.m_nZielliste, pfad ? -1 : ex.m_nDistraktorliste, s, s);
    if (ergebnis)
        return ergebnis;

    // Targets: consecutive stimuli of the first strip. Distractors: the
    // range of the second strip without the targets' codes.
    std::vector<int> ziele = Bereich(ex.m_nZielVon, ex.m_nZielBis, m_Streifen1.GetAnzahl());
    size_t nT = std::min(ziele.size(), size_t(n));
    if (rand)
        nT = std::min(nT, size_t(std::max(raster.ZaehleRandpositionen(m.symbol, RAND_HAELFTE_A | RAND_HAELFTE_B), 0)));
    ziele.resize(nT);
    std::vector<int> distraktoren;
    for (int k : Bereich(ex.m_nDistraktorVon, ex.m_nDistraktorBis, m_Streifen2.GetAnzahl())) {
        const uint32_t code = katalog.GetReiz2(ex.m_nDistraktorliste, k);
        if (std::none_of(ziele.begin(), ziele.end(),
                         [&](int z) { return katalog.GetReiz(ex.m_nZielliste, z) == code; }))
            distraktoren.push_back(k);
    }

    CFont bereit;
    const int h = BereitSchriftErstellen(*this, bereit);
    const int e = 3 * h / 2;
    std::vector<std::pair<POINT, std::string>> bereitTexte{{POINT{W / 2, (H + h) / 2}, "Bereit?"}};
    if (suchfeld && nT > 0)
        bereitTexte = Zielblock(m_pRueckpuffer, m_rcBildschirm, m_Streifen1, ziele, m.symbol, s, e, durchsichtig,
                                ergebnis);
    if (!BereitSchreiben(*this, bereit, bereitTexte))
        FehlerMerken(ergebnis, -1);

    const CDWordArray liste = pfad     ? PfadListe(n, ziele)
                              : zellen ? ZellenListe(n, proZelle, distraktoren)
                                       : SuchListe(n, ziele, ex.m_nHaeufigkeit, distraktoren);

    bool system = false;
    if (BildflaecheAnlegen(m_pDD, aw, ah, &m_pVordergrund, &system) != DD_OK)
        return ergebnis ? ergebnis : 4;
    if (system)
        m_nEinrichtung |= einrichtung::VG_BLT;
    if (Farbfuellen(m_pVordergrund, nullptr, durchsichtig ? INDEX_DURCHSICHTIG : INDEX_HINTERGRUND) != DD_OK)
        FehlerMerken(ergebnis, 8);

    const std::vector<POINT> plaetze = pfad ? ExplorationsPfad(v.GetZeilen(), v.GetSpalten(), st == ZEILEN)
                                            : std::vector<POINT>{};
    const std::vector<std::pair<RECT, int>> randZiele = FeldZeichnen(m_pVordergrund, m_Palette, ProfilSchrift(*this),
                                                                     st, raster, v, plaetze, ziele, m, ergebnis);

    // Stimuli: copies of strip cells. A stimulus missing from the field
    // would be a silent gap in the search.
    const CKopierer kopieren{m_pVordergrund, m_Streifen1, m_Streifen2};
    for (const auto& [ziel, zelle] : randZiele)
        if (!kopieren(ziel, ZIEL | uint32_t(zelle)))
            FehlerMerken(ergebnis, 10);
    if (pfad) {
        for (size_t i = 0; i < plaetze.size() && i < liste.size(); ++i)
            if (!kopieren(v.GetRechteckRasterplatz(plaetze[i].y, plaetze[i].x), liste[i]))
                FehlerMerken(ergebnis, 10);
    } else if (zellen) {
        ZellenFuellen(raster, v, proZelle, m, liste, kopieren, ergebnis);
    } else {
        for (size_t i = 0; i < liste.size(); ++i)
            if (!kopieren(v.GetRechteck(int(i)), liste[i]))
                FehlerMerken(ergebnis, 10);
    }
    return ergebnis;
}
