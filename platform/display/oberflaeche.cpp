#include "platform/display/objekte.h"
#include "platform/display/pixel8.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

// A rectangle of a surface; null means the whole surface. False when it
// leaves the surface or is inverted (there is no clipper).
bool RechteckPruefen(const RECT* r, DWORD breite, DWORD hoehe, RECT& ergebnis)
{
    if (!r) {
        ergebnis = {0, 0, LONG(breite), LONG(hoehe)};
        return true;
    }
    ergebnis = *r;
    return r->left >= 0 && r->top >= 0 && r->left <= r->right && r->top <= r->bottom && r->right <= LONG(breite) &&
           r->bottom <= LONG(hoehe);
}

bool Leer(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

CDDOberflaeche* Intern(IDirectDrawSurface* s) { return static_cast<CDDOberflaeche*>(s); }

} // namespace

// ---- Palette ---------------------------------------------------------------

CDDPalette* CDDPalette::Erzeugen(std::shared_ptr<CAnzeigeKern> kern, const PALETTEENTRY* eintraege)
{
    auto p = std::shared_ptr<CDDPalette>(new CDDPalette, [](CDDPalette* x) { delete x; });
    p->m_kern = std::move(kern);
    if (eintraege)
        std::copy(eintraege, eintraege + 256, p->m_eintraege.begin());
    p->m_selbst = p;
    return p.get();
}

ULONG CDDPalette::AddRef() { return ++m_ref; }

ULONG CDDPalette::Release()
{
    if (m_ref == 0)
        return 0;
    if (--m_ref > 0)
        return m_ref;
    // Surfaces that show this palette keep it alive.
    auto selbst = std::move(m_selbst);
    return 0;
}

HRESULT CDDPalette::GetEntries(DWORD, DWORD erster, DWORD anzahl, PALETTEENTRY* eintraege)
{
    if (!eintraege || erster > 256 || anzahl > 256 - erster)
        return DDERR_INVALIDPARAMS;
    std::copy_n(m_eintraege.begin() + erster, anzahl, eintraege);
    return DD_OK;
}

HRESULT CDDPalette::SetEntries(DWORD, DWORD erster, DWORD anzahl, const PALETTEENTRY* eintraege)
{
    if (!eintraege || erster > 256 || anzahl > 256 - erster)
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::SetEntries); hr != DD_OK)
        return hr;
    std::copy_n(eintraege, anzahl, m_eintraege.begin() + erster);
    // A palette change shows at once on the screen.
    if (m_kern->primaer && m_kern->primaer->ZeigtPalette(this))
        m_kern->primaer->FrontMelden();
    return DD_OK;
}

// ---- Surfaces ----------------------------------------------------------------

namespace {
// A chain surface forgets its steps beyond this many until one covers all.
constexpr size_t MAX_SCHRITTE = 64;

std::atomic<uint64_t> g_serie{0};

// Whether the rectangles together cover 0..breite x 0..hoehe.
bool Decken(const std::vector<RECT>& rechtecke, LONG breite, LONG hoehe)
{
    std::vector<LONG> xs{0, breite};
    for (const RECT& r : rechtecke)
        xs.insert(xs.end(), {std::clamp(r.left, LONG(0), breite), std::clamp(r.right, LONG(0), breite)});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<std::pair<LONG, LONG>> spalte;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        spalte.clear();
        for (const RECT& r : rechtecke)
            if (r.left <= xs[i] && r.right >= xs[i + 1])
                spalte.push_back({r.top, r.bottom});
        std::sort(spalte.begin(), spalte.end());
        LONG y = 0;
        for (const auto& [oben, unten] : spalte) {
            if (oben > y)
                break;
            y = std::max(y, unten);
        }
        if (y < hoehe)
            return false;
    }
    return true;
}

} // namespace

CDDOberflaeche::CDDOberflaeche(std::shared_ptr<CAnzeigeKern> kern, DWORD caps, DWORD breite, DWORD hoehe)
    : m_kern(std::move(kern)), m_caps(caps), m_breite(breite), m_hoehe(hoehe),
      // Rows start at multiples of 4 bytes, so callers must honour the pitch.
      m_pitch(LONG((breite + 3) & ~DWORD(3))), m_pixel(size_t(m_pitch) * hoehe, 0), m_generation(m_kern->generation),
      m_serie(++g_serie)
{
    // A new surface is all index 0.
    CBildSchritt s;
    s.ziel = {0, 0, LONG(breite), LONG(hoehe)};
    m_schritte.push_back({s, {}});
}

void CDDOberflaeche::Ueberschrieben()
{
    ++m_stand;
    if (IstKette()) {
        m_schritte.clear();
        m_offen = 0;
        m_schritteGanz = false;
    }
}

bool CDDOberflaeche::Vermerkbar(const RECT& ziel, const CDDOberflaeche* quelle, const RECT* quellRechteck) const
{
    // Fills and unscaled copies from off-screen surfaces of this display.
    return !quelle || (!quelle->IstKette() && quelle->m_kern == m_kern && quellRechteck &&
                       quellRechteck->right - quellRechteck->left == ziel.right - ziel.left &&
                       quellRechteck->bottom - quellRechteck->top == ziel.bottom - ziel.top);
}

void CDDOberflaeche::Gezeichnet(const RECT& ziel, CDDOberflaeche* quelle, const RECT* quellRechteck, bool mitSchluessel,
                                BYTE farbe, bool offen)
{
    if (!Vermerkbar(ziel, quelle, quellRechteck)) {
        Ueberschrieben();
        return;
    }
    ++m_stand;
    if (!IstKette())
        return;
    CVermerk v;
    v.schritt.ziel = ziel;
    v.schritt.farbe = farbe;
    if (quelle) {
        v.schritt.art = mitSchluessel ? CBildSchritt::EArt::KopierenMitSchluessel : CBildSchritt::EArt::Kopieren;
        v.schritt.serie = quelle->m_serie;
        v.schritt.stand = quelle->m_stand;
        v.schritt.quelle = *quellRechteck;
        v.schritt.von = BYTE(quelle->m_schluessel.dwColorSpaceLowValue);
        v.schritt.bis = BYTE(quelle->m_schluessel.dwColorSpaceHighValue);
        v.quelle = quelle->shared_from_this();
    }
    m_schritte.push_back(std::move(v));
    m_offen += offen;
    if (mitSchluessel)
        return;
    // The latest steps that cover the whole surface hide all before them.
    // Steps of less area together cannot cover it: many small fills cost
    // no more than a sum.
    std::vector<RECT> deckend;
    int64_t flaeche = 0;
    for (size_t k = m_schritte.size(); k-- > 0;) {
        if (m_schritte[k].schritt.art == CBildSchritt::EArt::KopierenMitSchluessel)
            continue;
        const RECT& r = m_schritte[k].schritt.ziel;
        deckend.push_back(r);
        flaeche += int64_t(r.right - r.left) * (r.bottom - r.top);
        if (flaeche >= int64_t(m_breite) * m_hoehe && Decken(deckend, LONG(m_breite), LONG(m_hoehe))) {
            // Undrawn steps before them need never be drawn.
            m_schritte.erase(m_schritte.begin(), m_schritte.begin() + ptrdiff_t(k));
            m_offen = std::min(m_offen, m_schritte.size());
            m_schritteGanz = true;
            return;
        }
    }
    if (m_schritte.size() > MAX_SCHRITTE) {
        Nachzeichnen();
        m_schritte.erase(m_schritte.begin(), m_schritte.begin() + ptrdiff_t(MAX_SCHRITTE / 2));
        m_schritteGanz = false;
    }
}

void CDDOberflaeche::Nachzeichnen(const CDDOberflaeche* sterbend)
{
    const size_t ab = m_schritte.size() - m_offen;
    m_offen = 0;
    for (size_t i = ab; i < m_schritte.size(); ++i) {
        const CBildSchritt& s = m_schritte[i].schritt;
        const CPixelFeld zf{Zeile(s.ziel.top) + s.ziel.left, m_pitch, s.ziel.right - s.ziel.left,
                            s.ziel.bottom - s.ziel.top};
        if (s.art == CBildSchritt::EArt::Fuellen) {
            Fuellen8(zf, s.farbe);
            continue;
        }
        std::shared_ptr<CDDOberflaeche> gehalten;
        const CDDOberflaeche* q = sterbend && sterbend->m_serie == s.serie
                                      ? sterbend
                                      : (gehalten = m_schritte[i].quelle.lock()).get();
        if (!q)
            continue; // not reached: a source draws its copies out before it goes
        const CPixelFeld qf{const_cast<BYTE*>(q->m_pixel.data()) + ptrdiff_t(s.quelle.top) * q->m_pitch + s.quelle.left,
                            q->m_pitch, zf.breite, zf.hoehe};
        if (s.art == CBildSchritt::EArt::KopierenMitSchluessel)
            KopierenMitSchluessel8(zf, qf, s.von, s.bis);
        else
            Kopieren8(zf, qf);
    }
}

void CDDOberflaeche::VorAenderung(const CDDOberflaeche* sterbend)
{
    if (IstKette()) {
        Nachzeichnen();
        return;
    }
    // The back end may still be reading this surface for the frame it shows.
    m_kern->treiber->QuelleAendertSich();
    CDDOberflaeche* primaer = m_kern->primaer;
    for (CDDOberflaeche* kette : {primaer, primaer ? primaer->m_rueckpuffer.get() : nullptr}) {
        if (!kette || !kette->m_offen)
            continue;
        for (size_t i = kette->m_schritte.size() - kette->m_offen; i < kette->m_schritte.size(); ++i)
            if (kette->m_schritte[i].schritt.art != CBildSchritt::EArt::Fuellen &&
                kette->m_schritte[i].schritt.serie == m_serie) {
                kette->Nachzeichnen(sterbend);
                break;
            }
    }
}

const std::vector<CBildSchritt>* CDDOberflaeche::SchritteAufloesen()
{
    if (!m_schritteGanz)
        return nullptr;
    m_aufgeloest.clear();
    for (const CVermerk& v : m_schritte) {
        CBildSchritt s = v.schritt;
        if (s.art != CBildSchritt::EArt::Fuellen) {
            auto q = v.quelle.lock();
            // A source drawn on since the copy no longer holds what was copied.
            if (!q || q->m_stand != s.stand || q->m_sperren == 2)
                return nullptr;
            s.pixel = q->m_pixel.data();
            s.pitch = q->m_pitch;
            s.breite = LONG(q->m_breite);
            s.hoehe = LONG(q->m_hoehe);
        }
        m_aufgeloest.push_back(s);
    }
    return &m_aufgeloest;
}

CDDOberflaeche::~CDDOberflaeche()
{
    VorAenderung(this);
    if (m_kern->primaer == this)
        m_kern->primaer = nullptr;
}

HRESULT CDDOberflaeche::Erzeugen(std::shared_ptr<CAnzeigeKern> kern, const DDSURFACEDESC& d,
                                 IDirectDrawSurface** ergebnis)
{
    *ergebnis = nullptr;
    if (HRESULT hr = kern->treiber->Vorgabe(EAufruf::CreateSurface); hr != DD_OK)
        return hr;
    DWORD caps = (d.dwFlags & DDSD_CAPS) ? d.ddsCaps.dwCaps : 0;
    auto neu = [&](DWORD c, DWORD b, DWORD h) {
        auto s = std::shared_ptr<CDDOberflaeche>(new CDDOberflaeche(kern, c, b, h),
                                                 [](CDDOberflaeche* x) { delete x; });
        s->m_selbst = s;
        return s;
    };

    if (caps & DDSCAPS_PRIMARYSURFACE) {
        if (kern->primaer)
            return DDERR_PRIMARYSURFACEALREADYEXISTS;
        const bool kette = (caps & DDSCAPS_FLIP) != 0;
        if (kette) {
            if (!kern->exklusiv)
                return DDERR_NOEXCLUSIVEMODE;
            if (!(caps & DDSCAPS_COMPLEX) || !(d.dwFlags & DDSD_BACKBUFFERCOUNT) || d.dwBackBufferCount == 0)
                return DDERR_INVALIDCAPS;
            if (d.dwBackBufferCount > 1)
                return DDERR_UNSUPPORTED;
        }
        const CAnzeigeModus modus = kern->treiber->ModusInKraft();
        if (modus.breite == 0 || modus.hoehe == 0 || uint64_t(modus.breite) * modus.hoehe > DD_MAX_PIXEL)
            return DDERR_INVALIDMODE;
        const DWORD speicher = DDSCAPS_VIDEOMEMORY;
        auto primaer = neu((caps & ~DDSCAPS_BACKBUFFER) | DDSCAPS_FRONTBUFFER | speicher, modus.breite, modus.hoehe);
        if (kette) {
            primaer->m_rueckpuffer = neu(DDSCAPS_BACKBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX | speicher, modus.breite,
                                         modus.hoehe);
            primaer->m_rueckpuffer->m_primaer = primaer.get();
            primaer->m_rueckpuffer->m_selbst.reset(); // owned by the primary alone
        }
        kern->primaer = primaer.get();
        *ergebnis = primaer.get();
        return DD_OK;
    }

    if (!(d.dwFlags & DDSD_WIDTH) || !(d.dwFlags & DDSD_HEIGHT) || d.dwWidth == 0 || d.dwHeight == 0)
        return DDERR_INVALIDPARAMS;
    if ((d.dwFlags & DDSD_PIXELFORMAT) &&
        (!(d.ddpfPixelFormat.dwFlags & DDPF_PALETTEINDEXED8) || d.ddpfPixelFormat.dwRGBBitCount != 8))
        return DDERR_INVALIDPIXELFORMAT;
    if (uint64_t(d.dwWidth) * d.dwHeight > DD_MAX_PIXEL)
        return DDERR_OUTOFMEMORY;
    if (caps & (DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_BACKBUFFER))
        return DDERR_INVALIDCAPS;
    const bool videoFrei = kern->treiber->VideospeicherFrei();
    if ((caps & DDSCAPS_VIDEOMEMORY) && !videoFrei)
        return DDERR_OUTOFVIDEOMEMORY;
    if (!(caps & (DDSCAPS_VIDEOMEMORY | DDSCAPS_SYSTEMMEMORY)))
        caps |= videoFrei ? DDSCAPS_VIDEOMEMORY : DDSCAPS_SYSTEMMEMORY;
    auto s = neu(caps | DDSCAPS_OFFSCREENPLAIN, d.dwWidth, d.dwHeight);
    if (d.dwFlags & DDSD_CKSRCBLT) {
        s->m_mitSchluessel = true;
        s->m_schluessel = d.ddckCKSrcBlt;
    }
    *ergebnis = s.get();
    return DD_OK;
}

ULONG CDDOberflaeche::AddRef() { return ++m_ref; }

ULONG CDDOberflaeche::Release()
{
    if (m_ref == 0)
        return 0;
    if (--m_ref > 0 || m_primaer)
        return m_ref; // a back buffer goes with its primary
    auto selbst = std::move(m_selbst);
    return 0;
}

HRESULT CDDOberflaeche::Vorgabe(EAufruf aufruf)
{
    const HRESULT hr = m_kern->treiber->Vorgabe(aufruf);
    if (hr == DDERR_SURFACELOST) {
        m_verloren = true;
        if (m_primaer)
            m_primaer->m_verloren = true;
        if (m_rueckpuffer)
            m_rueckpuffer->m_verloren = true;
    }
    return hr;
}

HRESULT CDDOberflaeche::IsLost()
{
    return (m_verloren || m_generation != m_kern->generation) ? DDERR_SURFACELOST : DD_OK;
}

HRESULT CDDOberflaeche::Bereit(bool warten)
{
    if (!IstRueckpuffer() && !IstPrimaer())
        return DD_OK;
    if (!m_kern->treiber->TauschAusstehend())
        return DD_OK;
    if (!warten)
        return DDERR_WASSTILLDRAWING;
    m_kern->treiber->TauschAbwarten();
    return DD_OK;
}

HRESULT CDDOberflaeche::Zugriff(EAufruf aufruf, bool warten)
{
    if (HRESULT hr = Vorgabe(aufruf); hr != DD_OK)
        return hr;
    if (HRESULT hr = IsLost(); hr != DD_OK)
        return hr;
    if (m_sperren)
        return DDERR_SURFACEBUSY;
    // Only the back buffer waits for a swap; the primary may be drawn on.
    return IstRueckpuffer() ? Bereit(warten) : DD_OK;
}

void CDDOberflaeche::FrontMelden()
{
    if (!IstPrimaer())
        return;
    Nachzeichnen();
    m_kern->treiber->FrontGeaendert(m_pixel.data(), m_pitch, Bildschirmpalette(*m_kern));
}

const PALETTEENTRY* CDDOberflaeche::Bildschirmpalette(const CAnzeigeKern& kern)
{
    static const auto grau = [] {
        std::array<PALETTEENTRY, 256> p{};
        for (int i = 0; i < 256; ++i)
            p[size_t(i)] = {BYTE(i), BYTE(i), BYTE(i), 0};
        return p;
    }();
    if (kern.primaer && kern.primaer->m_palette)
        return kern.primaer->m_palette->Eintraege();
    return grau.data();
}

HRESULT CDDOberflaeche::Blt(RECT* ziel, IDirectDrawSurface* quelle, RECT* quellRechteck, DWORD flags, DDBLTFX* fx)
{
    RECT zr;
    if (flags & DDBLT_COLORFILL) {
        if (!fx)
            return DDERR_INVALIDPARAMS;
        if (HRESULT hr = Zugriff(EAufruf::Blt, flags & DDBLT_WAIT); hr != DD_OK)
            return hr;
        if (!RechteckPruefen(ziel, m_breite, m_hoehe, zr))
            return DDERR_INVALIDRECT;
        if (!Leer(zr)) {
            // The chain's fills and copies are drawn when the pixels are read.
            const bool offen = IstKette();
            if (!offen) {
                VorAenderung();
                Fuellen8({Zeile(zr.top) + zr.left, m_pitch, zr.right - zr.left, zr.bottom - zr.top},
                         BYTE(fx->dwFillColor));
            }
            Gezeichnet(zr, nullptr, nullptr, false, BYTE(fx->dwFillColor), offen);
        }
        FrontMelden();
        return DD_OK;
    }
    if (!quelle)
        return DDERR_INVALIDPARAMS;
    CDDOberflaeche* q = Intern(quelle);
    if (HRESULT hr = Zugriff(EAufruf::Blt, flags & DDBLT_WAIT); hr != DD_OK)
        return hr;
    if (HRESULT hr = q->IsLost(); hr != DD_OK)
        return hr;
    if (q->m_sperren)
        return DDERR_SURFACEBUSY;
    const bool mitSchluessel = (flags & DDBLT_KEYSRC) != 0;
    if (mitSchluessel && !q->m_mitSchluessel)
        return DDERR_NOCOLORKEY;
    RECT qr;
    if (!RechteckPruefen(ziel, m_breite, m_hoehe, zr) || !RechteckPruefen(quellRechteck, q->m_breite, q->m_hoehe, qr))
        return DDERR_INVALIDRECT;
    if (Leer(zr) || Leer(qr))
        return DD_OK;
    const bool offen = IstKette() && q != this && Vermerkbar(zr, q, &qr);
    if (offen) {
        Gezeichnet(zr, q, &qr, mitSchluessel, 0, true);
        FrontMelden();
        return DD_OK;
    }
    VorAenderung();
    if (q->IstKette())
        q->Nachzeichnen();
    const BYTE von = BYTE(q->m_schluessel.dwColorSpaceLowValue), bis = BYTE(q->m_schluessel.dwColorSpaceHighValue);
    CPixelFeld zf{Zeile(zr.top) + zr.left, m_pitch, zr.right - zr.left, zr.bottom - zr.top};
    CPixelFeld qf{q->Zeile(qr.top) + qr.left, q->m_pitch, qr.right - qr.left, qr.bottom - qr.top};
    if (zf.breite == qf.breite && zf.hoehe == qf.hoehe) {
        if (mitSchluessel)
            KopierenMitSchluessel8(zf, qf, von, bis);
        else
            Kopieren8(zf, qf);
    } else {
        std::vector<BYTE> kopie;
        if (q == this) { // stretching within one surface reads from a copy
            kopie.resize(size_t(qf.breite) * size_t(qf.hoehe));
            Kopieren8({kopie.data(), qf.breite, qf.breite, qf.hoehe}, qf);
            qf = {kopie.data(), qf.breite, qf.breite, qf.hoehe};
        }
        Strecken8(zf, qf, mitSchluessel, von, bis);
    }
    if (q == this)
        Ueberschrieben();
    else
        Gezeichnet(zr, q, &qr, mitSchluessel, 0);
    FrontMelden();
    return DD_OK;
}

HRESULT CDDOberflaeche::BltFast(DWORD x, DWORD y, IDirectDrawSurface* quelle, RECT* quellRechteck, DWORD flags)
{
    if (!quelle)
        return DDERR_INVALIDPARAMS;
    CDDOberflaeche* q = Intern(quelle);
    if (HRESULT hr = Zugriff(EAufruf::BltFast, flags & DDBLTFAST_WAIT); hr != DD_OK)
        return hr;
    if (HRESULT hr = q->IsLost(); hr != DD_OK)
        return hr;
    if (q->m_sperren)
        return DDERR_SURFACEBUSY;
    RECT qr;
    if (!RechteckPruefen(quellRechteck, q->m_breite, q->m_hoehe, qr))
        return DDERR_INVALIDRECT;
    const LONG b = qr.right - qr.left, h = qr.bottom - qr.top;
    if (x > m_breite || y > m_hoehe || LONG(x) + b > LONG(m_breite) || LONG(y) + h > LONG(m_hoehe))
        return DDERR_INVALIDRECT;
    const bool mitSchluessel = (flags & DDBLTFAST_SRCCOLORKEY) != 0;
    if (mitSchluessel && !q->m_mitSchluessel)
        return DDERR_NOCOLORKEY;
    if (b == 0 || h == 0)
        return DD_OK;
    const RECT zr{LONG(x), LONG(y), LONG(x) + b, LONG(y) + h};
    if (IstKette() && q != this && Vermerkbar(zr, q, &qr)) {
        Gezeichnet(zr, q, &qr, mitSchluessel, 0, true);
        FrontMelden();
        return DD_OK;
    }
    VorAenderung();
    if (q->IstKette())
        q->Nachzeichnen();
    CPixelFeld zf{Zeile(LONG(y)) + x, m_pitch, b, h};
    CPixelFeld qf{q->Zeile(qr.top) + qr.left, q->m_pitch, b, h};
    if (mitSchluessel)
        KopierenMitSchluessel8(zf, qf, BYTE(q->m_schluessel.dwColorSpaceLowValue),
                               BYTE(q->m_schluessel.dwColorSpaceHighValue));
    else
        Kopieren8(zf, qf);
    if (q == this)
        Ueberschrieben();
    else
        Gezeichnet(zr, q, &qr, mitSchluessel, 0);
    FrontMelden();
    return DD_OK;
}

HRESULT CDDOberflaeche::Flip(IDirectDrawSurface* ziel, DWORD flags)
{
    if (!IstPrimaer() || !m_rueckpuffer)
        return DDERR_NOTFLIPPABLE;
    if (ziel && ziel != m_rueckpuffer.get())
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = Vorgabe(EAufruf::Flip); hr != DD_OK)
        return hr;
    if (HRESULT hr = IsLost(); hr != DD_OK)
        return hr;
    if (m_sperren || m_rueckpuffer->m_sperren)
        return DDERR_SURFACEBUSY;
    if (HRESULT hr = Bereit(flags & DDFLIP_WAIT); hr != DD_OK)
        return hr;
    std::swap(m_pixel, m_rueckpuffer->m_pixel);
    std::swap(m_schritte, m_rueckpuffer->m_schritte);
    std::swap(m_schritteGanz, m_rueckpuffer->m_schritteGanz);
    std::swap(m_offen, m_rueckpuffer->m_offen);
    ++m_stand;
    ++m_rueckpuffer->m_stand;
    // A back end that shows a frame from its steps needs no pixels for it:
    // they are drawn only when something reads them.
    const std::vector<CBildSchritt>* schritte = SchritteAufloesen();
    if (!schritte || !m_kern->treiber->SchritteGenuegen())
        Nachzeichnen();
    m_kern->treiber->SchritteVormerken(schritte);
    m_kern->treiber->BildEinreihen(m_offen ? nullptr : m_pixel.data(), m_pitch, Bildschirmpalette(*m_kern));
    return DD_OK;
}

HRESULT CDDOberflaeche::GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** angehaengt)
{
    if (!caps || !angehaengt)
        return DDERR_INVALIDPARAMS;
    *angehaengt = nullptr;
    if (HRESULT hr = Vorgabe(EAufruf::GetAttachedSurface); hr != DD_OK)
        return hr;
    if (!(caps->dwCaps & DDSCAPS_BACKBUFFER) || !m_rueckpuffer)
        return DDERR_NOTFOUND;
    m_rueckpuffer->AddRef();
    *angehaengt = m_rueckpuffer.get();
    return DD_OK;
}

HRESULT CDDOberflaeche::GetBltStatus(DWORD)
{
    if (HRESULT hr = Vorgabe(EAufruf::GetBltStatus); hr != DD_OK)
        return hr;
    if (HRESULT hr = IsLost(); hr != DD_OK)
        return hr;
    return IstRueckpuffer() ? Bereit(false) : DD_OK;
}

HRESULT CDDOberflaeche::GetColorKey(DWORD flags, DDCOLORKEY* schluessel)
{
    if (!schluessel || !(flags & DDCKEY_SRCBLT))
        return DDERR_INVALIDPARAMS;
    if (!m_mitSchluessel)
        return DDERR_NOCOLORKEY;
    *schluessel = m_schluessel;
    return DD_OK;
}

HRESULT CDDOberflaeche::GetPalette(IDirectDrawPalette** palette)
{
    if (!palette)
        return DDERR_INVALIDPARAMS;
    *palette = nullptr;
    if (!m_palette)
        return DDERR_NOPALETTEATTACHED;
    m_palette->AddRef();
    *palette = m_palette.get();
    return DD_OK;
}

HRESULT CDDOberflaeche::GetSurfaceDesc(DDSURFACEDESC* d)
{
    if (!d)
        return DDERR_INVALIDPARAMS;
    *d = DDSURFACEDESC{};
    d->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    d->dwWidth = m_breite;
    d->dwHeight = m_hoehe;
    d->lPitch = m_pitch;
    d->ddsCaps.dwCaps = m_caps;
    PixelformatSetzen(d->ddpfPixelFormat, 8);
    if (m_rueckpuffer) {
        d->dwFlags |= DDSD_BACKBUFFERCOUNT;
        d->dwBackBufferCount = 1;
    }
    if (m_mitSchluessel) {
        d->dwFlags |= DDSD_CKSRCBLT;
        d->ddckCKSrcBlt = m_schluessel;
    }
    return DD_OK;
}

HRESULT CDDOberflaeche::Lock(RECT* rechteck, DDSURFACEDESC* d, DWORD flags, void*)
{
    if (!d)
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = Zugriff(EAufruf::Lock, flags & DDLOCK_WAIT); hr != DD_OK)
        return hr;
    RECT r;
    if (!RechteckPruefen(rechteck, m_breite, m_hoehe, r))
        return DDERR_INVALIDRECT;
    if (IstKette() || !(flags & DDLOCK_READONLY))
        VorAenderung();
    GetSurfaceDesc(d);
    d->dwFlags |= DDSD_LPSURFACE;
    d->lpSurface = Zeile(r.top) + r.left;
    m_sperren = (flags & DDLOCK_READONLY) ? 1 : 2;
    return DD_OK;
}

HRESULT CDDOberflaeche::Unlock(void*)
{
    if (!m_sperren)
        return DDERR_NOTLOCKED;
    const bool geschrieben = m_sperren == 2;
    m_sperren = 0;
    if (geschrieben) {
        Ueberschrieben();
        FrontMelden();
    }
    return DD_OK;
}

HRESULT CDDOberflaeche::Restore()
{
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::Restore); hr != DD_OK)
        return hr;
    for (CDDOberflaeche* s : {this, m_rueckpuffer.get(), m_primaer}) {
        if (s) {
            s->m_verloren = false;
            s->m_generation = m_kern->generation;
        }
    }
    return DD_OK;
}

HRESULT CDDOberflaeche::SetColorKey(DWORD flags, DDCOLORKEY* schluessel)
{
    if (!(flags & DDCKEY_SRCBLT))
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = Vorgabe(EAufruf::SetColorKey); hr != DD_OK)
        return hr;
    if (HRESULT hr = IsLost(); hr != DD_OK)
        return hr;
    m_mitSchluessel = schluessel != nullptr;
    if (schluessel)
        m_schluessel = *schluessel;
    return DD_OK;
}

HRESULT CDDOberflaeche::SetPalette(IDirectDrawPalette* palette)
{
    if (HRESULT hr = Vorgabe(EAufruf::SetPalette); hr != DD_OK)
        return hr;
    if (HRESULT hr = IsLost(); hr != DD_OK)
        return hr;
    m_palette = palette ? static_cast<CDDPalette*>(palette)->shared_from_this() : nullptr;
    FrontMelden();
    return DD_OK;
}
