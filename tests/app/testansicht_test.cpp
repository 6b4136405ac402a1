// The test view: settings and report pages, bottom row, report menu and
// buttons, and the commands, with a scripted presentation engine.
#include "ansicht_umfeld.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/lmtestdoc.h"
#include "app/testansicht.h"
#include "model/test.h"
#include "platform/draw/recorder/recorder_dc.h"

namespace {

constexpr uint32_t kLinien = 0x1, kEinstellung = 0x10, kKonstant = 0x20, kHoriz = 0x40, kVert = 0x80;
constexpr uint32_t kKeinStandard = 0x10000, kMitHG = 0x20000, kMitZiel = 0x1000000;

// A horizontal line of 400 pixels centred on the display and its mark.
RECT Linie() { return RECT{312, 380, 712, 388}; }
RECT Marke(int versatz) { return RECT{510 + versatz, 370, 514 + versatz, 398}; }

// Five divider locations from -10 % to 30 % of the line, answered "rechts"
// 1, 3, 5, 7 and 9 times of 10: the threshold lies at 10 %.
CTestBericht KonstanteReize(uint32_t flags)
{
    const int versatz[] = {-40, 0, 40, 80, 120};
    CTestBericht b;
    b.m_dwTestFlags = flags;
    b.SetAnzahlReize(5);
    for (int j = 0; j < 5; ++j) {
        b.SetRechteck1(j, Linie());
        b.SetRechteck2(j, Marke(versatz[j]));
        for (int k = 0; k < 10; ++k)
            (k < 2 * j + 1) ? b.IncZaehler2(j) : b.IncZaehler1(j);
        b.SetZeit(j, 5000);
    }
    b.m_nTag = 19000;
    b.m_nUhrzeit = 3600 + 2 * 60 + 5;
    b.m_dLaufzeit = 73.26;
    b.m_dHGGeschwindigkeit = 0.25;
    return b;
}

} // namespace

class TestansichtTest : public CAnsichtTest<CLMTestDoc, CLMTestView, 1, 32862> {
protected:
    void SetUp() override
    {
        CAnsichtTest::SetUp();
        // Whole pixels: the unit's texts do not depend on the arrangement.
        CAnzeigeOptionen o = m_app->m_Profil.GetAnzeigeOptionen();
        o.SetEinheit(0x0008);
        m_app->m_Profil.SetAnzeigeoptionen(o);
        m_app->m_Umgebung.Berechnen();
        Oeffnen();
    }

    CTest& Test() { return m_doc->GetTest(); }
    void Berichte(int anzahl, const CTestBericht& b = KonstanteReize(kLinien | kKonstant | kHoriz))
    {
        for (int i = 0; i < anzahl; ++i)
            Test().SetBericht(Test().GetBerichtAnzahl(), b);
        m_ansicht->ZeigeSeite();
        m_ansicht->AktualisiereBerichtMenue();
    }
    // Linienhalbierung with one stepped factor: the divider location.
    void FuenfTrennlagen()
    {
        CLinien l = Test().GetLinien();
        l.m_nVerfahren = 20;
        l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
        l.m_nHTrennStufen = 5;
        l.m_nVLaengeStufen = l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
        Test().SetLinien(l);
    }
    bool An(int nr) const { return m_ansicht->Steuerelement(nr)->isEnabled(); }
    bool Versteckt(int nr) const { return m_ansicht->Steuerelement(nr)->isHidden(); }
    std::vector<std::string> Fusszeile() const { return {Text(88), Text(90), Text(92)}; }
    std::vector<std::string> Texte(std::initializer_list<int> nummern) const
    {
        std::vector<std::string> t;
        for (int nr : nummern)
            t.push_back(Text(nr));
        return t;
    }
};

TEST_F(TestansichtTest, NeuerTestZeigtLinienhalbierung)
{
    EXPECT_EQ(m_ansicht->AnzahlSteuerelemente(), 92);
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testangaben", "0 / 0", "1 / 1"}));
    EXPECT_FALSE(m_app->GetMainWnd()->menuBar()->actions()[4]->isEnabled());
    EXPECT_TRUE(Knoepfe().empty());
    EXPECT_EQ(m_ansicht->Steuerelement(49)->geometry(), QRect(510, 294, 90, 18));
    EXPECT_EQ(m_ansicht->Steuerelement(63)->geometry().topLeft(), QPoint(25, 150));
    EXPECT_EQ(m_ansicht->Steuerelement(87)->geometry(), QRect(15, 307, 585, 18));
    EXPECT_EQ(m_ansicht->Steuerelement(92)->geometry(), QRect(550, 431, 60, 15));
    EXPECT_EQ(Text(8), "Reihenfolgebstimmung");
    EXPECT_EQ(Text(86), "Verteilung der Vordergrundaufgabe");
    EXPECT_FALSE(Versteckt(49));
    EXPECT_TRUE(Versteckt(50));
    EXPECT_TRUE(Versteckt(87));
    EXPECT_FALSE(Versteckt(88));

    const CTastenliste& tasten = m_app->m_Umgebung.m_Tastenliste;
    EXPECT_EQ(Texte({3, 5, 7, 9}),
              (std::vector<std::string>{"Linienhalbierung", "Herstellungsverfahren", "4 x 1", "Lage x Pos x Länge"}));
    EXPECT_EQ(Text(11), "[-179 pxl .. 179 pxl][0 pxl .. 0 pxl]");
    EXPECT_EQ(Text(13), "[312 pxl .. 626 pxl][34 pxl .. 34 pxl]");
    EXPECT_EQ(Text(15), "[50,0 % .. 50,0 %][0,0 % .. 0,0 %]");
    EXPECT_EQ(Texte({12, 14, 16, 17, 23, 25, 27, 29}),
              (std::vector<std::string>{"Variation Linienlänge [B][H]", "Variation Linienlage [x][y]",
                                        "Farbe horizontale Linie", "Farbe vertikale Linie", "links", "rechts",
                                        "unten", "oben"}));
    // Started after a pause, ended by the key; horizontal lines only.
    EXPECT_EQ(Text(19), "---");
    EXPECT_TRUE(NurLesen(19));
    EXPECT_EQ(Text(21), tasten.GetName(1));
    EXPECT_FALSE(NurLesen(21));
    EXPECT_EQ(Texte({24, 26, 28, 30}), (std::vector<std::string>{"Crsr Links", "Crsr Rechts", "---", "---"}));
    EXPECT_FALSE(NurLesen(26));
    EXPECT_TRUE(NurLesen(28));
    EXPECT_TRUE(NurLesen(30));
    EXPECT_FALSE(NurLesen(3));
    EXPECT_FALSE(NurLesen(15));

    // The background box as in the training view.
    EXPECT_EQ(Texte({33, 35, 40, 41, 45, 47, 49}),
              (std::vector<std::string>{"Keine Hintergrundaufgabe", "Zeichen: Ellipse", "nach links", "154 pxl/s",
                                        "---", "---", "---"}));
    EXPECT_TRUE(NurLesen(45));
    EXPECT_TRUE(NurLesen(49));
}

TEST_F(TestansichtTest, AngabenJeTestartVerfahrenUndRichtung)
{
    CLaengen l = Test().GetLaengen();
    l.m_nWiederholungen = 2;
    l.m_nOrientierung = 3;
    l.m_nIntervallModus = 1;
    Test().SetLaengen(l);
    Test().SetTestart(20);
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Texte({3, 5, 7, 9}), (std::vector<std::string>{"Längenschätzung", "Herstellungsverfahren", "3 x 2",
                                                             "Zufall"}));
    EXPECT_EQ(Texte({12, 14, 16, 17, 23, 25, 27, 29}),
              (std::vector<std::string>{"Variation Beispielrechteck [B][H]", "Variation Testrechteck [B][H]",
                                        "Farbe Beispielrechteck", "Farbe Testrechteck", "schmäler", "breiter",
                                        "kleiner", "höher"}));
    EXPECT_EQ(Texte({19, 24, 26, 28, 30}),
              (std::vector<std::string>{"Eingabetaste", "<->", "<+>", "Crsr Unten", "Crsr Oben"}));
    EXPECT_FALSE(NurLesen(19));
    EXPECT_FALSE(NurLesen(30));

    // Constant stimuli have no end key.
    l = Test().GetLaengen();
    l.m_nVerfahren = 20;
    Test().SetLaengen(l);
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Text(5), "Verfahren konstanter Reize");
    EXPECT_EQ(Text(21), "---");
    EXPECT_TRUE(NurLesen(21));

    // Back to line bisection: the line wording again.
    Test().SetTestart(10);
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Texte({12, 23, 25, 27, 29}),
              (std::vector<std::string>{"Variation Linienlänge [B][H]", "links", "rechts", "unten", "oben"}));
    EXPECT_EQ(Text(21), m_app->m_Umgebung.m_Tastenliste.GetName(1));

    // A kind without a record: its name and "---", all read-only.
    Test().SetTestart(30);
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Text(3), "Subjektive Mitte");
    for (int f : {3, 5, 7, 9, 11, 13, 15, 19, 21, 24, 26, 28, 30}) {
        EXPECT_TRUE(NurLesen(f)) << f;
        if (f != 3) {
            EXPECT_EQ(Text(f), "---") << f;
        }
    }

    // A background task of speed change with keys.
    CHGAufgabe a = Test().GetHGAufgabe();
    a.m_nArt = 20;
    a.m_nIntervallmodus = 1;
    a.m_dZielgeschwindigkeit = 0.25;
    Test().SetHGAufgabe(a);
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Texte({33, 45, 47, 49}), (std::vector<std::string>{"Geschwindigkeitsänderung erkennen", "256 pxl/s",
                                                                 "Eingabetaste", "Leertaste"}));
    EXPECT_FALSE(NurLesen(45));
    EXPECT_FALSE(NurLesen(47));
}

TEST_F(TestansichtTest, BerichtMitGrenzwertenUndVerteilung)
{
    FuenfTrennlagen();
    CTestBericht b = KonstanteReize(kLinien | kKonstant | kHoriz | kMitHG | kMitZiel);
    b.m_dZielGeschwindigkeit = 0.5;
    b.IncKorrekteReaktionen();
    b.IncKorrekteReaktionen();
    b.IncKorrekteReaktionen();
    b.IncFalscheAlarme();
    b.AddDauer(1500);
    Berichte(1, b);
    Test().m_nDiagrammwahl = 5;  // beyond the deviation relations: the last of them
    m_ansicht->OnTestberichte();

    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "1 / 1", "2 / 2"}));
    EXPECT_TRUE(Versteckt(3));
    EXPECT_FALSE(Versteckt(86));
    EXPECT_EQ(Texte({70, 71, 73, 75, 77}),
              (std::vector<std::string>{"07.01.2022", "01:02:05", "73,3 s", "256 pxl/s", "512 pxl/s"}));
    EXPECT_EQ(Texte({80, 82, 83, 85}), (std::vector<std::string>{"1", "3", "75,0%", "0,500 s"}));
    EXPECT_EQ(Texte({54, 55, 52, 57, 60, 61}),
              (std::vector<std::string>{"Grenzwert", "Sigma", "0,500 s", "10,0 %", "---", "---"}));
    EXPECT_NE(Text(58), "---");
    EXPECT_FALSE(NurLesen(57));
    EXPECT_TRUE(NurLesen(60));
    EXPECT_TRUE(NurLesen(61));
    EXPECT_TRUE(An(54));

    // Two deviation relations and one of answer frequencies.
    auto* liste = qobject_cast<QComboBox*>(m_ansicht->Steuerelement(63));
    EXPECT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->currentIndex(), 1);
    EXPECT_EQ(Test().m_nDiagrammwahl, 2);
    EXPECT_EQ(Texte({86, 64, 66}), (std::vector<std::string>{"Rel. horiz. Abw. / Horiz. Position", "Ordinate",
                                                             "Steigung"}));
    EXPECT_TRUE(Versteckt(87));

    liste->setCurrentIndex(2);
    emit liste->activated(2);
    EXPECT_EQ(Test().m_nDiagrammwahl, 3);
    EXPECT_EQ(Texte({86, 64, 65, 66, 67}),
              (std::vector<std::string>{"Antworthfgkt. 'rechts' / horiz. Lage Trennlinie", "Grenzwert", "10,0 %",
                                        "Sigma", Text(58)}));
    EXPECT_FALSE(NurLesen(65));
    CRecorderDC dc;
    m_ansicht->OnDraw(&dc);
    EXPECT_GT(dc.Von(CRecorderDC::Art::Linie).size(), 50u);
    Bild("testansicht_bericht");

    // No relation chosen: the box is idle and no chart is drawn.
    m_ansicht->OnSelchangeBerichtAuswahl(-1);
    EXPECT_EQ(Test().m_nDiagrammwahl, 0);
    EXPECT_EQ(Texte({86, 64, 65, 66, 67}), (std::vector<std::string>{"Verteilung der Vordergrundaufgabe",
                                                                     "Ordinate", "---", "Steigung", "---"}));
    EXPECT_FALSE(An(86));
    EXPECT_FALSE(An(64));
    EXPECT_TRUE(NurLesen(65));
    EXPECT_FALSE(Versteckt(87));
    CRecorderDC leer;
    m_ansicht->OnDraw(&leer);
    EXPECT_TRUE(leer.Eintraege().empty());
}

TEST_F(TestansichtTest, BerichteOhneErgebnisOderHintergrundtreffer)
{
    // Method of adjustment with horizontal and vertical values.
    CTestBericht einstellung = KonstanteReize(kLinien | kEinstellung | kHoriz | kVert | kMitHG | kKeinStandard);
    Berichte(1, einstellung);
    // A report that holds no result of either test kind.
    Berichte(1, KonstanteReize(kHoriz));
    m_ansicht->OnTestberichte();
    EXPECT_EQ(Texte({54, 55}), (std::vector<std::string>{"Mittelwert", "Stdabw."}));
    EXPECT_FALSE(NurLesen(60));
    EXPECT_EQ(Text(75), "---");
    EXPECT_TRUE(NurLesen(75));
    EXPECT_EQ(Text(77), "---");
    EXPECT_TRUE(NurLesen(77));
    // Neither correct reactions nor false alarms.
    EXPECT_EQ(Texte({80, 82, 83, 85}), (std::vector<std::string>{"0", "0", "n. a.", "n. a."}));

    m_ansicht->OnNaechsterBericht();
    EXPECT_EQ(Texte({54, 55, 52, 57, 58, 60, 61, 80, 83}),
              (std::vector<std::string>{"Mittelwert", "Stdabw.", "---", "---", "---", "---", "---", "---", "---"}));
    EXPECT_FALSE(An(54));
    EXPECT_TRUE(NurLesen(52));
    EXPECT_TRUE(NurLesen(80));
    EXPECT_EQ(Text(75), "256 pxl/s");
    EXPECT_FALSE(qobject_cast<QComboBox*>(m_ansicht->Steuerelement(63))->isEnabled());
    EXPECT_FALSE(Versteckt(87));
}

TEST_F(TestansichtTest, MenueKnoepfeUndBlaettern)
{
    Berichte(3);
    EXPECT_TRUE(m_app->GetMainWnd()->menuBar()->actions()[4]->isEnabled());
    EXPECT_FALSE(MenueAn(0));
    EXPECT_TRUE(MenueAn(1));
    EXPECT_EQ(Knoepfe(), std::vector<int>{32864});

    m_app->GetMainWnd()->Befehl(32864);
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "1 / 3", "2 / 4"}));
    EXPECT_EQ(Knoepfe(), (std::vector<int>{32862, 32868, 32870}));
    m_ansicht->OnVorherigerBericht();  // the first stays the first
    EXPECT_EQ(Text(90), "1 / 3");
    m_app->GetMainWnd()->Befehl(32868);
    m_app->GetMainWnd()->Befehl(32868);
    m_app->GetMainWnd()->Befehl(32868);
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "3 / 3", "4 / 4"}));
    EXPECT_TRUE(MenueAn(3));
    EXPECT_FALSE(MenueAn(4));
    EXPECT_EQ(Knoepfe(), (std::vector<int>{32862, 32866, 32870}));

    Test().m_nSeite = 9;
    Test().m_nBerichtNr = 7;
    m_ansicht->ZeigeSeite();
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "3 / 3", "4 / 4"}));

    m_app->GetMainWnd()->Befehl(32862);
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testangaben", "0 / 3", "1 / 4"}));
    EXPECT_EQ(Test().m_nBerichtNr, 3);
}

TEST_F(TestansichtTest, PraesentationHaengtDenBerichtAn)
{
    Berichte(3);
    m_skript.testbericht = KonstanteReize(kLinien | kKonstant | kHoriz);
    m_skript.testbericht.m_dLaufzeit = 12.0;
    m_app->GetMainWnd()->Befehl(32834);
    EXPECT_EQ(m_skript.testlaeufe, 1);
    EXPECT_EQ(m_skript.laeufe, 0);
    EXPECT_EQ(Test().GetBerichtAnzahl(), 4);
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "4 / 4", "5 / 5"}));
    EXPECT_EQ(Text(73), "12,0 s");
    EXPECT_TRUE(m_meldungen->Texte().empty());

    m_skript.hinweis = 1;
    m_skript.hinweisText = "Der Bildschirmmodus wurde angepasst.";
    m_ansicht->OnPraesentation();
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>{"Hinweis: Der Bildschirmmodus wurde angepasst."});
    EXPECT_EQ(Text(90), "5 / 5");

    m_meldungen->m_meldungen.clear();
    m_doc->SetModifiedFlag(false);
    m_skript.code = 2;
    m_skript.fehler = "X";
    m_ansicht->OnPraesentation();
    EXPECT_EQ(m_meldungen->Texte(), std::vector<std::string>{"Fehler 2: X"});
    EXPECT_EQ(Test().GetBerichtAnzahl(), 5);
    EXPECT_FALSE(m_doc->IsModified());
}

TEST_F(TestansichtTest, LoeschenFragtUndZeigtDenFolgenden)
{
    CTestBericht b = KonstanteReize(kLinien | kKonstant | kHoriz);
    for (int i = 1; i <= 3; ++i) {
        b.m_dLaufzeit = i;
        Test().SetBericht(i - 1, b);
    }
    Test().m_nBerichtNr = 2;
    Test().m_nSeite = 3;
    Antworte(2);
    m_ansicht->OnBerichtLoeschen();
    EXPECT_EQ(Test().GetBerichtAnzahl(), 3);
    Antworte(1);
    m_app->GetMainWnd()->Befehl(32870);
    EXPECT_EQ(m_fragen, (std::vector<std::string>(2, "Möchten Sie wirklich den Testbericht 2 löschen?")));
    EXPECT_EQ(Test().GetBerichtAnzahl(), 2);
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "2 / 2", "3 / 3"}));
    EXPECT_EQ(Text(73), "3,0 s");

    Antworte(2);
    m_app->GetMainWnd()->Befehl(32872);
    EXPECT_EQ(m_fragen.back(), "Möchten Sie wirklich alle Testberichte löschen?");
    EXPECT_EQ(Text(92), "3 / 3");
    Antworte(1);
    m_ansicht->OnAlleBerichteLoeschen();
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testangaben", "0 / 0", "1 / 1"}));
    EXPECT_FALSE(m_app->GetMainWnd()->menuBar()->actions()[4]->isEnabled());
}

TEST_F(TestansichtTest, FarbfelderUnabhaengigVonDerTestart)
{
    CFarben f = Test().GetFarben();
    f.m_crBeispielreiz = 0x00FF00;
    f.m_crVordergrund = 0x0000FF;
    Test().SetFarben(f);
    Test().SetTestart(20);
    m_ansicht->ZeigeSeite();
    CRecorderDC dc;
    m_ansicht->OnDraw(&dc);
    const auto felder = dc.Von(CRecorderDC::Art::Rechteck);
    ASSERT_EQ(felder.size(), 5u);
    EXPECT_EQ(felder[0]->brushFarbe, 0x0000FFu);
    EXPECT_EQ(felder[0]->punkte[0].y, 212);
    EXPECT_EQ(felder[1]->brushFarbe, 0x00FF00u);
    EXPECT_EQ(felder[1]->punkte[0].y, 233);
    EXPECT_EQ(felder[1]->pen.lopnColor, 0xFFFFFFu);
    EXPECT_EQ(felder[4]->punkte[0].x, 540);
    EXPECT_EQ(felder[4]->brushFarbe, f.m_crZielmuster);
    Bild("testansicht_angaben");

    Test().m_nSeite = 2;  // no report: the settings page
    m_ansicht->OnDraw(&dc);
    EXPECT_EQ(Test().m_nSeite, 1);
}

TEST_F(TestansichtTest, GanzerLinienhalbierungslaufAufDemSpeicherbildschirm)
{
    // The real engine: Enter leaves the ready screen, the mark is moved a
    // little and each of the four lines is answered with the end key.
    SetDarbietungsFabrik({});
    m_anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    m_anzeige->Druecken(VK_LEFT, 1100.0, 1200.0);
    for (int i = 0; i < 4; ++i)
        m_anzeige->Druecken(VK_SPACE, 1300.0 + 1200.0 * i, 1320.0 + 1200.0 * i);
    m_ansicht->OnPraesentation();
    EXPECT_TRUE(m_meldungen->Texte().empty());
    ASSERT_EQ(Test().GetBerichtAnzahl(), 1);
    EXPECT_EQ(Fusszeile(), (std::vector<std::string>{"Testbericht", "1 / 1", "2 / 2"}));
    EXPECT_EQ(Texte({54, 55}), (std::vector<std::string>{"Mittelwert", "Stdabw."}));
    // Mean time of the four answers, and the horizontal deviation in %.
    EXPECT_NE(Text(52).find(" s"), std::string::npos);
    EXPECT_NE(Text(57).find(" %"), std::string::npos);
    EXPECT_EQ(Text(60), "---");
    EXPECT_EQ(Text(75).find(" pxl/s"), Text(75).size() - 6);
    EXPECT_EQ(Texte({80, 83}), (std::vector<std::string>{"---", "---"}));
    EXPECT_EQ(qobject_cast<QComboBox*>(m_ansicht->Steuerelement(63))->count(), 3);
    Bild("testansicht_lauf");
}
