#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "platform/crt.h"
#include "workplace/datum.h"
#include "workplace/formatierung.h"

namespace {

// Halves judged on the digits a person reads (the shortest that read back as
// the stored double, not its binary expansion); zero shows no sign; a decimal
// count from a damaged file is capped, not obeyed.
TEST(Formatierung, DoubleRundetGelesenenWertVomNullpunktWeg)
{
    struct Fall {
        double wert;
        int stellen;
        const char* text;
    };
    const Fall faelle[] = {
        {0.15, 1, "0,2"},
        {9.995, 2, "10,00"},
        {5.973 / 2, 3, "2,987"},
        {-0.04, 1, "0,0"},
        {0.25, 1, "0,3"},
        {1.125, 2, "1,13"},
        {0.35, 1, "0,4"},
        {2.675, 2, "2,68"},
        {1.005, 2, "1,01"},
        {-1.5, 0, "-2"},
        {-0.001, 2, "0,00"},
        {-0.0, 2, "0,00"},
        {0.0, 2, "0,00"},
        {3.64, 0, "4"},
        {-2.5, 0, "-3"},
        {1234.5, 1, "1234,5"},
        {0.004, 2, "0,00"},
        {0.006, 2, "0,01"},
        {-0.006, 2, "-0,01"},
        {99.96, 1, "100,0"},
        {-95.25, 1, "-95,3"},
        {1e-300, 3, "0,000"},
        {0.1, 15, "0,100000000000000"},
        {std::nan(""), 1, "Überlauffehler"},
        {1.0 / 0.0, 1, "Überlauffehler"},
        {1e40, 2, "Überlauffehler"},
        {1e33, 0, "Überlauffehler"},
        {-1.2345e32, 0, "-123450000000000000000000000000000"},
        {0.5, 900, "0,500000000000000"},
        {2.5, -4, "3"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatDouble(f.wert, f.stellen), f.text) << f.wert << " " << f.stellen;
    // Every half at two decimals from 0 to 200 rounds up, whatever its binary form.
    for (int hundertstel = 5; hundertstel < 20000; hundertstel += 10) {
        const std::string gelesen = std::to_string(hundertstel / 100) + "." + std::to_string(hundertstel / 10 % 10) + "5";
        const int auf = hundertstel / 10 + 1;
        EXPECT_EQ(FormatDouble(crt::atof(gelesen), 1), std::to_string(auf / 10) + "," + std::to_string(auf % 10))
            << gelesen;
    }
}

TEST(Formatierung, GanzzahlenFarbenDatumDauerUndEinlesen)
{
    EXPECT_EQ(FormatInt64(7, 2), "07");
    EXPECT_EQ(FormatInt64(-5, 3), "-005");
    EXPECT_EQ(FormatInt64(INT64_MIN, 0), "-9223372036854775808");
    // Colour references hold 0x00BBGGRR; the text reads red, green, blue.
    EXPECT_EQ(FormatFarbe(0x00FF8000), "  0, 128, 255");
    EXPECT_EQ(FormatFarbe(0x000000FF), "255,   0,   0");
    EXPECT_EQ(FormatDauer(360000), "100:00:00");
    EXPECT_DOUBLE_EQ(ParseDouble("2,345", 2), 2.35);
    EXPECT_DOUBLE_EQ(ParseDouble("12,3,4", 1), 12.3);
    EXPECT_DOUBLE_EQ(ParseDouble("1.25", 1), 1.3);
    EXPECT_EQ(ParseInt(" 17a"), 17);
    EXPECT_EQ(ParseInt("x"), 0);
}

// An infinity or no number spelled out reads as the C library reads it;
// numbers beyond what a double rounds keep their value instead of
// overflowing to infinity on the way.
TEST(Formatierung, UnendlichUndRiesigeZahlenEinlesen)
{
    for (const char* text : {"inf", "INF", "Infinity", "+inf", " inf;", "1e999"})
        EXPECT_EQ(ParseDouble(text, 1), HUGE_VAL) << text;
    for (const char* text : {"-inf", "-Infinity", "-1e999"})
        EXPECT_EQ(ParseDouble(text, 2), -HUGE_VAL) << text;
    EXPECT_TRUE(std::isnan(ParseDouble("nan", 1)));
    EXPECT_TRUE(std::isnan(ParseDouble("NaN", 3)));
    EXPECT_EQ(ParseDouble("1e308", 1), 1e308);
    EXPECT_EQ(ParseDouble("-1,7e308", 3), -1.7e308);
    EXPECT_EQ(ParseDouble("4503599627370497", 1), 4503599627370497.0);
    EXPECT_DOUBLE_EQ(ParseDouble("1e15", 1), 1e15);
    EXPECT_DOUBLE_EQ(ParseDouble("0,05", 1), 0.1);
    // A word that only begins like one stays no number at all.
    EXPECT_EQ(ParseDouble("in", 1), 0.0);
    EXPECT_EQ(ParseDouble("na", 1), 0.0);
}

// Known days, invalid dates (numbered 1), the clamped day of the year and today from the clock.
TEST(Datum, TagnummerTagImJahrUndHeute)
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

    crt::SetZeitQuelle([] { return int64_t(1796472000); }); // 2026-12-05 12:00:00 UTC
    int h, mi, s;
    HeuteDatumZeit(&t, &m, &j, &h, &mi, &s);
    EXPECT_EQ((std::array{m, j, s}), (std::array{12, 2026, 0}));
    crt::SetZeitQuelle([] { return int64_t(-5); });
    HeuteDatumZeit(&t, &m, &j, &h, &mi, &s);
    EXPECT_EQ((std::array{t, m, j, h, mi, s}), (std::array{1, 1, 1970, 0, 0, 0}));
    crt::SetZeitQuelle({});
}

} // namespace
