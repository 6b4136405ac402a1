// Filling the mode list from the display.
#include "platform/display/ddraw.h"
#include "workplace/umgebung.h"

int32_t CModusListe::ModusGefunden(DDSURFACEDESC* beschreibung, void* kontext)
{
    if (!beschreibung || !kontext)
        return DDENUMRET_CANCEL;
    const DDPIXELFORMAT& format = beschreibung->ddpfPixelFormat;
    const uint32_t tiefe = (format.dwFlags & DDPF_RGB) ? format.dwRGBBitCount : 0;
    const uint32_t frequenz = beschreibung->dwRefreshRate < 60 ? 0 : beschreibung->dwRefreshRate;
    static_cast<CModusListe*>(kontext)->ModusHinzufuegen(beschreibung->dwWidth, beschreibung->dwHeight, tiefe,
                                                         frequenz);
    return DDENUMRET_OK;
}

int CUmgebung::ModiErmitteln()
{
    m_Modusliste.Leeren();

    // COM already initialised on this thread is no failure.
    const HRESULT com = CoInitialize(nullptr);
    if (FAILED(com))
        return 1;

    int code = 0;
    IDirectDraw2* dd = nullptr;
    if (FAILED(DirectDrawErzeugen(&dd)) || !dd) {
        dd = nullptr;
        code = 2;
    } else if (dd->Initialize(nullptr) != DD_OK) {
        code = 3;
    } else if (dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &m_Modusliste, &CModusListe::ModusGefunden) == DD_OK) {
        m_Modusliste.m_dwQuelle = CModusListe::QUELLE_TREIBER;
    } else {
        // The driver offered no list: these modes are what any display of
        // the time could show.
        m_Modusliste.Leeren();
        for (auto [breite, hoehe] :
             {std::pair{640u, 480u}, {800u, 600u}, {1024u, 768u}, {1152u, 864u}, {1280u, 1024u}, {1600u, 1200u}})
            for (uint32_t frequenz : {0u, 60u, 75u})
                m_Modusliste.Hinzufuegen(breite, hoehe, 8, frequenz);
        m_Modusliste.m_dwQuelle = CModusListe::QUELLE_EINGEBAUT;
    }

    if (dd)
        while (dd->Release() > 0) {}
    CoUninitialize();
    return code;
}
