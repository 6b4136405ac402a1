// The SDL display on a real X server (skipped without one): a saccade run
// over a moving background at the screen's size, against the naive loop
// that converts and uploads the whole 8-bit frame every frame. Run it under
// xvfb-run at each screen size of interest (scripts/bench does).
#include "sdl_referenz.h"
#include "xvfb/sdl_trainingslauf.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <X11/Xlib.h>
#include <X11/keysym.h>

// libXtst's, declared here: its header is not needed for one call.
extern "C" int XTestFakeKeyEvent(Display*, unsigned int, int, unsigned long);

namespace {

using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char* const RENDERER[] = {"", "software", "opengl"};

double CpuSekunden()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Args: renderer (0 the display's own choice: under Xvfb one pass into the window's
// surface; 1 SDL's software renderer, 2 OpenGL, both by name), seconds
// of the run.
void BM_SdlSakkadenlauf(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X server");
        return;
    }
    for (auto _ : state) {
        CSdlTrainingslauf lauf(RENDERER[state.range(0)]);
        auto sdl = std::make_shared<CSdlAnzeige>();
        sdl->Messung().an = true;
        double cpu0 = 0, cpu1 = 0;
        Uhr::time_point wand0, wand1;
        const int ergebnis = lauf.Laufen(sdl, [&](const std::atomic<bool>&) {
            std::this_thread::sleep_for(1000ms);
            SdlTasteDruecken(SDLK_RETURN);
            std::this_thread::sleep_for(1000ms);
            cpu0 = CpuSekunden();
            wand0 = Uhr::now();
            std::this_thread::sleep_for(std::chrono::seconds(state.range(1)));
            cpu1 = CpuSekunden();
            wand1 = Uhr::now();
            SdlTasteDruecken(SDLK_ESCAPE);
        });
        if (ergebnis != 0) {
            state.SkipWithError(lauf.fehler.c_str());
            return;
        }
        const auto& m = sdl->Messung();
        double bilder = 0;
        for (const auto& t : m.gezeigt)
            bilder += t >= wand0 && t < wand1;
        const CPerioden p = PeriodenAuswerten(m.gezeigt, 5);
        state.counters["Breite"] = sdl->ModusInKraft().breite;
        // The whole run (engine, key polls, display) and the display's path
        // alone (composing and presenting), per frame.
        state.counters["cpu_ms_je_Bild"] = (cpu1 - cpu0) * 1000.0 / bilder;
        state.counters["Pfad_cpu_ms_je_Bild"] = m.cpuPfad * 1000.0 / double(m.gezeigt.size());
        state.counters["wand_ms_je_Bild"] = std::chrono::duration<double, std::milli>(wand1 - wand0).count() / bilder;
        state.counters["Periode_ms"] = p.mittel;
        state.counters["Periode_sd_ms"] = p.sd;
        state.counters["Periode_max_ms"] = p.max;
        state.counters["Geschwindigkeit"] = std::abs(lauf.bericht.m_dStandardGeschwindigkeit);
        state.counters["Soll"] = lauf.Sollgeschwindigkeit();
        state.counters["zusammengesetzt"] = double(m.zusammengesetzt);
        state.counters["umgewandelt"] = double(m.umgewandelt);
        state.counters["Software"] = sdl->IstSoftware();
        state.counters["Vorlauf_ms"] = std::chrono::duration<double, std::milli>(sdl->Vorlauf()).count();
    }
}
BENCHMARK(BM_SdlSakkadenlauf)->Args({0, 30})->Args({1, 10})->Args({2, 10})->Iterations(1)->Unit(benchmark::kSecond);

// Space pressed through XTEST as a keyboard does, 200 times during the run
// (SDL's default choice): from the press to the poll that reports it.
void BM_Tastenverzoegerung(benchmark::State& state)
{
    Display* x = std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr;
    if (!x) {
        state.SkipWithError("no X server");
        return;
    }
    const unsigned leertaste = XKeysymToKeycode(x, XK_space);
    for (auto _ : state) {
        CSdlTrainingslauf lauf;
        auto sdl = std::make_shared<CSdlAnzeige>();
        sdl->Messung().an = true;
        std::vector<Uhr::time_point> gedrueckt;
        const int ergebnis = lauf.Laufen(sdl, [&](const std::atomic<bool>&) {
            std::this_thread::sleep_for(1000ms);
            SdlTasteDruecken(SDLK_RETURN);
            std::this_thread::sleep_for(1000ms);
            for (int i = 0; i < 200; ++i) {
                gedrueckt.push_back(Uhr::now());
                XTestFakeKeyEvent(x, leertaste, True, 0);
                XFlush(x);
                std::this_thread::sleep_for(50ms + std::chrono::milliseconds(i % 7));
                XTestFakeKeyEvent(x, leertaste, False, 0);
                XFlush(x);
                std::this_thread::sleep_for(100ms + std::chrono::milliseconds(i % 11));
            }
            SdlTasteDruecken(SDLK_ESCAPE);
        });
        if (ergebnis != 0) {
            state.SkipWithError(lauf.fehler.c_str());
            break;
        }
        // Each press against the first report after it; none within 50 ms: lost.
        const auto& gesehen = sdl->Messung().gesehen;
        std::vector<double> ms;
        for (const auto& t : gedrueckt) {
            const auto g = std::lower_bound(gesehen.begin(), gesehen.end(), t);
            if (g != gesehen.end() && *g - t < 50ms)
                ms.push_back(std::chrono::duration<double, std::milli>(*g - t).count());
        }
        std::sort(ms.begin(), ms.end());
        state.counters["verloren"] = double(gedrueckt.size() - ms.size());
        if (!ms.empty()) {
            state.counters["p50_ms"] = ms[ms.size() / 2];
            state.counters["p90_ms"] = ms[ms.size() * 9 / 10];
            state.counters["ueber_2ms"] = double(std::count_if(ms.begin(), ms.end(), [](double v) { return v > 2; }));
            state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
            state.counters["max_ms"] = ms.back();
        }
    }
    XCloseDisplay(x);
}
BENCHMARK(BM_Tastenverzoegerung)->Iterations(1)->Unit(benchmark::kSecond);

// Args: renderer as above.
void BM_Referenzschleife(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X server");
        return;
    }
    for (auto _ : state) {
        double cpu = 0, wand = 0;
        if (ReferenzschleifeLaufen(RENDERER[state.range(0)], 300, &cpu, &wand) != 0) {
            state.SkipWithError("SDL refused the window");
            return;
        }
        state.counters["cpu_ms_je_Bild"] = cpu;
        state.counters["wand_ms_je_Bild"] = wand;
    }
}
BENCHMARK(BM_Referenzschleife)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
