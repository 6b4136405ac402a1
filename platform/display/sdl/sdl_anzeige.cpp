#include "platform/display/sdl/sdl_anzeige.h"

#include "platform/display/pixel8.h"

#include <SDL_syswm.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <poll.h>
#include <time.h>

namespace {

using namespace std::chrono_literals;

// Messages nobody takes are dropped beyond this many.
constexpr size_t MAX_NACHRICHTEN = 512;
// A loop that only asks for messages waits this long at most for one.
constexpr auto NACHRICHTENWARTEN = 1ms;
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

// The current GL context draws with one of Mesa's rasterisers on the CPU.
bool RastertAufCpu()
{
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned GL_RENDERER_NAME = 0x1F01;
    const auto glGetString =
        SDL_GL_GetCurrentContext() ? reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString")) : nullptr;
    const char* name = glGetString ? reinterpret_cast<const char*>(glGetString(GL_RENDERER_NAME)) : nullptr;
    if (!name)
        return false;
    for (const char* cpu : {"llvmpipe", "softpipe", "Software Rasterizer"})
        if (std::strstr(name, cpu))
            return true;
    return false;
}

// The framebuffer of a window drawn on the CPU: the window's own (shared
// memory with the X server), not a texture of a GL renderer.
template <class F>
auto OhneBeschleunigung(F f)
{
    const char* vorher = SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    const std::string alt = vorher ? vorher : "";
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    auto ergebnis = f();
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, vorher ? alt.c_str() : nullptr);
    return ergebnis;
}

} // namespace

void SdlAnzeigeAnmelden()
{
    AnzeigeTreiberAnmelden("sdl", [] { return std::make_shared<CSdlAnzeige>(); });
}

CSdlAnzeige::CSdlAnzeige()
{
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // SIGTERM and SIGINT are m_signale's.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
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
    if (m_setzer.joinable()) {
        {
            std::lock_guard l(m_setzenSperre);
            m_setzen = ESetzen::Ende;
        }
        m_setzenSignal.notify_all();
        m_setzer.join();
    }
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
    const auto nominal = std::chrono::nanoseconds(1'000'000'000 / (modus.refresh_rate > 0 ? modus.refresh_rate : 60));
    m_takt.Beginnen(nominal, false);
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
    const bool vsync = VsyncPruefen();
    if (!vsync && !(gewaehlt && *gewaehlt)) {
        // Without retraces at the mode's rate an accelerated renderer only
        // costs (a software rasteriser, as under Xvfb, spends a core on
        // two full-screen copies), and so does any renderer's copy of kept
        // textures: each frame is composed once into the window's own
        // framebuffer. SDL's software renderer stands in where that surface
        // is not 32-bit. A render driver chosen by name (SDL_RENDER_DRIVER)
        // is kept.
        RendererAufgeben();
        if (!FlaecheNehmen() && !RendererErstellen(-1, 0)) {
            std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
            FensterSchliessen();
            return DDERR_UNSUPPORTEDMODE;
        }
    }
    m_takt.Beginnen(nominal, vsync);
    return DD_OK;
}

bool CSdlAnzeige::FlaecheNehmen()
{
    SDL_Surface* f = OhneBeschleunigung([&] { return SDL_GetWindowSurface(m_fenster); });
    if (!f || f->format->BytesPerPixel != 4 || f->w < m_breite || f->h < m_hoehe)
        return false;
    m_flaeche = f;
    m_format = f->format->format;
    m_software = true;
    m_paletteStand = 1;
    m_palette.fill({1, 2, 3, 4}); // matches no palette: the first frame builds the table
    return true;
}

bool CSdlAnzeige::RendererErstellen(int treiber, Uint32 flags)
{
    m_renderer = OhneBeschleunigung([&] { return SDL_CreateRenderer(m_fenster, treiber, flags); });
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
    const auto nominal = m_takt.Nominal();
    // A rasteriser on the CPU has no retraces of its own: what paces its
    // presents is emulated (Xvfb's come at about 62 Hz, under load at times
    // close enough to the mode's rate to pass for it).
    const bool vsync = mitte > nominal * 49 / 50 && mitte < nominal * 51 / 50 && abstaende[1] > nominal * 9 / 10 &&
                       abstaende[abstaende.size() - 2] < nominal * 11 / 10 && !RastertAufCpu();
    if (!vsync && mitte > nominal / 2)
        SDL_RenderSetVSync(m_renderer, 0);
    return vsync;
}

void CSdlAnzeige::RendererAufgeben()
{
    SetzenAbwarten();
    for (auto& [schluessel, t] : m_texturen)
        SDL_DestroyTexture(t.textur);
    m_texturen.clear();
    if (m_textur)
        SDL_DestroyTexture(m_textur);
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    m_textur = nullptr;
    m_renderer = nullptr;
    m_flaeche = nullptr; // SDL frees the window's surface with the window
}

void CSdlAnzeige::FensterSchliessen()
{
    RendererAufgeben();
    if (m_fenster)
        SDL_DestroyWindow(m_fenster);
    m_fenster = nullptr;
    m_xVerbindung = -2;
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
    // Opaque entries in the format drawn into: the textures' or the window's.
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
    if (m_flaeche) {
        Umwandeln8Nach32(pixel, pitch, static_cast<uint32_t*>(m_flaeche->pixels), m_flaeche->pitch, m_breite, m_hoehe,
                         m_tabelle);
        return;
    }
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
    if (!m_schritte || !m_renderer)
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

void CSdlAnzeige::BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    if (!m_renderer && !m_flaeche)
        return;
    SetzenAbwarten();
    const double cpu = m_messung.an ? ProzessCpu() : 0.0;
    ++m_bildnummer;
    PaletteUebernehmen(palette);
    const bool setzen = m_flaeche && m_schritte;
    if (setzen) {
        // The frame as the window shows it, written once: the previous one
        // is already on screen, the X server has read it.
        m_auftrag.schritte = *m_schritte;
        m_auftrag.ziel = static_cast<uint32_t*>(m_flaeche->pixels);
        m_auftrag.pitch = m_flaeche->pitch;
        m_auftrag.breite = m_breite;
        m_auftrag.hoehe = m_hoehe;
        std::memcpy(m_auftrag.tabelle, m_tabelle, sizeof(m_tabelle));
        ++m_messung.zusammengesetzt;
    } else if (!Zusammensetzen() && pixel) {
        Hochladen(pixel, pitch);
        ++m_messung.umgewandelt;
    }
    m_schritte = nullptr;
    const auto jetzt = Uhr::now();
    m_takt.Einreihen(jetzt);
    m_ausstehend = true;
    if (m_messung.an) {
        m_messung.eingereiht.push_back(jetzt);
        m_messung.cpuPfad += ProzessCpu() - cpu;
    }
    if (setzen)
        SetzenBeginnen();
}

void CSdlAnzeige::SetzenBeginnen()
{
    if (!m_setzer.joinable())
        m_setzer = std::thread([this] { Setzer(); });
    {
        std::lock_guard l(m_setzenSperre);
        m_setzen = ESetzen::Wartet;
    }
    m_setzenSignal.notify_all();
}

void CSdlAnzeige::SetzenAbwarten()
{
    std::unique_lock l(m_setzenSperre);
    m_setzenSignal.wait(l, [&] { return m_setzen == ESetzen::Frei || m_setzen == ESetzen::Ende; });
}

void CSdlAnzeige::Setzer()
{
    std::unique_lock l(m_setzenSperre);
    for (;;) {
        m_setzenSignal.wait(l, [&] { return m_setzen == ESetzen::Wartet || m_setzen == ESetzen::Ende; });
        if (m_setzen == ESetzen::Ende)
            return;
        m_setzen = ESetzen::Laeuft;
        l.unlock();
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        m_auftrag.paare.Setzen(m_auftrag.tabelle);
        Zusammensetzen8Nach32(m_auftrag.schritte, m_auftrag.ziel, m_auftrag.pitch, m_auftrag.breite, m_auftrag.hoehe,
                              m_auftrag.paare);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        m_auftrag.cpu = double(b.tv_sec - a.tv_sec) + double(b.tv_nsec - a.tv_nsec) / 1e9;
        l.lock();
        m_setzen = ESetzen::Frei;
        m_setzenSignal.notify_all();
    }
}

void CSdlAnzeige::Zeigen()
{
    SetzenAbwarten();
    if (m_messung.an) {
        m_messung.cpuPfad += m_auftrag.cpu;
        m_auftrag.cpu = 0;
    }
    const double cpu = m_messung.an ? ProzessCpu() : 0.0;
    const auto start = Uhr::now();
    if (m_renderer)
        SDL_RenderFlush(m_renderer);
    const auto gezeichnet = Uhr::now();
    if (m_flaeche)
        SDL_UpdateWindowSurface(m_fenster);
    else
        SDL_RenderPresent(m_renderer); // with vsync blocks until the retrace
    const auto ende = Uhr::now();
    m_ausstehend = false;
    if (m_messung.an) {
        m_messung.gezeigt.push_back(ende);
        m_messung.cpuPfad += ProzessCpu() - cpu;
    }
    m_takt.Gezeigt(start, gezeichnet, ende);
}

void CSdlAnzeige::Warten(Uhr::time_point bis)
{
    // Blocks on the X connection until the time or an input event, so a key
    // is taken when it arrives and an idle wait costs nothing. Events Xlib
    // has already read (a present's reply brings them along) leave nothing
    // on the socket: they are taken first, then the socket is waited on for
    // the whole rest in one sleep. SDL's own wait would ask the server again
    // on each of its wakes and counts only whole milliseconds.
    if (bis <= Uhr::now())
        return;
    const int x = XVerbindung();
    if (x < 0) {
        const auto rest = bis - Uhr::now();
        if (rest >= 1ms) {
            SDL_Event e;
            if (SDL_WaitEventTimeout(&e, int(rest / 1ms)) == 1) {
                Verarbeiten(e);
                EreignissePumpen();
                return;
            }
        }
    }
    m_naechstesPumpen = {};
    EreignissePumpen();
    const auto nochUebrig = bis - Uhr::now();
    if (nochUebrig <= Uhr::duration::zero())
        return;
    if (x < 0) {
        std::this_thread::sleep_for(nochUebrig);
        return;
    }
    pollfd p{x, POLLIN, 0};
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(nochUebrig).count();
    const timespec frist{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    if (ppoll(&p, 1, &frist, nullptr) > 0) {
        m_naechstesPumpen = {};
        EreignissePumpen();
    }
}

int CSdlAnzeige::XVerbindung()
{
    if (m_xVerbindung == -2) {
        m_xVerbindung = -1;
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
#ifdef SDL_VIDEO_DRIVER_X11
        if (m_fenster && SDL_GetWindowWMInfo(m_fenster, &info) && info.subsystem == SDL_SYSWM_X11)
            m_xVerbindung = ConnectionNumber(info.info.x11.display);
#endif
    }
    return m_xVerbindung;
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
        // Until the present is due or input comes; either way the loop
        // hears "still drawing" once more and polls its keys before the
        // next call presents.
        Warten(m_takt.Beginn());
        return true;
    }
    Zeigen();
    return false;
}

void CSdlAnzeige::TauschAbwarten()
{
    while (m_ausstehend && !Faellig()) {
        EreignissePumpen();
        Warten(m_takt.Beginn());
    }
    if (m_ausstehend)
        Zeigen();
}

void CSdlAnzeige::FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    if (!m_renderer && !m_flaeche)
        return;
    TauschAbwarten();
    PaletteUebernehmen(palette);
    Hochladen(pixel, pitch);
    if (m_flaeche)
        SDL_UpdateWindowSurface(m_fenster);
    else
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
    while (SDL_PollEvent(&e))
        Verarbeiten(e);
}

void CSdlAnzeige::Verarbeiten(const SDL_Event& e)
{
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

SHORT CSdlAnzeige::Taste(int vk)
{
    // A due frame goes first, so the state returned is as fresh as the poll.
    FaelligZeigen();
    EreignissePumpen();
    vk &= 0xFF;
    const SHORT ergebnis = SHORT((m_unten[size_t(vk)] ? 0x8000 : 0) | (m_gedrueckt[size_t(vk)] ? 1 : 0));
    m_gedrueckt[size_t(vk)] = false;
    if (m_messung.an && (ergebnis & 1))
        m_messung.gesehen.push_back(Uhr::now());
    return ergebnis;
}

bool CSdlAnzeige::Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen)
{
    FaelligZeigen();
    EreignissePumpen();
    if (m_signale.Gefangen(entfernen)) {
        nachricht = MSG{};
        nachricht.message = WM_QUIT;
        return true;
    }
    // A loop that only waits for a key (the ready screen) asks again and
    // again: it waits for input a while, or until a queued frame is due.
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
    if (gedraengt)
        Warten(m_ausstehend ? std::min(m_takt.Beginn(), jetzt + NACHRICHTENWARTEN) : jetzt + NACHRICHTENWARTEN);
    return false;
}

void CSdlAnzeige::MauszeigerSichtbar(bool sichtbar) { SDL_ShowCursor(sichtbar ? SDL_ENABLE : SDL_DISABLE); }
