#include "app/trainingsansicht.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/befehle.h"
#include "app/darbietung.h"
#include "app/kindrahmen.h"
#include "app/lmtrainingdoc.h"
#include "model/aufgabenbits.h"
#include "model/training.h"
#include "platform/pfad.h"
#include "platform/draw/dc.h"
#include "workplace/benutzerprofil.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

using enum CZeile::Art;

// Settings page, controls 1 to 27 (then the background box).
const CZeile kAngaben[] = {
    {G, "Vordergrundaufgabe", 5, 5, 305, 428},
    {L, "Aufgabengruppe", 15, 23, 125, 38},
    {T, "", 125, 21, 295, 39},
    {L, "Aufgabenart", 15, 44, 125, 59},
    {T, "", 125, 42, 295, 60},
    {L, "Vordergundfarbe", 15, 107, 235, 122},
    {L, "Anzahl Zeichen/Durchgänge", 15, 128, 235, 143},
    {Z, "", 235, 126, 295, 144},
    {L, "Zielzeichen", 15, 149, 165, 164},
    {T, "", 165, 147, 295, 165},
    {L, "Auswahl", 25, 170, 235, 185},
    {Z, "", 235, 168, 295, 186},
    {L, "Distraktorzeichen", 15, 191, 165, 206},
    {T, "", 165, 189, 295, 207},
    {L, "Auswahl", 25, 212, 235, 227},
    {Z, "", 235, 210, 295, 228},
    {L, "Starttaste", 15, 275, 205, 290},
    {T, "", 205, 273, 295, 291},
    {L, "Reaktionstaste", 15, 296, 205, 311},
    {T, "", 205, 294, 295, 312},
    {L, "Endtaste", 15, 317, 205, 332},
    {T, "", 205, 315, 295, 333},
    {L, "Weitere Tasten", 15, 338, 295, 353},
    {L, "Richtig", 25, 359, 65, 374},
    {T, "", 65, 357, 155, 375},
    {L, "Falsch", 165, 359, 205, 374},
    {T, "", 205, 357, 295, 375},
    // 28 to 46: the background box
};

// Report page, controls 47 to 66, then the shared boxes and the distribution box.
const CZeile kBericht[] = {
    {G, "Vordergrundaufgabe", 5, 5, 305, 198},
    {L, "Falscher Alarm", 15, 23, 165, 38},
    {Z, "", 165, 21, 225, 39},
    {L, "Korrekte Reaktionen", 15, 44, 165, 59},
    {Z, "", 165, 42, 225, 60},
    {Z, "", 235, 42, 295, 60},
    {L, "Richtige Antworten", 25, 65, 165, 80},
    {Z, "", 165, 63, 225, 81},
    {Z, "", 235, 63, 295, 81},
    {L, "Falsche Antworten", 25, 86, 165, 101},
    {Z, "", 165, 84, 225, 102},
    {Z, "", 235, 84, 295, 102},
    {L, "Mittl. Reaktionszeit (korrekte Reaktionen)", 15, 107, 235, 122},
    {Z, "", 235, 105, 295, 123},
    {L, "Verteilungskoeffizienten (RZ der korrekten Reaktionen)", 15, 133, 295, 148},
    {A, "", 25, 150, 295, 250},
    {L, "Ordinate", 25, 175, 95, 190},
    {Z, "", 95, 173, 155, 191},
    {L, "Steigung", 165, 175, 235, 190},
    {Z, "", 235, 173, 295, 191},
    // 67 to 84: the presentation and background boxes
};

const CZeile kVerteilungsbox[] = {
    {G, "Reaktionszeitverteilung der Vordergrundaufgabe", 5, 198, 610, 428},
    {C, "nicht aktiv", 15, 307, 595, 325},
};

// Control numbers the fills write.
enum : int {
    kAufgabengruppe = 3,
    kAufgabenart = 5,
    kAnzahl = 8,
    kZielsatz = 10,
    kZielauswahl = 12,
    kDistraktorsatz = 14,
    kDistraktorauswahl = 16,
    kStarttaste = 18,
    kReaktionstaste = 20,
    kEndtaste = 22,
    kRichtigText = 24,
    kTaste1 = 25,
    kFalschText = 26,
    kTaste2 = 27,
    kHGAufgabe = 30,

    kVGFalscheAlarme = 49,
    kVGKorrekt = 51,
    kVGKorrektProzent = 52,
    kRichtige = 54,
    kRichtigeProzent = 55,
    kFalsche = 57,
    kFalscheProzent = 58,
    kMittlereZeit = 60,
    kOrdinate = 64,
    kSteigung = 66,
    kDatum = 69,
    kVerteilung = 85,
};

constexpr CAnsichtsArt kTraining{
    BERICHT_TRAINING, ID_PRAESENTATION_TRAINING, "Trainingsangaben",       "Trainingsbericht", "das Training",
    ID_VG_TRAINING,   ID_TRAINING_DRUCKEN,       ID_TRAINING_SEITENANSICHT};

} // namespace

CLMTrainingView::CLMTrainingView(CLMTrainingDoc* dokument, QWidget* eltern)
    : CModellAnsicht(dokument, kTraining, eltern)
{
    setObjectName("trainingsansicht");
    CLumetraApp* app = GetLumetraApp();
    if (dokument && app)
        Binden(&app->m_Profil, &app->m_Umgebung, &dokument->GetTraining());
}

CLMTrainingView::~CLMTrainingView() = default;

void CLMTrainingView::ErzeugeSteuerelemente() { ErzeugeSeiten(kAngaben, kBericht, kVerteilungsbox); }

// ---- Model access -----------------------------------------------------------

int CLMTrainingView::Darbieten(CDarbietung& darbietung)
{
    return darbietung.TrainingDarbieten(m_pProfil, m_pUmgebung, m_pModell, this);
}

int CLMTrainingView::BerichtAnhaengen(const CDarbietung& darbietung)
{
    return m_pModell->SetBericht(BerichtAnzahl(), &darbietung.GetTrainingsBericht());
}

// ---- Settings page -------------------------------------------------------------

void CLMTrainingView::ZeigeAngaben()
{
    SeiteSichtbar(false);
    std::string t[kTaste2 + 1];
    for (std::string& s : t)
        s = "---";
    bool nurLesen[kTaste2 + 1] = {};

    const int code = m_pModell->GetAufgabenart();
    SetzeText(kAufgabengruppe, m_pModell->GetAufgabenartName());
    SetzeText(kRichtigText, code == AUFGABENART_TEXT ? "Vor" : "Richtig");
    SetzeText(kFalschText, code == AUFGABENART_TEXT ? "Zurück" : "Falsch");

    static const CReizkatalog leer;
    const CReizkatalog& katalog = m_pUmgebung ? m_pUmgebung->m_Reizkatalog : leer;
    // Set name and selection of a stimulus set; false when the index is
    // outside the catalogue.
    auto satz = [&](int index, int von, int bis, bool zweite, const char* trenner) {
        const int anzahl = zweite ? katalog.m_nAnzahlSaetze2 : katalog.m_nAnzahlSaetze;
        const std::vector<std::string>& namen = zweite ? katalog.m_SatzNamen2 : katalog.m_SatzNamen;
        if (index < 0 || index >= anzahl || index >= static_cast<int>(namen.size()))
            return false;
        const int feld = zweite ? kDistraktorsatz : kZielsatz;
        t[feld] = namen[index];
        t[feld + 2] = FormatInt(von) + trenner + FormatInt(bis);
        return true;
    };

    // Fields that no task code uses stay "---" and read-only.
    for (int f : {kAufgabenart, kAnzahl, kZielsatz, kZielauswahl, kDistraktorsatz, kDistraktorauswahl, kStarttaste,
                  kReaktionstaste, kEndtaste, kTaste1, kTaste2})
        nurLesen[f] = true;
    switch (code) {
    case AUFGABENART_SAKKADEN: {
        CSakkaden s = m_pModell->GetSakkaden();
        t[kAufgabenart] = s.GetModusName();
        t[kAnzahl] = FormatInt(s.m_nDurchgaenge);
        satz(s.m_nZielliste, s.m_nZielVon, s.m_nZielBis, false, " .. ");
        if (s.m_nDurchgangsstart == 1)
            t[kStarttaste] = Tastenname(s.m_nStarttaste, "Eingabetaste");
        if (s.m_nDurchgangsende == 1)
            t[kReaktionstaste] = Tastenname(s.m_nReaktionstaste, "Leertaste");
        if (s.m_nRueckmeldung == 1) {
            t[kTaste1] = Tastenname(s.m_nTasteRichtig, "<+>");
            t[kTaste2] = Tastenname(s.m_nTasteFalsch, "<->");
        }
        for (int f : {kAufgabenart, kAnzahl, kZielsatz, kZielauswahl})
            nurLesen[f] = false;
        nurLesen[kStarttaste] = s.m_nDurchgangsstart != 1;
        nurLesen[kReaktionstaste] = s.m_nDurchgangsende != 1;
        nurLesen[kTaste1] = nurLesen[kTaste2] = s.m_nRueckmeldung != 1;
        break;
    }
    case AUFGABENART_EXPLORATION: {
        CExploration e = m_pModell->GetExploration();
        t[kAufgabenart] = e.GetStrategieName();
        t[kAnzahl] = e.m_nAnordnung < 1 ? FormatInt(e.m_nZeilen) + " x " + FormatInt(e.m_nSpalten)
                                        : FormatInt(e.m_nAnzahl);
        // A stimulus field applies exactly when it shows a set.
        const bool ziel = e.m_nStrategie != 50 && satz(e.m_nZielliste, e.m_nZielVon, e.m_nZielBis, false, "..");
        const bool distraktor = e.m_nStrategie >= 20 &&
                                satz(e.m_nDistraktorliste, e.m_nDistraktorVon, e.m_nDistraktorBis, true, "..");
        t[kEndtaste] = "Eingabetaste";
        nurLesen[kAufgabenart] = nurLesen[kAnzahl] = nurLesen[kEndtaste] = false;
        nurLesen[kZielsatz] = nurLesen[kZielauswahl] = !ziel;
        nurLesen[kDistraktorsatz] = nurLesen[kDistraktorauswahl] = !distraktor;
        break;
    }
    case AUFGABENART_TEXT: {
        CText x = m_pModell->GetText();
        t[kAufgabenart] = pfad::Anzeige(x.GetBeschreibung());
        t[kEndtaste] = "Eingabetaste";
        t[kTaste1] = Tastenname(x.m_nTasteVor, "<+>");
        t[kTaste2] = Tastenname(x.m_nTasteZurueck, "<->");
        for (int f : {kAufgabenart, kEndtaste, kTaste1, kTaste2})
            nurLesen[f] = false;
        break;
    }
    case AUFGABENART_SONSTIGES: {
        CSonstiges s = m_pModell->GetSonstiges();
        t[kAufgabenart] = pfad::Anzeige(s.GetBeschreibung());
        t[kEndtaste] = "Eingabetaste";
        nurLesen[kAufgabenart] = nurLesen[kEndtaste] = false;
        break;
    }
    default:
        // Only the end key applies to a task without a table of its own.
        nurLesen[kEndtaste] = false;
        break;
    }

    for (int f = kAufgabenart; f <= kTaste2; ++f) {
        if (qobject_cast<QLineEdit*>(Steuerelement(f)) == nullptr)
            continue;
        SetzeText(f, t[f]);
        SetzeNurLesen(f, nurLesen[f]);
    }
    ZeigeHintergrundAngaben(kHGAufgabe, m_pModell->GetHGAufgabe(), m_pModell->GetHGMuster(),
                            m_pModell->GetHGBewegung());
}

// ---- Report page --------------------------------------------------------------------

void CLMTrainingView::ZeigeBericht()
{
    SeiteSichtbar(true);
    const int k = BerichtNr() - 1;
    const CTrainingsBericht* b = m_pModell->GetBericht(k);
    static const int kWerte[] = {kVGFalscheAlarme, kVGKorrekt,      kVGKorrektProzent, kRichtige, kRichtigeProzent,
                                 kFalsche,         kFalscheProzent, kMittlereZeit,     kOrdinate, kSteigung};
    if (!b) {
        for (int f : kWerte) {
            SetzeText(f, "---");
            SetzeNurLesen(f, true);
        }
        ZeigeDarbietungsBericht(kDatum, nullptr);
        m_pNichtAktiv->show();
        return;
    }
    m_pModell->BerichtAuswerten(k);
    const uint32_t flags = b->m_dwAufgabenFlags;

    CDarbietungsWerte w;
    w.tag = b->m_nTag;
    w.uhrzeit = b->m_nUhrzeit;
    w.laufzeit = b->m_dLaufzeit;
    w.flags = flags;
    w.standardTempo = b->m_dStandardGeschwindigkeit;
    w.zielTempo = b->m_dZielGeschwindigkeit;
    w.korrekt = b->GetKorrekteReaktionen();
    w.falscheAlarme = b->GetFalscheAlarme();
    w.dauerSekunden = b->GetDauerSekunden();
    ZeigeDarbietungsBericht(kDatum, &w);

    // Foreground task.
    const bool vg = flags & aufgabe::ZIELE;
    const bool statistik = vg && (flags & (aufgabe::REAKTIONSTASTE | aufgabe::RUECKMELDUNG));
    const bool antworten = vg && (flags & (aufgabe::RUECKMELDUNG | aufgabe::ZWEITE_ANTWORT));
    const bool prozente = vg && ((flags & aufgabe::RUECKMELDUNG) ||
                                 ((flags & aufgabe::REAKTIONSTASTE) && (flags & aufgabe::ZWEITE_ANTWORT)));
    const int werte = b->m_Tabelle.GetAnzahlWerte(2);
    if (statistik) {
        const int a = b->SummeZaehler1();
        std::string mittel;
        m_pModell->GetErgebnisText(mittel, k);
        SetzeText(kVGFalscheAlarme, FormatInt(a));
        SetzeText(kVGKorrekt, FormatInt(werte));
        SetzeText(kVGKorrektProzent, ProzentText(werte, static_cast<double>(a) + werte));
        SetzeText(kMittlereZeit, mittel);
    } else {
        for (int f : {kVGFalscheAlarme, kVGKorrekt, kVGKorrektProzent, kMittlereZeit})
            SetzeText(f, "---");
    }
    const int richtige = b->AnzahlNurZaehler3();
    const int falsche = b->AnzahlMitZaehler2();
    SetzeText(kRichtige, antworten ? FormatInt(richtige) : "---");
    SetzeText(kFalsche, antworten ? FormatInt(falsche) : "---");
    const int dargeboten = b->AnzahlDargeboten();
    SetzeText(kRichtigeProzent, prozente ? ProzentText(richtige, dargeboten) : "---");
    SetzeText(kFalscheProzent, prozente ? ProzentText(falsche, dargeboten) : "---");
    for (int f : {kVGFalscheAlarme, kVGKorrekt, kVGKorrektProzent, kMittlereZeit})
        SetzeNurLesen(f, !statistik);
    SetzeNurLesen(kRichtige, !antworten);
    SetzeNurLesen(kFalsche, !antworten);
    SetzeNurLesen(kRichtigeProzent, !prozente);
    SetzeNurLesen(kFalscheProzent, !prozente);

    // Distribution.
    std::vector<std::string> namen;
    int c1 = 0, c2 = 0;
    m_pModell->GetDiagrammNamen(namen, c1, c2, k);
    const int wahl = Diagrammwahl();
    const bool benannt = wahl >= 1 && wahl <= c1 + c2 && wahl <= static_cast<int>(namen.size());
    SetzeText(kVerteilung, benannt ? namen[wahl - 1] : "Verteilung der Vordergrundaufgabe");
    if (statistik) {
        std::string abschnitt, steigung;
        m_pModell->GetSteigungText(wahl - 1, abschnitt, steigung, k);
        SetzeText(kOrdinate, abschnitt);
        SetzeText(kSteigung, steigung);
        m_pNichtAktiv->hide();
    } else {
        SetzeText(kOrdinate, "---");
        SetzeText(kSteigung, "---");
        m_pNichtAktiv->show();
    }
    SetzeNurLesen(kOrdinate, !statistik);
    SetzeNurLesen(kSteigung, !statistik);
    update();
}

// ---- Painting ----------------------------------------------------------------------

void CLMTrainingView::ZeichneFarben(CDC* dc)
{
    const CFarben f = m_pModell->GetFarben();
    ZeichneFarbfelder(dc, {{RECT{235, 107, 295, 122}, f.m_crVordergrund}}, f);
}
