// Evaluating a test report of 400, 10,000 and 100,000 trials (adjustment
// method, both orientations), alone and with its deviation chart drawn into
// the recording context; and what the test view asks of a report at the
// 1,000,000-trial limit when its page is shown and when a chart is chosen.

#include <benchmark/benchmark.h>

#include "model/aufgabenbits.h"
#include "model/test.h"
#include "platform/draw/recorder/recorder_dc.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

struct CFall {
    CBenutzerprofil profil;
    CUmgebung umgebung;
    CTest test;

    explicit CFall(int n,
                   uint32_t flags = aufgabe::LINIEN | aufgabe::EINSTELLUNG | aufgabe::HORIZONTAL | aufgabe::VERTIKAL)
    {
        CAnzeigeOptionen o = profil.GetAnzeigeOptionen();
        o.SetEinheit(0x0002 | 0x0200);
        profil.SetAnzeigeoptionen(o);
        umgebung.SetProfil(&profil);
        umgebung.Berechnen();
        test.SetUmgebung(&umgebung);
        CLinien l = test.GetLinien();
        l.m_nHLaengeStufen = 5;
        l.m_nHPositionStufen = 4;
        l.m_nHTrennStufen = 5;
        l.m_nVLaengeStufen = 1;
        l.m_nVPositionStufen = 1;
        l.m_nVTrennStufen = 1;
        l.m_nWiederholungen = n / 100;
        test.SetLinien(l);
        CTestBericht b;
        b.m_dwTestFlags = flags;
        b.SetAnzahlReize(n);
        for (int s = 0; s < n; ++s) {
            const int breite = 100 + 40 * (s % 5), x = 200 + 150 * ((s / 25) % 4);
            b.SetRechteck1(s, RECT{x, 380, x + breite, 388});
            b.SetRechteck2(s, RECT{x + breite / 2 + s % 13 - 6, 300, x + breite / 2 + s % 13 - 2, 500});
            b.SetRechteck3(s, RECT{500, 384 + s % 7, 504, 388 + s % 7});
            b.SetRechteck4(s, RECT{x + breite / 3, 370, x + breite / 3 + 4, 398});
            b.SetZeit(s, 1500 + 7 * (s % 1000));
            // Answers of the constant-stimuli method: more "rechts" the further right the mark.
            for (int k = 0; k < 4; ++k)
                (k < (s % 13) / 3 ? b.IncZaehler2(s) : b.IncZaehler1(s));
            b.IncZaehler3(s);
            b.IncZaehler4(s);
        }
        test.SetBericht(0, b);
    }
};

void BM_TestberichtAuswerten(benchmark::State& state)
{
    CFall f(static_cast<int>(state.range(0)));
    std::string zeit, h1, h2, v1, v2;
    for (auto _ : state) {
        f.test.GetBericht(0)->SetZeit(0, 1500); // a changed report is evaluated anew
        f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0);
        benchmark::DoNotOptimize(zeit);
    }
}
BENCHMARK(BM_TestberichtAuswerten)->Arg(400)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_TestberichtAuswertenUndZeichnen(benchmark::State& state)
{
    CFall f(static_cast<int>(state.range(0)));
    CRecorderDC dc;
    std::string zeit, h1, h2, v1, v2;
    for (auto _ : state) {
        f.test.GetBericht(0)->SetZeit(0, 1500);
        f.test.GetErgebnisText(zeit, h1, h2, v1, v2, 0);
        dc.Leeren();
        f.test.DiagrammZeichnen(0, &dc, RECT{0, 0, 800, 500}, nullptr, 0);
        benchmark::DoNotOptimize(dc.Eintraege().size());
    }
}
BENCHMARK(BM_TestberichtAuswertenUndZeichnen)->Arg(400)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The view's calls for one report page: result texts, chart names, the
// chosen chart's parameter texts, then the chart painted.
void Berichtsseite(CTest& test, int diagramm, CRecorderDC& dc)
{
    std::string zeit, h1, h2, v1, v2;
    std::vector<std::string> namen;
    int abw = 0, hfgk = 0;
    test.GetErgebnisText(zeit, h1, h2, v1, v2, 0);
    test.GetDiagrammNamen(namen, abw, hfgk, 0);
    test.GetAchsentitel(diagramm, h1, h2, 0);
    dc.Leeren();
    test.DiagrammZeichnen(diagramm, &dc, RECT{0, 0, 800, 500}, nullptr, 0);
    benchmark::DoNotOptimize(dc.Eintraege().size());
}

constexpr uint32_t kEinstellung = aufgabe::LINIEN | aufgabe::EINSTELLUNG | aufgabe::HORIZONTAL | aufgabe::VERTIKAL;
constexpr uint32_t kKonstant = aufgabe::LINIEN | aufgabe::KONSTANT | aufgabe::HORIZONTAL | aufgabe::VERTIKAL;

// A report page shown for the first time after the report changed.
void BM_BerichtsseiteZeigen(benchmark::State& state)
{
    CFall f(1'000'000, static_cast<uint32_t>(state.range(0)));
    CRecorderDC dc;
    for (auto _ : state) {
        state.PauseTiming();
        f.test.GetBericht(0)->SetZeit(0, 1500);
        state.ResumeTiming();
        Berichtsseite(f.test, 0, dc);
    }
}
BENCHMARK(BM_BerichtsseiteZeigen)->Arg(kEinstellung)->Arg(kKonstant)->Unit(benchmark::kMillisecond);

// A chart chosen for the first time on the page of an unchanged report:
// the page was shown with the first chart, so this choice groups anew.
void BM_DiagrammWaehlen(benchmark::State& state)
{
    CFall f(1'000'000, static_cast<uint32_t>(state.range(0)));
    CRecorderDC dc;
    for (auto _ : state) {
        state.PauseTiming();
        f.test.GetBericht(0)->SetZeit(0, 1500);
        Berichtsseite(f.test, 0, dc);
        state.ResumeTiming();
        Berichtsseite(f.test, static_cast<int>(state.range(1)), dc);
    }
}
BENCHMARK(BM_DiagrammWaehlen)
    ->ArgsProduct({{kEinstellung, kKonstant}, {1, 2, 3, 4, 5}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
