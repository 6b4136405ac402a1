#include "platform/display/memory/speicher_anzeige.h"

#include "platform/display/memory/png.h"
#include "platform/display/pixel8.h"

#include <algorithm>
#include <cmath>
#include <cstring>

std::vector<CAnzeigeModus> CSpeicherKonfig::StandardModi()
{
    std::vector<CAnzeigeModus> modi;
    for (auto [b, h] : {std::pair{640u, 480u}, {800u, 600u}, {1024u, 768u}, {1280u, 1024u}})
        for (DWORD bits : {8u, 32u})
            for (DWORD f : {60u, 75u, 85u})
                modi.push_back({b, h, bits, f});
    return modi;
}

std::shared_ptr<CSpeicherAnzeige> CSpeicherAnzeige::Installieren(CSpeicherKonfig konfig)
{
    auto anzeige = std::make_shared<CSpeicherAnzeige>(std::move(konfig));
    std::weak_ptr<CSpeicherAnzeige> schwach = anzeige;
    AnzeigeTreiberAnmelden("speicher", [schwach]() -> std::shared_ptr<CAnzeigeTreiber> { return schwach.lock(); });
    AnzeigeTreiberWaehlen("speicher");
    SetLeistungszaehlerQuelle(anzeige.get());
    return anzeige;
}

CSpeicherAnzeige::CSpeicherAnzeige(CSpeicherKonfig konfig) : m_konfig(std::move(konfig)), m_modus(m_konfig.arbeitsplatz)
{
    m_letzteAbfrage.fill(-1);
}

CSpeicherAnzeige::~CSpeicherAnzeige()
{
    SetLeistungszaehlerQuelle(nullptr);
    if (GetAnzeigeTreiber() == "speicher")
        AnzeigeTreiberWaehlen("");
}

void CSpeicherAnzeige::SetErgebnis(EAufruf aufruf, HRESULT hr, int mal)
{
    m_skript[size_t(aufruf)].push_back({hr, mal});
}

void CSpeicherAnzeige::ModusVerweigern(CAnzeigeModus modus, HRESULT hr) { m_verweigert.push_back({modus, hr}); }

void CSpeicherAnzeige::Druecken(int vk, double vonMs, double bisMs)
{
    const int64_t von = std::llround(vonMs * 1e6), bis = std::llround(bisMs * 1e6);
    m_druecke.push_back({vk & 0xFF, von, bis});
    const bool maus = vk == VK_LBUTTON || vk == VK_RBUTTON;
    const UINT ab = maus ? (vk == VK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN) : WM_KEYDOWN;
    const UINT auf = maus ? (vk == VK_LBUTTON ? WM_LBUTTONUP : WM_RBUTTONUP) : WM_KEYUP;
    m_ereignisse.push_back({von, ab, vk});
    m_ereignisse.push_back({bis, auf, vk});
    Einordnen();
}

void CSpeicherAnzeige::Beenden(double ms)
{
    m_ereignisse.push_back({std::llround(ms * 1e6), WM_QUIT, 0});
    Einordnen();
}

void CSpeicherAnzeige::Einordnen()
{
    std::stable_sort(m_ereignisse.begin(), m_ereignisse.end(),
                     [](const CEreignis& a, const CEreignis& b) { return a.zeit < b.zeit; });
}

HRESULT CSpeicherAnzeige::Vorgabe(EAufruf aufruf)
{
    ++m_aufrufe[size_t(aufruf)];
    auto& skript = m_skript[size_t(aufruf)];
    if (skript.empty())
        return DD_OK;
    const HRESULT hr = skript.front().hr;
    if (skript.front().mal > 0 && --skript.front().mal == 0)
        skript.pop_front();
    return hr;
}

HRESULT CSpeicherAnzeige::ModusSetzen(const CAnzeigeModus& modus)
{
    m_versuche.push_back(modus);
    for (const auto& [m, hr] : m_verweigert)
        if (m.breite == modus.breite && m.hoehe == modus.hoehe && m.frequenz == modus.frequenz)
            return hr;
    const auto& modi = m_konfig.modi;
    const bool groesse = std::any_of(modi.begin(), modi.end(), [&](const CAnzeigeModus& m) {
        return m.breite == modus.breite && m.hoehe == modus.hoehe && m.bitsProPixel == modus.bitsProPixel;
    });
    if (!groesse)
        return DDERR_INVALIDMODE;
    if (modus.frequenz != 0) {
        if (m_konfig.nurStandardfrequenz || std::find(modi.begin(), modi.end(), modus) == modi.end())
            return DDERR_UNSUPPORTEDMODE;
    }
    m_modus = modus;
    if (m_modus.frequenz == 0)
        m_modus.frequenz = m_konfig.standardfrequenz;
    m_gesetzt = true;
    m_bild.assign(size_t(m_modus.breite) * m_modus.hoehe, 0);
    return DD_OK;
}

CAnzeigeModus CSpeicherAnzeige::ModusInKraft() { return m_modus; }

void CSpeicherAnzeige::ModusZuruecksetzen()
{
    m_modus = m_konfig.arbeitsplatz;
    m_gesetzt = false;
    m_ausstehend = false;
}

int64_t CSpeicherAnzeige::Periode() const { return 1'000'000'000 / int64_t(m_modus.frequenz ? m_modus.frequenz : 60); }

void CSpeicherAnzeige::Abbilden(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    const size_t b = m_modus.breite, h = m_modus.hoehe;
    m_bild.resize(b * h);
    for (size_t y = 0; y < h; ++y)
        std::memcpy(m_bild.data() + y * b, pixel + ptrdiff_t(y) * pitch, b);
    std::copy(palette, palette + 256, m_palette.begin());
}

void CSpeicherAnzeige::BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    // The frame appears at the next retrace; retraces fall at whole periods
    // of the rate since the clock's zero.
    const int64_t f = m_modus.frequenz ? m_modus.frequenz : 60;
    const int64_t k = (m_jetzt * f) / 1'000'000'000 + 1;
    m_tauschZeit = (k * 1'000'000'000 + f - 1) / f;
    m_ausstehend = true;
    ++m_bilder;
    Abbilden(pixel, pitch, palette);
    if (m_konfig.schrittePruefen && m_schritte) {
        ++m_schrittBilder;
        const LONG b = LONG(m_modus.breite), h = LONG(m_modus.hoehe);
        std::vector<BYTE> bild(size_t(b) * size_t(h), 0xA5);
        for (const CBildSchritt& s : *m_schritte) {
            const LONG w = s.ziel.right - s.ziel.left, hz = s.ziel.bottom - s.ziel.top;
            CPixelFeld z{bild.data() + size_t(s.ziel.top) * size_t(b) + size_t(s.ziel.left), b, w, hz};
            if (s.art == CBildSchritt::EArt::Fuellen) {
                Fuellen8(z, s.farbe);
                continue;
            }
            CPixelFeld q{const_cast<BYTE*>(s.pixel) + ptrdiff_t(s.quelle.top) * s.pitch + s.quelle.left, s.pitch, w,
                         hz};
            if (s.art == CBildSchritt::EArt::Kopieren)
                Kopieren8(z, q);
            else
                KopierenMitSchluessel8(z, q, s.von, s.bis);
        }
        m_schrittFehler += bild != m_bild;
    }
    m_schritte = nullptr;
}

bool CSpeicherAnzeige::TauschAusstehend()
{
    if (!m_ausstehend)
        return false;
    if (m_jetzt >= m_tauschZeit) {
        m_ausstehend = false;
        return false;
    }
    m_jetzt = std::min(m_jetzt + m_konfig.warteSchrittNs, m_tauschZeit);
    return true;
}

void CSpeicherAnzeige::TauschAbwarten()
{
    if (m_ausstehend)
        m_jetzt = std::max(m_jetzt, m_tauschZeit);
    m_ausstehend = false;
}

void CSpeicherAnzeige::FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette)
{
    Abbilden(pixel, pitch, palette);
}

SHORT CSpeicherAnzeige::Taste(int vk)
{
    m_jetzt += m_konfig.tastenSchrittNs;
    vk &= 0xFF;
    bool unten = false, seither = false;
    const int64_t zuletzt = m_letzteAbfrage[size_t(vk)];
    for (const CDruck& d : m_druecke) {
        if (d.vk != vk)
            continue;
        unten |= d.von <= m_jetzt && m_jetzt < d.bis;
        seither |= d.von > zuletzt && d.von <= m_jetzt;
    }
    m_letzteAbfrage[size_t(vk)] = m_jetzt;
    return SHORT((unten ? 0x8000 : 0) | (seither ? 1 : 0));
}

bool CSpeicherAnzeige::Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen)
{
    const bool alle = von == 0 && bis == 0;
    for (auto it = m_ereignisse.begin(); it != m_ereignisse.end() && it->zeit <= m_jetzt; ++it) {
        if (!alle && it->nachricht != WM_QUIT && (it->nachricht < von || it->nachricht > bis))
            continue;
        nachricht = MSG{};
        nachricht.message = it->nachricht;
        const bool maus = it->nachricht >= WM_MOUSEFIRST;
        nachricht.wParam = maus ? 0 : WPARAM(it->vk);
        nachricht.lParam = maus || it->nachricht == WM_QUIT ? 0 : LPARAM(1);
        nachricht.time = DWORD(it->zeit / 1'000'000);
        if (entfernen)
            m_ereignisse.erase(it);
        return true;
    }
    return false;
}

// ---- Dumps -------------------------------------------------------------------

namespace {

int IndizesSpeichern(const std::string& pfad, const BYTE* pixel, LONG pitch, int breite, int hoehe,
                     const PALETTEENTRY* palette)
{
    std::vector<uint8_t> rgb(size_t(breite) * size_t(hoehe) * 3);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            const PALETTEENTRY& e = palette[pixel[ptrdiff_t(y) * pitch + x]];
            uint8_t* p = &rgb[(size_t(y) * size_t(breite) + size_t(x)) * 3];
            p[0] = e.peRed;
            p[1] = e.peGreen;
            p[2] = e.peBlue;
        }
    return PngSchreiben(pfad, breite, hoehe, rgb);
}

} // namespace

int CSpeicherAnzeige::BildschirmSpeichern(const std::string& pfad) const
{
    if (m_bild.size() != size_t(m_modus.breite) * m_modus.hoehe || m_bild.empty())
        return 1;
    return IndizesSpeichern(pfad, m_bild.data(), LONG(m_modus.breite), int(m_modus.breite), int(m_modus.hoehe),
                            m_palette.data());
}

int CSpeicherAnzeige::PaletteSpeichern(const std::string& pfad) const
{
    // 16 x 16 fields of 16 pixels, index 0 top left, rows of 16 indices.
    std::vector<BYTE> felder(256 * 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            felder[size_t(y) * 256 + size_t(x)] = BYTE((y / 16) * 16 + x / 16);
    return IndizesSpeichern(pfad, felder.data(), 256, 256, 256, m_palette.data());
}

int CSpeicherAnzeige::OberflaecheSpeichern(IDirectDrawSurface* oberflaeche, const std::string& pfad) const
{
    if (!oberflaeche)
        return 1;
    std::array<PALETTEENTRY, 256> palette = m_palette;
    IDirectDrawPalette* eigene = nullptr;
    if (oberflaeche->GetPalette(&eigene) == DD_OK) {
        eigene->GetEntries(0, 0, 256, palette.data());
        eigene->Release();
    }
    DDSURFACEDESC d;
    if (oberflaeche->Lock(nullptr, &d, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK)
        return 1;
    const int ergebnis = IndizesSpeichern(pfad, static_cast<const BYTE*>(d.lpSurface), d.lPitch, int(d.dwWidth),
                                          int(d.dwHeight), palette.data());
    oberflaeche->Unlock(nullptr);
    return ergebnis;
}
