#include "laufumfeld.h"

#include "presentation/ablaufbits.h"
#include "presentation/exploration.h"

#include <gtest/gtest.h>


namespace {

// An exploration of letters on a plain field without a free area.
CExploration Feld(CLaufUmfeld& u, int strategie)
{
    u.training.SetAufgabenart(20);
    CExploration e = u.training.GetExploration();
    e.m_nStrategie = strategie;
    e.m_nFreiflaecheAktiv = 0;
    e.m_nZielliste = 0;
    e.m_nDistraktorliste = 0;
    return e;
}

TEST(Exploration, Pfade)
{
    EXPECT_EQ(ExplorationsPfad(2, 3, true), (std::vector<POINT>{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}}));
    EXPECT_EQ(ExplorationsPfad(2, 3, false), (std::vector<POINT>{{1, 1}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {3, 2}}));
}

TEST(Exploration, Suchfeld)
{
    CLaufUmfeld u;
    CExploration e = Feld(u, 40);
    e.m_nZielVon = 1;
    e.m_nZielBis = 3;         // A, B, C
    e.m_nDistraktorVon = 1;
    e.m_nDistraktorBis = 5;   // A to E: only D and E remain
    e.m_nHaeufigkeit = 2;
    e.m_nZeilen = 4;
    e.m_nSpalten = 5;
    u.training.SetExploration(e);
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_nAnzahl, 1);
    EXPECT_EQ(p.m_nAufgabe, aufgabe::PASSIV | aufgabe::TRAINING);
    const RECT feld = p.m_Rechtecke2.GetAt(0);
    EXPECT_EQ(feld.left, 25);  // 0.95 of 1024 is 973, centred
    EXPECT_EQ(feld.right - feld.left, 973);
    EXPECT_EQ(p.m_Rechtecke1.GetAt(0).right, 973);
    u.Speichern(p.m_pRueckpuffer, "exploration_bereit");
}

TEST(Exploration, DemonstrationspfadUndRandstrategien)
{
    for (int strategie : {11, 12, 20, 30}) {
        CLaufUmfeld u;
        CExploration e = Feld(u, strategie);
        e.m_nZielBis = 10;
        e.m_nZeilen = 3;
        e.m_nSpalten = 4;
        e.m_nDistraktorliste = 1; // digits
        u.training.SetExploration(e);
        u.anzeige->Druecken(VK_RETURN, 2.0, 4.0);
        u.anzeige->Druecken(VK_ESCAPE, 100.0, 120.0);
        CPraesentation p;
        ASSERT_EQ(u.Darbieten(p), 0) << strategie << ": " << p.m_strFehler;
        EXPECT_EQ(p.m_TrainingsBericht.m_nAufgabenart, 20);
    }
}

} // namespace
