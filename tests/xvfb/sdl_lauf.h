#pragma once

// What the X tests add to the shared run: the screen, keys at set times,
// frames as RGB and saved for a person to look at.

#include "platform/display/memory/png.h"
#include "platform/display/pixel8.h"
#include "presentation/oberflaeche_dc.h"
#include "sdl_trainingslauf.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// The screen's top-left breite x hoehe pixels as 0xRRGGBB, cut to the
// screen (breite and hoehe become the size grabbed; empty without an X
// server); kept apart, since Xlib's macros clash with GoogleTest.
std::vector<uint32_t> Bildschirmfoto(int& breite, int& hoehe);

struct XTest : ::testing::Test {
    void SetUp() override
    {
        // A display of another size, or a server of a desktop session, is no
        // place for these tests: they run on the Xvfb that scripts/test starts.
        if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY") || !std::getenv("DISPLAY") ||
            std::system("command -v xdotool >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "braucht einen X-Server und xdotool (scripts/test startet Xvfb)";
    }
};

// Sleeps until ms after start or until the run has ended.
inline void Bis(const std::atomic<bool>& fertig, std::chrono::steady_clock::time_point start, int ms)
{
    while (!fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Each key pressed for 50 ms at its time in ms from the start.
inline Tasten Tastenfolge(std::vector<std::pair<int, SDL_Keycode>> folge)
{
    return [folge = std::move(folge)](const std::atomic<bool>& fertig) {
        const auto start = std::chrono::steady_clock::now();
        for (const auto& [ms, taste] : folge) {
            Bis(fertig, start, ms);
            if (!fertig)
                SdlTasteDruecken(taste, 50);
        }
    };
}

// 8-bit pixels through their palette as 0xRRGGBB, as the X screen reads.
inline std::vector<uint32_t> Rgb(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette, int breite, int hoehe)
{
    uint32_t tabelle[256];
    TabelleAusPalette(palette, tabelle);
    for (uint32_t& farbe : tabelle)
        farbe &= 0xFFFFFF;
    std::vector<uint32_t> rgb(size_t(breite) * size_t(hoehe));
    Umwandeln8Nach32(pixel, pitch, rgb.data(), LONG(breite) * 4, breite, hoehe, tabelle);
    return rgb;
}

inline void Speichern(const std::vector<uint32_t>& rgb, int breite, int hoehe, const std::string& name)
{
    if (rgb.size() != size_t(std::max(breite, 0)) * size_t(std::max(hoehe, 0)))
        return;
    std::vector<uint8_t> b;
    b.reserve(rgb.size() * 3);
    for (uint32_t p : rgb)
        b.insert(b.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    PngSchreiben(Artefakt(name), breite, hoehe, b);
}

// The primary surface: the last frame.
inline void Speichern(CPraesentation& p, const std::string& name)
{
    COberflaechenSperre s(p.m_pPrimaer, nullptr, DDLOCK_WAIT | DDLOCK_READONLY);
    const DDSURFACEDESC& d = s.GetBeschreibung();
    if (s.Ok())
        Speichern(Rgb(s.Zeile(0), d.lPitch, p.m_Palette256, int(d.dwWidth), int(d.dwHeight)), int(d.dwWidth),
                  int(d.dwHeight), name);
}
