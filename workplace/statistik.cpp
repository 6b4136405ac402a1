#include "workplace/statistik.h"

#include <algorithm>
#include <cmath>

#include "platform/crt.h"
#include "workplace/datentabelle.h"

int Mische(CDWordArray& feld) { return MischeBereich(feld, 0, 0, static_cast<int>(feld.size()) - 1); }

int MischeBereich(CDWordArray& feld, uint32_t seed, int von, int bis)
{
    bis = std::min(bis, static_cast<int>(feld.size()) - 1);
    von = std::max(von, 0);
    if (bis == von)
        return 0;
    if (bis < von)
        return 1;
    crt::srand(seed != 0 ? seed : static_cast<uint32_t>(crt::time()));
    const int m = bis - von;
    for (int i = 0; i < m; ++i) {
        int j = crt::rand() % (m + 1 - i);
        std::swap(feld[von + i], feld[von + i + j]);
    }
    return m + 1 >= 32767 ? 2 : 0;
}

int RotiereArray(CDWordArray& feld, int von, int bis, int n)
{
    bis = std::min(bis, static_cast<int>(feld.size()) - 1);
    if (von < 0 || von > bis)
        return 1;
    const int laenge = bis - von + 1;
    int k = n % laenge;
    if (von == bis || k == 0)
        return 0;
    if (k < 0)
        k += laenge;
    // Right rotation by k: the last k elements come first.
    std::rotate(feld.begin() + von, feld.begin() + von + (laenge - k), feld.begin() + bis + 1);
    return 0;
}

double Runde(double x, int n)
{
    for (int i = 0; i < n; ++i)
        x *= 10.0;
    x = std::floor(x + 0.5);
    for (int i = 0; i < n; ++i)
        x /= 10.0;
    return x;
}

double Standardnormalverteilung(double x) { return std::exp(-x * x / 2.0) / 2.5066282746310007; }

double Verteilungsfunktion(double x)
{
    if (x == 0.0)
        return 0.5;
    const double a = std::fabs(x);
    double integral = 0.5;
    if (a <= 10.0) {
        const int m = static_cast<int>(a / 0.01);
        double t = 0.0;
        double f = Standardnormalverteilung(0.0);
        double links = 0.0, rechts = 0.0;
        for (int i = 0; i <= m; ++i) {
            double t2 = std::min(t + 0.01, a);
            double d = t2 - t;
            double f2 = Standardnormalverteilung(t2);
            links += f * d;
            rechts += f2 * d;
            t = t2;
            f = f2;
        }
        integral = std::clamp((links + rechts) / 2.0, 0.0, 0.5);
    }
    return x > 0.0 ? 0.5 + integral : 0.5 - integral;
}

double InverseVerteilungsfunktion(double p)
{
    if (p <= 0.0)
        return -10.0;
    if (p >= 1.0)
        return 10.0;
    if (p == 0.5)
        return 0.0;
    const double ziel = std::fabs(p - 0.5);
    double t = 0.0, flaeche = 0.0;
    double f = Standardnormalverteilung(0.0);
    double x;
    for (;;) {
        double t2 = t + 0.01;
        double f2 = Standardnormalverteilung(t2);
        double streifen = (f + f2) * 0.005;
        if (flaeche + streifen >= ziel) {
            x = t + (ziel - flaeche) * 0.01 / streifen; // linear within the strip
            break;
        }
        if (t2 >= 10.0) {
            x = 10.0;
            break;
        }
        flaeche += streifen;
        t = t2;
        f = f2;
    }
    return p < 0.5 ? -x : x;
}

int LineareRegression(CDatenreihe* x, CDatenreihe* y, double* a, double* b)
{
    *a = *b = 0.0;
    if (!x || !y)
        return -1;
    const int n = std::min(x->GetAnzahl(), y->GetAnzahl());
    if (n <= 0)
        return -1;
    int m = 0;
    double sx = 0.0, sxx = 0.0, sy = 0.0, sxy = 0.0;
    double xMin = 0.0, xMax = 0.0;
    for (int i = 0; i < n; ++i) {
        double xi, yi;
        if (!x->GetWert(i, &xi) || !y->GetWert(i, &yi))
            continue;
        xMin = m == 0 ? xi : std::min(xMin, xi);
        xMax = m == 0 ? xi : std::max(xMax, xi);
        ++m;
        sx += xi;
        sxx += xi * xi;
        sy += yi;
        sxy += xi * yi;
    }
    if (m < 1)
        return -2;
    const double mx = sx / m, my = sy / m;
    const double vx = sxx / m - mx * mx;
    const double cxy = sxy / m - mx * my;
    // Equal x values are a flat line: their mean need not be exact in binary
    // (0.1 three times), and the rounding left in vx would give a huge slope.
    *b = vx > 0.0 && xMin < xMax ? cxy / vx : 0.0;
    *a = my - *b * mx;
    return 0;
}

int ProbitAnalyseGewichtet(CDatenreihe* reize, CDatenreihe* anteile, double* mitte, double* steigung, double* dritter)
{
    *mitte = *steigung = *dritter = 0.0;
    if (!reize || !anteile)
        return -1;

    enum { kReiz, kReizZentriert, kAnteil, kProbit, kGewicht };
    int n = reize->GetAnzahl();
    CDatentabelle tabelle;
    tabelle.SetGroesse(n, 5);
    tabelle.SetSpalte(kReiz, reize);
    tabelle.SetSpalte(kAnteil, anteile);
    tabelle.SortiereNachSpalte(kReiz);
    // Rows without a stimulus are sorted last and drop out.
    n = std::min(n, tabelle.GetAnzahlWerte(kReiz));

    double xMittel = 0.0;
    tabelle.GetMittelwertBereich(kReiz, &xMittel, 0, n - 1);
    if (n < 2) {
        *mitte = xMittel;
        return -2;
    }
    const double abstand = (tabelle.GetWertDouble(n - 1, kReiz) - tabelle.GetWertDouble(0, kReiz)) / (n - 1);
    if (abstand <= 0.0) {
        *mitte = xMittel;
        return -3;
    }

    int ergebnis = 0;
    double pMittel = 0.0;
    tabelle.GetMittelwertBereich(kAnteil, &pMittel, 0, n - 1);
    pMittel = std::clamp(pMittel, 0.001, 0.999);
    double w = 0.0, wx = 0.0, wz = 0.0, wxx = 0.0, wxz = 0.0;
    for (int r = 0; r < n; ++r) {
        double p;
        if (!tabelle.GetWert(r, kAnteil, &p)) {
            p = pMittel;
            ergebnis = 1;
        }
        p = std::clamp(p, 0.001, 0.999);
        const double x = tabelle.GetWertDouble(r, kReiz) - xMittel;
        const double z = InverseVerteilungsfunktion(p);
        const double dichte = Standardnormalverteilung(z);
        const double gewicht = dichte * dichte * (1.0 / ((1.0 - p) * p)) * 1.57098594;
        tabelle.SetWert(r, kAnteil, p);
        tabelle.SetWert(r, kReizZentriert, x);
        tabelle.SetWert(r, kProbit, z);
        tabelle.SetWert(r, kGewicht, gewicht);
        w += gewicht;
        wx += gewicht * x;
        wz += gewicht * z;
        wxx += gewicht * x * x;
        wxz += gewicht * x * z;
    }

    const double nenner = w * wxz - wx * wz;
    if (nenner == 0.0) {
        // A flat response line has no 50 % point: the centre of the stimuli.
        *mitte = xMittel;
        return ergebnis;
    }
    *mitte = (wx * wxz - wxx * wz) / nenner + xMittel;
    *steigung = (w * wxx - wx * wx) / nenner;
    return ergebnis;
}
