#include "support/laufumfeld.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "presentation/testreize.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

namespace {

// A test of the given kind whose record the function changes; prepared.
template <typename Aendern>
int Vorbereitet(CLaufUmfeld& u, CPraesentation& p, int art, Aendern aendern)
{
    u.test.SetTestart(art);
    if constexpr (std::is_invocable_v<Aendern, CLinien&>) {
        CLinien l = u.test.GetLinien();
        aendern(l);
        u.test.SetLinien(l);
    }
    if constexpr (std::is_invocable_v<Aendern, CLaengen&>) {
        CLaengen l = u.test.GetLaengen();
        aendern(l);
        u.test.SetLaengen(l);
    }
    return u.TestVorbereiten(p);
}
constexpr auto kNichts = [](auto&) {};

std::vector<int> Folge(const CTestBericht& b)
{
    std::vector<int> f;
    for (int t = 0; t < b.GetAnzahlDurchgaenge(); ++t)
        f.push_back(b.GetDurchgang(t));
    return f;
}

} // namespace

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
    // Two positions and two dividing marks: "Lage x Pos x Länge" takes the
    // marks slowest, where the numbering has the positions slowest.
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
        return Folge(p.m_TestBericht);
    };
    EXPECT_EQ(folge(1, 1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(folge(5, 1), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(folge(1, 3), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(folge(1, 0), (std::vector<int>{1, 2, 3, 0}));
}

TEST(Testreize, UnbrauchbareAngaben)
{
    // The wrong kind: 14 for the caller to turn into its own code.
    for (int art : {10, 20}) {
        CLaufUmfeld u;
        CPraesentation p;
        ASSERT_EQ(Vorbereitet(u, p, art, kNichts), 0);
        EXPECT_EQ(art == 10 ? p.LaengenErstellen() : p.LinienErstellen(), FEHLER_ANGABEN);
        EXPECT_EQ(p.m_nFehler, 0);
    }
    // Step counts whose product no run can hold; an example's vertical
    // steps of 0 (stored as they come).
    for (int art : {10, 20}) {
        CLaufUmfeld u;
        u.test.SetTestart(art);
        CLinien l = u.test.GetLinien();
        l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nVLaengeStufen = l.m_nHTrennStufen = 2000;
        u.test.SetLinien(l);
        CLaengen g = u.test.GetLaengen();
        g.m_nBspVPositionStufen = 0;
        u.test.SetLaengen(g);
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
    ASSERT_EQ(Vorbereitet(u, p, 20, kNichts), 0) << p.m_strFehler;
    const CTestBericht& b = p.m_TestBericht;
    EXPECT_EQ(Folge(b).size(), 3u);
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
