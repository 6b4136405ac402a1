#include "sdl_lauf.h"

#include "platform/display/memory/png.h"

#include <filesystem>
#include <vector>

void Druck(SDL_Keycode taste, bool unten)
{
    SDL_Event e{};
    e.type = unten ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = unten ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = taste;
    e.key.timestamp = SDL_GetTicks();
    SDL_PushEvent(&e);
}

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
