#include "support/laufumfeld.h"

#include "platform/crt.h"
#include "presentation/ablaufbits.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

namespace {

using testanzeige::Pixel;

CHGMuster Muster(CTraining& t, int art, double zyklusPx, double breitePx, double hoehePx)
{
    CHGMuster m = t.GetHGMuster();
    m.m_nArt = art;
    m.m_dZyklusbreite = zyklusPx / 1024.0;
    m.m_dElementbreite = breitePx / 1024.0;
    m.m_dElementhoehe = hoehePx / 768.0;
    return m;
}

// No foreground; stripes 20 wide every 100 pixels with a colour-change task.
TEST(Hintergrund, StreifenInJederPeriodeUndZielfarbe)
{
    CLaufUmfeld u;
    u.training.SetAufgabenart(30);
    u.training.SetHGMuster(Muster(u.training, 10, 100, 20, 20));
    CHGAufgabe a = u.training.GetHGAufgabe();
    a.m_nArt = 10;
    u.training.SetHGAufgabe(a);
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    EXPECT_EQ(p.m_nHGPeriode, 100);
    EXPECT_DOUBLE_EQ(p.m_dHGPosition, 100 - 24 / 2.0);
    // At offset 30 the back buffer shows background column x + 30, wrapping.
    p.m_nHGVersatz = 30;
    ASSERT_EQ(p.HintergrundKopieren(2), 0);
    auto streifen = [](int x) { return x % 100 >= 40 && x % 100 < 60; };
    for (int x = 0; x < 1024; ++x) {
        ASSERT_EQ(Pixel(p.m_pHintergrund, x, 300), streifen(x) ? 129 : 176) << x;
        ASSERT_EQ(Pixel(p.m_pHintergrundZiel, x, 767), streifen(x) ? 245 : 176) << x;
        ASSERT_EQ(Pixel(p.m_pRueckpuffer, x, 0), streifen(x + 30) ? 129 : 176) << x;
    }
    u.Speichern(p.m_pHintergrund, "hintergrund_streifen");
}

// Elements or cycles of no pixels draw no pattern, so no task changes it;
// a cycle of a fifth of a pixel has no period, and the background still copies.
TEST(Hintergrund, OhneSichtbaresMusterKeineAufgabe)
{
    for (double zyklus : {100.0, 0.2})
        for (int aufgabe : {10, 20})
            for (int art : {10, 20, 30}) {
                CLaufUmfeld u;
                u.training.SetAufgabenart(30);
                u.training.SetHGMuster(Muster(u.training, art, zyklus, 0.2, 20));
                CHGAufgabe a = u.training.GetHGAufgabe();
                a.m_nArt = aufgabe;
                a.m_nAsynchron = 1;
                u.training.SetHGAufgabe(a);
                CPraesentation p;
                ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
                EXPECT_EQ(p.m_nHGPeriode > 0, zyklus > 1.0);
                EXPECT_EQ(p.m_nAufgabe & 0x3FF0000u, aufgabe::HG_KEINE) << zyklus << " " << aufgabe << " " << art;
                EXPECT_EQ(p.m_pHintergrundZiel, nullptr);
                for (int x = 0; x < 1024; x += 7)
                    ASSERT_EQ(Pixel(p.m_pHintergrund, x, 100), 176);
                EXPECT_EQ(p.HintergrundKopieren(2), 0);
            }
}

// Random dots of 20 x 20 in a period of 100: one draw per cell, column by
// column, rows shifted up by half a cell; a draw of 50 or more fills the cell.
TEST(Hintergrund, ZufallspunkteNachDemStartwert)
{
    CLaufUmfeld u;
    u.training.SetAufgabenart(30);
    u.training.SetHGMuster(Muster(u.training, 30, 100, 20, 20));
    CPraesentation p;
    ASSERT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
    ASSERT_EQ(p.m_nHGPeriode, 100);
    crt::srand(1); // as the run was seeded
    int gefuellt = 0;
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 40; ++r) {
            const bool voll = crt::rand() % 100 >= 50;
            if (r == 0)
                continue; // wholly above the screen
            gefuellt += voll;
            for (int x : {c * 20, c * 20 + 19 + 900})
                ASSERT_EQ(Pixel(p.m_pHintergrund, x, std::min(r * 20 - 10, 767)), voll ? 129 : 176) << c << " " << r;
        }
    EXPECT_GT(gefuellt, 70); // about half of 195 cells
}

TEST(Hintergrund, FehlenderPfeilMeldetDieDatei)
{
    CLaufUmfeld u;
    u.training.SetAufgabenart(30);
    CHGMuster m = Muster(u.training, 20, 200, 24, 24);
    m.m_nForm = 2;
    u.training.SetHGMuster(m);
    CPraesentation p;
    EXPECT_EQ(u.Vorbereiten(p), 0x300);
    const std::string pfad = p.m_Verzeichnisse.m_strBilder + "/pfeill.bmp";
    EXPECT_NE(p.m_strFehler.find("Datei " + pfad + " nicht gefunden.\n"), std::string::npos) << p.m_strFehler;
}

} // namespace
