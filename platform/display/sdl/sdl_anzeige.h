#pragma once

// The display over SDL2: a full-screen window at the mode's size. The 8-bit
// frames are converted through the palette into a streaming 32-bit texture
// and presented with vsync. Must stay on the thread that created it.

#include "platform/display/ddraw.h"

#include <SDL.h>

#include <array>
#include <chrono>
#include <deque>
#include <vector>

// Registers the back end under the name "sdl" (choose it with
// AnzeigeTreiberWaehlen("sdl")).
void SdlAnzeigeAnmelden();

// Virtual key of an SDL key (0 when Lumetra has none for it).
int VirtuelleTasteAusSdl(SDL_Keycode taste);

class CSdlAnzeige final : public CAnzeigeTreiber {
public:
    CSdlAnzeige();
    ~CSdlAnzeige() override;

    std::vector<CAnzeigeModus> Modi() override;
    HRESULT ModusSetzen(const CAnzeigeModus& modus) override;
    CAnzeigeModus ModusInKraft() override { return m_modus; }
    void ModusZuruecksetzen() override;
    HRESULT Exklusiv(bool exklusiv) override;

    void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override;
    bool TauschAusstehend() override;
    void TauschAbwarten() override;
    void FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override;

    SHORT Taste(int vk) override;
    bool Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen) override;
    void MauszeigerSichtbar(bool sichtbar) override;

    HRESULT Vorgabe(EAufruf aufruf) override;

private:
    using Uhr = std::chrono::steady_clock;
    HRESULT FensterOeffnen(const SDL_DisplayMode& modus);
    void FensterSchliessen();
    void Hochladen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette);
    void Zeigen();
    void EreignissePumpen();
    void Einreihen(UINT nachricht, int vk, Uint32 zeit);

    bool m_bereit = false; // SDL video started
    SDL_Window* m_fenster = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_textur = nullptr;
    CAnzeigeModus m_modus;

    // Frame timing: the present of an enqueued frame is held back until
    // shortly before the retrace predicted from earlier presents.
    bool m_ausstehend = false;
    Uhr::time_point m_letzterTausch{};
    Uhr::duration m_periode = std::chrono::microseconds(16667);
    Uhr::time_point m_vorhersage{};

    std::array<bool, 256> m_unten{};
    std::array<bool, 256> m_gedrueckt{}; // pressed since the last poll
    std::deque<MSG> m_nachrichten;
};
