#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "workplace/datum.h"
#include "workplace/formatierung.h"

namespace {

// Away from zero, and halves judged on the exact digits of the value, not
// after adding half a unit in binary, which loses the half for 0.25 and
// keeps it for 0.75. Beyond 33 digits, and for what is not finite, the
// overflow text; a decimal count from a damaged file is capped, not obeyed.
TEST(Formatierung, DoubleRundetExaktVomNullpunktWeg)
{
    struct Fall {
        double wert;
        int stellen;
        const char* text;
    };
    const Fall faelle[] = {
        {-2.5, 0, "-3"},
        {-0.001, 2, "-0,00"},
        {-95.25, 1, "-95,3"},
        {1.125, 2, "1,13"},
        {9.95, 1, "9,9"} /* stored as 9.9499... */,
        {0.35, 1, "0,3"} /* 0.3499... */,
        {99.96, 1, "100,0"},
        {0.0005, 3, "0,001"} /* 0.000500000...01 */,
        {-0.0, 2, "0,00"},
        {std::nan(""), 1, "Überlauffehler"},
        {2e33, 0, "Überlauffehler"},
        {1e33, 0, "999999999999999945575230987042816"},
        {1.0 / 0.0, 1, "Überlauffehler"},
        {0.5, 900, "0,500000000000000"},
        {2.5, -4, "3"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatDouble(f.wert, f.stellen), f.text) << f.wert << " " << f.stellen;
    // Every exact half at one decimal from 0 to 200 rounds up.
    for (int ganz = 0; ganz < 200; ++ganz) {
        EXPECT_EQ(FormatDouble(ganz + 0.25, 1), std::to_string(ganz) + ",3");
        EXPECT_EQ(FormatDouble(ganz + 0.75, 1), std::to_string(ganz) + ",8");
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
    EXPECT_EQ(FormatDatum(Tagnummer(5, 12, 2026)), "05.12.2026");
    EXPECT_EQ(FormatDauer(3725), "01:02:05");
    EXPECT_EQ(FormatDauer(360000), "100:00:00");
    EXPECT_DOUBLE_EQ(ParseDouble("1,5", 1), 1.5);
    EXPECT_DOUBLE_EQ(ParseDouble("2,345", 2), 2.35);
    EXPECT_DOUBLE_EQ(ParseDouble("12,3,4", 1), 12.3);
    EXPECT_DOUBLE_EQ(ParseDouble("1.25", 1), 1.3);
    EXPECT_DOUBLE_EQ(ParseDouble("-1,25", 1), -1.2);
    EXPECT_EQ(ParseInt(" 17a"), 17);
    EXPECT_EQ(ParseInt("x"), 0);
}

} // namespace
