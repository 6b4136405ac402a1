// Storing and loading a training with 100 reports of 36 stimuli each; what
// the training view asks of a saccade report of a million stimuli when its
// page is shown and when a chart is chosen.
#include <benchmark/benchmark.h>

#include "model/aufgabenbits.h"
#include "model/training.h"
#include "platform/archiv.h"
#include "workplace/benutzerprofil.h"
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

// A 10 x 8 grid walked through a million times; every reaction marked,
// some judged right, some wrong.
struct CSakkadenFall {
    CBenutzerprofil profil;
    CUmgebung umgebung;
    CTraining training;

    CSakkadenFall()
    {
        CAnzeigeOptionen o = profil.GetAnzeigeOptionen();
        o.SetEinheit(0x0002 | 0x0200);
        profil.SetAnzeigeoptionen(o);
        umgebung.SetProfil(&profil);
        umgebung.Berechnen();
        training.SetUmgebung(&umgebung);
        CSakkaden sk = training.GetSakkaden();
        sk.m_nSpalten = 10;
        sk.m_nZeilen = 8;
        training.SetSakkaden(sk);
        CTrainingsBericht b;
        b.m_dwAufgabenFlags = aufgabe::ZIELE | aufgabe::REAKTIONSTASTE | aufgabe::RUECKMELDUNG | aufgabe::TRAINING;
        b.m_nRasterSpalten = 10;
        b.m_nRasterZeilen = 8;
        b.m_rcPositionen = RECT{112, 184, 912, 584};
        constexpr int n = 1'000'000;
        b.SetAnzahlReize(n);
        for (int i = 0; i < n; ++i) {
            b.SetPunkt(i, 112 + 80 * (i % 10), 184 + 50 * ((i / 10) % 8));
            b.SetZeit(i, 300 + 13 * (i % 97) + 2 * (i % 10));
            b.SetMarke(i);
            if (i % 7 == 0)
                b.IncZaehler2(i);
            else if (i % 3 == 0)
                b.IncZaehler3(i);
        }
        training.SetBericht(0, &b);
    }
};

// The view's calls for one report page: evaluation, result text, the chosen
// chart built with its line texts. Painting a million reactions is the
// drawing context's work and left out.
void Trainingsseite(CTraining& t, int diagramm)
{
    std::string mittel, abschnitt, steigung;
    t.BerichtAuswerten(0);
    t.GetErgebnisText(mittel, 0);
    t.GetSteigungText(diagramm, abschnitt, steigung, 0);
    benchmark::DoNotOptimize(steigung);
}

// A report page shown for the first time after the report changed.
void BM_TrainingsseiteZeigen(benchmark::State& state)
{
    CSakkadenFall f;
    for (auto _ : state) {
        state.PauseTiming();
        f.training.GetBericht(0)->SetZeit(0, 300);
        state.ResumeTiming();
        Trainingsseite(f.training, 0);
    }
}
BENCHMARK(BM_TrainingsseiteZeigen)->Iterations(3)->Unit(benchmark::kMillisecond);

// The other chart chosen on the page of an unchanged report.
void BM_TrainingsdiagrammWaehlen(benchmark::State& state)
{
    CSakkadenFall f;
    for (auto _ : state) {
        state.PauseTiming();
        f.training.GetBericht(0)->SetZeit(0, 300);
        Trainingsseite(f.training, 0);
        state.ResumeTiming();
        Trainingsseite(f.training, 1);
    }
}
BENCHMARK(BM_TrainingsdiagrammWaehlen)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
