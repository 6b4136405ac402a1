#include "presentation/stoppuhr.h"

#include "platform/system.h"

int CStoppuhr::Init(int64_t einheitenProSekunde)
{
    int64_t frequenz = 0;
    if (!QueryPerformanceFrequency(&frequenz) || einheitenProSekunde <= 0 || einheitenProSekunde > frequenz) {
        m_nStatus = KeinZaehler;
        return m_nStatus;
    }
    m_nEinheitenProSekunde = einheitenProSekunde;
    m_nZaehlerProEinheit = frequenz / einheitenProSekunde;
    m_nStatus = Gueltig;
    return m_nStatus;
}

void CStoppuhr::ZaehlerLesen()
{
    int64_t zaehler = 0;
    if (QueryPerformanceCounter(&zaehler))
        m_nLetzteMessung = zaehler;
    else
        m_nStatus = Lesefehler;
}

int64_t CStoppuhr::Vergangen() const
{
    // A stopwatch that took a valid status from another one by
    // Synchronisieren may never have been initialised itself.
    if (m_nStatus != Gueltig || m_nZaehlerProEinheit <= 0)
        return 0;
    return (m_nLetzteMessung - m_nReferenz) / m_nZaehlerProEinheit;
}

int64_t CStoppuhr::Lesen()
{
    if (!m_bAngehalten)
        ZaehlerLesen();
    return Vergangen();
}

int64_t CStoppuhr::Runde()
{
    const int64_t zeit = Vergangen();
    m_nReferenz = m_nLetzteMessung;
    m_bAngehalten = false;
    return zeit;
}

int64_t CStoppuhr::NeuStarten()
{
    int64_t zeit;
    if (m_bAngehalten) {
        zeit = Vergangen();
        m_bAngehalten = false;
        ZaehlerLesen();
    } else {
        ZaehlerLesen();
        zeit = Vergangen();
    }
    m_nReferenz = m_nLetzteMessung;
    return zeit;
}

int64_t CStoppuhr::Anhalten()
{
    if (!m_bAngehalten)
        ZaehlerLesen();
    m_bAngehalten = true;
    return Vergangen();
}

int64_t CStoppuhr::Synchronisieren(const CStoppuhr& andere)
{
    m_nStatus = andere.m_nStatus;
    m_nReferenz = andere.m_nReferenz;
    if (m_nStatus != Gueltig)
        return 0;
    if (!m_bAngehalten)
        ZaehlerLesen();
    m_bAngehalten = false;
    return Vergangen();
}
