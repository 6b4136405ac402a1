#include <gtest/gtest.h>

#include "platform/crt.h"
#include "workplace/geometrie.h"
#include "workplace/statistik.h"
#include "workplace/umgebung.h"
#include "workplace/verteilung.h"

namespace {

RECT R(int l, int t, int r, int b) { return {l, t, r, b}; }

// The placed objects, each checked to lie in the area and off the inner one.
std::vector<RECT> Plaetze(const CVerteilung& v, RECT bereich, RECT innen)
{
    std::vector<RECT> plaetze;
    for (int i = 0; i < v.GetAnzahl(); ++i) {
        const RECT r = v.GetRechteck(i);
        if (r == RECT{})
            continue;
        EXPECT_TRUE(r.left >= bereich.left && r.top >= bereich.top && r.right <= bereich.right &&
                    r.bottom <= bereich.bottom)
            << i;
        EXPECT_FALSE(r.left < innen.right && r.right > innen.left && r.top < innen.bottom && r.bottom > innen.top) << i;
        plaetze.push_back(r);
    }
    return plaetze;
}

class VerteilungTest : public ::testing::Test {
protected:
    // Mische seeds from the time: a fixed clock makes every placement exact.
    void SetUp() override
    {
        crt::SetZeitQuelle([] { return int64_t(1234567); });
    }
    void TearDown() override { crt::SetZeitQuelle({}); }
};

TEST_F(VerteilungTest, GrenzenUndRaster)
{
    CVerteilung v;
    EXPECT_EQ(v.SetBereich(R(0, 0, 100, 100), R(0, 0, 0, 10)), -1);
    EXPECT_EQ(v.SetBereich(R(0, 0, 5, 100), R(0, 0, 10, 10)), -2);
    ASSERT_EQ(v.SetBereich(R(0, 0, 100, 100), R(0, 0, 10, 10)), 0);
    EXPECT_EQ(v.GetMaxAnzahl(), 81);
    EXPECT_EQ(v.SetRaster(11, 1, 1), -4);
    EXPECT_EQ(v.SetRaster(10, 1, 2), -5);
    EXPECT_EQ(v.SetAnzahl(82, 2), -6);
    ASSERT_EQ(v.SetAnzahl(12, 1), 0);
    EXPECT_EQ(v.GetZeilen(), 3); // grown a column, then a row, until 12 fit
    EXPECT_EQ(v.GetSpalten(), 4);

    ASSERT_EQ(v.SetRaster(2, 5, 1), 0);
    EXPECT_EQ(v.GetPunktRasterplatz(1, 1), (POINT{10, 25}));
    EXPECT_EQ(v.GetRechteck(9), R(85, 70, 95, 80));
    // A failed Init leaves the layout as it was.
    EXPECT_EQ(v.Init(R(0, 0, 100, 100), R(0, 0, 30, 30), RECT{}, 4, 4, 1), -4);
    EXPECT_EQ(v.GetAnzahl(), 10);
    EXPECT_EQ(v.GetPunktRasterplatz(2, 5), (POINT{90, 75}));

    // Edge spreading: the outer objects touch the area's edges.
    ASSERT_EQ(v.SetRaster(1, 3, 1 | 64), 0);
    EXPECT_EQ(v.GetPunktRasterplatz(1, 1).x, 5);
    EXPECT_EQ(v.GetPunktRasterplatz(1, 3).x, 95);
}

TEST_F(VerteilungTest, InnenbereichLaesstPlaetzeFrei)
{
    CVerteilung v;
    v.SetBereich(R(0, 0, 100, 100), R(0, 0, 10, 10));
    v.SetInnenbereich(R(40, 40, 60, 60));
    EXPECT_LT(v.GetMaxAnzahl(), 81);
    ASSERT_EQ(v.SetRaster(10, 10, 1), 0);
    EXPECT_EQ(v.GetAnzahl(), 100);
    EXPECT_EQ(Plaetze(v, R(0, 0, 100, 100), R(40, 40, 60, 60)).size(), 96u);

    // An inner area over everything leaves no place.
    v.SetInnenbereich(R(-50, -50, 200, 200));
    ASSERT_EQ(v.SetRaster(3, 3, 1), 0);
    EXPECT_TRUE(Plaetze(v, R(0, 0, 100, 100), RECT{}).empty());
    ASSERT_EQ(v.SetRaster(5, 4, 4), 0);
    EXPECT_EQ(v.GetAnzahl(), 0);

    CVerteilung zufall;
    zufall.SetBereich(R(0, 0, 1920, 1080), R(0, 0, 40, 40));
    zufall.SetInnenbereich(R(640, 360, 1280, 720));
    crt::srand(7);
    ASSERT_EQ(zufall.SetAnzahl(500, 4), 0);
    EXPECT_EQ(zufall.GetZeilen(), 0);
    EXPECT_EQ(Plaetze(zufall, R(0, 0, 1920, 1080), R(640, 360, 1280, 720)).size(), 500u);
}

// The grid reseeds from the clock even when every free place is used.
TEST_F(VerteilungTest, VerschobenesRasterFreiImBereichUndNeuGesaet)
{
    auto verschoben = [](uint32_t vorherigeSaat, int zeilen, int spalten, RECT innen) {
        CVerteilung v;
        v.SetBereich(R(0, 0, 400, 300), R(0, 0, 20, 20));
        v.SetInnenbereich(innen);
        crt::srand(vorherigeSaat);
        EXPECT_EQ(v.SetRaster(zeilen, spalten, 2), 0);
        return Plaetze(v, R(0, 0, 400, 300), innen);
    };
    EXPECT_GT(verschoben(99, 6, 8, R(150, 100, 250, 200)).size(), 30u);
    EXPECT_EQ(verschoben(1, 4, 5, RECT{}), verschoben(2, 4, 5, RECT{}));

    CDWordArray plaetze(20);
    Mische(plaetze);
    const uint32_t nachMischen = crt::GetSeed();
    CVerteilung v;
    v.SetBereich(R(0, 0, 100, 100), R(0, 0, 10, 10));
    crt::srand(99);
    ASSERT_EQ(v.SetRaster(4, 5, 1), 0);
    EXPECT_EQ(crt::GetSeed(), nachMischen);
}

TEST_F(VerteilungTest, SichtbarerTeilUndUeberstand)
{
    // The first of a 2 x 2 grid sticks out 5 to the left and 3 at the top.
    CVerteilung v;
    ASSERT_EQ(v.SetBereichUmMitte(R(0, 0, 20, 12), R(0, 0, 20, 12)), 0);
    ASSERT_EQ(v.SetRaster(2, 2, 1 | 16), 0);
    ASSERT_EQ(v.GetRechteck(0), R(-5, -3, 15, 9));

    RECT teil, quelle;
    uint32_t kanten = v.GetSichtbarerTeil(&teil, &quelle, 0);
    EXPECT_EQ(kanten, 1u | 2u | 8u | 0x100u);
    EXPECT_EQ(teil, R(0, 0, 15, 9));
    EXPECT_EQ(quelle, R(5, 3, 20, 12));
    kanten = v.GetUeberstand(&teil, &quelle, 0, kanten);
    EXPECT_EQ(teil, R(15, 9, 20, 12)); // the corner, at the bottom right
    EXPECT_EQ(quelle, R(0, 0, 5, 3));
    kanten = v.GetUeberstand(&teil, &quelle, 0, kanten);
    EXPECT_EQ(teil, R(0, 9, 15, 12)); // the top strip, at the bottom
    EXPECT_EQ(quelle, R(5, 0, 20, 3));
    EXPECT_EQ(v.GetSichtbarerTeil(&teil, &quelle, 4), 0x80000000u);
    EXPECT_EQ(teil, RECT{});
}

TEST(Geometrie, RechteckeUndListen)
{
    EXPECT_EQ(RechteckBeschneiden(R(50, 50, 80, 80), R(0, 0, 40, 40)), R(40, 40, 40, 40));
    EXPECT_EQ(RechteckBeschneiden(R(-10, 5, 20, 30), R(0, 0, 40, 40)), R(0, 5, 20, 30));
    EXPECT_EQ(RechteckVereinigen(R(0, 0, 10, 10), R(5, -5, 20, 8)), R(0, -5, 20, 10));
    // An inverted rectangle counts with its larger edge.
    EXPECT_EQ(RechteckVereinigen(R(30, 30, 10, 10), R(0, 0, 5, 5)), R(0, 0, 30, 30));

    CDPunktListe l;
    EXPECT_EQ(l.SetAtGrow(25, 0.25, -0.5), 0);
    EXPECT_EQ(l.GetAt(24).x, 0.0);
    EXPECT_EQ(l.GetAt(25).y, -0.5);
    EXPECT_EQ(l.SetAtGrow(-1, 1, 1), -1);
}

TEST(Geometrie, UmrechnungInPixelUndZurueck)
{
    CUmgebung umgebung; // 1024 x 768
    CDRechteck r;
    EXPECT_EQ(r.SetPixelRechteck(0, 0, 1024, 768, &umgebung), 0);
    EXPECT_EQ(std::vector({r.left, r.top, r.right, r.bottom}), std::vector({-0.5, 0.5, 0.5, -0.5}));
    EXPECT_EQ(r.GetPixelRechteck(&umgebung), R(0, 0, 1024, 768));
    EXPECT_EQ(r.SetPixelRechteck(512, 0, 256, 768, &umgebung), 0); // left > right
    EXPECT_EQ(r.right, 0.0);
    EXPECT_EQ(r.SetPixelRechteck(0, 700, 100, 600, &umgebung), 0); // top below bottom
    EXPECT_EQ(r.GetPixelRechteck(&umgebung), R(512, 384, 512, 384)); // all 0.0: the centre
    EXPECT_EQ(r.SetPixelRechteck(0, 0, 10, 10, nullptr), -1);

    CDRechteck verkehrt;
    verkehrt.left = 0.2;
    verkehrt.right = -0.2;
    EXPECT_EQ(verkehrt.GetPixelRechteck(&umgebung), RECT{});

    CDPunkt p;
    EXPECT_EQ(p.SetPixelPunkt(768, 192, &umgebung), 0);
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(0.25, 0.25));
    EXPECT_EQ(p.SetPixelPunkt(1, 1, nullptr), -1);
    EXPECT_EQ(p.x, 0.0);
}

} // namespace
