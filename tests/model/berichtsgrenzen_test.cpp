// Reports read from a damaged file hold what a run can leave in them: counts
// within the presses or answers of a run, rectangles and points on the
// display and laid out as the renderers lay them out.
#include <gtest/gtest.h>

#include <cstring>

#include "support/gespeichert.h"

#include "model/aufgabenbits.h"
#include "model/testbericht.h"
#include "model/trainingsbericht.h"
#include "platform/archiv.h"

namespace {

void Setze(std::vector<uint8_t>& b, size_t pos, uint32_t wort) { std::memcpy(&b.at(pos), &wort, 4); }

void SetzeRechteck(std::vector<uint8_t>& b, size_t pos, RECT r)
{
    for (LONG v : {r.left, r.top, r.right, r.bottom}) {
        Setze(b, pos, static_cast<uint32_t>(v));
        pos += 4;
    }
}

// Loads the bytes and checks that what loaded stores what loads again to the
// same bytes.
template <class TBericht>
void Laden(TBericht& b, const std::vector<uint8_t>& bytes)
{
    CArchive ein(bytes);
    b.Serialize(ein);
    const std::vector<uint8_t> gespeichert = Gespeichert(b);
    CArchive wieder(gespeichert);
    TBericht zweiter;
    zweiter.Serialize(wieder);
    EXPECT_EQ(Gespeichert(zweiter), gespeichert);
}

void ErwarteRechteck(RECT r, RECT soll)
{
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}),
              (std::vector<LONG>{soll.left, soll.top, soll.right, soll.bottom}));
}

} // namespace

TEST(Berichtsgrenzen, TrainingsberichtZaehltHoechstensDieTastendrueckeEinesLaufs)
{
    CTrainingsBericht b;
    b.SetAnzahlReize(3);
    std::vector<uint8_t> bytes = Gespeichert(b);
    // Record: position span at 40, grid at 56, background counts at 64;
    // stimuli from 84, 44 bytes each: point, rectangle, counter 1, mark,
    // counters 2 and 3, time.
    SetzeRechteck(bytes, 40, RECT{-1, 20000, 5, 7});
    Setze(bytes, 56, static_cast<uint32_t>(-3));
    Setze(bytes, 60, 20000);
    Setze(bytes, 64, 3);
    Setze(bytes, 68, 0x7FFFFFFF);
    Setze(bytes, 84, static_cast<uint32_t>(-5));
    Setze(bytes, 88, 0x7FFFFFFF);
    SetzeRechteck(bytes, 92, RECT{300, 200, 100, LONG(0x80000000)});
    Setze(bytes, 84 + 24, 0x80000000);
    Setze(bytes, 84 + 44 + 24, 5);
    Setze(bytes, 84 + 88 + 28, 9);
    Setze(bytes, 84 + 88 + 32, 0xFFFFFFFF);
    Setze(bytes, 84 + 88 + 36, 7);

    CTrainingsBericht gelesen;
    Laden(gelesen, bytes);
    // The reaction key's presses of the run: the first stimulus takes them all.
    EXPECT_EQ(gelesen.GetZaehler1(0), 86'400'000u);
    EXPECT_EQ(gelesen.GetZaehler1(1), 0u);
    EXPECT_EQ(gelesen.SummeZaehler1(), 86'400'000);
    EXPECT_EQ(gelesen.GetZaehler2(2), 86'400'000u);
    EXPECT_EQ(gelesen.GetZaehler3(2), 7u);
    EXPECT_EQ(gelesen.GetMarke(2), 1u);
    // Correct reactions and false alarms are presses of the one background key.
    EXPECT_EQ(gelesen.GetKorrekteReaktionen(), 3);
    EXPECT_EQ(gelesen.GetFalscheAlarme(), 86'399'997);
    EXPECT_EQ(gelesen.GetPunkt(0).x, 0);
    EXPECT_EQ(gelesen.GetPunkt(0).y, 16384);
    ErwarteRechteck(gelesen.GetRechteck(0), RECT{300, 200, 300, 200});
    ErwarteRechteck(gelesen.m_rcPositionen, RECT{0, 16384, 5, 7});
    EXPECT_EQ(gelesen.m_nRasterSpalten, 0);
    EXPECT_EQ(gelesen.m_nRasterZeilen, 10000);
}

// Line bisection: the vertical line stands on the horizontal one, and the
// horizontal one crosses the vertical one; each of them as the run ended and
// as it began.
TEST(Berichtsgrenzen, TestberichtMitDerMarkeAufIhrerLinie)
{
    CTestBericht b;
    b.m_dwTestFlags = aufgabe::LINIEN | aufgabe::EINSTELLUNG | aufgabe::HORIZONTAL | aufgabe::VERTIKAL;
    b.SetAnzahlReize(1);
    b.SetAnzahlDurchgaenge(1);
    b.SetRechteck1(0, RECT{100, 300, 500, 304});
    b.SetRechteck2(0, RECT{900, 100, 904, 500});
    b.SetRechteck3(0, RECT{100, 700, 500, 704});
    b.SetRechteck4(0, RECT{-2'000'000'000, 100, 4, 500});
    CTestBericht gelesen;
    Laden(gelesen, Gespeichert(b));
    ErwarteRechteck(gelesen.GetRechteck1(0), RECT{100, 300, 500, 304});
    ErwarteRechteck(gelesen.GetRechteck2(0), RECT{500, 100, 504, 500});
    ErwarteRechteck(gelesen.GetRechteck3(0), RECT{100, 500, 500, 504});
    ErwarteRechteck(gelesen.GetRechteck4(0), RECT{96, 100, 100, 500});

    // A line that lies above the other is moved down onto it.
    b.SetRechteck1(0, RECT{100, 20, 500, 24});
    b.SetRechteck2(0, RECT{300, 100, 304, 500});
    Laden(gelesen, Gespeichert(b));
    ErwarteRechteck(gelesen.GetRechteck1(0), RECT{100, 96, 500, 100});
    ErwarteRechteck(gelesen.GetRechteck2(0), RECT{300, 100, 304, 500});
}

// Length estimation: the test bar half to one and a half times as wide as the
// example, at least half as high, give or take the rounding to pixels.
TEST(Berichtsgrenzen, TestberichtMitDemBalkenInSeinemBereich)
{
    CTestBericht b;
    b.m_dwTestFlags = aufgabe::LAENGEN | aufgabe::EINSTELLUNG | aufgabe::HORIZONTAL | aufgabe::VERTIKAL;
    b.SetAnzahlReize(2);
    b.SetAnzahlDurchgaenge(2);
    for (int i = 0; i < 2; ++i) {
        b.SetRechteck1(i, RECT{100, 100, 200, 150});
        b.SetRechteck3(i, RECT{100, 100, 200, 150});
    }
    b.SetRechteck2(0, RECT{600, 100, 5600, 110});
    b.SetRechteck4(0, RECT{600, 100, 751, 5000});
    b.SetRechteck2(1, RECT{16380, 16380, 16384, 16384});
    b.SetRechteck4(1, RECT{700, 100, 749, 124});
    CTestBericht gelesen;
    Laden(gelesen, Gespeichert(b));
    ErwarteRechteck(gelesen.GetRechteck2(0), RECT{600, 100, 752, 124});
    ErwarteRechteck(gelesen.GetRechteck4(0), RECT{600, 100, 751, 5000}); // within, kept
    ErwarteRechteck(gelesen.GetRechteck2(1), RECT{16335, 16360, 16384, 16384});
    ErwarteRechteck(gelesen.GetRechteck4(1), RECT{700, 100, 749, 124});
    ErwarteRechteck(gelesen.GetRechteck3(1), RECT{100, 100, 200, 150});
}

// Each trial answers each pair of keys once; the background key's presses
// bound both background counts.
TEST(Berichtsgrenzen, TestberichtZaehltHoechstensEineAntwortJeDurchgang)
{
    CTestBericht b;
    b.m_dwTestFlags = aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL;
    b.SetAnzahlReize(2);
    b.SetAnzahlDurchgaenge(3);
    std::vector<uint8_t> bytes = Gespeichert(b);
    Setze(bytes, 56, 0x7FFFFFFF); // correct reactions
    Setze(bytes, 60, 0x7FFFFFFF); // false alarms
    // Stimuli from 80, 84 bytes each: four rectangles, then counters 1 to 4.
    const uint32_t zaehler[2][4] = {{2, 0, 4, 0}, {5, 1, 0, 0xFFFFFFFF}};
    for (int i = 0; i < 2; ++i)
        for (int k = 0; k < 4; ++k)
            Setze(bytes, 80 + 84 * i + 64 + 4 * k, zaehler[i][k]);
    CTestBericht gelesen;
    Laden(gelesen, bytes);
    EXPECT_EQ(gelesen.GetKorrekteReaktionen(), 86'400'000);
    EXPECT_EQ(gelesen.GetFalscheAlarme(), 0);
    EXPECT_EQ((std::vector<uint32_t>{gelesen.GetZaehler1(0), gelesen.GetZaehler2(0), gelesen.GetZaehler3(0),
                                     gelesen.GetZaehler4(0), gelesen.GetZaehler1(1), gelesen.GetZaehler2(1),
                                     gelesen.GetZaehler3(1), gelesen.GetZaehler4(1)}),
              (std::vector<uint32_t>{2, 0, 3, 0, 1, 0, 0, 0}));
}
