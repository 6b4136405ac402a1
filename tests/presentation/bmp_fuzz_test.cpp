// Hostile bitmap files: a valid picture mutated in many deterministic ways.
// Each must be refused with a code or read as a picture of the size it
// claims, never read out of bounds (run under the sanitizer build).
#include <gtest/gtest.h>

#include "presentation/bmpdatei.h"
#include "testanzeige.h"

#include <set>
#include <sys/resource.h>

using namespace testanzeige;

namespace {

class BmpFeindlich : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<PALETTEENTRY> e(256);
        m_palette.CreatePalette(e.data(), 256);
    }
    // The code; a loaded picture must match what its header claims.
    int Pruefen(const std::vector<uint8_t>& datei)
    {
        IDirectDrawSurface* s = nullptr;
        const int code = BmpLaden(m_u.dd, &s, &m_palette, Schreiben("feind.bmp", datei), 11, 100, 1);
        EXPECT_TRUE(Erlaubt().count(code)) << std::hex << code;
        if (code == 0) {
            DDSURFACEDESC d;
            EXPECT_EQ(s->GetSurfaceDesc(&d), DD_OK);
            const int32_t breite = int32_t(datei[18] | datei[19] << 8 | datei[20] << 16 | uint32_t(datei[21]) << 24);
            const int32_t hoehe = int32_t(datei[22] | datei[23] << 8 | datei[24] << 16 | uint32_t(datei[25]) << 24);
            EXPECT_EQ(int64_t(d.dwWidth), int64_t(breite));
            EXPECT_EQ(int64_t(d.dwHeight), hoehe < 0 ? -int64_t(hoehe) : int64_t(hoehe));
        }
        if (s)
            s->Release();
        return code;
    }
    static const std::set<int>& Erlaubt()
    {
        static const std::set<int> codes{0, 0x201, 0x206, 0x208, 0x1000, 0x2000, 0x2001, 0x4000};
        return codes;
    }

    CUmfeld m_u;
    CPalette m_palette;
};

std::vector<std::vector<uint8_t>> Vorlagen()
{
    auto muster = [](int x, int y) { return uint32_t((x * 7 + y * 3) % 5); };
    return {
        Bmp(1, 13, 5, {0xFFFFFF, 0}, muster),
        Bmp(4, 7, -6, {0xFFFFFF, 0, 0xFF00FF, 0x123456, 0x654321}, muster),
        Bmp(8, 5, 4, {0xFFFFFF, 0, 0x0000FF, 0x00FF00, 0xFF0000}, muster),
        Bmp(24, 6, 3, {}, [](int x, int y) { return uint32_t(x * 0x102030 + y); }),
    };
}

// Every header byte set to boundary values and flipped; every header field
// set to boundary numbers.
TEST_F(BmpFeindlich, KoepfeVerfaelscht)
{
    const uint8_t werte[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
    const uint32_t grenzen[] = {0,       1,          2,          12,         39,         41,        108,
                                124,     255,        256,        257,        0x7FFF,     0x8000,    0xFFFF,
                                0x10000, 0x7FFFFFFF, 0x80000000, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF};
    // file size, pixel offset, header size, width, height, compression, image size, colours used
    const size_t felder[] = {2, 10, 14, 18, 22, 30, 34, 46};
    for (const auto& vorlage : Vorlagen()) {
        ASSERT_EQ(Pruefen(vorlage), 0);
        for (size_t o = 0; o < std::min<size_t>(vorlage.size(), 74); ++o)
            for (uint8_t w : werte) {
                auto d = vorlage;
                d[o] = w;
                Pruefen(d);
                d[o] ^= 0x5A;
                Pruefen(d);
            }
        for (size_t f : felder)
            for (uint32_t g : grenzen) {
                auto d = vorlage;
                Setze32(d, f, g);
                Pruefen(d);
            }
    }
}

TEST_F(BmpFeindlich, JedeLaengeAbgeschnitten)
{
    for (const auto& vorlage : Vorlagen())
        for (size_t n = 0; n < vorlage.size(); ++n)
            EXPECT_NE(Pruefen(std::vector<uint8_t>(vorlage.begin(), vorlage.begin() + ptrdiff_t(n))), 0) << n;
}

TEST_F(BmpFeindlich, BekannteFaelle)
{
    const struct {
        size_t feld;
        uint32_t wert;
        int code;
    } faelle[] = {
        {14, 12, 0x208}, // core header layout
        {30, 1, 0x208}, // run-length data
        {46, 257, 0x208}, // colour table longer than 256
        {18, 0, BMP_GROESSE}, {22, 0x7FFFFFFF, BMP_GROESSE}, {10, 0xFFFFFFF0, 0x206}, // pixels beyond the file
        {2, 0xFFFFFFFF, 0}, // a size field that wraps is not used
        {10, 0, 0}, // an offset into the headers: behind the table
    };
    for (const auto& f : faelle) {
        auto d = Vorlagen()[2];
        Setze32(d, f.feld, f.wert);
        EXPECT_EQ(Pruefen(d), f.code) << f.feld << " " << f.wert;
    }
}

// The largest side is read; one pixel more is refused.
TEST_F(BmpFeindlich, SeitenlaengeBisGrenze)
{
    auto schwarz = [](int, int) { return 0u; };
    EXPECT_EQ(Pruefen(Bmp(8, 16384, 1, {0xFFFFFF, 0}, schwarz)), 0);
    EXPECT_EQ(Pruefen(Bmp(8, 16385, 1, {0xFFFFFF, 0}, schwarz)), BMP_GROESSE);
    EXPECT_EQ(Pruefen(Bmp(8, 1, 16384, {0xFFFFFF, 0}, schwarz)), 0);
    EXPECT_EQ(Pruefen(Bmp(8, 1, 16385, {0xFFFFFF, 0}, schwarz)), BMP_GROESSE);
}

// A 54-byte file whose header claims 16384 x 2048 x 24 bits: refused as
// short before 96 MB are allocated for pixels that are not there.
TEST_F(BmpFeindlich, KurzeDateiMitGrossemKopfBelegtNichts)
{
    auto d = Bmp(24, 1, 1, {}, [](int, int) { return 0u; });
    d.resize(54);
    Setze32(d, 18, 16384);
    Setze32(d, 22, 2048);
    rusage vorher{}, nachher{};
    getrusage(RUSAGE_SELF, &vorher);
    EXPECT_EQ(Pruefen(d), BMP_LESEN);
    getrusage(RUSAGE_SELF, &nachher);
    EXPECT_LT(nachher.ru_maxrss - vorher.ru_maxrss, 32 * 1024) << "kB";
}

// The user learns which file and why.
TEST(BmpMeldung, NenntDateiUndGrund)
{
    int fehler = 0;
    std::string text = "Vorher.\n";
    BmpFehlerMelden(BMP_GROESSE, "/bilder/riesig.bmp", fehler, text);
    EXPECT_EQ(fehler, 0x300);
    EXPECT_EQ(text, "Vorher.\nDas Bild der Datei /bilder/riesig.bmp ist leer oder zu groß: erlaubt sind 1 bis "
                    "16384 Bildpunkte in Breite und Höhe und höchstens 33554432 Bildpunkte insgesamt.\n");
}

} // namespace
