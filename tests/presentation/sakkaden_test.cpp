#include "support/laufumfeld.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

namespace {

TEST(Sakkaden, SchrittweiseNachRechtsMitUmlauf)
{
    CLaufUmfeld u;
    testanzeige::Sakkaden(u.training, 30, 0.5, 1.0);
    CSakkaden s = u.training.GetSakkaden();
    s.m_nSpalten = 12;
    s.m_nSchrittXMin = s.m_nSchrittXMax = 1;
    s.m_nSchrittYMin = s.m_nSchrittYMax = 0;
    u.training.SetSakkaden(s);
    CHGBewegung b = u.training.GetHGBewegung();
    b.m_nRichtung = 1;
    u.training.SetHGBewegung(b);
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_nAnzahl, 30);
    // From the leftmost column one column a trial, from column 12 back to 1.
    const RECT r0 = p.m_Rechtecke2.GetAt(0);
    EXPECT_LT(r0.left, 1024 / 12);
    for (int i = 1; i < 12; ++i)
        EXPECT_GT(p.m_Rechtecke2.GetAt(i).left, p.m_Rechtecke2.GetAt(i - 1).left) << i;
    for (int i : {12, 24})
        EXPECT_EQ(p.m_Rechtecke2.GetAt(i).left, r0.left) << i;
}

TEST(Sakkaden, TrainingVonDerVorbereitungBisZumBericht)
{
    CLaufUmfeld u;
    testanzeige::Sakkaden(u.training, 5, 0.5, 1.0);
    auto& a = *u.anzeige;
    a.Druecken(VK_RETURN, 5.0, 8.0);
    a.Druecken(VK_SPACE, 200.0, 230.0); // before the first target
    a.Druecken(VK_SPACE, 700.0, 730.0); // target 0 came at about 510 ms
    a.Druecken(VK_SPACE, 1400.0, 1430.0); // target 1 at about 1210 ms
    // target 2 (about 1920 ms) gets no reaction and ends after 1 s
    a.Druecken(VK_SPACE, 3300.0, 3330.0); // in the pause, booked on target 3
    a.Druecken(VK_SPACE, 3700.0, 3730.0); // target 3 at about 3430 ms
    a.Druecken(VK_SPACE, 4400.0, 4430.0); // target 4 at about 4220 ms
    CPraesentation p;
    ASSERT_EQ(u.Darbieten(p), 0) << p.m_strFehler;
    const CTrainingsBericht& b = p.m_TrainingsBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 5);
    EXPECT_EQ(b.GetZaehler1(0), 1u);
    EXPECT_EQ(b.GetZaehler1(3), 1u);
    EXPECT_EQ(b.SummeZaehler1(), 2);
    for (int i : {0, 1, 3, 4}) {
        EXPECT_EQ(b.GetMarke(i), 1u) << i;
        EXPECT_GT(b.GetZeit(i), 150u) << i;
        EXPECT_LT(b.GetZeit(i), 300u) << i;
    }
    EXPECT_EQ(b.GetMarke(2), 0u);
    EXPECT_EQ(b.GetZeit(2), 1000u);
    EXPECT_NEAR(b.m_dLaufzeit, 4.35, 0.06); // tenths of a second
}

} // namespace
