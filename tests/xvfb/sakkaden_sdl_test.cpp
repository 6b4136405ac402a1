// The saccade training on the SDL display under a real X server, the keys
// pushed as SDL events on the display's own clock.

#include "platform/display/memory/png.h"
#include "sdl_lauf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

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
    CSdlLauf lauf;
    CSakkaden s = lauf.training.GetSakkaden();
    s.m_nDurchgaenge = 3;
    lauf.training.SetSakkaden(s);

    // Enter leaves the ready screen; two reactions; Escape as a last resort.
    const int ergebnis = lauf.Laufen(
        std::make_shared<CSdlAnzeige>(),
        [](const std::atomic<bool>& fertig) {
            const auto start = std::chrono::steady_clock::now();
            auto bei = [&](int ms, SDL_Keycode taste) {
                while (!fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                if (!fertig)
                    SdlTasteDruecken(taste);
            };
            bei(1500, SDLK_RETURN);
            bei(2200, SDLK_SPACE);
            bei(2900, SDLK_SPACE);
            bei(15000, SDLK_ESCAPE);
        },
        [](CPraesentation& p) { Speichern(p, "sakkaden_sdl_letztes_bild"); });
    EXPECT_EQ(ergebnis, 0) << lauf.fehler;
    const CTrainingsBericht& b = lauf.bericht;
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
}

} // namespace
