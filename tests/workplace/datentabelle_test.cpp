#include <gtest/gtest.h>

#include "workplace/datentabelle.h"

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

    CDatenreihe eins;
    eins.SetWertStatus(0, 7.0);
    EXPECT_EQ(eins.GetVarianz(&v), 0);
    eins.SetWertStatus(1, 7.0);
    EXPECT_EQ(eins.GetVarianz(&v), 1);
    EXPECT_EQ(v, 0.0);
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

TEST(Datentabelle, WachsenKopierenUndZuweisen)
{
    CDatentabelle t;
    EXPECT_EQ(t.SetWertStatus(3, 2, 1.5, 1), -3); // rows grow first, the columns on the next write
    EXPECT_EQ(t.GetAnzahlZeilen(), 4);
    EXPECT_EQ(t.GetAnzahlSpalten(), 0);
    EXPECT_EQ(t.SetWertStatus(3, 2, 1.5, 1), 0);
    EXPECT_EQ(t.GetSpalte(0)->GetAnzahl(), 4);
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

    CDatentabelle kopie;
    kopie = t;
    EXPECT_EQ(Spalte(kopie, 3), Spalte(t, 3));
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

} // namespace
