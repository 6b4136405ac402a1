#pragma once

// What the X tests add to the shared run: keys at set times, and frames
// saved for a person to look at.

#include "sdl_trainingslauf.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Keys for CSdlTrainingslauf::Laufen: each pressed for 50 ms at its time in
// ms from the start, until the run has ended.
std::function<void(const std::atomic<bool>&)> Tastenfolge(std::vector<std::pair<int, SDL_Keycode>> folge);

// 0xRRGGBB pixels, or the primary surface (the last frame) through the
// run's palette, to <artifacts>/<name>.png.
void Speichern(const std::vector<uint32_t>& rgb, int breite, int hoehe, const std::string& name);
void Speichern(CPraesentation& p, const std::string& name);
