#include <gtest/gtest.h>

#include <cmath>

#include "model/training.h"
#include "workplace/umgebung.h"

// Lists, keys and heights follow the display and key table; without one only fixed bounds.
TEST(TrainingsaufgabenTest, SetzerBegrenzenMitUndOhneUmgebung)
{
    CUmgebung umgebung;
    for (bool mit : {true, false}) {
        SCOPED_TRACE(mit);
        CTraining training;
        if (mit)
            training.SetUmgebung(&umgebung);
        CSakkaden s;
        s.m_nZielliste = 99;
        s.m_nZielVon = 40;
        s.m_nZielBis = 50;
        s.m_nSchrittXMax = 50;
        training.SetSakkaden(s);
        s = training.GetSakkaden();
        EXPECT_EQ(s.m_nZielliste, mit ? 11 : 99);
        EXPECT_EQ(s.m_nZielVon, mit ? 32 : 40);
        EXPECT_EQ(s.m_nZielBis, mit ? 32 : 50);
        EXPECT_EQ(s.m_nSchrittXMax, 11);

        CExploration e;
        e.m_nStrategie = 50;
        e.m_Freiflaeche.bottom = -0.6;
        training.SetExploration(e);
        EXPECT_EQ(training.GetExploration().m_nAnordnung, 1); // the only one of this strategy
        EXPECT_EQ(training.GetExploration().m_Freiflaeche.bottom, -0.5);

        CText t;
        t.m_lfText.lfWeight = 549;
        t.m_lfUeberschrift.lfWeight = 550;
        t.m_dTextgroesse = 0.0;
        t.m_dUeberschriftgroesse = 30.4 / 768.0;
        training.SetText(t);
        t = training.GetText();
        EXPECT_EQ(t.m_lfText.lfWeight, 400);
        EXPECT_EQ(t.m_lfUeberschrift.lfWeight, 700);
        // Sizes follow whole pixel rows of the 768-row mode.
        EXPECT_DOUBLE_EQ(t.m_dUeberschriftgroesse, mit ? 30.0 / 768.0 : 30.4 / 768.0);
        EXPECT_EQ(t.m_lfText.lfHeight, mit ? 1 : CText().m_lfText.lfHeight);

        CHGMuster m;
        m.m_dZyklusbreite = 0.5;
        m.m_dElementbreite = 0.8;
        m.m_nForm = 7;
        m.m_nZeilen = 0;
        training.SetHGMuster(m);
        m = training.GetHGMuster();
        EXPECT_EQ(m.m_dElementbreite, 0.5);
        // Square pseudo-random characters of 512 pixels: one fits.
        EXPECT_DOUBLE_EQ(m.m_dElementhoehe, mit ? 512.0 / 768.0 : 0.5);
        EXPECT_EQ(m.m_nForm, 3);
        EXPECT_EQ(m.m_nZeilen, 1);
        EXPECT_EQ(m.m_nAnzahl, mit ? 1 : CHGMuster().m_nAnzahl);

        CHGAufgabe a;
        a.m_nArt = 11;
        a.m_dDauerMin = 0.0;
        a.m_nReaktionstaste = 99;
        training.SetHGAufgabe(a);
        a = training.GetHGAufgabe();
        EXPECT_EQ(a.m_nArt, 0);
        EXPECT_EQ(a.m_dDauerMin, 0.01);
        EXPECT_EQ(a.m_nReaktionstaste, mit ? 56 : 99);
    }
}

// Half a cycle per tenth of a second at most; a narrower cycle lowers speeds set before.
TEST(TrainingsaufgabenTest, HintergrundgeschwindigkeitBisFuenfZyklenProSekunde)
{
    CUmgebung umgebung;
    CTraining training;
    training.SetUmgebung(&umgebung);
    CHGBewegung b;
    b.m_dGeschwindigkeit = -0.9;
    training.SetHGBewegung(b);
    CHGAufgabe a;
    a.m_dZielgeschwindigkeit = 0.4;
    training.SetHGAufgabe(a);
    CHGMuster m;
    m.m_dZyklusbreite = 0.1;
    training.SetHGMuster(m);
    EXPECT_DOUBLE_EQ(training.GetHGBewegung().m_dGeschwindigkeit, -0.5);
    EXPECT_DOUBLE_EQ(training.GetHGAufgabe().m_dZielgeschwindigkeit, 0.4);
    const std::pair<double, double> faelle[] = {{0.5, 0.5}, {0.51, 0.5}, {-0.51, -0.5}, {-0.49, -0.49}};
    for (auto [v, erwartet] : faelle) {
        b.m_dGeschwindigkeit = v;
        training.SetHGBewegung(b);
        EXPECT_DOUBLE_EQ(training.GetHGBewegung().m_dGeschwindigkeit, erwartet) << v;
        a.m_dZielgeschwindigkeit = v;
        training.SetHGAufgabe(a);
        EXPECT_DOUBLE_EQ(training.GetHGAufgabe().m_dZielgeschwindigkeit, erwartet) << v;
    }
}

// A cycle of width 0 stops every speed at +0.0: a stored -0.0 loads as +0.0,
// so the saved document would open to other bytes.
TEST(TrainingsaufgabenTest, ZyklusbreiteNullGibtPositiveNull)
{
    CUmgebung umgebung;
    for (double zyklus : {0.0, -0.0}) {
        for (double v : {-0.3, 0.3, -0.0}) {
            SCOPED_TRACE(testing::Message() << zyklus << " " << v);
            CTraining training;
            training.SetUmgebung(&umgebung);
            CHGBewegung b;
            b.m_dGeschwindigkeit = v;
            training.SetHGBewegung(b);
            CHGAufgabe a;
            a.m_dZielgeschwindigkeit = v;
            training.SetHGAufgabe(a);
            CHGMuster m;
            m.m_dZyklusbreite = zyklus;
            training.SetHGMuster(m);
            for (double w : {training.GetHGMuster().m_dZyklusbreite, training.GetHGBewegung().m_dGeschwindigkeit,
                             training.GetHGAufgabe().m_dZielgeschwindigkeit}) {
                EXPECT_EQ(w, 0.0);
                EXPECT_FALSE(std::signbit(w));
            }
        }
    }
}
