#include "dialog_umfeld.h"
#include "dialogs/laengendlg.h"
#include "dialogs/liniendlg.h"

namespace {

class TestSeiten : public DialogTest {
protected:
    template <class Seite>
    void Oeffnen(Seite& seite, int art, bool mitUmgebung = true)
    {
        test.SetTestart(art);
        seite.SetTest(&profil, mitUmgebung ? &umgebung : nullptr, &test);
        seite.show();
    }
};

// An order beyond the list and keys beyond the key table, as a file of
// another environment may hold them: lists without an entry keep their value,
// keys are brought into the table.
TEST_F(TestSeiten, LinienFelderUndListen)
{
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
    EXPECT_EQ(Text(seite, "hDicke"), "0,2"); // 0.006 of 30 cm, across the line
    EXPECT_EQ(Text(seite, "hPositionVon"), "-7,0");

    Tippe(seite, "hLaengeStufen", "1");
    EXPECT_EQ(test.GetLinien().m_nReihenfolge, 9);
    EXPECT_EQ(test.GetLinien().m_nTasteLinks, letzte);
    EXPECT_EQ(test.GetLinien().m_nStartTaste, 0);
    EXPECT_EQ(test.GetLinien().m_nTasteRechts, l.m_nTasteRechts);
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

    CLinienDlg ohneUmgebung;
    Oeffnen(ohneUmgebung, TESTART_LINIEN, false);
    EXPECT_EQ(Teil<QComboBox>(ohneUmgebung, "links")->count(), 0);
    EXPECT_EQ(Text(ohneUmgebung, "hPositionVon"), "");
    EXPECT_FALSE(Frei(ohneUmgebung, "hPositionVon"));
}

TEST_F(TestSeiten, LinienAndereArtBisZumVerfahren)
{
    CLinienDlg seite;
    Oeffnen(seite, TESTART_LAENGEN);
    EXPECT_FALSE(An(seite, "verfahrenA"));
    for (const char* name : {"startTaste", "starttaste", "startZeit", "pauseMin", "pauseMax", "horizontal", "vertikal",
                             "geschwindigkeit", "endtaste", "wiederholungen", "reihenfolge", "beginn"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    const CLinien vorher = test.GetLinien();
    Teil<QLineEdit>(seite, "wiederholungen")->setText("9");
    Waehle(seite, "reihenfolge", 2);
    EXPECT_EQ(test.GetLinien().m_nWiederholungen, vorher.m_nWiederholungen);
    EXPECT_EQ(test.GetLinien().m_nReihenfolge, vorher.m_nReihenfolge);
    EXPECT_EQ(test.GetTestart(), TESTART_LAENGEN);

    Klicke(seite, "verfahrenB");
    EXPECT_EQ(test.GetTestart(), TESTART_LINIEN);
    EXPECT_EQ(test.GetLinien().m_nVerfahren, 20);
    // Constant stimuli: the horizontal divider has at least two steps.
    EXPECT_EQ(Text(seite, "hTrennStufen"), "2");
    EXPECT_EQ(Text(seite, "permutationen"), "8");
    Klicke(seite, "startTaste");
    EXPECT_EQ(test.GetLinien().m_nIntervallModus, 1);
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

TEST_F(TestSeiten, LaengenZeigtUndWaehltDieTestart)
{
    CLaengenDlg seite;
    Oeffnen(seite, TESTART_LINIEN);
    Klicke(seite, "verfahrenA");
    EXPECT_TRUE(Frei(seite, "schmaeler"));
    EXPECT_FALSE(Frei(seite, "kleiner"));

    Tippe(seite, "testBreiteStufen", "2");
    Tippe(seite, "testBreiteVon", "75");
    EXPECT_DOUBLE_EQ(test.GetLaengen().m_dTestBreiteVon, 0.75);
    Tippe(seite, "testBreiteBis", "200");
    EXPECT_EQ(Text(seite, "testBreiteBis"), "150,0");
    EXPECT_EQ(test.GetLaengen().m_nPermutationen, 6);
}

} // namespace
