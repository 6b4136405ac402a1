#include "workplace/modusliste.h"

#include <algorithm>
#include <cstdlib>

CModusListe::CModusListe() { Leeren(); }

void CModusListe::Leeren()
{
    m_Modi.clear();
    m_nAnzahl = 0;
    m_dwQuelle = QUELLE_KEINE;
}

int CModusListe::Hinzufuegen(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz)
{
    if (Suchen(breite, hoehe, farbtiefe, frequenz) >= 0)
        return 1;
    m_Modi.push_back({breite, hoehe, farbtiefe, frequenz});
    m_nAnzahl = static_cast<int32_t>(m_Modi.size());
    Sortieren();
    return 0;
}

int CModusListe::ModusHinzufuegen(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz)
{
    if (farbtiefe != 8 && farbtiefe != 0)
        return 2;
    return Hinzufuegen(breite, hoehe, farbtiefe, frequenz);
}

void CModusListe::Sortieren() { std::sort(m_Modi.begin(), m_Modi.end()); }

int CModusListe::Suchen(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe, uint32_t frequenz) const
{
    const Modus gesucht{breite, hoehe, farbtiefe, frequenz};
    auto it = std::find(m_Modi.begin(), m_Modi.end(), gesucht);
    return it == m_Modi.end() ? -1 : static_cast<int>(it - m_Modi.begin());
}

int CModusListe::Suchen3(uint32_t breite, uint32_t hoehe, uint32_t farbtiefe) const
{
    for (size_t i = 0; i < m_Modi.size(); ++i) {
        const Modus& m = m_Modi[i];
        if (m.breite == breite && m.hoehe == hoehe && m.farbtiefe == farbtiefe)
            return static_cast<int>(i);
    }
    return -1;
}

int CModusListe::BestenSuchen(uint32_t& breite, uint32_t& hoehe, uint32_t& farbtiefe, uint32_t& frequenz) const
{
    if (m_Modi.empty())
        return -1;
    if (int i = Suchen(breite, hoehe, farbtiefe, frequenz); i >= 0)
        return i;

    if (Suchen3(breite, hoehe, farbtiefe) < 0) {
        // Small requests move up to the next width, large ones down, so a
        // presentation never gets a much smaller screen than it asked for
        // when a larger one is at hand.
        size_t kandidat;
        if (breite < 800) {
            kandidat = m_Modi.size() - 1;
            for (size_t i = 0; i < m_Modi.size(); ++i)
                if (m_Modi[i].breite >= breite && m_Modi[i].breite <= m_Modi[kandidat].breite)
                    kandidat = i;
        } else {
            kandidat = 0;
            for (size_t i = 0; i < m_Modi.size(); ++i)
                if (m_Modi[i].breite <= breite && m_Modi[i].breite >= m_Modi[kandidat].breite)
                    kandidat = i;
        }
        breite = m_Modi[kandidat].breite;
        hoehe = m_Modi[kandidat].hoehe;
        farbtiefe = m_Modi[kandidat].farbtiefe;
    }

    if (Suchen(breite, hoehe, farbtiefe, frequenz) < 0) {
        const uint32_t gewuenscht = frequenz;
        bool erster = true;
        for (size_t i = static_cast<size_t>(Suchen3(breite, hoehe, farbtiefe)); i < m_Modi.size(); ++i) {
            const Modus& m = m_Modi[i];
            if (m.breite != breite || m.hoehe != hoehe || m.farbtiefe != farbtiefe)
                break;
            if (gewuenscht == 0) {
                frequenz = m.frequenz; // ascending: the last is the highest
            } else {
                const int64_t abstand = std::llabs(int64_t(m.frequenz) - int64_t(gewuenscht));
                if (erster || abstand < std::llabs(int64_t(frequenz) - int64_t(gewuenscht)))
                    frequenz = m.frequenz;
            }
            erster = false;
        }
    }
    return Suchen(breite, hoehe, farbtiefe, frequenz);
}

const CModusListe::Modus* CModusListe::Bei(int index) const
{
    if (index < 0 || index >= m_nAnzahl || index >= static_cast<int>(m_Modi.size()))
        return nullptr;
    return &m_Modi[index];
}

uint32_t CModusListe::GetBreite(int index) const
{
    const Modus* m = Bei(index);
    return m ? m->breite : 0;
}

uint32_t CModusListe::GetHoehe(int index) const
{
    const Modus* m = Bei(index);
    return m ? m->hoehe : 0;
}

uint32_t CModusListe::GetFarbtiefe(int index) const
{
    const Modus* m = Bei(index);
    return m ? m->farbtiefe : 0;
}

uint32_t CModusListe::GetFrequenz(int index) const
{
    const Modus* m = Bei(index);
    return m ? m->frequenz : 0;
}
