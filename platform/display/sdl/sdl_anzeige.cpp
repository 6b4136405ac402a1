#include "platform/display/sdl/sdl_anzeige.h"

#include "platform/display/pixel8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <time.h>

namespace {

using namespace std::chrono_literals;

// Messages nobody takes are dropped beyond this many.
constexpr size_t MAX_NACHRICHTEN = 512;
// While a frame waits the thread sleeps this long at most between two looks
// at the clock, so the keys are polled well within a millisecond.
constexpr auto SCHEIBE = 500us;
// Events are fetched from the X server at most this often.
constexpr auto PUMPABSTAND = 200us;
// Kept surfaces that no frame used for this many frames are given up.
constexpr int64_t UNBENUTZT = 120;

// CPU seconds of the whole process: the renderer may draw on threads of its own.
double ProzessCpu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

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
    m_nominal = std::chrono::nanoseconds(1'000'000'000 / (modus.refresh_rate > 0 ? modus.refresh_rate : 60));
    m_breite = modus.w;
    m_hoehe = modus.h;
    m_fenster = SDL_CreateWindow("Lumetra", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, modus.w, modus.h,
                                 SDL_WINDOW_FULLSCREEN);
    if (!m_fenster || SDL_SetWindowDisplayMode(m_fenster, &modus) != 0 ||
        !RendererErstellen(-1, SDL_RENDERER_PRESENTVSYNC)) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        FensterSchliessen();
        return DDERR_UNSUPPORTEDMODE;
    }
    SDL_RaiseWindow(m_fenster);
    const char* gewaehlt = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (!VsyncPruefen() && !m_software && !(gewaehlt && *gewaehlt)) {
        // Without retraces at the mode's rate an accelerated renderer only
        // costs (a software rasteriser, as under Xvfb, spends a core on
        // two full-screen copies); SDL's software renderer over the
        // window's own framebuffer composes the same pixels for a fraction.
        // A render driver chosen by name (SDL_RENDER_DRIVER) is kept.
        RendererAufgeben();
        int software = -1;
        for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
            SDL_RendererInfo info{};
            if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "software") == 0)
                software = i;
        }
        if ((software < 0 || !RendererErstellen(software, 0)) && !RendererErstellen(-1, 0)) {
            std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
            FensterSchliessen();
            return DDERR_UNSUPPORTEDMODE;
        }
    }
    m_periode = m_nominal;
    m_kosten = 2ms;
    m_zuschlag = {};
    m_dauerIndex = 0;
    m_letzteFaellig = m_letzteRetrace = {};
    return DD_OK;
}

bool CSdlAnzeige::RendererErstellen(int treiber, Uint32 flags)
{
    // The software renderer draws into the window's own framebuffer (shared
    // memory with the X server), not into a texture of a GL renderer.
    const char* vorher = SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    const std::string alt = vorher ? vorher : "";
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    m_renderer = SDL_CreateRenderer(m_fenster, treiber, flags);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, vorher ? alt.c_str() : nullptr);
    if (!m_renderer)
        return false;
    // Textures in the window's own format copy without conversion where the
    // renderer takes it.
    m_format = SDL_PIXELFORMAT_ARGB8888;
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(m_renderer, &info) == 0) {
        const Uint32 fenster = SDL_GetWindowPixelFormat(m_fenster);
        for (Uint32 i = 0; i < info.num_texture_formats; ++i)
            if (info.texture_formats[i] == fenster && SDL_BYTESPERPIXEL(fenster) == 4 &&
                !SDL_ISPIXELFORMAT_FOURCC(fenster))
                m_format = fenster;
        m_maxTextur = std::min(info.max_texture_width > 0 ? info.max_texture_width : 1 << 14,
                               info.max_texture_height > 0 ? info.max_texture_height : 1 << 14);
    }
    m_textur = SDL_CreateTexture(m_renderer, m_format, SDL_TEXTUREACCESS_STREAMING, m_breite, m_hoehe);
    if (!m_textur) {
        RendererAufgeben();
        return false;
    }
    SDL_SetTextureBlendMode(m_textur, SDL_BLENDMODE_NONE);
    m_software = std::strcmp(info.name, "software") == 0;
    m_paletteStand = 1;
    m_palette.fill({1, 2, 3, 4}); // matches no palette: the first frame builds the tables
    return true;
}

bool CSdlAnzeige::VsyncPruefen()
{
    // Presents back to back: with vsync each waits for its retrace, so they
    // come one period apart, evenly. Presents that come at once (the
    // software renderer) or wait for something else than retraces at the
    // mode's rate (Xvfb's emulated ones at about 62 Hz) must not set the
    // pace: the fixed clock alone paces the frames.
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    std::vector<Uhr::duration> abstaende;
    Uhr::time_point vorher{};
    for (int i = 0; i < 12; ++i) {
        SDL_RenderClear(m_renderer);
        SDL_RenderPresent(m_renderer);
        const auto jetzt = Uhr::now();
        if (i >= 2)
            abstaende.push_back(jetzt - vorher);
        vorher = jetzt;
    }
    std::sort(abstaende.begin(), abstaende.end());
    const auto mitte = abstaende[abstaende.size() / 2];
    m_vsync = mitte > m_nominal * 49 / 50 && mitte < m_nominal * 51 / 50 && abstaende[1] > m_nominal * 9 / 10 &&
              abstaende[abstaende.size() - 2] < m_nominal * 11 / 10;
    if (!m_vsync && mitte > m_nominal / 2)
        SDL_RenderSetVSync(m_renderer, 0);
    return m_vsync;
}

void CSdlAnzeige::RendererAufgeben()
{
    for (auto& [schluessel, t] : m_texturen)
        SDL_DestroyTexture(t.textur);
    m_texturen.clear();
    if (m_textur)
        SDL_DestroyTexture(m_textur);
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    m_textur = nullptr;
    m_renderer = nullptr;
}

void CSdlAnzeige::FensterSchliessen()
{
    RendererAufgeben();
    if (m_fenster)
        SDL_DestroyWindow(m_fenster);
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

void CSdlAnzeige::PaletteUebernehmen(const PALETTEENTRY* palette)
{
    if (std::memcmp(palette, m_palette.data(), sizeof(m_palette)) == 0)
        return;
    std::memcpy(m_palette.data(), palette, sizeof(m_palette));
    ++m_paletteStand;
    SDL_PixelFormat* f = SDL_AllocFormat(m_format);
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& e = palette[i];
        m_tabelle[i] = f ? SDL_MapRGBA(f, e.peRed, e.peGreen, e.peBlue, 255) : 0;
    }
    SDL_FreeFormat(f);
    TabelleAusPalette(palette, m_tabelleAlpha);
}

void CSdlAnzeige::Hochladen(const BYTE* pixel, LONG pitch)
{
    void* ziel = nullptr;
    int zielPitch = 0;
    if (!m_textur || SDL_LockTexture(m_textur, nullptr, &ziel, &zielPitch) != 0)
        return;
    Umwandeln8Nach32(pixel, pitch, static_cast<uint32_t*>(ziel), zielPitch, LONG(m_modus.breite), LONG(m_modus.hoehe),
                     m_tabelle);
    SDL_UnlockTexture(m_textur);
    // The texture covers the whole target: nothing to clear.
    SDL_RenderCopy(m_renderer, m_textur, nullptr, nullptr);
}

SDL_Texture* CSdlAnzeige::Textur(const CBildSchritt& s, SDL_Rect& quelle)
{
    const bool schluessel = s.art == CBildSchritt::EArt::KopierenMitSchluessel;
    const uint32_t art = schluessel ? 0x10000u | uint32_t(s.von) << 8 | s.bis : 0;
    // Of a surface too large for a texture (the strip of all items of a
    // long run) only the part copied is kept.
    const LONG w = s.quelle.right - s.quelle.left, h = s.quelle.bottom - s.quelle.top;
    const bool teil = s.breite > m_maxTextur || s.hoehe > m_maxTextur;
    const SDL_Rect feld = teil ? SDL_Rect{s.quelle.left, s.quelle.top, w, h} : SDL_Rect{0, 0, s.breite, s.hoehe};
    if (feld.w > m_maxTextur || feld.h > m_maxTextur)
        return nullptr;
    quelle = {s.quelle.left - feld.x, s.quelle.top - feld.y, w, h};
    CTextur& t = m_texturen[teil ? CTexturSchluessel{s.serie, art, feld.x, feld.y, feld.w, feld.h}
                                 : CTexturSchluessel{s.serie, art, -1, -1, -1, -1}];
    if (t.textur && (t.breite != feld.w || t.hoehe != feld.h)) {
        SDL_DestroyTexture(t.textur);
        t.textur = nullptr;
    }
    if (!t.textur) {
        t.textur = SDL_CreateTexture(m_renderer, schluessel ? Uint32(SDL_PIXELFORMAT_ARGB8888) : m_format,
                                     SDL_TEXTUREACCESS_STATIC, feld.w, feld.h);
        if (!t.textur)
            return nullptr;
        // Keyed pixels are fully transparent, all others fully opaque: the
        // blend then copies indices' colours exactly.
        SDL_SetTextureBlendMode(t.textur, schluessel ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
        t.breite = feld.w;
        t.hoehe = feld.h;
        t.palette = 0;
    }
    if (t.stand != s.stand || t.palette != m_paletteStand) {
        uint32_t tabelle[256];
        std::memcpy(tabelle, schluessel ? m_tabelleAlpha : m_tabelle, sizeof(tabelle));
        if (schluessel)
            for (int i = s.von; i <= s.bis; ++i)
                tabelle[i] = 0;
        m_puffer.resize(size_t(feld.w) * size_t(feld.h));
        Umwandeln8Nach32(s.pixel + ptrdiff_t(feld.y) * s.pitch + feld.x, s.pitch, m_puffer.data(), feld.w * 4, feld.w,
                         feld.h, tabelle);
        if (SDL_UpdateTexture(t.textur, nullptr, m_puffer.data(), feld.w * 4) != 0)
            return nullptr;
        t.stand = s.stand;
        t.palette = m_paletteStand;
    }
    t.benutzt = m_bildnummer;
    return t.textur;
}

bool CSdlAnzeige::Zusammensetzen()
{
    if (!m_schritte)
        return false;
    m_quellen.clear();
    for (const CBildSchritt& s : *m_schritte) {
        SDL_Texture* t = nullptr;
        SDL_Rect quelle{};
        if (s.art != CBildSchritt::EArt::Fuellen && !(t = Textur(s, quelle)))
            return false;
        m_quellen.push_back({t, quelle});
    }
    SDL_SetRenderDrawBlendMode(m_renderer, SDL_BLENDMODE_NONE);
    for (size_t i = 0; i < m_schritte->size(); ++i) {
        const CBildSchritt& s = (*m_schritte)[i];
        const SDL_Rect ziel{s.ziel.left, s.ziel.top, s.ziel.right - s.ziel.left, s.ziel.bottom - s.ziel.top};
        if (s.art == CBildSchritt::EArt::Fuellen) {
            const PALETTEENTRY& e = m_palette[s.farbe];
            SDL_SetRenderDrawColor(m_renderer, e.peRed, e.peGreen, e.peBlue, 255);
            SDL_RenderFillRect(m_renderer, &ziel);
        } else {
            SDL_RenderCopy(m_renderer, m_quellen[i].first, &m_quellen[i].second, &ziel);
        }
    }
    if (m_bildnummer % UNBENUTZT == 0)
        for (auto it = m_texturen.begin(); it != m_texturen.end();) {
            if (it->second.benutzt + UNBENUTZT < m_bildnummer) {
                SDL_DestroyTexture(it->second.textur);
                it = m_texturen.erase(it);
            } else {
                ++it;
            }
        }
    ++m_messung.zusammengesetzt;
    return true;
}

CSdlAnzeige::Uhr::duration CSdlAnzeige::Vorlauf() const
{
    // With vsync the present must start early enough to make its retrace
    // however long the drawing takes; without, it ends just before it.
    const Uhr::duration v = m_kosten + m_zuschlag + (m_vsync ? 2ms : 1ms);
    return std::clamp<Uhr::duration>(v, 1ms, m_periode * 3 / 4);
}

void CSdlAnzeige::BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    if (!m_renderer)
        return;
    const double cpu = m_messung.an ? ProzessCpu() : 0.0;
    ++m_bildnummer;
    PaletteUebernehmen(palette);
    if (!Zusammensetzen()) {
        Hochladen(pixel, pitch);
        ++m_messung.umgewandelt;
    }
    m_schritte = nullptr;
    const auto jetzt = Uhr::now();
    // The retrace after the last frame's on the fixed clock; retraces the
    // present can no longer meet are passed over, the clock's phase kept.
    const auto frueh = jetzt + m_kosten;
    if (m_letzteFaellig == Uhr::time_point{}) {
        m_faellig = frueh;
    } else {
        m_faellig = m_letzteFaellig + m_periode;
        if (m_faellig < frueh)
            m_faellig += ((frueh - m_faellig) / m_periode + 1) * m_periode;
    }
    m_ausstehend = true;
    m_letzteAbfrage = jetzt;
    if (m_messung.an) {
        m_messung.eingereiht.push_back(jetzt);
        m_messung.cpuPfad += ProzessCpu() - cpu;
    }
}

void CSdlAnzeige::Zeigen()
{
    const double cpu = m_messung.an ? ProzessCpu() : 0.0;
    const auto start = Uhr::now();
    SDL_RenderFlush(m_renderer);
    const auto gezeichnet = Uhr::now();
    SDL_RenderPresent(m_renderer); // with vsync blocks until the retrace
    const auto ende = Uhr::now();
    m_ausstehend = false;
    if (m_messung.an) {
        m_messung.gezeigt.push_back(ende);
        m_messung.cpuPfad += ProzessCpu() - cpu;
    }

    // The cost of presenting: nine in ten of the latest presents took no
    // longer. A single slow one (the thread preempted) does not stretch the
    // lead; a lasting rise does within a second.
    m_dauern[m_dauerIndex++ % m_dauern.size()] = m_vsync ? gezeichnet - start : ende - start;
    if (m_dauerIndex >= m_dauern.size()) {
        auto sortiert = m_dauern;
        auto p90 = sortiert.begin() + ptrdiff_t(sortiert.size() * 9 / 10);
        std::nth_element(sortiert.begin(), p90, sortiert.end());
        m_kosten = *p90;
    }

    if (m_vsync) {
        const auto abweichung = ende - m_faellig;
        if (abweichung > m_periode / 2) {
            // The retrace was missed: start earlier from now on.
            m_zuschlag = std::min<Uhr::duration>(m_zuschlag + 1ms, m_periode / 2);
        } else if (ende - gezeichnet > 500us && abweichung > -m_periode / 4 && abweichung < m_periode / 4) {
            // A present that waited ended at a retrace: the clock follows
            // its phase, and the period the spacing of such retraces.
            m_faellig += abweichung / 4;
            if (m_letzteRetrace != Uhr::time_point{}) {
                const auto abstand = ende - m_letzteRetrace;
                const auto n = (abstand + m_periode / 2) / m_periode;
                if (n >= 1 && n <= 4) {
                    const auto gemessen = abstand / n;
                    if (gemessen > m_nominal * 49 / 50 && gemessen < m_nominal * 51 / 50)
                        m_periode = (m_periode * 15 + gemessen) / 16;
                }
            }
            m_letzteRetrace = ende;
        }
    }
    m_letzteFaellig = m_faellig;
}

void CSdlAnzeige::Schlafen()
{
    const auto rest = m_faellig - Vorlauf() - Uhr::now();
    if (rest > Uhr::duration::zero())
        std::this_thread::sleep_for(std::min<Uhr::duration>(rest, SCHEIBE));
}

void CSdlAnzeige::FaelligZeigen()
{
    if (m_ausstehend && Faellig())
        Zeigen();
}

bool CSdlAnzeige::TauschAusstehend()
{
    if (!m_ausstehend)
        return false;
    EreignissePumpen();
    if (!Faellig()) {
        Schlafen();
        if (!Faellig())
            return true;
    }
    Zeigen();
    return false;
}

void CSdlAnzeige::TauschAbwarten()
{
    while (m_ausstehend && !Faellig()) {
        EreignissePumpen();
        Schlafen();
    }
    if (m_ausstehend)
        Zeigen();
}

void CSdlAnzeige::FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    if (!m_renderer)
        return;
    TauschAbwarten();
    PaletteUebernehmen(palette);
    Hochladen(pixel, pitch);
    SDL_RenderPresent(m_renderer);
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
    // The engine polls several keys in a row, many times a millisecond;
    // asking the X server once in a while keeps the state fresh enough.
    if (Uhr::now() < m_naechstesPumpen)
        return;
    m_naechstesPumpen = Uhr::now() + PUMPABSTAND;
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
        default: break;
        }
    }
}

SHORT CSdlAnzeige::Taste(int vk)
{
    const auto jetzt = Uhr::now();
    if (m_ausstehend)
        m_messung.groessteLuecke = std::max(m_messung.groessteLuecke, jetzt - m_letzteAbfrage);
    if (m_ausstehend) {
        ++m_messung.abfragen;
        m_messung.langeLuecken += jetzt - m_letzteAbfrage > 1ms;
    }
    m_letzteAbfrage = jetzt;
    // A due frame goes first, so the state returned is as fresh as the poll.
    FaelligZeigen();
    EreignissePumpen();
    vk &= 0xFF;
    const SHORT ergebnis = SHORT((m_unten[size_t(vk)] ? 0x8000 : 0) | (m_gedrueckt[size_t(vk)] ? 1 : 0));
    m_gedrueckt[size_t(vk)] = false;
    return ergebnis;
}

bool CSdlAnzeige::Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen)
{
    FaelligZeigen();
    EreignissePumpen();
    // A loop that only waits for a key (the ready screen) asks again and
    // again: it sleeps a slice, which still polls within a millisecond.
    const auto jetzt = Uhr::now();
    const bool gedraengt = jetzt - m_letzteNachricht < 1ms;
    m_letzteNachricht = jetzt;
    const bool alle = von == 0 && bis == 0;
    for (auto it = m_nachrichten.begin(); it != m_nachrichten.end(); ++it) {
        if (!alle && (it->message < von || it->message > bis))
            continue;
        nachricht = *it;
        if (entfernen)
            m_nachrichten.erase(it);
        return true;
    }
    if (gedraengt && !m_ausstehend)
        std::this_thread::sleep_for(SCHEIBE);
    return false;
}

void CSdlAnzeige::MauszeigerSichtbar(bool sichtbar) { SDL_ShowCursor(sichtbar ? SDL_ENABLE : SDL_DISABLE); }
