#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "model/aufgabenbits.h"
#include "model/auswertung_fixture.h"
#include "model/test.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "support/qt_app.h"

// The response chart with its probit curves and the chart of the probit means
// in the artifacts folder, drawn through the QPainter context as the report
// view and the printer draw them; the printouts show the other kinds.
namespace {

void Speichere(CTest& modell, int diagramm, const char* name)
{
    SichereQtAnwendung();
    CSchrift s(-13, "MS Sans Serif");
    QImage bild(640, 400, QImage::Format_RGB32);
    bild.fill(Qt::black);
    {
        QPainter painter(&bild);
        CPainterDC dc(&painter, false);
        EXPECT_EQ(modell.DiagrammZeichnen(diagramm, &dc, RECT{0, 0, 640, 400}, &s.font, 0), 0);
    }
    EXPECT_EQ(bild.pixel(1, 1), qRgb(255, 255, 255));
    QDir().mkpath(LUMETRA_ARTIFACTS);
    bild.save(QString(LUMETRA_ARTIFACTS) + "/" + name);
}

} // namespace

TEST(AuswertungBild, AntworthaeufigkeitMitProbitkurveUndMittelwerte)
{
    CAuswertungsUmgebung u(0x0002 | 0x0200, 1);
    CTest test;
    test.SetUmgebung(&u.umgebung);
    CLinien l = test.GetLinien();
    l.m_nHLaengeStufen = 3;
    l.m_nHTrennStufen = 5;
    l.m_nHPositionStufen = l.m_nVLaengeStufen = l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
    l.m_nWiederholungen = 1;
    test.SetLinien(l);
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
    test.SetBericht(0, b);
    Speichere(test, 2, "auswertung_test_antworthaeufigkeit.png");
    Speichere(test, 0, "auswertung_test_probitmittel.png");
}
