// Converting one 8-bit frame through the palette, as the SDL display does
// for a frame it cannot compose from kept surfaces (and once per change of
// a kept surface).
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
