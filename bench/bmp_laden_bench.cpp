// Loading a full-screen 24-bit picture into the run's palette.
#include <benchmark/benchmark.h>

#include "platform/display/memory/speicher_anzeige.h"
#include "presentation/bmpdatei.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

std::string Bild1024x768()
{
    const int b = 1024, h = 768;
    const size_t zeile = size_t(b) * 3;
    std::vector<uint8_t> d(54 + zeile * h, 0);
    auto setze = [&](size_t o, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            d[o + size_t(i)] = uint8_t(v >> (8 * i));
    };
    setze(0, 0x4D42, 2);
    setze(2, uint32_t(d.size()), 4);
    setze(10, 54, 4);
    setze(14, 40, 4);
    setze(18, b, 4);
    setze(22, h, 4);
    setze(26, 1, 2);
    setze(28, 24, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x) {
            uint8_t* p = &d[54 + size_t(y) * zeile + size_t(x) * 3];
            const bool schwarz = ((x / 16) + (y / 16)) % 2 == 0;
            const uint8_t v = schwarz ? 0 : (x % 7 == 0 ? 0x80 : 0xFF);
            p[0] = p[1] = p[2] = v;
        }
    const std::string pfad = "/tmp/lumetra_bench_1024x768.bmp";
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
    return pfad;
}

void BM_BmpLaden24Bit(benchmark::State& state)
{
    auto anzeige = CSpeicherAnzeige::Installieren();
    IDirectDraw2* dd = nullptr;
    DirectDrawErzeugen(&dd);
    dd->Initialize(nullptr);
    std::vector<PALETTEENTRY> e(256);
    CPalette palette;
    palette.CreatePalette(e.data(), 256);
    const std::string pfad = Bild1024x768();
    IDirectDrawSurface* s = nullptr;
    for (auto _ : state) {
        if (BmpLaden(dd, &s, &palette, pfad, 11, 100, 1) != 0)
            state.SkipWithError("BmpLaden");
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 768);
    if (s)
        s->Release();
    dd->Release();
    std::remove(pfad.c_str());
}
BENCHMARK(BM_BmpLaden24Bit)->Unit(benchmark::kMillisecond);

} // namespace
