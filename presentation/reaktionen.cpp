// The trial logic: from the key bits, the run state and the stopwatches to
// the next item, and every reaction into the run's report.

#include "presentation/praesentation.h"

#include "presentation/ablaufbits.h"
#include "presentation/hgbewegung.h"
#include "presentation/testreize.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace zustand;
namespace A = aufgabe;

constexpr uint32_t ESCAPE = 0x80000000u;
constexpr uint32_t ENTER = 0x8000u;
constexpr uint32_t TASTE1 = 0x1, TASTE2 = 0x2, TASTE3 = 0x4, TASTE4 = 0x8, TASTE5 = 0x10, TASTE6 = 0x20;
constexpr uint32_t ANTWORT1 = 0x100, ANTWORT2 = 0x200, ANTWORT3 = 0x400, ANTWORT4 = 0x800;
constexpr uint32_t HGTASTE1 = 0x10000, HGTASTE2 = 0x20000;

// Reaction key and background key are one and the same key.
bool GleicheTaste(const CPraesentation& e) { return e.m_Tasten.GetCode(1) == e.m_Tasten.GetCode(CReaktionstasten::HG); }

// The item's time up to the reaction; the reference moves there.
int64_t Nehmen(CStoppuhr& uhr)
{
    uhr.Anhalten();
    return uhr.Runde();
}

void Weiter(CPraesentation& e, uint32_t warteBit)
{
    ++e.m_nIndex;
    e.m_nZustand = (e.m_nZustand & ~(warteBit | PAUSE)) | REIZ | KOPIEREN;
}

// What waits for the background: half its interval span but at least
// 500 ms when changes start by key, else the shorter of the mean pause and
// the mean interval.
int64_t HGSchwelle(const CPraesentation& e, bool mitStarttaste)
{
    if (mitStarttaste)
        return std::max<int64_t>((e.m_nHGIntervallMax - e.m_nHGIntervallMin) / 2, 500);
    return std::min((e.m_nPauseMin + e.m_nPauseMax) / 2, (e.m_nHGIntervallMin + e.m_nHGIntervallMax) / 2);
}

// After an answer: a pause (drawn), a key wait, or the feedback.
void NachAntwort(CPraesentation& e, bool rueckmeldungMoeglich)
{
    uint32_t& s = e.m_nZustand;
    if (rueckmeldungMoeglich && (e.m_nAufgabe & A::ZWEITE_ANTWORT)) {
        s |= RUECKMELDUNG;
    } else if (e.m_nAufgabe & A::START_MIT_TASTE) {
        s |= WARTET_TASTE;
    } else {
        s |= WARTET_ZEIT;
        e.m_nPause = ZufallsZeit(e.m_nPauseMin, e.m_nPauseMax);
    }
}

// Key wait, timed pause (possibly coupled to the background) and waiting
// for the background; true when the next item began.
bool Warten(CPraesentation& e)
{
    uint32_t& s = e.m_nZustand;
    const uint32_t a = e.m_nAufgabe;
    const bool letztes = e.m_nIndex >= e.m_nAnzahl - 1;
    bool weiter = false;
    if (s & WARTET_TASTE) {
        if (letztes)
            s |= ENDE;
        else if (e.m_nTasten & TASTE1) {
            Weiter(e, WARTET_TASTE);
            weiter = true;
        }
    }
    if (s & WARTET_ZEIT) {
        if (e.m_nIndex >= e.m_nAnzahl - 1) {
            s |= ENDE;
        } else if (e.m_UhrVordergrund.Lesen() >= e.m_nPause) {
            if (a & A::HG_GEKOPPELT) {
                if (!(s & HG_AUFGESCHOBEN))
                    s = (s & ~WARTET_ZEIT) | WARTET_HG;
            } else {
                Weiter(e, WARTET_ZEIT);
                weiter = true;
            }
        }
    }
    if ((s & WARTET_HG) && !(s & (HG_AENDERUNG | HG_GEWECHSELT | HG_WECHSEL))) {
        if (e.m_UhrHintergrund.Lesen() >= HGSchwelle(e, (a & A::HG_START_MIT_TASTE) != 0)) {
            Weiter(e, WARTET_HG);
            weiter = true;
        }
    }
    return weiter;
}

} // namespace

int CPraesentation::TrainingAuswerten()
{
    if (m_nFehler != 0) {
        m_nZustand = ENDE;
        return 1;
    }
    uint32_t& s = m_nZustand;
    const uint32_t k = m_nTasten;
    const uint32_t a = m_nAufgabe;
    if (a & (A::OHNE_VG | A::PASSIV | A::PASSIV2 | A::BILD)) {
        if (k & ENTER)
            s |= ENDE;
    } else if (a & A::SEITEN) {
        if ((k & TASTE6) && m_nIndex >= 1) {
            m_TrainingsBericht.AddZeit(m_nIndex, uint64_t(Nehmen(m_UhrVordergrund)));
            s = (s & ~SICHTBAR) | KOPIEREN;
            --m_nIndex;
        }
        if (k & TASTE5) {
            m_TrainingsBericht.AddZeit(m_nIndex, uint64_t(Nehmen(m_UhrVordergrund)));
            s &= ~SICHTBAR;
            if (m_nIndex >= m_nAnzahl - 1) {
                s |= ENDE;
            } else {
                ++m_nIndex;
                s |= KOPIEREN;
            }
        }
        if (k & ENTER)
            s |= ENDE;
    } else if (a & A::ZIELE) {
        const bool gezeigt = (s & REIZ) && (s & SICHTBAR);
        // A press while no target is shown counts against the next target.
        if (!gezeigt && (a & A::REAKTIONSTASTE) && (k & TASTE2) && !(GleicheTaste(*this) && (s & HG_AENDERUNG))) {
            if (m_nIndex < m_nAnzahl - 1)
                m_TrainingsBericht.IncZaehler1(m_nIndex + 1);
            else if (m_nIndex >= 0)
                m_TrainingsBericht.IncZaehler1(m_nIndex);
        }
        if (gezeigt) {
            if ((a & A::REAKTIONSTASTE) && (k & TASTE2)) {
                const int64_t t = Nehmen(m_UhrVordergrund);
                m_TrainingsBericht.SetMarke(m_nIndex);
                m_TrainingsBericht.SetZeit(m_nIndex, uint64_t(t));
                s = (s & ~(REIZ | SICHTBAR)) | PAUSE;
                NachAntwort(*this, true);
            } else if (a & A::RUECKMELDUNG) {
                if (k & (TASTE3 | TASTE4)) {
                    const int64_t t = Nehmen(m_UhrVordergrund);
                    m_TrainingsBericht.SetMarke(m_nIndex);
                    m_TrainingsBericht.SetZeit(m_nIndex, uint64_t(t));
                    if (k & TASTE3)
                        m_TrainingsBericht.IncZaehler3(m_nIndex);
                    else
                        m_TrainingsBericht.IncZaehler2(m_nIndex);
                    s = (s & ~(REIZ | SICHTBAR)) | PAUSE;
                    NachAntwort(*this, false);
                }
            } else if (m_UhrVordergrund.Lesen() >= m_nAnzeige) {
                // No reaction: the target's time is its display time.
                m_TrainingsBericht.SetZeit(m_nIndex, uint64_t(m_UhrVordergrund.Runde()));
                s = (s & ~(REIZ | SICHTBAR)) | PAUSE;
                NachAntwort(*this, true);
            }
        }
        if ((s & RUECKMELDUNG) && (k & (TASTE3 | TASTE4))) {
            if (k & TASTE3)
                m_TrainingsBericht.IncZaehler3(m_nIndex);
            else
                m_TrainingsBericht.IncZaehler2(m_nIndex);
            Nehmen(m_UhrVordergrund);
            s &= ~RUECKMELDUNG;
            NachAntwort(*this, false);
        }
        if (Warten(*this) && !(a & (A::REAKTIONSTASTE | A::RUECKMELDUNG)))
            m_nAnzeige = ZufallsZeit(m_nAnzeigeMin, m_nAnzeigeMax);
    }
    m_nTasten &= ~0xFFFFu;
    return 0;
}

int CPraesentation::TestAuswerten()
{
    if (m_nFehler != 0) {
        m_nZustand = ENDE;
        return 1;
    }
    uint32_t& s = m_nZustand;
    const uint32_t k = m_nTasten;
    const uint32_t a = m_nAufgabe;
    if ((a & (A::LINIEN | A::LAENGEN)) && (s & REIZ) && (s & SICHTBAR)) {
        const int reiz = m_TestBericht.GetDurchgang(m_nIndex);
        bool fertig = false;
        if (a & A::EINSTELLUNG) {
            // Method of adjustment: answer keys 1 and 2 move left and right
            // (narrower and wider), 3 and 4 up and down (higher and lower).
            double dx = 0.0, dauf = 0.0;
            bool bewegt = false;
            if (k & ANTWORT1)
                dx = -1.0, bewegt = true;
            if (k & ANTWORT2)
                dx = +1.0, bewegt = true;
            if (k & ANTWORT4)
                dauf = -1.0, bewegt = true;
            if (k & ANTWORT3)
                dauf = +1.0, bewegt = true;
            if (bewegt) {
                const double w = m_rcBildschirm.right - m_rcBildschirm.left;
                const double h = m_rcBildschirm.bottom - m_rcBildschirm.top;
                const CDPunkt c = m_Punkte1.GetAt(reiz);
                const CDPunkt z = m_Punkte2.GetAt(reiz);
                CDPunkt p = m_Punkte3.GetAt(reiz);
                p.x = z.x > 0.0 ? p.x + m_dSchritt / z.x * dx : 0.0;
                if (a & A::LINIEN) {
                    // p.y is the vertical mark counted downwards: up lowers it.
                    p.y = z.y > 0.0 ? p.y - m_dSchritt / z.y * dauf : 0.0;
                    p.x = std::clamp(p.x, -0.5, 0.5);
                    p.y = std::clamp(p.y, -0.5, 0.5);
                    m_Punkte3.SetAtGrowPunkt(reiz, p);
                    // Both lines as the renderer draws them, with the moved marks.
                    const CTestReiz r = LinienReiz(c.x, c.y, z.x, z.y, p.x, -p.y, m_dMarkeHoehe, m_dMarkeBreite, w, h);
                    m_TestBericht.SetRechteck1(reiz, RechteckBeschneiden(r.rcReiz1, m_rcBildschirm));
                    m_TestBericht.SetRechteck2(reiz, RechteckBeschneiden(r.rcReiz2, m_rcBildschirm));
                } else {
                    p.y = z.y > 0.0 ? p.y + m_dSchritt / z.y * dauf : 0.0;
                    p.x = std::clamp(p.x, 0.5, 1.5);
                    p.y = std::clamp(p.y, 0.5, 1.5);
                    m_Punkte3.SetAtGrowPunkt(reiz, p);
                    const RECT r{PixelRunden((c.x - p.x * z.x / 2) * w), PixelRunden((c.y - p.y * z.y / 2) * h),
                                 PixelRunden((c.x + p.x * z.x / 2) * w), PixelRunden((c.y + p.y * z.y / 2) * h)};
                    m_TestBericht.SetRechteck2(reiz, RechteckBeschneiden(r, m_rcBildschirm));
                }
            }
            fertig = (k & TASTE2) != 0;
        } else if (a & A::KONSTANT) {
            // Constant stimuli: each pair answers once per stimulus.
            const bool k1 = k & ANTWORT1, k2 = k & ANTWORT2, k3 = k & ANTWORT3, k4 = k & ANTWORT4;
            if (k1 != k2 && !(s & ANTWORT_12)) {
                if (k1)
                    m_TestBericht.IncZaehler1(reiz);
                else
                    m_TestBericht.IncZaehler2(reiz);
                s |= ANTWORT_12;
            }
            if (k4 != k3 && !(s & ANTWORT_34)) {
                if (k4)
                    m_TestBericht.IncZaehler3(reiz);
                else
                    m_TestBericht.IncZaehler4(reiz);
                s |= ANTWORT_34;
            }
            const bool paar12 = a & A::PAAR_12, paar34 = a & A::PAAR_34;
            if (paar12 && paar34)
                fertig = (s & ANTWORT_12) && (s & ANTWORT_34);
            else if (paar12)
                fertig = (s & ANTWORT_12) != 0;
            else if (paar34)
                fertig = (s & ANTWORT_34) != 0;
            else
                fertig = true;
        }
        if (fertig) {
            m_TestBericht.SetZeit(reiz, Nehmen(m_UhrVordergrund));
            s = (s & ~(REIZ | SICHTBAR)) | PAUSE;
            NachAntwort(*this, false);
        }
    }
    if (a & (A::LINIEN | A::LAENGEN))
        Warten(*this);
    m_nTasten &= ~0xFFFFu;
    return 0;
}

int CPraesentation::HGAufgabeAuswerten()
{
    uint32_t& s = m_nZustand;
    if (m_nFehler != 0) {
        s |= ENDE;
        return 1;
    }
    if (m_nTasten & ESCAPE) {
        s |= ENDE;
        m_nTasten &= ~ESCAPE;
        return 0;
    }
    const uint32_t a = m_nAufgabe;
    const uint32_t k = m_nTasten;
    if (a & A::HG_AUFGABE) {
        auto aenderungBeginnt = [&](uint32_t weg) {
            s = (s & ~weg) | HG_AENDERUNG | HG_WECHSEL;
            m_nHGDauer = ZufallsZeit(m_nHGDauerMin, m_nHGDauerMax);
        };
        if (!(s & HG_AENDERUNG) && !GleicheTaste(*this) && (a & A::HG_MIT_TASTE) && (k & HGTASTE1)) {
            m_TrainingsBericht.IncFalscheAlarme();
            m_TestBericht.IncFalscheAlarme();
        }
        if ((s & HG_AENDERUNG) && !(s & (HG_WECHSEL | HG_GEWECHSELT))) {
            bool ende = false;
            if (a & A::HG_MIT_TASTE) {
                if (k & HGTASTE1) {
                    m_UhrHintergrund.Anhalten();
                    m_TrainingsBericht.IncKorrekteReaktionen();
                    m_TestBericht.IncKorrekteReaktionen();
                    const int64_t t = m_UhrHintergrund.Runde();
                    m_TrainingsBericht.AddDauer(uint64_t(t));
                    m_TestBericht.AddDauer(t);
                    ende = true;
                }
            } else if (m_UhrHintergrund.Lesen() >= m_nHGDauer) {
                m_UhrHintergrund.Runde();
                ende = true;
                if ((a & A::HG_GEKOPPELT) && (a & A::ZIELE) && !(a & A::START_MIT_TASTE)) {
                    m_UhrVordergrund.Lesen();
                    m_UhrVordergrund.Runde();
                }
            }
            if (ende) {
                s = (s & ~HG_AENDERUNG) | HG_NORMAL | HG_WECHSEL;
                if (a & A::HG_START_MIT_TASTE) {
                    s |= HG_WARTET_TASTE;
                } else {
                    s |= HG_INTERVALL;
                    m_nHGIntervall = ZufallsZeit(m_nHGIntervallMin, m_nHGIntervallMax);
                }
            }
        }
        if ((s & HG_WARTET_TASTE) && (k & HGTASTE2))
            aenderungBeginnt(HG_WARTET_TASTE | HG_NORMAL);
        if ((s & HG_INTERVALL) && m_UhrHintergrund.Lesen() >= m_nHGIntervall) {
            const bool gekoppelteDurchgaenge = ((a & A::ZIELE) && (a & A::TRAINING)) ||
                                               ((a & (A::LINIEN | A::LAENGEN)) && (a & A::TEST));
            if ((a & A::HG_GEKOPPELT) && gekoppelteDurchgaenge && !(s & WARTET_HG))
                s = (s & ~HG_INTERVALL) | HG_AUFGESCHOBEN;
            else
                aenderungBeginnt(HG_INTERVALL | HG_NORMAL);
        }
        if ((s & HG_AUFGESCHOBEN) && !(s & (KOPIEREN | GEZEICHNET | SICHTBAR))) {
            if (m_UhrVordergrund.Lesen() >= HGSchwelle(*this, (a & A::START_MIT_TASTE) != 0))
                aenderungBeginnt(HG_AUFGESCHOBEN | HG_NORMAL);
        }
    }
    m_nTasten &= ~0x7FFF0000u;
    return 0;
}
