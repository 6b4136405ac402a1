#pragma once

#include "platform/display/ddraw.h"

#include <vector>

// A picture strip: one system-memory surface holding a column of equal
// square cells, from which the renderers copy single cells. Cell i is
// (0, i x s, s, (i + 1) x s). Not copied.
class CBildstreifen {
public:
    enum Zustand { Bereit = 0, Leer = 1, KeinDD = 0x1000, OberflaecheFehlt = 0x4000 };

    CBildstreifen() = default;
    virtual ~CBildstreifen();
    CBildstreifen(const CBildstreifen&) = delete;
    CBildstreifen& operator=(const CBildstreifen&) = delete;

    void Freigeben();
    // s: cell size in pixels, n: cell count (negative counts as 0). Answers
    // the new state.
    int Erzeugen(IDirectDraw2* dd, int s, int n);
    // Fills the whole strip with the low byte of index; the state when not
    // ready, else 0 or 0x4000.
    int Fuellen(int index);

    IDirectDrawSurface* GetOberflaeche() const { return m_nZustand == Bereit ? m_pOberflaeche : nullptr; }
    // The zero rectangle for a cell that does not exist.
    RECT GetZelle(int i) const;
    int GetAnzahl() const { return m_nAnzahl; }
    int GetZustand() const { return m_nZustand; }
    int GetZellgroesse() const { return m_nGroesse; }
    int GetHoehe() const { return m_nHoehe; }

private:
    int m_nZustand = Leer;
    IDirectDrawSurface* m_pOberflaeche = nullptr;
    int m_nGroesse = 0;
    int m_nHoehe = 0;
    int m_nAnzahl = 0;
    std::vector<RECT> m_Zellen;
};
