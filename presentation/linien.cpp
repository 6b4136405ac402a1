// The line-bisection test: a horizontal and a vertical line that cross,
// each carrying the other as its dividing mark. Nothing is drawn into a
// foreground surface; the frame loop fills the report's rectangles.

#include "presentation/praesentation.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "presentation/testreize.h"

#include <algorithm>

namespace {

// Line thickness in pixels: at least 1 and at most the screen, none for 0.
int Dicke(double anteil, int pixel)
{
    if (anteil <= 0.0)
        return 0;
    return std::clamp(int(PixelRunden(anteil * pixel)), 1, std::max(pixel, 1));
}

} // namespace

CTestReiz LinienReiz(double X, double Y, double hl, double vl, double hm, double vm, double th, double tv, double W,
                     double H)
{
    // The horizontal line crosses the vertical one at its mark; the
    // vertical line stands on the horizontal one at its mark.
    const double hy = (Y - vm * vl) * H;
    const double vx = (X + hm * hl) * W;
    CTestReiz r;
    r.rcReiz1 = {PixelRunden((X - hl / 2) * W), PixelRunden(hy - th / 2), PixelRunden((X + hl / 2) * W),
                 PixelRunden(hy + th / 2)};
    r.rcReiz2 = {PixelRunden(vx - tv / 2), PixelRunden((Y - vl / 2) * H), PixelRunden(vx + tv / 2),
                 PixelRunden((Y + vl / 2) * H)};
    r.rcRaum2 = {PixelRunden((X - hl / 2) * W - tv / 2), PixelRunden((Y - vl / 2) * H - th / 2),
                 PixelRunden((X + hl / 2) * W + tv / 2), PixelRunden((Y + vl / 2) * H + th / 2)};
    r.rcRaum3 = r.rcRaum2;
    r.punkt1 = {X, Y};
    r.punkt2 = {hl, vl};
    r.punkt3 = {hm, -vm};
    return r;
}

int CPraesentation::LinienErstellen()
{
    if (m_nFehler != 0)
        return m_nFehler;
    if (!m_pTest || m_pTest->GetTestart() != TESTART_LINIEN)
        return FEHLER_ANGABEN;
    const CLinien l = m_pTest->GetLinien();
    if (l.m_nVerfahren < 10 || l.m_nVerfahren > 20)
        return FEHLER_ANGABEN;

    const double W = m_rcBildschirm.right - m_rcBildschirm.left;
    const double H = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const double th = Dicke(l.m_dHDicke, int(H));
    const double tv = Dicke(l.m_dVDicke, int(W));
    const bool bit1 = l.m_dwRichtungen & 1, bit2 = l.m_dwRichtungen & 2, bit4 = l.m_dwRichtungen & 4;

    CTestVorlage v;
    v.titel = "Test: Linienhalbierung";
    v.aufgabe = aufgabe::LINIEN; // line-bisection trials
    AngabenUebernehmen(v, l);
    v.durchsichtigkeit = m_pTest->GetHGMuster().m_nDurchsichtigkeit;
    v.markeBreite = tv;
    v.markeHoehe = th;
    // x, y, hl, vl, hm, vm
    v.faktoren = {{l.m_nHPositionStufen, l.m_dHPositionVon, l.m_dHPositionBis, bit1},
                  {l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis, !bit2},
                  {l.m_nHLaengeStufen, l.m_dHLaengeVon, l.m_dHLaengeBis, !bit4},
                  {l.m_nVLaengeStufen, l.m_dVLaengeVon, l.m_dVLaengeBis, !bit4},
                  {l.m_nHTrennStufen, l.m_dHTrennVon, l.m_dHTrennBis, bit1},
                  {l.m_nVTrennStufen, l.m_dVTrennVon, l.m_dVTrennBis, !bit2}};
    // Position, length, dividing mark.
    v.gruppen[0] = {0, 1};
    v.gruppen[1] = {2, 3};
    v.gruppen[2] = {4, 5};
    v.start = l.m_nStartDurchgang;
    v.startOhneVorzeichen = false;
    v.reiz = [W, H, th, tv](const std::vector<double>& f) {
        return LinienReiz(0.5 + f[0], 0.5 - f[1], f[2], f[3], f[4], f[5], th, tv, W, H);
    };
    return TestReizeErstellen(*this, v);
}
