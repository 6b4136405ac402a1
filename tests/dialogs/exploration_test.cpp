#include "dialog_umfeld.h"
#include "dialogs/explorationdlg.h"

namespace {

class ExplorationSeite : public DialogTest {
protected:
    void Oeffnen(int strategie, int zeilen = 2, int spalten = 2)
    {
        CExploration e = training.GetExploration();
        e.m_nStrategie = strategie;
        e.m_nZellenZeilen = zeilen;
        e.m_nZellenSpalten = spalten;
        training.SetExploration(e);
        seite.hide();
        Zeige(seite, 20);
    }
    CExplorationDlg seite;
};

TEST_F(ExplorationSeite, AndereAufgabeUndStrategien)
{
    Zeige(seite, 10);
    EXPECT_FALSE(An(seite, "strategie20"));
    for (const char* name : {"zellen", "zielliste", "geordnet", "freiLinks"})
        EXPECT_FALSE(Frei(seite, name)) << name;
    Klicke(seite, "strategie20");
    EXPECT_EQ(training.GetAufgabenart(), 20);
    EXPECT_TRUE(Frei(seite, "freiLinks"));
    auto* ziele = Teil<QComboBox>(seite, "zielliste");
    EXPECT_EQ(ziele->itemText(0), "---");
    EXPECT_EQ(ziele->count(), umgebung.m_Reizkatalog.m_nAnzahlSaetze + 1);
    Bild(seite, "seite_exploration");

    Klicke(seite, "strategie50");
    EXPECT_EQ(training.GetExploration().m_nStrategie, 50);
    EXPECT_TRUE(Frei(seite, "zellen"));
    EXPECT_FALSE(Frei(seite, "zielliste"));
    EXPECT_TRUE(An(seite, "pseudozufaellig")); // set by the setter
    Waehle(seite, "zellen", 5);
    EXPECT_EQ(training.GetExploration().m_nZellenZeilen, 4);
    EXPECT_EQ(training.GetExploration().m_nZellenSpalten, 5);
    Klicke(seite, "strategie11");
    EXPECT_FALSE(Frei(seite, "pseudozufaellig"));
    EXPECT_TRUE(An(seite, "geordnet"));
    EXPECT_EQ(training.GetExploration().m_nAnordnung, 0);
}

TEST_F(ExplorationSeite, ListenZellenUndFreiflaeche)
{
    // Grids the list holds show as stored; others show no entry and stay.
    for (auto [zeilen, spalten, eintrag] :
         {std::tuple{2, 4, -1}, std::tuple{5, 5, -1}, std::tuple{3, 2, -1}, std::tuple{2, 3, 1}, std::tuple{4, 5, 5}}) {
        Oeffnen(30, zeilen, spalten);
        EXPECT_EQ(Teil<QComboBox>(seite, "zellen")->currentIndex(), eintrag) << zeilen << " x " << spalten;
        Waehle(seite, "zielliste", 1);
        EXPECT_EQ(training.GetExploration().m_nZellenZeilen, zeilen);
        EXPECT_EQ(training.GetExploration().m_nZellenSpalten, spalten);
    }
    Oeffnen(50);
    Waehle(seite, "zellen", 3);
    EXPECT_EQ(training.GetExploration().m_nZellenZeilen, 3);
    EXPECT_EQ(training.GetExploration().m_nZellenSpalten, 4);

    Oeffnen(30);
    Waehle(seite, "zielliste", 0);
    EXPECT_EQ(training.GetExploration().m_nZielliste, -1);
    EXPECT_FALSE(Frei(seite, "zielVon"));
    // Half the display width left of the centre at the most.
    Tippe(seite, "freiLinks", "-25");
    EXPECT_EQ(Text(seite, "freiLinks"), "-20,0");
    EXPECT_DOUBLE_EQ(training.GetExploration().m_Freiflaeche.left, -0.5);
}

} // namespace
