#pragma once

// Selections in a device context that last for one scope: whatever pen,
// brush, font, palette or mapping mode a drawing step chooses through the
// guard, the context gets back what it had before when the scope ends, on
// every exit.

#include "platform/draw/dc.h"

class CDCAuswahl {
public:
    explicit CDCAuswahl(CDC* dc) : m_dc(dc) {}
    ~CDCAuswahl()
    {
        if (m_pAltePalette)
            m_dc->SelectPalette(m_pAltePalette, false);
        if (m_pAlteSchrift)
            m_dc->SelectObject(m_pAlteSchrift);
        if (m_pAlterPinsel)
            m_dc->SelectObject(m_pAlterPinsel);
        if (m_pAlterStift)
            m_dc->SelectObject(m_pAlterStift);
        if (m_nAlterModus)
            m_dc->SetMapMode(m_nAlterModus);
    }
    CDCAuswahl(const CDCAuswahl&) = delete;
    CDCAuswahl& operator=(const CDCAuswahl&) = delete;

    // Only the first choice of each kind keeps what is restored.
    void Waehlen(CPen* stift) { Merken(m_pAlterStift, m_dc->SelectObject(stift), STIFT); }
    void Waehlen(CBrush* pinsel) { Merken(m_pAlterPinsel, m_dc->SelectObject(pinsel), PINSEL); }
    void Waehlen(CFont* schrift) { Merken(m_pAlteSchrift, m_dc->SelectObject(schrift), SCHRIFT); }
    void Waehlen(CPalette* palette) { Merken(m_pAltePalette, m_dc->SelectPalette(palette, false), PALETTE); }
    void Abbildung(int modus) { Merken(m_nAlterModus, m_dc->SetMapMode(modus), MODUS); }

private:
    enum : unsigned { STIFT = 1, PINSEL = 2, SCHRIFT = 4, PALETTE = 8, MODUS = 16 };
    template <class T>
    void Merken(T& alt, T vorher, unsigned art)
    {
        if (!(m_nGemerkt & art))
            alt = vorher;
        m_nGemerkt |= art;
    }

    CDC* m_dc;
    unsigned m_nGemerkt = 0;
    CPen* m_pAlterStift = nullptr;
    CBrush* m_pAlterPinsel = nullptr;
    CFont* m_pAlteSchrift = nullptr;
    CPalette* m_pAltePalette = nullptr;
    int m_nAlterModus = 0;
};

// A solid pen, and a brush of the same colour when asked, held in the
// context for one drawing step.
class CStiftUndPinsel {
public:
    CStiftUndPinsel(CDC* dc, int breite, COLORREF farbe, bool mitPinsel)
        : m_Stift(PS_SOLID, breite, farbe), m_Pinsel(farbe), m_Auswahl(dc)
    {
        m_Auswahl.Waehlen(&m_Stift);
        if (mitPinsel)
            m_Auswahl.Waehlen(&m_Pinsel);
    }

private:
    CPen m_Stift;
    CBrush m_Pinsel;
    CDCAuswahl m_Auswahl; // last: restores before the pen and brush go
};
