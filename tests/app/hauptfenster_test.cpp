// Main frame: first size, status bar panes, the open shortcut.
#include "app_umgebung.h"

#include <QAction>

#include "app/befehle.h"

namespace {

CSystemMetriken Metriken(int breite, int hoehe)
{
    CSystemMetriken m;
    m.m_arbeitsbereich = QRect(0, 0, breite, hoehe);
    m.m_bildschirm = m.m_arbeitsbereich;
    return m;
}

} // namespace

TEST(Hauptfenster, ErsteGroesseAusArbeitsbereich)
{
    EXPECT_EQ(CMainFrame::ErsteGeometrie(Metriken(800, 600)), QRect(0, 0, 800, 600));
    EXPECT_EQ(CMainFrame::ErsteGeometrie(Metriken(1280, 1024)), QRect(240, 128, 800, 768));

    // Without a work area the whole screen counts.
    CSystemMetriken ohne = Metriken(640, 480);
    ohne.m_bArbeitsbereich = false;
    ohne.m_arbeitsbereich = QRect(100, 100, 10, 10);
    EXPECT_EQ(CMainFrame::ErsteGeometrie(ohne), QRect(0, 0, 640, 480));

    // A work area that does not start at the origin centres inside it.
    CSystemMetriken versetzt = Metriken(1024, 768);
    versetzt.m_arbeitsbereich = QRect(0, 30, 1024, 738);
    EXPECT_EQ(CMainFrame::ErsteGeometrie(versetzt), QRect(112, 30, 800, 738));

    // Large frames widen the window so the client keeps its minimum.
    CSystemMetriken dick = Metriken(1600, 1200);
    dick.m_cyDlgFrame = 50;
    dick.m_cyCaption = 100;
    // client width 800 - 200 = 600: 26 wider; client height 768 - 6 - 57 - 100 - 100 = 505.
    EXPECT_EQ(CMainFrame::ErsteGeometrie(dick), QRect(387, 216, 826, 768));
}

TEST_F(AppTest, StatusleisteTeilt900Pixel)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    app.GetMainWnd()->resize(900, 600);
    CStatusLeiste* status = app.GetMainWnd()->GetStatusLeiste();
    ASSERT_EQ(status->width(), 900);
    EXPECT_EQ(status->GetTeilRechteck(0).right() + 1, 680);
    EXPECT_EQ(status->GetTeilRechteck(1).right() + 1, 780);
    EXPECT_EQ(status->GetTeilRechteck(2).right() + 1, 880);
    EXPECT_EQ(status->GetTeilRechteck(1).width(), 100);
}

// Ctrl+O opens although the menu text names Strg+D.
TEST_F(AppTest, StrgOOeffnetTrotzStrgDImMenue)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    auto* oeffnen = app.GetMainWnd()->findChild<QAction*>(QString("taste_%1").arg(ID_FILE_OPEN));
    ASSERT_NE(oeffnen, nullptr);
    EXPECT_EQ(oeffnen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    oeffnen->trigger();
    EXPECT_EQ(m_laeufer->m_dialoge, std::vector<std::string>{"oeffnendialog"});
}
