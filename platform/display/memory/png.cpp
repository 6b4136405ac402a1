#include "platform/display/memory/png.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

uint32_t Crc(const uint8_t* daten, size_t laenge, uint32_t crc = 0xFFFFFFFFu)
{
    static const auto tabelle = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    for (size_t i = 0; i < laenge; ++i)
        crc = tabelle[(crc ^ daten[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

void Be32(std::vector<uint8_t>& aus, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        aus.push_back(uint8_t(v >> s));
}

void Block(std::vector<uint8_t>& aus, const char* typ, const std::vector<uint8_t>& inhalt)
{
    Be32(aus, uint32_t(inhalt.size()));
    const size_t start = aus.size();
    aus.insert(aus.end(), typ, typ + 4);
    aus.insert(aus.end(), inhalt.begin(), inhalt.end());
    Be32(aus, Crc(aus.data() + start, aus.size() - start) ^ 0xFFFFFFFFu);
}

} // namespace

int PngSchreiben(const std::string& pfad, int breite, int hoehe, const std::vector<uint8_t>& rgb)
{
    if (breite <= 0 || hoehe <= 0 || rgb.size() < size_t(breite) * size_t(hoehe) * 3)
        return 1;
    // Filter byte 0 before every row.
    std::vector<uint8_t> roh;
    const size_t zeile = size_t(breite) * 3;
    roh.reserve((zeile + 1) * size_t(hoehe));
    for (int y = 0; y < hoehe; ++y) {
        roh.push_back(0);
        roh.insert(roh.end(), rgb.begin() + ptrdiff_t(zeile * size_t(y)),
                   rgb.begin() + ptrdiff_t(zeile * size_t(y + 1)));
    }
    // zlib stream of stored blocks (at most 65535 bytes each) and Adler-32.
    std::vector<uint8_t> z{0x78, 0x01};
    for (size_t pos = 0; pos < roh.size() || roh.empty();) {
        const size_t n = std::min<size_t>(65535, roh.size() - pos);
        const bool letzter = pos + n == roh.size();
        z.push_back(letzter ? 1 : 0);
        z.push_back(uint8_t(n));
        z.push_back(uint8_t(n >> 8));
        z.push_back(uint8_t(~n));
        z.push_back(uint8_t(~n >> 8));
        z.insert(z.end(), roh.begin() + ptrdiff_t(pos), roh.begin() + ptrdiff_t(pos + n));
        pos += n;
        if (letzter)
            break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t c : roh) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Be32(z, (b << 16) | a);

    std::vector<uint8_t> aus{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> kopf;
    Be32(kopf, uint32_t(breite));
    Be32(kopf, uint32_t(hoehe));
    kopf.insert(kopf.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, filter 0, no interlace
    Block(aus, "IHDR", kopf);
    Block(aus, "IDAT", z);
    Block(aus, "IEND", {});
    std::ofstream datei(pfad, std::ios::binary);
    datei.write(reinterpret_cast<const char*>(aus.data()), std::streamsize(aus.size()));
    return datei.good() ? 0 : 1;
}
