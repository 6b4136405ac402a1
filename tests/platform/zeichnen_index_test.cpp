#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/draw/raster8/freetype_schriften.h"
#include "platform/draw/raster8/index_dc.h"

namespace {

// An 8-bit buffer with its own storage.
struct Puffer {
    int breite, hoehe;
    std::vector<uint8_t> pixel;
    Puffer(int b, int h, uint8_t wert = 0) : breite(b), hoehe(h), pixel(static_cast<size_t>(b) * h, wert) {}
    CIndexPuffer Sicht() { return {pixel.data(), breite, breite, hoehe}; }
    uint8_t at(int x, int y) const { return pixel[static_cast<size_t>(y) * breite + x]; }
    int Anzahl(uint8_t wert) const { return static_cast<int>(std::count(pixel.begin(), pixel.end(), wert)); }
    // One digit a pixel, for buffers drawn with indices below 10.
    std::vector<std::string> Zeilen() const
    {
        std::vector<std::string> z(static_cast<size_t>(hoehe));
        for (int y = 0; y < hoehe; ++y)
            for (int x = 0; x < breite; ++x)
                z[static_cast<size_t>(y)] += static_cast<char>('0' + at(x, y));
        return z;
    }
};

constexpr COLORREF I(int i) { return PALETTEINDEX(i); }

LOGFONT Arial(int hoehe, int gewicht = FW_NORMAL)
{
    LOGFONT lf;
    lf.lfHeight = hoehe;
    lf.lfWeight = gewicht;
    lf.lfFaceName = "Arial";
    return lf;
}

} // namespace

TEST(IndexDC, RechteckUndEllipseExakt)
{
    CPen pen(PS_SOLID, 0, I(2));
    CPen kein;
    kein.CreateStockObject(NULL_PEN);
    CBrush brush(I(5));
    Puffer p(10, 6);
    CIndexDC dc(p.Sicht());
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.Rectangle(1, 1, 6, 5);
    // Without a pen the fill is one pixel less to the right and below.
    dc.SelectObject(&kein);
    dc.Rectangle(7, 1, 10, 4);
    EXPECT_EQ(p.Zeilen(), (std::vector<std::string>{"0000000000", "0222220550", "0255520550", "0255520000",
                                                    "0222220000", "0000000000"}));

    Puffer e(11, 9);
    CIndexDC dc2(e.Sicht());
    dc2.SelectObject(&pen);
    dc2.SelectObject(&brush);
    dc2.Ellipse(1, 1, 10, 8);
    EXPECT_EQ(e.Zeilen(),
              (std::vector<std::string>{"00000000000", "00022222000", "00255555200", "02555555520", "02555555520",
                                        "02555555520", "00255555200", "00022222000", "00000000000"}));
}

// A pixel of a polygon counts when its centre lies inside; a line leaves out
// its end point.
TEST(IndexDC, PolygoneUndLinienExakt)
{
    Puffer p(10, 9);
    CIndexDC dc(p.Sicht());
    CPen kein;
    kein.CreateStockObject(NULL_PEN);
    CBrush brush(I(9));
    dc.SelectObject(&kein);
    dc.SelectObject(&brush);
    POINT viereck[] = {{5, 0}, {9, 0}, {9, 3}, {5, 3}};
    dc.Polygon(viereck, 4);
    POINT pfeilspitze[] = {{0, 0}, {3, 3}, {0, 6}};
    dc.Polygon(pfeilspitze, 3);
    CPen pen(PS_SOLID, 0, I(4));
    dc.SelectObject(&pen);
    dc.MoveTo(0, 8);
    dc.LineTo(4, 8);
    EXPECT_EQ(dc.GetCurrentPosition(), (POINT{4, 8}));
    EXPECT_EQ(p.Zeilen(),
              (std::vector<std::string>{"0000099990", "9000099990", "9900099990", "9900000000", "9000000000",
                                        "0000000000", "0000000000", "0000000000", "4444000000"}));
}

TEST(IndexDC, FarbenUndKopienSindIndizesNieZurueckgerechnet)
{
    std::vector<PALETTEENTRY> eintraege(256);
    eintraege[69] = eintraege[176] = {10, 20, 30, PC_RESERVED};
    eintraege[129] = {200, 0, 0, PC_RESERVED};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(eintraege.data(), 256));
    Puffer p(4, 1, 1);
    CIndexDC dc(p.Sicht());
    EXPECT_EQ(dc.Index(RGB(10, 20, 30)), 0) << "without palette";
    dc.SelectPalette(&palette, false);
    EXPECT_EQ(dc.Index(RGB(10, 20, 30)), 69);
    EXPECT_EQ(dc.Index(RGB(190, 5, 5)), 129);
    dc.FillSolidRect(0, 0, 2, 1, I(176));
    dc.FillSolidRect(2, 0, 2, 1, RGB(10, 20, 30));
    EXPECT_EQ(p.pixel, (std::vector<uint8_t>{176, 176, 69, 69}));

    Puffer quelle(2, 2);
    quelle.pixel = {69, 176, 176, 69};
    Puffer ziel(4, 4);
    CIndexDC q(quelle.Sicht()), z(ziel.Sicht());
    ASSERT_TRUE(z.StretchBlt(0, 0, 4, 4, &q, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(ziel.pixel,
              (std::vector<uint8_t>{69, 69, 176, 176, 69, 69, 176, 176, 176, 176, 69, 69, 176, 176, 69, 69}));
}

TEST(IndexDC, SchriftnamenFindenInstallierteSchriften)
{
    CSchriftFund fund;
    LOGFONT lf;
    for (auto [name, familie] : {std::pair{"Arial", "Liberation Sans"},
                                 {"Times New Roman", "Liberation Serif"},
                                 {"Courier New", "Liberation Mono"},
                                 {"MS Sans Serif", "Liberation Sans"}}) {
        lf.lfFaceName = name;
        ASSERT_TRUE(FindeSchriftdatei(lf, fund)) << name;
        EXPECT_EQ(fund.familie, familie);
    }
    lf = Arial(12, FW_BOLD);
    ASSERT_TRUE(FindeSchriftdatei(lf, fund));
    EXPECT_NE(fund.datei.find("Bold"), std::string::npos) << fund.datei;
}

TEST(IndexDC, TextNurInZweiIndizesAusgerichtetUndGeschnitten)
{
    Puffer p(200, 60, 176);
    CIndexDC dc(p.Sicht());
    CFont font;
    LOGFONT lf = Arial(20, FW_BOLD);
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 20);
    dc.SetBkColor(I(69));
    dc.SetTextColor(I(10));
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.TextOut(100, 40, "Bereit?");
    const SIZE s = dc.GetTextExtent("Bereit?");
    const int links = 100 - s.cx / 2;
    std::set<uint8_t> benutzt;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            bool imKasten = x >= links && x < links + s.cx && y >= 20 && y < 40;
            if (!imKasten)
                EXPECT_EQ(p.at(x, y), 176) << x << "," << y;
            else
                benutzt.insert(p.at(x, y));
        }
    EXPECT_EQ(benutzt, (std::set<uint8_t>{10, 69}));

    // Transparent and clipped: nothing outside the rectangle, no background.
    Puffer q(200, 40, 176);
    CIndexDC dc2(q.Sicht());
    dc2.SelectObject(&font);
    dc2.SetBkMode(TRANSPARENT);
    dc2.SetTextColor(I(10));
    RECT clip{0, 0, 30, 40};
    dc2.ExtTextOut(5, 5, ETO_CLIPPED, &clip, "Lumetra Lumetra");
    EXPECT_EQ(q.Anzahl(69), 0);
    EXPECT_GT(q.Anzahl(10), 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 30; x < 200; ++x)
            ASSERT_EQ(q.at(x, y), 176);
}
