#include <gtest/gtest.h>

#include "workplace/datentabelle.h"
#include "workplace/statistik.h"

namespace {

CDatenreihe Reihe(std::initializer_list<double> werte)
{
    CDatenreihe r;
    int i = 0;
    for (double v : werte)
        r.SetWertStatus(i++, v);
    return r;
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

TEST(Statistik, RundenUndNormalverteilung)
{
    EXPECT_NEAR(Runde(2.345, 2), 2.35, 1e-12);
    EXPECT_DOUBLE_EQ(Runde(-1.25, 1), -1.2);
    EXPECT_DOUBLE_EQ(Runde(-2.5, -3), -2.0);
    EXPECT_EQ(Verteilungsfunktion(0.0), 0.5);
    EXPECT_NEAR(Verteilungsfunktion(-1.0), 0.158655, 1e-4);
    EXPECT_NEAR(InverseVerteilungsfunktion(0.975), 1.96, 1e-3);
    EXPECT_EQ(InverseVerteilungsfunktion(0.0), -10.0);
    EXPECT_EQ(InverseVerteilungsfunktion(1.0), 10.0);
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

TEST(Statistik, ProbitAnalyse)
{
    double mitte, steigung, dritter;
    CDatenreihe reize = Reihe({3, 1, 2}), anteile = Reihe({0.84, 0.16, 0.5});
    EXPECT_EQ(ProbitAnalyseGewichtet(&reize, &anteile, &mitte, &steigung, &dritter), 0);
    EXPECT_NEAR(mitte, 2.0, 1e-9);
    EXPECT_NEAR(steigung, 1.0, 0.01); // one stimulus unit per probit
    EXPECT_EQ(dritter, 0.0);

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
