#include <gtest/gtest.h>

#include "workplace/reizkatalog.h"
#include "workplace/tastenliste.h"

// The names of all 57 entries are checked with the keys they poll.
TEST(Tastenliste, CodesUndGrenzen)
{
    CTastenliste t;
    EXPECT_EQ(t.GetCode(2), 0x10000u);
    EXPECT_EQ(t.GetCode(38), 90u);
    EXPECT_EQ(t.GetCode(56), 220u);
    EXPECT_EQ(t.GetName(57), "---");
    EXPECT_EQ(t.GetCode(57), 0u);
    EXPECT_EQ(t.GetCode(-1), 0u);
    const uint32_t faelle[][3] = {{2, 99, 50}, {3, 10, 51}, {4, 99, 2}, {5, 99, 3}, {2, 100, 2}, {6, 10, 6}};
    for (auto [taste, version, neu] : faelle)
        EXPECT_EQ(TasteAlteVersion(taste, version), neu) << taste << " " << version;
}

TEST(Reizkatalog, AnzahlenUndCodes)
{
    CReizkatalog k;
    EXPECT_EQ(k.m_SatzNamen, k.m_SatzNamen2);
    for (int s = -1; s <= 12; ++s) {
        EXPECT_EQ(k.GetAnzahlReize(s), s == 0 ? 26 : s == 1 ? 10 : s >= 2 && s <= 11 ? 32 : 0) << s;
        EXPECT_EQ(k.GetAnzahlReize(s), k.GetAnzahlReize2(s));
        for (int r = -1; r <= 32; ++r)
            EXPECT_EQ(k.GetReiz(s, r), k.GetReiz2(s, r));
    }
    EXPECT_EQ(k.GetReiz(0, 25), 0x0100005Au);
    EXPECT_EQ(k.GetReiz(11, 31), 0x000A001Fu);
    EXPECT_EQ(k.GetReiz(1, 10), 0u);
    EXPECT_EQ(k.m_BitmapDateien[3], "geometr.bmp");
}
