#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include <functional>

#include "model/auswertung_fixture.h"
#include "model/diagramm.h"
#include "model/test.h"
#include "model/training.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "support/qt_app.h"

// One picture per kind of chart in the artifacts folder, drawn through the
// QPainter context as the report view and the printer draw it.
namespace {

QImage Bild(int breite, int hoehe, bool drucker, const std::function<void(CDC&)>& zeichnen)
{
    SichereQtAnwendung();
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    if (drucker) {  // 300 dpi
        bild.setDotsPerMeterX(11811);
        bild.setDotsPerMeterY(11811);
    }
    bild.fill(Qt::black);
    QPainter painter(&bild);
    CPainterDC dc(&painter, drucker);
    zeichnen(dc);
    return bild;
}

void Ablegen(const QImage& bild, const char* name)
{
    QDir().mkpath(LUMETRA_ARTIFACTS);
    bild.save(QString(LUMETRA_ARTIFACTS) + "/" + name);
}

template <typename Modell>
void Speichere(Modell& modell, int diagramm, const char* name)
{
    CSchrift s(-13, "MS Sans Serif");
    const QImage bild = Bild(640, 400, false, [&](CDC& dc) {
        EXPECT_EQ(modell.DiagrammZeichnen(diagramm, &dc, RECT{0, 0, 640, 400}, &s.font, 0), 0);
    });
    EXPECT_EQ(bild.pixel(1, 1), qRgb(255, 255, 255));
    Ablegen(bild, name);
}

bool HatFarbe(const QImage& bild, QRgb farbe)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == farbe)
                return true;
    return false;
}

// Two answer-frequency series with a probit curve and a fitted line.
void Zeichne(CDC& dc, RECT r, CFont* font, CDiagramm& d)
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
    d.SetAbbildung(r);
    d.SetSchrift(font);
    d.Zeichnen(&dc);
    d.ZeichneReihen(&dc);
    d.ZeichneVerteilungskurve(&dc, 1, 0.0, 18.0, 1);
    d.ZeichneGerade(&dc, 2, 0.5, 0.01);
}

void Linien(CTest& test, int hLaenge, int hTrenn, int wiederholungen)
{
    CLinien l = test.GetLinien();
    l.m_nHLaengeStufen = hLaenge;
    l.m_nHPositionStufen = 1;
    l.m_nHTrennStufen = hTrenn;
    l.m_nVLaengeStufen = l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
    l.m_nWiederholungen = wiederholungen;
    test.SetLinien(l);
}

} // namespace

TEST(DiagrammBild, BildschirmUndDruckerZeichnenDasselbeDiagramm)
{
    CDiagramm d;
    CSchrift s(-13);
    const QImage bild = Bild(640, 420, false, [&](CDC& dc) { Zeichne(dc, RECT{0, 0, 640, 420}, &s.font, d); });
    EXPECT_EQ(bild.pixel(2, 2), qRgb(255, 255, 255));  // the white area
    EXPECT_TRUE(HatFarbe(bild, qRgb(128, 128, 128)));  // axes
    EXPECT_TRUE(HatFarbe(bild, qRgb(0, 0, 255)));      // series 1 (0xFF0000 is blue)
    Ablegen(bild, "diagramm_bildschirm.png");

    // 0.01 mm with y upwards: 160 x 100 mm.
    CSchrift druck(-350);
    const QImage seite = Bild(1890, 1181, true, [&](CDC& dc) {
        dc.SetMapMode(MM_HIMETRIC);
        Zeichne(dc, RECT{0, 0, 16000, -10000}, &druck.font, d);
    });
    EXPECT_EQ(d.GetYVorzeichen(), -1);
    EXPECT_GT(d.GetSkala(), 2.0);
    EXPECT_EQ(seite.pixel(5, 5), qRgb(255, 255, 255));
    Ablegen(seite, "diagramm_drucker.png");
}

TEST(AuswertungBild, Trainingsdiagramm)
{
    CAuswertungsUmgebung u(0x0002 | 0x0200, 1);
    CTraining training;
    training.SetUmgebung(&u.umgebung);
    CTrainingsBericht b;
    b.m_dwAufgabenFlags = 0x2 | 0x200 | 0x8000;
    b.m_nRasterSpalten = 6;
    b.m_nRasterZeilen = 2;
    b.m_rcPositionen = RECT{112, 234, 912, 534};
    b.SetAnzahlReize(36);
    for (int i = 0; i < 36; ++i) {
        b.SetPunkt(i, 112 + 160 * (i % 6), 234 + 300 * ((i / 6) % 2));
        b.SetZeit(i, 450 + 60 * (5 - i % 6) + 37 * (i % 5));
        b.SetMarke(i);
        if (i % 7 == 3)
            b.IncZaehler2(i);
        else if (i % 3 == 0)
            b.IncZaehler3(i);
    }
    training.SetBericht(0, &b);
    Speichere(training, 0, "auswertung_training.png");
}

TEST(AuswertungBild, AbweichungMitGerade)
{
    CAuswertungsUmgebung u(0x0002 | 0x0200, 1);
    CTest test;
    test.SetUmgebung(&u.umgebung);
    Linien(test, 4, 1, 3);
    CTestBericht b;
    b.m_dwTestFlags = 0x1 | 0x10 | 0x40;
    b.SetAnzahlReize(12);
    for (int s = 0; s < 12; ++s) {
        const int breite = 200 + 150 * (s % 4), x = 512 - breite / 2;
        const int abw = breite / 25 + (s * 7) % 9 - 4;
        b.SetRechteck1(s, RECT{x, 380, x + breite, 388});
        b.SetRechteck2(s, RECT{510 + abw, 370, 514 + abw, 398});
        b.SetRechteck4(s, RECT{x + 20, 370, x + 24, 398});
        b.SetZeit(s, 3000);
    }
    test.SetBericht(0, b);
    Speichere(test, 0, "auswertung_test_abweichung.png");
}

TEST(AuswertungBild, AntworthaeufigkeitMitProbitkurveUndMittelwerte)
{
    CAuswertungsUmgebung u(0x0002 | 0x0200, 1);
    CTest test;
    test.SetUmgebung(&u.umgebung);
    Linien(test, 3, 5, 1);
    CTestBericht b;
    b.m_dwTestFlags = 0x1 | 0x20 | 0x40;
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
