#include "app/systemmetriken.h"

#include <optional>

#include <QGuiApplication>
#include <QScreen>

namespace {
std::optional<CSystemMetriken> g_test;
}

CSystemMetriken CSystemMetriken::Aktuell()
{
    if (g_test)
        return *g_test;
    CSystemMetriken m;
    if (QScreen* schirm = QGuiApplication::primaryScreen()) {
        m.m_bildschirm = schirm->geometry();
        m.m_arbeitsbereich = schirm->availableGeometry();
        m.m_bArbeitsbereich = !m.m_arbeitsbereich.isEmpty();
    } else {
        m.m_bArbeitsbereich = false;
    }
    return m;
}

void CSystemMetriken::SetFuerTest(const CSystemMetriken* metriken)
{
    if (metriken)
        g_test = *metriken;
    else
        g_test.reset();
}
