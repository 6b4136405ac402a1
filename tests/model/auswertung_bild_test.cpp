#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "model/aufgabenbits.h"
#include "model/auswertung_fixture.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "support/qt_app.h"

// The response chart with its probit curves and the chart of the probit means
// in the artifacts folder, drawn through the QPainter context as the report
// view and the printer draw them; the printouts show the other kinds.
TEST(AuswertungBild, AntworthaeufigkeitMitProbitkurveUndMittelwerte)
{
    SichereQtAnwendung();
    CTestFall f(5, 3);
    f.u.SetzeEinheit(0x0002 | 0x0200, 1);
    CTestBericht b;
    b.m_dwTestFlags = aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL;
    b.SetAnzahlReize(15);
    const int rechts[5] = {1, 2, 5, 8, 9};
    for (int s = 0; s < 15; ++s) {
        const int breite = 200 + 200 * (s / 5), x = 512 - breite / 2;
        const int versatz = (s % 5 - 2) * breite / 10 + breite / 40 * (s / 5);
        b.SetRechteck1(s, RECT{x, 380, x + breite, 388});
        b.SetRechteck2(s, RECT{510 + versatz, 370, 514 + versatz, 398});
        for (int k = 0; k < 10; ++k)
            (k < rechts[s % 5] - (s / 5)) ? b.IncZaehler2(s) : b.IncZaehler1(s);
        b.SetZeit(s, 9000);
    }
    f.test.SetBericht(0, b);
    CSchrift schrift(-13, "MS Sans Serif");
    QDir().mkpath(LUMETRA_ARTIFACTS);
    for (auto [diagramm, name] : {std::pair{2, "antworthaeufigkeit"}, std::pair{0, "probitmittel"}}) {
        QImage bild(640, 400, QImage::Format_RGB32);
        bild.fill(Qt::black);
        {
            QPainter painter(&bild);
            CPainterDC dc(&painter, false);
            EXPECT_EQ(f.test.DiagrammZeichnen(diagramm, &dc, RECT{0, 0, 640, 400}, &schrift.font, 0), 0);
        }
        EXPECT_EQ(bild.pixel(1, 1), qRgb(255, 255, 255));
        bild.save(QString(LUMETRA_ARTIFACTS) + "/auswertung_test_" + name + ".png");
    }
}
