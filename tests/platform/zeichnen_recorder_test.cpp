#include <gtest/gtest.h>

#include "platform/draw/recorder/recorder_dc.h"

using Art = CRecorderDC::Art;

namespace {

LOGFONT Schrift(int hoehe, int breite = 0)
{
    LOGFONT lf;
    lf.lfHeight = hoehe;
    lf.lfWidth = breite;
    lf.lfFaceName = "Arial";
    return lf;
}

} // namespace

TEST(RecorderDC, HaeltTextzustandUndZeichenwerkzeugFest)
{
    CRecorderDC dc;
    CFont font;
    LOGFONT lf = Schrift(24);
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    dc.SelectObject(&font);
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetBkColor(PALETTEINDEX(69));
    EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_BOTTOM), TA_LEFT | TA_TOP);
    dc.TextOut(512, 396, "Bereit?");
    ASSERT_EQ(dc.Texte(), (std::vector<std::string>{"Bereit?"}));
    const auto& e = dc.Eintraege()[0];
    EXPECT_EQ(e.punkte[0], (POINT{512, 396}));
    EXPECT_EQ(e.font, lf);
    EXPECT_EQ(e.textFarbe, RGB(255, 0, 0));
    EXPECT_EQ(e.hgFarbe, PALETTEINDEX(69));
    EXPECT_EQ(e.bkModus, OPAQUE);

    // The fixed metric: half the height per character.
    EXPECT_EQ(dc.GetTextExtent("Bereit?"), (SIZE{7 * 12, 24}));
    EXPECT_EQ(dc.GetTextExtent("Ä "), (SIZE{2 * 12, 24}));

    CPen grau(PS_SOLID, 0, RGB(128, 128, 128));
    CBrush leer;
    leer.CreateStockObject(NULL_BRUSH);
    dc.SelectObject(&grau);
    dc.SelectObject(&leer);
    dc.Ellipse(0, 0, 10, 10);
    ASSERT_EQ(dc.Von(Art::Ellipse).size(), 1u);
    EXPECT_EQ(dc.Von(Art::Ellipse)[0]->pen.lopnColor, RGB(128, 128, 128));
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
    LOGFONT lf = Schrift(35);
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent(" ").cy, 35);
    EXPECT_NEAR(dc.GetTextExtent("abcd").cx, 4 * 35 / 2, 1);

    EXPECT_EQ(dc.AbortDoc(), 1);
    EXPECT_TRUE(dc.IstAbgebrochen());
    CRecorderDC schirm;
    EXPECT_EQ(schirm.AbortDoc(), -1);
}

TEST(RecorderDC, BlocksatzMehrzeiligerTextUndExtremeSchriftmasse)
{
    CRecorderDC dc;
    CFont font;
    LOGFONT lf = Schrift(20);
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

    // Font sizes come from files: the extremes saturate instead of overflowing.
    CFont riesig;
    lf = Schrift(INT32_MIN, INT32_MIN);
    ASSERT_TRUE(riesig.CreateFontIndirect(&lf));
    dc.SelectObject(&riesig);
    EXPECT_EQ(dc.GetTextExtent("abc"), (SIZE{INT32_MAX, INT32_MAX}));
}
