// Test stimuli as prepared, and whole test runs with scripted keys.
#include "support/laufumfeld.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "presentation/bmpdatei.h"
#include "presentation/testreize.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace {

// The test's line or length record, changed by the function.
template <typename F>
void Aendern(CTest& test, F aendern)
{
    if constexpr (std::is_invocable_v<F, CLinien&>) {
        CLinien l = test.GetLinien();
        aendern(l);
        test.SetLinien(l);
    }
    if constexpr (std::is_invocable_v<F, CLaengen&>) {
        CLaengen l = test.GetLaengen();
        aendern(l);
        test.SetLaengen(l);
    }
}

// A test of the given kind whose record the function changes; prepared.
template <typename F>
int Vorbereitet(CLaufUmfeld& u, CPraesentation& p, int art, F aendern)
{
    u.test.SetTestart(art);
    Aendern(u.test, aendern);
    return u.TestVorbereiten(p);
}

// A test of the given kind; Enter at 2 ms leaves the ready screen.
struct CTestlauf : CLaufUmfeld {
    explicit CTestlauf(int art)
    {
        test.SetTestart(art);
        anzeige->Druecken(VK_RETURN, 2.0, 4.0);
    }
    int Bildpunkt(int x, int y) const { return anzeige->GetBildschirm()[size_t(y) * 1024 + size_t(x)]; }
};

// The pause between trials is 1000 ms; each answer comes 1200 ms after the last.
double Antwortzeit(int durchgang) { return 1300.0 + 1200.0 * durchgang; }

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
    // Within a frame after its pause, counted from the run's start or the last answer.
    for (int i = 0; i < 4; ++i) {
        const uint32_t zeit = b.GetZeit(b.GetDurchgang(i));
        const uint32_t bis = i == 0 ? 300u : 200u;
        EXPECT_GT(zeit, bis - 16) << i;
        EXPECT_LE(zeit, bis) << i;
    }
}

// The first stimulus on the screen where the report puts it, in its colours.
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

// Answer meanings: 0 "links"/"schmäler", 1 "rechts"/"breiter", 2 "unten"/
// "kleiner", 3 "oben"/"höher"; each on its default key.
int Taste(int art, int bedeutung)
{
    const int linien[] = {VK_LEFT, VK_RIGHT, VK_DOWN, VK_UP};
    const int laengen[] = {VK_OEM_MINUS, VK_OEM_PLUS, VK_DOWN, VK_UP};
    return (art == 10 ? linien : laengen)[bedeutung];
}

// The meanings answered per trial; constant stimuli of both orientations take two.
std::vector<std::vector<int>> Antworten(int orientierung, bool konstant)
{
    if (konstant && orientierung == 3)
        return {{0, 3}, {1, 3}, {0, 2}, {1, 2}};
    std::vector<std::vector<int>> folge;
    for (int a : {0, 1, 3, 2})
        if (a < 2 ? orientierung != 2 : orientierung != 1)
            folge.push_back({a});
    return folge;
}

// One stimulus with the default keys: repeated in the method of adjustment;
// in constant stimuli the record gives each judged factor two steps.
void Einrichten(CTest& test, int orientierung, bool konstant, int durchgaenge)
{
    auto ablauf = [&](auto& l) {
        l.m_nVerfahren = konstant ? VERFAHREN_KONSTANT : VERFAHREN_HERSTELLUNG;
        l.m_nOrientierung = orientierung;
        l.m_nReihenfolge = 1;
        l.m_nWiederholungen = konstant ? 1 : durchgaenge;
    };
    Aendern(test, [&](CLinien& l) {
        ablauf(l);
        l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
        l.m_dVLaengeVon = l.m_dVLaengeBis = 0.3;
        l.m_dHTrennVon = 0.0;
    });
    Aendern(test, [&](CLaengen& l) {
        ablauf(l);
        l.m_nBspBreiteStufen = 1;
        l.m_dTestBreiteVon = l.m_dTestHoeheVon = 0.8;
    });
}

} // namespace

// Every answer key is booked under its meaning: counters, answer columns, adjustment.
TEST(Testdurchlauf, JedeAntwortUnterIhrerBedeutung)
{
    for (int art : {10, 20})
        for (int orientierung : {1, 2, 3})
            for (bool konstant : {false, true}) {
                SCOPED_TRACE(testing::Message() << "Art " << art << ", Orientierung " << orientierung
                                                << (konstant ? ", konstant" : ", Herstellung"));
                const auto antworten = Antworten(orientierung, konstant);
                const int n = int(antworten.size());
                CTestlauf t(art);
                Einrichten(t.test, orientierung, konstant, n);
                for (int i = 0; i < n; ++i) {
                    const double zeit = Antwortzeit(i);
                    if (!konstant) {
                        // Held for about nine frames, then the end key.
                        t.anzeige->Druecken(Taste(art, antworten[size_t(i)][0]), zeit - 150.0, zeit - 20.0);
                        t.anzeige->Druecken(VK_SPACE, zeit, zeit + 20.0);
                    }
                    for (size_t k = 0; konstant && k < antworten[size_t(i)].size(); ++k) {
                        const double ab = zeit + 30.0 * double(k);
                        t.anzeige->Druecken(Taste(art, antworten[size_t(i)][k]), ab, ab + 20.0);
                    }
                }
                CPraesentation p;
                ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
                const CTestBericht& b = p.m_TestBericht;
                ASSERT_EQ(b.GetAnzahlDurchgaenge(), n);
                t.test.SetBericht(0, b);
                ASSERT_EQ(t.test.BerichtAuswerten(0), 0);
                const CDatentabelle& tabelle = t.test.GetBericht(0)->m_Tabelle1;
                for (int i = 0; i < n; ++i) {
                    const int s = b.GetDurchgang(i);
                    if (konstant) {
                        uint32_t erwartet[4] = {};
                        for (int a : antworten[size_t(i)]) {
                            ++erwartet[a];
                            EXPECT_DOUBLE_EQ(tabelle.GetWertDouble(s, a / 2), a % 2) << i;
                        }
                        const uint32_t gezaehlt[4] = {b.GetZaehler1(s), b.GetZaehler2(s), b.GetZaehler3(s),
                                                      b.GetZaehler4(s)};
                        for (int z = 0; z < 4; ++z)
                            EXPECT_EQ(gezaehlt[z], erwartet[z]) << i << " Zähler " << z + 1;
                        continue;
                    }
                    const int a = antworten[size_t(i)][0];
                    const bool horizontal = a < 2;
                    const int vorzeichen = a % 2 ? 1 : -1;
                    const RECT r1 = b.GetRechteck1(s), r2 = b.GetRechteck2(s);
                    const RECT r3 = b.GetRechteck3(s), r4 = b.GetRechteck4(s);
                    // Answer against start column; for lengths 100 - test/example, falling.
                    const double abw = tabelle.GetWertDouble(s, horizontal ? 0 : 1) -
                                       tabelle.GetWertDouble(s, horizontal ? 7 : 8);
                    EXPECT_GT((art == 20 ? -vorzeichen : vorzeichen) * abw, 0.0) << i;
                    if (art == 20) {
                        const int aenderung = horizontal ? (r2.right - r2.left) - (r4.right - r4.left)
                                                         : (r2.bottom - r2.top) - (r4.bottom - r4.top);
                        EXPECT_GT(vorzeichen * aenderung, 2) << i;
                    } else if (horizontal) {
                        EXPECT_EQ(r1, r3) << i;
                        EXPECT_GT(vorzeichen * (r2.left - r4.left), 4) << i;
                    } else {
                        // The crossing moves; the vertical line stays.
                        EXPECT_EQ(r2, r4) << i;
                        EXPECT_GT(vorzeichen * (r3.top - r1.top), 2) << i;
                    }
                }
            }
}

TEST(Linientest, RechteckeInPixeln)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10,
                          [](CLinien& l) {
                              l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
                              l.m_dHLaengeVon = l.m_dHLaengeBis = 0.3;
                              l.m_dHPositionVon = l.m_dHPositionBis = 0.0;
                          }),
              0);
    const CTestBericht& b = p.m_TestBericht;
    ASSERT_EQ(b.GetAnzahlReize(), 1);
    // A line of 0.3 at the centre; the mark at half its length to the right.
    EXPECT_EQ(b.GetRechteck1(0), (RECT{358, 382, 666, 387}));
    EXPECT_EQ(b.GetRechteck2(0), (RECT{663, 367, 668, 401}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{356, 365, 668, 403}));
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).x, 0.3);
}

// Lines of no thickness take no pixel.
TEST(Linientest, OhneDickeKeinPixel)
{
    CLaufUmfeld u;
    CPraesentation p;
    ASSERT_EQ(Vorbereitet(u, p, 10, [](CLinien& l) { l.m_dHDicke = l.m_dVDicke = 0.0; }), 0);
    const RECT h = p.m_TestBericht.GetRechteck1(0), v = p.m_TestBericht.GetRechteck2(0);
    EXPECT_EQ(h.bottom - h.top, 0);
    EXPECT_EQ(v.right - v.left, 0);
}

TEST(Linientest, Reihenfolge)
{
    // "Lage x Pos x Länge" takes the dividing marks slowest, the numbering the positions.
    auto folge = [](int reihenfolge, int start) {
        CLaufUmfeld u;
        CPraesentation p;
        EXPECT_EQ(Vorbereitet(u, p, 10,
                              [=](CLinien& l) {
                                  l.m_nHLaengeStufen = 1;
                                  l.m_nHTrennStufen = 2;
                                  l.m_dHTrennVon = -0.25;
                                  l.m_nReihenfolge = reihenfolge;
                                  l.m_nStartDurchgang = start;
                              }),
                  0);
        std::vector<int> f;
        for (int t = 0; t < p.m_TestBericht.GetAnzahlDurchgaenge(); ++t)
            f.push_back(p.m_TestBericht.GetDurchgang(t));
        return f;
    };
    EXPECT_EQ(folge(1, 1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(folge(5, 1), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(folge(1, 3), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(folge(1, 0), (std::vector<int>{1, 2, 3, 0}));
}

// Step counts whose product no run can hold; an example's vertical steps of 0.
TEST(Testreize, UnbrauchbareAngaben)
{
    for (int art : {10, 20}) {
        CLaufUmfeld u;
        u.test.SetTestart(art);
        Aendern(u.test, [](CLinien& l) {
            l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nVLaengeStufen = l.m_nHTrennStufen = 2000;
        });
        Aendern(u.test, [](CLaengen& l) { l.m_nBspVPositionStufen = 0; });
        CPraesentation p;
        EXPECT_EQ(u.TestDarbieten(p), FEHLER_ANGABEN);
        EXPECT_EQ(p.m_strFehler, "Eine oder mehrere Testangaben sind unzulässig.\n");
        EXPECT_EQ(p.m_TestBericht.GetAnzahlDurchgaenge(), 0);
    }
}

TEST(Laengentest, Standardsatz)
{
    CLaufUmfeld u;
    CPraesentation p;
    // Through the setter: the constructor's test height ratio of 0 lies below its range.
    ASSERT_EQ(Vorbereitet(u, p, 20, [](auto&) {}), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(b.GetAnzahlDurchgaenge(), 3);
    // The test bar left of the centre at 0.238, the example mirrored at 0.762.
    EXPECT_EQ(b.GetRechteck1(0), (RECT{691, 373, 870, 395}));
    EXPECT_EQ(b.GetRechteck2(0), (RECT{199, 378, 289, 390}));
    EXPECT_EQ(p.m_Rechtecke2.GetAt(0), (RECT{646, 367, 915, 401}));
    EXPECT_EQ(p.m_Rechtecke3.GetAt(0), (RECT{109, 367, 378, 401}));
    EXPECT_NEAR(p.m_Punkte1.GetAt(0).x, 0.238, 1e-12);
    EXPECT_DOUBLE_EQ(p.m_Punkte2.GetAt(0).x, 0.175);
    // The widest example (0.305) sets the outer edges of the cleared area.
    const RECT breit = p.m_Rechtecke2.GetAt(2), test = p.m_Rechtecke3.GetAt(2);
    EXPECT_EQ(p.m_rcAktuell, (RECT{test.left, breit.top, breit.right, breit.bottom}));
}

// An answer key held for four seconds, far past the end of the line or the
// bound of the length: the crossing stays on the line, the mark and the
// adjusted bar keep their size and centre, and the answer is the bound.
TEST(Testdurchlauf, GehaltenBisZumAnschlag)
{
    const struct {
        int art, orientierung, bedeutung;
        double abweichung;
    } faelle[] = {{10, 1, 0, -50.0}, {10, 2, 3, 50.0}, {20, 1, 1, 0.0}, {20, 2, 3, 0.0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Art " << f.art << ", Bedeutung " << f.bedeutung);
        const bool horizontal = f.orientierung == 1;
        CTestlauf t(f.art);
        Einrichten(t.test, f.orientierung, false, 1);
        t.anzeige->Druecken(Taste(f.art, f.bedeutung), 1100.0, 5100.0);
        t.anzeige->Druecken(VK_SPACE, 5200.0, 5220.0);
        CPraesentation p;
        ASSERT_EQ(t.TestDarbieten(p), 0) << p.m_strFehler;
        const CTestBericht& b = p.m_TestBericht;
        ASSERT_EQ(b.GetAnzahlDurchgaenge(), 1);
        const int s = b.GetDurchgang(0);
        const RECT r1 = b.GetRechteck1(s), r2 = b.GetRechteck2(s);
        const RECT r3 = b.GetRechteck3(s), r4 = b.GetRechteck4(s);
        auto breite = [](const RECT& r) { return r.right - r.left; };
        auto hoehe = [](const RECT& r) { return r.bottom - r.top; };
        if (f.art == 10 && horizontal) {
            // The mark (2) centred on the line's (1) left end.
            EXPECT_NEAR(r2.left + r2.right, 2 * r1.left, 1);
            EXPECT_EQ(breite(r2), breite(r4));
            EXPECT_EQ(hoehe(r2), hoehe(r4));
        } else if (f.art == 10) {
            // The crossing (1) centred on the vertical line's (2) top end.
            EXPECT_NEAR(r1.top + r1.bottom, 2 * r2.top, 1);
            EXPECT_EQ(breite(r1), breite(r3));
            EXPECT_EQ(hoehe(r1), hoehe(r3));
        } else {
            // The adjusted bar at 1.5 times its start, round the same centre.
            const CDPunkt z = p.m_Punkte2.GetAt(s);
            EXPECT_NEAR(horizontal ? breite(r2) : hoehe(r2), horizontal ? 1.5 * z.x * 1024 : 1.5 * z.y * 768, 1.0);
            EXPECT_EQ(horizontal ? hoehe(r2) : breite(r2), horizontal ? hoehe(r4) : breite(r4));
            EXPECT_NEAR(r2.left + r2.right, r4.left + r4.right, 1);
            EXPECT_NEAR(r2.top + r2.bottom, r4.top + r4.bottom, 1);
        }
        // Lengths: 100 less the bar in percent of the example (1).
        const double abweichung = f.art == 10 ? f.abweichung
                                  : horizontal ? 100.0 - 100.0 * breite(r2) / breite(r1)
                                               : 100.0 - 100.0 * hoehe(r2) / hoehe(r1);
        t.test.SetBericht(0, b);
        ASSERT_EQ(t.test.BerichtAuswerten(0), 0);
        EXPECT_NEAR(t.test.GetBericht(0)->m_Tabelle1.GetWertDouble(s, horizontal ? 0 : 1), abweichung, 0.5);
    }
}
