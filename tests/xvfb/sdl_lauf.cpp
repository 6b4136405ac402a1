#include "sdl_lauf.h"

#include "platform/display/memory/png.h"

#include <filesystem>

std::function<void(const std::atomic<bool>&)> Tastenfolge(std::vector<std::pair<int, SDL_Keycode>> folge)
{
    return [folge = std::move(folge)](const std::atomic<bool>& fertig) {
        const auto start = std::chrono::steady_clock::now();
        auto bei = [&](int ms, SDL_Keycode taste, bool unten) {
            while (!fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (!fertig)
                SdlDruck(taste, unten);
        };
        for (const auto& [ms, taste] : folge) {
            bei(ms, taste, true);
            bei(ms + 50, taste, false);
        }
    };
}

void Speichern(const std::vector<uint32_t>& rgb, int breite, int hoehe, const std::string& name)
{
    std::vector<uint8_t> b;
    b.reserve(rgb.size() * 3);
    for (uint32_t p : rgb)
        b.insert(b.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    PngSchreiben(std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png", breite, hoehe, b);
}

void Speichern(CPraesentation& p, const std::string& name)
{
    DDSURFACEDESC d;
    if (!p.m_pPrimaer || p.m_pPrimaer->Lock(nullptr, &d, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK)
        return;
    std::vector<uint32_t> rgb;
    rgb.reserve(size_t(d.dwWidth) * d.dwHeight);
    for (DWORD y = 0; y < d.dwHeight; ++y)
        for (DWORD x = 0; x < d.dwWidth; ++x) {
            const PALETTEENTRY& e = p.m_Palette256[static_cast<const BYTE*>(d.lpSurface)[y * d.lPitch + x]];
            rgb.push_back(uint32_t(e.peRed) << 16 | uint32_t(e.peGreen) << 8 | e.peBlue);
        }
    p.m_pPrimaer->Unlock(nullptr);
    Speichern(rgb, int(d.dwWidth), int(d.dwHeight), name);
}
