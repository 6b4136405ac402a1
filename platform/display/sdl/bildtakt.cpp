#include "platform/display/sdl/bildtakt.h"

#include <algorithm>

using namespace std::chrono_literals;

void CBildtakt::Beginnen(Dauer nominal, bool vsync)
{
    *this = CBildtakt{};
    m_nominal = m_periode = nominal;
    m_vsync = vsync;
}

CBildtakt::Dauer CBildtakt::Vorlauf() const
{
    // With vsync the present must start early enough to make its retrace
    // however long the drawing takes; without, it ends just before it.
    const Dauer v = m_kosten + m_zuschlag + (m_vsync ? 2ms : 1ms);
    return std::clamp<Dauer>(v, 1ms, m_periode * 3 / 4);
}

CBildtakt::Zeit CBildtakt::Beginn() const
{
    // The probe costs nothing where the present waits for the retrace and
    // shows a frame a little early where it does not, so only where the
    // drawing's own jitter says too little.
    const bool probe = m_vsync && m_bild % PROBE_ABSTAND == PROBE_ABSTAND - 1 && m_summeGG < 4 * PROBE_QUADRAT;
    return m_faellig - Vorlauf() - (probe ? PROBE : Dauer{});
}

CBildtakt::Zeit CBildtakt::Einreihen(Zeit jetzt)
{
    const Zeit frueh = jetzt + m_kosten;
    if (m_letzteFaellig == Zeit{}) {
        m_faellig = frueh;
    } else {
        m_faellig = m_letzteFaellig + m_periode;
        // Without retraces there is none to miss: a frame less than a
        // period late is shown at once and the next is due on the clock
        // again, so presents that take most of a period (a rasteriser on
        // the CPU) do not drop every other frame.
        const Dauer spaet = frueh - m_faellig;
        if (spaet > Dauer::zero() && (m_vsync || spaet >= m_periode))
            m_faellig += (spaet / m_periode + 1) * m_periode;
    }
    return m_faellig;
}

void CBildtakt::Gezeigt(Zeit start, Zeit gezeichnet, Zeit ende)
{
    // The cost of presenting: nine in ten of the latest presents took no
    // longer. A single slow one (the thread preempted) does not stretch the
    // lead; a lasting rise does within a second.
    m_dauern[m_dauerIndex++ % m_dauern.size()] = m_vsync ? gezeichnet - start : ende - start;
    if (m_dauerIndex >= m_dauern.size()) {
        auto sortiert = m_dauern;
        auto p90 = sortiert.begin() + ptrdiff_t(sortiert.size() * 9 / 10);
        std::nth_element(sortiert.begin(), p90, sortiert.end());
        m_kosten = *p90;
    }

    ++m_bild;

    if (m_vsync) {
        const Dauer abweichung = ende - m_faellig;
        const Dauer fertig = gezeichnet - m_faellig;
        const bool nahe = abweichung > -m_periode / 4 && abweichung < m_periode / 4;
        // No single end tells a retrace from a driver that returns a fixed
        // time after drawing. Taken for a retrace, such an end, set by the
        // clock's own start, would pull the phase, and the period after
        // the spacing of such ends, steadily away from nominal. A
        // retrace's end stays put when the drawing ends earlier or later,
        // a fixed delay's moves with it: the slope of the one on the other
        // between successive presents tells them apart (the drawing's own
        // jitter and the probe's earlier start give it something to
        // measure). Until it does, the clock keeps its phase and period.
        if (nahe && m_vorigesGueltig) {
            const double e = double((abweichung - m_vorigesEnde).count());
            const double g = double((fertig - m_vorigesGezeichnet).count());
            m_summeEG += e * g - m_summeEG / 64;
            m_summeGG += g * g - m_summeGG / 64;
            if (m_summeGG > PROBE_QUADRAT) {
                const double steigung = m_summeEG / m_summeGG;
                if (steigung < 1.0 / 3)
                    m_wartet = true;
                else if (steigung > 2.0 / 3)
                    m_wartet = false;
            }
        }
        m_vorigesGueltig = nahe;
        m_vorigesEnde = abweichung;
        m_vorigesGezeichnet = fertig;

        if (abweichung > m_periode / 2) {
            // The retrace was missed: start earlier from now on.
            m_zuschlag = std::min<Dauer>(m_zuschlag + 1ms, m_periode / 2);
        } else if (m_wartet && nahe) {
            // A present that waited ended at a retrace: the clock follows
            // its phase, and the period the spacing of such retraces.
            m_faellig += abweichung / 4;
            if (m_letzteRetrace != Zeit{}) {
                const Dauer abstand = ende - m_letzteRetrace;
                const auto n = (abstand + m_periode / 2) / m_periode;
                if (n >= 1 && n <= 4) {
                    const Dauer gemessen = abstand / n;
                    if (gemessen > m_nominal * 49 / 50 && gemessen < m_nominal * 51 / 50)
                        m_periode = (m_periode * 15 + gemessen) / 16;
                }
            }
            m_letzteRetrace = ende;
        }
    }
    m_letzteFaellig = m_faellig;
}
