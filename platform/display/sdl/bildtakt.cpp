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

    if (m_vsync) {
        const Dauer abweichung = ende - m_faellig;
        if (abweichung > m_periode / 2) {
            // The retrace was missed: start earlier from now on.
            m_zuschlag = std::min<Dauer>(m_zuschlag + 1ms, m_periode / 2);
        } else if (ende - gezeichnet > 500us && abweichung > -m_periode / 4 && abweichung < m_periode / 4) {
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
