#pragma once

// What the runs on the SDL display under X share: keys pushed as SDL
// events, and the last frame saved for a person to look at.

#include "presentation/praesentation.h"

#include <SDL.h>

#include <string>

void Druck(SDL_Keycode taste, bool unten);

// The primary surface (the last frame) through the run's palette to
// <artifacts>/<name>.png.
void Speichern(CPraesentation& p, const std::string& name);
