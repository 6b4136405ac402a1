#include "model/testaufgaben.h"

#include <gtest/gtest.h>

#include <climits>

TEST(CLinien, BereicheUndGrenzen)
{
    CLinien l;
    l.m_dHLaengeBis = 0.8;
    l.m_dHPositionVon = -0.3;
    l.m_dHPositionBis = 0.3;
    l.m_dGeschwindigkeit = 2.0;
    l.m_nVerfahren = 7;
    l.m_nOrientierung = 4;
    l.m_dHTrennVon = -0.7;
    l.m_dHTrennBis = 0.9;
    LinienBegrenzen(l);
    EXPECT_DOUBLE_EQ(l.m_dHPositionVon, -0.1);
    EXPECT_DOUBLE_EQ(l.m_dHPositionBis, 0.1);
    EXPECT_DOUBLE_EQ(l.m_dGeschwindigkeit, 2.0);
    EXPECT_EQ(l.m_nVerfahren, 10);
    EXPECT_EQ(l.m_nOrientierung, 1);
    EXPECT_EQ(l.m_dHTrennVon, -0.5);
    EXPECT_EQ(l.m_dHTrennBis, -0.5); // one step: upper follows lower

    l.m_dGeschwindigkeit = 500.0;
    l.m_dHDicke = -0.01;
    l.m_dVDicke = -0.02;
    LinienBegrenzen(l);
    EXPECT_EQ(l.m_dGeschwindigkeit, 120.0);
    EXPECT_EQ(l.m_dHDicke, 0.0);
    EXPECT_EQ(l.m_dVDicke, 0.0);
    l.m_nVerfahren = 15; // unknown: no name, method 0
    EXPECT_EQ(l.GetVerfahrenName(), "---");
    EXPECT_EQ(l.m_nVerfahren, 0);

    // Constant stimuli need two mark steps; two steps keep the range.
    l.m_nVerfahren = 20;
    l.m_nOrientierung = 3;
    l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nHTrennStufen = 1;
    l.m_nVLaengeStufen = l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
    l.m_dHTrennVon = 0.2;
    l.m_dHTrennBis = 0.4;
    LinienBegrenzen(l);
    EXPECT_EQ(l.m_nHTrennStufen, 2);
    EXPECT_EQ(l.m_nVTrennStufen, 2);
    EXPECT_EQ(l.m_nPermutationen, 4);
    EXPECT_DOUBLE_EQ(l.m_dHTrennBis, 0.4);
}

TEST(CLinien, StartdurchgangWirdUmgebrochen)
{
    const std::pair<int32_t, int32_t> faelle[] = {{-1, 3}, {9, 1}, {4, 4}, {8, 4}, {5, 1}, {-5, 3}};
    for (auto [start, erwartet] : faelle) {
        CLinien l; // 4 permutations
        l.m_nStartDurchgang = start;
        LinienBegrenzen(l);
        EXPECT_EQ(l.m_nStartDurchgang, erwartet) << start;
    }
    EXPECT_EQ(StartDurchgangBegrenzen(INT_MIN, 4), 0); // at once, no loop
    EXPECT_EQ(StartDurchgangBegrenzen(INT_MAX, 4), 3);
    // The length record's start trial is unsigned: -1 arrives as 4294967295.
    EXPECT_EQ(StartDurchgangBegrenzen(0xFFFFFFFFu, 3), 3u);
    EXPECT_EQ(StartDurchgangBegrenzen(6u, 3), 3u);
}

TEST(CLinien, StufenproduktSaettigtErstUeberIntMax)
{
    EXPECT_EQ(StufenProdukt({65535, 32768}), 2147450880); // just below: exact
    EXPECT_EQ(StufenProdukt({INT_MAX, 1}), INT_MAX);
    EXPECT_EQ(StufenProdukt({65536, 32768}), INT_MAX); // 2^31
    EXPECT_EQ(StufenProdukt({2, 0, 5}), 1);
    CLinien l;
    l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nHTrennStufen = 100000;
    l.m_nWiederholungen = INT_MAX;
    l.m_nStartDurchgang = -7;
    LinienBegrenzen(l);
    EXPECT_EQ(l.m_nPermutationen, INT_MAX);
    EXPECT_EQ(l.m_nStartDurchgang, INT_MAX - 7);
    EXPECT_EQ(AnzahlDurchgaenge(l), INT64_MAX);
}

TEST(CLaengen, Testposition)
{
    const std::pair<double, double> faelle[] = {{-0.45, -0.317}, {-0.05, -0.183}, {0.05, 0.183}, {0.45, 0.317}};
    for (auto [von, erwartet] : faelle) {
        CLaengen l;
        l.m_dBspBreiteBis = 0.305;
        l.m_dTestBreiteVon = 1.2;
        l.m_dTestBreiteBis = 1.2;
        l.m_dTestPositionVon = von;
        l.m_dTestPositionBis = von;
        LaengenBegrenzen(l);
        EXPECT_NEAR(l.m_dTestPositionVon, erwartet, 1e-12) << von;
        EXPECT_NEAR(l.m_dTestPositionBis, erwartet, 1e-12) << von;
    }
}

TEST(CLaengen, GrenzenUndStufen)
{
    CLaengen l;
    l.m_dGeschwindigkeit = 2.0;
    l.m_uStartDurchgang = 7;
    LaengenBegrenzen(l);
    EXPECT_EQ(l.m_dGeschwindigkeit, 1.0);
    EXPECT_EQ(l.m_dTestHoeheVon, 0.5);
    EXPECT_EQ(l.m_dTestHoeheBis, 0.5);
    EXPECT_EQ(l.m_nPermutationen, 3);
    EXPECT_EQ(l.m_uStartDurchgang, 1u);

    CLaengen k;
    k.m_nVerfahren = 20;
    k.m_nOrientierung = 2;
    k.m_dBspHoeheVon = 0.6;
    k.m_dBspHoeheBis = 0.2;
    k.m_dTestHoeheVon = 1.4;
    k.m_dTestHoeheBis = 1.5;
    k.m_dVPositionVon = -0.5;
    k.m_dVPositionBis = 0.5;
    k.m_nVPositionStufen = 2;
    LaengenBegrenzen(k);
    EXPECT_EQ(k.m_dBspHoeheVon, 0.5);
    EXPECT_EQ(k.m_dBspHoeheBis, 0.5); // one step: follows the lower bound
    EXPECT_DOUBLE_EQ(k.m_dVPositionVon, -0.125); // the tallest bar stays on the screen
    EXPECT_DOUBLE_EQ(k.m_dVPositionBis, 0.125);
    EXPECT_EQ(k.m_nPermutationen, 12);
}
