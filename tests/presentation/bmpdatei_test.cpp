// The bitmap reader, hostile bitmaps (refused or read at the size they
// claim, never out of bounds), picture strips and the pixel operations.
#include <gtest/gtest.h>

#include "presentation/bildstreifen.h"
#include "presentation/bmpdatei.h"
#include "testanzeige.h"

#include <cstring>
#include <set>
#include <sys/resource.h>
#include <tuple>

using namespace testanzeige;

namespace {

constexpr uint32_t W = 0xFFFFFF, S = 0x000000;

class BmpDatei : public ::testing::Test {
protected:
    BmpDatei()
    {
        std::vector<PALETTEENTRY> grau(256);
        for (int i = 0; i < 256; ++i)
            grau[size_t(i)] = {BYTE(i), BYTE(i), BYTE(i), 0};
        m_palette.CreatePalette(grau.data(), 256);
    }
    ~BmpDatei() override
    {
        if (m_s)
            m_s->Release();
    }
    int Laden(const std::vector<uint8_t>& datei, DWORD flags, int first = 11, int count = 0)
    {
        return BmpLaden(m_u.dd, &m_s, &m_palette, Schreiben("bild.bmp", datei), first, count, flags);
    }
    // A hostile file's code; a picture read has the size its header claims.
    int Pruefen(const std::vector<uint8_t>& datei)
    {
        static const std::set<int> erlaubt{0, 0x201, 0x206, 0x208, 0x1000, 0x2000, 0x2001, 0x4000};
        const int code = Laden(datei, 1, 11, 100);
        EXPECT_TRUE(erlaubt.count(code)) << std::hex << code;
        DDSURFACEDESC d;
        if (code == 0 && m_s->GetSurfaceDesc(&d) == DD_OK) {
            int32_t breite, hoehe;
            std::memcpy(&breite, &datei[18], 4);
            std::memcpy(&hoehe, &datei[22], 4);
            EXPECT_EQ(int64_t(d.dwWidth), int64_t(breite));
            EXPECT_EQ(int64_t(d.dwHeight), std::abs(int64_t(hoehe)));
        }
        return code;
    }
    PALETTEENTRY Eintrag(int i) const
    {
        PALETTEENTRY e;
        m_palette.GetPaletteEntries(i, 1, &e);
        return e;
    }

    CUmfeld m_u;
    CPalette m_palette;
    IDirectDrawSurface* m_s = nullptr;
};
class BmpFeindlich : public BmpDatei {};

// Left half white (table index 0), right half black (index 1).
std::vector<uint8_t> WeissSchwarz()
{
    return Bmp(1, 16, 4, {W, S}, [](int x, int) { return x < 8 ? 0u : 1u; });
}

TEST_F(BmpDatei, EinBitWeissUndSchwarzNachFlags)
{
    const struct {
        DWORD flags;
        int weiss, schwarz;
    } faelle[] = {{4, 176, 129}, {1, 69, 10}, {2, 69, 128}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.flags);
        ASSERT_EQ(Laden(WeissSchwarz(), f.flags, 11, 0), 0);
        EXPECT_EQ(Pixel(m_s, 0, 0), f.weiss);
        EXPECT_EQ(Pixel(m_s, 15, 3), f.schwarz);
    }
}

TEST_F(BmpDatei, WeitereFarbenNehmenFreieIndizes)
{
    const std::vector<uint32_t> farben{W, 0x0000FF, 0x00FF00, 0x0000FF, 0xFF0000, S};
    ASSERT_EQ(Laden(Bmp(8, 6, 1, farben, [](int x, int) { return uint32_t(x); }), 1, 123, 100), 0);
    const int erwartet[] = {69, 123, 124, 123, 125, 10};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(Pixel(m_s, x, 0), erwartet[x]) << x;
    EXPECT_EQ(Eintrag(123), (PALETTEENTRY{255, 0, 0, 0}));
    EXPECT_EQ(Eintrag(124), (PALETTEENTRY{0, 255, 0, 0}));
    EXPECT_EQ(Eintrag(125), (PALETTEENTRY{0, 0, 255, 0}));
}

TEST_F(BmpDatei, Verweigerungen)
{
    auto sechzehn = WeissSchwarz();
    sechzehn[28] = 16;
    EXPECT_EQ(Laden(sechzehn, 1), 0x208);
    EXPECT_EQ(Laden(WeissSchwarz(), 1, 250, 10), 0x1000); // only 246..255 left
    EXPECT_EQ(m_s, nullptr);
}

std::vector<std::vector<uint8_t>> Vorlagen()
{
    auto muster = [](int x, int y) { return uint32_t((x * 7 + y * 3) % 5); };
    return {
        Bmp(1, 13, 5, {W, S}, muster),
        Bmp(4, 7, -6, {W, S, 0xFF00FF, 0x123456, 0x654321}, muster),
        Bmp(8, 5, 4, {W, S, 0x0000FF, 0x00FF00, 0xFF0000}, muster),
        Bmp(24, 6, 3, {}, [](int x, int y) { return uint32_t(x * 0x102030 + y); }),
    };
}

// Every header byte at boundary values and flipped; every field at boundary
// numbers; every length cut short.
TEST_F(BmpFeindlich, KoepfeVerfaelschtUndAbgeschnitten)
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
        for (size_t n = 0; n < vorlage.size(); ++n)
            EXPECT_NE(Pruefen(std::vector<uint8_t>(vorlage.begin(), vorlage.begin() + ptrdiff_t(n))), 0) << n;
    }
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
    for (auto [breite, hoehe, code] :
         {std::tuple{16384, 1, 0}, {16385, 1, BMP_GROESSE}, {1, 16384, 0}, {1, 16385, BMP_GROESSE}})
        EXPECT_EQ(Pruefen(Bmp(8, breite, hoehe, {W, S}, [](int, int) { return 0u; })), code) << breite << "x" << hoehe;
}

// A 54-byte file claiming 16384 x 2048 x 24 bits: refused before 96 MB are allocated.
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

// Ten cells of 64 x 64 one under the other; FarbeErsetzen inside cell 1 only.
TEST(Bildstreifen, ZellenFarbeErsetzenUndSkaliertKopieren)
{
    CUmfeld u;
    CBildstreifen st;
    ASSERT_EQ(st.Erzeugen(u.dd, 64, 10), 0);
    IDirectDrawSurface* s = st.GetOberflaeche();
    EXPECT_EQ(st.GetZelle(9), (RECT{0, 576, 64, 640}));
    EXPECT_EQ(st.GetZelle(10), RECT{});
    EXPECT_EQ(st.Fuellen(0x145), 0);
    EXPECT_EQ(Pixel(s, 63, 639), 0x45);
    EXPECT_EQ(FarbeErsetzen(s, st.GetZelle(1), 7, 0x45), 0);
    EXPECT_EQ(Pixel(s, 0, 63), 0x45);
    EXPECT_EQ(Pixel(s, 63, 127), 7);
    EXPECT_EQ(Pixel(s, 0, 128), 0x45);
    EXPECT_EQ(st.Erzeugen(u.dd, -5, 3), 0);
    EXPECT_EQ(st.GetOberflaeche(), nullptr);

    // Strips of one cell as surfaces; a scaled copy by the covered parts.
    CBildstreifen quelle, ziel;
    ASSERT_EQ(quelle.Erzeugen(u.dd, 8, 1), 0);
    ASSERT_EQ(ziel.Erzeugen(u.dd, 4, 1), 0);
    IDirectDrawSurface *q = quelle.GetOberflaeche(), *z = ziel.GetOberflaeche();
    quelle.Fuellen(176);
    FarbeErsetzen(q, {0, 0, 2, 2}, 1, 176); // destination pixel 0: full
    FarbeErsetzen(q, {2, 0, 3, 2}, 1, 176); // destination pixel 1: half
    FarbeErsetzen(q, {6, 0, 7, 1}, 1, 176); // destination pixel 3: a quarter
    EXPECT_EQ(OberflaecheSkaliertKopieren(z, {0, 0, 4, 1}, q, {0, 0, 8, 2}, 1, 10, 59), 0);
    const int bedeckt[] = {10, 39, 68, 54};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Pixel(z, x, 0), bedeckt[x]) << x;
    for (auto [zr, qr, erster, anzahl] : {std::tuple{RECT{0, 0, 4, 1}, RECT{0, 0, 8, 2}, 200, 59},
                                          {RECT{-1, 0, 4, 1}, RECT{0, 0, 8, 2}, 10, 59},
                                          {RECT{0, 0, 4, 1}, RECT{8, 0, 9, 2}, 10, 59}})
        EXPECT_EQ(OberflaecheSkaliertKopieren(z, zr, q, qr, 1, erster, anzahl), 1);
    // Beyond the destination's edge: the source shrinks with it.
    ziel.Fuellen(0);
    EXPECT_EQ(OberflaecheSkaliertKopieren(z, {2, 0, 6, 1}, q, {0, 0, 8, 2}, 1, 10, 59), 0);
    EXPECT_EQ(Pixel(z, 2, 0), 10);
    EXPECT_EQ(Pixel(z, 3, 0), 39);
    EXPECT_EQ(Pixel(z, 1, 0), 0);
}

} // namespace
