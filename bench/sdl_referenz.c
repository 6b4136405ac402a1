/* The peer of the SDL display's frame: a naive loop as a pygame program
 * runs it, over plain SDL, paced at the display's rate. Every frame scrolls
 * an 8-bit striped background by two blits, blits a keyed 8-bit item over
 * it and shows the frame: straight into the window's surface (renderer "",
 * as the display draws without a GPU), or into a streaming texture that a
 * renderer copies and presents (a render driver by name). */
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

static void SchlafenBis(double sekunden)
{
    struct timespec t;
    t.tv_sec = (time_t)sekunden;
    t.tv_nsec = (long)((sekunden - (double)t.tv_sec) * 1e9);
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, NULL);
}

int ReferenzschleifeLaufen(const char* renderer, int bilder, double* cpuMsJeBild, double* wandMsJeBild)
{
    SDL_DisplayMode d;
    SDL_Window* fenster = NULL;
    SDL_Renderer* r = NULL;
    SDL_Texture* textur = NULL;
    SDL_Surface *hg = NULL, *teil = NULL;
    SDL_Color farben[256];
    const int periode = 100, streifen = 20;
    int ergebnis = 1, i, x;
    double cpu0, wand0, takt;

    SDL_SetHint(SDL_HINT_RENDER_DRIVER, renderer);
    /* The window's own framebuffer, as the display draws into it. */
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return 1;
    if (SDL_GetDesktopDisplayMode(0, &d) != 0)
        goto ende;
    fenster = SDL_CreateWindow("Referenz", 0, 0, d.w, d.h, SDL_WINDOW_FULLSCREEN);
    if (!fenster)
        goto ende;
    if (*renderer) {
        r = SDL_CreateRenderer(fenster, -1, SDL_RENDERER_PRESENTVSYNC);
        textur = r ? SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, d.w, d.h) : NULL;
        if (!textur)
            goto ende;
        SDL_RenderSetVSync(r, 0); /* paced below, as the display paces without retraces */
    } else if (!SDL_GetWindowSurface(fenster)) {
        goto ende;
    }
    hg = SDL_CreateRGBSurfaceWithFormat(0, d.w + periode, d.h, 8, SDL_PIXELFORMAT_INDEX8);
    teil = SDL_CreateRGBSurfaceWithFormat(0, 200, 200, 8, SDL_PIXELFORMAT_INDEX8);
    if (!hg || !teil)
        goto ende;
    for (i = 0; i < 256; ++i) {
        farben[i].r = (Uint8)i;
        farben[i].g = (Uint8)(255 - i);
        farben[i].b = (Uint8)(i * 3);
        farben[i].a = 255;
    }
    SDL_SetPaletteColors(hg->format->palette, farben, 0, 256);
    SDL_SetPaletteColors(teil->format->palette, farben, 0, 256);
    SDL_FillRect(hg, NULL, 176);
    for (x = 0; x < hg->w; x += periode) {
        SDL_Rect s = {x, 0, streifen, d.h};
        SDL_FillRect(hg, &s, 129);
    }
    /* A ring of index 15 on the transparent index 0. */
    SDL_FillRect(teil, NULL, 15);
    {
        SDL_Rect innen = {40, 40, 120, 120};
        SDL_FillRect(teil, &innen, 0);
    }
    SDL_SetColorKey(teil, SDL_TRUE, 0);

    takt = 1.0 / (d.refresh_rate > 0 ? d.refresh_rate : 60);
    cpu0 = Sekunden(CLOCK_PROCESS_CPUTIME_ID);
    wand0 = Sekunden(CLOCK_MONOTONIC);
    for (i = 0; i < bilder; ++i) {
        SDL_Event e;
        SDL_Surface* ziel;
        void* pixel = NULL;
        int pitch = 0;
        const int versatz = (i * 5) % periode;
        SDL_Rect links = {versatz, 0, d.w - versatz, d.h}, rechts = {0, 0, versatz, d.h};
        SDL_Rect zl = {0, 0, 0, 0}, zr = {d.w - versatz, 0, 0, 0}, zt = {(i * 7) % (d.w - 200), d.h / 2 - 100, 0, 0};
        while (SDL_PollEvent(&e)) {}
        if (r) {
            if (SDL_LockTexture(textur, NULL, &pixel, &pitch) != 0)
                goto ende;
            ziel = SDL_CreateRGBSurfaceWithFormatFrom(pixel, d.w, d.h, 32, pitch, SDL_PIXELFORMAT_ARGB8888);
        } else {
            ziel = SDL_GetWindowSurface(fenster);
        }
        if (!ziel)
            goto ende;
        SDL_BlitSurface(hg, &links, ziel, &zl);
        if (versatz > 0)
            SDL_BlitSurface(hg, &rechts, ziel, &zr);
        SDL_BlitSurface(teil, NULL, ziel, &zt);
        SchlafenBis(wand0 + takt * (i + 1));
        if (r) {
            SDL_FreeSurface(ziel);
            SDL_UnlockTexture(textur);
            SDL_RenderCopy(r, textur, NULL, NULL);
            SDL_RenderPresent(r);
        } else {
            SDL_UpdateWindowSurface(fenster);
        }
    }
    *cpuMsJeBild = (Sekunden(CLOCK_PROCESS_CPUTIME_ID) - cpu0) * 1000.0 / bilder;
    *wandMsJeBild = (Sekunden(CLOCK_MONOTONIC) - wand0) * 1000.0 / bilder;
    ergebnis = 0;
ende:
    if (hg)
        SDL_FreeSurface(hg);
    if (teil)
        SDL_FreeSurface(teil);
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
