/* The peer of the SDL display's frame: a naive loop as a pygame program
 * runs it, over plain SDL. Every frame draws scrolling stripes into an 8-bit
 * palette surface, converts the whole frame to 32 bits into a streaming
 * texture, clears, copies and presents. */
#include "sdl_referenz.h"

#include <SDL.h>
#include <string.h>
#include <time.h>

static double Sekunden(clockid_t uhr)
{
    struct timespec t;
    clock_gettime(uhr, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

int ReferenzschleifeLaufen(const char* renderer, int bilder, double* cpuMsJeBild, double* wandMsJeBild)
{
    SDL_DisplayMode d;
    SDL_Window* fenster = NULL;
    SDL_Renderer* r = NULL;
    SDL_Texture* textur = NULL;
    SDL_Surface* bild = NULL;
    SDL_Color farben[256];
    int ergebnis = 1, i, y;
    double cpu0, wand0;

    SDL_SetHint(SDL_HINT_RENDER_DRIVER, renderer);
    /* The software renderer over the window's own framebuffer, as the
     * display's software renderer draws. */
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return 1;
    if (SDL_GetDesktopDisplayMode(0, &d) != 0)
        goto ende;
    fenster = SDL_CreateWindow("Referenz", 0, 0, d.w, d.h, SDL_WINDOW_FULLSCREEN);
    r = fenster ? SDL_CreateRenderer(fenster, -1, SDL_RENDERER_PRESENTVSYNC) : NULL;
    textur = r ? SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, d.w, d.h) : NULL;
    bild = SDL_CreateRGBSurfaceWithFormat(0, d.w, d.h, 8, SDL_PIXELFORMAT_INDEX8);
    if (!textur || !bild)
        goto ende;
    for (i = 0; i < 256; ++i) {
        farben[i].r = (Uint8)i;
        farben[i].g = (Uint8)(255 - i);
        farben[i].b = (Uint8)(i * 3);
        farben[i].a = 255;
    }
    SDL_SetPaletteColors(bild->format->palette, farben, 0, 256);

    cpu0 = Sekunden(CLOCK_PROCESS_CPUTIME_ID);
    wand0 = Sekunden(CLOCK_MONOTONIC);
    for (i = 0; i < bilder; ++i) {
        SDL_Event e;
        void* pixel;
        int pitch;
        SDL_Surface* ziel;
        while (SDL_PollEvent(&e)) {}
        /* Stripes 20 of 100 pixels wide, moved 5 pixels a frame. */
        SDL_FillRect(bild, NULL, 176);
        for (y = -((i * 5) % 100); y < d.w; y += 100) {
            SDL_Rect streifen = {y, 0, 20, d.h};
            SDL_FillRect(bild, &streifen, 129);
        }
        if (SDL_LockTexture(textur, NULL, &pixel, &pitch) != 0)
            goto ende;
        ziel = SDL_CreateRGBSurfaceWithFormatFrom(pixel, d.w, d.h, 32, pitch, SDL_PIXELFORMAT_ARGB8888);
        SDL_BlitSurface(bild, NULL, ziel, NULL);
        SDL_FreeSurface(ziel);
        SDL_UnlockTexture(textur);
        SDL_RenderClear(r);
        SDL_RenderCopy(r, textur, NULL, NULL);
        SDL_RenderPresent(r);
    }
    *cpuMsJeBild = (Sekunden(CLOCK_PROCESS_CPUTIME_ID) - cpu0) * 1000.0 / bilder;
    *wandMsJeBild = (Sekunden(CLOCK_MONOTONIC) - wand0) * 1000.0 / bilder;
    ergebnis = 0;
ende:
    if (bild)
        SDL_FreeSurface(bild);
    if (textur)
        SDL_DestroyTexture(textur);
    if (r)
        SDL_DestroyRenderer(r);
    if (fenster)
        SDL_DestroyWindow(fenster);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, NULL);
    return ergebnis;
}
