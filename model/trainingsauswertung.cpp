// Evaluation of a training report: reaction times by stimulus position, the
// result text, the charts with their fitted lines.

#include <cmath>

#include "model/aufgabenbits.h"
#include "model/auswertung.h"
#include "model/training.h"
#include "workplace/formatierung.h"
#include "workplace/geometrie.h"
#include "workplace/statistik.h"
#include "workplace/umgebung.h"

namespace {

bool HatReaktionen(const CTrainingsBericht& b)
{
    return (b.m_dwAufgabenFlags & aufgabe::ZIELE) &&
           (b.m_dwAufgabenFlags & (aufgabe::REAKTIONSTASTE | aufgabe::RUECKMELDUNG));
}

void KopiereWert(const CDatentabelle& quelle, int qZeile, int qSpalte, CDatentabelle& ziel, int zZeile, int zSpalte)
{
    double v = 0.0;
    const int status = quelle.GetWert(qZeile, qSpalte, &v);
    ziel.SetWertStatus(zZeile, zSpalte, v, status);
}

struct CXAchse {
    double min = 0.0, max = 0.0;
    int ticks = 2;
    std::string einheit;
    int dezimalen = 0;
};

// x range from the span of the grid's first and last place.
CXAchse XAchse(const CTrainingsBericht& b, CUmgebung& u, int p)
{
    CDRechteck r;
    const RECT& px = b.m_rcPositionen;
    r.SetPixelRechteck(px.left, px.top, px.right, px.bottom, &u);
    CXAchse a;
    double rand;
    if (p == 0) {
        a.min = u.AnteilInEinheitX(r.left);
        a.max = u.AnteilInEinheitX(r.right);
        a.ticks = b.m_nRasterSpalten;
        rand = u.AnteilInEinheitX(0.01);
    } else {
        a.min = u.AnteilInEinheitY(r.bottom);
        a.max = u.AnteilInEinheitY(r.top);
        a.ticks = b.m_nRasterZeilen;
        rand = u.AnteilInEinheitY(0.01);
    }
    if (!(a.min < a.max)) {
        const double mitte = (a.min + a.max) / 2.0;
        a.min = mitte - rand;
        a.max = mitte + rand;
    }
    if (a.ticks < 2)
        a.ticks = 2;
    a.einheit = "[" + u.GetEinheitText() + "]";
    a.dezimalen = u.GetDezimalstellen();
    return a;
}

constexpr int kAusgewertet = 1; // evaluation state of built tables

// Nothing to evaluate: empty tables, a reset chart and the given state.
void Verwerfen(CTrainingsBericht& b, int zustand)
{
    b.m_Tabelle.Loesche();
    b.m_Gruppentabelle.Loesche();
    b.m_Diagramm.Zuruecksetzen();
    b.m_nAuswertung = zustand;
}

} // namespace

int CTraining::GetDiagrammNamen(std::vector<std::string>& namen, int& anzahl, int& anzahl2, int bericht)
{
    namen.clear();
    anzahl = 0;
    anzahl2 = 0;
    const CTrainingsBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    if (HatReaktionen(*b)) {
        if (m_Sakkaden.m_nSpalten > 1)
            namen.push_back("Reaktonszeit / Horiz. Zeichenposition");
        if (m_Sakkaden.m_nZeilen >= 2)
            namen.push_back("Reaktonszeit / Vert. Zeichenposition");
    }
    anzahl = static_cast<int>(namen.size());
    return 0;
}

int CTraining::BerichtAuswerten(int bericht)
{
    CTrainingsBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    if (!m_pUmgebung) {
        Verwerfen(*b, 0);
        return 2;
    }
    if ((b->m_nAuswertung & 3) == 3)
        return 0;
    if (!HatReaktionen(*b)) {
        Verwerfen(*b, 3);
        return 0;
    }
    // The tables stand until the report, its flags or the environment's
    // scales change: the page, its charts and the printout all ask for them.
    const CAuswertungsGrundlage grundlage = Massstaebe(b->m_dwAufgabenFlags, *m_pUmgebung);
    if (b->m_nAuswertung == kAusgewertet && b->m_Grundlage == grundlage)
        return 0;
    b->m_nAuswertung = 0;
    b->m_nDiagramm = -1;

    int n = 0;
    for (int i = 0; i < b->GetAnzahlReize(); ++i)
        if (b->GetMarke(i) != 0)
            ++n;
    CDatentabelle& t = b->m_Tabelle;
    t.SetGroesse(n, 6);
    t.LoescheWerte();
    int zeile = 0;
    for (int i = 0; i < b->GetAnzahlReize(); ++i) {
        if (b->GetMarke(i) == 0)
            continue;
        const POINT px = b->GetPunkt(i);
        CDPunkt p;
        p.SetPixelPunkt(px.x, px.y, m_pUmgebung);
        SetzeEndlich(t, zeile, 0, m_pUmgebung->AnteilInEinheitX(p.x));
        SetzeEndlich(t, zeile, 1, m_pUmgebung->AnteilInEinheitY(p.y));
        t.SetWert(zeile, 2, b->GetZeitSekunden(i));
        t.SetWert(zeile, 3, 1.0);
        if (b->GetZaehler2(i) != 0)
            t.SetWert(zeile, 5, 1.0);
        else if (b->GetZaehler3(i) != 0)
            t.SetWert(zeile, 4, 1.0);
        ++zeile;
    }
    t.Gruppiere(b->m_Gruppentabelle, {0, 1}, {});
    b->m_Grundlage = grundlage;
    b->m_nAuswertung = kAusgewertet;
    return 0;
}

int CTraining::GetErgebnisText(std::string& text, int bericht)
{
    text = "---";
    int r = 0;
    CTrainingsBericht* b = AusgewerteterBericht(*this, bericht, r);
    if (!b)
        return r;
    if (b->m_Gruppentabelle.GetAnzahlWerte(2) > 0) {
        // Column 3 is 1.0 everywhere: one group, the mean over the positions.
        CDatentabelle gesamt;
        b->m_Gruppentabelle.Gruppiere(gesamt, {3}, {1, 0});
        text = MittelText(gesamt, 2, 3, " s");
    }
    return 0;
}

int CTraining::DiagrammErstellen(int diagramm, int bericht)
{
    int r = 0;
    CTrainingsBericht* b = AusgewerteterBericht(*this, bericht, r);
    if (!b)
        return r;

    int p;
    if (m_Sakkaden.m_nSpalten > 1 && diagramm == 0)
        p = 0;
    else if (m_Sakkaden.m_nZeilen > 1 && (diagramm == 1 || (diagramm == 0 && m_Sakkaden.m_nSpalten < 2)))
        p = 1;
    else {
        b->m_nDiagramm = -1;
        return 2;
    }
    CDiagramm& d = b->m_Diagramm;
    const CXAchse achse = XAchse(*b, *m_pUmgebung, p);
    if (b->m_nDiagramm == diagramm &&
        XAchseAktuell(d, achse.min, achse.max, achse.ticks, achse.einheit, achse.dezimalen))
        return 0;

    // Reactions judged correct (A) and wrong (B) by the training leader.
    const CDatentabelle& t = b->m_Tabelle;
    const int zeilen = t.GetAnzahlZeilen();
    CDatentabelle richtig, falsch;
    richtig.SetGroesse(zeilen, 2);
    richtig.LoescheWerte();
    falsch.SetGroesse(zeilen, 2);
    falsch.LoescheWerte();
    for (int z = 0; z < zeilen; ++z) {
        double pos = 0.0, zeit = 0.0;
        if (t.GetWert(z, p, &pos) == 0 || t.GetWert(z, 2, &zeit) == 0)
            continue;
        CDatentabelle* ziel = t.GetWertDouble(z, 5) > 0.5 ? &falsch
                                                          : (t.GetWertDouble(z, 4) > 0.5 ? &richtig : nullptr);
        if (ziel) {
            KopiereWert(t, z, p, *ziel, z, 0);
            KopiereWert(t, z, 2, *ziel, z, 1);
        }
    }
    CDatentabelle g[3];
    t.Gruppiere(g[0], {p}, {});
    richtig.Gruppiere(g[1], {0}, {});
    falsch.Gruppiere(g[2], {0}, {});

    const int xSpalte[3] = {p, 0, 0};
    const int ySpalte[3] = {2, 1, 1};
    b->m_nGeraden = 0;
    for (int k = 0; k < 3; ++k) {
        if (LineareRegression(g[k].GetSpalte(xSpalte[k]), g[k].GetSpalte(ySpalte[k]), &b->m_dAchsenabschnitt[k],
                              &b->m_dSteigung[k]) == 0)
            b->m_nGeraden |= 1 << k;
    }

    // Chart table: single reactions first, then the three mean series.
    CDatentabelle c;
    c.SetGroesse(zeilen + g[0].GetAnzahlZeilen() + g[1].GetAnzahlZeilen() + g[2].GetAnzahlZeilen(), 7);
    c.LoescheWerte();
    for (int z = 0; z < zeilen; ++z) {
        KopiereWert(t, z, p, c, z, 0);
        const int spalte = t.GetWertDouble(z, 5) > 0.5 ? 6 : (t.GetWertDouble(z, 4) > 0.5 ? 5 : 4);
        KopiereWert(t, z, 2, c, z, spalte);
    }
    int zeile = zeilen;
    for (int k = 0; k < 3; ++k) {
        for (int z = 0; z < g[k].GetAnzahlZeilen(); ++z, ++zeile) {
            KopiereWert(g[k], z, xSpalte[k], c, zeile, 0);
            KopiereWert(g[k], z, ySpalte[k], c, zeile, k + 1);
        }
    }

    static const COLORREF farben[6] = {0x000000, 0xFF0000, 0x0000FF, 0x000000, 0xFF0000, 0x0000FF};
    d.SetAnzahlReihen(6);
    d.DatenAbschliessen();
    d.SetXDaten(c.GetSpalte(0));
    for (int i = 1; i <= 6; ++i) {
        d.SetDaten(i, c.GetSpalte(i));
        d.SetReihenFarbe(i, farben[i - 1]);
        d.SetReihenStil(i, i <= 3 ? 1 : 2);
    }

    std::vector<std::string> namen;
    int anzahl = 0, anzahl2 = 0;
    GetDiagrammNamen(namen, anzahl, anzahl2, bericht);
    const std::string xName = diagramm >= 0 && diagramm < anzahl ? AchsenName(namen[diagramm]) : std::string();
    d.SetTitel("", xName, achse.einheit, "", "[s]");
    d.SetXBereich(achse.min, achse.max, achse.ticks, achse.dezimalen);

    // The y range doubles from 1 s until the slowest reaction fits.
    double groesste = 0.0, kleinste = 0.0, spanne = 0.0;
    if (t.GetSpalte(2) == nullptr || t.GetSpalte(2)->GetMinMax(&groesste, &kleinste, &spanne) == 0 || groesste <= 0.0)
        groesste = 0.001;
    double y = 1.0;
    while (y < groesste && std::isfinite(y))
        y *= 2.0;
    d.SetYBereich(0.0, y, 5, 2);

    b->m_nDiagramm = diagramm;
    return 0;
}

int CTraining::GetSteigungText(int diagramm, std::string& abschnitt, std::string& steigung, int bericht)
{
    abschnitt = "---";
    steigung = "---";
    const int r = DiagrammErstellen(diagramm, bericht);
    if (r != 0)
        return r;
    const CTrainingsBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    if (!(b->m_nGeraden & 1) || !std::isfinite(b->m_dSteigung[0]) || !std::isfinite(b->m_dAchsenabschnitt[0])) {
        abschnitt = "n. a.";
        steigung = "n. a.";
        return 0;
    }
    const double v = b->m_dSteigung[0] * 1000.0; // ms per unit
    steigung = FormatDouble(v, ZusatzDezimalen(v, {10.0, 1.0, 0.1})) + " ms/" + m_pUmgebung->GetEinheitText();
    abschnitt = FormatDouble(b->m_dAchsenabschnitt[0], 3) + " s";
    return 0;
}

int CTraining::DiagrammZeichnen(int diagramm, CDC* dc, RECT rechteck, CFont* schrift, int bericht)
{
    const int r = DiagrammErstellen(diagramm, bericht);
    if (r != 0)
        return r;
    CTrainingsBericht* b = GetBericht(bericht);
    if (!b)
        return 1;
    CDiagramm& d = b->m_Diagramm;
    d.ZeichneMitReihen(dc, rechteck, schrift);
    for (int k = 2; k >= 0; --k)
        if (b->m_nGeraden & (1 << k))
            d.ZeichneGerade(dc, k + 1, b->m_dAchsenabschnitt[k], b->m_dSteigung[k]);
    return 0;
}
