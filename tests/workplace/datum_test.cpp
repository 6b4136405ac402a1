#include <gtest/gtest.h>

#include <array>

#include "platform/crt.h"
#include "workplace/datum.h"

namespace {

// Known days, invalid dates (numbered 1) and the clamped day of the year.
TEST(Datum, TagnummerUndTagImJahr)
{
    const std::array<int, 4> tagnummern[] = {{1, 1, 1970, 1},  {29, 2, 2000, 11017}, {31, 12, 2003, 12418},
                                             {29, 2, 2001, 1}, {29, 2, 2100, 1},     {31, 4, 2005, 1},
                                             {1, 1, 1969, 1}};
    for (auto [t, m, j, n] : tagnummern)
        EXPECT_EQ(Tagnummer(t, m, j), n) << t << "." << m << "." << j;
    const std::array<int, 4> tage[] = {{31, 12, 2000, 366}, {35, 2, 2001, 59}, {-3, 0, 1900, 1}, {1, 3, 2100, 60}};
    for (auto [t, m, j, n] : tage)
        EXPECT_EQ(TagImJahr(t, m, j), n) << t << "." << m << "." << j;

    // Every day from 1970 to beyond 2100 survives the round trip; day 0 is the first.
    int t = 0, m = 0, j = 0;
    for (int n = 0; n < 50000; ++n) {
        TagnummerInDatum(n, &t, &m, &j);
        ASSERT_EQ(Tagnummer(t, m, j), std::max(n, 1)) << t << "." << m << "." << j;
    }
}

TEST(Datum, HeuteAusDerUhr)
{
    // 2026-12-05 12:00:00 UTC; the local time differs by at most a day.
    crt::SetZeitQuelle([] { return int64_t(1796472000); });
    int t, m, j, h, mi, s;
    HeuteDatumZeit(&t, &m, &j, &h, &mi, &s);
    EXPECT_EQ((std::array{m, j, s}), (std::array{12, 2026, 0}));
    EXPECT_NEAR(t, 5, 1);
    crt::SetZeitQuelle([] { return int64_t(-5); });
    HeuteDatumZeit(&t, &m, &j, &h, &mi, &s);
    EXPECT_EQ((std::array{t, m, j, h, mi, s}), (std::array{1, 1, 1970, 0, 0, 0}));
    crt::SetZeitQuelle({});
}

} // namespace
