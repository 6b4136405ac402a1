#include <gtest/gtest.h>

#include <functional>

#include "model/aufgabenbits.h"
#include "model/auswertung.h"
#include "model/auswertung_fixture.h"

namespace {

using namespace aufgabe;

// A horizontal line of 400 pixels centred on the display, a mark shifted.
RECT Linie() { return RECT{312, 380, 712, 388}; }
RECT Marke(int versatz) { return RECT{510 + versatz, 370, 514 + versatz, 398}; }

struct CErgebnis {
    std::string zeit, h1, h2, v1, v2;
    int code;
    explicit CErgebnis(CTest& t) { code = t.GetErgebnisText(zeit, h1, h2, v1, v2, 0); }
};

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
    CErgebnis e(f.test);
    EXPECT_EQ(e.h1, "n. a."); // one stimulus level: no fit
    EXPECT_EQ(e.v2, "n. a.");
}

// Adjustment on lines of 400 and 200 pixels, the final mark 20 pixels right of
// the centre of the first, the start mark at its centre, 2 s each. A second
// round of both lines has its marks 60 pixels right, 4 s each.
CTestBericht ZweiLinien(int runden = 1)
{
    CTestBericht b;
    b.m_dwTestFlags = LINIEN | EINSTELLUNG | HORIZONTAL;
    b.SetAnzahlReize(2 * runden);
    for (int s = 0; s < 2 * runden; ++s) {
        b.SetRechteck1(s, s % 2 == 0 ? Linie() : RECT{412, 380, 612, 388});
        b.SetRechteck2(s, Marke(s < 2 ? 20 : 60));
        b.SetRechteck4(s, Marke(0));
        b.SetZeit(s, s < 2 ? 2000 : 4000);
    }
    return b;
}

// Rectangles come from the file: no width, and edges at the end of the int range.
TEST(Testauswertung, EinstellungMitGeradeUndSchlechtenRechtecken)
{
    CTestFall f(1, 2);
    f.test.SetBericht(0, ZweiLinien());
    CErgebnis e(f.test);
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.zeit, "2,000 s");
    EXPECT_EQ(e.h1, "7,5 %"); // 5 % and 10 % of the lines
    std::string t1, t2;
    ASSERT_EQ(f.test.GetAchsentitel(0, t1, t2, 0), 0);
    EXPECT_EQ(t2, "-0,025 %/pxl"); // -5 % over 200 pixels
    EXPECT_EQ(t1, "15,0 %");

    f.Bericht().SetRechteck1(0, RECT{512, 380, 512, 388});
    f.Bericht().SetRechteck1(1, RECT{512, 380, 512, 388});
    CErgebnis leer(f.test);
    ASSERT_EQ(leer.code, 0);
    EXPECT_EQ(leer.h1, "n. a.");
    ASSERT_EQ(f.test.GetAchsentitel(0, t1, t2, 0), 0);
    EXPECT_EQ(t1, "n. a.");
    CRecorderDC dc;
    EXPECT_EQ(f.test.DiagrammZeichnen(0, &dc, RECT{0, 0, 400, 300}, nullptr, 0), 0);
    EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
    EXPECT_TRUE(dc.Von(CRecorderDC::Art::Polygon).empty());

    const LONG x = INT32_MAX - 400;
    for (int s = 0; s < 2; ++s) {
        f.Bericht().SetRechteck1(s, RECT{x, 380, x + 400, 388});
        f.Bericht().SetRechteck2(s, RECT{x + 218, 370, x + 222, 398}); // 20 pixels right of the centre
        f.Bericht().SetRechteck4(s, RECT{x + 198, 370, x + 202, 398});
    }
    EXPECT_EQ(CErgebnis(f.test).h1, "5,0 %");
}

// The evaluation is kept with its report: what is shown follows the report,
// the test's factors and the unit, and each report keeps its own.
TEST(Testauswertung, AuswertungFolgtBerichtFaktorenUndEinheit)
{
    CTestFall f(1, 2);
    CTestBericht b = ZweiLinien();
    f.test.SetBericht(0, b);
    b.SetZeit(1, 4000);
    f.test.SetBericht(1, b);
    std::string t1, t2;
    const struct {
        int bericht;
        std::function<void()> aendern;
        std::string zeit, h1, t1, t2;
    } schritte[] = {
        {0, [] {}, "2,000 s", "7,5 %", "15,0 %", "-0,025 %/pxl"},
        {1, [] {}, "3,000 s", "7,5 %", "15,0 %", "-0,025 %/pxl"},
        {0, [&] { f.Bericht().SetRechteck2(1, Marke(40)); }, "2,000 s", "12,5 %", "35,0 %", "-0,075 %/pxl"},
        {0, [&] { f.u.SetzeEinheit(0x0002 | 0x0200, 2); }, "2,000 s", "12,5 %", "35,0 %", "-1,9 %/cm"},
        // One length level, two repetitions: both lines make one point.
        {0,
         [&] {
             CLinien l = f.test.GetLinien();
             l.m_nHLaengeStufen = 1;
             l.m_nWiederholungen = 2;
             f.test.SetLinien(l);
         },
         "2,000 s", "12,5 %", "12,5 %", "0,000 %/cm"},
        {1, [] {}, "3,000 s", "7,5 %", "7,5 %", "0,000 %/cm"},
    };
    for (const auto& s : schritte) {
        s.aendern();
        std::string zeit, h1, h2, v1, v2;
        ASSERT_EQ(f.test.GetErgebnisText(zeit, h1, h2, v1, v2, s.bericht), 0);
        ASSERT_EQ(f.test.GetAchsentitel(0, t1, t2, s.bericht), 0);
        EXPECT_EQ((std::vector<std::string>{zeit, h1, t1, t2}), (std::vector<std::string>{s.zeit, s.h1, s.t1, s.t2}))
            << s.bericht;
    }
}

// The repetitions alone decide where the second round's trials (15 % and
// 30 % off) go: with one they have no line length and make a point of their
// own at the mean length; with two each joins its line.
TEST(Testauswertung, NurWiederholungenGeaendertGruppiertNeu)
{
    CTestFall f(1, 2);
    f.test.SetBericht(0, ZweiLinien(2));
    auto texte = [&f](int wiederholungen) {
        CLinien l = f.test.GetLinien();
        l.m_nWiederholungen = wiederholungen;
        f.test.SetLinien(l);
        std::string zeit, h1, h2, v1, v2, t1, t2;
        EXPECT_EQ(f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0), 0);
        EXPECT_EQ(f.test.GetAchsentitel(0, t1, t2, 0), 0);
        return std::vector<std::string>{zeit, h1, h2, t1, t2};
    };
    const std::vector<std::string> eineRunde = {"3,000 s", "15,0 %", "10,6 %", "20,0 %", "-0,025 %/pxl"};
    EXPECT_EQ(texte(1), eineRunde);
    EXPECT_EQ(texte(2), (std::vector<std::string>{"3,000 s", "15,0 %", "10,6 %", "30,0 %", "-0,050 %/pxl"}));
    EXPECT_EQ(texte(1), eineRunde);
}

// A screen mode of the same width but more lines: vertical lines of 400 and
// 200 pixels are 12.5 and 6.25 cm of 30 cm on 960 lines, 11.71875 and
// 5.859375 cm on 1024; the mark 20 pixels above their centre.
TEST(Testauswertung, NeuerBildschirmmodusGleicherBreite)
{
    CAuswertungsUmgebung u(0x0002 | 0x0200, 2); // cm
    CBildschirmModus m = u.umgebung.GetBildschirmModus();
    m.m_dwBreite = 1280;
    m.m_dwHoehe = 960;
    u.umgebung.SetBildschirmModus(m);
    CTest test;
    test.SetUmgebung(&u.umgebung);
    CLinien l = test.GetLinien();
    l.m_nHLaengeStufen = l.m_nHPositionStufen = l.m_nHTrennStufen = 1;
    l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
    l.m_nVLaengeStufen = 2;
    l.m_nWiederholungen = 1;
    test.SetLinien(l);
    CTestBericht b;
    b.m_dwTestFlags = LINIEN | EINSTELLUNG | VERTIKAL;
    b.SetAnzahlReize(2);
    for (int s = 0; s < 2; ++s) {
        const LONG halb = s == 0 ? 200 : 100;
        b.SetRechteck2(s, RECT{636, 480 - halb, 644, 480 + halb});
        b.SetRechteck1(s, RECT{626, 458, 654, 462});
        b.SetRechteck3(s, RECT{626, 478, 654, 482});
        b.SetZeit(s, 2000);
    }
    test.SetBericht(0, b);
    auto texte = [&test] {
        std::string t1, t2;
        EXPECT_EQ(test.GetAchsentitel(0, t1, t2, 0), 0);
        return std::vector<std::string>{t1, t2};
    };
    EXPECT_EQ(texte(), (std::vector<std::string>{"15,0 %", "-0,80 %/cm"}));
    m.m_dwHoehe = 1024;
    u.umgebung.SetBildschirmModus(m);
    EXPECT_EQ(texte(), (std::vector<std::string>{"15,0 %", "-0,85 %/cm"}));
}

} // namespace
