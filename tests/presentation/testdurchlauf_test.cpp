// Whole test runs on the in-memory display with scripted keys.

#include "support/laufumfeld.h"

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

TEST(Testdurchlauf, PausenVorDenReizen)
{
    CTestlauf t(10);
    for (int i = 0; i < 4; ++i)
        t.anzeige->Druecken(VK_SPACE, Antwortzeit(i), Antwortzeit(i) + 20.0);
    CPraesentation p;
    ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    ASSERT_EQ(b.GetAnzahlDurchgaenge(), 4);
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
}

// The first stimulus on the screen, where the report puts it: the line or
// example bar in the foreground colour, the dividing mark or test bar in the
// example-stimulus colour.
TEST(Testdurchlauf, BildWaehrendEinesReizes)
{
    for (int art : {10, 20}) {
        SCOPED_TRACE(art);
        CTestlauf t(art);
        t.test.SetLaengen(t.test.GetLaengen()); // test height ratio into its range
        t.anzeige->Druecken(VK_ESCAPE, 1100.0, 1120.0);
        CPraesentation p;
        ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
        t.BildschirmSpeichern(art == 10 ? "linientest_reiz" : "laengentest_reiz");
        const int s = p.m_TestBericht.GetDurchgang(0);
        const RECT r1 = p.m_TestBericht.GetRechteck1(s), r2 = p.m_TestBericht.GetRechteck2(s);
        EXPECT_EQ(t.Bildpunkt(r1.left, r1.top), INDEX_VORDERGRUND);
        EXPECT_EQ(t.Bildpunkt(r2.left, r2.top), INDEX_BEISPIELREIZ);
        if (art == 10) {
            EXPECT_EQ(t.Bildpunkt(r1.right - 1, r1.bottom - 1), INDEX_BEISPIELREIZ); // under the mark
        } else {
            EXPECT_NE(t.Bildpunkt(r2.right, r2.top), INDEX_BEISPIELREIZ);
            EXPECT_NE(t.Bildpunkt(r1.left - 1, r1.top), INDEX_VORDERGRUND);
        }
    }
}

namespace {

// One answer key of a test record: its meaning and the key it is on by default.
struct CAntwortTaste {
    int vk;
    bool horizontal;
    bool zweite; // "rechts"/"breiter" or "oben"/"höher"
};

// Test kind, orientation and method; steps of the factors the answers judge.
struct CAntwortFall {
    int art, orientierung, verfahren;
};

// The keys the run answers with, one trial after the other: in the method of
// adjustment one key per trial, in constant stimuli a horizontal and a
// vertical answer per trial where both are asked.
std::vector<std::vector<CAntwortTaste>> Antworten(const CAntwortFall& f)
{
    const bool linien = f.art == 10;
    const CAntwortTaste h1{linien ? VK_LEFT : VK_OEM_MINUS, true, false}; // "links", "schmäler"
    const CAntwortTaste h2{linien ? VK_RIGHT : VK_OEM_PLUS, true, true}; // "rechts", "breiter"
    const CAntwortTaste v1{VK_DOWN, false, false}; // "unten", "kleiner"
    const CAntwortTaste v2{VK_UP, false, true}; // "oben", "höher"
    std::vector<CAntwortTaste> h, v;
    if (f.orientierung != 2)
        h = {h1, h2};
    if (f.orientierung != 1)
        v = {v2, v1};
    std::vector<std::vector<CAntwortTaste>> folge;
    if (f.verfahren == VERFAHREN_HERSTELLUNG) {
        for (const auto& t : h)
            folge.push_back({t});
        for (const auto& t : v)
            folge.push_back({t});
    } else if (h.empty() || v.empty()) {
        for (const auto& t : h.empty() ? v : h)
            folge.push_back({t});
    } else {
        for (int i = 0; i < 4; ++i)
            folge.push_back({h[size_t(i % 2)], v[size_t(i / 2)]});
    }
    return folge;
}

// The record with the default keys, one stimulus per trial: in the method of
// adjustment one stimulus repeated, in constant stimuli two steps of each
// judged factor.
void Einrichten(CTest& test, const CAntwortFall& f, int durchgaenge)
{
    const bool konstant = f.verfahren == VERFAHREN_KONSTANT;
    const int hStufen = konstant && f.orientierung != 2 ? 2 : 1;
    const int vStufen = konstant && f.orientierung != 1 ? 2 : 1;
    if (f.art == 10) {
        CLinien l = test.GetLinien();
        l.m_nVerfahren = f.verfahren;
        l.m_nOrientierung = f.orientierung;
        l.m_nReihenfolge = 1;
        l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nVLaengeStufen = l.m_nVPositionStufen = 1;
        l.m_dVLaengeVon = l.m_dVLaengeBis = 0.3;
        l.m_nHTrennStufen = hStufen;
        l.m_dHTrennVon = hStufen > 1 ? -0.1 : 0.0;
        l.m_dHTrennBis = hStufen > 1 ? 0.1 : 0.0;
        l.m_nVTrennStufen = vStufen;
        l.m_dVTrennVon = vStufen > 1 ? -0.1 : 0.0;
        l.m_dVTrennBis = vStufen > 1 ? 0.1 : 0.0;
        l.m_nWiederholungen = konstant ? 1 : durchgaenge;
        test.SetLinien(l);
    } else {
        CLaengen l = test.GetLaengen();
        l.m_nVerfahren = f.verfahren;
        l.m_nOrientierung = f.orientierung;
        l.m_nReihenfolge = 1;
        l.m_nBspBreiteStufen = 1;
        l.m_nTestBreiteStufen = hStufen;
        l.m_dTestBreiteVon = 0.8;
        l.m_dTestBreiteBis = hStufen > 1 ? 1.2 : 0.8;
        l.m_nTestHoeheStufen = vStufen;
        l.m_dTestHoeheVon = 0.8;
        l.m_dTestHoeheBis = vStufen > 1 ? 1.2 : 0.8;
        l.m_nWiederholungen = konstant ? 1 : durchgaenge;
        test.SetLaengen(l);
    }
}

int Breite(const RECT& r) { return r.right - r.left; }
int Hoehe(const RECT& r) { return r.bottom - r.top; }

} // namespace

// Every answer key, pressed as the trainee means it, is booked under its
// meaning: in the counters of constant stimuli and the evaluation's answer
// frequencies ("rechts"/"breiter" counter 2, "oben"/"höher" counter 4), and
// in the direction the adjustment moves.
TEST(Testdurchlauf, JedeAntwortUnterIhrerBedeutung)
{
    for (int art : {10, 20})
        for (int orientierung : {1, 2, 3})
            for (int verfahren : {VERFAHREN_HERSTELLUNG, VERFAHREN_KONSTANT}) {
                const CAntwortFall f{art, orientierung, verfahren};
                SCOPED_TRACE(testing::Message()
                             << "Art " << art << ", Orientierung " << orientierung << ", Verfahren " << verfahren);
                const auto antworten = Antworten(f);
                CTestlauf t(art);
                Einrichten(t.test, f, int(antworten.size()));
                for (int i = 0; i < int(antworten.size()); ++i) {
                    const double zeit = Antwortzeit(i);
                    if (verfahren == VERFAHREN_HERSTELLUNG) {
                        // Held for about nine frames, then the end key.
                        t.anzeige->Druecken(antworten[size_t(i)][0].vk, zeit - 150.0, zeit - 20.0);
                        t.anzeige->Druecken(VK_SPACE, zeit, zeit + 20.0);
                    } else {
                        for (size_t k = 0; k < antworten[size_t(i)].size(); ++k)
                            t.anzeige->Druecken(antworten[size_t(i)][k].vk, zeit + 30.0 * double(k),
                                                zeit + 30.0 * double(k) + 20.0);
                    }
                }
                CPraesentation p;
                ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
                const CTestBericht& b = p.m_TestBericht;
                ASSERT_EQ(b.GetAnzahlDurchgaenge(), int(antworten.size()));
                t.test.SetBericht(0, b);
                ASSERT_EQ(t.test.BerichtAuswerten(0), 0);
                const CDatentabelle& tabelle = t.test.GetBericht(0)->m_Tabelle1;
                for (int i = 0; i < int(antworten.size()); ++i) {
                    const int s = b.GetDurchgang(i);
                    double spalte[9];
                    for (int c = 0; c < 9; ++c)
                        spalte[c] = tabelle.GetWertDouble(s, c);
                    if (verfahren == VERFAHREN_KONSTANT) {
                        uint32_t erwartet[4] = {};
                        for (const CAntwortTaste& a : antworten[size_t(i)]) {
                            ++erwartet[a.horizontal ? (a.zweite ? 1 : 0) : (a.zweite ? 3 : 2)];
                            EXPECT_DOUBLE_EQ(spalte[a.horizontal ? 0 : 1], a.zweite ? 1.0 : 0.0) << i;
                        }
                        EXPECT_EQ(b.GetZaehler1(s), erwartet[0]) << i;
                        EXPECT_EQ(b.GetZaehler2(s), erwartet[1]) << i;
                        EXPECT_EQ(b.GetZaehler3(s), erwartet[2]) << i;
                        EXPECT_EQ(b.GetZaehler4(s), erwartet[3]) << i;
                        continue;
                    }
                    const CAntwortTaste& a = antworten[size_t(i)][0];
                    const RECT r1 = b.GetRechteck1(s), r2 = b.GetRechteck2(s);
                    const RECT r3 = b.GetRechteck3(s), r4 = b.GetRechteck4(s);
                    const int vorzeichen = a.zweite ? 1 : -1;
                    if (art == 10) {
                        // The dividing mark moved the way the key points;
                        // both lines keep their thickness and length.
                        EXPECT_EQ(Breite(r1), Breite(r3)) << i;
                        EXPECT_EQ(Hoehe(r1), Hoehe(r3)) << i;
                        EXPECT_EQ(Breite(r2), Breite(r4)) << i;
                        EXPECT_EQ(Hoehe(r2), Hoehe(r4)) << i;
                        if (a.horizontal) {
                            EXPECT_EQ(r1, r3) << i;
                            EXPECT_GT(vorzeichen * (r2.left - r4.left), 4) << i;
                            EXPECT_GT(vorzeichen * (spalte[0] - spalte[7]), 0.0) << i;
                        } else {
                            EXPECT_EQ(r2, r4) << i;
                            EXPECT_GT(vorzeichen * (r3.top - r1.top), 2) << i;
                            EXPECT_GT(vorzeichen * (spalte[1] - spalte[8]), 0.0) << i;
                        }
                    } else {
                        // Wider or higher; the relative deviation 100 - test/example falls.
                        const int aenderung = a.horizontal ? Breite(r2) - Breite(r4) : Hoehe(r2) - Hoehe(r4);
                        EXPECT_GT(vorzeichen * aenderung, 2) << i;
                        const double abw = a.horizontal ? spalte[0] - spalte[7] : spalte[1] - spalte[8];
                        EXPECT_LT(vorzeichen * abw, 0.0) << i;
                    }
                }
            }
}
