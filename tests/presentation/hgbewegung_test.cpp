#include "presentation/hgbewegung.h"

#include "model/hintergrund.h"
#include "workplace/umgebung.h"

#include <gtest/gtest.h>

namespace {

CHGBewegung Bewegung(int richtung, double v)
{
    CHGBewegung b;
    b.m_nRichtung = richtung;
    b.m_dGeschwindigkeit = v;
    return b;
}

TEST(HGBewegung, SchrittAufHalbePixelGerundet)
{
    CUmgebung u; // 1024 pixels wide
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(0.15, 1.0, u, 75), 2.0);
    EXPECT_NEAR(HGSchrittBetrag(0.02, 1.0, u, 75), 0.27307, 1e-5); // below a pixel: not rounded
    // 16 pixels per unit of speed at 64 Hz: 1.3 -> 1.5, 1.8 -> 2.0, 0.74 -> 0.5,
    // 0.76 -> 1.0; half a pixel and less stay as they are.
    const std::pair<double, double> faelle[] = {{1.3, 1.5},  {1.8, 2.0}, {0.74, 0.5},
                                                {0.76, 1.0}, {0.5, 0.5}, {0.4, 0.4}};
    for (auto [pixel, erwartet] : faelle)
        EXPECT_DOUBLE_EQ(HGSchrittBetrag(pixel / 16.0, 1.0, u, 64), erwartet) << pixel;
    // At most half a cycle per tenth of a second: 2.0 becomes 0.5.
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(2.0, 0.1, u, 64), HGSchrittBetrag(0.5, 0.1, u, 64));
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(0.51, 0.1, u, 1), 512.0);
    EXPECT_DOUBLE_EQ(HGSchrittBetrag(-0.49, 0.1, u, 1), 502.0); // 501.76 to the half pixel
}

TEST(HGBewegung, VorzeichenNachRichtungUndGeschwindigkeit)
{
    CUmgebung u;
    CHGMuster m;
    m.m_dZyklusbreite = 1.0;
    CHGAufgabe tempo;
    EXPECT_DOUBLE_EQ(HGSchritteBerechnen(m, Bewegung(-1, 0.15), tempo, u, 75).dNormal, 2.0);
    EXPECT_DOUBLE_EQ(HGSchritteBerechnen(m, Bewegung(-1, -0.15), tempo, u, 75).dNormal, -2.0);
    tempo.m_nArt = 20;
    tempo.m_dZielgeschwindigkeit = -0.3;
    const CHGSchritte s = HGSchritteBerechnen(m, Bewegung(1, 0.15), tempo, u, 75);
    EXPECT_DOUBLE_EQ(s.dNormal, -2.0);
    EXPECT_DOUBLE_EQ(s.dGeaendert, 4.0); // reversed
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

// The ring of laps itself is measured by whole runs; no time is no speed.
TEST(HGBewegung, OhneZeitKeineGeschwindigkeit)
{
    CUmgebung u;
    CBildRunden r;
    EXPECT_EQ(r.Geschwindigkeit(2.0, u), 0.0);
    r.Eintragen(0);
    EXPECT_EQ(r.Geschwindigkeit(2.0, u), 0.0);
}

} // namespace
