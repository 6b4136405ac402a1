#include "sdl_lauf.h"

#include "platform/display/memory/png.h"
#include "platform/display/sdl/sdl_anzeige.h"
#include "sdl_druck.h"

#include <chrono>

#include <filesystem>
#include <vector>

CSdlLauf::CSdlLauf()
{
    SdlAnzeigeAnmelden();
    AnzeigeTreiberWaehlen("sdl");
}

CSdlLauf::~CSdlLauf()
{
    AnzeigeTreiberWaehlen("");
}

int CSdlLauf::Darbieten(CPraesentation& p, CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    if (const int fehler = p.Einrichten(HWND(&fenster), &fenster, profil, umgebung, training, nullptr))
        return fehler;
    return p.Darbieten();
}

CTastenFolge::CTastenFolge(std::vector<std::pair<int, SDL_Keycode>> folge)
    : m_faden([this, folge = std::move(folge)] {
          using namespace std::chrono_literals;
          const auto start = std::chrono::steady_clock::now();
          auto bei = [&](int ms, SDL_Keycode taste, bool unten) {
              while (!m_fertig && std::chrono::steady_clock::now() < start + std::chrono::milliseconds(ms))
                  std::this_thread::sleep_for(5ms);
              if (!m_fertig)
                  SdlDruck(taste, unten);
          };
          for (const auto& [ms, taste] : folge) {
              bei(ms, taste, true);
              bei(ms + 50, taste, false);
          }
      })
{
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
