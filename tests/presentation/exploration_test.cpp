#include "support/laufumfeld.h"

#include "presentation/bmpdatei.h"
#include "presentation/exploration.h"
#include "presentation/zellraster.h"
#include "testanzeige.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

namespace {

TEST(Exploration, Pfade)
{
    EXPECT_EQ(ExplorationsPfad(2, 3, true), (std::vector<POINT>{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}}));
    EXPECT_EQ(ExplorationsPfad(2, 3, false), (std::vector<POINT>{{1, 1}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {3, 2}}));
}

// A failed copy leaves a gap: the preparation fails with the drawing error.
TEST(Exploration, FehlgeschlageneKopieIstZeichenfehler)
{
    auto vorbereiten = [](int strategie, int gelingen) {
        CLaufUmfeld u;
        u.training.SetAufgabenart(20);
        CExploration e = u.training.GetExploration();
        e.m_nStrategie = strategie;
        e.m_nFreiflaecheAktiv = e.m_nZielliste = e.m_nDistraktorliste = 0;
        e.m_nZielBis = 6;
        e.m_nZeilen = 2;
        e.m_nSpalten = 3;
        u.training.SetExploration(e);
        if (gelingen >= 0) {
            if (gelingen > 0)
                u.anzeige->SetErgebnis(EAufruf::Blt, DD_OK, gelingen);
            u.anzeige->SetErgebnis(EAufruf::Blt, DDERR_GENERIC, strategie == 11 ? 1 : -1);
        }
        CPraesentation p;
        const int fehler = u.Vorbereiten(p);
        return std::make_tuple(fehler, p.m_strFehler, u.anzeige->GetAufrufe(EAufruf::Blt));
    };
    // The path's last field stimulus is the preparation's last copy.
    const auto [ohne, text, kopien] = vorbereiten(11, -1);
    ASSERT_EQ(ohne, 0) << text;
    const auto [fehler, fehlertext, k] = vorbereiten(11, kopien - 1);
    EXPECT_EQ(fehler, 11);
    EXPECT_EQ(fehlertext, "Fehler beim Erstellen des Vordergrundbildes.\n");

    // Border slots, copies failing from some point on: codes once ORed into 14.
    const auto [rand, randtext, randkopien] = vorbereiten(30, -1);
    ASSERT_EQ(rand, 0) << randtext;
    int zeichenfehler = 0;
    for (int gelingen = 0; gelingen < randkopien; ++gelingen) {
        const auto [f, t, n] = vorbereiten(30, gelingen);
        EXPECT_TRUE(f == 10 || f == 11) << gelingen << ": " << f << " " << t;
        zeichenfehler += f == 11;
    }
    EXPECT_GT(zeichenfehler, 0);
}

// The prepared field of an exploration training; the placement grid made as
// the strategy makes it (labels in its border, the cells in it).
struct CFeld {
    CFeld(int strategie, int zeilen, int spalten)
    {
        u.training.SetAufgabenart(20);
        CExploration e = u.training.GetExploration();
        e.m_nStrategie = strategie;
        e.m_nZielliste = 0; // letters and digits: no picture files
        e.m_nDistraktorliste = 1;
        e.m_nZeilen = e.m_nZellenZeilen = zeilen;
        e.m_nSpalten = e.m_nZellenSpalten = spalten;
        u.training.SetExploration(e);
        EXPECT_EQ(u.Vorbereiten(p), 0) << p.m_strFehler;
        const int s = u.umgebung.AnteilInPixelY(e.m_dZeichengroesse);
        raster.Init(p.m_Rechtecke1.GetAt(0), RECT{0, 0, s, s}, strategie == 50 ? zeilen : 1,
                    strategie == 50 ? spalten : 1);
    }
    // The pixels of r, row by row.
    std::vector<int> Pixel(const RECT& r) const
    {
        std::vector<int> v;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                v.push_back(testanzeige::Pixel(p.m_pVordergrund, x, y));
        return v;
    }
    // The runs along x (or y) of r holding a pixel that is not 176 (or is index).
    std::vector<RECT> Laeufe(const RECT& r, bool waagerecht, int index = -1) const
    {
        std::vector<RECT> laeufe;
        const LONG von = waagerecht ? r.left : r.top, bis = waagerecht ? r.right : r.bottom;
        for (LONG i = von; i < bis; ++i) {
            const RECT linie = waagerecht ? RECT{i, r.top, i + 1, r.bottom} : RECT{r.left, i, r.right, i + 1};
            const std::vector<int> v = Pixel(linie);
            const bool belegt = std::any_of(v.begin(), v.end(), [&](int x) {
                return index < 0 ? x != INDEX_DURCHSICHTIG : x == index;
            });
            if (belegt && (laeufe.empty() || (waagerecht ? laeufe.back().right : laeufe.back().bottom) < i))
                laeufe.push_back(linie);
            else if (belegt)
                (waagerecht ? laeufe.back().right : laeufe.back().bottom) = i + 1;
        }
        return laeufe;
    }
    CLaufUmfeld u;
    CPraesentation p;
    CRaster raster;
};

// Strategy 20: a grid of 2 x 3 places whatever the number of characters;
// letters A to C above and below the columns, numbers 1 and 2 left and right
// of the rows.
TEST(Exploration, SuchfolieMitZeilenUndSpaltenhinweis)
{
    CFeld f(20, 2, 3);
    const RECT innen = f.raster.GetRasterRechteck();
    EXPECT_EQ(f.Laeufe(innen, true).size(), 3u);
    EXPECT_EQ(f.Laeufe(innen, false).size(), 2u);
    const struct {
        int bereich, gegenueber;
        bool waagerecht;
        size_t anzahl;
    } raender[] = {{2, 6, true, 3}, {8, 4, false, 2}};
    for (const auto& r : raender) {
        const RECT a = f.raster.GetRandbereich(r.bereich), b = f.raster.GetRandbereich(r.gegenueber);
        const std::vector<RECT> hier = f.Laeufe(a, r.waagerecht, INDEX_VORDERGRUND);
        const std::vector<RECT> dort = f.Laeufe(b, r.waagerecht, INDEX_VORDERGRUND);
        ASSERT_EQ(hier.size(), r.anzahl) << r.bereich;
        ASSERT_EQ(dort.size(), r.anzahl) << r.gegenueber;
        std::set<std::vector<int>> zeichen;
        for (size_t i = 0; i < r.anzahl; ++i) {
            // The same label on both sides, in line with its column or row.
            const RECT eins = f.Laeufe(hier[i], !r.waagerecht, INDEX_VORDERGRUND).at(0);
            const RECT zwei = f.Laeufe(dort[i], !r.waagerecht, INDEX_VORDERGRUND).at(0);
            EXPECT_EQ(r.waagerecht ? eins.left : eins.top, r.waagerecht ? zwei.left : zwei.top) << i;
            EXPECT_EQ(f.Pixel(eins), f.Pixel(zwei)) << r.bereich << " " << i;
            zeichen.insert(f.Pixel(eins));
        }
        EXPECT_EQ(zeichen.size(), r.anzahl) << r.bereich;
    }
}

// Strategy 50: framed cells; the first two visited show the same picture,
// each further cell one of its own.
TEST(Exploration, VergleichZellen)
{
    CFeld f(50, 2, 3);
    std::vector<std::vector<int>> zellen;
    for (int c = 0; c < 6; ++c) {
        zellen.push_back(f.Pixel(f.raster.GetZelleNr(c)));
        for (int k = 1; k <= 4; ++k) {
            const RECT r = f.raster.GetZellstreifenNr(k, c);
            EXPECT_EQ(testanzeige::Pixel(f.p.m_pVordergrund, (r.left + r.right) / 2, (r.top + r.bottom) / 2),
                      INDEX_VORDERGRUND);
        }
    }
    int gleich = 0;
    for (size_t a = 0; a < zellen.size(); ++a)
        for (size_t b = a + 1; b < zellen.size(); ++b)
            gleich += zellen[a] == zellen[b];
    EXPECT_EQ(gleich, 1);
    f.u.Speichern(f.p.m_pVordergrund, "exploration_zellen");
}

// Settings whose field cannot be drawn are refused with the value that is
// wrong and its limit; the codes stay: 14 for a side below a pixel, 11 for
// the foreground. Cells read as two billion are clamped to 100 x 100.
TEST(Exploration, UnbrauchbaresFeldNenntSeinenGrund)
{
    const std::string angaben = "Eine oder mehrere Trainingsangaben sind unzulässig: ";
    const std::string vordergrund = "Fehler beim Erstellen des Vordergrundbildes: ";
    const struct {
        int strategie;
        std::function<void(CExploration&)> setzen;
        int code;
        std::string text; // its beginning when it ends in "…"
    } faelle[] = {
        {50, [](CExploration& e) { e.m_nZellenZeilen = e.m_nZellenSpalten = 2'000'000'000; }, 11,
         vordergrund + "Für 100 x 100 Zellen sind 40 Zeichen zu wenige. Es müssen mindestens 10000 Zeichen sein, "
                       "eines je Zelle.\n"},
        {50,
         [](CExploration& e) {
             e.m_nZellenZeilen = e.m_nZellenSpalten = 3;
             e.m_nAnzahl = 100'000;
         },
         11, vordergrund + "Für 100000 Zeichen sind 3 x 3 Zellen zu klein. Bei dieser Zeichengröße haben höchstens …"},
        {50,
         [](CExploration& e) {
             e.m_nZellenZeilen = e.m_nZellenSpalten = 100;
             e.m_dZeichengroesse = 0.5;
         },
         11,
         vordergrund + "Für 100 x 100 Zellen ist das Bild zu klein. Bei dieser Bildgröße und Zeichengröße sind "
                       "höchstens 0 x 1 Zellen möglich.\n"},
        {30, [](CExploration& e) { e.m_dZeichengroesse = 0.0; }, 14,
         angaben + "Die Zeichengröße ergibt bei dieser Bildschirmauflösung 0 Pixel; sie muss mindestens 1 Pixel "
                   "betragen.\n"},
        {50, [](CExploration& e) { e.m_dBildhoehe = e.m_dZeichengroesse = 0.0; }, 14,
         angaben + "Die Bildhöhe ergibt bei dieser Bildschirmauflösung 0 Pixel; sie muss mindestens 1 Pixel "
                   "betragen.\n"},
        // Each place a pixel in a frame of 3, bars of 18 between: 39 in 967.
        {11, [](CExploration& e) { e.m_nSpalten = 10'000; }, 14,
         angaben + "Für 10000 Spalten ist die Bildbreite zu klein. Bei einer Bildbreite von 973 Pixel sind "
                   "höchstens 39 Spalten möglich.\n"},
    };
    for (const auto& f : faelle) {
        CLaufUmfeld u;
        u.training.SetAufgabenart(20);
        CExploration e = u.training.GetExploration();
        e.m_nStrategie = f.strategie;
        f.setzen(e);
        u.training.SetExploration(e);
        CPraesentation p;
        EXPECT_EQ(u.Darbieten(p), f.code) << f.text;
        const size_t auslassung = f.text.rfind("…");
        if (auslassung != std::string::npos)
            EXPECT_EQ(p.m_strFehler.substr(0, auslassung), f.text.substr(0, auslassung));
        else
            EXPECT_EQ(p.m_strFehler, f.text);
    }
}

} // namespace
