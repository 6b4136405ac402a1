#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/diagramm.h"
#include "model/auswertung_fixture.h"

namespace {

using Art = CRecorderDC::Art;

CDatenreihe Reihe(std::initializer_list<double> werte)
{
    CDatenreihe r;
    int i = 0;
    for (double v : werte)
        r.SetWert(i++, v, std::isnan(v) ? 0 : 1);
    return r;
}

// A chart like the deviation chart of the test evaluation.
void Fuelle(CDiagramm& d)
{
    d.SetTitel("Titel", "Position", "[cm]", "Abweichung", "Abw. [%]");
    d.SetAnzahlReihen(2);
    d.SetReihenFarbe(1, 0x12FF0000);
    d.SetReihenStil(2, 2);
    CDatenreihe x = Reihe({-40.0, 0.0, 20.0, 45.0});
    CDatenreihe y1 = Reihe({-30.0, 0.0, 10.0, 40.0});
    CDatenreihe y2 = Reihe({-10.0, 5.0, 15.0, 35.0});
    d.SetXDaten(&x);
    d.SetDaten(1, &y1);
    d.SetDaten(2, &y2);
    d.SetXBereich(-50.0, 50.0, 5, 0);
    d.SetYBereich(-50.0, 50.0, 5, 0);
}

void Zeichne(CDiagramm& d, CDC& dc, RECT r, CFont* font)
{
    d.SetAbbildung(r);
    d.SetSchrift(font);
    d.Zeichnen(&dc);
    d.ZeichneReihen(&dc);
    d.ZeichneGerade(&dc, 1, 0.0, 0.8);
    d.ZeichneVerteilungskurve(&dc, 2, 0.0, 20.0, 1);
}

std::vector<const CRecorderDC::Eintrag*> YLabels(const CRecorderDC& dc)
{
    std::vector<const CRecorderDC::Eintrag*> aus;
    for (const auto* e : dc.Von(Art::Text))
        if (e->ausrichtung == (TA_RIGHT | TA_BOTTOM))
            aus.push_back(e);
    return aus;
}

TEST(Diagramm, DoppelteSchriftVerdoppeltTicksRaenderUndMarken)
{
    CDiagramm d;
    Fuelle(d);
    CSchrift s12(12), s24(24);
    CRecorderDC dc12, dc24;
    Zeichne(d, dc12, RECT{0, 0, 600, 400}, &s12.font);
    RECT plot12 = d.GetPlotRechteck();
    Zeichne(d, dc24, RECT{0, 0, 1200, 800}, &s24.font);
    RECT plot24 = d.GetPlotRechteck();
    EXPECT_EQ(d.GetSkala(), 2.0);

    // Side margin 15 and 30; the plot's right edge is M inside the device.
    EXPECT_EQ(600 - plot12.right, 15);
    EXPECT_EQ(1200 - plot24.right, 30);

    // The first x tick: width T = 1 in both, length 6 and 12.
    auto rechtecke12 = dc12.Von(Art::Rechteck), rechtecke24 = dc24.Von(Art::Rechteck);
    const auto* tick12 = rechtecke12[3];
    const auto* tick24 = rechtecke24[3];
    EXPECT_EQ(tick12->punkte[1].y - tick12->punkte[0].y, 6);
    EXPECT_EQ(tick24->punkte[1].y - tick24->punkte[0].y, 12);

    // Diamond marks 6 and 12 wide with a one-unit outline.
    auto marke12 = dc12.Von(Art::Polygon).front(), marke24 = dc24.Von(Art::Polygon).front();
    EXPECT_EQ(marke12->punkte[1].x - marke12->punkte[3].x, 6);
    EXPECT_EQ(marke24->punkte[1].x - marke24->punkte[3].x, 12);
}

TEST(Diagramm, NullWirdAnDerYAchseNieBeschriftet)
{
    CDiagramm d;
    Fuelle(d);
    CSchrift s(12);
    CRecorderDC dc;
    Zeichne(d, dc, RECT{0, 0, 600, 400}, &s.font);
    std::vector<std::string> y;
    for (const auto* e : YLabels(dc))
        y.push_back(e->text);
    EXPECT_EQ(y, (std::vector<std::string>{"-50", "-25", "25", "50"}));
    // Every x tick has its label, 0 included.
    auto texte = dc.Texte();
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "0"), 1);

    // A range from 1 to 5 puts the x axis at 1 and labels it.
    d.SetYBereich(1.0, 5.0, 5, 1);
    CRecorderDC dc2;
    Zeichne(d, dc2, RECT{0, 0, 600, 400}, &s.font);
    EXPECT_EQ(YLabels(dc2).front()->text, "1,0");
}

TEST(Diagramm, YNachObenZeichnetDasGespiegelteBild)
{
    CDiagramm d;
    Fuelle(d);
    CSchrift s(12);
    CRecorderDC unten, oben;
    Zeichne(d, unten, RECT{100, 50, 700, 450}, &s.font);
    Zeichne(d, oben, RECT{100, -50, 700, -450}, &s.font);
    ASSERT_EQ(unten.Eintraege().size(), oben.Eintraege().size());
    for (size_t i = 0; i < unten.Eintraege().size(); ++i) {
        const auto& a = unten.Eintraege()[i];
        const auto& b = oben.Eintraege()[i];
        EXPECT_EQ(a.art, b.art);
        EXPECT_EQ(a.text, b.text);
        ASSERT_EQ(a.punkte.size(), b.punkte.size());
        for (size_t k = 0; k < a.punkte.size(); ++k) {
            EXPECT_EQ(a.punkte[k].x, b.punkte[k].x);
            EXPECT_EQ(a.punkte[k].y, -b.punkte[k].y);
        }
    }
}

TEST(Diagramm, KurveOhneStreuungIstEineStufe)
{
    CDiagramm d;
    d.SetAnzahlReihen(1);
    d.SetXBereich(0.0, 10.0, 5, 0);
    d.SetYBereich(0.0, 1.0, 5, 2);
    CRecorderDC dc;
    d.SetAbbildung(RECT{0, 0, 600, 400});
    d.Zeichnen(&dc);
    dc.Leeren();
    // Without spread the curve is a step at mu: three lines.
    d.ZeichneVerteilungskurve(&dc, 1, 4.0, 0.0, 1);
    EXPECT_EQ(dc.Von(Art::Linie).size(), 3u);
}

TEST(Diagramm, SchlechteEingabeZeichntNurWasGeht)
{
    CSchrift s(12);
    {
        // No span on either axis: the frame, no series, no line.
        CDiagramm d;
        Fuelle(d);
        d.SetXBereich(5.0, 5.0, 5, 0);
        d.SetYBereich(NAN, 2.0, 5, 0);
        CRecorderDC dc;
        Zeichne(d, dc, RECT{0, 0, 600, 400}, &s.font);
        EXPECT_FALSE(dc.Von(Art::Rechteck).empty());
        EXPECT_TRUE(dc.Von(Art::Polygon).empty());
        EXPECT_TRUE(dc.Von(Art::Linie).empty());
        EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
    }
    {
        // A zero-size rectangle.
        CDiagramm d;
        Fuelle(d);
        CRecorderDC dc;
        Zeichne(d, dc, RECT{20, 30, 20, 30}, &s.font);
        EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
        for (const auto* e : dc.Von(Art::Rechteck))
            EXPECT_EQ(e->punkte[0], (POINT{20, 30}));
    }
    {
        // NaN values and fits: the other points still show.
        CDiagramm d;
        Fuelle(d);
        CDatenreihe y = Reihe({NAN, 0.0, 10.0, 40.0});
        y.SetWert(0, NAN, 1);
        d.SetDaten(1, &y);
        CRecorderDC dc;
        Zeichne(d, dc, RECT{0, 0, 600, 400}, &s.font);
        d.ZeichneGerade(&dc, 1, NAN, 1.0);
        d.ZeichneVerteilungskurve(&dc, 1, 0.0, NAN, 1);
        EXPECT_EQ(dc.Von(Art::Polygon).size(), 3u);
        EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
    }
}

} // namespace
