#pragma once

// The display over SDL2: a full-screen window at the mode's size. Where the
// presents wait for retraces at the mode's rate (or a render driver is
// chosen by name), frames are composed on the renderer from the surfaces
// they were drawn from, each kept as a texture converted through the palette
// when it changes. Elsewhere (no usable GPU, as under Xvfb) each frame is
// composed once, straight into the window's own surface, from the 8-bit
// surfaces through the palette, on a thread of its own so that keys are taken
// meanwhile. A frame drawn otherwise is converted whole. Presents are paced
// on a clock at the mode's period (CBildtakt). Must stay on the thread that
// created it.

#include "platform/display/ddraw.h"
#include "platform/display/pixel8.h"
#include "platform/display/sdl/bildtakt.h"
#include "platform/display/sdl/signalaufschub.h"

#include <SDL.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>
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
    bool SchritteGenuegen() override { return m_flaeche != nullptr; }
    void QuelleAendertSich() override { SetzenAbwarten(); }
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
        std::vector<Uhr::time_point> gezeigt; // and the end of its present
        std::vector<Uhr::time_point> gesehen; // each key press, when a poll first reported it
        int64_t zusammengesetzt = 0; // frames composed from their steps
        int64_t umgewandelt = 0; // flipped frames converted whole
        double cpuPfad = 0; // process CPU seconds composing and presenting
    };
    CMessung& Messung() { return m_messung; }
    Uhr::duration Periode() const { return m_takt.Periode(); }
    Uhr::duration Vorlauf() const { return m_takt.Vorlauf(); }
    bool MitVsync() const { return m_takt.MitVsync(); }
    // Drawn on the CPU: into the window's surface, or by SDL's software renderer.
    bool IstSoftware() const { return m_software; }
    // Frames composed in one pass into the window's surface.
    bool EinDurchgang() const { return m_flaeche != nullptr; }
    SDL_Window* Fenster() const { return m_fenster; }

private:
    HRESULT FensterOeffnen(const SDL_DisplayMode& modus);
    void FensterSchliessen();
    bool RendererErstellen(int treiber, Uint32 flags);
    void RendererAufgeben();
    bool FlaecheNehmen();
    void PaletteUebernehmen(const PALETTEENTRY* palette);
    void Hochladen(const BYTE* pixel, LONG pitch);
    bool Zusammensetzen();
    SDL_Texture* Textur(const CBildSchritt& s, SDL_Rect& quelle);
    bool VsyncPruefen();
    bool Faellig() const { return m_takt.Faellig(Uhr::now()); }
    void FaelligZeigen();
    void Zeigen();
    void Warten(Uhr::time_point bis);
    void EreignissePumpen();
    void Verarbeiten(const SDL_Event& e);
    void Einreihen(UINT nachricht, int vk, Uint32 zeit);
    void SetzenBeginnen();
    void SetzenAbwarten();
    void Setzer();
    int XVerbindung();

    CSignalAufschub m_signale; // first made, last gone: around the whole use of SDL
    bool m_bereit = false; // SDL video started
    SDL_Window* m_fenster = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Surface* m_flaeche = nullptr; // the window's own, when frames are composed into it
    int m_breite = 0, m_hoehe = 0;
    bool m_software = false;
    SDL_Texture* m_textur = nullptr; // the whole frame, when it cannot be composed
    Uint32 m_format = SDL_PIXELFORMAT_ARGB8888; // of the textures or the window's surface
    int m_maxTextur = 0;
    CAnzeigeModus m_modus;

    // The palette as the tables hold it and the textures were converted through it.
    std::array<PALETTEENTRY, 256> m_palette{};
    uint64_t m_paletteStand = 1;
    uint32_t m_tabelle[256] = {}; // opaque, in m_format
    uint32_t m_tabelleAlpha[256] = {}; // ARGB8888 for keyed copies
    std::vector<uint32_t> m_puffer;
    const std::vector<CBildSchritt>* m_schritte = nullptr;
    std::vector<std::pair<SDL_Texture*, SDL_Rect>> m_quellen; // per step

    // Kept surfaces by serial, key (0: opaque) and, for a part of a large
    // surface, the part's rectangle.
    struct CTextur {
        SDL_Texture* textur = nullptr;
        uint64_t stand = 0, palette = 0;
        LONG breite = 0, hoehe = 0;
        int64_t benutzt = 0;
    };
    using CTexturSchluessel = std::tuple<uint64_t, uint32_t, LONG, LONG, LONG, LONG>;
    std::map<CTexturSchluessel, CTextur> m_texturen;
    int64_t m_bildnummer = 0;

    bool m_ausstehend = false;
    CBildtakt m_takt;
    Uhr::time_point m_letzteNachricht{};
    Uhr::time_point m_naechstesPumpen{};
    CMessung m_messung;

    // The frame being composed into the window's surface by m_setzer.
    struct CAuftrag {
        std::vector<CBildSchritt> schritte;
        uint32_t* ziel = nullptr;
        LONG pitch = 0, breite = 0, hoehe = 0;
        uint32_t tabelle[256] = {};
        CPaarTabelle paare; // from tabelle, on the composing thread
        double cpu = 0; // thread CPU seconds it took
    };
    enum class ESetzen { Frei, Wartet, Laeuft, Ende };
    CAuftrag m_auftrag;
    ESetzen m_setzen = ESetzen::Frei;
    std::mutex m_setzenSperre;
    std::condition_variable m_setzenSignal;
    std::thread m_setzer;
    int m_xVerbindung = -2; // the X connection's socket (-1: none), -2 not yet asked

    std::array<bool, 256> m_unten{};
    std::array<bool, 256> m_gedrueckt{}; // pressed since the last poll
    std::deque<MSG> m_nachrichten;
};
