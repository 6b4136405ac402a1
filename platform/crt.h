#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

// The C library functions that Lumetra depends on, with the Windows C
// library's behaviour where it differs from glibc. Clock and generator are
// injectable so tests are exact.
namespace crt {

// Random generator of the Windows C library: 15-bit results.
constexpr int RAND_MAX_WIN = 0x7FFF;
void srand(uint32_t seed);
int rand();
// Seed of the generator as it stands (tests).
uint32_t GetSeed();

// Seconds since 1970 from the system clock, or from the installed source.
int64_t time();
using ZeitQuelle = std::function<int64_t()>;
// Installs a clock for tests; an empty function restores the system clock.
void SetZeitQuelle(ZeitQuelle quelle);

// Local broken-down time; false when the value cannot be converted.
bool localtime(int64_t sekunden, std::tm& ergebnis);

// C-locale number parsing whatever the user's locale.
double atof(const std::string& text);
int atoi(const std::string& text);

} // namespace crt
