#include "platform/display/objekte.h"

#include <algorithm>

void PixelformatSetzen(DDPIXELFORMAT& format, DWORD bitsProPixel)
{
    format = DDPIXELFORMAT{};
    if (bitsProPixel == 0)
        return;
    format.dwFlags = DDPF_RGB | (bitsProPixel == 8 ? DDPF_PALETTEINDEXED8 : 0);
    format.dwRGBBitCount = bitsProPixel;
}

namespace {

void ModusBeschreiben(const CAnzeigeModus& m, DDSURFACEDESC& d)
{
    d = DDSURFACEDESC{};
    d.dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT | DDSD_REFRESHRATE;
    d.dwWidth = m.breite;
    d.dwHeight = m.hoehe;
    d.lPitch = LONG(m.breite * std::max<DWORD>(m.bitsProPixel, 8) / 8);
    d.dwRefreshRate = m.frequenz;
    PixelformatSetzen(d.ddpfPixelFormat, m.bitsProPixel);
}

bool PasstZuFilter(const CAnzeigeModus& m, const DDSURFACEDESC* f)
{
    if (!f)
        return true;
    if ((f->dwFlags & DDSD_WIDTH) && f->dwWidth != m.breite)
        return false;
    if ((f->dwFlags & DDSD_HEIGHT) && f->dwHeight != m.hoehe)
        return false;
    if ((f->dwFlags & DDSD_PIXELFORMAT) && f->ddpfPixelFormat.dwRGBBitCount != m.bitsProPixel)
        return false;
    if ((f->dwFlags & DDSD_REFRESHRATE) && f->dwRefreshRate != m.frequenz)
        return false;
    return true;
}

} // namespace

CDDObjekt::CDDObjekt(std::shared_ptr<CAnzeigeTreiber> treiber) : m_kern(std::make_shared<CAnzeigeKern>())
{
    m_kern->treiber = std::move(treiber);
}

CDDObjekt::~CDDObjekt()
{
    // Giving the object up gives the display back.
    RestoreDisplayMode();
    if (m_kern->exklusiv)
        m_kern->treiber->Exklusiv(false);
    m_kern->exklusiv = false;
}

ULONG CDDObjekt::AddRef() { return ++m_ref; }

ULONG CDDObjekt::Release()
{
    if (m_ref == 0)
        return 0;
    if (--m_ref > 0)
        return m_ref;
    delete this;
    return 0;
}

HRESULT CDDObjekt::Initialize(void*)
{
    if (m_initialisiert)
        return DDERR_ALREADYINITIALIZED;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::Initialize); hr != DD_OK)
        return hr;
    m_initialisiert = true;
    return DD_OK;
}

HRESULT CDDObjekt::SetCooperativeLevel(HWND, DWORD flags)
{
    const bool exklusiv = (flags & DDSCL_EXCLUSIVE) != 0;
    if (exklusiv != ((flags & DDSCL_FULLSCREEN) != 0) || (exklusiv && (flags & DDSCL_NORMAL)))
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::SetCooperativeLevel); hr != DD_OK)
        return hr;
    if (exklusiv != m_kern->exklusiv) {
        if (HRESULT hr = m_kern->treiber->Exklusiv(exklusiv); hr != DD_OK)
            return hr;
        m_kern->exklusiv = exklusiv;
    }
    return DD_OK;
}

HRESULT CDDObjekt::EnumDisplayModes(DWORD flags, DDSURFACEDESC* filter, void* kontext, LPDDENUMMODESCALLBACK rueckruf)
{
    if (!rueckruf)
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::EnumDisplayModes); hr != DD_OK)
        return hr;
    std::vector<CAnzeigeModus> modi;
    for (CAnzeigeModus m : m_kern->treiber->Modi()) {
        // Without rates every size and depth is reported once, at rate 0.
        if (!(flags & DDEDM_REFRESHRATES))
            m.frequenz = 0;
        if (PasstZuFilter(m, filter) && std::find(modi.begin(), modi.end(), m) == modi.end())
            modi.push_back(m);
    }
    for (const CAnzeigeModus& m : modi) {
        DDSURFACEDESC d;
        ModusBeschreiben(m, d);
        if (rueckruf(&d, kontext) == DDENUMRET_CANCEL)
            break;
    }
    return DD_OK;
}

HRESULT CDDObjekt::SetDisplayMode(DWORD breite, DWORD hoehe, DWORD bitsProPixel, DWORD frequenz, DWORD)
{
    if (!m_kern->exklusiv)
        return DDERR_NOEXCLUSIVEMODE;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::SetDisplayMode); hr != DD_OK)
        return hr;
    if (HRESULT hr = m_kern->treiber->ModusSetzen({breite, hoehe, bitsProPixel, frequenz}); hr != DD_OK)
        return hr;
    m_kern->modusGesetzt = true;
    ++m_kern->generation;
    return DD_OK;
}

HRESULT CDDObjekt::GetDisplayMode(DDSURFACEDESC* beschreibung)
{
    if (!beschreibung)
        return DDERR_INVALIDPARAMS;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::GetDisplayMode); hr != DD_OK)
        return hr;
    ModusBeschreiben(m_kern->treiber->ModusInKraft(), *beschreibung);
    return DD_OK;
}

HRESULT CDDObjekt::RestoreDisplayMode()
{
    if (!m_kern->modusGesetzt)
        return DD_OK;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::RestoreDisplayMode); hr != DD_OK)
        return hr;
    m_kern->treiber->ModusZuruecksetzen();
    m_kern->modusGesetzt = false;
    ++m_kern->generation;
    return DD_OK;
}

HRESULT CDDObjekt::CreateSurface(DDSURFACEDESC* beschreibung, IDirectDrawSurface** oberflaeche, void* aeusseres)
{
    if (!beschreibung || !oberflaeche || aeusseres)
        return DDERR_INVALIDPARAMS;
    return CDDOberflaeche::Erzeugen(m_kern, *beschreibung, oberflaeche);
}

HRESULT CDDObjekt::CreatePalette(DWORD flags, const PALETTEENTRY* eintraege, IDirectDrawPalette** palette,
                                 void* aeusseres)
{
    if (!palette || aeusseres || !(flags & DDPCAPS_8BIT))
        return DDERR_INVALIDPARAMS;
    *palette = nullptr;
    if (HRESULT hr = m_kern->treiber->Vorgabe(EAufruf::CreatePalette); hr != DD_OK)
        return hr;
    *palette = CDDPalette::Erzeugen(m_kern, eintraege);
    return DD_OK;
}

SHORT CDDObjekt::GetAsyncKeyState(int virtuelleTaste) { return m_kern->treiber->Taste(virtuelleTaste); }

BOOL CDDObjekt::PeekMessage(MSG* nachricht, HWND fenster, UINT von, UINT bis, UINT entfernen)
{
    if (!nachricht)
        return FALSE;
    if (!m_kern->treiber->Nachricht(*nachricht, von, bis, (entfernen & PM_REMOVE) != 0))
        return FALSE;
    nachricht->hwnd = fenster;
    return TRUE;
}

int CDDObjekt::ShowCursor(BOOL zeigen) { return ::ShowCursor(zeigen); }
