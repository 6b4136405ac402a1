// Main frame: first size, status bar panes, tool bar and menus.
#include "app_umgebung.h"

#include <QMenuBar>
#include <QToolBar>

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

TEST_F(AppTest, HauptfensterAufKleinemArbeitsbereich)
{
    CSystemMetriken m = Metriken(800, 600);
    CSystemMetriken::SetFuerTest(&m);
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    EXPECT_EQ(app.GetMainWnd()->pos(), QPoint(0, 0));
    EXPECT_EQ(app.GetMainWnd()->size(), QSize(800, 600));
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

TEST_F(AppTest, MenueUndSymbolleisteOhneDokument)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    CMainFrame* haupt = app.GetMainWnd();

    QMenu* datei = haupt->menuBar()->actions()[0]->menu();
    QStringList punkte;
    for (QAction* a : datei->actions())
        punkte << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(punkte, QStringList({"Neu\tStrg+N", "&Datei öffnen\tStrg+D", "-", "Umgebung öffnen", "Umgebung speichern",
                                   "Umgebung speichern unter", "-", "Drucker&einrichtung", "-", "Letzte Datei", "-",
                                   "&Beenden"}));

    std::vector<int> knoepfe;
    for (QAction* a : haupt->GetSymbolleiste()->actions())
        knoepfe.push_back(a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(knoepfe, (std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, 0, ID_ANORDNUNG, 0, ID_PROGRAMMBESCHREIBUNG}));

    // Ctrl+O opens although the menu text names Strg+D.
    auto* oeffnen = haupt->findChild<QAction*>(QString("taste_%1").arg(ID_FILE_OPEN));
    ASSERT_NE(oeffnen, nullptr);
    EXPECT_EQ(oeffnen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    oeffnen->trigger();
    EXPECT_EQ(m_laeufer->m_dialoge, std::vector<std::string>{"oeffnendialog"});
}
