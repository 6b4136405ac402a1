#pragma once

// The display over SDL2: a full-screen window at the mode's size. Frames are
// composed on the renderer from the surfaces they were drawn from, each
// kept as a texture converted through the palette when it changes; a frame
// drawn otherwise is converted whole. Presents are paced on a clock at the
// mode's period. Must stay on the thread that created it.

#include "platform/display/ddraw.h"

#include <SDL.h>

#include <array>
#include <chrono>
#include <deque>
#include <map>
#include <vector>

// Registers the back end under the name "sdl" (choose it with
// AnzeigeTreiberWaehlen("sdl")).
void SdlAnzeigeAnmelden();

// Virtual key of an SDL key (0 when Lumetra has none for it).
int VirtuelleTasteAusSdl(SDL_Keycode taste);

class CSdlAnzeige final : public CAnzeigeTreiber {
public:
    using Uhr = std::chrono::steady_clock;

    CSdlAnzeige();
    ~CSdlAnzeige() override;

    std::vector<CAnzeigeModus> Modi() override;
    HRESULT ModusSetzen(const CAnzeigeModus& modus) override;
    CAnzeigeModus ModusInKraft() override { return m_modus; }
    void ModusZuruecksetzen() override;
    HRESULT Exklusiv(bool exklusiv) override;

    void SchritteVormerken(const std::vector<CBildSchritt>* schritte) override { m_schritte = schritte; }
    void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override;
    bool TauschAusstehend() override;
    void TauschAbwarten() override;
    void FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override;

    SHORT Taste(int vk) override;
    bool Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen) override;
    void MauszeigerSichtbar(bool sichtbar) override;

    HRESULT Vorgabe(EAufruf aufruf) override;

    // What tests and benchmarks look at; kept only once switched on.
    struct CMessung {
        bool an = false;
        std::vector<Uhr::time_point> eingereiht; // each flipped frame's flip
        std::vector<Uhr::time_point> gezeigt;    // and the end of its present
        Uhr::duration groessteLuecke{};          // between key polls while a flip waits
        int64_t zusammengesetzt = 0;             // frames composed from kept surfaces
        int64_t umgewandelt = 0;                 // frames converted whole
    };
    CMessung& Messung() { return m_messung; }
    Uhr::duration Periode() const { return m_periode; }
    Uhr::duration Vorlauf() const;
    bool MitVsync() const { return m_vsync; }

private:
    HRESULT FensterOeffnen(const SDL_DisplayMode& modus);
    void FensterSchliessen();
    void PaletteUebernehmen(const PALETTEENTRY* palette);
    void Hochladen(const BYTE* pixel, LONG pitch);
    bool Zusammensetzen();
    SDL_Texture* Textur(const CBildSchritt& s);
    void VsyncPruefen();
    bool Faellig() const { return Uhr::now() >= m_faellig - Vorlauf(); }
    void FaelligZeigen();
    void Zeigen();
    void Schlafen();
    void EreignissePumpen();
    void Einreihen(UINT nachricht, int vk, Uint32 zeit);

    bool m_bereit = false; // SDL video started
    SDL_Window* m_fenster = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_textur = nullptr; // the whole frame, when it cannot be composed
    Uint32 m_format = SDL_PIXELFORMAT_ARGB8888;
    int m_maxTextur = 0;
    CAnzeigeModus m_modus;

    // The palette as the textures were converted through it.
    std::array<PALETTEENTRY, 256> m_palette{};
    uint64_t m_paletteStand = 1;
    uint32_t m_tabelle[256] = {};        // opaque, in m_format
    uint32_t m_tabelleAlpha[256] = {};   // ARGB8888 for keyed copies
    std::vector<uint32_t> m_puffer;
    const std::vector<CBildSchritt>* m_schritte = nullptr;

    // Kept surfaces by serial and key (0: opaque).
    struct CTextur {
        SDL_Texture* textur = nullptr;
        uint64_t stand = 0, palette = 0;
        LONG breite = 0, hoehe = 0;
        int64_t benutzt = 0;
    };
    std::map<std::pair<uint64_t, uint32_t>, CTextur> m_texturen;
    int64_t m_bildnummer = 0;

    // Frame timing: retraces on a fixed clock at the mode's period. The
    // period and the clock's phase follow only presents that waited for a
    // retrace; the present starts the lead before the frame's retrace.
    bool m_ausstehend = false;
    bool m_vsync = false;
    Uhr::duration m_nominal = std::chrono::microseconds(16667);
    Uhr::duration m_periode = m_nominal;
    Uhr::duration m_kosten = std::chrono::milliseconds(2); // of a present that does not wait
    Uhr::time_point m_faellig{};       // the retrace the queued frame is for
    Uhr::time_point m_letzteFaellig{}; // the retrace of the last frame
    Uhr::time_point m_letzteRetrace{}; // end of the last present that waited
    Uhr::time_point m_letzteAbfrage{};
    Uhr::time_point m_letzteNachricht{};
    CMessung m_messung;

    std::array<bool, 256> m_unten{};
    std::array<bool, 256> m_gedrueckt{}; // pressed since the last poll
    std::deque<MSG> m_nachrichten;
};
