// Converting one 8-bit frame through the palette, as the SDL display does
// for a frame it cannot compose from kept surfaces (and once per change of
// a kept surface).
#include "platform/display/ddraw.h"
#include "platform/display/pixel8.h"

#include <benchmark/benchmark.h>

#include <vector>

static void BM_Umwandeln1920x1080(benchmark::State& state)
{
    constexpr LONG B = 1920, H = 1080;
    std::vector<BYTE> bild(size_t(B) * H);
    for (size_t i = 0; i < bild.size(); ++i)
        bild[i] = BYTE((i * 7919) >> 3);
    std::vector<uint32_t> ziel(size_t(B) * H);
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = {BYTE(i), BYTE(255 - i), BYTE(i * 3), 0};
    uint32_t tabelle[256];
    for (auto _ : state) {
        TabelleAusPalette(palette, tabelle);
        Umwandeln8Nach32(bild.data(), B, ziel.data(), B * 4, B, H, tabelle);
        benchmark::DoNotOptimize(ziel.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * B * H);
}
BENCHMARK(BM_Umwandeln1920x1080)->Unit(benchmark::kMicrosecond);

// A frame composed from one copy step, two pixels per lookup; with
// Arg(1) the palette changes every frame, so the pair table is rebuilt
// each time (its worst case).
static void BM_Zusammensetzen1920x1080(benchmark::State& state)
{
    constexpr LONG B = 1920, H = 1080;
    std::vector<BYTE> bild(size_t(B) * H);
    for (size_t i = 0; i < bild.size(); ++i)
        bild[i] = BYTE((i * 7919) >> 3);
    std::vector<uint32_t> ziel(size_t(B) * H);
    CBildSchritt s;
    s.art = CBildSchritt::EArt::Kopieren;
    s.ziel = s.quelle = {0, 0, B, H};
    s.pixel = bild.data();
    s.pitch = B;
    const std::vector<CBildSchritt> schritte{s};
    uint32_t tabelle[256];
    for (int i = 0; i < 256; ++i)
        tabelle[i] = 0xFF000000u | uint32_t(i * 0x010203);
    CPaarTabelle paare;
    for (auto _ : state) {
        if (state.range(0))
            ++tabelle[0];
        paare.Setzen(tabelle);
        Zusammensetzen8Nach32(schritte, ziel.data(), B * 4, B, H, paare);
        benchmark::DoNotOptimize(ziel.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * B * H);
}
BENCHMARK(BM_Zusammensetzen1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
