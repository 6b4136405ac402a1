#include <gtest/gtest.h>

#include <clocale>

#include "platform/crt.h"
#include "platform/system.h"

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

TEST(System, ZeitquelleEinsetzbarBenutzernameVorhanden)
{
    crt::SetZeitQuelle([] { return int64_t(86400); });
    EXPECT_EQ(crt::time(), 86400);
    crt::SetZeitQuelle({});
    EXPECT_GT(crt::time(), 1'700'000'000);
    std::tm t{};
    EXPECT_FALSE(crt::localtime(-1, t));
    EXPECT_FALSE(systemdienst::GetBenutzername().empty());
}

TEST(Zahlen, CLocaleUnabhaengigVonDerSprache)
{
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(crt::atof("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(crt::atof("  -3.25e2x"), -325.0);
    EXPECT_DOUBLE_EQ(crt::atof("12.3.4"), 12.3);
    EXPECT_DOUBLE_EQ(crt::atof("abc"), 0.0);
    EXPECT_DOUBLE_EQ(crt::atof("1e"), 1.0);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(crt::atoi(" 17a"), 17);
    EXPECT_EQ(crt::atoi("-42"), -42);
    EXPECT_EQ(crt::atoi("x"), 0);
    EXPECT_EQ(crt::atoi("99999999999"), 2147483647);
}

std::string Fcvt(double value, int ndigits, int& dec, int& sign)
{
    char puffer[crt::kFcvtPuffer + 8];
    const int n = crt::fcvt(value, ndigits, dec, sign, puffer, sizeof puffer);
    return n < 0 ? std::string("?") : std::string(puffer, static_cast<size_t>(n));
}

TEST(Zahlen, FcvtZiffernUndKomma)
{
    int dec = 0, sign = 0;
    EXPECT_EQ(Fcvt(1234.5, 2, dec, sign), "123450");
    EXPECT_EQ(dec, 4);
    EXPECT_EQ(sign, 0);
    EXPECT_EQ(Fcvt(-0.0125, 4, dec, sign), "125");
    EXPECT_EQ(dec, -1);
    EXPECT_EQ(sign, 1);
    EXPECT_EQ(Fcvt(0.0, 3, dec, sign), "000");
    EXPECT_EQ(dec, 0);
    std::string gross = Fcvt(1e40, 2, dec, sign);
    EXPECT_EQ(dec, 41);
    EXPECT_EQ(gross.size(), 43u);
}

} // namespace
