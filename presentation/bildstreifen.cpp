#include "presentation/bildstreifen.h"

#include <algorithm>
#include <limits>

CBildstreifen::~CBildstreifen() { Freigeben(); }

void CBildstreifen::Freigeben()
{
    m_Zellen.clear();
    if (m_pOberflaeche)
        m_pOberflaeche->Release();
    m_pOberflaeche = nullptr;
    m_nGroesse = m_nHoehe = m_nAnzahl = 0;
    m_nZustand = Leer;
}

int CBildstreifen::Erzeugen(IDirectDraw2* dd, int s, int n)
{
    m_nZustand = Bereit;
    if (!dd) {
        m_nZustand = KeinDD;
        return m_nZustand;
    }
    m_Zellen.clear();
    if (m_pOberflaeche)
        m_pOberflaeche->Release();
    m_pOberflaeche = nullptr;
    m_nGroesse = std::max(s, 0);
    m_nAnzahl = std::max(n, 0);
    // A strip whose height would not fit in an int cannot be made.
    if (m_nGroesse > 0 && m_nAnzahl > std::numeric_limits<int>::max() / m_nGroesse) {
        m_nGroesse = m_nAnzahl = m_nHoehe = 0;
        m_nZustand = OberflaecheFehlt;
        return m_nZustand;
    }
    m_nHoehe = m_nGroesse * m_nAnzahl;
    if (m_nAnzahl == 0)
        return m_nZustand;
    m_Zellen.resize(size_t(m_nAnzahl));
    for (int i = 0; i < m_nAnzahl; ++i)
        m_Zellen[size_t(i)] = RECT{0, i * m_nGroesse, m_nGroesse, (i + 1) * m_nGroesse};
    if (m_nGroesse == 0)
        return m_nZustand;
    DDSURFACEDESC d;
    d.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    d.dwWidth = DWORD(m_nGroesse);
    d.dwHeight = DWORD(m_nHoehe);
    if (dd->CreateSurface(&d, &m_pOberflaeche, nullptr) != DD_OK || !m_pOberflaeche) {
        m_pOberflaeche = nullptr;
        m_nZustand = OberflaecheFehlt;
    }
    return m_nZustand;
}

int CBildstreifen::Fuellen(int index)
{
    if (m_nZustand != Bereit)
        return m_nZustand;
    if (!m_pOberflaeche)
        return 0;
    RECT r{0, 0, m_nGroesse, m_nHoehe};
    DDBLTFX fx;
    fx.dwFillColor = DWORD(index & 0xFF);
    return m_pOberflaeche->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx) == DD_OK ? 0 : OberflaecheFehlt;
}

RECT CBildstreifen::GetZelle(int i) const
{
    if (m_nZustand != Bereit || i < 0 || i >= m_nAnzahl)
        return RECT{};
    return m_Zellen[size_t(i)];
}
