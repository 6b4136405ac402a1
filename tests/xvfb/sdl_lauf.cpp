#include "sdl_lauf.h"

#include "platform/display/memory/png.h"

#include <filesystem>

void Bis(const std::atomic<bool>& fertig, std::chrono::steady_clock::time_point start, int ms)
{
    while (!fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

std::function<void(const std::atomic<bool>&)> Tastenfolge(std::vector<std::pair<int, SDL_Keycode>> folge)
{
    return [folge = std::move(folge)](const std::atomic<bool>& fertig) {
        const auto start = std::chrono::steady_clock::now();
        for (const auto& [ms, taste] : folge)
            for (bool unten : {true, false}) {
                Bis(fertig, start, unten ? ms : ms + 50);
                if (!fertig)
                    SdlDruck(taste, unten);
            }
    };
}

std::vector<uint32_t> Rgb(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette, int breite, int hoehe)
{
    std::vector<uint32_t> rgb;
    rgb.reserve(size_t(breite) * size_t(hoehe));
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            const PALETTEENTRY& e = palette[pixel[size_t(y) * size_t(pitch) + size_t(x)]];
            rgb.push_back(uint32_t(e.peRed) << 16 | uint32_t(e.peGreen) << 8 | e.peBlue);
        }
    return rgb;
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
    const int breite = int(d.dwWidth), hoehe = int(d.dwHeight);
    const auto rgb = Rgb(static_cast<const BYTE*>(d.lpSurface), d.lPitch, p.m_Palette256, breite, hoehe);
    p.m_pPrimaer->Unlock(nullptr);
    Speichern(rgb, breite, hoehe, name);
}
