// Storing and loading a test file with 100 reports of 40 stimuli and 120
// trials each, as a long series of runs leaves it.

#include <benchmark/benchmark.h>

#include "model/test.h"
#include "platform/archiv.h"

namespace {

CTest TestMitBerichten()
{
    CTest t;
    for (int b = 0; b < 100; ++b) {
        CTestBericht r;
        r.SetAnzahlReize(40);
        r.SetAnzahlDurchgaenge(120);
        for (int d = 0; d < 120; ++d)
            r.SetDurchgang(d, d % 40);
        for (int i = 0; i < 40; ++i) {
            r.SetRechteck1(i, RECT{i, i, i + 100, i + 10});
            r.IncZaehler1(i);
            r.SetZeit(i, 1000 + i);
        }
        t.SetBericht(b, r);
    }
    return t;
}

void Speichern(benchmark::State& state)
{
    CTest t = TestMitBerichten();
    for (auto _ : state) {
        CArchive aus;
        t.Serialize(aus);
        benchmark::DoNotOptimize(aus.GetBytes().data());
    }
}
BENCHMARK(Speichern)->Unit(benchmark::kMicrosecond);

void Laden(benchmark::State& state)
{
    CTest t = TestMitBerichten();
    CArchive aus;
    t.Serialize(aus);
    const auto bytes = aus.GetBytes();
    state.SetBytesProcessed(0);
    for (auto _ : state) {
        CArchive ein(bytes, "/bench.lmd");
        CTest gelesen;
        benchmark::DoNotOptimize(gelesen.Serialize(ein));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(Laden)->Unit(benchmark::kMicrosecond);

} // namespace
