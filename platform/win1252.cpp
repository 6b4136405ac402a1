#include "platform/win1252.h"

#include <array>
#include <cstdint>

namespace win1252 {
namespace {

// Code points of the bytes 0x80-0x9F; 0 marks the undefined ones.
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteZuCodepunkt(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0) {
        char32_t c = kObereSteuerzeichen[b - 0x80];
        return c ? c : b;
    }
    return b;
}

int CodepunktZuByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        char32_t k = kObereSteuerzeichen[i];
        if (k == c || (k == 0 && c == char32_t(0x80 + i)))
            return 0x80 + i;
    }
    return -1;
}

void HaengeUtf8An(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at i; invalid sequences yield one byte as Latin-1
// so that no input is lost.
char32_t LiesCodepunkt(std::string_view s, size_t& i, bool* gueltig = nullptr)
{
    auto b0 = static_cast<unsigned char>(s[i]);
    int laenge = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (laenge == 0 || i + laenge > s.size()) {
        if (gueltig)
            *gueltig = laenge == 1;
        ++i;
        return b0;
    }
    char32_t c = laenge == 1 ? b0 : laenge == 2 ? (b0 & 0x1F) : laenge == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (int k = 1; k < laenge; ++k) {
        auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            if (gueltig)
                *gueltig = false;
            ++i;
            return b0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (gueltig)
        *gueltig = c >= kMinimum[laenge] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    i += laenge;
    return c;
}

} // namespace

std::string AusUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        int b = CodepunktZuByte(LiesCodepunkt(utf8, i));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string NachUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char b : bytes)
        HaengeUtf8An(out, ByteZuCodepunkt(b));
    return out;
}

bool IstUtf8(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        bool gueltig = true;
        LiesCodepunkt(bytes, i, &gueltig);
        if (!gueltig)
            return false;
    }
    return true;
}

size_t ZeichenAnzahl(std::string_view utf8)
{
    size_t n = 0;
    for (size_t i = 0; i < utf8.size(); ++n)
        LiesCodepunkt(utf8, i);
    return n;
}

std::string ErsteZeichen(std::string_view utf8, size_t n)
{
    size_t i = 0;
    for (size_t k = 0; k < n && i < utf8.size(); ++k)
        LiesCodepunkt(utf8, i);
    return std::string(utf8.substr(0, i));
}

} // namespace win1252
