#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

#include "support/gespeichert.h"

#include "model/testbericht.h"
#include "model/trainingsbericht.h"
#include "platform/archiv.h"

namespace {

// The stored bytes, checked for size and that they read back the same.
template <class TBericht>
std::vector<uint8_t> Rundreise(TBericht& b, size_t groesse)
{
    const auto bytes = Gespeichert(b);
    EXPECT_EQ(bytes.size(), groesse);
    CArchive ein(bytes);
    TBericht gelesen;
    gelesen.Serialize(ein);
    EXPECT_EQ(ein.GetRest(), 0u);
    EXPECT_EQ(Gespeichert(gelesen), bytes);
    return bytes;
}

uint32_t Wort(const std::vector<uint8_t>& b, size_t pos)
{
    return uint32_t(b.at(pos)) | uint32_t(b.at(pos + 1)) << 8 | uint32_t(b.at(pos + 2)) << 16 |
           uint32_t(b.at(pos + 3)) << 24;
}

} // namespace

TEST(CTestBericht, DurchgaengeIndizesUndReizanzahl)
{
    CTestBericht b;
    b.SetAnzahlReize(5);
    b.SetAnzahlDurchgaenge(3);
    EXPECT_EQ(b.SetDurchgang(1, 9), 1);
    EXPECT_EQ(b.GetDurchgang(1), 4);
    EXPECT_EQ(b.SetDurchgang(3, 0), 2);
    b.SetDurchgang(2, 2);
    b.m_nAuswertung = 4;
    b.m_nDiagramm = 2;
    EXPECT_EQ(b.IncZaehler3(5), 1); // a bad index still marks the change
    EXPECT_EQ(b.m_nAuswertung, 0);
    EXPECT_EQ(b.m_nDiagramm, -1);

    // Fewer stimuli reset the trials that showed a dropped one.
    EXPECT_EQ(b.SetAnzahlReize(3), 2);
    EXPECT_EQ(b.GetDurchgang(1), 0);
    EXPECT_EQ(b.GetDurchgang(2), 2);
    EXPECT_EQ(b.SetAnzahlReize(-1), 2); // every entry lies at or above 0
    EXPECT_EQ(b.GetAnzahlReize(), 0);
}

TEST(CTestBericht, GespeicherterDatensatz)
{
    CTestBericht b;
    b.m_nTestart = 20;
    b.m_rcRechteck = RECT{1, 2, 3, 4};
    b.m_dLaufzeit = 12.5;
    b.SetAnzahlReize(2);
    b.SetAnzahlDurchgaenge(4);
    b.SetDurchgang(0, 1);
    b.SetDurchgang(3, 1);
    b.SetRechteck1(1, RECT{10, 11, 12, 13});
    b.SetRechteck2(1, RECT{20, 21, 22, 23});
    b.SetRechteck3(1, RECT{30, 31, 32, 33});
    b.SetRechteck4(1, RECT{40, 41, 42, 43});
    b.IncZaehler2(0);
    b.IncZaehler4(1);
    b.SetZeit(1, 1500);
    b.IncFalscheAlarme();
    b.AddDauer(0x100000005LL);
    EXPECT_EQ(Wort(Gespeichert(b), 64), 1u); // high word
    EXPECT_EQ(Wort(Gespeichert(b), 68), 5u); // low word
    b.AddDauer(-0x100000005LL + 86'400'000);
    const auto bytes = Rundreise(b, CTestBericht::GespeicherteGroesse(2, 4));
    // Stimulus 1 starts at 80 + 84: rectangles 1, 3, 2, 4.
    EXPECT_EQ(Wort(bytes, 164), 10u);
    EXPECT_EQ(Wort(bytes, 164 + 16), 30u);
    EXPECT_EQ(Wort(bytes, 164 + 32), 20u);
    EXPECT_EQ(Wort(bytes, 164 + 48), 40u);
}

TEST(TrainingsBerichtTest, GespeicherterBericht)
{
    CTrainingsBericht b;
    Rundreise(b, 84);
    b.SetAnzahlReize(36);
    b.AddDauer(0x100000005ull);
    EXPECT_EQ(Wort(Gespeichert(b), 72), 1u); // background reaction time: upper word
    EXPECT_EQ(Wort(Gespeichert(b), 76), 5u); // lower word
    b.AddDauer(86'400'000 - 0x100000005ull);
    b.m_rcPositionen = RECT{1, 2, 3, 4};
    b.SetRechteck(35, 10, 20, 30, 40);
    b.SetPunkt(35, 5, 6);
    b.SetMarke(1);
    EXPECT_EQ(b.SetZeit(0, 4295067296ull), 0); // kept in 32 bits
    b.AddZeit(0, 1000);
    EXPECT_DOUBLE_EQ(b.GetZeitSekunden(0), 101.0);
    Rundreise(b, 1668);

    // Assignment copies the run and always asks for a new evaluation.
    CTrainingsBericht k;
    k.m_nAuswertung = 1;
    k = b;
    EXPECT_EQ(k.GetPunkt(35).y, 6);
    EXPECT_EQ(k.m_nAuswertung, 0);
}

// What a file holds beyond any run is read back within the bounds the
// records give the same quantities: a day for times, the motion's cap for
// speeds; nothing negative that counts or lasts.
template <class TBericht>
void PruefeGelesenBegrenzt(double TBericht::*standard, size_t korrektPos)
{
    struct Fall {
        double laufzeit, tempo, ziel;
        int uhrzeit;
        int64_t reaktionszeit;
        double laufzeitGelesen, tempoGelesen, zielGelesen;
        int uhrzeitGelesen;
        uint64_t reaktionszeitGelesen;
    };
    const Fall faelle[] = {
        {-6e15, 1e308, DBL_MAX, 100000, 5'000'000'000, 0.0, 5.0, 5.0, 86399, 86'400'000},
        {1e308, -DBL_MAX, std::nan(""), -1, 0x100000005, 86400.0, -5.0, 0.0, 0, 86'400'000},
        {HUGE_VAL, -HUGE_VAL, HUGE_VAL, 3600, 1500, 86400.0, -5.0, 5.0, 3600, 1500},
        {std::nan(""), 0.15, -0.3, 0, 0, 0.0, 0.15, -0.3, 0, 0},
    };
    for (const Fall& f : faelle) {
        TBericht b;
        b.SetAnzahlReize(2);
        b.m_dLaufzeit = f.laufzeit;
        b.*standard = f.tempo;
        b.m_dZielGeschwindigkeit = f.ziel;
        b.m_nUhrzeit = f.uhrzeit;
        b.AddDauer(f.reaktionszeit);
        b.SetZeit(1, 0xFFFFFFFFu);
        CArchive ein(Gespeichert(b));
        TBericht gelesen;
        gelesen.Serialize(ein);
        EXPECT_EQ(gelesen.m_dLaufzeit, f.laufzeitGelesen) << f.laufzeit;
        EXPECT_EQ(gelesen.*standard, f.tempoGelesen) << f.tempo;
        EXPECT_EQ(gelesen.m_dZielGeschwindigkeit, f.zielGelesen) << f.ziel;
        EXPECT_EQ(gelesen.m_nUhrzeit, f.uhrzeitGelesen);
        EXPECT_EQ(static_cast<uint64_t>(gelesen.GetHGReaktionszeit()), f.reaktionszeitGelesen);
        EXPECT_EQ(gelesen.GetZeit(1), 86'400'000u);
    }
    // Negative counts of the background task read as none.
    TBericht leer;
    std::vector<uint8_t> bytes = Gespeichert(leer);
    std::memset(&bytes[korrektPos], 0xFF, 8); // correct reactions, false alarms
    CArchive ein(bytes);
    TBericht gelesen;
    gelesen.Serialize(ein);
    EXPECT_EQ(gelesen.GetKorrekteReaktionen(), 0);
    EXPECT_EQ(gelesen.GetFalscheAlarme(), 0);
}

TEST(TrainingsBerichtTest, GelesenWieGemessenBegrenzt)
{
    PruefeGelesenBegrenzt<CTrainingsBericht>(&CTrainingsBericht::m_dStandardGeschwindigkeit, 64);
    PruefeGelesenBegrenzt<CTestBericht>(&CTestBericht::m_dHGGeschwindigkeit, 56);
}

// A missing report is refused; one past the end is appended, without a gap.
TEST(TrainingsBerichtListeTest, WachsenOhneLuecke)
{
    CTrainingsBerichtListe liste;
    CTrainingsBericht b;
    EXPECT_EQ(liste.SetAtGrow(0, nullptr), 2);
    EXPECT_EQ(liste.SetAtGrow(0, &b), 0);
    b.m_nTag = 2;
    EXPECT_EQ(liste.SetAtGrow(7, &b), 0);
    EXPECT_EQ(liste.GetAt(1)->m_nTag, 2);
    EXPECT_EQ(liste.GetAt(2), nullptr);
}
