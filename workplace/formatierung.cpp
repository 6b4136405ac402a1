#include "workplace/formatierung.h"

#include <algorithm>
#include <cmath>

#include "platform/crt.h"
#include "workplace/datum.h"

namespace {

int BegrenzeStellen(int n)
{
    return std::clamp(n, 0, kMaxDezimalstellen);
}

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
    double p = Zehnerpotenz(n);
    value = value >= 0.0 ? value + 0.5 / p : value - 0.5 / p;
    if (!std::isfinite(value))
        return "Überlauffehler";

    // Enough digits that the cut below never needs a second rounding.
    int d = 0;
    int vorzeichen = 0;
    char ziffern[crt::kFcvtPuffer + kMaxDezimalstellen + 34];
    if (crt::fcvt(value, n + 34, d, vorzeichen, ziffern, sizeof ziffern) < 0 || d > kMaxVorkommastellen)
        return "Überlauffehler";

    std::string text;
    text.reserve(static_cast<size_t>(std::max(d, 1) + n + 2));
    if (vorzeichen)
        text += '-';
    size_t naechste = 0; // next digit of ziffern to show
    int rest = n;        // decimals still to write
    if (d > 0) {
        text.append(ziffern, static_cast<size_t>(d));
        naechste = static_cast<size_t>(d);
        if (n >= 1)
            text += ',';
    } else {
        text += '0';
        if (n >= 1)
            text += ',';
        int nullen = std::min(-d, n);
        text.append(static_cast<size_t>(nullen), '0');
        rest -= nullen;
    }
    text.append(ziffern + naechste, static_cast<size_t>(rest));
    return text;
}

std::string FormatInt(int value)
{
    return FormatInt64(value, 0);
}

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

int ParseInt(const std::string& text)
{
    return crt::atoi(text);
}
