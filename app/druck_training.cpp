#include "app/druck_training.h"

#include <algorithm>

#include "model/aufgabenbits.h"
#include "model/training.h"
#include "platform/pfad.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

CTrainingsDruck::CTrainingsDruck(CTraining* training, CUmgebung* umgebung)
    : CDruckrahmen(umgebung), m_pTraining(training)
{
}

int CTrainingsDruck::BerichtAnzahl() const { return m_pTraining ? m_pTraining->GetBerichtAnzahl() : 0; }

std::string CTrainingsDruck::Dateipfad() const { return m_pTraining ? m_pTraining->m_strPfad : std::string(); }

int CTrainingsDruck::GezeigteSeite() const { return m_pTraining ? m_pTraining->m_nSeite : 1; }

int CTrainingsDruck::DiagrammZeichnen(int diagramm, CDC* dc, RECT r, CFont* schrift, int bericht)
{
    return m_pTraining->DiagrammZeichnen(diagramm, dc, r, schrift, bericht);
}

// ---- Settings page ------------------------------------------------------------

std::vector<std::string> CTrainingsDruck::Satz(const std::vector<std::string>& namen, int anzahl, int satz, int von,
                                               int bis, const char* trenner)
{
    if (satz < 0 || satz >= anzahl || satz >= static_cast<int>(namen.size()))
        return {"---", "---"};
    return {namen[satz], FormatInt(von) + trenner + FormatInt(bis)};
}

std::vector<std::string> CTrainingsDruck::Vordergrundwerte() const
{
    const CTraining& t = *m_pTraining;
    const CReizkatalog& katalog = m_pUmgebung->m_Reizkatalog;
    // Rows: group, kind, colour, count, target set and range, distractor set
    // and range, start, reaction, end, (further keys), correct or forward,
    // wrong or back.
    std::vector<std::string> w(14, "---");
    w[0] = t.GetAufgabenartName();
    w[2] = FormatFarbe(t.GetFarben().m_crVordergrund);
    w[11].clear();
    auto setzeSatz = [&](int zeile, const std::vector<std::string>& satz) {
        w[zeile] = satz[0];
        w[zeile + 1] = satz[1];
    };
    switch (t.GetAufgabenart()) {
    case AUFGABENART_SAKKADEN: {
        CSakkaden s = t.GetSakkaden();
        w[1] = s.GetModusName();
        w[3] = FormatInt(s.m_nDurchgaenge);
        setzeSatz(
            4, Satz(katalog.m_SatzNamen, katalog.m_nAnzahlSaetze, s.m_nZielliste, s.m_nZielVon, s.m_nZielBis, " .. "));
        if (s.m_nDurchgangsstart == 1)
            w[8] = Tastenname(s.m_nStarttaste, "Eingabetaste");
        if (s.m_nDurchgangsende == 1)
            w[9] = Tastenname(s.m_nReaktionstaste, "Leertaste");
        if (s.m_nRueckmeldung == 1) {
            w[12] = Tastenname(s.m_nTasteRichtig, "<+>");
            w[13] = Tastenname(s.m_nTasteFalsch, "<->");
        }
        break;
    }
    case AUFGABENART_EXPLORATION: {
        CExploration e = t.GetExploration();
        const int strategie = e.m_nStrategie;
        w[1] = e.GetStrategieName();
        w[3] = e.m_nAnordnung < 1 ? FormatInt(e.m_nZeilen) + " x " + FormatInt(e.m_nSpalten) : FormatInt(e.m_nAnzahl);
        if (strategie != 50)
            setzeSatz(4, Satz(katalog.m_SatzNamen, katalog.m_nAnzahlSaetze, e.m_nZielliste, e.m_nZielVon, e.m_nZielBis,
                              ".."));
        if (strategie >= 20)
            setzeSatz(6, Satz(katalog.m_SatzNamen2, katalog.m_nAnzahlSaetze2, e.m_nDistraktorliste, e.m_nDistraktorVon,
                              e.m_nDistraktorBis, ".."));
        w[10] = "Eingabetaste";
        break;
    }
    case AUFGABENART_TEXT: {
        CText text = t.GetText();
        w[1] = pfad::Anzeige(text.GetBeschreibung());
        w[10] = "Eingabetaste";
        w[12] = Tastenname(text.m_nTasteVor, "<+>");
        w[13] = Tastenname(text.m_nTasteZurueck, "<->");
        break;
    }
    case 60:
        w[1] = pfad::Anzeige(t.GetSonstiges().GetBeschreibung());
        w[10] = "Eingabetaste";
        break;
    default: break;
    }
    return w;
}

void CTrainingsDruck::ZeichneAngaben(CDC* dc, const CDruckLayout& l)
{
    const CTraining& t = *m_pTraining;
    const bool text = t.GetAufgabenart() == AUFGABENART_TEXT;
    CAngabenseite s;
    s.titel = "Lumetra: Trainingsangaben";
    s.datei = "Trainingsdatei";
    s.ordner = "Trainingsverzeichnis";
    s.aufgabe = "Vordergrundaufgabe";
    s.zeilen = {{"Aufgabengruppe", false},
                {"Aufgabenart", false},
                {"Vordergrundfarbe (RGB)", false},
                {"Anzahl Durchgänge / Zeichen", false},
                {"Zielzeichen", false},
                {"Auswahl", true},
                {"Distraktorzeichen", false},
                {"Auswahl", true},
                {"Starttaste", false},
                {"Reaktionstaste", false},
                {"Endtaste", false},
                {"Weitere Tasten", false},
                {text ? "Vor" : "Richtig", true},
                {text ? "Zurück" : "Falsch", true}};
    s.werte = Vordergrundwerte();
    s.hgAufgabe = t.GetHGAufgabe();
    s.hgMuster = t.GetHGMuster();
    s.hgBewegung = t.GetHGBewegung();
    s.farben = t.GetFarben();
    Angabenseite(dc, l, s);
}

// ---- Report page ----------------------------------------------------------------

void CTrainingsDruck::ZeichneBericht(CDC* dc, const CDruckLayout& l, int bericht)
{
    CTrainingsBericht* b = m_pTraining->GetBericht(bericht);
    if (!b) {
        Fehler(dc, "Fehler: Konnte nicht auf die Trainingsberichte zugreifen.");
        return;
    }
    const uint32_t f = b->m_dwAufgabenFlags;
    std::vector<std::string> namen;
    int k = 0, k2 = 0;
    m_pTraining->GetDiagrammNamen(namen, k, k2, bericht);
    const int x5 = l.Spalte(500), x80 = l.Spalte(8000), x120 = l.Spalte(12000);

    Titel(dc, l, "Lumetra: Trainingsbericht");
    int y = l.oben;
    const CKopfZeilen kopf = BerichtKopfLabels(dc, l, y, "Trainingsdatei", "Trainingsverzeichnis");
    Block(dc, l, y, "Vordergrundaufgabe");
    const int vordergrund = y;
    Zeilen(dc, l.x0, y, l, {"Falscher Alarm", "Korrekte Reaktionen", "", "", "Mittl. Reaktionszeit (korr. Reak.)"});
    Zeilen(dc, x5, y - 2 * l.t, l, {"Richtige Antworten", "Falsche Antworten"});
    y -= 4 * l.t;

    int tabelle = 0, letzteZeile = y;
    if (k > 0) {
        y -= 2 * l.t;
        Text(dc, l.x0, y, "Verteilungskoeffizienten (korrekte Reaktionen ohne erste Reaktion)");
        y -= l.t;
        tabelle = Liste(dc, l, y, x5, "y-Achse / x-Achse f. Regression", "Ordinate", "Steigung", namen, 0, k);
        letzteZeile = y + l.t;
    }

    m_pTraining->BerichtAuswerten(bericht);
    std::string ergebnis;
    m_pTraining->GetErgebnisText(ergebnis, bericht);

    dc->SelectObject(&m_Fest);
    BerichtKopfWerte(dc, l, kopf, LaufVon(*b, f, b->m_dStandardGeschwindigkeit), "%");

    // Foreground: values at 80 mm on five rows, shares at 120 mm on rows 1-3.
    std::vector<std::string> werte(5, "---"), anteile = {"", "---", "---", "---", ""};
    if (f & aufgabe::ZIELE) {
        const int s1 = b->SummeZaehler1();
        const int n = b->m_Tabelle.GetAnzahlWerte(2);
        const int richtig = b->AnzahlNurZaehler3(), falsch = b->AnzahlMitZaehler2();
        if (f & (aufgabe::REAKTIONSTASTE | aufgabe::RUECKMELDUNG)) {
            werte[0] = FormatInt(s1);
            werte[1] = FormatInt(n);
            anteile[1] = DruckAnteil(n, static_cast<double>(s1) + n, "%");
            werte[4] = ergebnis;
        }
        if (f & (aufgabe::RUECKMELDUNG | aufgabe::ZWEITE_ANTWORT)) {
            werte[2] = FormatInt(richtig);
            werte[3] = FormatInt(falsch);
        }
        if ((f & aufgabe::RUECKMELDUNG) || ((f & aufgabe::REAKTIONSTASTE) && (f & aufgabe::ZWEITE_ANTWORT))) {
            const int dargeboten = b->AnzahlDargeboten();
            anteile[2] = DruckAnteil(richtig, dargeboten, "%");
            anteile[3] = DruckAnteil(falsch, dargeboten, "%");
        }
    }
    Zeilen(dc, x80, vordergrund, l, werte);
    Zeilen(dc, x120, vordergrund, l, anteile);

    for (int i = 0; i < k; ++i) {
        std::string ordinate, steigung;
        m_pTraining->GetSteigungText(i, ordinate, steigung, bericht);
        Text(dc, l.Spalte(9000), tabelle - i * l.t, ordinate);
        Text(dc, l.Spalte(13000), tabelle - i * l.t, steigung);
    }

    const int c = std::max(m_pTraining->m_nDiagrammwahl - 1, 0);
    if (k > 0 && c < k)
        Diagramm(dc, l, letzteZeile, namen[c], c, bericht);
    dc->SelectObject(&m_Schrift);
}
