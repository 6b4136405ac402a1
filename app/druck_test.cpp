#include "app/druck_test.h"

#include <algorithm>

#include "model/aufgabenbits.h"
#include "model/test.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

// What the settings page reads of either test record, keys in the order
// horizontal (left/narrower, right/wider), vertical (down/shorter,
// up/taller).
struct CTestaufgabe {
    int verfahren = 0, startmodus = 0, starttaste = 0, endtaste = 0, richtungen = 0;
    int tasten[4] = {0, 0, 0, 0};
    int permutationen = 0, wiederholungen = 0;
    std::string verfahrenName;
};

CTestaufgabe Aufgabe(CLinien r)
{
    CTestaufgabe a{
        r.m_nVerfahren,     r.m_nIntervallModus, r.m_nStartTaste,
        r.m_nEndTaste,      r.m_nOrientierung,   {r.m_nTasteLinks, r.m_nTasteRechts, r.m_nTasteUnten, r.m_nTasteOben},
        r.m_nPermutationen, r.m_nWiederholungen, {}};
    a.verfahrenName = r.GetVerfahrenName();
    return a;
}

CTestaufgabe Aufgabe(CLaengen r)
{
    CTestaufgabe a{r.m_nVerfahren,
                   r.m_nIntervallModus,
                   r.m_nStartTaste,
                   r.m_nEndTaste,
                   r.m_nOrientierung,
                   {r.m_nTasteSchmaeler, r.m_nTasteBreiter, r.m_nTasteKleiner, r.m_nTasteHoeher},
                   r.m_nPermutationen,
                   r.m_nWiederholungen,
                   {}};
    a.verfahrenName = r.GetVerfahrenName();
    return a;
}

} // namespace

CTestDruck::CTestDruck(CTest* test, CUmgebung* umgebung) : CDruckrahmen(umgebung), m_pTest(test) {}

int CTestDruck::BerichtAnzahl() const { return m_pTest ? m_pTest->GetBerichtAnzahl() : 0; }

std::string CTestDruck::Dateipfad() const { return m_pTest ? m_pTest->m_strPfad : std::string(); }

int CTestDruck::GezeigteSeite() const { return m_pTest ? m_pTest->m_nSeite : 1; }

int CTestDruck::DiagrammZeichnen(int diagramm, CDC* dc, RECT r, CFont* schrift, int bericht)
{
    return m_pTest->DiagrammZeichnen(diagramm, dc, r, schrift, bericht);
}

// ---- Settings page ------------------------------------------------------------

std::vector<std::string> CTestDruck::Testwerte() const
{
    const CTest& t = *m_pTest;
    const int art = t.GetTestart();
    std::vector<std::string> w(16, "---");
    w[0] = t.GetTestartName();
    // The rows' order is the colour dialog's: test stimulus, then example.
    w[7] = FormatFarbe(t.GetFarben().m_crVordergrund);
    w[8] = FormatFarbe(t.GetFarben().m_crBeispielreiz);
    w[11].clear();
    if (art != TESTART_LINIEN && art != TESTART_LAENGEN)
        return w;

    const CTestaufgabe a = art == TESTART_LINIEN ? Aufgabe(t.GetLinien()) : Aufgabe(t.GetLaengen());
    const CTastenliste& tasten = m_pUmgebung->m_Tastenliste;
    w[1] = a.verfahrenName;
    w[2] = FormatInt(a.permutationen) + " x " + FormatInt(a.wiederholungen);
    w[3] = t.GetBereichText1();
    w[4] = t.GetBereichText2();
    w[5] = t.GetProzentBereichText();
    w[6] = t.GetReihenfolgeText();
    if (a.startmodus == 1)
        w[9] = tasten.GetName(a.starttaste);
    if (a.verfahren == 10)
        w[10] = tasten.GetName(a.endtaste);
    if (a.richtungen == 1 || a.richtungen == 3) {
        w[12] = tasten.GetName(a.tasten[0]);
        w[13] = tasten.GetName(a.tasten[1]);
    }
    if (a.richtungen == 2 || a.richtungen == 3) {
        w[14] = tasten.GetName(a.tasten[2]);
        w[15] = tasten.GetName(a.tasten[3]);
    }
    return w;
}

void CTestDruck::ZeichneAngaben(CDC* dc, const CDruckLayout& l)
{
    const CTest& t = *m_pTest;
    const bool laengen = t.GetTestart() == TESTART_LAENGEN;
    CAngabenseite s;
    s.titel = "Lumetra: Testangaben";
    s.datei = "Testdatei";
    s.ordner = "Testverzeichnis";
    s.aufgabe = "Testaufgabe";
    s.zeilen = {{"Aufgabengruppe", false},
                {"Testart", false},
                {"Reizanzahl [Durchgänge x Wiederholungen]", false},
                {"Variation Reizposition [x][y]", false},
                {laengen ? "Variation Beispielrechteck [B][H]" : "Variation Linienlänge [B][H]", false},
                {laengen ? "Variation Testrechteck [B][H]" : "Variation Linienlage [x][y]", false},
                {"Variationsart", false},
                {laengen ? "Farbe Beispielrechteck" : "Farbe horizontale Linie", false},
                {laengen ? "Farbe Testrechteck" : "Farbe vertikale Linie", false},
                {"Starttaste", false},
                {"Endtaste", false},
                {"Weitere Tasten", false},
                {laengen ? "schmäler" : "links", true},
                {laengen ? "breiter" : "rechts", true},
                {laengen ? "kleiner" : "unten", true},
                {laengen ? "höher" : "oben", true}};
    s.werte = Testwerte();
    s.hgAufgabe = t.GetHGAufgabe();
    s.hgMuster = t.GetHGMuster();
    s.hgBewegung = t.GetHGBewegung();
    s.farben = t.GetFarben();
    Angabenseite(dc, l, s);
}

// ---- Report page ----------------------------------------------------------------

void CTestDruck::ZeichneBericht(CDC* dc, const CDruckLayout& l, int bericht)
{
    CTestBericht* b = m_pTest->GetBericht(bericht);
    if (!b) {
        Fehler(dc, "Fehler: Konnte nicht auf die Testberichte zugreifen.");
        return;
    }
    const uint32_t f = b->m_dwTestFlags;
    std::vector<std::string> namen;
    int nReg = 0, nPsy = 0;
    m_pTest->GetDiagrammNamen(namen, nReg, nPsy, bericht);
    const int x5 = l.Spalte(500), x80 = l.Spalte(8000), x120 = l.Spalte(12000);

    Titel(dc, l, "Lumetra: Testbericht");
    int y = l.oben;
    const CKopfZeilen kopf = BerichtKopfLabels(dc, l, y, "Testdatei", "Testverzeichnis");

    Block(dc, l, y, "Testaufgabe");
    const int zeit = y;
    Text(dc, l.x0, y, "Mittl. Reaktionszeit");
    y -= 2 * l.t;
    Text(dc, l.x0, y, "Abweichung gesamt");
    const char* spalten[2] = {nullptr, nullptr};
    if (f & aufgabe::KONSTANT) {
        spalten[0] = "Grenzwert";
        spalten[1] = "Sigma";
    } else if (f & aufgabe::EINSTELLUNG) {
        spalten[0] = "Mittelwert";
        spalten[1] = "Stdabw";
    }
    if (spalten[0]) {
        Text(dc, l.Spalte(10000), y, spalten[0], TA_CENTER | TA_TOP);
        Text(dc, l.Spalte(14000), y, spalten[1], TA_CENTER | TA_TOP);
    }
    Linie(dc, l, y, x80);
    const int abweichung = y;
    Zeilen(dc, x5, y, l, {"Horizontale Abweichung", "Vertikale Abweichung"});
    y -= l.t;

    int regression = 0, psychometrisch = 0, letzteZeile = y;
    if (nReg + nPsy > 0) {
        y -= 2 * l.t;
        Text(dc, l.x0, y, "Verteilungskoeffizienten (Abweichungen bzw. Antworten)");
        y -= l.t;
        if (nReg > 0)
            regression = Liste(dc, l, y, x5, "y-Achse / x-Achse f. Regression", "Ordinate", "Steigung", namen, 0, nReg);
        if (nPsy > 0)
            psychometrisch = Liste(dc, l, y, nReg > 0 ? x5 : l.x0, "y-Achse / x-Achse f. psychometr. Fkt.", "Grenzwert",
                                   "Sigma", namen, nReg, nReg + nPsy);
        letzteZeile = y + l.t;
    }

    m_pTest->BerichtAuswerten(bericht);
    std::string ergebnis[5];
    m_pTest->GetErgebnisText(ergebnis[0], ergebnis[1], ergebnis[2], ergebnis[3], ergebnis[4], bericht);

    dc->SelectObject(&m_Fest);
    BerichtKopfWerte(dc, l, kopf, LaufVon(*b, f, b->m_dHGGeschwindigkeit), " %");

    Text(dc, x80, zeit, ergebnis[0]);
    Zeilen(dc, x80, abweichung, l, {ergebnis[1], ergebnis[3]});
    Zeilen(dc, x120, abweichung, l, {ergebnis[2], ergebnis[4]});

    auto koeffizienten = [&](int erste, int zeile, int anzahl) {
        for (int i = 0; i < anzahl; ++i) {
            std::string text1, text2;
            m_pTest->GetAchsentitel(erste + i, text1, text2, bericht);
            Text(dc, l.Spalte(9000), zeile - i * l.t, text1);
            Text(dc, l.Spalte(13000), zeile - i * l.t, text2);
        }
    };
    koeffizienten(0, regression, nReg);
    koeffizienten(nReg, psychometrisch, nPsy);

    const int c = std::max(m_pTest->m_nDiagrammwahl - 1, 0);
    if (nReg > 0 && c < nReg + nPsy && c < static_cast<int>(namen.size()))
        Diagramm(dc, l, letzteZeile, namen[c], c, bericht);
    dc->SelectObject(&m_Schrift);
}
