#include "platform/display/sdl/sdl_anzeige.h"

#include "platform/display/pixel8.h"

#include <algorithm>
#include <cstdio>

namespace {

// The present is called this long before the predicted retrace; it then
// blocks for the rest, so the swap is not missed.
constexpr auto VORLAUF = std::chrono::microseconds(2000);
// Messages nobody takes are dropped beyond this many.
constexpr size_t MAX_NACHRICHTEN = 512;

} // namespace

void SdlAnzeigeAnmelden()
{
    AnzeigeTreiberAnmelden("sdl", [] { return std::make_shared<CSdlAnzeige>(); });
}

CSdlAnzeige::CSdlAnzeige()
{
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    m_bereit = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!m_bereit) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return;
    }
    SDL_DisplayMode d;
    if (SDL_GetDesktopDisplayMode(0, &d) == 0)
        m_modus = {DWORD(d.w), DWORD(d.h), 8, DWORD(std::max(d.refresh_rate, 0))};
}

CSdlAnzeige::~CSdlAnzeige()
{
    FensterSchliessen();
    if (m_bereit)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

HRESULT CSdlAnzeige::Vorgabe(EAufruf aufruf)
{
    // Without SDL's video nothing can be shown: the object is not made.
    return (aufruf == EAufruf::Erzeugen && !m_bereit) ? E_FAIL : DD_OK;
}

std::vector<CAnzeigeModus> CSdlAnzeige::Modi()
{
    std::vector<CAnzeigeModus> modi;
    const int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode d;
        if (SDL_GetDisplayMode(0, i, &d) != 0)
            continue;
        // Our pixels are 8-bit indices whatever the display's format.
        const CAnzeigeModus m{DWORD(d.w), DWORD(d.h), 8, DWORD(std::max(d.refresh_rate, 0))};
        if (std::find(modi.begin(), modi.end(), m) == modi.end())
            modi.push_back(m);
    }
    return modi;
}

HRESULT CSdlAnzeige::ModusSetzen(const CAnzeigeModus& modus)
{
    if (modus.bitsProPixel != 8)
        return DDERR_INVALIDMODE;
    const int n = SDL_GetNumDisplayModes(0);
    bool groesse = false;
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode d;
        if (SDL_GetDisplayMode(0, i, &d) != 0 || DWORD(d.w) != modus.breite || DWORD(d.h) != modus.hoehe)
            continue;
        groesse = true;
        if (modus.frequenz == 0 || DWORD(std::max(d.refresh_rate, 0)) == modus.frequenz) {
            // Rate 0: the first listed rate of this size, SDL's preferred one.
            if (HRESULT hr = FensterOeffnen(d); hr != DD_OK)
                return hr;
            m_modus = {modus.breite, modus.hoehe, 8, DWORD(std::max(d.refresh_rate, 0))};
            return DD_OK;
        }
    }
    return groesse ? DDERR_UNSUPPORTEDMODE : DDERR_INVALIDMODE;
}

HRESULT CSdlAnzeige::FensterOeffnen(const SDL_DisplayMode& modus)
{
    FensterSchliessen();
    m_fenster = SDL_CreateWindow("Lumetra", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, modus.w, modus.h,
                                 SDL_WINDOW_FULLSCREEN);
    if (m_fenster && SDL_SetWindowDisplayMode(m_fenster, &modus) == 0)
        m_renderer = SDL_CreateRenderer(m_fenster, -1, SDL_RENDERER_PRESENTVSYNC);
    if (m_renderer)
        m_textur = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, modus.w,
                                     modus.h);
    if (!m_textur) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        FensterSchliessen();
        return DDERR_UNSUPPORTEDMODE;
    }
    m_periode = std::chrono::microseconds(1'000'000 / (modus.refresh_rate > 0 ? modus.refresh_rate : 60));
    m_letzterTausch = {};
    SDL_RaiseWindow(m_fenster);
    return DD_OK;
}

void CSdlAnzeige::FensterSchliessen()
{
    if (m_textur)
        SDL_DestroyTexture(m_textur);
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    if (m_fenster)
        SDL_DestroyWindow(m_fenster);
    m_textur = nullptr;
    m_renderer = nullptr;
    m_fenster = nullptr;
    m_ausstehend = false;
}

void CSdlAnzeige::ModusZuruecksetzen()
{
    // Closing the full-screen window gives the desktop its mode back.
    FensterSchliessen();
    SDL_DisplayMode d;
    if (SDL_GetDesktopDisplayMode(0, &d) == 0)
        m_modus = {DWORD(d.w), DWORD(d.h), 8, DWORD(std::max(d.refresh_rate, 0))};
    m_unten.fill(false);
    m_gedrueckt.fill(false);
    m_nachrichten.clear();
}

HRESULT CSdlAnzeige::Exklusiv(bool exklusiv)
{
    if (!exklusiv)
        FensterSchliessen();
    return DD_OK;
}

// ---- Frames -------------------------------------------------------------------

void CSdlAnzeige::Hochladen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    void* ziel = nullptr;
    int zielPitch = 0;
    if (!m_textur || SDL_LockTexture(m_textur, nullptr, &ziel, &zielPitch) != 0)
        return;
    uint32_t tabelle[256];
    TabelleAusPalette(palette, tabelle);
    Umwandeln8Nach32(pixel, pitch, static_cast<uint32_t*>(ziel), zielPitch, LONG(m_modus.breite),
                     LONG(m_modus.hoehe), tabelle);
    SDL_UnlockTexture(m_textur);
    SDL_RenderClear(m_renderer);
    SDL_RenderCopy(m_renderer, m_textur, nullptr, nullptr);
}

void CSdlAnzeige::BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    if (!m_renderer)
        return;
    Hochladen(pixel, pitch, palette);
    m_ausstehend = true;
    const auto jetzt = Uhr::now();
    // Next retrace after the last measured one; when that lies in the past
    // (the loop was slow) the present may come at once.
    m_vorhersage = m_letzterTausch + m_periode;
    if (m_vorhersage < jetzt)
        m_vorhersage = jetzt;
}

void CSdlAnzeige::Zeigen()
{
    SDL_RenderPresent(m_renderer); // blocks until the retrace with vsync
    const auto jetzt = Uhr::now();
    const auto abstand = jetzt - m_letzterTausch;
    // Retraces measured back to back refine the period.
    if (abstand > m_periode / 2 && abstand < m_periode * 3 / 2)
        m_periode = (m_periode * 7 + abstand) / 8;
    m_letzterTausch = jetzt;
    m_ausstehend = false;
}

bool CSdlAnzeige::TauschAusstehend()
{
    if (!m_ausstehend)
        return false;
    EreignissePumpen();
    if (Uhr::now() + VORLAUF < m_vorhersage)
        return true;
    Zeigen();
    return false;
}

void CSdlAnzeige::TauschAbwarten()
{
    if (m_ausstehend)
        Zeigen();
}

void CSdlAnzeige::FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    if (!m_renderer)
        return;
    TauschAbwarten();
    Hochladen(pixel, pitch, palette);
    Zeigen();
}

// ---- Input -----------------------------------------------------------------------

void CSdlAnzeige::Einreihen(UINT nachricht, int vk, Uint32 zeit)
{
    if (m_nachrichten.size() >= MAX_NACHRICHTEN)
        m_nachrichten.pop_front();
    MSG m;
    m.message = nachricht;
    m.wParam = nachricht >= WM_MOUSEFIRST ? 0 : WPARAM(vk);
    m.time = zeit;
    m_nachrichten.push_back(m);
}

void CSdlAnzeige::EreignissePumpen()
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int vk = VirtuelleTasteAusSdl(e.key.keysym.sym);
            if (!vk)
                break;
            const bool unten = e.type == SDL_KEYDOWN;
            m_gedrueckt[size_t(vk)] = m_gedrueckt[size_t(vk)] || (unten && !m_unten[size_t(vk)]);
            m_unten[size_t(vk)] = unten;
            Einreihen(unten ? WM_KEYDOWN : WM_KEYUP, vk, e.key.timestamp);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool links = e.button.button == SDL_BUTTON_LEFT;
            if (!links && e.button.button != SDL_BUTTON_RIGHT)
                break;
            const int vk = links ? VK_LBUTTON : VK_RBUTTON;
            const bool unten = e.type == SDL_MOUSEBUTTONDOWN;
            m_gedrueckt[size_t(vk)] = m_gedrueckt[size_t(vk)] || unten;
            m_unten[size_t(vk)] = unten;
            Einreihen(links ? (unten ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (unten ? WM_RBUTTONDOWN : WM_RBUTTONUP), vk,
                      e.button.timestamp);
            break;
        }
        default:
            break;
        }
    }
}

SHORT CSdlAnzeige::Taste(int vk)
{
    EreignissePumpen();
    vk &= 0xFF;
    const SHORT ergebnis = SHORT((m_unten[size_t(vk)] ? 0x8000 : 0) | (m_gedrueckt[size_t(vk)] ? 1 : 0));
    m_gedrueckt[size_t(vk)] = false;
    return ergebnis;
}

bool CSdlAnzeige::Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen)
{
    EreignissePumpen();
    const bool alle = von == 0 && bis == 0;
    for (auto it = m_nachrichten.begin(); it != m_nachrichten.end(); ++it) {
        if (!alle && (it->message < von || it->message > bis))
            continue;
        nachricht = *it;
        if (entfernen)
            m_nachrichten.erase(it);
        return true;
    }
    return false;
}

void CSdlAnzeige::MauszeigerSichtbar(bool sichtbar)
{
    SDL_ShowCursor(sichtbar ? SDL_ENABLE : SDL_DISABLE);
}
