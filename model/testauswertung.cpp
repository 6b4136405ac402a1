// Evaluation of a test report: measures per stimulus over the factor grid,
// the result texts, deviation and answer-frequency charts with their fits.

#include <algorithm>
#include <cmath>

#include "model/aufgabenbits.h"
#include "model/auswertung.h"
#include "model/test.h"
#include "workplace/formatierung.h"
#include "workplace/statistik.h"
#include "workplace/umgebung.h"

namespace {

using namespace aufgabe;
constexpr uint32_t kPixel = 8; // unit code of pixels

constexpr int kFaktorSpalten = 7; // columns 9 to 15
constexpr int kSpalten = 17;

enum Art { HGroesse, VGroesse, HPosition, VPosition, HAbweichung, VAbweichung };

bool IstAbweichung(Art a) { return a == HAbweichung || a == VAbweichung; }
bool IstVertikal(Art a) { return a == VGroesse || a == VPosition || a == VAbweichung; }

// Centre and size of a pixel rectangle in parts of the display. The edges
// come from the file, so sums and differences are taken in double.
struct CMass {
    const CUmgebung& u;
    double cx(RECT r) const { return u.InAnteilX(double(r.left) + r.right, kPixel) / 2.0 - 0.5; }
    double cy(RECT r) const { return -(u.InAnteilY(double(r.top) + r.bottom, kPixel) / 2.0 - 0.5); }
    double w(RECT r) const { return u.InAnteilX(double(r.right) - r.left, kPixel); }
    double h(RECT r) const { return u.InAnteilY(double(r.bottom) - r.top, kPixel); }
};

struct CFaktoren {
    int stufen[kFaktorSpalten] = {1, 1, 1, 1, 1, 1, 1};
    int permutationen = 1;
    int wiederholungen = 1;
};

CFaktoren Faktoren(const CTest& test, uint32_t flags)
{
    CFaktoren f;
    if (flags & LAENGEN) {
        const CLaengen l = test.GetLaengen();
        const int s[kFaktorSpalten] = {l.m_nTestPositionStufen, l.m_nVPositionStufen, l.m_nBspVPositionStufen,
                                       l.m_nBspBreiteStufen,    l.m_nBspHoeheStufen,  l.m_nTestBreiteStufen,
                                       l.m_nTestHoeheStufen};
        std::copy(s, s + kFaktorSpalten, f.stufen);
        f.permutationen = l.m_nPermutationen;
        f.wiederholungen = l.m_nWiederholungen;
    } else {
        const CLinien l = test.GetLinien();
        const int s[kFaktorSpalten] = {l.m_nHPositionStufen, l.m_nVPositionStufen, 1,
                                       l.m_nHLaengeStufen,   l.m_nVLaengeStufen,   l.m_nHTrennStufen,
                                       l.m_nVTrennStufen};
        std::copy(s, s + kFaktorSpalten, f.stufen);
        f.permutationen = l.m_nPermutationen;
        f.wiederholungen = l.m_nWiederholungen;
    }
    // A factor without steps still has its one level.
    for (int& s : f.stufen)
        s = std::max(s, 1);
    return f;
}

// Rows of the factor levels: the mixed-radix number of the combination,
// column 15 fastest; then the repetitions after the first D rows.
void SchreibeFaktoren(CDatentabelle& t, const CFaktoren& f, int n)
{
    int index[kFaktorSpalten] = {};
    for (int zeile = 0; zeile < n; ++zeile) {
        for (int k = 0; k < kFaktorSpalten; ++k)
            t.SetWert(zeile, 9 + k, index[k]);
        t.SetWert(zeile, 16, 0.0);
        int k = kFaktorSpalten - 1;
        while (k >= 0 && ++index[k] >= f.stufen[k])
            index[k--] = 0;
        if (k < 0)
            break;
    }
    const int d = f.permutationen;
    if (d < 1 || n <= d)
        return;
    for (int w = 1; w < f.wiederholungen; ++w) {
        for (int j = 0; j < d; ++j) {
            const long long zeile = static_cast<long long>(w) * d + j;
            if (zeile >= n)
                return;
            for (int k = 9; k <= 15; ++k) {
                double v = 0.0;
                const int status = t.GetWert(j, k, &v);
                t.SetWertStatus(static_cast<int>(zeile), k, v, status);
            }
            t.SetWert(static_cast<int>(zeile), 16, w);
        }
    }
}

// Offered charts in order with the number of deviation and frequency charts.
void Namen(uint32_t f, std::vector<std::string>& namen, int& abw, int& hfgk)
{
    static const char* const linien[4][2] = {
        {"Rel. horiz. Abw. / Linienbreite", "Rel. vert. Abw. / Linienhöhe"},
        {"Rel. horiz. Abw. / Horiz. Position", "Rel. vert. Abw. / Vert. Position"},
        {"Antworthfgkt. 'rechts' / horiz. Lage Trennlinie", "Antworthfgkt. 'oben' / vert. Lage Trennlinie"},
        {"Rel. horiz. Abw. / Rel. horiz. Ausgangslage Trennlinie",
         "Rel. vert. Abw. / Rel. vert. Ausgangslage Trennlinie"}};
    static const char* const laengen[4][2] = {
        {"Rel. horiz. Abw. / Breite Bsp-Rechteck", "Rel. vert. Abw. / Höhe Bsp-Rechteck"},
        {"Rel. horiz. Abw. / Horiz. Pos. Testrechteck", "Rel. vert. Abw. / Vert. Position Testrechteck"},
        {"Antworthfgkt. 'breiter' / Rel. Abw. Testrechteck", "Antworthfgkt. 'höher' / Rel. Abw. Testrechteck"},
        {"Rel. horiz. Abw. / Rel. horiz. Ausgangsabw. Testrechteck",
         "Rel. vert. Abw. / Rel. vert. Ausgangsabw. Testrechteck"}};
    const char* const(*tab)[2] = (f & LINIEN) ? linien : ((f & LAENGEN) ? laengen : nullptr);
    if (!tab)
        return;
    auto block = [&](int zeile, int& zaehler) {
        for (int o = 0; o < 2; ++o) {
            if (f & (o == 0 ? HORIZONTAL : VERTIKAL)) {
                namen.push_back(tab[zeile][o]);
                ++zaehler;
            }
        }
    };
    block(0, abw);
    block(1, abw);
    if (f & KONSTANT)
        block(2, hfgk);
    else if (f & EINSTELLUNG)
        block(3, abw);
}

Art WaehleArt(uint32_t f, int n)
{
    const bool h = f & HORIZONTAL, v = f & VERTIKAL;
    if (h && v) {
        static const Art beide[6] = {HGroesse, VGroesse, HPosition, VPosition, HAbweichung, VAbweichung};
        return n >= 0 && n < 6 ? beide[n] : HGroesse;
    }
    static const Art horiz[3] = {HGroesse, HPosition, HAbweichung};
    static const Art vert[3] = {VGroesse, VPosition, VAbweichung};
    if (h)
        return n >= 0 && n < 3 ? horiz[n] : HGroesse;
    return n >= 0 && n < 3 ? vert[n] : VGroesse;
}

struct CProbit {
    bool ok = false;
    double mu = 0.0, sigma = 0.0;
};

CProbit Probit(CDatenreihe* x, CDatenreihe* y)
{
    CProbit p;
    double dritter = 0.0;
    const int r = ProbitAnalyseGewichtet(x, y, &p.mu, &p.sigma, &dritter);
    p.ok = r >= 0 && std::isfinite(p.mu) && std::isfinite(p.sigma);
    return p;
}

// Probit texts of one orientation of the constant-stimuli method.
void ProbitTexte(const CDatentabelle& t, int xSpalte, int ySpalte, std::string& text1, std::string& text2)
{
    const CProbit p = Probit(t.GetSpalte(xSpalte), t.GetSpalte(ySpalte));
    text1 = p.ok ? MuText(p.mu) : "n. a.";
    text2 = p.ok ? SigmaText(p.sigma) : "n. a.";
}

std::string StreuungText(const CDatentabelle& t, int spalte)
{
    double v = 0.0;
    if (t.GetVarianz(spalte, &v) == 0 || !(v >= 0.0) || !std::isfinite(v))
        return "n. a.";
    return FormatDouble(std::sqrt(v), 1) + " %";
}

// Time, horizontal 1 and 2, vertical 1 and 2 from the built tables.
std::vector<std::string> Ergebnistexte(const CTestBericht& b)
{
    std::vector<std::string> e(5, "---");
    const uint32_t f = b.m_dwTestFlags;
    const CDatentabelle& t1 = b.m_Tabelle1;
    CDatentabelle t;
    if (f & EINSTELLUNG) {
        t1.Gruppiere(t, {16}, {15, 14, 13, 12, 11, 10, 9});
        e[0] = MittelText(t, 2, 3, " s");
        if (f & HORIZONTAL) {
            e[1] = MittelText(t, 0, 1, " %");
            e[2] = StreuungText(t, 0);
        }
        if (f & VERTIKAL) {
            e[3] = MittelText(b.m_Tabelle2, 1, 1, " %");
            e[4] = StreuungText(b.m_Tabelle2, 1);
        }
    } else if (f & KONSTANT) {
        // From the means per combination of factor levels, as the charts.
        b.m_Tabelle2.Gruppiere(t, {14}, {15, 13, 12, 11, 10, 9});
        e[0] = MittelText(t, 2, 3, " s");
        if (f & HORIZONTAL)
            ProbitTexte(t, 7, 0, e[1], e[2]);
        if (f & VERTIKAL) {
            CDatentabelle tv;
            b.m_Tabelle2.Gruppiere(tv, {15}, {14, 13, 12, 11, 10, 9});
            ProbitTexte(tv, 8, 1, e[3], e[4]);
        }
    }
    return e;
}

// What a chart shows: its table columns, the texts and ranges of its axes.
struct CAchsen {
    int xSpalte = 0, ySpalte = 0, faktor = 0;
    bool haeufigkeit = false; // answer frequencies over the test deviation
    std::string xEinheit, xWort;
    int xDez = 0;
    double xMin = -50.0, xMax = 50.0;
    const char* yEinheit = "Abw. [%]";
    const char* yWort = "%";
    int yDez = 0;
    double yMin = -50.0, yMax = 50.0;
};

CAchsen Achsen(Art art, uint32_t f, const CUmgebung& u)
{
    static const int xSpalten[6] = {5, 6, 3, 4, 7, 8};
    static const int faktorSpalten[6] = {12, 13, 9, 10, 14, 15};
    CAchsen a;
    const bool abw = IstAbweichung(art);
    a.xSpalte = xSpalten[art];
    a.ySpalte = IstVertikal(art) ? 1 : 0;
    a.faktor = faktorSpalten[art];
    a.haeufigkeit = (f & KONSTANT) && abw;
    const std::string einheit = u.GetEinheitText();
    a.xEinheit = abw ? "[%]" : "[" + einheit + "]";
    a.xWort = abw ? "%" : einheit;
    a.xDez = abw ? 0 : u.GetDezimalstellen();
    switch (art) {
    case HPosition:
        a.xMin = u.AnteilInEinheitX(-0.5);
        a.xMax = u.AnteilInEinheitX(0.5);
        break;
    case VPosition:
        a.xMin = u.AnteilInEinheitY(-0.5);
        a.xMax = u.AnteilInEinheitY(0.5);
        break;
    case HGroesse:
        a.xMin = u.AnteilInEinheitX(0.0);
        a.xMax = u.AnteilInEinheitX(1.0);
        break;
    case VGroesse:
        a.xMin = u.AnteilInEinheitY(0.0);
        a.xMax = u.AnteilInEinheitY(1.0);
        break;
    default: break;
    }
    if (a.haeufigkeit) {
        a.yEinheit = "Rel.Hfgk.(Reakt.) [1]";
        a.yWort = "1";
        a.yMin = 0.0;
        a.yMax = 1.0;
        a.yDez = 2;
    }
    return a;
}

// Key columns and second columns of the chart's grouping: per level of the
// factor, or per level of the test deviation and of the factor.
struct CGruppierung {
    std::vector<int> schluessel, zweite;
};

CGruppierung Gruppierung(uint32_t f, const CAchsen& a)
{
    CGruppierung g;
    if ((f & EINSTELLUNG) || a.haeufigkeit) {
        g.schluessel = {a.faktor};
        for (int k = 15; k >= 9; --k)
            if (k != a.faktor)
                g.zweite.push_back(k);
    } else {
        g.schluessel = {14 + a.ySpalte, a.faktor};
        g.zweite = {15 - a.ySpalte};
        for (int k = 13; k >= 9; --k)
            if (k != a.faktor)
                g.zweite.push_back(k);
    }
    return g;
}

// The points of the chart with a fitted straight line; curve flag 1 when it fits.
int Gerade(CTestBericht& b, CDatenreihe* x, CDatenreihe* y)
{
    b.m_Diagramm.SetXDaten(x);
    b.m_Diagramm.SetDaten(1, y);
    return LineareRegression(x, y, &b.m_dParameter1, &b.m_dParameter2) == 0 ? 1 : 0;
}

// The answer frequencies with a fitted probit curve; curve flag 2 when it fits.
int Verteilungskurve(CTestBericht& b, CDatenreihe* x, CDatenreihe* y)
{
    b.m_Diagramm.SetXDaten(x);
    b.m_Diagramm.SetDaten(1, y);
    const CProbit p = Probit(x, y);
    b.m_dParameter1 = p.mu;
    b.m_dParameter2 = p.sigma;
    return p.ok ? 2 : 0;
}

// Per level of the factor (a block of g's rows, one per test deviation): the
// factor's mean as x and the probit mean over the test deviations as y.
void Grenzwerte(const CDatentabelle& g, const CAchsen& a, const CGruppierung& gr, CDatenreihe& px, CDatenreihe& py)
{
    const int k = g.GetWerteListe(gr.schluessel[0]);
    const int bloecke = g.GetWerteListe(gr.schluessel[1]);
    for (int blk = 0; blk < bloecke && k > 0; ++blk) {
        CDatenreihe reize, anteile;
        for (int z = 0; z < k; ++z) {
            double x = 0.0, y = 0.0;
            const int sx = g.GetWert(blk * k + z, 7 + a.ySpalte, &x);
            const int sy = g.GetWert(blk * k + z, a.ySpalte, &y);
            reize.SetWert(z, x, sx);
            anteile.SetWert(z, y, sy);
        }
        const CProbit p = Probit(&reize, &anteile);
        if (p.ok)
            py.SetWert(blk, p.mu, 1);
        double mittel = 0.0;
        if (g.GetMittelwertBereich(a.xSpalte, &mittel, blk * k, (blk + 1) * k - 1) != 0)
            px.SetWert(blk, mittel, 1);
    }
}

// Fills the chart's points from the report's tables and fits its curve;
// answers the curve flags.
int KurveAnpassen(CTestBericht& b, const CAchsen& a, uint32_t f)
{
    const CGruppierung gr = Gruppierung(f, a);
    if (!(f & (EINSTELLUNG | KONSTANT)))
        return 0;
    // Kept with the tables: choosing among the charts groups each table once.
    // Every chart keys on all factor columns, so it is grouped from the
    // means per combination, not from the trials.
    std::vector<int> name = gr.schluessel;
    name.push_back(-1);
    name.insert(name.end(), gr.zweite.begin(), gr.zweite.end());
    const auto [eintrag, neu] = b.m_Gruppen.try_emplace(name);
    const CDatentabelle& g = eintrag->second;
    if (neu)
        b.m_Tabelle2.Gruppiere(eintrag->second, gr.schluessel, gr.zweite);
    if (f & EINSTELLUNG)
        return Gerade(b, g.GetSpalte(a.xSpalte), g.GetSpalte(a.ySpalte));
    if (a.haeufigkeit)
        return Verteilungskurve(b, g.GetSpalte(a.xSpalte), g.GetSpalte(a.ySpalte));
    CDatenreihe px, py;
    Grenzwerte(g, a, gr, px, py);
    return Gerade(b, &px, &py);
}

// The texts of the fitted curve's two parameters.
void ParameterTexte(CTestBericht& b, const CAchsen& a)
{
    if (a.haeufigkeit) {
        b.m_strXTitel = (b.m_nKurven & 2) ? MuText(b.m_dParameter1) : "n. a.";
        b.m_strYTitel = (b.m_nKurven & 2) ? SigmaText(b.m_dParameter2) : "n. a.";
    } else if (!(b.m_nKurven & 1) || !std::isfinite(b.m_dParameter1) || !std::isfinite(b.m_dParameter2)) {
        b.m_strXTitel = b.m_strYTitel = "n. a.";
    } else {
        const double steigung = b.m_dParameter2;
        b.m_strXTitel = FormatDouble(b.m_dParameter1, 1) + " " + a.yWort;
        b.m_strYTitel = FormatDouble(steigung, 1 + ZusatzDezimalen(steigung, {1.0, 0.1})) + " " + a.yWort + "/" +
                        a.xWort;
    }
}

constexpr int kAusgewertet = 1; // evaluation state of built tables

// Nothing to evaluate: empty tables, a reset chart and the given state.
void Verwerfen(CTestBericht& b, int zustand)
{
    b.m_Tabelle1.Loesche();
    b.m_Tabelle2.Loesche();
    b.m_Diagramm.Zuruecksetzen();
    b.m_Ergebnis.clear();
    b.m_Gruppen.clear();
    b.m_nAuswertung = zustand;
}

CAuswertungsGrundlage Grundlage(const CTest& test, uint32_t flags, const CUmgebung& u)
{
    const CFaktoren f = Faktoren(test, flags);
    CAuswertungsGrundlage g = Massstaebe(flags, u);
    std::copy(f.stufen, f.stufen + kFaktorSpalten, g.stufen);
    g.permutationen = f.permutationen;
    g.wiederholungen = f.wiederholungen;
    return g;
}

} // namespace

int CTest::GetDiagrammNamen(std::vector<std::string>& namen, int& abweichung, int& haeufigkeit, int bericht)
{
    namen.clear();
    abweichung = 0;
    haeufigkeit = 0;
    const CTestBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    Namen(b->m_dwTestFlags, namen, abweichung, haeufigkeit);
    return 0;
}

int CTest::BerichtAuswerten(int bericht)
{
    CTestBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    if (!m_pUmgebung) {
        Verwerfen(*b, 0);
        return 2;
    }
    if (b->m_nAuswertung == 3)
        return 0;
    const uint32_t f = b->m_dwTestFlags;
    if (!(f & (LINIEN | LAENGEN))) {
        Verwerfen(*b, 3);
        return 0;
    }
    // The tables stand until the report, the test's factors or the
    // environment's scales change: a report of a million trials takes
    // seconds to evaluate, and every page, chart and printout asks for it.
    const CAuswertungsGrundlage grundlage = Grundlage(*this, f, *m_pUmgebung);
    if (b->m_nAuswertung == kAusgewertet && b->m_Grundlage == grundlage)
        return 0;
    b->m_nAuswertung = 0;
    b->m_nDiagramm = -1;
    b->m_Ergebnis.clear();
    b->m_Gruppen.clear();

    const int n = b->GetAnzahlReize();
    CDatentabelle& t = b->m_Tabelle1;
    t.SetGroesse(n, kSpalten);
    t.LoescheWerte();
    SchreibeFaktoren(t, Faktoren(*this, f), n);

    const CUmgebung& u = *m_pUmgebung;
    const CMass m{u};
    const bool linien = f & LINIEN;
    if (f & EINSTELLUNG) {
        for (int s = 0; s < n; ++s) {
            const double zeit = b->GetZeitSekunden(s);
            if (!(zeit > 0.0))
                continue;
            t.SetWert(s, 2, zeit);
            const RECT r1 = b->GetRechteck1(s), r2 = b->GetRechteck2(s);
            const RECT r3 = b->GetRechteck3(s), r4 = b->GetRechteck4(s);
            // Each measure once: a report may hold a million trials.
            const double w1 = m.w(r1), cy2 = m.cy(r2);
            if (linien) {
                const double cx1 = m.cx(r1), h2 = m.h(r2);
                SetzeEndlich(t, s, 3, u.AnteilInEinheitX(cx1));
                SetzeEndlich(t, s, 5, u.AnteilInEinheitX(w1));
                SetzeEndlich(t, s, 7, (m.cx(r4) - cx1) / w1 * 100.0);
                SetzeEndlich(t, s, 0, (m.cx(r2) - cx1) / w1 * 100.0);
                SetzeEndlich(t, s, 4, u.AnteilInEinheitY(cy2));
                SetzeEndlich(t, s, 6, u.AnteilInEinheitY(h2));
                SetzeEndlich(t, s, 8, (m.cy(r3) - cy2) / h2 * 100.0);
                SetzeEndlich(t, s, 1, (m.cy(r1) - cy2) / h2 * 100.0);
            } else {
                const double h1 = m.h(r1);
                SetzeEndlich(t, s, 3, u.AnteilInEinheitX(m.cx(r2)));
                SetzeEndlich(t, s, 5, u.AnteilInEinheitX(w1));
                SetzeEndlich(t, s, 7, 100.0 - m.w(r4) / w1 * 100.0);
                SetzeEndlich(t, s, 0, 100.0 - m.w(r2) / w1 * 100.0);
                SetzeEndlich(t, s, 4, u.AnteilInEinheitY(cy2));
                SetzeEndlich(t, s, 6, u.AnteilInEinheitY(h1));
                SetzeEndlich(t, s, 8, 100.0 - m.h(r4) / h1 * 100.0);
                SetzeEndlich(t, s, 1, 100.0 - m.h(r2) / h1 * 100.0);
            }
        }
    } else if (f & KONSTANT) {
        const int d = std::min(Faktoren(*this, f).permutationen, n);
        for (int j = 0; j < d; ++j) {
            const double c1 = b->GetZaehler1(j), c2 = b->GetZaehler2(j);
            const double c3 = b->GetZaehler3(j), c4 = b->GetZaehler4(j);
            const double hz = c1 + c2, vt = c3 + c4;
            const double antworten = hz <= 0.0 ? vt : (vt <= 0.0 ? hz : std::min(hz, vt));
            if (antworten > 0.0)
                t.SetWert(j, 2, b->GetZeitSekunden(j) / antworten);
            const RECT r1 = b->GetRechteck1(j), r2 = b->GetRechteck2(j);
            if (hz > 0.0) {
                SetzeEndlich(t, j, 3, u.AnteilInEinheitX(m.cx(linien ? r1 : r2)));
                SetzeEndlich(t, j, 5, u.AnteilInEinheitX(m.w(r1)));
                SetzeEndlich(t, j, 7,
                             linien ? (m.cx(r2) - m.cx(r1)) / m.w(r1) * 100.0 : m.w(r2) / m.w(r1) * 100.0 - 100.0);
                t.SetWert(j, 0, c2 / hz);
            }
            if (vt > 0.0) {
                SetzeEndlich(t, j, 4, u.AnteilInEinheitY(m.cy(r2)));
                SetzeEndlich(t, j, 6, u.AnteilInEinheitY(m.h(linien ? r2 : r1)));
                SetzeEndlich(t, j, 8,
                             linien ? (m.cy(r1) - m.cy(r2)) / m.h(r2) * 100.0 : m.h(r2) / m.h(r1) * 100.0 - 100.0);
                t.SetWert(j, 1, c4 / vt);
            }
        }
    }
    // The means per combination of factor levels: what the adjustment
    // method's charts show, and where every other grouping starts from.
    t.Gruppiere(b->m_Tabelle2, {9, 10, 11, 12, 13, 14, 15}, {});
    b->m_Grundlage = grundlage;
    b->m_nAuswertung = kAusgewertet;
    return 0;
}

int CTest::GetErgebnisText(std::string& zeit, std::string& horiz1, std::string& horiz2, std::string& vert1,
                           std::string& vert2, int bericht)
{
    zeit = horiz1 = horiz2 = vert1 = vert2 = "---";
    int r = 0;
    CTestBericht* b = AusgewerteterBericht(*this, bericht, r);
    if (!b)
        return r;
    if (!(b->m_dwTestFlags & (LINIEN | LAENGEN)))
        return 0;
    if (b->m_Ergebnis.size() != 5)
        b->m_Ergebnis = Ergebnistexte(*b);
    zeit = b->m_Ergebnis[0];
    horiz1 = b->m_Ergebnis[1];
    horiz2 = b->m_Ergebnis[2];
    vert1 = b->m_Ergebnis[3];
    vert2 = b->m_Ergebnis[4];
    return 0;
}

int CTest::DiagrammErstellen(int diagramm, int bericht)
{
    int r = 0;
    CTestBericht* b = AusgewerteterBericht(*this, bericht, r);
    if (!b)
        return r;
    CDiagramm& d = b->m_Diagramm;
    if (!m_pUmgebung) {
        d.Zuruecksetzen();
        b->m_nDiagramm = -1;
        return 2;
    }
    const uint32_t f = b->m_dwTestFlags;

    std::vector<std::string> namen;
    int nAbw = 0, nHfgk = 0;
    GetDiagrammNamen(namen, nAbw, nHfgk, bericht);
    if (diagramm < 0 || diagramm >= nAbw + nHfgk) {
        d.Zuruecksetzen();
        b->m_nDiagramm = -1;
        return 3;
    }

    // The axes, worked out first so that a chart built under another unit
    // or other decimals is found stale.
    const CAchsen a = Achsen(WaehleArt(f, diagramm), f, *m_pUmgebung);
    if (b->m_nDiagramm == diagramm && XAchseAktuell(d, a.xMin, a.xMax, 5, a.xEinheit, a.xDez))
        return 0;

    if (!(f & (LINIEN | LAENGEN))) {
        d.Zuruecksetzen();
        b->m_nDiagramm = diagramm;
        return 0;
    }

    d.SetAnzahlReihen(1);
    d.DatenAbschliessen();
    b->m_nKurven = KurveAnpassen(*b, a, f);
    d.SetTitel("", AchsenName(namen[diagramm]), a.xEinheit, "", a.yEinheit);
    d.SetXBereich(a.xMin, a.xMax, 5, a.xDez);
    d.SetYBereich(a.yMin, a.yMax, 5, a.yDez);
    ParameterTexte(*b, a);
    b->m_nDiagramm = diagramm;
    return 0;
}

int CTest::GetAchsentitel(int diagramm, std::string& text1, std::string& text2, int bericht)
{
    const int r = DiagrammErstellen(diagramm, bericht);
    const CTestBericht* b = GetBericht(bericht);
    if (r != 0 || !b) {
        text1 = text2 = "---";
        return r;
    }
    text1 = b->m_strXTitel;
    text2 = b->m_strYTitel;
    return 0;
}

int CTest::DiagrammZeichnen(int diagramm, CDC* dc, RECT rechteck, CFont* schrift, int bericht)
{
    const int r = DiagrammErstellen(diagramm, bericht);
    if (r != 0)
        return r;
    CTestBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    CDiagramm& d = b->m_Diagramm;
    d.ZeichneMitReihen(dc, rechteck, schrift);
    if (b->m_nKurven & 1)
        d.ZeichneGerade(dc, 1, b->m_dParameter1, b->m_dParameter2);
    if (b->m_nKurven & 2)
        d.ZeichneVerteilungskurve(dc, 1, b->m_dParameter1, b->m_dParameter2, 1);
    return 0;
}
