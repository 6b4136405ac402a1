// Picture strips, the bitmap reader's colour mapping and the pixel operations.
#include <gtest/gtest.h>

#include "presentation/bildstreifen.h"
#include "presentation/bmpdatei.h"
#include "testanzeige.h"

#include <tuple>

using namespace testanzeige;

namespace {

constexpr uint32_t W = 0xFFFFFF, S = 0x000000, M = 0xFF00FF;

class BmpDatei : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<PALETTEENTRY> grau(256);
        for (int i = 0; i < 256; ++i)
            grau[size_t(i)] = {BYTE(i), BYTE(i), BYTE(i), 0};
        m_palette.CreatePalette(grau.data(), 256);
    }
    void TearDown() override
    {
        if (m_s)
            m_s->Release();
    }
    int Laden(const std::vector<uint8_t>& datei, DWORD flags, int first = 11, int count = 0)
    {
        return BmpLaden(m_u.dd, &m_s, &m_palette, Schreiben("bild.bmp", datei), first, count, flags);
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
    EXPECT_EQ(BmpLaden(m_u.dd, &m_s, &m_palette, Ordner() + "/gibtsnicht.bmp", 11, 0, 1), 0x203);
    auto sechzehn = WeissSchwarz();
    sechzehn[28] = 16;
    EXPECT_EQ(Laden(sechzehn, 1), 0x208);
    EXPECT_EQ(Laden(WeissSchwarz(), 1, 250, 10), 0x1000); // only 246..255 left
    EXPECT_EQ(m_s, nullptr);
}

// Ten cells of 64 x 64 one under the other; FarbeErsetzen inside cell 1 only.
TEST(Bildstreifen, ZellenUndFarbeErsetzen)
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
}

TEST(Pixeloperationen, SkaliertKopierenNachBedeckung)
{
    CUmfeld u;
    IDirectDrawSurface* q = Oberflaeche(u.dd, 8, 2);
    IDirectDrawSurface* z = Oberflaeche(u.dd, 4, 1);
    Fuellen(q, {0, 0, 8, 2}, 176);
    Fuellen(q, {0, 0, 2, 2}, 1); // destination pixel 0: full
    Fuellen(q, {2, 0, 3, 2}, 1); // destination pixel 1: half
    Fuellen(q, {6, 0, 7, 1}, 1); // destination pixel 3: a quarter
    EXPECT_EQ(OberflaecheSkaliertKopieren(z, {0, 0, 4, 1}, q, {0, 0, 8, 2}, 1, 10, 59), 0);
    const int bedeckt[] = {10, 39, 68, 54};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Pixel(z, x, 0), bedeckt[x]) << x;
    for (auto [ziel, quelle, erster, anzahl] : {std::tuple{RECT{0, 0, 4, 1}, RECT{0, 0, 8, 2}, 200, 59},
                                                {RECT{-1, 0, 4, 1}, RECT{0, 0, 8, 2}, 10, 59},
                                                {RECT{0, 0, 4, 1}, RECT{8, 0, 9, 2}, 10, 59}})
        EXPECT_EQ(OberflaecheSkaliertKopieren(z, ziel, q, quelle, 1, erster, anzahl), 1);
    // Beyond the destination's edge: the source shrinks with it.
    Fuellen(z, {0, 0, 4, 1}, 0);
    EXPECT_EQ(OberflaecheSkaliertKopieren(z, {2, 0, 6, 1}, q, {0, 0, 8, 2}, 1, 10, 59), 0);
    EXPECT_EQ(Pixel(z, 2, 0), 10);
    EXPECT_EQ(Pixel(z, 3, 0), 39);
    EXPECT_EQ(Pixel(z, 1, 0), 0);
    q->Release();
    z->Release();
}

} // namespace
