#pragma once

// Drawing on a surface: the surface is locked and drawn through the 8-bit
// context, so every pixel is an exact palette index. Stands where a surface's
// GetDC and ReleaseDC would.

#include "platform/display/ddraw.h"
#include "platform/draw/raster8/index_dc.h"

#include <memory>

// A lock of a whole surface (rechteck null) or a rectangle, with the checks
// all pixel work shares: 8-bit palette-indexed, the size of the surface's
// description, a pixel pointer. Unlocks when it goes.
class COberflaechenSperre {
public:
    COberflaechenSperre(IDirectDrawSurface* oberflaeche, RECT* rechteck, DWORD flags);
    ~COberflaechenSperre();
    COberflaechenSperre(const COberflaechenSperre&) = delete;
    COberflaechenSperre& operator=(const COberflaechenSperre&) = delete;

    bool Ok() const { return m_bOk; }
    // Row y of the locked area (0 is its top).
    BYTE* Zeile(LONG y) const { return static_cast<BYTE*>(m_d.lpSurface) + ptrdiff_t(y) * m_d.lPitch; }
    const DDSURFACEDESC& GetBeschreibung() const { return m_d; }

private:
    IDirectDrawSurface* m_pOberflaeche;
    DDSURFACEDESC m_d;
    bool m_bGesperrt = false;
    bool m_bOk = false;
};

// The device context of a whole surface while this object lives.
class COberflaechenDC {
public:
    explicit COberflaechenDC(IDirectDrawSurface* oberflaeche);
    ~COberflaechenDC();
    COberflaechenDC(const COberflaechenDC&) = delete;
    COberflaechenDC& operator=(const COberflaechenDC&) = delete;

    // Null when the surface is missing or refuses the lock.
    CDC* GetDC() const { return m_pDC.get(); }

private:
    COberflaechenSperre m_sperre;
    std::unique_ptr<CIndexDC> m_pDC;
};
