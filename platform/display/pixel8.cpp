#include "platform/display/pixel8.h"

#include "platform/display/ddraw.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <cstring>
#include <vector>

void Fuellen8(CPixelFeld ziel, BYTE index)
{
    for (LONG y = 0; y < ziel.hoehe; ++y)
        std::memset(ziel.pixel + ptrdiff_t(y) * ziel.pitch, index, size_t(ziel.breite));
}

void Kopieren8(CPixelFeld ziel, CPixelFeld quelle)
{
    // Downwards overlap within one surface: copy from the bottom row up.
    const bool rueckwaerts = ziel.pixel > quelle.pixel;
    for (LONG i = 0; i < ziel.hoehe; ++i) {
        const LONG y = rueckwaerts ? ziel.hoehe - 1 - i : i;
        std::memmove(ziel.pixel + ptrdiff_t(y) * ziel.pitch, quelle.pixel + ptrdiff_t(y) * quelle.pitch,
                     size_t(ziel.breite));
    }
}

void KopierenMitSchluessel8(CPixelFeld ziel, CPixelFeld quelle, BYTE von, BYTE bis)
{
    std::vector<BYTE> zeile(size_t(ziel.breite > 0 ? ziel.breite : 0));
    const bool rueckwaerts = ziel.pixel > quelle.pixel;
    for (LONG i = 0; i < ziel.hoehe; ++i) {
        const LONG y = rueckwaerts ? ziel.hoehe - 1 - i : i;
        // Through a row buffer so an overlapping source is read before it is written.
        std::memcpy(zeile.data(), quelle.pixel + ptrdiff_t(y) * quelle.pitch, zeile.size());
        BYTE* z = ziel.pixel + ptrdiff_t(y) * ziel.pitch;
        for (LONG x = 0; x < ziel.breite; ++x) {
            const BYTE p = zeile[size_t(x)];
            if (p < von || p > bis)
                z[x] = p;
        }
    }
}

void Strecken8(CPixelFeld ziel, CPixelFeld quelle, bool mitSchluessel, BYTE von, BYTE bis)
{
    if (quelle.breite <= 0 || quelle.hoehe <= 0)
        return;
    std::vector<LONG> spalte(size_t(ziel.breite > 0 ? ziel.breite : 0));
    for (LONG x = 0; x < ziel.breite; ++x)
        spalte[size_t(x)] = LONG((int64_t(2 * x + 1) * quelle.breite) / (int64_t(2) * ziel.breite));
    for (LONG y = 0; y < ziel.hoehe; ++y) {
        const LONG sy = LONG((int64_t(2 * y + 1) * quelle.hoehe) / (int64_t(2) * ziel.hoehe));
        const BYTE* q = quelle.pixel + ptrdiff_t(sy) * quelle.pitch;
        BYTE* z = ziel.pixel + ptrdiff_t(y) * ziel.pitch;
        for (LONG x = 0; x < ziel.breite; ++x) {
            const BYTE p = q[spalte[size_t(x)]];
            if (!mitSchluessel || p < von || p > bis)
                z[x] = p;
        }
    }
}

void TabelleAusPalette(const PALETTEENTRY* palette, uint32_t tabelle[256])
{
    for (int i = 0; i < 256; ++i)
        tabelle[i] = 0xFF000000u | (uint32_t(palette[i].peRed) << 16) | (uint32_t(palette[i].peGreen) << 8) |
                     uint32_t(palette[i].peBlue);
}

void Umwandeln8Nach32(const BYTE* quelle, LONG quellPitch, uint32_t* ziel, LONG zielPitchBytes, LONG breite, LONG hoehe,
                      const uint32_t tabelle[256])
{
    for (LONG y = 0; y < hoehe; ++y) {
        const BYTE* __restrict q = quelle + ptrdiff_t(y) * quellPitch;
        uint32_t* __restrict z = reinterpret_cast<uint32_t*>(reinterpret_cast<BYTE*>(ziel) +
                                                             ptrdiff_t(y) * zielPitchBytes);
        LONG x = 0;
#ifdef __SSE2__
        // Frames are written, never read back: stores that bypass the cache
        // spare reading each target line first (the target is often shared
        // memory that the X server has just read).
        for (; x < breite && (reinterpret_cast<uintptr_t>(z + x) & 15) != 0; ++x)
            z[x] = tabelle[q[x]];
        for (; x + 4 <= breite; x += 4) {
            uint32_t vier;
            std::memcpy(&vier, q + x, 4);
            _mm_stream_si128(reinterpret_cast<__m128i*>(z + x),
                             _mm_setr_epi32(int(tabelle[vier & 0xFF]), int(tabelle[(vier >> 8) & 0xFF]),
                                            int(tabelle[(vier >> 16) & 0xFF]), int(tabelle[vier >> 24])));
        }
#else
        // Four at a time: the table stays in L1, the loads pipeline.
        for (; x + 4 <= breite; x += 4) {
            uint32_t vier;
            std::memcpy(&vier, q + x, 4);
            z[x] = tabelle[vier & 0xFF];
            z[x + 1] = tabelle[(vier >> 8) & 0xFF];
            z[x + 2] = tabelle[(vier >> 16) & 0xFF];
            z[x + 3] = tabelle[vier >> 24];
        }
#endif
        for (; x < breite; ++x)
            z[x] = tabelle[q[x]];
    }
#ifdef __SSE2__
    _mm_sfence();
#endif
}

void CPaarTabelle::Setzen(const uint32_t tabelle[256])
{
    if (!m_paare.empty() && std::memcmp(m_einzeln, tabelle, sizeof(m_einzeln)) == 0)
        return;
    std::memcpy(m_einzeln, tabelle, sizeof(m_einzeln));
    m_paare.resize(size_t(1) << 16);
    for (size_t zweiter = 0; zweiter < 256; ++zweiter) {
        const uint64_t hoch = uint64_t(tabelle[zweiter]) << 32;
        for (size_t erster = 0; erster < 256; ++erster)
            m_paare[zweiter << 8 | erster] = hoch | tabelle[erster];
    }
}

namespace {

// Frames are written, never read back: every target pixel is stored so that
// it bypasses the cache, which spares reading each target line from memory
// first (the target is often shared memory that the X server has just
// read). A pixel stored through the cache instead, as at a span's unaligned
// ends, costs such a read, and where the rest of the row gives it nothing
// to overlap with (a narrow span, a second pass over the same rows) one
// read per row stalls the whole pass.
inline void Schreiben(uint32_t* z, uint32_t pixel)
{
#ifdef __SSE2__
    _mm_stream_si32(reinterpret_cast<int*>(z), int(pixel));
#else
    *z = pixel;
#endif
}

// Pixels up to the next 16-byte boundary, at most n.
inline LONG BisAusgerichtet(const uint32_t* z, LONG n)
{
    return std::min<LONG>(n, LONG((16 - (reinterpret_cast<uintptr_t>(z) & 15)) & 15) / 4);
}

void FuellenInZeile(uint32_t* z, LONG w, uint32_t pixel)
{
    LONG x = 0;
#ifdef __SSE2__
    for (const LONG kopf = BisAusgerichtet(z, w); x < kopf; ++x)
        Schreiben(z + x, pixel);
    const __m128i vier = _mm_set1_epi32(int(pixel));
    for (; x + 4 <= w; x += 4)
        _mm_stream_si128(reinterpret_cast<__m128i*>(z + x), vier);
#endif
    for (; x < w; ++x)
        Schreiben(z + x, pixel);
}

// One row of a copy: eight pixels from four pair lookups, the source read
// at any offset, the target in aligned stores.
void PaarweiseInZeile(const BYTE* __restrict q, uint32_t* __restrict z, LONG w, const CPaarTabelle& tabelle)
{
    const uint32_t* einzeln = tabelle.Einzeln();
    const uint64_t* paare = tabelle.Paare();
    LONG x = 0;
#ifdef __SSE2__
    for (const LONG kopf = BisAusgerichtet(z, w); x < kopf; ++x)
        Schreiben(z + x, einzeln[q[x]]);
    for (; x + 8 <= w; x += 8) {
        uint64_t acht;
        std::memcpy(&acht, q + x, 8);
        _mm_stream_si128(reinterpret_cast<__m128i*>(z + x),
                         _mm_set_epi64x(int64_t(paare[(acht >> 16) & 0xFFFF]), int64_t(paare[acht & 0xFFFF])));
        _mm_stream_si128(reinterpret_cast<__m128i*>(z + x + 4),
                         _mm_set_epi64x(int64_t(paare[acht >> 48]), int64_t(paare[(acht >> 32) & 0xFFFF])));
    }
    if (x + 4 <= w) {
        uint32_t vier;
        std::memcpy(&vier, q + x, 4);
        _mm_stream_si128(reinterpret_cast<__m128i*>(z + x),
                         _mm_set_epi64x(int64_t(paare[vier >> 16]), int64_t(paare[vier & 0xFFFF])));
        x += 4;
    }
#else
    for (; x + 8 <= w; x += 8) {
        uint64_t acht;
        std::memcpy(&acht, q + x, 8);
        for (int i = 0; i < 4; ++i)
            std::memcpy(z + x + 2 * i, &paare[(acht >> (16 * i)) & 0xFFFF], 8);
    }
#endif
    for (; x < w; ++x)
        Schreiben(z + x, einzeln[q[x]]);
}

} // namespace

void Zusammensetzen8Nach32(const std::vector<CBildSchritt>& schritte, uint32_t* ziel, LONG zielPitchBytes, LONG breite,
                           LONG hoehe, const CPaarTabelle& paarTabelle)
{
    const uint32_t* tabelle = paarTabelle.Einzeln();
    // The steps clipped to the target.
    struct CTeil {
        const CBildSchritt* s;
        LONG links, oben, breite, hoehe;
    };
    std::vector<CTeil> teile;
    teile.reserve(schritte.size());
    for (const CBildSchritt& s : schritte) {
        const LONG links = std::max<LONG>(s.ziel.left, 0), oben = std::max<LONG>(s.ziel.top, 0);
        const LONG w = std::min<LONG>(s.ziel.right, breite) - links, h = std::min<LONG>(s.ziel.bottom, hoehe) - oben;
        if (w > 0 && h > 0)
            teile.push_back({&s, links, oben, w, h});
    }
    // Row by row, each row's steps in their order: the parts of a target
    // line that two steps write meet while the line is still being
    // gathered, so it goes out whole, once.
    for (LONG y = 0; y < hoehe; ++y) {
        uint32_t* zeile = reinterpret_cast<uint32_t*>(reinterpret_cast<BYTE*>(ziel) + ptrdiff_t(y) * zielPitchBytes);
        for (const CTeil& t : teile) {
            if (y < t.oben || y >= t.oben + t.hoehe)
                continue;
            const CBildSchritt& s = *t.s;
            uint32_t* z = zeile + t.links;
            if (s.art == CBildSchritt::EArt::Fuellen) {
                FuellenInZeile(z, t.breite, tabelle[s.farbe]);
                continue;
            }
            const BYTE* q = s.pixel + ptrdiff_t(s.quelle.top + y - s.ziel.top) * s.pitch + s.quelle.left + t.links -
                            s.ziel.left;
            if (s.art == CBildSchritt::EArt::Kopieren || s.von > s.bis) {
                PaarweiseInZeile(q, z, t.breite, paarTabelle);
                continue;
            }
            // Indices in [von, bis] are left out.
            const BYTE von = s.von, spanne = BYTE(s.bis - s.von);
            for (LONG x = 0; x < t.breite; ++x)
                if (BYTE(q[x] - von) > spanne)
                    Schreiben(z + x, tabelle[q[x]]);
        }
    }
#ifdef __SSE2__
    _mm_sfence();
#endif
}
