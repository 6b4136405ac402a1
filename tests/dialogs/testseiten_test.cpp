#include <QTabWidget>

#include "dialogs/laengendlg.h"
#include "dialogs/leeretestseiten.h"
#include "dialogs/liniendlg.h"
#include "dialogs/testsheet.h"
#include "dialog_umfeld.h"
#include "platform/meldung.h"

namespace {

class TestSeiten : public DialogTest {
protected:
    template <class Seite>
    void Oeffnen(Seite& seite, int art)
    {
        test.SetTestart(art);
        seite.SetTest(&profil, &umgebung, &test);
        seite.show();
    }
};

// Everything the page disables while the test is of another kind.
const char* const kLinks[] = {"startTaste",      "starttaste",   "startZeit",  "pauseZwischen",  "pauseMin",
                              "pauseUnd",        "pauseMax",     "horizontal", "vertikal",       "geschwindigkeitText",
                              "geschwindigkeit", "endtasteText", "endtaste",   "wiederholungen", "reihenfolge",
                              "beginn"};

// ---- line bisection

TEST_F(TestSeiten, LinienFelder)
{
    CLinienDlg seite;
    Oeffnen(seite, TESTART_LINIEN);
    EXPECT_EQ(Text(seite, "geschwindigkeit"), "2,2");
    EXPECT_EQ(Text(seite, "permutationen"), "4");
    EXPECT_EQ(Text(seite, "hDicke"), "0,2"); // 0.006 of 30 cm, across the line
    EXPECT_EQ(Text(seite, "hPositionVon"), "-7,0");
    EXPECT_TRUE(Teil<QLineEdit>(seite, "permutationen")->isReadOnly());
    EXPECT_FALSE(Frei(seite, "unten"));
    Bild(seite, "seite_linien");

    Tippe(seite, "hLaengeStufen", "1");
    EXPECT_EQ(Text(seite, "hLaengeBis"), "12,2");
    EXPECT_EQ(Text(seite, "permutationen"), "2");
    Tippe(seite, "vPositionStufen", "3");
    EXPECT_EQ(test.GetLinien().m_nPermutationen, 6);

    Tippe(seite, "hTrennVon", "37,56");
    EXPECT_DOUBLE_EQ(test.GetLinien().m_dHTrennVon, 0.376);
    EXPECT_EQ(Text(seite, "hTrennVon"), "37,6");
    Tippe(seite, "hDicke", "0,9");
    EXPECT_DOUBLE_EQ(test.GetLinien().m_dHDicke, 0.03); // 0.9 of 30 cm
    // Letters in a count read as 0, which the model raises to 1.
    Tippe(seite, "wiederholungen", "abc");
    EXPECT_EQ(Text(seite, "wiederholungen"), "1");
}

TEST_F(TestSeiten, LinienAndereArtBisZumVerfahren)
{
    CLinienDlg seite;
    Oeffnen(seite, TESTART_LAENGEN);
    EXPECT_FALSE(An(seite, "verfahrenA"));
    for (const char* name : kLinks)
        EXPECT_FALSE(Frei(seite, name)) << name;
    EXPECT_TRUE(Frei(seite, "verfahrenB"));
    const CLinien vorher = test.GetLinien();
    Teil<QLineEdit>(seite, "wiederholungen")->setText("9");
    Waehle(seite, "reihenfolge", 2);
    EXPECT_EQ(test.GetLinien().m_nWiederholungen, vorher.m_nWiederholungen);
    EXPECT_EQ(test.GetLinien().m_nReihenfolge, vorher.m_nReihenfolge);
    EXPECT_EQ(test.GetTestart(), TESTART_LAENGEN);

    Klicke(seite, "verfahrenB");
    EXPECT_EQ(test.GetTestart(), TESTART_LINIEN);
    EXPECT_EQ(test.GetLinien().m_nVerfahren, 20);
    EXPECT_FALSE(Frei(seite, "endtaste"));
    // Constant stimuli: the horizontal divider has at least two steps.
    EXPECT_EQ(Text(seite, "hTrennStufen"), "2");
    EXPECT_EQ(Text(seite, "permutationen"), "8");

    Klicke(seite, "startTaste");
    EXPECT_EQ(test.GetLinien().m_nIntervallModus, 1);
    EXPECT_TRUE(Frei(seite, "starttaste"));
    EXPECT_FALSE(Frei(seite, "pauseMin"));

    Klicke(seite, "vertikal");
    EXPECT_EQ(test.GetLinien().m_nOrientierung, 3);
    EXPECT_TRUE(Frei(seite, "unten"));
    Klicke(seite, "horizontal");
    EXPECT_EQ(test.GetLinien().m_nOrientierung, 2);
    // No direction at all is stored as 0, which the model makes horizontal.
    Klicke(seite, "vertikal");
    EXPECT_EQ(test.GetLinien().m_nOrientierung, 1);
    EXPECT_TRUE(An(seite, "horizontal"));
}

TEST_F(TestSeiten, ListenOhneEintragBehaltenIhrenWert)
{
    // An order beyond the list and keys beyond the key table, as a file of
    // another environment may hold them.
    CLinien l = test.GetLinien();
    l.m_nReihenfolge = 9;
    l.m_nTasteLinks = 500;
    l.m_nStartTaste = -4;
    test.SetLinien(l);
    CLinienDlg seite;
    Oeffnen(seite, TESTART_LINIEN);
    const int letzte = umgebung.m_Tastenliste.GetAnzahl() - 1;
    EXPECT_EQ(Teil<QComboBox>(seite, "reihenfolge")->currentIndex(), -1);
    EXPECT_EQ(Teil<QComboBox>(seite, "links")->currentIndex(), letzte);
    EXPECT_EQ(Teil<QComboBox>(seite, "starttaste")->currentIndex(), 0);

    Tippe(seite, "wiederholungen", "3");
    EXPECT_EQ(test.GetLinien().m_nWiederholungen, 3);
    EXPECT_EQ(test.GetLinien().m_nReihenfolge, 9);
    EXPECT_EQ(test.GetLinien().m_nTasteLinks, letzte);
    EXPECT_EQ(test.GetLinien().m_nStartTaste, 0);
    EXPECT_EQ(test.GetLinien().m_nTasteRechts, l.m_nTasteRechts);
}

TEST_F(TestSeiten, LinienOhneUmgebung)
{
    CLinienDlg seite;
    test.SetTestart(TESTART_LINIEN);
    seite.SetTest(&profil, nullptr, &test);
    seite.show();
    EXPECT_EQ(Teil<QComboBox>(seite, "links")->count(), 0);
    EXPECT_EQ(Text(seite, "hPositionVon"), "");
    EXPECT_FALSE(Frei(seite, "hPositionVon"));
}

// ---- length estimation

TEST_F(TestSeiten, LaengenZeigtUndWaehltDieTestart)
{
    CLaengenDlg seite;
    Oeffnen(seite, TESTART_LINIEN);
    EXPECT_FALSE(An(seite, "verfahrenA"));
    EXPECT_FALSE(Frei(seite, "pauseMin")); // the left column both pages share
    Klicke(seite, "verfahrenA");
    EXPECT_EQ(test.GetTestart(), TESTART_LAENGEN);
    EXPECT_TRUE(Frei(seite, "schmaeler"));
    EXPECT_FALSE(Frei(seite, "kleiner"));
    EXPECT_EQ(Text(seite, "bspHoeheVon"), "0,9"); // 0.029 of 30 cm
    EXPECT_EQ(Text(seite, "testBreiteVon"), "50,0");
    Bild(seite, "seite_laengen");

    Tippe(seite, "testBreiteStufen", "2");
    Tippe(seite, "testBreiteVon", "75");
    EXPECT_DOUBLE_EQ(test.GetLaengen().m_dTestBreiteVon, 0.75);
    EXPECT_EQ(Text(seite, "testBreiteVon"), "75,0");
    Tippe(seite, "testBreiteBis", "200");
    EXPECT_EQ(Text(seite, "testBreiteBis"), "150,0");
    EXPECT_EQ(test.GetLaengen().m_nPermutationen, 6);
}

// ---- sheet

TEST_F(TestSeiten, BlattStartseiteNachDerTestart)
{
    const std::pair<int, const char*> faelle[] = {
        {TESTART_LAENGEN, "Längenschätzung"}, {TESTART_LINIEN, "Linienhalbierung"}, {30, "Linienhalbierung"}};
    for (const auto& [art, titel] : faelle) {
        test.SetTestart(art);
        CTestSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTest(&profil, &umgebung, test);
        EXPECT_EQ(Ausfuehren(blatt, [&] { Klicke(blatt, "abbrechen"); }), IDCANCEL);
        EXPECT_EQ(blatt.GetAktiveSeite()->GetTitel().toStdString(), titel) << art;
    }
}

TEST_F(TestSeiten, BlattAbbrechenUndUebernehmen)
{
    CTestBericht bericht;
    test.SetBericht(0, bericht);
    for (const char* knopf : {"abbrechen", "ok"}) {
        CTestSheet blatt("Vordergrundaufgabe ändern");
        blatt.SetTest(&profil, &umgebung, test);
        const int antwort = Ausfuehren(blatt, [&] {
            blatt.GetReiter()->setCurrentIndex(1);
            Klicke(blatt.GetLaengenSeite(), "verfahrenA");
            Tippe(blatt.GetLaengenSeite(), "wiederholungen", "4");
            // Back on the line-bisection page its method is no longer chosen.
            blatt.GetReiter()->setCurrentIndex(0);
            EXPECT_FALSE(An(blatt.GetLinienSeite(), "verfahrenA"));
            EXPECT_FALSE(Frei(blatt.GetLinienSeite(), "pauseMin"));
            Klicke(blatt, knopf);
        });
        if (antwort == IDOK)
            blatt.GetTest(test);
        else
            EXPECT_EQ(test.GetTestart(), TESTART_LINIEN); // cancelled: untouched
    }
    EXPECT_EQ(test.GetTestart(), TESTART_LAENGEN);
    EXPECT_EQ(test.GetLaengen().m_nWiederholungen, 4);
    EXPECT_EQ(test.GetBerichtAnzahl(), 0);
}

} // namespace

TEST_F(TestSeiten, SeitenDerTestartenOhneDatensatz)
{
    CMittenDlg mitte;
    CExtinktionDlg extinktion;
    CExplorTestDlg exploration;
    const CLinienDlg linien;
    test.SetTestart(TESTART_MITTE);
    for (auto [seite, titel] : {std::pair<CLeereTestSeite*, const char*>{&mitte, "Subjektive Mitte"},
                                {&extinktion, "Extinktion"},
                                {&exploration, "Exploration"}}) {
        seite->SetTest(&profil, &umgebung, &test);
        seite->show();
        EXPECT_EQ(seite->GetTitel(), titel);
        EXPECT_TRUE(seite->findChildren<QWidget*>().isEmpty()) << titel;
        EXPECT_EQ(seite->size(), linien.size());
    }
    EXPECT_EQ(test.GetTestart(), TESTART_MITTE);
}
