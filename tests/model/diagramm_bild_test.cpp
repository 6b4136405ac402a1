#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "model/diagramm.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "support/qt_app.h"

// Draws a chart through the QPainter context on screen and in the printer's
// y-up mapping and leaves both pictures in the artifacts folder to be looked at.
namespace {

void Fuelle(CDiagramm& d)
{
    d.SetTitel("Beispiel", "Rel. horiz. Ausgangslage", "[%]", "Antworten", "Rel.Hfgk.(Reakt.) [1]");
    d.SetAnzahlReihen(2);
    d.SetReihenFarbe(1, 0xFF0000);
    d.SetReihenFarbe(2, 0x0000FF);
    d.SetReihenStil(2, 2);
    CDatenreihe x, y1, y2;
    const double xs[] = {-40, -20, 0, 20, 40}, p1[] = {0.05, 0.2, 0.5, 0.85, 0.95}, p2[] = {0.1, 0.3, 0.45, 0.7, 0.9};
    for (int i = 0; i < 5; ++i) {
        x.SetWert(i, xs[i], 1);
        y1.SetWert(i, p1[i], 1);
        y2.SetWert(i, p2[i], 1);
    }
    d.SetXDaten(&x);
    d.SetDaten(1, &y1);
    d.SetDaten(2, &y2);
    d.SetXBereich(-50, 50, 5, 0);
    d.SetYBereich(0, 1, 5, 2);
}

void Zeichne(CDiagramm& d, CDC& dc, RECT r, CFont* font)
{
    d.SetAbbildung(r);
    d.SetSchrift(font);
    d.Zeichnen(&dc);
    d.ZeichneReihen(&dc);
    d.ZeichneVerteilungskurve(&dc, 1, 0.0, 18.0, 1);
    d.ZeichneGerade(&dc, 2, 0.5, 0.01);
}

bool HatFarbe(const QImage& bild, QRgb farbe)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == farbe)
                return true;
    return false;
}

} // namespace

TEST(DiagrammBild, BildschirmUndDruckerZeichnenDasselbeDiagramm)
{
    SichereQtAnwendung();
    QDir().mkpath(LUMETRA_ARTIFACTS);
    CDiagramm d;
    Fuelle(d);
    CFont font;
    LOGFONT lf;
    lf.lfHeight = -13;
    lf.lfFaceName = "Arial";
    font.CreateFontIndirect(&lf);

    QImage bild(640, 420, QImage::Format_RGB32);
    bild.fill(Qt::black);
    {
        QPainter painter(&bild);
        CPainterDC dc(&painter, false);
        Zeichne(d, dc, RECT{0, 0, 640, 420}, &font);
    }
    EXPECT_EQ(bild.pixel(2, 2), qRgb(255, 255, 255));     // the white area
    EXPECT_TRUE(HatFarbe(bild, qRgb(128, 128, 128)));     // axes
    EXPECT_TRUE(HatFarbe(bild, qRgb(0, 0, 255)));         // series 1 (0xFF0000 is blue)
    bild.save(QString(LUMETRA_ARTIFACTS) + "/diagramm_bildschirm.png");

    // 0.01 mm with y upwards on a 300 dpi page: 160 x 100 mm.
    QImage seite(1890, 1181, QImage::Format_RGB32);
    seite.setDotsPerMeterX(11811);
    seite.setDotsPerMeterY(11811);
    seite.fill(Qt::black);
    {
        QPainter painter(&seite);
        CPainterDC dc(&painter, true);
        dc.SetMapMode(MM_HIMETRIC);
        CFont druck;
        LOGFONT dl;
        dl.lfHeight = -350;
        dl.lfFaceName = "Arial";
        druck.CreateFontIndirect(&dl);
        Zeichne(d, dc, RECT{0, 0, 16000, -10000}, &druck);
    }
    EXPECT_EQ(d.GetYVorzeichen(), -1);
    EXPECT_GT(d.GetSkala(), 2.0);
    EXPECT_EQ(seite.pixel(5, 5), qRgb(255, 255, 255));
    seite.save(QString(LUMETRA_ARTIFACTS) + "/diagramm_drucker.png");
}
