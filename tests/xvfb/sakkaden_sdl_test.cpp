// The saccade training on the SDL display under a real X server, the keys
// pushed as SDL events on the display's own clock.

#include "model/training.h"
#include "platform/crt.h"
#include "platform/display/memory/png.h"
#include "platform/display/sdl/sdl_anzeige.h"
#include "presentation/praesentation.h"
#include "presentation/rahmen.h"
#include "sdl_druck.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

// The primary surface (the last frame) through the run's palette.
void Speichern(CPraesentation& p, const std::string& name)
{
    DDSURFACEDESC d;
    if (!p.m_pPrimaer || p.m_pPrimaer->Lock(nullptr, &d, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK)
        return;
    std::vector<uint8_t> rgb(size_t(d.dwWidth) * d.dwHeight * 3);
    for (DWORD y = 0; y < d.dwHeight; ++y)
        for (DWORD x = 0; x < d.dwWidth; ++x) {
            const PALETTEENTRY& e = p.m_Palette256[static_cast<const BYTE*>(d.lpSurface)[y * d.lPitch + x]];
            uint8_t* q = &rgb[(size_t(y) * d.dwWidth + x) * 3];
            q[0] = e.peRed, q[1] = e.peGreen, q[2] = e.peBlue;
        }
    p.m_pPrimaer->Unlock(nullptr);
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    PngSchreiben(std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png", int(d.dwWidth), int(d.dwHeight), rgb);
}

TEST(SakkadenSdl, TrainingUnterX)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server";
    SdlAnzeigeAnmelden();
    ASSERT_EQ(AnzeigeTreiberWaehlen("sdl"), 0);
    int anwendung = 0;
    RahmenAnmelden(reinterpret_cast<CLumetraApp*>(&anwendung), HWND(&anwendung));

    CBenutzerprofil profil;
    CUmgebung umgebung(&profil);
    CTraining training;
    training.SetUmgebung(&umgebung);
    training.SetAufgabenart(10);
    CSakkaden s = training.GetSakkaden();
    s.m_nDurchgaenge = 3;
    s.m_dPauseMin = s.m_dPauseMax = 0.3;
    s.m_dDauerMin = s.m_dDauerMax = 1.0;
    training.SetSakkaden(s);
    CHGMuster m = training.GetHGMuster();
    m.m_nArt = 10;
    training.SetHGMuster(m);

    // Enter leaves the ready screen; two reactions; Escape as a last resort.
    std::atomic<bool> fertig{false};
    std::thread tasten([&fertig] {
        using namespace std::chrono_literals;
        const auto start = std::chrono::steady_clock::now();
        auto bei = [&](int ms, SDL_Keycode taste, bool unten) {
            while (!fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
                std::this_thread::sleep_for(5ms);
            if (!fertig)
                SdlDruck(taste, unten);
        };
        bei(1500, SDLK_RETURN, true);
        bei(1550, SDLK_RETURN, false);
        bei(2200, SDLK_SPACE, true);
        bei(2250, SDLK_SPACE, false);
        bei(2900, SDLK_SPACE, true);
        bei(2950, SDLK_SPACE, false);
        bei(15000, SDLK_ESCAPE, true);
        bei(15050, SDLK_ESCAPE, false);
    });
    int ergebnis = -1;
    {
        CPraesentation p;
        ergebnis = p.TrainingDarbieten(&profil, &umgebung, &training, &anwendung);
        fertig = true;
        EXPECT_EQ(ergebnis, 0) << p.m_strFehler;
        const CTrainingsBericht& b = p.m_TrainingsBericht;
        EXPECT_EQ(b.GetAnzahlReize(), 3);
        EXPECT_GT(b.m_dLaufzeit, 0.5);
        EXPECT_NE(b.m_dStandardGeschwindigkeit, 0.0);
        EXPECT_GT(b.GetRechteck(0).right, b.GetRechteck(0).left);
        int zeiten = 0;
        for (int i = 0; i < 3; ++i)
            zeiten += b.GetZeit(i) > 0;
        EXPECT_EQ(zeiten, 3);
        std::printf("Laufzeit %.1f s, Zeiten %u %u %u, Marken %u %u %u\n", b.m_dLaufzeit, b.GetZeit(0), b.GetZeit(1),
                    b.GetZeit(2), b.GetMarke(0), b.GetMarke(1), b.GetMarke(2));
        Speichern(p, "sakkaden_sdl_letztes_bild");
    }
    tasten.join();
    RahmenAnmelden(nullptr, nullptr);
    AnzeigeTreiberWaehlen("");
}

} // namespace
