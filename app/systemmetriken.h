#pragma once

#include <QRect>

// What the window sizes depend on of the platform: the work area (the screen
// without task bars) and the frame metrics. Injectable, so the size rules
// can be checked for any screen.
struct CSystemMetriken {
    bool m_bArbeitsbereich = true; // false: the platform knows no work area
    QRect m_arbeitsbereich{0, 0, 1024, 768};
    QRect m_bildschirm{0, 0, 1024, 768};
    int m_cxDlgFrame = 3;
    int m_cyDlgFrame = 3;
    int m_cyMenu = 19;
    int m_cyCaption = 19;
    int m_cxVScroll = 16;
    int m_cyHScroll = 16;
    int m_cxMinTrack = 112;
    int m_cyMinTrack = 27;

    // The metrics of the primary screen (or the ones a test installed).
    static CSystemMetriken Aktuell();
    // Installs fixed metrics; nullptr returns to the screen's.
    static void SetFuerTest(const CSystemMetriken* metriken);
};
