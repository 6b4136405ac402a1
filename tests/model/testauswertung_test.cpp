#include <gtest/gtest.h>

#include "model/aufgabenbits.h"
#include "model/auswertung.h"
#include "model/test.h"
#include "model/auswertung_fixture.h"

namespace {

using namespace aufgabe;

// A line-bisection test whose dividing-mark factor has the given levels.
struct CTestFall {
    CAuswertungsUmgebung u;
    CTest test;

    explicit CTestFall(int trennStufen, int hLaengeStufen = 1)
    {
        test.SetUmgebung(&u.umgebung);
        CLinien l = test.GetLinien();
        l.m_nHLaengeStufen = hLaengeStufen;
        l.m_nHPositionStufen = 1;
        l.m_nHTrennStufen = trennStufen;
        l.m_nVLaengeStufen = 1;
        l.m_nVPositionStufen = 1;
        l.m_nVTrennStufen = 1;
        l.m_nWiederholungen = 1;
        l.m_nPermutationen = trennStufen * hLaengeStufen;
        test.SetLinien(l);
    }
    CTestBericht& Bericht() { return *test.GetBericht(0); }
};

// A horizontal line of 400 pixels centred on the display, and a mark
// shifted by the given pixels.
RECT Linie() { return RECT{312, 380, 712, 388}; }
RECT Marke(int versatz) { return RECT{510 + versatz, 370, 514 + versatz, 398}; }

CTestBericht KonstanteReize(uint32_t flags, const std::vector<int>& versatz, const std::vector<int>& rechts)
{
    CTestBericht b;
    b.m_dwTestFlags = flags;
    b.SetAnzahlReize(static_cast<int>(versatz.size()));
    for (int j = 0; j < static_cast<int>(versatz.size()); ++j) {
        b.SetRechteck1(j, Linie());
        b.SetRechteck2(j, Marke(versatz[j]));
        for (int k = 0; k < 10; ++k)
            (k < rechts[j]) ? b.IncZaehler2(j) : b.IncZaehler1(j);
        b.SetZeit(j, 5000);
    }
    return b;
}

TEST(Testauswertung, ProbitTexteGrenzen)
{
    EXPECT_EQ(MuText(-63.0), "< -50 %");
    EXPECT_EQ(MuText(51.0), "> 50 %");
    EXPECT_EQ(MuText(-50.0), "-50,0 %"); // the limits themselves are shown
    EXPECT_EQ(MuText(50.0), "50,0 %");
    EXPECT_EQ(MuText(-50.01), "< -50 %");
    EXPECT_EQ(MuText(50.01), "> 50 %");
    EXPECT_EQ(SigmaText(100.0), "100,0 %");
    EXPECT_EQ(MuText(-12.34), "-12,3 %");
    EXPECT_EQ(SigmaText(140.0), "> 100 %"); // and for a fit with no spread:
    EXPECT_EQ(SigmaText(0.0), "n. a.");
    EXPECT_EQ(SigmaText(NAN), "n. a.");
    EXPECT_EQ(AchsenName("Rel. horiz. Abw. / Linienbreite"), "Linienbreite");
}

TEST(Testauswertung, KonstanteReizeMitProbitKurve)
{
    CTestFall f(5);
    // Deviations -10 .. 30 % of the line; "rechts" grows symmetric about 10 %.
    f.test.SetBericht(0, KonstanteReize(LINIEN | KONSTANT | HORIZONTAL, {-40, 0, 40, 80, 120}, {1, 3, 5, 7, 9}));
    std::vector<std::string> namen;
    int nAbw = 0, nHfgk = 0;
    ASSERT_EQ(f.test.GetDiagrammNamen(namen, nAbw, nHfgk, 0), 0);
    EXPECT_EQ(nAbw, 2);
    EXPECT_EQ(nHfgk, 1);
    EXPECT_EQ(namen[2], "Antworthfgkt. 'rechts' / horiz. Lage Trennlinie");

    std::string zeit, h1, h2, v1, v2;
    ASSERT_EQ(f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0), 0);
    EXPECT_EQ(zeit, "0,500 s");
    EXPECT_EQ(h1, "10,0 %");
    EXPECT_EQ(v1, "---");
    EXPECT_EQ(f.Bericht().m_Tabelle1.GetWertDouble(0, 7), -10.0);

    std::string t1, t2;
    ASSERT_EQ(f.test.GetAchsentitel(2, t1, t2, 0), 0);
    EXPECT_EQ(t1, h1);
    EXPECT_EQ(t2, h2);
    const CDiagramm& d = f.Bericht().m_Diagramm;
    EXPECT_EQ(d.GetYMax(), 1.0);
    EXPECT_EQ(d.GetYDezimalen(), 2);
    EXPECT_EQ(f.Bericht().m_nKurven, 2);

    CRecorderDC dc;
    EXPECT_EQ(f.test.DiagrammZeichnen(2, &dc, RECT{0, 0, 500, 300}, nullptr, 0), 0);
    EXPECT_GT(dc.Von(CRecorderDC::Art::Linie).size(), 50u); // the curve
}

TEST(Testauswertung, DreiAntwortenJeRichtungTeilenDieZeit)
{
    CTestFall f(1);
    CTestBericht b;
    b.m_dwTestFlags = LINIEN | KONSTANT | HORIZONTAL | VERTIKAL;
    b.SetAnzahlReize(1);
    b.SetRechteck1(0, Linie());
    b.SetRechteck2(0, Marke(0));
    b.IncZaehler1(0);
    b.IncZaehler2(0);
    b.IncZaehler2(0);
    b.IncZaehler3(0);
    b.IncZaehler3(0);
    b.IncZaehler4(0);
    b.SetZeit(0, 900);
    f.test.SetBericht(0, b);
    ASSERT_EQ(f.test.BerichtAuswerten(0), 0);
    EXPECT_DOUBLE_EQ(f.Bericht().m_Tabelle1.GetWertDouble(0, 2), 0.3);
    // One stimulus level only: no fit, "n. a." and no curve.
    std::string zeit, h1, h2, v1, v2;
    f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0);
    EXPECT_EQ(h1, "n. a.");
    EXPECT_EQ(v2, "n. a.");
}

TEST(Testauswertung, EinstellungMitGeradeUndSchlechtenRechtecken)
{
    CTestFall f(1, 2);
    CTestBericht b;
    b.m_dwTestFlags = LINIEN | EINSTELLUNG | HORIZONTAL;
    b.SetAnzahlReize(2);
    for (int s = 0; s < 2; ++s) {
        b.SetRechteck1(s, s == 0 ? Linie() : RECT{412, 380, 612, 388});
        b.SetRechteck2(s, Marke(20)); // final mark
        b.SetRechteck4(s, Marke(0)); // start mark
        b.SetZeit(s, 2000);
    }
    f.test.SetBericht(0, b);
    std::string zeit, h1, h2, v1, v2;
    ASSERT_EQ(f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0), 0);
    EXPECT_EQ(zeit, "2,000 s");
    EXPECT_EQ(h1, "7,5 %"); // 5 % and 10 % of the lines
    std::string t1, t2;
    ASSERT_EQ(f.test.GetAchsentitel(0, t1, t2, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXEinheit(), "[pxl]");
    EXPECT_EQ(t2, "-0,025 %/pxl"); // -5 % over 200 pixels
    EXPECT_EQ(t1, "15,0 %");

    // A line of no width gives no measures: "n. a.", and a drawable chart.
    f.Bericht().SetRechteck1(0, RECT{512, 380, 512, 388});
    f.Bericht().SetRechteck1(1, RECT{512, 380, 512, 388});
    ASSERT_EQ(f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0), 0);
    EXPECT_EQ(h1, "n. a.");
    EXPECT_EQ(h2, "n. a.");
    ASSERT_EQ(f.test.GetAchsentitel(0, t1, t2, 0), 0);
    EXPECT_EQ(t1, "n. a.");
    CRecorderDC dc;
    EXPECT_EQ(f.test.DiagrammZeichnen(0, &dc, RECT{0, 0, 400, 300}, nullptr, 0), 0);
    EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
    EXPECT_TRUE(dc.Von(CRecorderDC::Art::Polygon).empty());
}

TEST(Testauswertung, NurVertikaleReizeUndKeineAntworten)
{
    CTestFall f(3);
    CTestBericht leer; // no answers, no rectangles, no times
    leer.m_dwTestFlags = LINIEN | KONSTANT | VERTIKAL;
    leer.SetAnzahlReize(3);
    f.test.SetBericht(0, leer);
    std::vector<std::string> namen;
    int nAbw = 0, nHfgk = 0;
    f.test.GetDiagrammNamen(namen, nAbw, nHfgk, 0);
    EXPECT_EQ(namen[0], "Rel. vert. Abw. / Linienhöhe");
    ASSERT_EQ(f.test.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXName(), "Linienhöhe");
    std::string zeit, h1, h2, v1, v2, t1, t2;
    f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0);
    EXPECT_EQ(zeit, "n. a.");
    EXPECT_EQ(v1, "n. a.");
    EXPECT_EQ(h1, "---");
    EXPECT_EQ(f.test.GetAchsentitel(2, t1, t2, 0), 0);
    EXPECT_EQ(t1, "n. a.");
    CRecorderDC dc;
    EXPECT_EQ(f.test.DiagrammZeichnen(2, &dc, RECT{0, 0, 400, 300}, nullptr, 0), 0);
    EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
}

// Rectangles come from the file: edges at the end of the int range are
// summed without overflow (the sanitizer build aborted here) and measure as
// anywhere else.
TEST(Testauswertung, RechteckeAmRandDesZahlenbereichs)
{
    CTestFall f(1);
    CTestBericht b;
    b.m_dwTestFlags = LINIEN | EINSTELLUNG | HORIZONTAL;
    b.SetAnzahlReize(1);
    const LONG x = INT32_MAX - 400;
    b.SetRechteck1(0, RECT{x, 380, x + 400, 388});
    b.SetRechteck2(0, RECT{x + 218, 370, x + 222, 398}); // 20 pixels right of the centre
    b.SetRechteck4(0, RECT{x + 198, 370, x + 202, 398});
    b.SetZeit(0, 2000);
    f.test.SetBericht(0, b);
    std::string zeit, h1, h2, v1, v2;
    ASSERT_EQ(f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0), 0);
    EXPECT_EQ(h1, "5,0 %");
}

} // namespace
