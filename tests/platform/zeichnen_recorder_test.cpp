#include <gtest/gtest.h>

#include "platform/draw/recorder/recorder_dc.h"

using Art = CRecorderDC::Art;

TEST(RecorderDC, HaeltTexteLagenUndZustandFest)
{
    CRecorderDC dc;
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 24;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = "Arial";
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CFont* alt = dc.SelectObject(&font);
    ASSERT_NE(alt, nullptr);
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkColor(PALETTEINDEX(69));
    EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_BOTTOM), TA_LEFT | TA_TOP);
    dc.TextOut(512, 396, "Bereit?");
    RECT r{10, 20, 110, 40};
    dc.ExtTextOut(10, 20, ETO_CLIPPED, &r, "[...]");
    EXPECT_EQ(dc.SelectObject(alt), &font);

    ASSERT_EQ(dc.Texte(), (std::vector<std::string>{"Bereit?", "[...]"}));
    const auto& e = dc.Eintraege()[0];
    EXPECT_EQ(e.punkte[0], (POINT{512, 396}));
    EXPECT_EQ(e.font, lf);
    EXPECT_EQ(e.textFarbe, RGB(255, 0, 0));
    EXPECT_EQ(e.hgFarbe, PALETTEINDEX(69));
    EXPECT_EQ(e.ausrichtung, TA_CENTER | TA_BOTTOM);
    EXPECT_EQ(e.bkModus, OPAQUE);
    const auto& c = dc.Eintraege()[1];
    EXPECT_TRUE(c.mitRechteck);
    EXPECT_EQ(c.rechteck, r);
    EXPECT_EQ(c.optionen, ETO_CLIPPED);

    // The fixed metric: half the height per character.
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent("Bereit?"), (SIZE{7 * 12, 24}));
    EXPECT_EQ(dc.GetTextExtent("Ä "), (SIZE{2 * 12, 24}));
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 24);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 24);
}

TEST(RecorderDC, FormenMitStiftUndPinsel)
{
    CRecorderDC dc;
    CPen grau(PS_SOLID, 0, RGB(128, 128, 128));
    CBrush weiss(RGB(255, 255, 255));
    dc.SelectObject(&grau);
    dc.SelectObject(&weiss);
    dc.Rectangle(15, 213, 600, 423);
    POINT raute[] = {{5, 2}, {8, 5}, {5, 8}, {2, 5}};
    dc.Polygon(raute, 4);
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    ASSERT_EQ(dc.Von(Art::Rechteck).size(), 1u);
    EXPECT_EQ(dc.Von(Art::Rechteck)[0]->punkte, (std::vector<POINT>{{15, 213}, {600, 423}}));
    EXPECT_EQ(dc.Von(Art::Rechteck)[0]->pen.lopnColor, RGB(128, 128, 128));
    EXPECT_EQ(dc.Von(Art::Polygon)[0]->punkte.size(), 4u);
    EXPECT_EQ(dc.Von(Art::Linie)[0]->punkte, (std::vector<POINT>{{1, 2}, {3, 4}}));
    EXPECT_EQ(dc.GetCurrentPosition(), (POINT{3, 4}));
    CBrush leer;
    leer.CreateStockObject(NULL_BRUSH);
    dc.SelectObject(&leer);
    dc.Ellipse(0, 0, 10, 10);
    EXPECT_TRUE(dc.Von(Art::Ellipse)[0]->brushLeer);
}

TEST(RecorderDC, SchriftnameWirdAufEinunddreissigZeichenGekuerzt)
{
    LOGFONT lf;
    for (int i = 0; i < 40; ++i)
        lf.lfFaceName += "ä";
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_FALSE(font.CreateFontIndirect(&lf)) << "a font exists already";
    LOGFONT zurueck;
    ASSERT_TRUE(font.GetLogFont(&zurueck));
    EXPECT_EQ(ZeichenVon(zurueck.lfFaceName).size(), 31u);
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_FALSE(font.GetLogFont(&zurueck));
}

TEST(RecorderDC, AbbildungenUndTextmassImDruck)
{
    // 600 dots per inch, like a printer.
    CRecorderDC dc({4960, 7016, 600, 600, true});
    EXPECT_EQ(dc.SetMapMode(MM_ISOTROPIC), MM_TEXT);
    SIZE s{10000, 10000};
    dc.HIMETRICtoLP(&s);
    EXPECT_EQ(s, (SIZE{1000, 1000}));
    POINT p{1000, -500};
    dc.LPtoDP(&p);
    EXPECT_EQ(p, (POINT{2362, 1181}));
    dc.DPtoLP(&p);
    EXPECT_EQ(p, (POINT{1000, -500}));
    RECT clip;
    ASSERT_EQ(dc.GetClipBox(&clip), SIMPLEREGION);
    EXPECT_EQ(clip.top, 0);
    EXPECT_EQ(clip.bottom, -2970);

    // A text height of 35 logical units (3.5 mm) measures 35 again.
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 35;
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent(" ").cy, 35);
    EXPECT_NEAR(dc.GetTextExtent("abcd").cx, 4 * 35 / 2, 1);

    EXPECT_EQ(dc.AbortDoc(), 1);
    EXPECT_TRUE(dc.IstAbgebrochen());
    CRecorderDC schirm;
    EXPECT_EQ(schirm.AbortDoc(), -1);
}

TEST(RecorderDC, BlocksatzUndMehrzeiligerText)
{
    CRecorderDC dc;
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 20;
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent("a b c").cx, 50);
    dc.SetTextJustification(7, 2);
    EXPECT_EQ(dc.GetTextExtent("a b c").cx, 57);
    dc.SetTextJustification(0, 0);
    EXPECT_EQ(dc.GetTextExtent("a b c").cx, 50);

    // Without single-line mode CR LF breaks the line.
    RECT r{0, 0, 200, 20};
    EXPECT_EQ(dc.DrawText("Zeile\r\nzwei", &r, DT_NOPREFIX | DT_VCENTER | DT_CENTER), 40);
    EXPECT_EQ(dc.DrawText("Zeile\r\n", &r, DT_NOPREFIX), 20);
    EXPECT_EQ(dc.DrawText("Zeile\r\n", &r, DT_SINGLELINE), 20);
    EXPECT_EQ(dc.Texte().front(), "Zeile\r\nzwei");
}

// Font sizes come from files: the extremes saturate instead of overflowing.
TEST(RecorderDC, ExtremeSchriftmasseSaettigen)
{
    CRecorderDC dc;
    CFont font;
    LOGFONT lf;
    lf.lfHeight = INT32_MIN;
    lf.lfWidth = INT32_MIN;
    lf.lfFaceName = "Arial";
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    dc.SelectObject(&font);
    const SIZE s = dc.GetTextExtent("abc");
    EXPECT_EQ(s.cx, INT32_MAX);
    EXPECT_EQ(s.cy, INT32_MAX);
}
