#pragma once

// What the X tests add to the shared run: the screen, keys at set times,
// frames as RGB and saved for a person to look at.

#include "sdl_trainingslauf.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// The whole X screen as 0xRRGGBB, grabbed from the X server (empty without
// one); kept apart, since Xlib's macros clash with GoogleTest.
std::vector<uint32_t> Bildschirmfoto(int& breite, int& hoehe);

// Skips the test without an X server.
struct XTest : ::testing::Test {
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X server";
    }
};

void Bis(const std::atomic<bool>& fertig, std::chrono::steady_clock::time_point start, int ms);
// Keys for CSdlTrainingslauf::Laufen: each pressed for 50 ms at its time in
// ms from the start, until the run has ended.
std::function<void(const std::atomic<bool>&)> Tastenfolge(std::vector<std::pair<int, SDL_Keycode>> folge);

// 8-bit pixels through their palette as 0xRRGGBB.
std::vector<uint32_t> Rgb(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette, int breite, int hoehe);
// RGB pixels, or the primary surface (the last frame), to <artifacts>/<name>.png.
void Speichern(const std::vector<uint32_t>& rgb, int breite, int hoehe, const std::string& name);
void Speichern(CPraesentation& p, const std::string& name);
