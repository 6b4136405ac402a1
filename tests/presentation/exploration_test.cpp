#include "laufumfeld.h"

#include "presentation/ablaufbits.h"
#include "presentation/exploration.h"
#include "testanzeige.h"
#include "workplace/verteilung.h"

#include <gtest/gtest.h>

#include <map>

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

// Which strip cell the block at r of the foreground shows: cell k of strip
// 1 as k, else of strip 2 as 100 + k; -1 for none.
int Zelle(CPraesentation& p, RECT r)
{
    for (int streifen = 0; streifen < 2; ++streifen) {
        const CBildstreifen& b = streifen ? p.m_Streifen2 : p.m_Streifen1;
        for (int k = 0; k < b.GetAnzahl(); ++k) {
            const RECT z = b.GetZelle(k);
            bool gleich = true;
            for (int y = 0; gleich && y < r.bottom - r.top; ++y)
                for (int x = 0; gleich && x < r.right - r.left; ++x)
                    gleich = testanzeige::Pixel(p.m_pVordergrund, r.left + x, r.top + y)
                        == testanzeige::Pixel(b.GetOberflaeche(), z.left + x, z.top + y);
            if (gleich)
                return streifen * 100 + k;
        }
    }
    return -1;
}

TEST(Exploration, Pfade)
{
    EXPECT_EQ(ExplorationsPfad(2, 3, true), (std::vector<POINT>{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}}));
    EXPECT_EQ(ExplorationsPfad(2, 3, false), (std::vector<POINT>{{1, 1}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {3, 2}}));
}

TEST(Exploration, SuchfeldOhneUeberlappendeDistraktoren)
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

    const int s = u.umgebung.AnteilInPixelY(e.m_dZeichengroesse);
    CVerteilung v;
    ASSERT_EQ(v.SetBereich(p.m_Rechtecke1.GetAt(0), RECT{0, 0, s, s}), 0);
    ASSERT_EQ(v.SetRaster(4, 5, 0x41), 0);
    std::map<int, int> anzahl;
    for (int i = 0; i < 20; ++i)
        ++anzahl[Zelle(p, v.GetRechteck(i))];
    EXPECT_EQ(anzahl[0], 2);
    EXPECT_EQ(anzahl[1], 2);
    EXPECT_EQ(anzahl[2], 2);
    // Letters look alike in both strips: D and E are found as cells 3 and 4.
    EXPECT_EQ(anzahl[3] + anzahl[4], 14);
    EXPECT_EQ(anzahl.size(), 5u);
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
