#include "workplace/formatierung.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

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

} // namespace

std::string FormatDouble(double value, int n)
{
    n = BegrenzeStellen(n);
    if (!std::isfinite(value))
        return "Überlauffehler";

    // The shortest digits that read back as value are what a person reads
    // it as: 0.15 is rounded as 0.15, not as the 0.1499... it is stored as.
    char kurz[32];
    char* ende = std::to_chars(kurz, kurz + sizeof kurz - 1, std::fabs(value), std::chars_format::scientific).ptr;
    *ende = '\0';
    // "d.ddde+XX": at most 17 digits, kept without the point behind one free
    // place for a carry; d counts the digits before the point.
    char ziffern[24];
    char* anfang = ziffern + 1;
    int anzahl = 0;
    const char* e = kurz;
    for (; e < ende && *e != 'e'; ++e)
        if (*e != '.')
            anfang[anzahl++] = *e;
    int d = e < ende ? std::atoi(e + 1) + 1 : 1;

    // Half away from zero on that digit string: the first d + n digits
    // stay, the next decides; a carry out of the first puts a 1 in front.
    const int behalten = d + n;
    if (behalten < anzahl) {
        const bool auf = behalten >= 0 && anfang[behalten] >= '5';
        anzahl = std::max(behalten, 0);
        if (auf) {
            int i = behalten - 1;
            for (; i >= 0 && anfang[i] == '9'; --i)
                anfang[i] = '0';
            if (i >= 0) {
                ++anfang[i];
            } else {
                *--anfang = '1';
                ++d;
                ++anzahl;
            }
        }
    }
    if (d > kMaxVorkommastellen)
        return "Überlauffehler";
    // Digits beyond the shortest ones are zeros.
    auto ziffer = [&](int i) { return i < anzahl ? anfang[i] : '0'; };
    // A value that rounds to zero shows no sign.
    const bool null = std::all_of(anfang, anfang + anzahl, [](char z) { return z == '0'; });

    std::string text;
    text.reserve(static_cast<size_t>(std::max(d, 1) + n + 2));
    if (value < 0.0 && !null)
        text += '-';
    if (d > 0) {
        for (int i = 0; i < d; ++i)
            text += ziffer(i);
    } else {
        text += '0';
    }
    if (n >= 1)
        text += ',';
    for (int i = d; i < d + n; ++i)
        text += i < 0 ? '0' : ziffer(i);
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
    // From 2^52 on a double has no fraction left to round, and x * p could
    // overflow to infinity; an infinity or no number stays what it is.
    if (!(std::fabs(x) < 0x1p52))
        return x;
    double p = Zehnerpotenz(BegrenzeStellen(n));
    return std::floor(x * p + 0.5) / p;
}

int ParseInt(const std::string& text) { return crt::atoi(text); }
