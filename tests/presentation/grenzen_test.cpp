// Background steps; extreme numbers and counts: saturated, clamped or the engine's own error.
#include <gtest/gtest.h>

#include "support/sanitizer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

#include "support/laufumfeld.h"
#include "testanzeige.h"
#include "presentation/hgbewegung.h"
#include "presentation/testreize.h"
#include "model/hintergrund.h"

TEST(HGBewegung, SchrittAufHalbePixelGerundet)
{
    CUmgebung u; // 1024 pixels wide
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(0.15, 1.0, u, 75), 2.0);
    EXPECT_NEAR(HGSchrittBetrag(0.02, 1.0, u, 75), 0.27307, 1e-5); // below a pixel: not rounded
    // 16 pixels per unit of speed at 64 Hz; half a pixel and less stay as they are.
    const std::pair<double, double> faelle[] = {{1.3, 1.5},  {1.8, 2.0}, {0.74, 0.5},
                                                {0.76, 1.0}, {0.5, 0.5}, {0.4, 0.4}};
    for (auto [pixel, erwartet] : faelle)
        EXPECT_DOUBLE_EQ(HGSchrittBetrag(pixel / 16.0, 1.0, u, 64), erwartet) << pixel;
    // At most half a cycle per tenth of a second: 2.0 becomes 0.5.
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(2.0, 0.1, u, 64), HGSchrittBetrag(0.5, 0.1, u, 64));
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(0.51, 0.1, u, 1), 512.0);
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(-0.49, 0.1, u, 1), 502.0); // 501.76 to the half pixel
}

// The default motion goes left at 0.15; no time (or no lap) is no speed.
TEST(HGBewegung, VorzeichenNachRichtungUndGeschwindigkeit)
{
    CUmgebung u;
    const CHGMuster m;
    CHGAufgabe tempo;
    CHGBewegung b;
    EXPECT_DOUBLE_EQ(HGSchritteBerechnen(m, b, tempo, u, 75).dNormal, 2.0);
    b.m_dGeschwindigkeit = -0.15;
    EXPECT_DOUBLE_EQ(HGSchritteBerechnen(m, b, tempo, u, 75).dNormal, -2.0);
    b.m_nRichtung = 1;
    b.m_dGeschwindigkeit = 0.15;
    tempo.m_nArt = 20;
    tempo.m_dZielgeschwindigkeit = -0.3;
    const CHGSchritte s = HGSchritteBerechnen(m, b, tempo, u, 75);
    EXPECT_DOUBLE_EQ(s.dNormal, -2.0);
    EXPECT_DOUBLE_EQ(s.dGeaendert, 4.0); // reversed
    CBildRunden r;
    EXPECT_EQ(r.Geschwindigkeit(2.0, u), 0.0);
    r.Eintragen(0);
    EXPECT_EQ(r.Geschwindigkeit(2.0, u), 0.0);
}

// Random dots repeat in whole elements (30 pixels), rounded to the nearest.
TEST(HGBewegung, PunktePeriodeInGanzenElementen)
{
    CUmgebung u;
    CHGMuster m;
    m.m_nArt = 30;
    m.m_dElementbreite = 30.0 / 1024.0;
    for (auto [zyklus, periode] : {std::pair{100, 90}, {110, 120}, {14, 0}, {16, 30}}) {
        m.m_dZyklusbreite = zyklus / 1024.0;
        EXPECT_EQ(HGGroessenBerechnen(m, u, 1024, 768).nPeriode, periode) << zyklus;
    }
}

TEST(Grenzen, ZeitenUndPixelSaettigen)
{
    EXPECT_EQ(InMillisekunden(0.0004), 0);
    EXPECT_EQ(InMillisekunden(0.0005), 1);
    EXPECT_EQ(InMillisekunden(6e15), 1'000'000'000'000);
    EXPECT_EQ(InMillisekunden(-HUGE_VAL), -1'000'000'000'000);
    EXPECT_EQ(InMillisekunden(std::nan("")), 0);
    // Sums of two such times, as the frame loop takes them, stay in range.
    EXPECT_EQ((InMillisekunden(6e15) + InMillisekunden(6e15)) / 2, 1'000'000'000'000);

    EXPECT_EQ(PixelRunden(2.5), 3);
    EXPECT_EQ(PixelRunden(1e300), 1'000'000'000);
    EXPECT_EQ(PixelRunden(-1e300), -1'000'000'000);
    EXPECT_EQ(PixelRunden(std::nan("")), 0);
}

TEST(Grenzen, HintergrundbewegungMitRiesigemOderUngueltigemSchritt)
{
    int versatz = -1;
    EXPECT_DOUBLE_EQ(HGPositionWeiter(10.0, 5.0, 100, &versatz), 15.0);
    EXPECT_EQ(versatz, 15);
    EXPECT_DOUBLE_EQ(HGPositionWeiter(238.0, -2.5, 300, &versatz), 235.5);
    EXPECT_EQ(versatz, 235);
    EXPECT_EQ(HGPositionWeiter(5.0, 4.0, 0, &versatz), 0.0); // no period: no division by 0
    EXPECT_EQ(versatz, 0);
    const double p = HGPositionWeiter(10.0, 1e300, 100, &versatz);
    EXPECT_GE(p, 0.0);
    EXPECT_LT(p, 100.0);
    EXPECT_EQ(versatz, static_cast<int>(p));
    EXPECT_EQ(HGPositionWeiter(10.0, std::nan(""), 100, &versatz), 0.0);
    EXPECT_EQ(versatz, 0);
    CUmgebung u;
    EXPECT_EQ(HGSchrittBetrag(std::nan(""), 0.5, u, 60), 0.0);
}

// A million trials with 40 MB of address space to spare: 0 on the engine's memory error.
int LaufOhneSpeicher()
{
    CLaufUmfeld u;
    testanzeige::Sakkaden(u.training, 1'000'000, 1.0, 1.0);
    CSakkaden sak = u.training.GetSakkaden();
    sak.m_dZeichengroesse = 1.0 / 768.0; // 1-pixel cells: the foreground fits, the lists do not
    u.training.SetSakkaden(sak);
    long seiten = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld", &seiten) != 1)
            seiten = 0;
        std::fclose(f);
    }
    const rlimit grenze{rlim_t(seiten) * 4096 + (40u << 20), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &grenze);
    CPraesentation p;
    const int code = u.Darbieten(p);
    return code == FEHLER_SPEICHER && p.m_strFehler == "Zuwenig Speicherplatz verfügbar.\n" ? 0 : 1;
}

TEST(Grenzen, LaufOhneSpeicherEndetMitFehler)
{
#ifdef LUMETRA_ASAN
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    EXPECT_EXIT(std::exit(LaufOhneSpeicher()), ::testing::ExitedWithCode(0), "");
#endif
}

// Counts as one flipped bit makes them: clamped; a random pattern at its limit prepares.
TEST(Grenzen, AnzahlenBegrenzt)
{
    CLaufUmfeld u;
    CExploration e = u.training.GetExploration();
    e.m_nSpalten = e.m_nZellenZeilen = 2'000'000'000;
    u.training.SetExploration(e);
    EXPECT_EQ(u.training.GetExploration().m_nSpalten, 10'000);
    EXPECT_EQ(u.training.GetExploration().m_nZellenZeilen, 100);

    u.training.SetAufgabenart(30);
    CHGMuster m = u.training.GetHGMuster();
    m.m_nArt = 20;
    m.m_nVerteilung = 2;
    m.m_dElementbreite = 1.0 / 1024.0; // random placement: no grid bounds the count
    m.m_nAnzahl = 2'000'000'000;
    u.training.SetHGMuster(m);
    ASSERT_EQ(u.training.GetHGMuster().m_nAnzahl, 100'000);
    CPraesentation p;
    EXPECT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
}
