#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

// The owning report list of a training or a test. The capacity grows in
// steps of 5 and stays when a report is removed; slots from the count on
// are null. Codes: 0 done, 1 bad index, 2 no storage.
template <class TBericht>
class CBerichtListe {
public:
    CBerichtListe() = default;
    CBerichtListe(const CBerichtListe& l) { *this = l; }
    virtual ~CBerichtListe() { RemoveAll(); }
    // Empties the list and copies every report; out of storage it keeps
    // the reports copied so far.
    CBerichtListe& operator=(const CBerichtListe& l)
    {
        if (this == &l)
            return *this;
        RemoveAll();
        for (int i = 0; i < l.m_nAnzahl; ++i)
            if (SetAtGrow(i, *l.m_Plaetze[static_cast<size_t>(i)]) != 0)
                break;
        return *this;
    }

    int GetSize() const { return m_nAnzahl; }
    int GetKapazitaet() const { return static_cast<int>(m_Plaetze.size()); }

    // Null outside 0 .. count - 1; the list keeps the report.
    TBericht* GetAt(int i) const
    {
        if (i < 0 || i >= m_nAnzahl)
            return nullptr;
        return m_Plaetze[static_cast<size_t>(i)].get();
    }

    // Copies the report into slot i, or appends it when i is at or beyond
    // the count (no gaps arise). 1 negative index, 2 no storage (the list
    // unchanged), else 0.
    int SetAtGrow(int i, const TBericht& bericht)
    {
        if (i < 0)
            return 1;
        try {
            if (i < m_nAnzahl) {
                auto& platz = m_Plaetze[static_cast<size_t>(i)];
                if (!platz)
                    platz = std::make_unique<TBericht>(bericht);
                else
                    *platz = bericht;
                return 0;
            }
            // The copy first, so that a failure leaves the list as it was.
            auto neu = std::make_unique<TBericht>(bericht);
            if (m_nAnzahl == GetKapazitaet())
                m_Plaetze.resize(m_Plaetze.size() + 5);
            m_Plaetze[static_cast<size_t>(m_nAnzahl)] = std::move(neu);
            ++m_nAnzahl;
            return 0;
        } catch (const std::bad_alloc&) {
            return 2;
        }
    }

    // Deletes report i and moves the later ones down. 1 bad index, else 0.
    int RemoveAt(int i)
    {
        if (i < 0 || i >= m_nAnzahl)
            return 1;
        m_Plaetze.erase(m_Plaetze.begin() + i);
        m_Plaetze.emplace_back();
        --m_nAnzahl;
        return 0;
    }

    // Deletes every report and the slots. 1 when slots existed without
    // reports, else 0.
    int RemoveAll()
    {
        const bool leereSlots = !m_Plaetze.empty() && m_nAnzahl == 0;
        m_Plaetze.clear();
        m_Plaetze.shrink_to_fit();
        m_nAnzahl = 0;
        return leereSlots ? 1 : 0;
    }

    void Tausche(CBerichtListe& andere) noexcept
    {
        std::swap(m_nAnzahl, andere.m_nAnzahl);
        m_Plaetze.swap(andere.m_Plaetze);
    }

private:
    int m_nAnzahl = 0;
    std::vector<std::unique_ptr<TBericht>> m_Plaetze;
};

// After a report was removed from a list of now n: the shown report stays
// within 0 .. n and the shown page at most one past it.
inline void BerichtWahlBegrenzen(int n, int& berichtNr, int& seite)
{
    if (berichtNr > n)
        berichtNr = n;
    if (berichtNr < 0)
        berichtNr = 0;
    if (seite > berichtNr + 1)
        seite = berichtNr + 1;
}
