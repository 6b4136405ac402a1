#include "presentation/flaechen.h"

HRESULT Farbfuellen(IDirectDrawSurface* flaeche, RECT* r, int index)
{
    if (!flaeche)
        return DDERR_INVALIDOBJECT;
    DDBLTFX fx;
    fx.dwFillColor = DWORD(index);
    return flaeche->Blt(r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

HRESULT BildflaecheAnlegen(IDirectDraw2* dd, int breite, int hoehe, IDirectDrawSurface** ergebnis,
                           bool* imSystemspeicher)
{
    *ergebnis = nullptr;
    *imSystemspeicher = false;
    if (!dd)
        return DDERR_INVALIDOBJECT;
    DDSURFACEDESC d;
    d.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    d.dwWidth = DWORD(breite);
    d.dwHeight = DWORD(hoehe);
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_VIDEOMEMORY;
    HRESULT hr = dd->CreateSurface(&d, ergebnis, nullptr);
    if (hr == DD_OK && *ergebnis)
        return DD_OK;
    Freigeben(*ergebnis);
    *imSystemspeicher = true;
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    hr = dd->CreateSurface(&d, ergebnis, nullptr);
    if (hr == DD_OK && *ergebnis)
        return DD_OK;
    Freigeben(*ergebnis);
    return FAILED(hr) ? hr : DDERR_GENERIC;
}

void Freigeben(IDirectDrawSurface*& flaeche)
{
    if (flaeche)
        flaeche->Release();
    flaeche = nullptr;
}
