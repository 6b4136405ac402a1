#pragma once

// A run on the SDL display at the X screen's size, keys pushed from a thread
// of their own: a saccade training over a moving background unless the caller
// changes it or runs a test. Shared by the X tests and the SDL benchmark.

#include "platform/display/sdl/sdl_anzeige.h"
#include "support/laufumfeld.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Pressed and, ms later, released as SDL's own input reports keys (also
// those of a German layout that Xvfb's layout lacks).
inline void SdlTasteDruecken(SDL_Keycode taste, int ms = 30)
{
    for (bool unten : {true, false}) {
        SDL_Event e{};
        e.type = unten ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = unten ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = taste;
        e.key.timestamp = SDL_GetTicks();
        SDL_PushEvent(&e);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

// Runs on its own thread during the run and must end it (Escape); fertig
// tells it the run has ended.
using Tasten = std::function<void(const std::atomic<bool>&)>;

struct CSdlTrainingslauf : CLaufDaten {
    CTrainingsBericht bericht;
    CTestBericht testBericht;
    std::string fehler;

    // renderer: SDL's render driver ("" its default choice).
    explicit CSdlTrainingslauf(const char* renderer = "")
    {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, renderer);
        // SIGTERM (a time limit's) is the display's while it lives, as in the
        // program, and otherwise ends the test: SDL's handler would keep it.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        SDL_DisplayMode d{};
        SDL_GetDesktopDisplayMode(0, &d);
        Modus(DWORD(d.w), DWORD(d.h), 0);
        training.SetAufgabenart(10);
        CSakkaden s = training.GetSakkaden();
        s.m_nDurchgaenge = 10000;
        s.m_dPauseMin = s.m_dPauseMax = 0.3;
        s.m_dDauerMin = s.m_dDauerMax = 1.0;
        training.SetSakkaden(s);
        CHGMuster m = training.GetHGMuster();
        m.m_nArt = 10;
        training.SetHGMuster(m);
    }
    ~CSdlTrainingslauf()
    {
        AnzeigeTreiberWaehlen("");
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // The training (the test with mitTest) on treiber while tasten runs;
    // nachher sees the engine once the run has ended.
    int Laufen(std::shared_ptr<CAnzeigeTreiber> treiber, Tasten tasten,
               std::function<void(CPraesentation&)> nachher = {}, bool mitTest = false)
    {
        AnzeigeTreiberAnmelden("sdl-lauf", [treiber] { return treiber; });
        AnzeigeTreiberWaehlen("sdl-lauf");
        std::atomic<bool> fertig{false};
        std::thread t([&] { tasten(fertig); });
        int ergebnis = -1;
        {
            CPraesentation p;
            ergebnis = mitTest ? TestEinrichten(p) : TrainingEinrichten(p);
            if (ergebnis == 0)
                ergebnis = p.Darbieten();
            fertig = true;
            bericht = p.m_TrainingsBericht;
            testBericht = p.m_TestBericht;
            fehler = p.m_strFehler;
            if (nachher)
                nachher(p);
        }
        t.join();
        return ergebnis;
    }

    // The speed the training sets, in parts of the display width per second.
    double Sollgeschwindigkeit() const { return std::abs(training.GetHGBewegung().m_dGeschwindigkeit); }
};

// Mean, standard deviation and largest of the intervals between the times,
// in milliseconds, leaving out the first `ohne` times.
struct CPerioden {
    double mittel = 0, sd = 0, max = 0;
    size_t anzahl = 0;
};
inline CPerioden PeriodenAuswerten(const std::vector<CSdlAnzeige::Uhr::time_point>& zeiten, size_t ohne)
{
    CPerioden p;
    double quadrate = 0;
    for (size_t i = ohne + 1; i < zeiten.size(); ++i) {
        const double ms = std::chrono::duration<double, std::milli>(zeiten[i] - zeiten[i - 1]).count();
        p.mittel += ms;
        quadrate += ms * ms;
        p.max = std::max(p.max, ms);
        ++p.anzahl;
    }
    if (p.anzahl) {
        p.mittel /= double(p.anzahl);
        p.sd = std::sqrt(std::max(0.0, quadrate / double(p.anzahl) - p.mittel * p.mittel));
    }
    return p;
}
