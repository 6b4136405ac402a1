#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

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

struct CSchrift {
    CFont font;
    explicit CSchrift(int hoehe)
    {
        LOGFONT lf;
        lf.lfHeight = hoehe;
        font.CreateFontIndirect(&lf);
    }
};

// A chart like the test evaluation's deviation chart, with a line and a curve.
struct CBeispiel {
    CDiagramm d;
    CSchrift schrift{12};

    CBeispiel()
    {
        d.SetTitel("Titel", "Position", "[cm]", "Abweichung", "Abw. [%]");
        d.SetAnzahlReihen(2);
        d.SetReihenStil(2, 2); // no marks
        CDatenreihe x = Reihe({-40.0, 0.0, 20.0, 45.0});
        CDatenreihe y1 = Reihe({-30.0, 0.0, 10.0, 40.0});
        CDatenreihe y2 = Reihe({-10.0, 5.0, 15.0, 35.0});
        d.SetXDaten(&x);
        d.SetDaten(1, &y1);
        d.SetDaten(2, &y2);
        d.SetXBereich(-50.0, 50.0, 5, 0);
        d.SetYBereich(-50.0, 50.0, 5, 0);
    }
    void Zeichne(CRecorderDC& dc, RECT r = RECT{0, 0, 600, 400}, CFont* font = nullptr)
    {
        d.SetAbbildung(r);
        d.SetSchrift(font ? font : &schrift.font);
        d.Zeichnen(&dc);
        d.ZeichneReihen(&dc);
        d.ZeichneGerade(&dc, 1, 0.0, 0.8);
        d.ZeichneVerteilungskurve(&dc, 2, 0.0, 20.0, 1);
    }
};

std::vector<std::string> YLabels(const CRecorderDC& dc)
{
    std::vector<std::string> aus;
    for (const auto* e : dc.Von(Art::Text))
        if (e->ausrichtung == (TA_RIGHT | TA_BOTTOM))
            aus.push_back(e->text);
    return aus;
}

TEST(Diagramm, DoppelteSchriftVerdoppeltTicksUndMarkenNullNieAnDerYAchse)
{
    CBeispiel b;
    CSchrift s24(24);
    CRecorderDC dc12, dc24;
    b.Zeichne(dc12);
    b.Zeichne(dc24, RECT{0, 0, 1200, 800}, &s24.font);
    // The first x tick is 6 and 12 long, a diamond mark 6 and 12 wide.
    const auto* tick12 = dc12.Von(Art::Rechteck)[3];
    const auto* tick24 = dc24.Von(Art::Rechteck)[3];
    EXPECT_EQ(tick12->punkte[1].y - tick12->punkte[0].y, 6);
    EXPECT_EQ(tick24->punkte[1].y - tick24->punkte[0].y, 12);
    const auto* marke12 = dc12.Von(Art::Polygon).front();
    const auto* marke24 = dc24.Von(Art::Polygon).front();
    EXPECT_EQ(marke12->punkte[1].x - marke12->punkte[3].x, 6);
    EXPECT_EQ(marke24->punkte[1].x - marke24->punkte[3].x, 12);

    // x labels 0, y never; a y range from 1 to 5 puts the x axis at 1 and labels it.
    EXPECT_EQ(YLabels(dc12), (std::vector<std::string>{"-50", "-25", "25", "50"}));
    auto texte = dc12.Texte();
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "0"), 1);
    b.d.SetYBereich(1.0, 5.0, 5, 1);
    CRecorderDC dc;
    b.Zeichne(dc);
    EXPECT_EQ(YLabels(dc).front(), "1,0");
}

// The printer maps y upwards: the same chart, mirrored.
TEST(Diagramm, YNachObenZeichnetDasGespiegelteBild)
{
    CBeispiel b;
    CRecorderDC unten, oben;
    b.Zeichne(unten, RECT{100, 50, 700, 450});
    b.Zeichne(oben, RECT{100, -50, 700, -450});
    ASSERT_EQ(unten.Eintraege().size(), oben.Eintraege().size());
    for (size_t i = 0; i < unten.Eintraege().size(); ++i) {
        auto a = unten.Eintraege()[i];
        const auto& o = oben.Eintraege()[i];
        for (POINT& p : a.punkte)
            p.y = -p.y;
        EXPECT_EQ(std::tie(a.art, a.text, a.punkte), std::tie(o.art, o.text, o.punkte)) << i;
    }
}

// No span, a zero-size rectangle, NaN values and fits: what can be drawn, with sane numbers.
TEST(Diagramm, SchlechteEingabeZeichnetNurWasGeht)
{
    CBeispiel leer, punkt, nan;
    leer.d.SetXBereich(5.0, 5.0, 5, 0);
    leer.d.SetYBereich(NAN, 2.0, 5, 0);
    CDatenreihe y = Reihe({NAN, 0.0, 10.0, 40.0});
    y.SetWert(0, NAN, 1);
    nan.d.SetDaten(1, &y);
    CRecorderDC dcLeer, dcPunkt, dcNan;
    leer.Zeichne(dcLeer);
    punkt.Zeichne(dcPunkt, RECT{20, 30, 20, 30});
    nan.Zeichne(dcNan);
    nan.d.ZeichneGerade(&dcNan, 1, NAN, 1.0);
    nan.d.ZeichneVerteilungskurve(&dcNan, 1, 0.0, NAN, 1);
    EXPECT_FALSE(dcLeer.Von(Art::Rechteck).empty());
    EXPECT_TRUE(dcLeer.Von(Art::Polygon).empty());
    EXPECT_TRUE(dcLeer.Von(Art::Linie).empty());
    EXPECT_EQ(dcNan.Von(Art::Polygon).size(), 3u); // the other points still show
    for (const CRecorderDC* dc : {&dcLeer, &dcPunkt, &dcNan})
        EXPECT_TRUE(AlleKoordinatenVernuenftig(*dc));
}

} // namespace
