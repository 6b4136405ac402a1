#include "model/testbericht.h"

#include <gtest/gtest.h>

#include "platform/archiv.h"

namespace {

// Two stimuli, three trials, every stored value distinct.
CTestBericht Beispiel()
{
    CTestBericht b;
    b.m_nTestart = 20;
    b.m_dwTestFlags = 0x62;
    b.m_rcRechteck = RECT{1, 2, 3, 4};
    b.m_dLaufzeit = 12.5;
    b.m_nTag = 20000;
    b.m_nUhrzeit = 3600;
    b.SetAnzahlReize(2);
    b.SetAnzahlDurchgaenge(3);
    b.SetDurchgang(0, 1);
    b.SetDurchgang(2, 1);
    b.SetRechteck1(1, RECT{10, 11, 12, 13});
    b.SetRechteck2(1, RECT{20, 21, 22, 23});
    b.SetRechteck3(1, RECT{30, 31, 32, 33});
    b.SetRechteck4(1, RECT{40, 41, 42, 43});
    b.IncZaehler2(0);
    b.IncZaehler4(1);
    b.IncZaehler4(1);
    b.SetZeit(1, 1500);
    b.IncKorrekteReaktionen();
    b.IncFalscheAlarme();
    b.AddDauer(5000000000LL);
    return b;
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
    EXPECT_EQ(b.GetDurchgang(0), 0);
    EXPECT_EQ(b.GetDurchgang(1), 0);
    EXPECT_EQ(b.GetDurchgang(2), 2);
    EXPECT_EQ(b.SetAnzahlReize(-1), 2); // every entry lies at or above 0
    EXPECT_EQ(b.GetAnzahlReize(), 0);
}

TEST(CTestBericht, GespeicherterDatensatz)
{
    CTestBericht b = Beispiel();
    b.SetAnzahlDurchgaenge(4);
    b.SetDurchgang(3, 1);
    CArchive aus;
    b.Serialize(aus);
    const auto& bytes = aus.GetBytes();
    ASSERT_EQ(bytes.size(), CTestBericht::GespeicherteGroesse(2, 4));
    auto wort = [&](size_t pos) {
        return uint32_t(bytes[pos]) | uint32_t(bytes[pos + 1]) << 8 | uint32_t(bytes[pos + 2]) << 16 |
               uint32_t(bytes[pos + 3]) << 24;
    };
    EXPECT_EQ(wort(64), 1u); // 5,000,000,000 ms: high word
    EXPECT_EQ(wort(68), 705032704u); // low word
    // Stimulus 1 starts at 80 + 84: rectangles 1, 3, 2, 4.
    EXPECT_EQ(wort(164), 10u);
    EXPECT_EQ(wort(164 + 16), 30u);
    EXPECT_EQ(wort(164 + 32), 20u);
    EXPECT_EQ(wort(164 + 48), 40u);

    CArchive ein(bytes);
    CTestBericht gelesen;
    gelesen.Serialize(ein);
    EXPECT_EQ(ein.GetRest(), 0u);
    EXPECT_EQ(gelesen.GetHGReaktionszeit(), 5000000000LL);

    CArchive wieder;
    gelesen.Serialize(wieder);
    EXPECT_EQ(wieder.GetBytes(), bytes);
}

TEST(CTestBerichtListe, KopieHatEigeneBerichte)
{
    CTestBerichtListe l;
    for (int i = 0; i < 6; ++i)
        l.SetAtGrow(i, Beispiel());
    CTestBerichtListe k(l);
    EXPECT_EQ(k.GetSize(), 6);
    EXPECT_EQ(k.GetKapazitaet(), 10);
    EXPECT_NE(k.GetAt(2), l.GetAt(2));
    EXPECT_EQ(k.GetAt(2)->GetZaehler4(1), 2u);
}
