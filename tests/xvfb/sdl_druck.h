#pragma once

// A key event as SDL's own input would report it, for runs on the SDL
// display under a real X server.

#include <SDL.h>

inline void SdlDruck(SDL_Keycode taste, bool unten)
{
    SDL_Event e{};
    e.type = unten ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = unten ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = taste;
    e.key.timestamp = SDL_GetTicks();
    SDL_PushEvent(&e);
}
