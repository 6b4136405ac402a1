#include <gtest/gtest.h>

#include "workplace/geometrie.h"
#include "workplace/umgebung.h"

namespace {

RECT R(int l, int t, int r, int b) { return {l, t, r, b}; }

TEST(Geometrie, RechteckeUndListen)
{
    EXPECT_EQ(RechteckBeschneiden(R(50, 50, 80, 80), R(0, 0, 40, 40)), R(40, 40, 40, 40));
    EXPECT_EQ(RechteckBeschneiden(R(-10, 5, 20, 30), R(0, 0, 40, 40)), R(0, 5, 20, 30));
    EXPECT_EQ(RechteckVereinigen(R(0, 0, 10, 10), R(5, -5, 20, 8)), R(0, -5, 20, 10));
    // An inverted rectangle counts with its larger edge.
    EXPECT_EQ(RechteckVereinigen(R(30, 30, 10, 10), R(0, 0, 5, 5)), R(0, 0, 30, 30));

    CDPunktListe l;
    EXPECT_EQ(l.SetAtGrow(25, 0.25, -0.5), 0);
    EXPECT_EQ(l.GetSize(), 26);
    EXPECT_EQ(l.GetAt(24).x, 0.0);
    EXPECT_EQ(l.GetAt(25).y, -0.5);
    EXPECT_EQ(l.SetAtGrow(-1, 1, 1), -1);
    // Shrinking and growing again shows the dropped points cleared.
    l.SetSize(10);
    l.SetSize(30);
    EXPECT_EQ(l.GetAt(25).y, 0.0);

    CRechteckListe r;
    EXPECT_EQ(r.SetSize(0), 1);
    EXPECT_EQ(r.GetAt(0), RECT{});
    r.SetSize(3);
    EXPECT_EQ(r.SetRechteck(1, R(1, 2, 3, 4)), 0);
    EXPECT_EQ(r.SetAt(3, R(1, 1, 1, 1)), 1);
    EXPECT_EQ(r.SetSize(2), 0);
    EXPECT_EQ(r.GetAt(1), RECT{}); // old contents are not kept
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
    EXPECT_EQ(p.x, 0.25);
    EXPECT_EQ(p.y, 0.25);
    EXPECT_EQ(p.SetPixelPunkt(1, 1, nullptr), -1);
    EXPECT_EQ(p.x, 0.0);
}

} // namespace
