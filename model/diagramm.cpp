#include "model/diagramm.h"

#include <algorithm>
#include <cmath>

#include "platform/draw/dc_auswahl.h"
#include "workplace/formatierung.h"
#include "workplace/geometrie.h"
#include "workplace/statistik.h"

namespace {

constexpr COLORREF kWeiss = 0xFFFFFF;
constexpr COLORREF kGrau = 0x808080;
constexpr COLORREF kSchwarz = 0x000000;

// Truncation toward zero that stays defined for values no device can show.
int Ganz(double v)
{
    if (std::isnan(v))
        return 0;
    if (v > 1e9)
        return 1000000000;
    if (v < -1e9)
        return -1000000000;
    return static_cast<int>(v);
}

// Quotient of a device span and a value span; 0 when the value span is empty,
// so that a degenerate range maps everything onto one place.
double Faktor(double geraet, double spanne)
{
    if (!(spanne > 0.0) || !std::isfinite(spanne))
        return 0.0;
    return geraet / spanne;
}

double Endlich(double v) { return std::isfinite(v) ? v : 0.0; }

} // namespace

CDiagramm::CDiagramm() { Zuruecksetzen(); }

CDiagramm::~CDiagramm() = default;

void CDiagramm::Zuruecksetzen()
{
    m_Daten.Loesche();
    m_Titel.clear();
    m_XName.clear();
    m_XEinheit = "[1]";
    m_YName.clear();
    m_YEinheit = "[1]";
    m_XDezimalen = 0;
    m_YDezimalen = 0;
    m_AnzahlReihen = 0;
    m_Farben.clear();
    m_Stile.clear();
    m_XMin = m_XMax = 0.0;
    m_YMin = m_YMax = 0.0;
    m_XFaktor = m_YFaktor = 1.0;
    m_XTicks = m_YTicks = 1;
}

void CDiagramm::DatenLoeschen() { m_Daten.Loesche(); }

void CDiagramm::DatenAbschliessen() { m_Daten.LoescheWerte(); }

void CDiagramm::SetSchrift(CFont* schrift) { m_pSchrift = schrift; }

void CDiagramm::SetTitel(const std::string& titel, const std::string& xName, const std::string& xEinheit,
                         const std::string& yName, const std::string& yEinheit)
{
    m_Titel = titel;
    m_XName = xName;
    m_XEinheit = xEinheit;
    m_YName = yName;
    m_YEinheit = yEinheit;
}

void CDiagramm::SetAnzahlReihen(int n)
{
    if (n <= 0) {
        m_Daten.Loesche();
        m_Farben.clear();
        m_Stile.clear();
        m_AnzahlReihen = 0;
        return;
    }
    m_Daten.SetAnzahlSpalten(n + 1);
    m_Farben.resize(n, kSchwarz);
    m_Stile.resize(n, 1);
    m_AnzahlReihen = n;
}

void CDiagramm::SetReihenFarbe(int reihe, COLORREF farbe)
{
    if (reihe >= 1 && reihe <= m_AnzahlReihen)
        m_Farben[reihe - 1] = farbe & 0xFFFFFF;
}

void CDiagramm::SetReihenStil(int reihe, int stil)
{
    if (reihe >= 1 && reihe <= m_AnzahlReihen)
        m_Stile[reihe - 1] = stil;
}

COLORREF CDiagramm::GetReihenFarbe(int reihe) const
{
    return reihe >= 1 && reihe <= m_AnzahlReihen ? m_Farben[reihe - 1] : kSchwarz;
}

int CDiagramm::GetReihenStil(int reihe) const { return reihe >= 1 && reihe <= m_AnzahlReihen ? m_Stile[reihe - 1] : 1; }

void CDiagramm::SetXDaten(CDatenreihe* daten)
{
    if (m_AnzahlReihen >= 1 && daten)
        m_Daten.SetSpalte(0, daten);
}

void CDiagramm::SetDaten(int reihe, CDatenreihe* daten)
{
    if (reihe >= 1 && reihe <= m_AnzahlReihen && daten)
        m_Daten.SetSpalte(reihe, daten);
}

// A range that is not a number counts as 0, so no label ever shows one.
void CDiagramm::SetXBereich(double min, double max, int ticks, int dezimalen)
{
    m_XMin = Endlich(min);
    m_XMax = std::isfinite(max) && max >= m_XMin ? max : m_XMin;
    m_XTicks = ticks > 1 && m_XMax > m_XMin ? std::min(ticks, kTicksMax) : 1;
    m_XDezimalen = std::max(dezimalen, 0);
}

void CDiagramm::SetYBereich(double min, double max, int ticks, int dezimalen)
{
    m_YMin = Endlich(min);
    m_YMax = std::isfinite(max) && max >= m_YMin ? max : m_YMin;
    m_YTicks = ticks > 1 && m_YMax > m_YMin ? std::min(ticks, kTicksMax) : 1;
    m_YDezimalen = std::max(dezimalen, 0);
}

void CDiagramm::SetAbbildung(RECT r)
{
    r.right = std::max(r.right, r.left);
    if (r.bottom >= r.top) {
        m_YVorzeichen = 1;
    } else {
        r.top = -r.top;
        r.bottom = -r.bottom;
        m_YVorzeichen = -1;
    }
    m_Geraet = r;
}

int CDiagramm::XPunkt(double x) const { return Ganz(x * m_XFaktor + m_XOffset); }

int CDiagramm::YPunkt(double y) const { return Ganz(y * m_YFaktor + m_YOffset); }

void CDiagramm::Linie(CDC* dc, int x1, int y1, int x2, int y2) const
{
    dc->MoveTo(x1, y1 * m_YVorzeichen);
    dc->LineTo(x2, y2 * m_YVorzeichen);
}

void CDiagramm::Flaeche(CDC* dc, RECT r) const
{
    r = RechteckBeschneiden(r, m_Geraet);
    dc->Rectangle(r.left, r.top * m_YVorzeichen, r.right, r.bottom * m_YVorzeichen);
}

void CDiagramm::Text(CDC* dc, unsigned ausrichtung, int x, int y, const std::string& text) const
{
    dc->SetTextAlign(ausrichtung);
    dc->TextOut(x, y * m_YVorzeichen, text);
}

void CDiagramm::Zeichnen(CDC* dc)
{
    if (!dc)
        return;
    CDCAuswahl auswahl(dc);
    auswahl.Waehlen(m_pSchrift);
    CLage l;
    const RECT p = Baender(dc, l);
    Abbilden(l, p);
    AchsenZeichnen(dc, l);
    BeschriftungZeichnen(dc, l);
}

RECT CDiagramm::Baender(CDC* dc, CLage& l)
{
    // Sizes, all from the height of one text line.
    int h = dc->GetTextExtent(" ").cy;
    if (h < 1)
        h = 12;
    m_Skala = h / 12.0;
    int L = std::max(1, static_cast<int>(6.0 * m_Skala));
    // Axes and ticks are at least one device unit thick, else a printer's
    // fine mapping (0.01 mm) loses them between its dots.
    SIZE punkt{1, 1};
    dc->DPtoLP(&punkt);
    int T = std::max({1, static_cast<int>(0.0 * m_Skala), static_cast<int>(punkt.cx), static_cast<int>(punkt.cy)});
    const int M = std::max(0, static_cast<int>(15.0 * m_Skala));
    const int q = std::max(0, h / 4);
    const int lh = h;
    const RECT g = m_Geraet;
    RECT p = g;

    // Horizontal room.
    const int W = g.right - g.left;
    if (W >= L + (T + 1) / 2 + 2 * M) {
        p.left = g.left + M;
        p.right = g.right - M;
    }
    const int w = p.right - p.left;
    if (w < L + (T + 1) / 2)
        T = std::max(0, (w - L) * 2);
    if (w < L + (T + 1) / 2)
        L = std::max(0, w - (T + 1) / 2);

    // Vertical room: the gaps go first, then title lines.
    const int H = g.bottom - g.top;
    int n = 3 - int(m_Titel.empty()) - int(m_XName.empty()) - int(m_YName.empty());
    auto bedarf = [&] { return L + n * lh + 2 * q + (T + 1) / 2; };
    int qPlot = q;
    if (H < bedarf())
        qPlot = 0;
    while (H < bedarf() && n > 0)
        --n;
    if (H < bedarf())
        T = (H - n * lh - L) * 2;
    T = std::max(T, 1);
    if (H < bedarf())
        L = std::max(0, H - 2 * q - n * lh - (T + 1) / 2);
    p.top = g.top + qPlot;
    p.bottom = g.bottom - qPlot;

    l.h = h;
    l.L = L;
    l.T = T;
    l.zeigeX = !m_XName.empty() && n > 0;
    l.zeigeY = !m_YName.empty() && n > (m_XName.empty() ? 0 : 1);
    l.zeigeTitel = !m_Titel.empty() && n > int(!m_XName.empty()) + int(!m_YName.empty());
    if (l.zeigeTitel) {
        l.titelBand = p.top;
        p.top += lh;
    }
    if (l.zeigeY) {
        l.yNameBand = p.top;
        p.top += lh;
    }
    if (l.zeigeX) {
        p.bottom -= lh;
        l.xNameBand = p.bottom;
    }
    p = RechteckBeschneiden(p, g);

    // Half a text line at each end of the y axis for the end labels.
    l.b0 = p.bottom;
    const int rest = (p.bottom - p.top) - h;
    l.endLabels = rest >= 0;
    if (l.endLabels) {
        p.bottom -= h / 2;
        p.top = p.bottom - rest;
    }
    return RechteckBeschneiden(p, g);
}

void CDiagramm::Abbilden(CLage& l, RECT p)
{
    const int h = l.h, L = l.L, T = l.T, b0 = l.b0;
    const double x0 = m_XMin <= 0.0 && 0.0 <= m_XMax ? 0.0 : m_XMin;
    const double y0 = m_YMin <= 0.0 && 0.0 <= m_YMax ? 0.0 : m_YMin;
    l.x0 = x0;
    l.y0 = y0;
    m_XFaktor = Faktor(p.right - p.left, m_XMax - m_XMin);
    m_XOffset = p.left - m_XMin * m_XFaktor + 0.5;
    if (XPunkt(x0) < p.left + L + 28) {
        l.yLabelX = p.left + 25;
        l.yTickL = p.left + 28;
        l.yTickR = l.yTickL + L;
        const int nl = p.left + 28 + L;
        m_XFaktor = Faktor(p.right - nl, m_XMax - x0);
        m_XOffset = nl - m_XMin * m_XFaktor + 0.5;
        p.left = XPunkt(m_XMin);
    } else {
        const int xr = Ganz(x0 * m_XFaktor + m_XOffset + 0.5);
        l.yTickL = xr - L;
        l.yTickR = xr;
        l.yLabelX = xr - L - 3;
    }
    l.yAchseL = Ganz(x0 * m_XFaktor + m_XOffset - T / 2.0);
    l.yAchseR = l.yAchseL + T;

    m_YFaktor = -Faktor(p.bottom - p.top, m_YMax - m_YMin);
    m_YOffset = p.bottom - m_YMin * m_YFaktor + 0.5;
    if (YPunkt(y0) > b0 - h - L - 3) {
        l.xLabelBand = b0 - h;
        const int nb = b0 - h - 3 - L;
        l.xTickO = nb;
        l.xTickU = nb + L;
        m_YFaktor = -Faktor(nb - p.top, m_YMax - y0);
        m_YOffset = nb - m_YMin * m_YFaktor + 0.5;
        p.bottom = YPunkt(m_YMin);
    } else {
        l.xTickO = YPunkt(y0);
        l.xTickU = l.xTickO + L;
        l.xLabelBand = l.xTickO + L + 3;
    }
    l.xAchseO = Ganz(y0 * m_YFaktor + m_YOffset - T / 2.0);
    l.xAchseU = l.xAchseO + T;
    m_Plot = RechteckBeschneiden(p, m_Geraet);
    m_Abbildbar = m_XFaktor > 0.0 && m_YFaktor < 0.0;
}

void CDiagramm::AchsenZeichnen(CDC* dc, const CLage& l) const
{
    const RECT& p = m_Plot;
    const int T = l.T;
    {
        CStiftUndPinsel weiss(dc, 0, kWeiss, true);
        Flaeche(dc, m_Geraet);
    }
    CStiftUndPinsel grau(dc, 0, kGrau, true);
    Flaeche(dc, RECT{p.left, l.xAchseO, p.right, l.xAchseU});
    Flaeche(dc, RECT{l.yAchseL, p.top, l.yAchseR, p.bottom});
    for (int k = 0; k < m_XTicks; ++k) {
        const double v = m_XTicks < 2 ? m_XMin : m_XMin + k * (m_XMax - m_XMin) / (m_XTicks - 1);
        const int x = Ganz(v * m_XFaktor + m_XOffset - T / 2.0);
        Flaeche(dc, RECT{x, l.xTickO, x + T, l.xTickU});
    }
    for (int k = 0; k < m_YTicks; ++k) {
        const double v = m_YTicks < 2 ? m_YMin : m_YMin + k * (m_YMax - m_YMin) / (m_YTicks - 1);
        const int e = Ganz(v * m_YFaktor + m_YOffset + T / 2.0);
        Flaeche(dc, RECT{l.yTickL, e - T, l.yTickR, e});
    }
}

void CDiagramm::BeschriftungZeichnen(CDC* dc, const CLage& l) const
{
    const int h = l.h, lh = l.h;
    const RECT& g = m_Geraet;
    dc->SetBkColor(kWeiss);
    dc->SetTextColor(kSchwarz);
    auto mitteImBand = [h](int t, int hoehe) { return (t + (t + hoehe) + h) / 2; };
    const int mitteX = (g.left + g.right) / 2;
    const int yAchseMitte = (l.yAchseL + l.yAchseR) / 2;
    if (l.zeigeTitel)
        Text(dc, TA_CENTER | TA_BOTTOM, mitteX, mitteImBand(l.titelBand, lh), m_Titel);
    if (l.zeigeY) {
        unsigned ausrichtung = TA_RIGHT | TA_BOTTOM;
        if (l.x0 < m_XMin + (m_XMax - m_XMin) / 4)
            ausrichtung = TA_LEFT | TA_BOTTOM;
        else if (l.x0 <= m_XMax - (m_XMax + m_XMin) / 4)
            ausrichtung = TA_CENTER | TA_BOTTOM;
        Text(dc, ausrichtung, yAchseMitte, mitteImBand(l.yNameBand, lh), m_YName);
    }
    if (l.zeigeX)
        Text(dc, TA_CENTER | TA_BOTTOM, mitteX, mitteImBand(l.xNameBand, lh), m_XName + " " + m_XEinheit);
    for (int k = 0; k < m_XTicks; ++k) {
        const double v = m_XTicks < 2 ? m_XMin : m_XMin + k * (m_XMax - m_XMin) / (m_XTicks - 1);
        Text(dc, TA_CENTER | TA_BOTTOM, XPunkt(v), mitteImBand(l.xLabelBand, h), FormatDouble(v, m_XDezimalen));
    }
    for (int k = 0; k < m_YTicks; ++k) {
        const double v = m_YTicks < 2 ? m_YMin : m_YMin + k * (m_YMax - m_YMin) / (m_YTicks - 1);
        const bool amEnde = k == 0 || k == m_YTicks - 1;
        if ((amEnde && !l.endLabels) || (v >= -1e-8 && v <= 1e-8))
            continue;
        Text(dc, TA_RIGHT | TA_BOTTOM, l.yLabelX, Ganz(v * m_YFaktor + m_YOffset + h / 2.0),
             FormatDouble(v, m_YDezimalen));
    }
    Text(dc, TA_LEFT | TA_BOTTOM, yAchseMitte + 3, Ganz(m_YMax * m_YFaktor + m_YOffset + h / 2.0), m_YEinheit);
}

void CDiagramm::ZeichneReihen(CDC* dc)
{
    for (int i = m_AnzahlReihen; i >= 1; --i)
        ZeichneReihenIntern(dc, i);
}

void CDiagramm::ZeichneMitReihen(CDC* dc, RECT rechteck, CFont* schrift)
{
    SetAbbildung(rechteck);
    SetSchrift(schrift);
    Zeichnen(dc);
    ZeichneReihen(dc);
}

void CDiagramm::ZeichneReihenIntern(CDC* dc, int reihe)
{
    if (!dc || reihe < 1 || reihe > m_AnzahlReihen || !m_Abbildbar)
        return;
    const int m = std::max(2, static_cast<int>(6.0 * m_Skala));
    const COLORREF farbe = m_Farben[reihe - 1];
    const bool kreuz = m_Stile[reihe - 1] == 2;
    CStiftUndPinsel stift(dc, std::max(1, static_cast<int>(0.0 * m_Skala)), farbe, true);
    const int s = m_YVorzeichen;
    for (int i = 0; i < m_Daten.GetAnzahlZeilen(); ++i) {
        double x = 0.0, y = 0.0;
        if (m_Daten.GetWert(i, 0, &x) == 0 || m_Daten.GetWert(i, reihe, &y) == 0)
            continue;
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        const int px = XPunkt(x);
        const int py = YPunkt(y);
        if (px < m_Plot.left || px > m_Plot.right || py < m_Plot.top || py > m_Plot.bottom)
            continue;
        if (kreuz) {
            const int x1 = px - m / 2, x2 = x1 + m;
            const int y1 = py - m / 2, y2 = y1 + m;
            Linie(dc, x1, y1, x2, y2);
            Linie(dc, x1, y2 - 1, x2, y2 - 1 - m);
        } else {
            POINT raute[4] = {
                {px, (py - m / 2) * s}, {px - m / 2 + m, py * s}, {px, (py - m / 2 + m) * s}, {px - m / 2, py * s}};
            dc->Polygon(raute, 4);
        }
    }
}

void CDiagramm::ZeichneGerade(CDC* dc, int reihe, double a, double b)
{
    if (!dc || reihe < 1 || reihe > m_AnzahlReihen || !m_Abbildbar || !std::isfinite(a) || !std::isfinite(b))
        return;
    // Five device units of slack beyond the y range (the y factor is negative).
    const double lo = m_YMin + 5.0 / m_YFaktor;
    const double hi = m_YMax - 5.0 / m_YFaktor;
    double x[2] = {m_XMin, m_XMax};
    double y[2];
    for (int e = 0; e < 2; ++e) {
        y[e] = b * x[e] + a;
        if (y[e] < lo || y[e] > hi) {
            y[e] = y[e] < lo ? lo : hi;
            if (b == 0.0)
                return;
            x[e] = (y[e] - a) / b;
        }
    }
    CStiftUndPinsel stift(dc, std::max(1, static_cast<int>(2.0 * m_Skala)), m_Farben[reihe - 1], false);
    Linie(dc, XPunkt(x[0]), YPunkt(y[0]), XPunkt(x[1]), YPunkt(y[1]));
}

void CDiagramm::ZeichneVerteilungskurve(CDC* dc, int reihe, double mu, double sigma, int n)
{
    if (!dc || n < 1 || reihe < 1 || reihe > m_AnzahlReihen || !m_Abbildbar || !std::isfinite(mu) ||
        !std::isfinite(sigma) || m_XMax <= m_XMin)
        return;
    const double s = n == 1 ? sigma : std::sqrt(sigma * sigma / n);
    const double lo = m_YMin + 5.0 / m_YFaktor;
    const double hi = m_YMax - 5.0 / m_YFaktor;
    CStiftUndPinsel stift(dc, std::max(1, static_cast<int>(2.0 * m_Skala)), m_Farben[reihe - 1], false);
    const int vz = m_YVorzeichen;

    if (!(s > 0.0)) {
        // No spread: a step at mu.
        if (mu < m_XMin) {
            Linie(dc, XPunkt(m_XMin), YPunkt(1.0), XPunkt(m_XMax), YPunkt(1.0));
        } else if (mu <= m_XMax) {
            Linie(dc, XPunkt(m_XMin), YPunkt(0.0), XPunkt(mu), YPunkt(0.0));
            Linie(dc, XPunkt(mu), YPunkt(0.0), XPunkt(mu), YPunkt(1.0));
            Linie(dc, XPunkt(mu), YPunkt(1.0), XPunkt(m_XMax), YPunkt(1.0));
        } else {
            Linie(dc, XPunkt(m_XMin), YPunkt(0.0), XPunkt(m_XMax), YPunkt(0.0));
        }
        return;
    }

    auto innen = [&](double y) { return y >= lo && y < hi; };
    auto geklemmt = [&](double y) { return y < lo ? lo : (y >= hi ? hi : y); };
    double x = m_XMin;
    double y = Verteilungsfunktion((x - mu) / s);
    dc->MoveTo(XPunkt(x), YPunkt(geklemmt(y)) * vz);
    const int schritte = std::max(1, XPunkt(m_XMax) - XPunkt(m_XMin));
    const double dx = (m_XMax - m_XMin) / schritte;
    for (int k = 1; k <= schritte; ++k) {
        const double xn = m_XMin + k * dx;
        const double yn = Verteilungsfunktion((xn - mu) / s);
        if (innen(y) && innen(yn)) {
            dc->LineTo(XPunkt(xn), YPunkt(yn) * vz);
        } else if (!((y < lo && yn < lo) || (y >= hi && yn >= hi))) {
            Linie(dc, XPunkt(x), YPunkt(geklemmt(y)), XPunkt(xn), YPunkt(geklemmt(yn)));
        }
        x = xn;
        y = yn;
    }
}
