#pragma once

#include <cstdint>

// Stopwatch on the performance counter, counting in units chosen per
// instance (units per second). A reading can be held at the moment of a
// reaction and taken later; a lap measures up to the last reading without
// reading the counter again.
class CStoppuhr {
public:
    enum Status { Gueltig = 0, NichtInitialisiert = 1, KeinZaehler = 2, Lesefehler = 3 };

    CStoppuhr() = default;

    // Refuses (status 2) without a counter, and for a resolution of 0 units
    // or finer than the counter, where one unit would be less than a count.
    int Init(int64_t einheitenProSekunde);

    int64_t Lesen();
    int64_t Runde();
    int64_t NeuStarten();
    int64_t Anhalten();
    // Starts from the other stopwatch's reference, so that an item's time
    // begins exactly at the flip that the other one measured.
    int64_t Synchronisieren(const CStoppuhr& andere);

    int64_t GetReferenz() const { return m_nReferenz; }
    int GetStatus() const { return m_nStatus; }
    int64_t GetEinheitenProSekunde() const { return m_nEinheitenProSekunde; }

private:
    void ZaehlerLesen();
    int64_t Vergangen() const;

    int64_t m_nLetzteMessung = 0;
    int64_t m_nReferenz = 0;
    bool m_bAngehalten = false;
    int m_nStatus = NichtInitialisiert;
    int64_t m_nZaehlerProEinheit = 0;
    int64_t m_nEinheitenProSekunde = 0;
};
