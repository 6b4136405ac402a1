#include <gtest/gtest.h>

#include <array>

#include "workplace/modusliste.h"

namespace {

using Modus = std::array<uint32_t, 4>; // width, height, depth, rate

Modus Bei(const CModusListe& l, int i) { return {l.GetBreite(i), l.GetHoehe(i), l.GetFarbtiefe(i), l.GetFrequenz(i)}; }

} // namespace

TEST(Modusliste, HinzufuegenOrdnetUndVerweigertDoppelte)
{
    CModusListe l;
    EXPECT_EQ(l.Hinzufuegen(1024, 768, 8, 75), 0);
    EXPECT_EQ(l.Hinzufuegen(1024, 768, 8, 75), 1);
    l.Hinzufuegen(1024, 768, 0, 85);
    l.Hinzufuegen(1024, 768, 8, 60);
    l.Hinzufuegen(800, 600, 8, 75);
    EXPECT_EQ(l.ModusHinzufuegen(1024, 768, 16, 75), 2);
    // Width first, then height, depth and rate: 0-bit modes before 8-bit ones.
    const Modus erwartet[] = {{800, 600, 8, 75}, {1024, 768, 0, 85}, {1024, 768, 8, 60}, {1024, 768, 8, 75}};
    ASSERT_EQ(l.GetAnzahl(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Bei(l, i), erwartet[i]) << i;
    EXPECT_EQ(l.Suchen(1024, 768, 8, 60), 2);
    EXPECT_EQ(l.Suchen3(1024, 768, 8), 2);
    EXPECT_EQ(l.Suchen(1024, 768, 8, 70), -1);
}

// The nearest rate not above the wish (the highest for none or too high),
// then the nearest width: below 800 with nothing as wide the last mode, from
// 800 with every width larger the first.
TEST(Modusliste, BesterModus)
{
    CModusListe raten, breiten, klein, gross, zwei, leer;
    for (uint32_t f : {60u, 70u, 75u, 85u})
        raten.Hinzufuegen(1024, 768, 8, f);
    for (uint32_t b : {640u, 800u, 1024u})
        for (uint32_t f : {60u, 75u})
            breiten.Hinzufuegen(b, b * 3 / 4, 8, f);
    for (uint32_t b : {640u, 700u})
        klein.Hinzufuegen(b, b * 3 / 4, 8, 60);
    gross.Hinzufuegen(1280, 1024, 8, 60);
    gross.Hinzufuegen(1600, 1200, 8, 60);
    zwei.Hinzufuegen(1024, 768, 8, 70);
    zwei.Hinzufuegen(1024, 768, 8, 74);
    struct Fall {
        const CModusListe* liste;
        Modus anfrage, erwartet;
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
        Modus a = f.anfrage;
        EXPECT_EQ(f.liste->BestenSuchen(a[0], a[1], a[2], a[3]), f.index) << f.anfrage[0] << " " << f.anfrage[3];
        EXPECT_EQ(a, f.erwartet) << f.anfrage[0] << " " << f.anfrage[3];
    }
}
