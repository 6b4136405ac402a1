#include "presentation/stoppuhr.h"

#include "platform/system.h"

#include <gtest/gtest.h>

namespace {

// A 10 MHz counter that only moves when the test says so.
struct CTestZaehler : CLeistungszaehlerQuelle {
    int64_t frequenz = 10'000'000;
    int64_t stand = 5'000'000;
    int lesungen = 0;
    int64_t Frequenz() override { return frequenz; }
    int64_t Zaehler() override
    {
        ++lesungen;
        return stand;
    }
};

class StoppuhrTest : public ::testing::Test {
protected:
    void SetUp() override { SetLeistungszaehlerQuelle(&zaehler); }
    void TearDown() override { SetLeistungszaehlerQuelle(nullptr); }
    void Warte(int64_t ms) { zaehler.stand += ms * 10'000; }
    CTestZaehler zaehler;
};

// Uninitialised or without counter frequency it measures nothing; finer
// resolutions are refused. A lap ends at the last reading, a hold keeps it.
TEST_F(StoppuhrTest, AufloesungRundeUndAnhalten)
{
    CStoppuhr uhr;
    uhr.NeuStarten();
    Warte(20);
    EXPECT_EQ(uhr.Lesen(), 0);
    EXPECT_EQ(uhr.Anhalten(), 0);
    EXPECT_EQ(uhr.Runde(), 0);
    EXPECT_EQ(CStoppuhr().Init(0), 2);
    EXPECT_EQ(CStoppuhr().Init(10'000'001), 2);
    EXPECT_EQ(CStoppuhr().Init(10'000'000), 0);
    zaehler.frequenz = 0;
    EXPECT_EQ(uhr.Init(1000), 2);
    uhr.NeuStarten();
    Warte(50);
    EXPECT_EQ(uhr.Lesen(), 0);

    zaehler.frequenz = 10'000'000;
    uhr.Init(1000);
    uhr.NeuStarten();
    Warte(37);
    EXPECT_EQ(uhr.Lesen(), 37);
    Warte(100); // not read: the lap ends at the last reading
    const int lesungen = zaehler.lesungen;
    EXPECT_EQ(uhr.Runde(), 37);
    EXPECT_EQ(uhr.Runde(), 0);
    EXPECT_EQ(zaehler.lesungen, lesungen);
    zaehler.stand += 9'999; // truncated towards zero
    EXPECT_EQ(uhr.Lesen(), 100);

    CStoppuhr halten;
    halten.Init(10'000); // 0.1 ms
    halten.NeuStarten();
    Warte(12);
    EXPECT_EQ(halten.Anhalten(), 120);
    Warte(5);
    EXPECT_EQ(halten.Anhalten(), 120);
    // The lap ends at the reaction; the next item's time starts there.
    EXPECT_EQ(halten.Runde(), 120);
    EXPECT_EQ(halten.Lesen(), 50);
    // Taking a valid status does not make an uninitialised one divide by 0.
    EXPECT_EQ(CStoppuhr().Synchronisieren(halten), 0);
}

} // namespace
