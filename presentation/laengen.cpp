// The length-estimation test: an example bar and a test bar mirrored on the
// other side of the display. Nothing is drawn into a foreground surface;
// the frame loop fills the report's rectangles.

#include "presentation/praesentation.h"

#include "model/test.h"
#include "presentation/ablaufbits.h"
#include "presentation/testreize.h"

int CPraesentation::LaengenErstellen()
{
    if (m_nFehler != 0)
        return m_nFehler;
    if (!m_pTest || m_pTest->GetTestart() != TESTART_LAENGEN)
        return FEHLER_ANGABEN;
    const CLaengen l = m_pTest->GetLaengen();
    if (l.m_nVerfahren < 10 || l.m_nVerfahren > 20)
        return FEHLER_ANGABEN;

    const double W = m_rcBildschirm.right - m_rcBildschirm.left;
    const double H = m_rcBildschirm.bottom - m_rcBildschirm.top;
    const bool bit1 = l.m_nRichtungen & 1, bit2 = l.m_nRichtungen & 2, bit4 = l.m_nRichtungen & 4;

    CTestVorlage v;
    v.titel = "Test: Längenschätzung";
    v.aufgabe = aufgabe::LAENGEN; // length-estimation trials
    AngabenUebernehmen(v, l);
    v.durchsichtigkeit = m_pTest->GetHGMuster().m_nDurchsichtigkeit;
    // x, y, y2, ew, eh, tw, hr
    v.faktoren = {{l.m_nTestPositionStufen, l.m_dTestPositionVon, l.m_dTestPositionBis, bit1},
                  {l.m_nVPositionStufen, l.m_dVPositionVon, l.m_dVPositionBis, !bit2},
                  {l.m_nBspVPositionStufen, l.m_dBspVPositionVon, l.m_dBspVPositionBis, !bit2},
                  {l.m_nBspBreiteStufen, l.m_dBspBreiteVon, l.m_dBspBreiteBis, !bit4},
                  {l.m_nBspHoeheStufen, l.m_dBspHoeheVon, l.m_dBspHoeheBis, !bit4},
                  {l.m_nTestBreiteStufen, l.m_dTestBreiteVon, l.m_dTestBreiteBis, bit1},
                  {l.m_nTestHoeheStufen, l.m_dTestHoeheVon, l.m_dTestHoeheBis, bit2}};
    // Position, test stimulus, example.
    v.gruppen[0] = {0, 1, 2};
    v.gruppen[1] = {5, 6};
    v.gruppen[2] = {3, 4};
    v.start = l.m_uStartDurchgang;
    v.startOhneVorzeichen = true;
    v.reiz = [W, H](const std::vector<double>& f) {
        const double X = 0.5 + f[0], Y = 0.5 - f[1], Y2 = 0.5 - f[2];
        const double ew = f[3], eh = f[4], tw = f[5], hr = f[6];
        // The example stands mirrored on the other side of the centre.
        const double bx = 1.0 - X;
        auto rechteck = [W, H](double x, double y, double breite, double hoehe) {
            return RECT{PixelRunden((x - breite / 2) * W), PixelRunden((y - hoehe / 2) * H),
                        PixelRunden((x + breite / 2) * W), PixelRunden((y + hoehe / 2) * H)};
        };
        CTestReiz r;
        r.rcReiz1 = rechteck(bx, Y2, ew, eh);
        r.rcReiz2 = rechteck(X, Y, tw * ew, hr * eh);
        // Room for either bar at the largest ratio the adjustment allows.
        r.rcRaum2 = rechteck(bx, Y2, 1.5 * ew, 1.5 * eh);
        r.rcRaum3 = rechteck(X, Y, 1.5 * ew, 1.5 * eh);
        r.punkt1 = {X, Y};
        r.punkt2 = {ew, eh};
        r.punkt3 = {tw, hr};
        return r;
    };
    return TestReizeErstellen(*this, v);
}
