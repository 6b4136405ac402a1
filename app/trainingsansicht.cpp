#include "app/trainingsansicht.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

#include "app/befehle.h"
#include "app/darbietung.h"
#include "app/fragedlg.h"
#include "app/kindrahmen.h"
#include "app/lmtrainingdoc.h"
#include "app/mainfrm.h"
#include "model/training.h"
#include "platform/draw/dc.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

// Kinds of controls in the page tables.
enum Art { G, L, C, T, Z, A };

struct CZeile {
    Art art;
    const char* text;
    int l, t, r, b;
};

// Settings page, controls 1 to 46.
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
    {G, "Hintergrundaufgabe", 310, 5, 610, 428},
    {L, "Aufgabenart", 320, 23, 430, 38},
    {T, "", 430, 21, 600, 39},
    {L, "Hintergrundmuster", 320, 44, 430, 59},
    {T, "", 430, 42, 600, 60},
    {L, "Hintergrundfarbe", 320, 107, 540, 122},
    {L, "Standardhintergrund", 320, 128, 600, 143},
    {L, "Musterfarbe", 330, 149, 540, 164},
    {L, "Bewegung", 330, 170, 470, 185},
    {T, "", 470, 168, 530, 186},
    {Z, "", 540, 168, 600, 186},
    {L, "Zielhintergrund", 320, 191, 600, 206},
    {L, "Musterfarbe", 330, 212, 540, 227},
    {L, "Bewegung", 330, 233, 540, 248},
    {Z, "", 540, 231, 600, 249},
    {L, "Starttaste", 320, 275, 510, 290},
    {T, "", 510, 273, 600, 291},
    {L, "Reaktionstaste", 320, 296, 510, 311},
    {T, "", 510, 294, 600, 312},
};

// Report page, controls 47 to 86.
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
    {G, "Darbietung", 310, 5, 610, 109},
    {L, "Datum / Uhrzeit", 320, 23, 470, 38},
    {Z, "", 470, 21, 530, 39},
    {Z, "", 540, 21, 600, 39},
    {L, "Gesamtdauer", 320, 44, 540, 59},
    {Z, "", 540, 42, 600, 60},
    {L, "Standardgeschwindigkeit", 320, 65, 540, 80},
    {Z, "", 540, 63, 600, 81},
    {L, "Zielgeschwindigkeit", 320, 86, 540, 101},
    {Z, "", 540, 84, 600, 102},
    {G, "Hintergrundaufgabe", 310, 114, 610, 198},
    {L, "Falscher Alarm", 320, 133, 470, 148},
    {Z, "", 470, 131, 530, 149},
    {L, "Korrekte Reaktionen", 320, 154, 470, 169},
    {Z, "", 470, 152, 530, 170},
    {Z, "", 540, 152, 600, 170},
    {L, "Mittl. Reaktionszeit", 320, 175, 540, 190},
    {Z, "", 540, 173, 600, 191},
    {G, "Reaktionszeitverteilung der Vordergrundaufgabe", 5, 198, 610, 428},
    {C, "nicht aktiv", 15, 307, 595, 325},
};

// Control numbers the fills write.
enum : int {
    kAufgabengruppe = 3, kAufgabenart = 5, kAnzahl = 8, kZielsatz = 10, kZielauswahl = 12,
    kDistraktorsatz = 14, kDistraktorauswahl = 16, kStarttaste = 18, kReaktionstaste = 20,
    kEndtaste = 22, kRichtigText = 24, kTaste1 = 25, kFalschText = 26, kTaste2 = 27,
    kHGAufgabe = 30, kHGMuster = 32, kRichtung = 37, kGeschwindigkeit = 38,
    kZielgeschwindigkeit = 42, kHGStarttaste = 44, kHGReaktionstaste = 46,

    kVGFalscheAlarme = 49, kVGKorrekt = 51, kVGKorrektProzent = 52, kRichtige = 54,
    kRichtigeProzent = 55, kFalsche = 57, kFalscheProzent = 58, kMittlereZeit = 60,
    kOrdinate = 64, kSteigung = 66, kDatum = 69, kUhrzeit = 70, kGesamtdauer = 72,
    kStandardTempo = 74, kZielTempo = 76, kHGFalscheAlarme = 79, kHGKorrekt = 81,
    kHGProzent = 82, kHGZeit = 84, kVerteilung = 85,
};

// Report flags read by the report page.
constexpr uint32_t kMitReaktionen = 0x2;
constexpr uint32_t kKeinStandardtempo = 0x10000;
constexpr uint32_t kMitHGAufgabe = 0x20000;
constexpr uint32_t kMitZieltempo = 0x1000000;

std::string Prozent(int zaehler, int nenner)
{
    if (nenner <= 0)
        return "n. a.";
    return FormatDouble(100.0 * zaehler / nenner, 1) + "%";
}

} // namespace

CLMTrainingView::CLMTrainingView(CLMTrainingDoc* dokument, QWidget* eltern) : CSeitenAnsicht(dokument, eltern)
{
    setObjectName("trainingsansicht");
    CLumetraApp* app = GetLumetraApp();
    if (dokument && app)
        Binden(&app->m_Profil, &app->m_Umgebung, &dokument->GetTraining());
}

CLMTrainingView::~CLMTrainingView() = default;

void CLMTrainingView::Binden(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    if (m_pTraining)
        return;
    BindeUmgebung(profil, umgebung);
    m_pTraining = training;
    if (!m_pSchrift && profil)
        m_pSchrift = profil->GetSchrift();
    ErzeugeSteuerelemente();
}

void CLMTrainingView::ErzeugeSteuerelemente()
{
    auto erzeuge = [this](const CZeile& z) {
        switch (z.art) {
        case G: Gruppe(z.text, z.l, z.t, z.r, z.b); break;
        case L: Beschriftung(z.text, z.l, z.t, z.r, z.b); break;
        case C: m_pNichtAktiv = Beschriftung(z.text, z.l, z.t, z.r, z.b, Qt::AlignHCenter); break;
        case T: Feld(z.l, z.t, z.r, z.b, false); break;
        case Z: Feld(z.l, z.t, z.r, z.b, true); break;
        case A: Auswahlliste(z.l, z.t, z.r, z.b); break;
        }
    };
    for (const CZeile& z : kAngaben)
        erzeuge(z);
    AngabenseiteFertig();
    for (const CZeile& z : kBericht)
        erzeuge(z);
    m_pNichtAktiv->setEnabled(false);
    m_rcDiagramm = RECT{15, 213, 600, 423};
    BerichtseiteFertig();
    ErzeugeFusszeile();
}

// ---- Model access -----------------------------------------------------------

int CLMTrainingView::BerichtAnzahl() const { return m_pTraining->GetBerichtAnzahl(); }
int& CLMTrainingView::Seite() { return m_pTraining->m_nSeite; }
int& CLMTrainingView::BerichtNr() { return m_pTraining->m_nBerichtNr; }
int& CLMTrainingView::Diagrammwahl() { return m_pTraining->m_nDiagrammwahl; }

int CLMTrainingView::DiagrammNamen(std::vector<std::string>& namen, int& anzahl1, int& anzahl2, int bericht)
{
    return m_pTraining->GetDiagrammNamen(namen, anzahl1, anzahl2, bericht);
}

std::string CLMTrainingView::Seitentitel(bool bericht) const
{
    return bericht ? "Trainingsbericht" : "Trainingsangaben";
}

std::string CLMTrainingView::Tastenname(int index, const char* ersatz) const
{
    if (!m_pUmgebung || index < 0 || index >= m_pUmgebung->m_Tastenliste.GetAnzahl())
        return ersatz;
    return m_pUmgebung->m_Tastenliste.GetName(index);
}

// ---- Settings page -------------------------------------------------------------

void CLMTrainingView::ZeigeAngaben()
{
    SeiteSichtbar(false);
    std::string t[47];
    for (std::string& s : t)
        s = "---";
    bool nurLesen[47] = {};

    const int code = m_pTraining->GetAufgabenart();
    SetzeText(kAufgabengruppe, m_pTraining->GetAufgabenartName());
    SetzeText(kRichtigText, code == 50 ? "Vor" : "Richtig");
    SetzeText(kFalschText, code == 50 ? "Zurück" : "Falsch");

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
    for (int f : {kAufgabenart, kAnzahl, kZielsatz, kZielauswahl, kDistraktorsatz, kDistraktorauswahl,
                  kStarttaste, kReaktionstaste, kEndtaste, kTaste1, kTaste2})
        nurLesen[f] = true;
    switch (code) {
    case 10: {
        CSakkaden s = m_pTraining->GetSakkaden();
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
    case 20: {
        CExploration e = m_pTraining->GetExploration();
        t[kAufgabenart] = e.GetStrategieName();
        t[kAnzahl] = e.m_nAnordnung < 1 ? FormatInt(e.m_nZeilen) + " x " + FormatInt(e.m_nSpalten)
                                        : FormatInt(e.m_nAnzahl);
        // A stimulus field applies exactly when it shows a set.
        const bool ziel = e.m_nStrategie != 50 && satz(e.m_nZielliste, e.m_nZielVon, e.m_nZielBis, false, "..");
        const bool distraktor =
            e.m_nStrategie >= 20 && satz(e.m_nDistraktorliste, e.m_nDistraktorVon, e.m_nDistraktorBis, true, "..");
        t[kEndtaste] = "Eingabetaste";
        nurLesen[kAufgabenart] = nurLesen[kAnzahl] = nurLesen[kEndtaste] = false;
        nurLesen[kZielsatz] = nurLesen[kZielauswahl] = !ziel;
        nurLesen[kDistraktorsatz] = nurLesen[kDistraktorauswahl] = !distraktor;
        break;
    }
    case 50: {
        CText x = m_pTraining->GetText();
        t[kAufgabenart] = x.GetBeschreibung();
        t[kEndtaste] = "Eingabetaste";
        t[kTaste1] = Tastenname(x.m_nTasteVor, "<+>");
        t[kTaste2] = Tastenname(x.m_nTasteZurueck, "<->");
        for (int f : {kAufgabenart, kEndtaste, kTaste1, kTaste2})
            nurLesen[f] = false;
        break;
    }
    case 60: {
        CSonstiges s = m_pTraining->GetSonstiges();
        t[kAufgabenart] = s.GetBeschreibung();
        t[kEndtaste] = "Eingabetaste";
        nurLesen[kAufgabenart] = nurLesen[kEndtaste] = false;
        break;
    }
    default:
        // Only the end key applies to a task without a table of its own.
        nurLesen[kEndtaste] = false;
        break;
    }

    const CHGAufgabe a = m_pTraining->GetHGAufgabe();
    const CHGMuster m = m_pTraining->GetHGMuster();
    const CHGBewegung b = m_pTraining->GetHGBewegung();
    const bool mitAufgabe = a.m_nArt == 10 || a.m_nArt == 20;
    t[kHGAufgabe] = a.m_strName;
    t[kHGMuster] = m.m_strName;
    t[kRichtung] = b.m_nRichtung == 1 ? "nach rechts" : "nach links";
    t[kGeschwindigkeit] = GeschwindigkeitText(b.m_dGeschwindigkeit);
    if (a.m_nArt == 20)
        t[kZielgeschwindigkeit] = GeschwindigkeitText(a.m_dZielgeschwindigkeit);
    if (a.m_nIntervallmodus == 1 && mitAufgabe)
        t[kHGStarttaste] = Tastenname(a.m_nStarttaste, "Eingabetaste");
    if (a.m_nDurchgangsende == 1 && mitAufgabe)
        t[kHGReaktionstaste] = Tastenname(a.m_nReaktionstaste, "Leertaste");
    nurLesen[kZielgeschwindigkeit] = a.m_nArt != 20;
    nurLesen[kHGStarttaste] = !(a.m_nIntervallmodus == 1 && mitAufgabe);
    nurLesen[kHGReaktionstaste] = !(a.m_nDurchgangsende == 1 && mitAufgabe);

    for (int f = kAufgabenart; f <= kHGReaktionstaste; ++f) {
        if (qobject_cast<QLineEdit*>(Steuerelement(f)) == nullptr)
            continue;
        SetzeText(f, t[f]);
        if (f != kHGAufgabe && f != kHGMuster && f != kRichtung && f != kGeschwindigkeit)
            SetzeNurLesen(f, nurLesen[f]);
    }
}

// ---- Report page --------------------------------------------------------------------

void CLMTrainingView::ZeigeBericht()
{
    SeiteSichtbar(true);
    const int k = BerichtNr() - 1;
    const CTrainingsBericht* b = m_pTraining->GetBericht(k);
    static const int kWerte[] = {kVGFalscheAlarme, kVGKorrekt, kVGKorrektProzent, kRichtige, kRichtigeProzent,
                                 kFalsche, kFalscheProzent, kMittlereZeit, kOrdinate, kSteigung, kDatum,
                                 kUhrzeit, kGesamtdauer, kStandardTempo, kZielTempo, kHGFalscheAlarme,
                                 kHGKorrekt, kHGProzent, kHGZeit};
    if (!b) {
        for (int f : kWerte) {
            SetzeText(f, "---");
            SetzeNurLesen(f, true);
        }
        m_pNichtAktiv->show();
        return;
    }
    m_pTraining->BerichtAuswerten(k);
    const uint32_t flags = b->m_dwAufgabenFlags;

    // Presentation.
    SetzeText(kDatum, FormatDatum(b->m_nTag));
    SetzeText(kUhrzeit, FormatDauer(b->m_nUhrzeit));
    SetzeText(kGesamtdauer, FormatDouble(b->m_dLaufzeit, 1) + " s");
    const bool standard = !(flags & kKeinStandardtempo);
    const bool ziel = (flags & kMitHGAufgabe) && (flags & kMitZieltempo);
    SetzeText(kStandardTempo, standard ? GeschwindigkeitText(b->m_dStandardGeschwindigkeit) : "---");
    SetzeText(kZielTempo, ziel ? GeschwindigkeitText(b->m_dZielGeschwindigkeit) : "---");
    SetzeNurLesen(kStandardTempo, !standard);
    SetzeNurLesen(kZielTempo, !ziel);

    // Background task.
    const bool hg = flags & kMitHGAufgabe;
    if (hg) {
        const int korrekt = b->GetKorrekteReaktionen();
        const int falsch = b->GetFalscheAlarme();
        SetzeText(kHGFalscheAlarme, FormatInt(falsch));
        SetzeText(kHGKorrekt, FormatInt(korrekt));
        SetzeText(kHGProzent, Prozent(korrekt, korrekt + falsch));
        SetzeText(kHGZeit, korrekt > 0 ? FormatDouble(b->GetDauerSekunden() / korrekt, 3) + " s" : "n. a.");
    }
    for (int f : {kHGFalscheAlarme, kHGKorrekt, kHGProzent, kHGZeit}) {
        if (!hg)
            SetzeText(f, "---");
        SetzeNurLesen(f, !hg);
    }

    // Foreground task.
    const bool vg = flags & kMitReaktionen;
    const bool statistik = vg && (flags & (0x100 | 0x200));
    const bool antworten = vg && (flags & (0x200 | 0x400));
    const bool prozente = vg && ((flags & 0x200) || ((flags & 0x100) && (flags & 0x400)));
    const int werte = b->m_Tabelle.GetAnzahlWerte(2);
    if (statistik) {
        const int a = b->SummeZaehler1();
        std::string mittel;
        m_pTraining->GetErgebnisText(mittel, k);
        SetzeText(kVGFalscheAlarme, FormatInt(a));
        SetzeText(kVGKorrekt, FormatInt(werte));
        SetzeText(kVGKorrektProzent, Prozent(werte, a + werte));
        SetzeText(kMittlereZeit, mittel);
    } else {
        for (int f : {kVGFalscheAlarme, kVGKorrekt, kVGKorrektProzent, kMittlereZeit})
            SetzeText(f, "---");
    }
    const int richtige = b->AnzahlNurZaehler3();
    const int falsche = b->AnzahlMitZaehler2();
    SetzeText(kRichtige, antworten ? FormatInt(richtige) : "---");
    SetzeText(kFalsche, antworten ? FormatInt(falsche) : "---");
    SetzeText(kRichtigeProzent, prozente ? Prozent(richtige, werte) : "---");
    SetzeText(kFalscheProzent, prozente ? Prozent(falsche, werte) : "---");
    for (int f : {kVGFalscheAlarme, kVGKorrekt, kVGKorrektProzent, kMittlereZeit})
        SetzeNurLesen(f, !statistik);
    SetzeNurLesen(kRichtige, !antworten);
    SetzeNurLesen(kFalsche, !antworten);
    SetzeNurLesen(kRichtigeProzent, !prozente);
    SetzeNurLesen(kFalscheProzent, !prozente);

    // Distribution.
    std::vector<std::string> namen;
    int c1 = 0, c2 = 0;
    m_pTraining->GetDiagrammNamen(namen, c1, c2, k);
    const int wahl = Diagrammwahl();
    const bool benannt = wahl >= 1 && wahl <= c1 + c2 && wahl <= static_cast<int>(namen.size());
    SetzeText(kVerteilung, benannt ? namen[wahl - 1] : "Verteilung der Vordergrundaufgabe");
    if (statistik) {
        std::string abschnitt, steigung;
        m_pTraining->GetSteigungText(wahl - 1, abschnitt, steigung, k);
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
    const CFarben f = m_pTraining->GetFarben();
    ZeichneFarbfelder(dc, {{RECT{235, 107, 295, 122}, f.m_crVordergrund},
                           {RECT{540, 107, 600, 122}, f.m_crHintergrund},
                           {RECT{540, 149, 600, 164}, f.m_crStandardmuster},
                           {RECT{540, 212, 600, 227}, f.m_crZielmuster}});
}

void CLMTrainingView::ZeichneBerichtGrafik(CDC* dc)
{
    // Without a chosen relation there is no chart to draw.
    if (Diagrammwahl() < 1)
        return;
    m_pTraining->DiagrammZeichnen(Diagrammwahl() - 1, dc, m_rcDiagramm, m_pSchrift, BerichtNr() - 1);
}

// ---- Commands ----------------------------------------------------------------------

bool CLMTrainingView::Befehl(int id)
{
    if (!m_pTraining)
        return false;
    switch (id) {
    case ID_PRAESENTATION_TRAINING: OnPraesentation(); return true;
    case BERICHT_TRAINING: OnTrainingsangaben(); return true;
    case BERICHT_TRAINING + 2: OnTrainingsberichte(); return true;
    case BERICHT_TRAINING + 4: OnVorherigerBericht(); return true;
    case BERICHT_TRAINING + 6: OnNaechsterBericht(); return true;
    case BERICHT_TRAINING + 8: OnBerichtLoeschen(); return true;
    case BERICHT_TRAINING + 10: OnAlleBerichteLoeschen(); return true;
    default: return false;
    }
}

void CLMTrainingView::Geaendert()
{
    if (GetDocument())
        GetDocument()->SetModifiedFlag(true);
}

bool CLMTrainingView::Frage(const std::string& text)
{
    CFrageDlg frage;
    frage.SetText(text);
    return frage.DoModal() == 1;
}

void CLMTrainingView::ZeigeBerichtNr(int nr)
{
    const int n = BerichtAnzahl();
    if (n >= 1) {
        BerichtNr() = std::clamp(nr, 1, n);
        Seite() = BerichtNr() + 1;
        FuelleBerichtAuswahl();
    } else {
        BerichtNr() = 0;
        Seite() = 1;
    }
}

void CLMTrainingView::OnPraesentation()
{
    // The full-screen run may move and resize the main window.
    QWidget* haupt = window();
    const QRect lage = haupt->geometry();
    const Qt::WindowStates zustand = haupt->windowState();

    int code = 0;
    bool uebernommen = true;
    std::string fehler, hinweis;
    int hinweisCode = 0;
    {
        std::unique_ptr<CDarbietung> darbietung = NeueDarbietung();
        code = darbietung->TrainingDarbieten(m_pProfil, m_pUmgebung, m_pTraining, this);
        if (code == 0) {
            const int n = BerichtAnzahl();
            // A report that did not land in the training is no success.
            uebernommen = m_pTraining->SetBericht(n, &darbietung->GetTrainingsBericht()) == 0 &&
                          BerichtAnzahl() == n + 1;
            if (uebernommen) {
                Geaendert();
                BerichtNr() = BerichtAnzahl();
                Seite() = BerichtNr() + 1;
                FuelleBerichtAuswahl();
                AktualisiereBerichtMenue();
                ZeigeSeite();
            }
        }
        fehler = "Fehler " + FormatInt(code) + ": " + darbietung->GetFehlerText();
        hinweis = "Hinweis: " + darbietung->GetHinweisText();
        hinweisCode = darbietung->GetHinweis();
    }

    haupt->setWindowState(zustand);
    if (!(zustand & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        haupt->setGeometry(lage);
    haupt->update();

    if (code >= 1)
        AfxMessageBox(fehler, MB_OK | MB_ICONEXCLAMATION);
    else if (!uebernommen)
        AfxMessageBox("Fehler: Der Bericht der Präsentation konnte nicht in das Training übernommen werden.",
                      MB_OK | MB_ICONEXCLAMATION);
    else if (hinweisCode >= 1)
        AfxMessageBox(hinweis, MB_OK | MB_ICONEXCLAMATION);
}

void CLMTrainingView::OnTrainingsangaben()
{
    Seite() = 1;
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CLMTrainingView::OnTrainingsberichte()
{
    ZeigeBerichtNr(BerichtNr());
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CLMTrainingView::OnNaechsterBericht()
{
    ZeigeBerichtNr(BerichtNr() + 1);
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CLMTrainingView::OnVorherigerBericht()
{
    ZeigeBerichtNr(BerichtNr() - 1);
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CLMTrainingView::OnBerichtLoeschen()
{
    if (BerichtAnzahl() == 0) {
        ZeigeBerichtNr(0);
    } else {
        if (Frage("Möchten Sie wirklich den Trainingsbericht " + FormatInt(BerichtNr()) + " löschen?")) {
            m_pTraining->BerichtLoeschen(BerichtNr() - 1);
            Geaendert();
        }
        ZeigeBerichtNr(BerichtNr());
    }
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

void CLMTrainingView::OnAlleBerichteLoeschen()
{
    if (BerichtAnzahl() == 0) {
        ZeigeBerichtNr(0);
    } else if (Frage("Möchten Sie wirklich alle Trainingsberichte löschen?")) {
        m_pTraining->BerichteZuruecksetzen();
        ZeigeBerichtNr(0);
        Geaendert();
    }
    AktualisiereBerichtMenue();
    ZeigeSeite();
}

// ---- Report menu and tool bar -------------------------------------------------------

void CLMTrainingView::PruefeSymbolleiste()
{
    SymbolleistePruefen(qobject_cast<CMainFrame*>(window()), BERICHT_TRAINING);
    AktualisiereBerichtMenue();
}

void CLMTrainingView::AktualisiereBerichtMenue()
{
    auto* haupt = qobject_cast<CMainFrame*>(window());
    if (!m_pTraining || !haupt)
        return;
    BerichtMenueSetzen(haupt, BERICHT_TRAINING, {BerichtAnzahl(), Seite(), BerichtNr()});
    haupt->GetSymbolleiste()->show();
}
