#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/aufgabenbits.h"
#include "model/training.h"
#include "model/auswertung_fixture.h"

namespace {

// A 4 x 2 grid; one report, stimuli at the given pixel columns and times (ms).
struct CTrainingsFall {
    CAuswertungsUmgebung u;
    CTraining training;
    std::string text, a, s;

    CTrainingsFall(std::vector<int> xs, std::vector<uint64_t> zeiten, bool markiert = true)
    {
        training.SetUmgebung(&u.umgebung);
        CSakkaden sk = training.GetSakkaden();
        sk.m_nSpalten = 4;
        sk.m_nZeilen = 2;
        training.SetSakkaden(sk);
        CTrainingsBericht b;
        b.m_dwAufgabenFlags = aufgabe::ZIELE | aufgabe::REAKTIONSTASTE | aufgabe::TRAINING;
        b.m_nRasterSpalten = 4;
        b.m_nRasterZeilen = 2;
        b.m_rcPositionen = RECT{112, 184, 912, 584};
        b.SetAnzahlReize(static_cast<int>(xs.size()));
        for (int i = 0; i < static_cast<int>(xs.size()); ++i) {
            b.SetPunkt(i, xs[i], 184 + 100 * (i % 2));
            b.SetZeit(i, zeiten[i]);
            if (markiert)
                b.SetMarke(i);
        }
        training.SetBericht(0, &b);
    }
    CTrainingsBericht& Bericht() { return *training.GetBericht(0); }
    int Ergebnis() { return training.GetErgebnisText(text, 0); }
    int Steigung() { return training.GetSteigungText(0, a, s, 0); }
    // Ordinate and slope of the horizontal chart, then of the vertical one.
    std::vector<std::string> Geraden()
    {
        std::vector<std::string> t;
        for (int diagramm : {0, 1}) {
            EXPECT_EQ(training.GetSteigungText(diagramm, a, s, 0), 0);
            t.push_back(a);
            t.push_back(s);
        }
        return t;
    }
};

// Grid columns come from the file: no more ticks than a chart can show.
TEST(Trainingsauswertung, YBereichUndTicks)
{
    CTrainingsFall f({112, 312, 512, 712}, {100, 200, 300, 1300});
    EXPECT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetYMax(), 2.0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXMax(), 400.0);
    f.Bericht().SetZeit(3, 2100);
    f.Bericht().m_nRasterSpalten = 0x7fffffff;
    ASSERT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetYMax(), 4.0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXTicks(), CDiagramm::kTicksMax);
}

TEST(Trainingsauswertung, SteigungMitPassendenDezimalen)
{
    CTrainingsFall f({112, 312, 512, 712}, {100, 200, 300, 400});
    ASSERT_EQ(f.Steigung(), 0);
    EXPECT_EQ(f.s, "0,50 ms/pxl"); // 100 ms per 200 pixels
    EXPECT_EQ(f.a, "0,300 s");
    // The built chart keeps its line; only the text is formatted anew.
    const std::pair<double, const char*> faelle[] = {
        {12.3, "12 ms/pxl"}, {4.56, "4,6 ms/pxl"}, {0.789, "0,79 ms/pxl"}, {0.0123, "0,012 ms/pxl"}};
    for (const auto& [ms, erwartet] : faelle) {
        f.Bericht().m_dSteigung[0] = ms / 1000.0;
        ASSERT_EQ(f.Steigung(), 0);
        EXPECT_EQ(f.s, erwartet);
    }
    // Another unit or number of decimals builds the chart anew.
    f.u.SetzeEinheit(0x0002 | 0x0200, 2); // cm with 2 decimals
    ASSERT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXEinheit(), "[cm]");
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXDezimalen(), 2);
    f.Steigung();
    EXPECT_NE(f.s.find(" ms/cm"), std::string::npos);
}

// The evaluation is kept with its report: a page, its charts and the printout
// ask for it again and again. What they show follows the report, the unit
// and the flags.
TEST(Trainingsauswertung, AuswertungBleibtBisSichEtwasAendert)
{
    CTrainingsFall f({112, 312, 512, 712}, {100, 200, 300, 400});
    ASSERT_EQ(f.Ergebnis(), 0);
    EXPECT_EQ(f.text, "0,250 s");
    f.Bericht().m_Tabelle.SetWert(0, 3, 7.0); // a mark on the kept table
    ASSERT_EQ(f.Steigung(), 0);
    ASSERT_EQ(f.Ergebnis(), 0);
    EXPECT_EQ(f.Bericht().m_Tabelle.GetWertDouble(0, 3), 7.0);
    EXPECT_EQ(f.s, "0,50 ms/pxl");

    f.Bericht().SetZeit(3, 800);
    ASSERT_EQ(f.Ergebnis(), 0);
    EXPECT_EQ(f.text, "0,350 s");
    EXPECT_EQ(f.Bericht().m_Tabelle.GetWertDouble(0, 3), 1.0);
    ASSERT_EQ(f.Steigung(), 0);
    EXPECT_EQ(f.s, "1,1 ms/pxl");

    f.u.SetzeEinheit(0x0002 | 0x0200, 2);
    ASSERT_EQ(f.Steigung(), 0);
    EXPECT_NE(f.s.find(" ms/cm"), std::string::npos);

    f.Bericht().m_dwAufgabenFlags = aufgabe::ZIELE | aufgabe::TRAINING;
    ASSERT_EQ(f.Ergebnis(), 0);
    EXPECT_EQ(f.text, "---");
}

// Without marked reactions, target trials or answer keys: nothing to evaluate, no NaN drawn.
TEST(Trainingsauswertung, ReaktionenBrauchenZieleUndAntworttasten)
{
    using namespace aufgabe;
    const std::pair<bool, uint32_t> faelle[] = {
        {false, ZIELE | REAKTIONSTASTE | TRAINING}, {true, ZIELE | TRAINING}, {true, REAKTIONSTASTE | TRAINING}};
    for (auto [markiert, flags] : faelle) {
        SCOPED_TRACE(flags);
        CTrainingsFall f({112, 312}, {100, 200}, markiert);
        f.Bericht().m_dwAufgabenFlags = flags;
        std::vector<std::string> namen;
        int n = -1, n2 = -1;
        EXPECT_EQ(f.training.GetDiagrammNamen(namen, n, n2, 0), 0);
        EXPECT_EQ(n, markiert ? 0 : 2);
        EXPECT_EQ(f.Ergebnis(), 0);
        EXPECT_EQ(f.text, "---");
        EXPECT_EQ(f.Steigung(), 0);
        EXPECT_EQ(f.a, "n. a.");
        EXPECT_EQ(f.s, "n. a.");
        CRecorderDC dc;
        f.training.DiagrammZeichnen(0, &dc, RECT{0, 0, 500, 300}, nullptr, 0);
        EXPECT_TRUE(dc.Von(CRecorderDC::Art::Polygon).empty());
        EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));
        f.training.SetUmgebung(nullptr);
        EXPECT_EQ(f.Ergebnis(), 2); // no environment: tables cleared
        EXPECT_EQ(f.Bericht().m_Tabelle.GetAnzahlSpalten(), 0);
    }
}

// After the unit changes, the tables hold the positions in the new unit and
// the texts give the fitted lines per that unit: 200 pixels across and 100
// down are 7.8125 and 3.90625 cm on a display 40 x 30 cm wide.
TEST(Trainingsauswertung, NeueEinheitInTabellenUndTexten)
{
    CTrainingsFall f({112, 312, 512, 712}, {100, 200, 300, 400});
    auto spalte = [&f](int k) {
        std::vector<double> werte;
        for (int z = 0; z < f.Bericht().m_Tabelle.GetAnzahlZeilen(); ++z)
            werte.push_back(f.Bericht().m_Tabelle.GetWertDouble(z, k));
        return werte;
    };
    EXPECT_EQ(f.Geraden()[1], "0,50 ms/pxl");
    using ::testing::DoubleEq;
    using ::testing::ElementsAre;
    EXPECT_THAT(spalte(0), ElementsAre(DoubleEq(-400.0), DoubleEq(-200.0), DoubleEq(0.0), DoubleEq(200.0)));

    f.u.SetzeEinheit(0x0002 | 0x0200, 2); // cm
    EXPECT_EQ(f.Geraden(), (std::vector<std::string>{"0,300 s", "13 ms/cm", "0,400 s", "-26 ms/cm"}));
    EXPECT_THAT(spalte(0), ElementsAre(DoubleEq(-15.625), DoubleEq(-7.8125), DoubleEq(0.0), DoubleEq(7.8125)));
    EXPECT_THAT(spalte(1), ElementsAre(DoubleEq(7.8125), DoubleEq(3.90625), DoubleEq(7.8125), DoubleEq(3.90625)));
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXEinheit(), "[cm]");
    EXPECT_DOUBLE_EQ(f.Bericht().m_Diagramm.GetXMax(), 7.8125); // the vertical chart, built last
}

// A screen mode of the same width but more lines: the vertical positions,
// and only they, are taken anew (100 pixels are 3.125 cm of 30 cm on 960
// lines, 2.9296875 cm on 1024).
TEST(Trainingsauswertung, NeuerBildschirmmodusGleicherBreite)
{
    CTrainingsFall f({112, 312, 512, 712}, {100, 200, 300, 400});
    f.u.SetzeEinheit(0x0002 | 0x0200, 2); // cm
    CBildschirmModus m = f.u.umgebung.GetBildschirmModus();
    m.m_dwBreite = 1280;
    m.m_dwHoehe = 960;
    f.u.umgebung.SetBildschirmModus(m);
    EXPECT_EQ(f.Geraden(), (std::vector<std::string>{"0,364 s", "16 ms/cm", "0,496 s", "-32 ms/cm"}));
    EXPECT_DOUBLE_EQ(f.Bericht().m_Tabelle.GetWertDouble(0, 1), 9.25);

    m.m_dwHoehe = 1024;
    f.u.umgebung.SetBildschirmModus(m);
    EXPECT_EQ(f.Geraden(), (std::vector<std::string>{"0,364 s", "16 ms/cm", "0,528 s", "-34 ms/cm"}));
    EXPECT_DOUBLE_EQ(f.Bericht().m_Tabelle.GetWertDouble(0, 1), 9.609375);
    EXPECT_DOUBLE_EQ(f.Bericht().m_Diagramm.GetXMin(), -2.109375); // 72 lines below the centre
}

} // namespace
