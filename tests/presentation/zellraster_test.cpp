#include "presentation/zellraster.h"

#include <gtest/gtest.h>

namespace {

TEST(Zellraster, ZellenUndStreifen)
{
    CRaster r;
    ASSERT_EQ(r.Init(RECT{0, 0, 200, 100}, RECT{0, 0, 10, 10}, 2, 3), 0);
    // Margins 12, gap 1: cells 175/3 wide and 37.5 high.
    EXPECT_EQ(r.GetZellRechteck(), (RECT{0, 0, 57, 36}));
    EXPECT_EQ(r.GetZelleNr(0), (RECT{13, 13, 70, 49}));
    EXPECT_EQ(r.GetZelleNr(5), (RECT{129, 50, 187, 87}));
    EXPECT_EQ(r.GetZelle(2, 3), r.GetZelleNr(5));
    EXPECT_EQ(r.GetZelle(0, 1), RECT{});
    EXPECT_EQ(r.GetRasterRechteck(), (RECT{13, 13, 187, 87}));
    EXPECT_EQ(r.GetZellstreifenNr(1, 0), (RECT{12, 12, 13, 50}));
    EXPECT_EQ(r.GetZellstreifenNr(4, 0), (RECT{12, 49, 71, 50}));
}

// The gap is a twentieth of the symbol's height, rounded, at least 1 pixel.
TEST(Zellraster, LueckeNachSymbolhoehe)
{
    const std::pair<LONG, LONG> faelle[] = {{9, 1}, {10, 1}, {29, 1}, {30, 2}, {50, 3}};
    for (auto [hoehe, luecke] : faelle) {
        CRaster r;
        ASSERT_EQ(r.Init(RECT{0, 0, 400, 300}, RECT{0, 0, 10, hoehe}, 1, 1), 0);
        const RECT t = r.GetTrennstreifen(1);
        EXPECT_EQ(t.bottom - t.top, luecke) << hoehe;
        EXPECT_EQ(r.GetRasterRechteck().top, 12 + luecke) << hoehe;
    }
}

TEST(Zellraster, ZuKleinerRahmenAendertNichts)
{
    CRaster r;
    ASSERT_EQ(r.Init(RECT{0, 0, 200, 100}, RECT{0, 0, 10, 10}, 2, 3), 0);
    // 2 x 12 + 4 gaps = 28 pixels are needed across.
    EXPECT_EQ(r.Init(RECT{0, 0, 27, 100}, RECT{0, 0, 10, 10}, 1, 3), 1);
    EXPECT_EQ(r.Init(RECT{0, 0, 200, 100}, RECT{0, 0, 10, 10}, 0, 3), 1);
    EXPECT_EQ(r.GetZelleNr(0), (RECT{13, 13, 70, 49}));
    // Cells no wider than the gap are empty.
    ASSERT_EQ(r.Init(RECT{0, 0, 35, 35}, RECT{0, 0, 10, 10}, 10, 10), 0);
    EXPECT_EQ(r.GetZellRechteck(), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(r.Init(RECT{0, 0, 34, 34}, RECT{0, 0, 10, 10}, 10, 10), 1);
}

} // namespace
