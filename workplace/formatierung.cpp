#include "workplace/formatierung.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "platform/crt.h"
#include "workplace/datum.h"

namespace {

int BegrenzeStellen(int n) { return std::clamp(n, 0, kMaxDezimalstellen); }

double Zehnerpotenz(int n)
{
    double p = 1.0;
    for (int i = 0; i < n; ++i)
        p *= 10.0;
    return p;
}

constexpr int kMaxVorkommastellen = 33;

// A double has at most 1074 binary and so 1074 decimal places after the point.
constexpr int kExakteStellen = 1075;

// Decimal places of the exact value of v: as many as it has binary places.
int ExakteNachkommastellen(double v)
{
    if (v == 0.0)
        return 0;
    int e = 0;
    const double m = std::frexp(std::fabs(v), &e);
    const auto mantisse = static_cast<uint64_t>(std::ldexp(m, 53)); // v = mantisse x 2^(e - 53)
    const int exponent = e - 53;
    if (exponent >= 0)
        return 0;
    return std::max(0, -exponent - std::countr_zero(mantisse));
}

} // namespace

std::string FormatDouble(double value, int n)
{
    n = BegrenzeStellen(n);
    if (!std::isfinite(value))
        return "Überlauffehler";

    // The exact decimal digits of |value|: adding half a unit in binary
    // first would lose halves such as 0.25 and keep others such as 0.75.
    int d = 0;
    int vorzeichen = 0;
    char ziffern[crt::kFcvtPuffer + kExakteStellen + 2];
    const int stellen = std::max(n + 1, ExakteNachkommastellen(value));
    if (crt::fcvt(value, stellen, d, vorzeichen, ziffern + 1, sizeof ziffern - 1) < 0)
        return "Überlauffehler";
    vorzeichen = value < 0.0; // -0.0 shows no sign

    // Half away from zero on the digit string (d + stellen digits): the
    // first d + n stay, the next decides, and a carry out of the first
    // digit puts a 1 in front. Fewer than none kept: the value rounds to 0.
    const int behalten = d + n;
    char* anfang = ziffern + 1;
    if (behalten >= 0 && anfang[behalten] >= '5') {
        int i = behalten - 1;
        for (; i >= 0 && anfang[i] == '9'; --i)
            anfang[i] = '0';
        if (i >= 0) {
            ++anfang[i];
        } else {
            *--anfang = '1';
            ++d;
        }
    }
    if (d > kMaxVorkommastellen)
        return "Überlauffehler";

    std::string text;
    text.reserve(static_cast<size_t>(std::max(d, 1) + n + 2));
    if (vorzeichen)
        text += '-';
    int rest = n; // decimals still to write
    if (d > 0) {
        text.append(anfang, static_cast<size_t>(d));
        anfang += d;
        if (n >= 1)
            text += ',';
    } else {
        text += '0';
        if (n >= 1)
            text += ',';
        const int nullen = std::min(-d, n);
        text.append(static_cast<size_t>(nullen), '0');
        rest -= nullen;
    }
    text.append(anfang, static_cast<size_t>(rest));
    return text;
}

std::string FormatInt(int value) { return FormatInt64(value, 0); }

std::string FormatInt64(int64_t value, int breite)
{
    // The magnitude as unsigned, so that the smallest value is exact too.
    uint64_t betrag = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    constexpr uint64_t kGruppe = 10'000'000;

    // Up to three groups of seven digits, lowest first.
    uint64_t gruppen[3];
    int anzahl = 0;
    do {
        gruppen[anzahl++] = betrag % kGruppe;
        betrag /= kGruppe;
    } while (betrag != 0 && anzahl < 3);

    char puffer[32];
    int laenge = 0;
    for (int g = anzahl - 1; g >= 0; --g) {
        char teil[8];
        int stellen = 0;
        uint64_t v = gruppen[g];
        do {
            teil[stellen++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0);
        if (g != anzahl - 1)
            for (; stellen < 7; ++stellen)
                teil[stellen] = '0';
        while (stellen > 0)
            puffer[laenge++] = teil[--stellen];
    }

    std::string text;
    text.reserve(static_cast<size_t>(std::max(laenge, breite) + 1));
    if (value < 0)
        text += '-';
    if (breite > laenge)
        text.append(static_cast<size_t>(breite - laenge), '0');
    text.append(puffer, static_cast<size_t>(laenge));
    return text;
}

std::string FormatFarbe(uint32_t farbe)
{
    std::string text;
    // A colour reference holds red in its low byte: shown red, green, blue.
    for (int verschiebung : {0, 8, 16}) {
        if (!text.empty())
            text += ", ";
        std::string byte = FormatInt(static_cast<int>((farbe >> verschiebung) & 255));
        text.append(3 - byte.size(), ' ');
        text += byte;
    }
    return text;
}

std::string FormatDatum(int tagnummer)
{
    int tag = 1, monat = 1, jahr = 1970;
    TagnummerInDatum(tagnummer, &tag, &monat, &jahr);
    return FormatInt64(tag, 2) + "." + FormatInt64(monat, 2) + "." + FormatInt64(jahr, 4);
}

std::string FormatDauer(int sekunden)
{
    return FormatInt64(sekunden / 3600, 2) + ":" + FormatInt64((sekunden % 3600) / 60, 2) + ":" +
           FormatInt64(sekunden % 60, 2);
}

double ParseDouble(const std::string& text, int n)
{
    std::string punkt = text;
    std::replace(punkt.begin(), punkt.end(), ',', '.');
    double x = crt::atof(punkt);
    double p = Zehnerpotenz(BegrenzeStellen(n));
    return std::floor(x * p + 0.5) / p;
}

int ParseInt(const std::string& text) { return crt::atoi(text); }
