#include <gtest/gtest.h>

#include "model/training.h"
#include "workplace/umgebung.h"

namespace {

void BerichteAnhaengen(CTraining& t, int n)
{
    CTrainingsBericht b;
    for (int i = 0; i < n; ++i) {
        b.m_nTag = i + 1;
        t.SetBericht(t.GetBerichtAnzahl(), &b);
    }
}

} // namespace

TEST(TrainingTest, ZuweisungLeertDieBerichte)
{
    CUmgebung umgebung;
    CTraining quelle;
    quelle.SetUmgebung(&umgebung);
    quelle.SetAufgabenart(20);
    CExploration e;
    e.m_nZeilen = 9;
    quelle.SetExploration(e);
    BerichteAnhaengen(quelle, 3);
    quelle.m_strPfad = "/tmp/a.lmt";

    CTraining ziel;
    BerichteAnhaengen(ziel, 2);
    ziel.m_nSeite = 3;
    ziel.m_nBerichtNr = 2;
    ziel.m_nDiagrammwahl = 4;
    ziel = quelle;
    EXPECT_EQ(ziel.GetUmgebung(), &umgebung);
    EXPECT_EQ(ziel.GetExploration().m_nZeilen, 9);
    EXPECT_EQ(ziel.m_strPfad, "/tmp/a.lmt");
    EXPECT_EQ(ziel.GetBerichtAnzahl(), 0);
    EXPECT_EQ(ziel.m_nSeite, 1);
    EXPECT_EQ(ziel.m_nBerichtNr, 0);
    EXPECT_EQ(ziel.m_nDiagrammwahl, 4);

    // A copy is made as a test's is: the settings without the reports.
    const CTraining kopie(quelle);
    EXPECT_EQ(kopie.GetUmgebung(), &umgebung);
    EXPECT_EQ(kopie.GetExploration().m_nZeilen, 9);
    EXPECT_EQ(kopie.GetBerichtAnzahl(), 0);
    EXPECT_EQ(quelle.GetBerichtAnzahl(), 3);

    ziel.SetAufgabenart(30);
    EXPECT_EQ(ziel.GetAufgabenart(), 30);
    EXPECT_EQ(ziel.GetAufgabenartName(), "Keine Auswahl");
}

TEST(TrainingTest, BerichteUndAngezeigteSeite)
{
    CTraining t;
    BerichteAnhaengen(t, 2);
    CTrainingsBericht b;
    b.m_nTag = 77;
    EXPECT_EQ(t.SetBericht(5, &b), 0);
    EXPECT_EQ(t.GetBerichtAnzahl(), 3);
    EXPECT_EQ(t.GetBericht(2)->m_nTag, 77);

    t.m_nBerichtNr = 3;
    t.m_nSeite = 4;
    EXPECT_EQ(t.BerichtLoeschen(2), 0);
    EXPECT_EQ(t.GetBerichtAnzahl(), 2);
    EXPECT_EQ(t.m_nBerichtNr, 2);
    EXPECT_EQ(t.m_nSeite, 3);

    t.BerichteZuruecksetzen();
    EXPECT_EQ(t.GetBerichtAnzahl(), 0);
    EXPECT_EQ(t.m_nSeite, 1);
}
