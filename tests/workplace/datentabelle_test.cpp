#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "workplace/datentabelle.h"
#include "workplace/statistik.h"

namespace {

constexpr double kFehlt = -999.0; // a missing value, in tables built here and in expectations

CDatentabelle Tabelle(std::initializer_list<std::vector<double>> zeilen)
{
    CDatentabelle t;
    t.SetGroesse(int(zeilen.size()), int(zeilen.begin()->size()));
    int z = 0;
    for (const auto& zeile : zeilen) {
        for (int s = 0; s < int(zeile.size()); ++s)
            if (zeile[s] != kFehlt)
                t.SetWert(z, s, zeile[s]);
        ++z;
    }
    return t;
}

CDatenreihe Reihe(std::initializer_list<double> werte)
{
    CDatenreihe r;
    int i = 0;
    for (double v : werte)
        r.SetWertStatus(i++, v);
    return r;
}

std::vector<double> Spalte(const CDatentabelle& t, int spalte)
{
    std::vector<double> werte;
    for (int z = 0; z < t.GetAnzahlZeilen(); ++z) {
        double v;
        werte.push_back(t.GetWert(z, spalte, &v) ? v : kFehlt);
    }
    return werte;
}

TEST(Datenreihe, WachsenFehlendeWerteUndKennzahlen)
{
    CDatenreihe r;
    double v = -1;
    EXPECT_EQ(r.GetMittelwert(&v), 1);
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(r.SetWert(4, 2.5, 1), 0);
    EXPECT_EQ(r.GetWert(3, &v), 0);
    EXPECT_EQ(r.GetMittelwert(), 2.5); // over the one value present
    EXPECT_EQ(r.SetWert(-1, 1.0, 1), -1);
    r.SetAnzahl(2);
    r.SetAnzahl(10);
    EXPECT_EQ(r.GetWert(4, &v), 0); // dropped by the shrink
    EXPECT_EQ(r.SetAnzahl(-3), -1);

    // Status 2 and 3 scale by the first and second factor; 0 is missing.
    r.SetWert(0, 2.0, 1);
    r.SetWert(1, 3.0, 2);
    r.SetWert(2, 4.0, 3);
    r.SetWert(3, 100.0, 0);
    r.SetFaktor1(10.0);
    r.SetFaktor2(0.5);
    EXPECT_EQ(r.GetWert(1, &v), 2);
    EXPECT_EQ(v, 30.0);
    EXPECT_EQ(r.GetWert(2, &v), 3);
    EXPECT_EQ(v, 2.0);
    double max, min, spanne;
    EXPECT_EQ(r.GetMinMax(&max, &min, &spanne), 1);
    EXPECT_EQ(std::vector({max, min, spanne}), std::vector({30.0, 2.0, 28.0}));

    CDatenreihe eins = Reihe({7});
    EXPECT_EQ(eins.GetVarianz(&v), 0); // one value has no variance
    eins.SetWertStatus(1, 7.0);
    eins.SetWertStatus(2, 10.0);
    EXPECT_DOUBLE_EQ(eins.GetVarianz(), 3.0);
    EXPECT_EQ(eins.GetMittelwertBereich(&v, 1, 99), 1);
    EXPECT_DOUBLE_EQ(v, 8.5);
    EXPECT_EQ(eins.GetMittelwertBereich(&v, 5, 9), 0);
}

// Overwriting a value inside the column renews the kept mean and variance.
TEST(Datentabelle, UeberschriebenerWertErneuertMittelUndVarianz)
{
    CDatentabelle t = Tabelle({{0}, {2}, {4}});
    EXPECT_EQ(t.GetMittelwert(0), 2.0);
    EXPECT_EQ(t.GetVarianz(0), 4.0);
    t.SetWert(1, 0, 8.0); // 0, 8, 4
    EXPECT_EQ(t.GetMittelwert(0), 4.0);
    EXPECT_EQ(t.GetVarianz(0), 16.0);
}

TEST(Datentabelle, WachsenUndSpalteSetzen)
{
    CDatentabelle t;
    EXPECT_EQ(t.SetWertStatus(3, 2, 1.5, 1), -3); // rows grow first, the columns on the next write
    EXPECT_EQ(t.GetAnzahlZeilen(), 4);
    EXPECT_EQ(t.GetAnzahlSpalten(), 0);
    EXPECT_EQ(t.SetWertStatus(3, 2, 1.5, 1), 0);
    EXPECT_EQ(t.GetWertDouble(3, 2), 1.5);
    EXPECT_EQ(t.SetWertStatus(-1, 0, 2.0, 1), -2);

    CDatenreihe quelle;
    quelle.SetWert(0, 1.0, 1);
    quelle.SetWert(2, 3.0, 1);
    quelle.SetWert(5, 1.0, 1);
    EXPECT_EQ(t.SetSpalte(3, &quelle), 0);
    EXPECT_EQ(t.GetAnzahlZeilen(), 6);
    EXPECT_EQ(t.GetAnzahlSpalten(), 4);
    EXPECT_EQ(Spalte(t, 3), (std::vector<double>{1, kFehlt, 3, kFehlt, kFehlt, 1}));
    EXPECT_EQ(t.GetWerteListe(3), 2);
    EXPECT_DOUBLE_EQ(t.GetMittelwert(3), 5.0 / 3.0);
}

TEST(Datentabelle, SortierenUndGruppieren)
{
    CDatentabelle t = Tabelle({{3, 0}, {kFehlt, 10}, {1, 20}, {2, 30}});
    t.SortiereNachSpalte(0);
    EXPECT_EQ(Spalte(t, 0), (std::vector<double>{1, 2, 3, kFehlt}));
    EXPECT_EQ(Spalte(t, 1), (std::vector<double>{20, 30, 0, 10}));

    // The last key of the list is the most significant.
    CDatentabelle s = Tabelle({{2, 1}, {1, 2}, {1, 1}, {2, 2}});
    s.SortiereNachSchluesseln({0, 1, 9});
    EXPECT_EQ(Spalte(s, 0), (std::vector<double>{1, 2, 1, 2}));
    EXPECT_EQ(Spalte(s, 1), (std::vector<double>{1, 1, 2, 2}));

    CDatentabelle g = Tabelle({{2, 1, 30}, {1, 1, 10}, {1, 2, 50}, {1, 1, 20}});
    CDatentabelle ziel;
    EXPECT_EQ(g.Gruppiere(ziel, {0, 1}), 0);
    EXPECT_EQ(Spalte(ziel, 0), (std::vector<double>{1, 2, 1}));
    EXPECT_EQ(Spalte(ziel, 1), (std::vector<double>{1, 1, 2}));
    EXPECT_EQ(Spalte(ziel, 2), (std::vector<double>{15, 30, 50}));
    // Means per (x, y) first, then averaged again per x.
    EXPECT_EQ(g.Gruppiere(ziel, {0}, {1, 7}), -2);
    EXPECT_EQ(Spalte(ziel, 1), (std::vector<double>{1.5, 1}));
    EXPECT_EQ(Spalte(ziel, 2), (std::vector<double>{32.5, 30}));
    EXPECT_EQ(g.Gruppiere(g, {0}), 0); // into itself
    EXPECT_EQ(Spalte(g, 2), (std::vector<double>{80.0 / 3.0, 30}));
}

// Keys that are not whole numbers, and whole ones too far apart for one
// pass of the sort: stable, -0.0 and +0.0 alike, not a number after the
// numbers, missing last.
TEST(Datentabelle, SortierenNachGebrochenenUndWeitenSchluesseln)
{
    CDatentabelle t = Tabelle({{0.5, 1}, {-0.25, 2}, {NAN, 3}, {0.5, 4}, {kFehlt, 5}, {-0.0, 6}, {0.0, 7}, {-0.25, 8}});
    t.SortiereNachSpalte(0);
    EXPECT_EQ(Spalte(t, 1), (std::vector<double>{2, 8, 6, 7, 1, 4, 3, 5}));

    constexpr double w = 524287; // 20 bits a key
    CDatentabelle weit = Tabelle({{1, 0, w, 1}, {w, 2, 0, 2}, {0, w, 0, 3}, {0, 2, 0, 4}, {2, 0, w, 5}});
    weit.SortiereNachSchluesseln({0, 1, 2});
    EXPECT_EQ(Spalte(weit, 3), (std::vector<double>{4, 2, 3, 1, 5}));
}

// Means are exact to the sign of zero: a group whose sum underflows keeps
// -0.0, a row alone in its group comes out as 0.0 + v. Grouping the grouping
// by the same columns again, with a column averaged away, gives the same bits.
TEST(Datentabelle, GruppierenBitgenau)
{
    const double winzig = -4.9e-324;
    const CDatentabelle t = Tabelle({{0, 0, winzig, 0},
                                     {0, 0, 0, 0},
                                     {0, 0, 0, 0},
                                     {0, 1, -0.0, 0},
                                     {1, 0, 2, 0},
                                     {1, 0, 4, 0},
                                     {1, 1, -0.0, 0}});
    CDatentabelle g, h;
    t.Gruppiere(g, {0, 1, 3});
    ASSERT_EQ(Spalte(g, 2), (std::vector<double>{0, 3, 0, 0}));
    EXPECT_TRUE(std::signbit(g.GetWertDouble(0, 2)));
    g.Gruppiere(h, {1, 0});
    for (int z = 0; z < 4; ++z)
        EXPECT_FALSE(std::signbit(h.GetWertDouble(z, 2))) << z;

    auto bits = [](const CDatentabelle& x) {
        std::vector<uint64_t> b;
        for (int s = 0; s < x.GetAnzahlSpalten(); ++s)
            for (int z = 0; z < x.GetAnzahlZeilen(); ++z) {
                double v;
                b.push_back(uint64_t(x.GetWert(z, s, &v)) << 62 ^ std::bit_cast<uint64_t>(v));
            }
        return b;
    };
    const std::pair<std::vector<int>, std::vector<int>> faelle[] = {{{0}, {1, 3}}, {{1}, {0, 3}}, {{3, 0}, {1}}};
    for (const auto& [k1, k2] : faelle) {
        CDatentabelle a, b;
        t.Gruppiere(a, k1, k2);
        g.Gruppiere(b, k1, k2);
        EXPECT_EQ(bits(a), bits(b));
    }
}

TEST(Statistik, MischenUndRotieren)
{
    CDWordArray a{1, 2, 3, 4, 5, 6, 7, 8}, b = a;
    EXPECT_EQ(MischeBereich(a, 77, 2, 99), 0); // the end clamped to the last element
    MischeBereich(b, 77, 2, 7);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a[1], 2u);
    EXPECT_TRUE(std::is_permutation(a.begin(), a.end(), CDWordArray{1, 2, 3, 4, 5, 6, 7, 8}.begin()));
    CDWordArray leer, gross(40000);
    EXPECT_EQ(Mische(leer), 1);
    EXPECT_EQ(MischeBereich(gross, 1, 0, 39999), 2);

    struct Fall {
        int von, bis, schritte, code;
        CDWordArray erwartet;
    };
    const Fall faelle[] = {{0, 5, 2, 0, {5, 6, 1, 2, 3, 4}},
                           {0, 99, -1, 0, {2, 3, 4, 5, 6, 1}},
                           {1, 3, 1, 0, {1, 4, 2, 3, 5, 6}},
                           {4, 2, 1, 1, {1, 2, 3, 4, 5, 6}}};
    for (const Fall& f : faelle) {
        CDWordArray r{1, 2, 3, 4, 5, 6};
        EXPECT_EQ(RotiereArray(r, f.von, f.bis, f.schritte), f.code);
        EXPECT_EQ(r, f.erwartet) << f.von << " " << f.bis << " " << f.schritte;
    }
    EXPECT_EQ(RotiereArray(leer, 0, 0, 1), 1);
}

TEST(Statistik, LineareRegression)
{
    double a = -1, b = -1;
    CDatenreihe x = Reihe({1, 2, 3}), y = Reihe({2, 4, 6}), gleich = Reihe({5, 5, 5});
    EXPECT_EQ(LineareRegression(&x, &y, &a, &b), 0);
    EXPECT_NEAR(a, 0.0, 1e-12);
    EXPECT_NEAR(b, 2.0, 1e-12);
    EXPECT_EQ(LineareRegression(&gleich, &y, &a, &b), 0);
    EXPECT_EQ(b, 0.0);
    EXPECT_DOUBLE_EQ(a, 4.0);
    // Equal values without an exact binary form are as flat: seven times
    // 1,116 once gave a slope of 2.
    CDatenreihe gleichGebrochen = Reihe({1.116, 1.116, 1.116, 1.116, 1.116, 1.116, 1.116}),
                streuung = Reihe({0, 12, 6, 13, 0, 16, 7});
    EXPECT_EQ(LineareRegression(&gleichGebrochen, &streuung, &a, &b), 0);
    EXPECT_EQ(b, 0.0);
    EXPECT_DOUBLE_EQ(a, 54.0 / 7.0);

    CDatenreihe luecke1, luecke2;
    luecke1.SetWertStatus(0, 1.0);
    luecke2.SetWertStatus(1, 1.0);
    EXPECT_EQ(LineareRegression(&luecke1, &luecke2, &a, &b), -2);
    // One common pair is enough: a flat line through it.
    luecke2.SetWertStatus(0, 7.0);
    EXPECT_EQ(LineareRegression(&luecke1, &luecke2, &a, &b), 0);
    EXPECT_EQ(a, 7.0);
    EXPECT_EQ(b, 0.0);
}

TEST(Statistik, RundenNormalverteilungUndProbitAnalyse)
{
    EXPECT_NEAR(Runde(2.345, 2), 2.35, 1e-12);
    EXPECT_DOUBLE_EQ(Runde(-1.25, 1), -1.2);
    EXPECT_DOUBLE_EQ(Runde(-2.5, -3), -2.0);
    EXPECT_NEAR(Verteilungsfunktion(-1.0), 0.158655, 1e-4);
    EXPECT_EQ(InverseVerteilungsfunktion(0.0), -10.0);
    EXPECT_EQ(InverseVerteilungsfunktion(1.0), 10.0);

    double mitte, steigung, dritter;
    CDatenreihe reize = Reihe({3, 1, 2}), anteile = Reihe({0.84, 0.16, 0.5});
    EXPECT_EQ(ProbitAnalyseGewichtet(&reize, &anteile, &mitte, &steigung, &dritter), 0);
    EXPECT_NEAR(mitte, 2.0, 1e-9);
    EXPECT_NEAR(steigung, 1.0, 0.01); // one stimulus unit per probit

    CDatenreihe eins = Reihe({4}), gleich = Reihe({2, 2, 2});
    EXPECT_EQ(ProbitAnalyseGewichtet(&eins, &anteile, &mitte, &steigung, &dritter), -2);
    EXPECT_EQ(mitte, 4.0);
    EXPECT_EQ(ProbitAnalyseGewichtet(&gleich, &anteile, &mitte, &steigung, &dritter), -3);
    EXPECT_EQ(mitte, 2.0);

    // A missing proportion takes the mean of the others.
    CDatenreihe teil, geordnet = Reihe({1, 2, 3});
    teil.SetWertStatus(0, 0.16);
    teil.SetWertStatus(2, 0.84);
    EXPECT_EQ(ProbitAnalyseGewichtet(&geordnet, &teil, &mitte, &steigung, &dritter), 1);
    EXPECT_NEAR(mitte, 2.0, 1e-9);
}

} // namespace
