#include "platform/crt.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <clocale>
#include <locale.h>

namespace crt {
namespace {

uint32_t g_seed = 1;
ZeitQuelle& Quelle()
{
    static ZeitQuelle quelle;
    return quelle;
}

} // namespace

void srand(uint32_t seed) { g_seed = seed; }

int rand()
{
    g_seed = g_seed * 214013u + 2531011u;
    return static_cast<int>((g_seed >> 16) & 0x7FFF);
}

uint32_t GetSeed() { return g_seed; }

int64_t time()
{
    if (Quelle())
        return Quelle()();
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void SetZeitQuelle(ZeitQuelle quelle) { Quelle() = std::move(quelle); }

bool localtime(int64_t sekunden, std::tm& ergebnis)
{
    if (sekunden < 0)
        return false;
    std::time_t t = static_cast<std::time_t>(sekunden);
    return localtime_r(&t, &ergebnis) != nullptr;
}

namespace {

// Whether s starts with the word (lower case) in any case.
bool Beginnt(const char* s, const char* wort)
{
    for (; *wort; ++s, ++wort)
        if (*s != *wort && *s != *wort - 'a' + 'A')
            return false;
    return true;
}

// Parses in the C locale by hand: digits, one point, an exponent; or, as the
// C library reads them, an infinity or not a number spelled out.
double ParseZahl(const char* s)
{
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    const char* anfang = s;
    if (*s == '+' || *s == '-')
        ++s;
    const bool negativ = *anfang == '-';
    if (Beginnt(s, "inf")) // also "infinity"
        return negativ ? -HUGE_VAL : HUGE_VAL;
    if (Beginnt(s, "nan"))
        return negativ ? -std::nan("") : std::nan("");
    bool ziffern = false;
    while (*s >= '0' && *s <= '9') {
        ++s;
        ziffern = true;
    }
    if (*s == '.') {
        ++s;
        while (*s >= '0' && *s <= '9') {
            ++s;
            ziffern = true;
        }
    }
    if (!ziffern)
        return 0.0;
    if (*s == 'e' || *s == 'E') {
        const char* e = s + 1;
        if (*e == '+' || *e == '-')
            ++e;
        if (*e >= '0' && *e <= '9') {
            while (*e >= '0' && *e <= '9')
                ++e;
            s = e;
        }
    }
    std::string zahl(anfang, s);
    // strtod_l with the C locale: immune to the user's decimal comma.
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(zahl.c_str(), nullptr, c);
}

} // namespace

double atof(const std::string& text) { return ParseZahl(text.c_str()); }

int atoi(const std::string& text)
{
    const char* s = text.c_str();
    while (*s == ' ' || (*s >= '\t' && *s <= '\r'))
        ++s;
    bool negativ = false;
    if (*s == '+' || *s == '-')
        negativ = *s++ == '-';
    int64_t v = 0;
    while (*s >= '0' && *s <= '9') {
        v = v * 10 + (*s++ - '0');
        if (v > 0x80000000LL)
            v = 0x80000000LL; // saturates instead of overflowing
    }
    if (negativ)
        v = -v;
    if (v > 0x7FFFFFFF)
        v = 0x7FFFFFFF;
    return static_cast<int>(v);
}

} // namespace crt
