#include <gtest/gtest.h>

#include <clocale>

#include "platform/crt.h"

namespace {

TEST(Zufall, FolgtDemWindowsGenerator)
{
    crt::srand(1);
    // The first draws of the Windows C library after srand(1).
    EXPECT_EQ(crt::rand(), 41);
    EXPECT_EQ(crt::rand(), 18467);
    EXPECT_EQ(crt::rand(), 6334);
    crt::srand(0);
    EXPECT_EQ(crt::rand(), 38);
}

TEST(Zahlen, CLocaleUnabhaengigVonDerSprache)
{
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(crt::atof("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(crt::atof("  -3.25e2x"), -325.0);
    EXPECT_DOUBLE_EQ(crt::atof("abc"), 0.0);
    EXPECT_DOUBLE_EQ(crt::atof("1e"), 1.0);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(crt::atoi("-42"), -42);
    EXPECT_EQ(crt::atoi("99999999999"), 2147483647);
}

} // namespace
