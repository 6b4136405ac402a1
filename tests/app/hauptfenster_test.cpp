// Main frame: first size, the open shortcut.
#include "app_umgebung.h"

#include <QTest>

#include "app/befehle.h"

TEST(Hauptfenster, ErsteGroesseAusArbeitsbereich)
{
    struct Fall {
        QRect bildschirm, arbeitsbereich;
        bool mitArbeitsbereich;
        int rahmen, titel;
        QRect erwartet;
    };
    const Fall faelle[] = {
        {{0, 0, 800, 600}, {0, 0, 800, 600}, true, 3, 19, {0, 0, 800, 600}},
        {{0, 0, 1280, 1024}, {0, 0, 1280, 1024}, true, 3, 19, {240, 128, 800, 768}},
        // Without a work area the whole screen counts.
        {{0, 0, 640, 480}, {100, 100, 10, 10}, false, 3, 19, {0, 0, 640, 480}},
        // A work area that does not start at the origin centres inside it.
        {{0, 0, 1024, 768}, {0, 30, 1024, 738}, true, 3, 19, {112, 30, 800, 738}},
        // Large frames widen the window so the client keeps its minimum:
        // client width 800 - 200 = 600, 26 wider.
        {{0, 0, 1600, 1200}, {0, 0, 1600, 1200}, true, 50, 100, {387, 216, 826, 768}},
    };
    for (const Fall& f : faelle) {
        CSystemMetriken m;
        m.m_bildschirm = f.bildschirm;
        m.m_arbeitsbereich = f.arbeitsbereich;
        m.m_bArbeitsbereich = f.mitArbeitsbereich;
        m.m_cyDlgFrame = f.rahmen;
        m.m_cyCaption = f.titel;
        EXPECT_EQ(CMainFrame::ErsteGeometrie(m), f.erwartet) << f.bildschirm.width() << "x" << f.bildschirm.height();
    }
}

// Ctrl+D, which the menu names, and Ctrl+O open.
TEST_F(AppTest, StrgDUndStrgOOeffnen)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    QWidget* haupt = app.GetMainWnd();
    haupt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));
    for (Qt::Key taste : {Qt::Key_D, Qt::Key_O})
        QTest::keyClick(haupt, taste, Qt::ControlModifier);
    EXPECT_EQ(m_laeufer->m_dialoge, (std::vector<std::string>{"oeffnendialog", "oeffnendialog"}));
}
