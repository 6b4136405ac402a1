#include <gtest/gtest.h>

#include <tuple>

#include "workplace/modusliste.h"

namespace {

struct Anfrage {
    uint32_t b, h, t, f;
};

// The best mode for a wish, written over the wish; its index in *index.
Anfrage Bester(const CModusListe& l, Anfrage a, int* index)
{
    *index = l.BestenSuchen(a.b, a.h, a.t, a.f);
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

// The nearest rate not above the wish (the highest for none or too high),
// then the nearest width: below 800 with nothing as wide the last mode, from
// 800 with every width larger the first.
TEST(Modusliste, BesterModus)
{
    CModusListe raten, breiten, klein, gross, leer;
    for (uint32_t f : {60u, 70u, 75u, 85u})
        raten.Hinzufuegen(1024, 768, 8, f);
    for (uint32_t b : {640u, 800u, 1024u})
        for (uint32_t f : {60u, 75u})
            breiten.Hinzufuegen(b, b * 3 / 4, 8, f);
    for (uint32_t b : {640u, 700u})
        klein.Hinzufuegen(b, b * 3 / 4, 8, 60);
    gross.Hinzufuegen(1280, 1024, 8, 60);
    gross.Hinzufuegen(1600, 1200, 8, 60);
    CModusListe zwei;
    zwei.Hinzufuegen(1024, 768, 8, 70);
    zwei.Hinzufuegen(1024, 768, 8, 74);
    struct Fall {
        const CModusListe* liste;
        Anfrage anfrage, erwartet;
        int index;
    };
    const Fall faelle[] = {
        {&raten, {1024, 768, 8, 100}, {1024, 768, 8, 85}, 3}, {&raten, {1024, 768, 8, 0}, {1024, 768, 8, 85}, 3},
        {&raten, {1024, 768, 8, 75}, {1024, 768, 8, 75}, 2},  {&zwei, {1024, 768, 8, 72}, {1024, 768, 8, 70}, 0},
        {&breiten, {700, 500, 8, 60}, {800, 600, 8, 60}, 2},  {&breiten, {1100, 800, 8, 0}, {1024, 768, 8, 75}, 5},
        {&klein, {760, 560, 8, 60}, {700, 525, 8, 60}, 1},    {&gross, {1024, 768, 8, 60}, {1280, 1024, 8, 60}, 0},
        {&leer, {1024, 768, 8, 75}, {1024, 768, 8, 75}, -1},
    };
    for (const Fall& f : faelle) {
        int i = 0;
        const Anfrage a = Bester(*f.liste, f.anfrage, &i);
        EXPECT_EQ(i, f.index) << f.anfrage.b << " " << f.anfrage.f;
        EXPECT_EQ(std::tie(a.b, a.h, a.t, a.f), std::tie(f.erwartet.b, f.erwartet.h, f.erwartet.t, f.erwartet.f))
            << f.anfrage.b << " " << f.anfrage.f;
    }
}
