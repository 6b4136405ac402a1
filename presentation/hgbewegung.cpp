#include "presentation/hgbewegung.h"

#include "model/aufgabenbits.h"
#include "model/hintergrund.h"
#include "platform/crt.h"
#include "workplace/umgebung.h"

#include <algorithm>
#include <cmath>

int64_t InMillisekunden(double sekunden)
{
    // About 31 years: longer than any run, and sums and differences of such
    // times, also in the stopwatch's nanoseconds, stay far inside int64.
    constexpr double kGrenze = 1e12;
    const double ms = std::trunc(sekunden * 1000.0 + 0.5);
    return std::isnan(ms) ? 0 : static_cast<int64_t>(std::clamp(ms, -kGrenze, kGrenze));
}

int64_t ZufallsZeit(int64_t min, int64_t max)
{
    const int64_t spanne = max - min;
    return spanne > 0 ? min + int64_t(crt::rand()) % spanne : min;
}

CHGGroessen HGGroessenBerechnen(const CHGMuster& muster, const CUmgebung& umgebung, int breite, int hoehe)
{
    CHGGroessen g;
    g.nElementbreite = umgebung.AnteilInPixelX(muster.m_dElementbreite);
    g.nElementhoehe = umgebung.AnteilInPixelY(muster.m_dElementhoehe);
    int p = umgebung.AnteilInPixelX(muster.m_dZyklusbreite);
    if (p > breite)
        p = breite;
    const int ew = g.nElementbreite;
    if (muster.m_nArt == 30 && ew != 0) {
        // Random dots repeat in whole elements.
        p = ((ew / 2 + p) / ew) * ew;
        if (p > breite)
            p = (breite / ew) * ew;
    }
    if (p < 0)
        p = 0;
    if (g.nElementbreite > p)
        g.nElementbreite = p;
    if (g.nElementhoehe > hoehe)
        g.nElementhoehe = hoehe;
    g.nPeriode = p;
    return g;
}

double HGSchrittBetrag(double geschwindigkeit, double zyklusbreite, const CUmgebung& umgebung, unsigned bildfrequenz)
{
    // A motion read from a file has not passed the model's setter.
    const double v = std::fabs(BegrenzeGeschwindigkeit(geschwindigkeit, zyklusbreite));
    double s = bildfrequenz ? umgebung.AnteilInPixelXUngerundet(v) / double(bildfrequenz) : 0.0;
    if (s > 0.5)
        s = std::trunc(s * 2.0 + 0.5) / 2.0;
    return std::isfinite(s) ? s : 0.0;
}

CHGSchritte HGSchritteBerechnen(const CHGMuster& muster, const CHGBewegung& bewegung, const CHGAufgabe& aufgabe,
                                const CUmgebung& umgebung, unsigned bildfrequenz)
{
    CHGSchritte schritte;
    const double c = muster.m_dZyklusbreite;
    const double v = bewegung.m_dGeschwindigkeit;
    const double s = HGSchrittBetrag(v, c, umgebung, bildfrequenz);
    const bool rechts = bewegung.m_nRichtung == 1;
    schritte.dNormal = ((v >= 0.0 && rechts) || (v < 0.0 && !rechts)) ? -s : s;
    schritte.dGeaendert = schritte.dNormal;
    if (aufgabe.m_nArt == 20) {
        const double t = aufgabe.m_dZielgeschwindigkeit;
        const double s2 = HGSchrittBetrag(t, c, umgebung, bildfrequenz);
        const bool gleich = (t >= 0.0 && schritte.dNormal >= 0.0) || (t < 0.0 && schritte.dNormal < 0.0);
        schritte.dGeaendert = gleich ? s2 : -s2;
    }
    return schritte;
}

uint32_t HGAufgabenFlags(const CHGMuster& muster, const CHGAufgabe& aufgabe, bool hatMuster)
{
    if (muster.m_nArt < 10 || !hatMuster)
        return aufgabe::HG_KEINE;
    uint32_t flags = 0;
    if (aufgabe.m_nArt == 10)
        flags |= aufgabe::HG_FARBE | aufgabe::HG_AUFGABE;
    else if (aufgabe.m_nArt == 20)
        flags |= aufgabe::HG_TEMPO | aufgabe::HG_AUFGABE;
    if (flags & aufgabe::HG_AUFGABE) {
        if (aufgabe.m_nDurchgangsende == 1)
            flags |= aufgabe::HG_MIT_TASTE;
        if (aufgabe.m_nIntervallmodus == 1)
            flags |= aufgabe::HG_START_MIT_TASTE;
        if (aufgabe.m_nAsynchron == 1 && !(flags & aufgabe::HG_START_MIT_TASTE))
            flags |= aufgabe::HG_GEKOPPELT;
    }
    return flags;
}

double HGStartposition(int periode, int breite)
{
    if (periode <= 0)
        return 0.0;
    return periode - (breite % periode) / 2.0;
}

double HGPositionWeiter(double position, double schritt, int periode, int* versatz)
{
    if (periode <= 0) {
        *versatz = 0;
        return 0.0;
    }
    position += schritt;
    const double p = periode;
    // A step from a damaged record may be huge or not a number; one
    // division then replaces subtractions that would never end.
    if (!std::isfinite(position))
        position = 0.0;
    else if (position >= 2.0 * p || position < -p)
        position = std::fmod(position, p);
    while (position >= p)
        position -= p;
    while (position < 0.0)
        position += p;
    *versatz = static_cast<int>(position) % periode;
    return position;
}

void CBildRunden::Eintragen(int64_t runde)
{
    m_nRunden[m_nIndex] = static_cast<int32_t>(runde);
    m_nIndex = (m_nIndex + 1) % kPlaetze;
    if (m_nAnzahl < kPlaetze)
        ++m_nAnzahl;
}

double CBildRunden::Sekunden() const
{
    double t = 0.0;
    for (int i = 0; i < m_nAnzahl; ++i)
        t += m_nRunden[i] / 10000.0;
    return t;
}

double CBildRunden::Geschwindigkeit(double schrittPixel, const CUmgebung& umgebung) const
{
    const double t = Sekunden();
    if (m_nAnzahl <= 0 || !(t > 0.0))
        return 0.0;
    return umgebung.InAnteilX(schrittPixel, EINHEIT_PIXEL) * m_nAnzahl / t;
}
