#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "platform/draw/qpainter/painter_dc.h"
#include "support/qt_app.h"

namespace {

QImage Bild(int breite, int hoehe, int dpi = 96)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    bild.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    bild.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    return bild;
}

LOGFONT Schrift(const char* name, int hoehe)
{
    LOGFONT lf;
    lf.lfHeight = hoehe;
    lf.lfFaceName = name;
    return lf;
}

} // namespace

TEST(PainterDC, BildschirmRechteckPixelgenauSchriftInPixeln)
{
    SichereQtAnwendung();
    QImage bild = Bild(20, 20);
    QPainter painter(&bild);
    CPainterDC dc(&painter, false);
    CPen blau(PS_SOLID, 0, RGB(0, 0, 255));
    CBrush rot(RGB(255, 0, 0));
    dc.SelectObject(&blau);
    dc.SelectObject(&rot);
    dc.Rectangle(2, 3, 8, 9);
    EXPECT_EQ(bild.pixel(2, 3), qRgb(0, 0, 255));
    EXPECT_EQ(bild.pixel(7, 8), qRgb(0, 0, 255));
    EXPECT_EQ(bild.pixel(3, 4), qRgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(6, 7), qRgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(8, 8), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(7, 9), qRgb(255, 255, 255));

    EXPECT_EQ(QFontInfo(QtSchrift(Schrift("Times New Roman", 12), 12)).family(), "Liberation Serif");
    for (int hoehe : {12, 48}) {
        CFont font;
        LOGFONT lf = Schrift("Arial", hoehe);
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        EXPECT_EQ(dc.GetTextExtent(" ").cy, hoehe);
    }
}

TEST(PainterDC, DruckabbildungMitYNachOben)
{
    SichereQtAnwendung();
    // 254 dots per inch: one device dot is 0.1 mm.
    QImage bild = Bild(400, 600, 254);
    QPainter painter(&bild);
    CPainterDC dc(&painter, true);
    EXPECT_TRUE(dc.IsPrinting());
    dc.SetMapMode(MM_HIMETRIC);
    POINT p{1000, -2000};
    dc.LPtoDP(&p);
    EXPECT_EQ(p, (POINT{100, 200}));
    RECT clip;
    EXPECT_EQ(dc.GetClipBox(&clip), SIMPLEREGION);
    EXPECT_EQ(clip, (RECT{0, 0, 4000, -6000}));

    // The platform's isotropic start: 0.1 mm, so 100 mm measure 1000 units.
    dc.SetMapMode(MM_ISOTROPIC);
    SIZE s{10000, 10000};
    dc.HIMETRICtoLP(&s);
    EXPECT_EQ(s, (SIZE{1000, 1000}));

    CBrush schwarz(RGB(0, 0, 0));
    RECT r{100, -100, 200, -150};
    dc.FillRect(&r, &schwarz);
    EXPECT_EQ(bild.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(bild.pixel(199, 149), qRgb(0, 0, 0));
    EXPECT_EQ(bild.pixel(100, 99), qRgb(255, 255, 255));

    // Text placed by its top edge hangs below the point.
    CFont font;
    LOGFONT lf = Schrift("Times New Roman", 35);
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(100, -300, "Lumetra: Testangaben");
    int oben = 600, unten = -1;
    for (int y = 0; y < 600; ++y)
        for (int x = 100; x < 400; ++x)
            if (qGray(bild.pixel(x, y)) < 128 && y >= 250) {
                oben = std::min(oben, y);
                unten = std::max(unten, y);
            }
    EXPECT_GE(oben, 300);
    EXPECT_LE(unten, 335);
}
