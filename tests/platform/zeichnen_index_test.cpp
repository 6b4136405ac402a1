#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <set>
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
};

// Writes the buffer through a palette to LUMETRA_ARTIFACTS for looking at.
void AlsPng(const Puffer& p, const std::vector<PALETTEENTRY>& palette, const char* name)
{
    QImage bild(p.pixel.data(), p.breite, p.hoehe, p.breite, QImage::Format_Indexed8);
    QList<QRgb> tabelle;
    for (int i = 0; i < 256; ++i) {
        PALETTEENTRY e = i < static_cast<int>(palette.size()) ? palette[i] : PALETTEENTRY{};
        tabelle.push_back(qRgb(e.peRed, e.peGreen, e.peBlue));
    }
    bild.setColorTable(tabelle);
    QDir().mkpath(LUMETRA_ARTIFACTS);
    bild.save(QString(LUMETRA_ARTIFACTS) + "/" + name);
}

constexpr COLORREF I(int i) { return PALETTEINDEX(i); }

} // namespace

TEST(IndexDC, RechteckMitStiftUndPinselExakt)
{
    Puffer p(10, 8);
    CIndexDC dc(p.Sicht());
    CPen pen(PS_SOLID, 0, I(3));
    CBrush brush(I(7));
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.Rectangle(1, 1, 6, 5);
    const char* erwartet[] = {
        "0000000000", "0333330000", "0377730000", "0377730000", "0333330000", "0000000000",
    };
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(p.at(x, y), erwartet[y][x] - '0') << x << "," << y;

    // Without a pen the fill is one pixel less to the right and below.
    Puffer q(10, 8);
    CIndexDC dc2(q.Sicht());
    CPen kein;
    kein.CreateStockObject(NULL_PEN);
    dc2.SelectObject(&kein);
    dc2.SelectObject(&brush);
    dc2.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(q.Anzahl(7), 4 * 3);
    EXPECT_EQ(q.at(4, 3), 7);
    EXPECT_EQ(q.at(5, 3), 0);
}

TEST(IndexDC, FarbenSindIndizesNieZurueckgerechnet)
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
}

TEST(IndexDC, EllipseSymmetrischUndInnerhalbDesRechtecks)
{
    Puffer p(12, 10);
    CIndexDC dc(p.Sicht());
    CPen pen(PS_SOLID, 0, I(2));
    CBrush brush(I(5));
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.Ellipse(1, 1, 10, 8);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            bool innen = x >= 1 && x < 10 && y >= 1 && y < 8;
            if (!innen)
                EXPECT_EQ(p.at(x, y), 0) << x << "," << y;
            else {
                EXPECT_EQ(p.at(x, y), p.at(10 - x, y)) << x << "," << y;
                EXPECT_EQ(p.at(x, y), p.at(x, 8 - y)) << x << "," << y;
            }
        }
    EXPECT_EQ(p.at(1, 1), 0);
    EXPECT_EQ(p.at(1, 4), 2);
    EXPECT_EQ(p.at(5, 1), 2);
    EXPECT_EQ(p.at(5, 4), 5);
    EXPECT_GT(p.Anzahl(5), 20);
}

TEST(IndexDC, PolygonUndLinien)
{
    Puffer p(10, 10);
    CIndexDC dc(p.Sicht());
    CPen kein;
    kein.CreateStockObject(NULL_PEN);
    CBrush brush(I(9));
    dc.SelectObject(&kein);
    dc.SelectObject(&brush);
    POINT viereck[] = {{2, 2}, {6, 2}, {6, 5}, {2, 5}};
    dc.Polygon(viereck, 4);
    EXPECT_EQ(p.Anzahl(9), 4 * 3);
    EXPECT_EQ(p.at(2, 2), 9);
    EXPECT_EQ(p.at(5, 4), 9);
    EXPECT_EQ(p.at(6, 4), 0);

    // A line leaves out its end point.
    CPen pen(PS_SOLID, 0, I(4));
    dc.SelectObject(&pen);
    dc.MoveTo(0, 8);
    dc.LineTo(4, 8);
    EXPECT_EQ(p.Anzahl(4), 4);
    EXPECT_EQ(p.at(3, 8), 4);
    EXPECT_EQ(p.at(4, 8), 0);
    EXPECT_EQ(dc.GetCurrentPosition(), (POINT{4, 8}));

    // An arrowhead triangle: base (0,0)-(0,6), tip (3,3); a pixel counts when
    // its centre lies inside.
    Puffer d(6, 8);
    CIndexDC dc2(d.Sicht());
    dc2.SelectObject(&kein);
    dc2.SelectObject(&brush);
    POINT dreieck[] = {{0, 0}, {3, 3}, {0, 6}};
    dc2.Polygon(dreieck, 3);
    std::vector<int> breiten;
    for (int y = 0; y < 6; ++y) {
        int n = 0;
        for (int x = 0; x < 6; ++x)
            n += d.at(x, y) == 9;
        breiten.push_back(n);
    }
    EXPECT_EQ(breiten, (std::vector<int>{0, 1, 2, 2, 1, 0}));
}

TEST(IndexDC, StretchBltKopiertIndizesExakt)
{
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
    lf.lfFaceName = "Arial";
    lf.lfWeight = FW_BOLD;
    ASSERT_TRUE(FindeSchriftdatei(lf, fund));
    EXPECT_NE(fund.datei.find("Bold"), std::string::npos) << fund.datei;
}

TEST(IndexDC, TextNurInZweiIndizesAusgerichtetUndGeschnitten)
{
    Puffer p(200, 60, 176);
    CIndexDC dc(p.Sicht());
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 20;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = "Arial";
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 20);
    dc.SetBkColor(I(69));
    dc.SetTextColor(I(10));
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.TextOut(100, 40, "Bereit?");
    SIZE s = dc.GetTextExtent("Bereit?");
    int links = 100 - s.cx / 2;
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

TEST(IndexDC, TextbreiteWaechstMitDerHoehe)
{
    Puffer p(10, 10);
    CIndexDC dc(p.Sicht());
    auto breite = [&](int hoehe) {
        CFont font;
        LOGFONT lf;
        lf.lfHeight = hoehe;
        lf.lfFaceName = "Arial";
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        SIZE s = dc.GetTextExtent("Zielzeichen:");
        EXPECT_EQ(s.cy, hoehe);
        return s.cx;
    };
    int b12 = breite(12), b24 = breite(24), b48 = breite(48);
    EXPECT_GT(b12, 30);
    // Hinted advances round per character: a few per cent either way.
    EXPECT_NEAR(b24, 2 * b12, b24 / 20);
    EXPECT_NEAR(b48, 2 * b24, b48 / 20);
}

TEST(IndexDC, BildZumAnsehen)
{
    std::vector<PALETTEENTRY> pal(256);
    pal[69] = pal[176] = {30, 30, 90, 0};
    pal[10] = {255, 255, 0, 0};
    pal[129] = {0, 160, 0, 0};
    pal[3] = {255, 255, 255, 0};
    Puffer p(320, 200, 176);
    CIndexDC dc(p.Sicht());
    CPen pen(PS_SOLID, 0, I(3));
    CBrush gruen(I(129));
    dc.SelectObject(&pen);
    dc.SelectObject(&gruen);
    dc.Ellipse(10, 10, 90, 60);
    dc.Rectangle(110, 10, 190, 60);
    POINT pfeil[] = {{210, 10}, {300, 35}, {210, 60}};
    dc.Polygon(pfeil, 3);
    dc.MoveTo(10, 190);
    dc.LineTo(310, 120);
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 28;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = "Arial";
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    dc.SetBkColor(I(69));
    dc.SetTextColor(I(10));
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.TextOut(160, 110, "Bereit? Zielzeichen: ÄÖÜß");
    AlsPng(p, pal, "index_dc.png");
    SUCCEED();
}
