#include "workplace/datum.h"

#include <ctime>

#include "platform/crt.h"

namespace {

// Days before each month in a common year.
constexpr int kTageVorMonat[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Day 12418 is 2003-12-31: later years count from there, so that recent
// dates need few steps.
constexpr int kTageBis2004 = 12418;

int Monatslaenge(int monat, int jahr)
{
    static constexpr int laenge[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && IstSchaltjahr(jahr) ? 29 : laenge[monat - 1];
}

int Jahreslaenge(int jahr) { return IstSchaltjahr(jahr) ? 366 : 365; }

} // namespace

bool IstSchaltjahr(int jahr) { return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0; }

void HeuteDatumZeit(int* tag, int* monat, int* jahr, int* stunde, int* minute, int* sekunde)
{
    std::tm t{};
    if (!crt::localtime(crt::time(), t)) {
        *tag = 1;
        *monat = 1;
        *jahr = 1970;
        *stunde = *minute = *sekunde = 0;
        return;
    }
    *tag = t.tm_mday;
    *monat = t.tm_mon + 1;
    *jahr = t.tm_year + 1900;
    *stunde = t.tm_hour;
    *minute = t.tm_min;
    *sekunde = t.tm_sec;
}

int TagImJahr(int tag, int monat, int jahr)
{
    if (monat < 1)
        monat = 1;
    if (monat > 12)
        monat = 12;
    if (jahr < 1970)
        jahr = 1970;
    if (tag < 1)
        tag = 1;
    if (tag > Monatslaenge(monat, jahr))
        tag = Monatslaenge(monat, jahr);
    int tage = kTageVorMonat[monat - 1];
    if (monat > 2 && IstSchaltjahr(jahr))
        ++tage;
    return tage + tag;
}

int Tagnummer(int tag, int monat, int jahr)
{
    if (tag < 1 || monat < 1 || monat > 12 || jahr < 1970 || tag > Monatslaenge(monat, jahr))
        return 1;
    int zaehler = 0;
    int j = 1970;
    if (jahr >= 2004) {
        zaehler = kTageBis2004;
        j = 2004;
    }
    for (; j < jahr; ++j)
        zaehler += Jahreslaenge(j);
    return zaehler + TagImJahr(tag, monat, jahr);
}

void TagnummerInDatum(int nummer, int* tag, int* monat, int* jahr)
{
    if (nummer <= 0) {
        *tag = 1;
        *monat = 1;
        *jahr = 1970;
        return;
    }
    int j = 1970;
    if (nummer > kTageBis2004) {
        nummer -= kTageBis2004;
        j = 2004;
    }
    while (nummer > Jahreslaenge(j)) {
        nummer -= Jahreslaenge(j);
        ++j;
    }
    int m = 1;
    while (m < 12 && kTageVorMonat[m] + (m >= 2 && IstSchaltjahr(j) ? 1 : 0) < nummer)
        ++m;
    *tag = nummer - kTageVorMonat[m - 1] - (m > 2 && IstSchaltjahr(j) ? 1 : 0);
    *monat = m;
    *jahr = j;
}
