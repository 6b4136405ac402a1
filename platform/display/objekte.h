#pragma once

// The display objects behind ddraw.h, the same for every back end.

#include "platform/display/ddraw.h"

#include <array>
#include <memory>
#include <vector>

class CDDOberflaeche;

// What the objects of one display object share; lives as long as any of them.
struct CAnzeigeKern {
    std::shared_ptr<CAnzeigeTreiber> treiber;
    CDDOberflaeche* primaer = nullptr;
    bool modusGesetzt = false;
    bool exklusiv = false;
    // Counts mode changes: surfaces made before a change are lost.
    unsigned generation = 0;
};

class CDDPalette final : public IDirectDrawPalette, public std::enable_shared_from_this<CDDPalette> {
public:
    static CDDPalette* Erzeugen(std::shared_ptr<CAnzeigeKern> kern, const PALETTEENTRY* eintraege);
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetEntries(DWORD flags, DWORD erster, DWORD anzahl, PALETTEENTRY* eintraege) override;
    HRESULT SetEntries(DWORD flags, DWORD erster, DWORD anzahl, const PALETTEENTRY* eintraege) override;

    const PALETTEENTRY* Eintraege() const { return m_eintraege.data(); }

private:
    std::shared_ptr<CAnzeigeKern> m_kern;
    std::shared_ptr<CDDPalette> m_selbst; // held while the caller holds references
    ULONG m_ref = 1;
    std::array<PALETTEENTRY, 256> m_eintraege{};
};

class CDDOberflaeche final : public IDirectDrawSurface, public std::enable_shared_from_this<CDDOberflaeche> {
public:
    static HRESULT Erzeugen(std::shared_ptr<CAnzeigeKern> kern, const DDSURFACEDESC& beschreibung,
                            IDirectDrawSurface** ergebnis);
    ~CDDOberflaeche() override;

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Blt(RECT* ziel, IDirectDrawSurface* quelle, RECT* quellRechteck, DWORD flags, DDBLTFX* fx) override;
    HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface* quelle, RECT* quellRechteck, DWORD flags) override;
    HRESULT Flip(IDirectDrawSurface* ziel, DWORD flags) override;
    HRESULT GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** angehaengt) override;
    HRESULT GetBltStatus(DWORD flags) override;
    HRESULT GetColorKey(DWORD flags, DDCOLORKEY* schluessel) override;
    HRESULT GetPalette(IDirectDrawPalette** palette) override;
    HRESULT GetSurfaceDesc(DDSURFACEDESC* beschreibung) override;
    HRESULT IsLost() override;
    HRESULT Lock(RECT* rechteck, DDSURFACEDESC* beschreibung, DWORD flags, void* ereignis) override;
    HRESULT Restore() override;
    HRESULT SetColorKey(DWORD flags, DDCOLORKEY* schluessel) override;
    HRESULT SetPalette(IDirectDrawPalette* palette) override;
    HRESULT Unlock(void* zeiger) override;

    // Palette the screen shows: the primary's, else a grey ramp.
    static const PALETTEENTRY* Bildschirmpalette(const CAnzeigeKern& kern);
    bool ZeigtPalette(const CDDPalette* p) const { return m_palette.get() == p; }
    // Primary: tells the back end that the screen's picture changed.
    void FrontMelden();
    // The steps that drew this frame of the flipping chain, resolved for the
    // back end; null when a step's source changed or a step was no copy.
    const std::vector<CBildSchritt>* SchritteAufloesen();

private:
    CDDOberflaeche(std::shared_ptr<CAnzeigeKern> kern, DWORD caps, DWORD breite, DWORD hoehe);
    bool IstPrimaer() const { return (m_caps & DDSCAPS_PRIMARYSURFACE) != 0; }
    bool IstRueckpuffer() const { return (m_caps & DDSCAPS_BACKBUFFER) != 0; }
    // The call's scripted answer; a scripted loss also loses the surface.
    HRESULT Vorgabe(EAufruf aufruf);
    // DDERR_WASSTILLDRAWING while the back buffer waits for its swap (or waits with warten).
    HRESULT Bereit(bool warten);
    HRESULT Zugriff(EAufruf aufruf, bool warten);
    BYTE* Zeile(LONG y) { return m_pixel.data() + size_t(y) * size_t(m_pitch); }
    bool IstKette() const { return IstPrimaer() || IstRueckpuffer(); }
    // Bookkeeping of the pixels' changes: the stand counts them, and the
    // flipping chain keeps the steps that drew its frames. A step of the
    // chain may be left undrawn (offen) until something reads the pixels.
    bool Vermerkbar(const RECT& ziel, const CDDOberflaeche* quelle, const RECT* quellRechteck) const;
    void Gezeichnet(const RECT& ziel, CDDOberflaeche* quelle, const RECT* quellRechteck, bool mitSchluessel,
                    BYTE farbe, bool offen = false);
    void Ueberschrieben();
    // Draws the steps left undrawn; sterbend: a source on its way out.
    void Nachzeichnen(const CDDOberflaeche* sterbend = nullptr);
    // Before this surface's pixels change: the chain's, drawn out; an
    // off-screen one's, drawn into the chain's undrawn steps that copy it.
    void VorAenderung(const CDDOberflaeche* sterbend = nullptr);

    struct CVermerk {
        CBildSchritt schritt;
        std::weak_ptr<CDDOberflaeche> quelle;
    };

    std::shared_ptr<CAnzeigeKern> m_kern;
    std::shared_ptr<CDDOberflaeche> m_selbst;
    ULONG m_ref = 1;
    DWORD m_caps;
    DWORD m_breite, m_hoehe;
    LONG m_pitch;
    std::vector<BYTE> m_pixel;
    bool m_mitSchluessel = false;
    DDCOLORKEY m_schluessel;
    std::shared_ptr<CDDPalette> m_palette;
    bool m_verloren = false;
    unsigned m_generation;
    int m_sperren = 0;
    uint64_t m_serie;
    uint64_t m_stand = 0;
    std::vector<CVermerk> m_schritte; // chain: since the last step that covered all
    size_t m_offen = 0; // the last of m_schritte not yet in m_pixel
    bool m_schritteGanz = true; // the steps describe every pixel
    std::vector<CBildSchritt> m_aufgeloest;
    std::shared_ptr<CDDOberflaeche> m_rueckpuffer; // primary: its back buffer
    CDDOberflaeche* m_primaer = nullptr; // back buffer: its primary
};

class CDDObjekt final : public IDirectDraw2 {
public:
    explicit CDDObjekt(std::shared_ptr<CAnzeigeTreiber> treiber);
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Initialize(void* treiberKennung) override;
    HRESULT SetCooperativeLevel(HWND fenster, DWORD flags) override;
    HRESULT EnumDisplayModes(DWORD flags, DDSURFACEDESC* filter, void* kontext,
                             LPDDENUMMODESCALLBACK rueckruf) override;
    HRESULT SetDisplayMode(DWORD breite, DWORD hoehe, DWORD bitsProPixel, DWORD frequenz, DWORD flags) override;
    HRESULT GetDisplayMode(DDSURFACEDESC* beschreibung) override;
    HRESULT RestoreDisplayMode() override;
    HRESULT CreateSurface(DDSURFACEDESC* beschreibung, IDirectDrawSurface** oberflaeche, void* aeusseres) override;
    HRESULT CreatePalette(DWORD flags, const PALETTEENTRY* eintraege, IDirectDrawPalette** palette,
                          void* aeusseres) override;
    SHORT GetAsyncKeyState(int virtuelleTaste) override;
    BOOL PeekMessage(MSG* nachricht, HWND fenster, UINT von, UINT bis, UINT entfernen) override;
    int ShowCursor(BOOL zeigen) override;

    const std::shared_ptr<CAnzeigeKern>& Kern() const { return m_kern; }

private:
    ~CDDObjekt() override;
    std::shared_ptr<CAnzeigeKern> m_kern;
    ULONG m_ref = 1;
    bool m_initialisiert = false;
};

// Fills desc with an 8-bit palette-indexed pixel format (bits 0: no RGB flag).
void PixelformatSetzen(DDPIXELFORMAT& format, DWORD bitsProPixel);
