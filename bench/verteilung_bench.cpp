// Placing objects at random outside an inner area on a full-HD display.
#include <benchmark/benchmark.h>

#include "platform/crt.h"
#include "workplace/verteilung.h"

static void BM_ZufallAusserhalbInnenbereich(benchmark::State& state)
{
    const int anzahl = static_cast<int>(state.range(0));
    CVerteilung v;
    v.SetBereich({0, 0, 1920, 1080}, {0, 0, 32, 32});
    v.SetInnenbereich({480, 270, 1440, 810});
    crt::srand(1);
    for (auto _ : state) {
        v.SetAnzahl(anzahl, 4);
        benchmark::DoNotOptimize(v.GetRechteck(anzahl - 1));
    }
    state.SetItemsProcessed(state.iterations() * anzahl);
}
BENCHMARK(BM_ZufallAusserhalbInnenbereich)->Arg(1000);

static void BM_VerschobenesRaster(benchmark::State& state)
{
    CVerteilung v;
    v.SetBereich({0, 0, 1920, 1080}, {0, 0, 32, 32});
    v.SetInnenbereich({480, 270, 1440, 810});
    crt::srand(1);
    for (auto _ : state) {
        v.SetRaster(24, 42, 2 | 16);
        benchmark::DoNotOptimize(v.GetRechteck(0));
    }
}
BENCHMARK(BM_VerschobenesRaster);
