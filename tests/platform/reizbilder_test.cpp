// The generated stimulus and arrow bitmaps must be 1-bit pictures in the
// layout the picture loader reads: black for the ink, white for the ground.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string Bilderordner = LUMETRA_ARTIFACTS "/../resources/bilder/";

const char* const Saetze[] = {"kreise.bmp", "dreiecke.bmp", "mehrecke.bmp", "geometr.bmp",  "sterne.bmp",
                              "pfeile.bmp", "gitter.bmp",   "symbole.bmp",  "objekteA.bmp", "objekteB.bmp"};

uint32_t Lese(const std::vector<uint8_t>& b, size_t o, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b[o + size_t(i)];
    return v;
}

struct CBmp {
    std::vector<uint8_t> bytes;
    int hoehe = 0;
    uint32_t zeile = 0;

    // Ink at (x, y), y counted from the top.
    bool Tinte(int x, int y) const
    {
        const size_t o = 62 + size_t(hoehe - 1 - y) * zeile + size_t(x / 8);
        return !(bytes[o] & (0x80 >> (x % 8)));
    }
};

// Checks every header field the loader relies on and returns the picture.
CBmp LeseUndPruefe(const std::string& name, int breite, int hoehe)
{
    CBmp bmp;
    std::ifstream datei(Bilderordner + name, std::ios::binary);
    EXPECT_TRUE(datei) << name << " fehlt in " << Bilderordner;
    bmp.bytes.assign(std::istreambuf_iterator<char>(datei), {});
    const auto& b = bmp.bytes;
    EXPECT_GE(b.size(), 62u) << name;
    if (b.size() < 62)
        return bmp;
    SCOPED_TRACE(name);
    EXPECT_EQ(Lese(b, 0, 2), 0x4D42u);
    EXPECT_EQ(Lese(b, 2, 4), b.size());
    EXPECT_EQ(Lese(b, 10, 4), 62u);
    EXPECT_EQ(Lese(b, 14, 4), 40u);
    EXPECT_EQ(int32_t(Lese(b, 18, 4)), breite);
    EXPECT_EQ(int32_t(Lese(b, 22, 4)), hoehe); // positive: bottom row first
    EXPECT_EQ(Lese(b, 26, 2), 1u);
    EXPECT_EQ(Lese(b, 28, 2), 1u);
    EXPECT_EQ(Lese(b, 30, 4), 0u);
    EXPECT_EQ(Lese(b, 46, 4), 2u);
    EXPECT_EQ(Lese(b, 54, 4), 0x00000000u); // entry 0 black
    EXPECT_EQ(Lese(b, 58, 4), 0x00FFFFFFu); // entry 1 white
    bmp.zeile = ((uint32_t(breite) + 31) / 32) * 4;
    EXPECT_EQ(b.size() - 62, size_t(bmp.zeile) * size_t(hoehe));
    if (b.size() - 62 == size_t(bmp.zeile) * size_t(hoehe))
        bmp.hoehe = hoehe;
    return bmp;
}

TEST(Reizbilder, SymbolsetsHold32DistinctSymbolsClearOfTheCellEdges)
{
    for (const char* name : Saetze) {
        SCOPED_TRACE(name);
        const CBmp bmp = LeseUndPruefe(name, 128, 128 * 32);
        ASSERT_EQ(bmp.hoehe, 128 * 32);
        std::vector<std::vector<bool>> zellen;
        for (int i = 0; i < 32; ++i) {
            SCOPED_TRACE(i);
            std::vector<bool> z;
            int rand = 0;
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x) {
                    z.push_back(bmp.Tinte(x, i * 128 + y));
                    rand += z.back() && (x == 0 || y == 0 || x == 127 || y == 127);
                }
            const auto tinte = std::count(z.begin(), z.end(), true);
            EXPECT_GT(tinte, 128 * 128 / 30);
            EXPECT_LT(tinte, 128 * 128 * 9 / 10);
            // Smoothing while scaling must not pull in the neighbour cell.
            EXPECT_EQ(rand, 0);
            EXPECT_EQ(std::count(zellen.begin(), zellen.end(), z), 0) << "Symbol doppelt";
            zellen.push_back(z);
        }
    }
}

TEST(Reizbilder, ArrowPicturesPointRightAndLeft)
{
    const CBmp rechts = LeseUndPruefe("pfeilr.bmp", 128, 128);
    const CBmp links = LeseUndPruefe("pfeill.bmp", 128, 128);
    ASSERT_EQ(rechts.hoehe, 128);
    ASSERT_EQ(links.hoehe, 128);
    // The head is the tall end, the shaft the low one.
    int kopf = 0, schaft = 0;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(rechts.Tinte(x, y), links.Tinte(127 - x, y)) << x << "," << y;
        kopf += rechts.Tinte(80, y);
        schaft += rechts.Tinte(20, y);
    }
    EXPECT_GT(kopf, 2 * schaft);
    EXPECT_GT(schaft, 0);
}

} // namespace
