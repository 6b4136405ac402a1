// Whole test runs on the in-memory display with scripted keys.

#include "laufumfeld.h"

#include "model/test.h"
#include "presentation/bmpdatei.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A test of the given kind; Enter at 2 ms leaves the ready screen.
struct CTestlauf : CLaufUmfeld {
    explicit CTestlauf(int art)
    {
        test.SetTestart(art);
        anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    }
    // Index on the screen as the last flip left it.
    int Bildpunkt(int x, int y) const { return anzeige->GetBildschirm()[size_t(y) * 1024 + size_t(x)]; }
};

// The pause between trials is 1000 ms; each answer comes 1200 ms after the last.
double Antwortzeit(int durchgang) { return 1300.0 + 1200.0 * durchgang; }

} // namespace

TEST(Testdurchlauf, LinienhalbierungMitEinstellen)
{
    CTestlauf t(10);
    // The first stimulus's mark moves left while the key is held, one step a frame.
    t.anzeige->Druecken(VK_LEFT, 1100.0, 1200.0);
    for (int i = 0; i < 4; ++i)
        t.anzeige->Druecken(VK_SPACE, Antwortzeit(i), Antwortzeit(i) + 20.0);
    CPraesentation p;
    ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 4);
    EXPECT_EQ(b.m_nTestart, 10);
    EXPECT_NEAR(b.m_dLaufzeit, 4.9, 0.15); // ends with the last answer
    for (int i = 0; i < 4; ++i) {
        // Shown within a frame after its pause: the first pause began with
        // the run, 1300 ms before the answer, the others with the answer
        // before, 1200 ms earlier.
        const uint32_t zeit = b.GetZeit(b.GetDurchgang(i));
        const uint32_t bis = i == 0 ? 300u : 200u;
        EXPECT_GT(zeit, bis - 16) << i; // a frame, and Enter at 2 ms
        EXPECT_LE(zeit, bis) << i;
    }
    // Only the first mark moved.
    EXPECT_LT(p.m_Punkte3.GetAt(b.GetDurchgang(0)).x, 0.5);
    for (int t2 = 1; t2 < 4; ++t2)
        EXPECT_DOUBLE_EQ(p.m_Punkte3.GetAt(b.GetDurchgang(t2)).x, 0.5);
}

TEST(Testdurchlauf, LinienhalbierungBildWaehrendEinesReizes)
{
    CTestlauf t(10);
    t.anzeige->Druecken(VK_ESCAPE, 1100.0, 1120.0);
    CPraesentation p;
    ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
    t.BildschirmSpeichern("linientest_reiz");
    // The horizontal line in the foreground colour, the vertical one in the
    // example-stimulus colour, where the report puts them.
    const int s = p.m_TestBericht.GetDurchgang(0);
    const RECT h = p.m_TestBericht.GetRechteck1(s), v = p.m_TestBericht.GetRechteck2(s);
    EXPECT_EQ(t.Bildpunkt(h.left, h.top), INDEX_VORDERGRUND);
    EXPECT_EQ(t.Bildpunkt(h.right - 1, h.bottom - 1), INDEX_BEISPIELREIZ); // under the mark
    EXPECT_EQ(t.Bildpunkt(v.left, v.top), INDEX_BEISPIELREIZ);
}

TEST(Testdurchlauf, LaengenschaetzungKonstanteReize)
{
    CTestlauf t(20);
    CLaengen l = t.test.GetLaengen();
    l.m_nVerfahren = VERFAHREN_KONSTANT;
    l.m_nBspBreiteStufen = 1;
    l.m_nTestBreiteStufen = 2;
    l.m_dTestBreiteVon = 0.8;
    l.m_dTestBreiteBis = 1.2;
    l.m_nWiederholungen = 2;
    l.m_nTasteSchmaeler = 4; // cursor left: answer key 1
    l.m_nTasteBreiter = 5;   // cursor right: answer key 2
    t.test.SetLaengen(l);
    // Even trials answered with the left key, odd ones with the right key.
    for (int i = 0; i < 4; ++i) {
        const int vk = i % 2 == 0 ? VK_LEFT : VK_RIGHT;
        t.anzeige->Druecken(vk, Antwortzeit(i), Antwortzeit(i) + 20.0);
    }
    CPraesentation p;
    ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 2);
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 4);
    uint32_t links[2] = {}, rechts[2] = {};
    for (int i = 0; i < 4; ++i)
        ++(i % 2 == 0 ? links : rechts)[b.GetDurchgang(i)];
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(b.GetZaehler1(s), links[s]) << s;
        EXPECT_EQ(b.GetZaehler2(s), rechts[s]) << s;
        EXPECT_EQ(b.GetZaehler3(s) + b.GetZaehler4(s), 0u);
        EXPECT_GT(b.GetZeit(s), 186u);
    }
}

TEST(Testdurchlauf, LaengenschaetzungBildWaehrendEinesReizes)
{
    CTestlauf t(20);
    t.test.SetLaengen(t.test.GetLaengen()); // test height ratio into its range
    CFarben f = t.test.GetFarben();
    f.m_crBeispielreiz = 0x0000C0; // the test bar in red
    t.test.SetFarben(f);
    t.anzeige->Druecken(VK_ESCAPE, 1100.0, 1120.0);
    CPraesentation p;
    ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
    t.BildschirmSpeichern("laengentest_reiz");
    const int s = p.m_TestBericht.GetDurchgang(0);
    const RECT bsp = p.m_TestBericht.GetRechteck1(s), test = p.m_TestBericht.GetRechteck2(s);
    EXPECT_EQ(t.Bildpunkt(bsp.left, bsp.top), INDEX_VORDERGRUND);
    EXPECT_EQ(t.Bildpunkt(test.left, test.top), INDEX_BEISPIELREIZ);
    EXPECT_NE(t.Bildpunkt(test.right, test.top), INDEX_BEISPIELREIZ);
    EXPECT_NE(t.Bildpunkt(bsp.left - 1, bsp.top), INDEX_VORDERGRUND);
}
