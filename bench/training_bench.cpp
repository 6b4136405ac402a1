// Storing and loading a training with 100 reports of 36 stimuli each.
#include <benchmark/benchmark.h>

#include "model/training.h"
#include "platform/archiv.h"
#include "workplace/umgebung.h"

namespace {

void Fuellen(CTraining& t)
{
    CTrainingsBericht b;
    b.SetAnzahlReize(36);
    for (int i = 0; i < 36; ++i) {
        b.SetRechteck(i, i, i + 1, i + 20, i + 21);
        b.SetPunkt(i, i + 10, i + 11);
        b.SetZeit(i, 500 + i);
        b.IncZaehler3(i);
    }
    for (int i = 0; i < 100; ++i) {
        b.m_nTag = 20000 + i;
        t.SetBericht(i, &b);
    }
}

void BM_TrainingSpeichern(benchmark::State& state)
{
    CUmgebung umgebung;
    CTraining t;
    t.SetUmgebung(&umgebung);
    Fuellen(t);
    for (auto _ : state) {
        CArchive ar;
        t.Serialize(ar);
        benchmark::DoNotOptimize(ar.GetBytes().data());
    }
}
BENCHMARK(BM_TrainingSpeichern)->Unit(benchmark::kMicrosecond);

void BM_TrainingLaden(benchmark::State& state)
{
    CUmgebung umgebung;
    CTraining t;
    t.SetUmgebung(&umgebung);
    Fuellen(t);
    CArchive ar;
    t.Serialize(ar);
    const std::vector<uint8_t> bytes = ar.GetBytes();
    CTraining ziel;
    ziel.SetUmgebung(&umgebung);
    for (auto _ : state) {
        CArchive lesen(bytes, "/tmp/bench.lmt");
        benchmark::DoNotOptimize(ziel.Serialize(lesen));
    }
}
BENCHMARK(BM_TrainingLaden)->Unit(benchmark::kMicrosecond);

} // namespace
