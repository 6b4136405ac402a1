#include "app/testansicht.h"

#include <QLabel>

#include "app/befehle.h"
#include "app/darbietung.h"
#include "app/kindrahmen.h"
#include "app/lmtestdoc.h"
#include "model/aufgabenbits.h"
#include "model/test.h"
#include "platform/draw/dc.h"
#include "workplace/benutzerprofil.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

namespace {

using enum CZeile::Art;

// Settings page, controls 1 to 30 (then the background box).
const CZeile kAngaben[] = {
    {G, "Vordergrundaufgabe", 5, 5, 305, 428},
    {L, "Aufgabengruppe", 15, 23, 125, 38},
    {T, "", 125, 21, 295, 39},
    {L, "Testart", 15, 44, 125, 59},
    {T, "", 125, 42, 295, 60},
    {L, "Permutationen x Wiederholungen", 15, 107, 235, 122},
    {Z, "", 235, 105, 295, 123},
    {L, "Reihenfolgebstimmung", 15, 128, 125, 143},
    {T, "", 125, 126, 295, 144},
    {L, "Reizposition [x] [y]", 15, 149, 125, 164},
    {T, "", 125, 147, 295, 165},
    {L, "Linienlänge [B] [H]", 15, 170, 125, 185},
    {T, "", 125, 168, 295, 186},
    {L, "Linienlage [x] [y]", 15, 191, 125, 206},
    {T, "", 125, 189, 295, 207},
    {L, "Farbe horizontale Linie", 15, 212, 235, 227},
    {L, "Farbe vertikale Linie", 15, 233, 235, 248},
    {L, "Starttaste", 15, 275, 205, 290},
    {T, "", 205, 273, 295, 291},
    {L, "Endtaste", 15, 296, 205, 311},
    {T, "", 205, 294, 295, 312},
    {L, "Weitere Tasten", 15, 317, 295, 332},
    {L, "links", 25, 338, 205, 353},
    {T, "", 65, 336, 155, 354},
    {L, "rechts", 165, 338, 205, 353},
    {T, "", 205, 336, 295, 354},
    {L, "unten", 25, 359, 205, 374},
    {T, "", 65, 357, 155, 375},
    {L, "oben", 165, 359, 205, 374},
    {T, "", 205, 357, 295, 375},
    // 31 to 49: the background box
};

// Report page, controls 50 to 67 (then the shared boxes, 68 to 85).
const CZeile kErgebnis[] = {
    {G, "Vordergrundaufgabe", 5, 5, 305, 198},
    {L, "Mittl. Reaktionszeit", 15, 23, 235, 38},
    {Z, "", 235, 21, 295, 39},
    {L, "Abweichung gesamt", 15, 44, 155, 59},
    {C, "Mittelwert", 165, 44, 225, 59},
    {C, "Stdabw.", 235, 44, 295, 59},
    {L, "Horizontale Abweichung", 25, 65, 165, 80},
    {Z, "", 165, 63, 225, 81},
    {Z, "", 235, 63, 295, 81},
    {L, "Vertikale Abweichung", 25, 86, 165, 101},
    {Z, "", 165, 84, 225, 102},
    {Z, "", 235, 84, 295, 102},
    {L, "Verteilungskoeffizienten (Abweichungen bzw. Antworten)", 15, 133, 295, 148},
    {A, "", 25, 150, 295, 250},
    {L, "Ordinate", 25, 175, 95, 190},
    {Z, "", 95, 173, 155, 191},
    {L, "Steigung", 165, 175, 235, 190},
    {Z, "", 235, 173, 295, 191},
};

// Controls 86 and 87.
const CZeile kVerteilungsbox[] = {
    {G, "Verteilung der Vordergrundaufgabe", 5, 198, 610, 428},
    {C, "nicht aktiv", 15, 307, 600, 325},
};

// Control numbers the fills write.
enum : int {
    kTestart = 3,
    kVerfahren = 5,
    kPermutationen = 7,
    kReihenfolge = 9,
    kBereich1 = 11,
    kBereich2Text = 12,
    kBereich2 = 13,
    kProzentText = 14,
    kProzentBereich = 15,
    kFarbe1Text = 16,
    kFarbe2Text = 17,
    kStarttaste = 19,
    kEndtaste = 21,
    kTaste1Text = 23,
    kTaste1 = 24,
    kTaste2Text = 25,
    kTaste2 = 26,
    kTaste3Text = 27,
    kTaste3 = 28,
    kTaste4Text = 29,
    kTaste4 = 30,
    kHGAufgabe = 33,

    kZeit = 52,
    kSpalte1 = 54,
    kSpalte2 = 55,
    kHoriz1 = 57,
    kHoriz2 = 58,
    kVert1 = 60,
    kVert2 = 61,
    kKoeff1Text = 64,
    kKoeff1 = 65,
    kKoeff2Text = 66,
    kKoeff2 = 67,
    kDatum = 70,
    kVerteilung = 86,
};

constexpr CAnsichtsArt kTest{BERICHT_TEST, ID_PRAESENTATION_TEST, "Testangaben",        "Testbericht", "den Test",
                             ID_VG_TEST,   ID_TEST_DRUCKEN,       ID_TEST_SEITENANSICHT};

// What the settings page reads of either task record alike.
struct CAblauf {
    std::string verfahren;
    int verfahrenCode, permutationen, wiederholungen, intervallModus, richtungen;
    int start, ende, taste1, taste2, taste3, taste4;
};

CAblauf Ablauf(CLinien l)
{
    return {l.GetVerfahrenName(), l.m_nVerfahren,    l.m_nPermutationen, l.m_nWiederholungen,
            l.m_nIntervallModus,  l.m_nOrientierung, l.m_nStartTaste,    l.m_nEndTaste,
            l.m_nTasteLinks,      l.m_nTasteRechts,  l.m_nTasteUnten,    l.m_nTasteOben};
}

CAblauf Ablauf(CLaengen l)
{
    return {l.GetVerfahrenName(), l.m_nVerfahren,    l.m_nPermutationen, l.m_nWiederholungen,
            l.m_nIntervallModus,  l.m_nOrientierung, l.m_nStartTaste,    l.m_nEndTaste,
            l.m_nTasteSchmaeler,  l.m_nTasteBreiter, l.m_nTasteKleiner,  l.m_nTasteHoeher};
}

} // namespace

CLMTestView::CLMTestView(CLMTestDoc* dokument, QWidget* eltern) : CModellAnsicht(dokument, kTest, eltern)
{
    setObjectName("testansicht");
    CLumetraApp* app = GetLumetraApp();
    if (dokument && app)
        Binden(&app->m_Profil, &app->m_Umgebung, &dokument->GetTest());
}

CLMTestView::~CLMTestView() = default;

void CLMTestView::ErzeugeSteuerelemente() { ErzeugeSeiten(kAngaben, kErgebnis, kVerteilungsbox); }

// ---- Model access -----------------------------------------------------------

int CLMTestView::Darbieten(CDarbietung& darbietung)
{
    return darbietung.TestDarbieten(m_pProfil, m_pUmgebung, m_pModell, this);
}

int CLMTestView::BerichtAnhaengen(const CDarbietung& darbietung)
{
    return m_pModell->SetBericht(BerichtAnzahl(), darbietung.GetTestBericht());
}

// ---- Settings page -------------------------------------------------------------

void CLMTestView::ZeigeAngaben()
{
    SeiteSichtbar(false);
    const int art = m_pModell->GetTestart();
    SetzeText(kTestart, m_pModell->GetTestartName());

    const bool laengen = art == TESTART_LAENGEN;
    SetzeText(kBereich2Text, laengen ? "Variation Beispielrechteck [B][H]" : "Variation Linienlänge [B][H]");
    SetzeText(kProzentText, laengen ? "Variation Testrechteck [B][H]" : "Variation Linienlage [x][y]");
    SetzeText(kFarbe1Text, laengen ? "Farbe Beispielrechteck" : "Farbe horizontale Linie");
    SetzeText(kFarbe2Text, laengen ? "Farbe Testrechteck" : "Farbe vertikale Linie");
    SetzeText(kTaste1Text, laengen ? "schmäler" : "links");
    SetzeText(kTaste2Text, laengen ? "breiter" : "rechts");
    SetzeText(kTaste3Text, laengen ? "kleiner" : "unten");
    SetzeText(kTaste4Text, laengen ? "höher" : "oben");

    static const int kFelder[] = {kVerfahren,  kPermutationen, kBereich1, kBereich2, kProzentBereich, kReihenfolge,
                                  kStarttaste, kEndtaste,      kTaste1,   kTaste2,   kTaste3,         kTaste4};
    if (art == TESTART_LINIEN || art == TESTART_LAENGEN) {
        const CAblauf a = laengen ? Ablauf(m_pModell->GetLaengen()) : Ablauf(m_pModell->GetLinien());
        // Key names answer "---" outside the table.
        const CTastenliste leer;
        const CTastenliste& tasten = m_pUmgebung ? m_pUmgebung->m_Tastenliste : leer;
        const bool start = a.intervallModus == 1;
        const bool ende = a.verfahrenCode == VERFAHREN_HERSTELLUNG;
        const bool horizontal = a.richtungen == 1 || a.richtungen == 3;
        const bool vertikal = a.richtungen == 2 || a.richtungen == 3;
        SetzeText(kVerfahren, a.verfahren);
        SetzeText(kPermutationen, FormatInt(a.permutationen) + " x " + FormatInt(a.wiederholungen));
        SetzeText(kBereich1, m_pModell->GetBereichText1());
        SetzeText(kBereich2, m_pModell->GetBereichText2());
        SetzeText(kProzentBereich, m_pModell->GetProzentBereichText());
        SetzeText(kReihenfolge, m_pModell->GetReihenfolgeText());
        SetzeText(kStarttaste, start ? tasten.GetName(a.start) : "---");
        SetzeText(kEndtaste, ende ? tasten.GetName(a.ende) : "---");
        SetzeText(kTaste1, horizontal ? tasten.GetName(a.taste1) : "---");
        SetzeText(kTaste2, horizontal ? tasten.GetName(a.taste2) : "---");
        SetzeText(kTaste3, vertikal ? tasten.GetName(a.taste3) : "---");
        SetzeText(kTaste4, vertikal ? tasten.GetName(a.taste4) : "---");
        for (int f : {kTestart, kVerfahren, kPermutationen, kBereich1, kBereich2, kProzentBereich, kReihenfolge})
            SetzeNurLesen(f, false);
        SetzeNurLesen(kStarttaste, !start);
        SetzeNurLesen(kEndtaste, !ende);
        for (int f : {kTaste1, kTaste2})
            SetzeNurLesen(f, !horizontal);
        for (int f : {kTaste3, kTaste4})
            SetzeNurLesen(f, !vertikal);
    } else {
        for (int f : kFelder) {
            SetzeText(f, "---");
            SetzeNurLesen(f, true);
        }
        SetzeNurLesen(kTestart, true);
    }

    ZeigeHintergrundAngaben(kHGAufgabe, m_pModell->GetHGAufgabe(), m_pModell->GetHGMuster(),
                            m_pModell->GetHGBewegung());
}

// ---- Report page --------------------------------------------------------------------

void CLMTestView::ZeigeBericht()
{
    SeiteSichtbar(true);
    const int k = BerichtNr() - 1;
    const CTestBericht* b = m_pModell->GetBericht(k);
    if (!b) {
        for (int f : {kZeit, kHoriz1, kHoriz2, kVert1, kVert2, kKoeff1, kKoeff2}) {
            SetzeText(f, "---");
            SetzeNurLesen(f, true);
        }
        SetzeText(kSpalte1, "Mittelwert");
        SetzeText(kSpalte2, "Stdabw.");
        SetzeText(kKoeff1Text, "Ordinate");
        SetzeText(kKoeff2Text, "Steigung");
        Steuerelement(kSpalte1)->setEnabled(false);
        Steuerelement(kSpalte2)->setEnabled(false);
        ZeigeDarbietungsBericht(kDatum, nullptr);
        m_pNichtAktiv->show();
        return;
    }

    CDarbietungsWerte w;
    w.tag = b->m_nTag;
    w.uhrzeit = b->m_nUhrzeit;
    w.laufzeit = b->m_dLaufzeit;
    w.flags = b->m_dwTestFlags;
    w.standardTempo = b->m_dHGGeschwindigkeit;
    w.zielTempo = b->m_dZielGeschwindigkeit;
    w.korrekt = b->GetKorrekteReaktionen();
    w.falscheAlarme = b->GetFalscheAlarme();
    w.dauerSekunden = b->GetDauerSekunden();
    ZeigeDarbietungsBericht(kDatum, &w);

    ZeigeErgebnis(k, b->m_dwTestFlags);
    ZeigeVerteilung(k);
}

void CLMTestView::ZeigeErgebnis(int k, uint32_t flags)
{
    const bool ergebnis = flags & (aufgabe::LINIEN | aufgabe::LAENGEN);
    const bool mittelwerte = !ergebnis || (flags & aufgabe::EINSTELLUNG);
    SetzeText(kSpalte1, mittelwerte ? "Mittelwert" : "Grenzwert");
    SetzeText(kSpalte2, mittelwerte ? "Stdabw." : "Sigma");
    std::string zeit = "---", h1 = "---", h2 = "---", v1 = "---", v2 = "---";
    if (ergebnis)
        m_pModell->GetErgebnisText(zeit, h1, h2, v1, v2, k);
    SetzeText(kZeit, zeit);
    SetzeText(kHoriz1, h1);
    SetzeText(kHoriz2, h2);
    SetzeText(kVert1, v1);
    SetzeText(kVert2, v2);

    const bool horizontal = ergebnis && (flags & aufgabe::HORIZONTAL);
    const bool vertikal = ergebnis && (flags & aufgabe::VERTIKAL);
    SetzeNurLesen(kZeit, !ergebnis);
    SetzeNurLesen(kHoriz1, !horizontal);
    SetzeNurLesen(kHoriz2, !horizontal);
    SetzeNurLesen(kVert1, !vertikal);
    SetzeNurLesen(kVert2, !vertikal);
    Steuerelement(kSpalte1)->setEnabled(ergebnis);
    Steuerelement(kSpalte2)->setEnabled(ergebnis);
}

void CLMTestView::ZeigeVerteilung(int k)
{
    std::vector<std::string> namen;
    int c1 = 0, c2 = 0;
    m_pModell->GetDiagrammNamen(namen, c1, c2, k);
    const int s = Diagrammwahl() - 1;
    const bool aktiv = s >= 0 && s < c1 + c2 && s < static_cast<int>(namen.size());
    std::string koeff1 = "---", koeff2 = "---";
    if (aktiv && m_pModell->GetAchsentitel(s, koeff1, koeff2, k) != 0)
        koeff1 = koeff2 = "---";
    const bool haeufigkeit = aktiv && s >= c1;
    SetzeText(kVerteilung, aktiv ? namen[s] : "Verteilung der Vordergrundaufgabe");
    SetzeText(kKoeff1Text, haeufigkeit ? "Grenzwert" : "Ordinate");
    SetzeText(kKoeff2Text, haeufigkeit ? "Sigma" : "Steigung");
    SetzeText(kKoeff1, koeff1);
    SetzeText(kKoeff2, koeff2);
    for (int f : {kKoeff1Text, kKoeff2Text, kVerteilung})
        Steuerelement(f)->setEnabled(aktiv);
    SetzeNurLesen(kKoeff1, !aktiv);
    SetzeNurLesen(kKoeff2, !aktiv);
    m_pNichtAktiv->setVisible(!aktiv);
}

// ---- Painting ----------------------------------------------------------------------

void CLMTestView::ZeichneFarben(CDC* dc)
{
    // Row 9 always the test stimulus, row 10 the example, whatever the labels say.
    const CFarben f = m_pModell->GetFarben();
    ZeichneFarbfelder(
        dc, {{RECT{235, 212, 295, 227}, f.m_crVordergrund}, {RECT{235, 233, 295, 248}, f.m_crBeispielreiz}}, f);
}
