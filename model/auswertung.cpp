#include "model/auswertung.h"

#include <cmath>

#include "model/diagramm.h"
#include "workplace/datentabelle.h"
#include "workplace/formatierung.h"
#include "workplace/umgebung.h"

CAuswertungsGrundlage Massstaebe(uint32_t flags, const CUmgebung& u)
{
    constexpr uint32_t kPixel = 8; // unit code of pixels
    CAuswertungsGrundlage g;
    g.flags = flags;
    g.einheitX = u.AnteilInEinheitX(1.0);
    g.einheitY = u.AnteilInEinheitY(1.0);
    g.pixelX = u.InAnteilX(1.0, kPixel);
    g.pixelY = u.InAnteilY(1.0, kPixel);
    return g;
}

std::string AchsenName(const std::string& name)
{
    const auto pos = name.find('/');
    if (pos == std::string::npos)
        return name;
    std::string rest = name.substr(pos + 1);
    if (!rest.empty() && rest[0] == ' ')
        rest.erase(0, 1);
    return rest;
}

bool XAchseAktuell(const CDiagramm& d, double min, double max, int ticks, const std::string& einheit, int dezimalen)
{
    // Compare through the chart's own clamping of the range.
    CDiagramm soll;
    soll.SetXBereich(min, max, ticks, dezimalen);
    return d.GetXMin() == soll.GetXMin() && d.GetXMax() == soll.GetXMax() && d.GetXTicks() == soll.GetXTicks() &&
           d.GetXDezimalen() == soll.GetXDezimalen() && d.GetXEinheit() == einheit;
}

int ZusatzDezimalen(double v, std::initializer_list<double> grenzen)
{
    int n = 0;
    for (double g : grenzen)
        if (-g < v && v < g)
            ++n;
    return n;
}

void SetzeEndlich(CDatentabelle& t, int zeile, int spalte, double v)
{
    if (std::isfinite(v))
        t.SetWert(zeile, spalte, v);
}

std::string MittelText(const CDatentabelle& t, int spalte, int dezimalen, const std::string& anhang)
{
    double m = 0.0;
    if (t.GetMittelwert(spalte, &m) == 0 || !std::isfinite(m))
        return "n. a.";
    return FormatDouble(m, dezimalen) + anhang;
}

std::string MuText(double mu)
{
    if (!std::isfinite(mu))
        return "n. a.";
    if (mu < -50.0)
        return "< -50 %";
    if (mu > 50.0)
        return "> 50 %";
    return FormatDouble(mu, 1) + " %";
}

std::string SigmaText(double sigma)
{
    if (!std::isfinite(sigma) || sigma <= 0.0)
        return "n. a.";
    if (sigma > 100.0)
        return "> 100 %";
    return FormatDouble(sigma, 1) + " %";
}
