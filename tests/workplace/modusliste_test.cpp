#include <gtest/gtest.h>

#include "workplace/modusliste.h"

namespace {

struct Anfrage {
    uint32_t b, h, t, f;
};

Anfrage Bester(const CModusListe& l, Anfrage a, int* index = nullptr)
{
    int i = l.BestenSuchen(a.b, a.h, a.t, a.f);
    if (index)
        *index = i;
    return a;
}

} // namespace

TEST(Modusliste, HinzufuegenOrdnetUndVerweigertDoppelte)
{
    CModusListe l;
    EXPECT_EQ(l.Hinzufuegen(1024, 768, 8, 75), 0);
    EXPECT_EQ(l.Hinzufuegen(1024, 768, 8, 75), 1);
    EXPECT_EQ(l.GetAnzahl(), 1);
    l.Hinzufuegen(1024, 768, 0, 85);
    l.Hinzufuegen(1024, 768, 8, 60);
    l.Hinzufuegen(800, 600, 8, 75);
    EXPECT_EQ(l.ModusHinzufuegen(1024, 768, 16, 75), 2);
    EXPECT_EQ(l.GetAnzahl(), 4);
    // Width first, then height, depth and rate: 0-bit modes before 8-bit ones.
    const uint32_t erwartet[4][4] = {{800, 600, 8, 75}, {1024, 768, 0, 85}, {1024, 768, 8, 60}, {1024, 768, 8, 75}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(l.GetBreite(i), erwartet[i][0]);
        EXPECT_EQ(l.GetHoehe(i), erwartet[i][1]);
        EXPECT_EQ(l.GetFarbtiefe(i), erwartet[i][2]);
        EXPECT_EQ(l.GetFrequenz(i), erwartet[i][3]);
    }
    EXPECT_EQ(l.Suchen(1024, 768, 8, 60), 2);
    EXPECT_EQ(l.Suchen3(1024, 768, 8), 2);
    EXPECT_EQ(l.Suchen(1024, 768, 8, 70), -1);
    l.Leeren();
    EXPECT_EQ(l.GetAnzahl(), 0);
}

TEST(Modusliste, BesteFrequenz)
{
    CModusListe l;
    for (uint32_t f : {60u, 70u, 75u, 85u})
        l.Hinzufuegen(1024, 768, 8, f);
    EXPECT_EQ(Bester(l, {1024, 768, 8, 100}).f, 85u);
    EXPECT_EQ(Bester(l, {1024, 768, 8, 0}).f, 85u);
    int i = 0;
    EXPECT_EQ(Bester(l, {1024, 768, 8, 75}, &i).f, 75u);
    EXPECT_EQ(i, 2);

    CModusListe g;
    g.Hinzufuegen(1024, 768, 8, 70);
    g.Hinzufuegen(1024, 768, 8, 74);
    EXPECT_EQ(Bester(g, {1024, 768, 8, 72}).f, 70u);

    CModusListe leer;
    Anfrage a = Bester(leer, {1024, 768, 8, 75}, &i);
    EXPECT_EQ(i, -1);
    EXPECT_EQ(a.b, 1024u);
}

TEST(Modusliste, BesteBreite)
{
    CModusListe l;
    for (uint32_t b : {640u, 800u, 1024u}) {
        l.Hinzufuegen(b, b * 3 / 4, 8, 60);
        l.Hinzufuegen(b, b * 3 / 4, 8, 75);
    }
    Anfrage a = Bester(l, {700, 500, 8, 60});
    EXPECT_EQ(a.b, 800u);
    EXPECT_EQ(a.f, 60u);
    a = Bester(l, {1100, 800, 8, 0});
    EXPECT_EQ(a.b, 1024u);
    EXPECT_EQ(a.f, 75u);
    // Below 800 with nothing as wide: the last mode of the list.
    CModusListe k;
    k.Hinzufuegen(640, 480, 8, 60);
    k.Hinzufuegen(700, 500, 8, 60);
    a = Bester(k, {760, 560, 8, 60});
    EXPECT_EQ(a.b, 700u);
    // 800 or more with every width larger: the first mode.
    CModusListe gross;
    gross.Hinzufuegen(1280, 1024, 8, 60);
    gross.Hinzufuegen(1600, 1200, 8, 60);
    EXPECT_EQ(Bester(gross, {1024, 768, 8, 60}).b, 1280u);
}
