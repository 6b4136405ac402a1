#include <gtest/gtest.h>

#include "model/aufgabenbits.h"
#include "model/training.h"
#include "model/auswertung_fixture.h"

namespace {

constexpr uint32_t kReaktionstaste = aufgabe::ZIELE | aufgabe::REAKTIONSTASTE | aufgabe::TRAINING;

// A training with a grid of the given size and one report whose stimuli sit
// in one row at the given pixel columns with the given times (ms).
struct CTrainingsFall {
    CAuswertungsUmgebung u;
    CTraining training;

    CTrainingsFall(int spalten, int zeilen, std::vector<int> xs, std::vector<uint64_t> zeiten, bool markiert = true)
    {
        training.SetUmgebung(&u.umgebung);
        CSakkaden s = training.GetSakkaden();
        s.m_nSpalten = spalten;
        s.m_nZeilen = zeilen;
        training.SetSakkaden(s);
        CTrainingsBericht b;
        b.m_dwAufgabenFlags = kReaktionstaste;
        b.m_nRasterSpalten = spalten;
        b.m_nRasterZeilen = zeilen;
        b.m_rcPositionen = RECT{112, 184, 912, 584};
        b.SetAnzahlReize(static_cast<int>(xs.size()));
        for (size_t i = 0; i < xs.size(); ++i) {
            b.SetPunkt(static_cast<int>(i), xs[i], 184 + 100 * static_cast<int>(i % 2));
            b.SetZeit(static_cast<int>(i), zeiten[i]);
            if (markiert)
                b.SetMarke(static_cast<int>(i));
        }
        training.SetBericht(0, &b);
    }
    CTrainingsBericht& Bericht() { return *training.GetBericht(0); }
};

TEST(Trainingsauswertung, ErgebnisUndYBereich)
{
    CTrainingsFall f(4, 2, {112, 312, 512, 712}, {100, 200, 300, 1300});
    std::string text;
    EXPECT_EQ(f.training.GetErgebnisText(text, 0), 0);
    EXPECT_EQ(text, "0,475 s");
    EXPECT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    const CDiagramm& d = f.Bericht().m_Diagramm;
    EXPECT_EQ(d.GetYMax(), 2.0);
    EXPECT_EQ(d.GetXName(), "Horiz. Zeichenposition");
    EXPECT_EQ(d.GetXMax(), 400.0);

    f.Bericht().SetZeit(3, 2100); // a changed report is built anew
    EXPECT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetYMax(), 4.0);
}

TEST(Trainingsauswertung, SteigungMitPassendenDezimalen)
{
    CTrainingsFall f(4, 2, {112, 312, 512, 712}, {100, 200, 300, 400});
    std::string a, s;
    ASSERT_EQ(f.training.GetSteigungText(0, a, s, 0), 0);
    EXPECT_EQ(s, "0,50 ms/pxl"); // 100 ms per 200 pixels
    EXPECT_EQ(a, "0,300 s");
    // The built chart keeps its line; only the text is formatted anew.
    const std::pair<double, const char*> faelle[] = {
        {12.3, "12 ms/pxl"}, {4.56, "4,6 ms/pxl"}, {0.789, "0,79 ms/pxl"}, {0.0123, "0,012 ms/pxl"}};
    for (const auto& [ms, erwartet] : faelle) {
        f.Bericht().m_dSteigung[0] = ms / 1000.0;
        ASSERT_EQ(f.training.GetSteigungText(0, a, s, 0), 0);
        EXPECT_EQ(s, erwartet);
    }
}

TEST(Trainingsauswertung, EineSpalteBietetNurDasVertikaleDiagramm)
{
    CTrainingsFall f(1, 4, {512, 512}, {300, 500});
    std::vector<std::string> namen;
    int n = -1, n2 = -1;
    EXPECT_EQ(f.training.GetDiagrammNamen(namen, n, n2, 0), 0);
    EXPECT_EQ(namen, (std::vector<std::string>{"Reaktonszeit / Vert. Zeichenposition"}));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(n2, 0);
    EXPECT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXName(), "Vert. Zeichenposition");
    EXPECT_EQ(f.training.DiagrammErstellen(2, 0), 2);
    EXPECT_EQ(f.Bericht().m_nDiagramm, -1);
}

TEST(Trainingsauswertung, EinheitOderDezimalenBauenDasDiagrammNeu)
{
    CTrainingsFall f(4, 2, {112, 312, 512, 712}, {100, 200, 300, 400});
    ASSERT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXDezimalen(), 0);
    f.u.SetzeEinheit(0x0002 | 0x0200, 2); // cm with 2 decimals
    ASSERT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXEinheit(), "[cm]");
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXDezimalen(), 2);
    std::string a, s;
    f.training.GetSteigungText(0, a, s, 0);
    EXPECT_NE(s.find(" ms/cm"), std::string::npos);
}

TEST(Trainingsauswertung, OhneReaktionenNichtsBerechnetKeinNaN)
{
    CTrainingsFall f(4, 2, {112, 312}, {100, 200}, false);
    std::string text, a, s;
    EXPECT_EQ(f.training.GetErgebnisText(text, 0), 0);
    EXPECT_EQ(text, "---");
    EXPECT_EQ(f.training.GetSteigungText(0, a, s, 0), 0);
    EXPECT_EQ(a, "n. a.");
    EXPECT_EQ(s, "n. a.");
    EXPECT_EQ(f.Bericht().m_Diagramm.GetYMax(), 1.0);
    CRecorderDC dc;
    EXPECT_EQ(f.training.DiagrammZeichnen(0, &dc, RECT{0, 0, 500, 300}, nullptr, 0), 0);
    EXPECT_TRUE(dc.Von(CRecorderDC::Art::Polygon).empty());
    EXPECT_TRUE(AlleKoordinatenVernuenftig(dc));

    // Without an environment the tables are cleared and 2 is answered.
    f.training.SetUmgebung(nullptr);
    EXPECT_EQ(f.training.GetErgebnisText(text, 0), 2);
    EXPECT_EQ(f.Bericht().m_Tabelle.GetAnzahlSpalten(), 0);
}

// Target trials without answer keys, or answer keys without target trials,
// give nothing to evaluate.
TEST(Trainingsauswertung, ReaktionenBrauchenZieleUndAntworttasten)
{
    for (uint32_t flags : {0x2u | 0x8000u, 0x100u | 0x8000u}) {
        CTrainingsFall f(4, 2, {112, 312}, {100, 200});
        f.Bericht().m_dwAufgabenFlags = flags;
        std::vector<std::string> namen;
        int n = -1, n2 = -1;
        EXPECT_EQ(f.training.GetDiagrammNamen(namen, n, n2, 0), 0);
        EXPECT_EQ(n, 0) << flags;
        std::string text;
        EXPECT_EQ(f.training.GetErgebnisText(text, 0), 0);
        EXPECT_EQ(text, "---") << flags;
    }
}

// Grid columns come from the file; a chart draws no more ticks than it can show.
TEST(Trainingsauswertung, TicksAusDerDateiSindBegrenzt)
{
    CTrainingsFall f(4, 2, {112, 312, 512, 712}, {100, 200, 300, 400});
    f.Bericht().m_nRasterSpalten = 0x7fffffff;
    ASSERT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXTicks(), CDiagramm::kTicksMax);
    // Built once, the same chart counts as current.
    EXPECT_EQ(f.training.DiagrammErstellen(0, 0), 0);
    EXPECT_EQ(f.Bericht().m_Diagramm.GetXTicks(), CDiagramm::kTicksMax);
}

} // namespace
