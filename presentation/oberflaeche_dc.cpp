#include "presentation/oberflaeche_dc.h"

COberflaechenSperre::COberflaechenSperre(IDirectDrawSurface* oberflaeche, RECT* rechteck, DWORD flags)
    : m_pOberflaeche(oberflaeche)
{
    DDSURFACEDESC ganz;
    if (!oberflaeche || oberflaeche->GetSurfaceDesc(&ganz) != DD_OK)
        return;
    if (oberflaeche->Lock(rechteck, &m_d, flags, nullptr) != DD_OK)
        return;
    m_bGesperrt = true;
    m_bOk = (m_d.ddpfPixelFormat.dwFlags & DDPF_PALETTEINDEXED8) && m_d.ddpfPixelFormat.dwRGBBitCount == 8 &&
            m_d.dwWidth == ganz.dwWidth && m_d.dwHeight == ganz.dwHeight && m_d.lpSurface;
}

COberflaechenSperre::~COberflaechenSperre()
{
    if (m_bGesperrt)
        m_pOberflaeche->Unlock(m_d.lpSurface);
}

COberflaechenDC::COberflaechenDC(IDirectDrawSurface* oberflaeche) : m_sperre(oberflaeche, nullptr, DDLOCK_WAIT)
{
    if (!m_sperre.Ok())
        return;
    const DDSURFACEDESC& d = m_sperre.GetBeschreibung();
    m_pDC = std::make_unique<CIndexDC>(CIndexPuffer{m_sperre.Zeile(0), int(d.lPitch), int(d.dwWidth), int(d.dwHeight)});
}

// The context goes before the lock.
COberflaechenDC::~COberflaechenDC() { m_pDC.reset(); }
