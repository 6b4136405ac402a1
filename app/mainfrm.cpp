#include "app/mainfrm.h"

#include <algorithm>
#include <cstdint>

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

#include "app/befehle.h"
#include "app/dokument.h"
#include "app/menues.h"
#include "app/symbole.h"
#include "dialogs/steuerflaeche.h"

// ---- CStatusLeiste

CStatusLeiste::CStatusLeiste(QWidget* eltern) : QStatusBar(eltern)
{
    setObjectName("statusleiste");
    setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        m_teil[i] = new QLabel(this);
        m_teil[i]->setObjectName(QString("statusteil%1").arg(i));
        if (i > 0)
            m_teil[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    m_teil[0]->setText("Bereit");
    // The message pane shows a command's prompt while it is pointed at.
    connect(this, &QStatusBar::messageChanged, this,
            [this](const QString& text) { SetzeText(0, text.isEmpty() ? QString("Bereit") : text); });
}

std::vector<int> CStatusLeiste::TeilGrenzen(int breite) { return {breite - 220, breite - 120, breite - 20}; }

void CStatusLeiste::SetzeText(int teil, const QString& text)
{
    if (teil < 0 || teil >= 3)
        return;
    m_teil[teil]->setText(text);
    Einpassen(teil);
}

void CStatusLeiste::Einpassen(int teil)
{
    // The panes are narrow for file names: the text is narrowed as far as
    // the pages' texts are before it is cut.
    TextEinpassen(m_teil[teil], font());
}

QString CStatusLeiste::GetText(int teil) const { return teil >= 0 && teil < 3 ? m_teil[teil]->text() : QString(); }

QRect CStatusLeiste::GetTeilRechteck(int teil) const
{
    return teil >= 0 && teil < 3 ? m_teil[teil]->geometry() : QRect();
}

void CStatusLeiste::resizeEvent(QResizeEvent* ereignis)
{
    QStatusBar::resizeEvent(ereignis);
    Anordnen();
}

void CStatusLeiste::Anordnen()
{
    std::vector<int> grenzen = TeilGrenzen(width());
    int links = 0;
    for (int i = 0; i < 3; ++i) {
        int rechts = std::max(links, grenzen[static_cast<size_t>(i)]);
        m_teil[i]->setGeometry(links, 2, rechts - links, std::max(0, height() - 4));
        Einpassen(i);
        links = rechts;
    }
}

// ---- CMainFrame

namespace {

constexpr int kMinClientBreite = 626;
constexpr int kMinClientHoehe = 486;

CDokumentFenster* AktivesDokumentFenster(QMdiArea* mdi)
{
    return qobject_cast<CDokumentFenster*>(mdi->activeSubWindow());
}

} // namespace

QRect CMainFrame::ErsteGeometrie(const CSystemMetriken& m)
{
    uint16_t breite = 800;
    uint16_t hoehe = 768;
    const QRect bereich = m.m_bArbeitsbereich ? m.m_arbeitsbereich
                                              : QRect(0, 0, m.m_bildschirm.width(), m.m_bildschirm.height());

    int clientBreite = breite - 4 * m.m_cyDlgFrame;
    int clientHoehe = hoehe - 2 * m.m_cxDlgFrame - 3 * m.m_cyMenu - 2 * m.m_cyDlgFrame - m.m_cyCaption;
    if (clientBreite < kMinClientBreite)
        breite = static_cast<uint16_t>(breite + kMinClientBreite - clientBreite);
    if (clientHoehe < kMinClientHoehe)
        hoehe = static_cast<uint16_t>(hoehe + kMinClientHoehe - clientHoehe);

    if (breite > bereich.width())
        breite = static_cast<uint16_t>(std::max(0, bereich.width()));
    if (hoehe > bereich.height())
        hoehe = static_cast<uint16_t>(std::max(0, bereich.height()));

    const int x = bereich.left() + (bereich.width() - breite) / 2;
    const int y = bereich.top() + (bereich.height() - hoehe) / 2;
    return QRect(x, y, breite, hoehe);
}

CMainFrame::CMainFrame(const CSystemMetriken& metriken)
{
    setObjectName("hauptfenster");
    setWindowTitle("Lumetra");
    setWindowIcon(ProgrammSymbol());

    const QRect erste = ErsteGeometrie(metriken);
    move(erste.topLeft());
    resize(erste.size());

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName("mdi");
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { AktivesFensterGewechselt(); });

    m_symbolleiste = new QToolBar("Symbolleiste", this);
    m_symbolleiste->setObjectName("symbolleiste");
    m_symbolleiste->setIconSize(QSize(16, 15));
    m_symbolleiste->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_symbolleiste);
    LadeSymbolleiste(IDR_MAINFRAME);

    m_status = new CStatusLeiste(this);
    setStatusBar(m_status);

    SetzeMenue(IDR_MAINFRAME);
    ErzeugeBeschleuniger();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::BefehlsAktion(const QString& text, int id, QObject* eltern)
{
    auto* aktion = new QAction(text, eltern);
    aktion->setObjectName(QString("befehl_%1").arg(id));
    aktion->setData(id);
    const QString hinweis = QString::fromStdString(BefehlsHinweis(id));
    if (!hinweis.isEmpty()) {
        aktion->setStatusTip(hinweis.section('\n', 0, 0));
        aktion->setToolTip(hinweis.section('\n', 1));
    }
    // The report buttons change their id while they live.
    connect(aktion, &QAction::triggered, this, [this, aktion] { Befehl(aktion->data().toInt()); });
    return aktion;
}

void CMainFrame::ErzeugeBeschleuniger()
{
    // The menu names Strg+D for opening; Ctrl+O, the usual key, opens as
    // well. Undo, cut, copy, paste and the pane keys have no command here
    // and are left to the controls.
    const std::pair<QList<QKeySequence>, int> tasten[] = {
        {{QKeySequence(Qt::CTRL | Qt::Key_N)}, ID_FILE_NEW},
        {{QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::CTRL | Qt::Key_O)}, ID_FILE_OPEN},
        {{QKeySequence(Qt::CTRL | Qt::Key_S)}, ID_FILE_SAVE},
        {{QKeySequence(Qt::CTRL | Qt::Key_P)}, ID_FILE_PRINT},
    };
    for (const auto& [taste, id] : tasten) {
        QAction* aktion = BefehlsAktion(QString(), id, this);
        aktion->setObjectName(QString("taste_%1").arg(id));
        aktion->setShortcuts(taste);
        aktion->setShortcutContext(Qt::WindowShortcut);
        addAction(aktion);
    }
}

void CMainFrame::LadeSymbolleiste(int ressource)
{
    m_symbolleiste->clear();
    for (int id : SymbolleistenRessource(ressource)) {
        if (id == 0) {
            m_symbolleiste->addSeparator();
            continue;
        }
        QAction* aktion = BefehlsAktion(QString(), id, m_symbolleiste);
        aktion->setIcon(BefehlsSymbol(id));
        m_symbolleiste->addAction(aktion);
    }
    m_nSymbolleiste = ressource;
    m_symbolleiste->show();
}

void CMainFrame::SetzeSymbolleisteZurueck()
{
    if (AktivesDokumentFenster(m_mdi))
        return;
    LadeSymbolleiste(IDR_MAINFRAME);
}

void CMainFrame::SetzeMenue(int ressource)
{
    QMenuBar* leiste = menuBar();
    // clear() takes the menus off the bar but leaves them its children: each
    // window brought to the front and each change of the recent files would
    // keep another set. Deleted later, as the rebuild may come from one of
    // their own actions.
    for (QAction* a : leiste->actions())
        if (QMenu* alt = a->menu())
            alt->deleteLater();
    leiste->clear();
    for (const CMenueEintrag& e : MenueRessource(ressource)) {
        if (e.m_unter.empty()) {
            // A command right on the menu bar.
            leiste->addAction(BefehlsAktion(QString::fromStdString(e.m_text), e.m_id, leiste));
            continue;
        }
        QMenu* menue = leiste->addMenu(QString::fromStdString(e.m_text));
        FuelleMenue(menue, e.m_unter);
        if (e.m_text == "&Fenster") {
            menue->setObjectName("fenstermenue");
            connect(menue, &QMenu::aboutToShow, this, [this, menue] { FuelleFensterliste(menue); });
        }
    }
    m_nMenue = ressource;
    if (CDokumentFenster* fenster = AktivesDokumentFenster(m_mdi))
        fenster->MenueErneuert();
}

void CMainFrame::FuelleMenue(QMenu* menue, const std::vector<CMenueEintrag>& eintraege)
{
    for (const CMenueEintrag& e : eintraege) {
        if (!e.m_unter.empty()) {
            FuelleMenue(menue->addMenu(QString::fromStdString(e.m_text)), e.m_unter);
        } else if (e.m_text.empty()) {
            menue->addSeparator();
        } else if (e.m_id == ID_FILE_MRU_FILE1) {
            if (m_dateiliste.empty()) {
                QAction* platz = BefehlsAktion(QString::fromStdString(e.m_text), e.m_id, menue);
                platz->setEnabled(false);
                menue->addAction(platz);
            }
            for (size_t i = 0; i < m_dateiliste.size(); ++i) {
                const QString text = QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(m_dateiliste[i]));
                menue->addAction(BefehlsAktion(text, ID_FILE_MRU_FILE1 + static_cast<int>(i), menue));
            }
        } else {
            menue->addAction(BefehlsAktion(QString::fromStdString(e.m_text), e.m_id, menue));
        }
    }
}

void CMainFrame::FuelleFensterliste(QMenu* menue)
{
    for (QAction* a : menue->actions())
        if (a->property("fensterliste").toBool())
            delete a;
    const QList<QMdiSubWindow*> fenster = m_mdi->subWindowList();
    if (fenster.isEmpty())
        return;
    QAction* trenner = menue->addSeparator();
    trenner->setProperty("fensterliste", true);
    for (int i = 0; i < fenster.size(); ++i) {
        QMdiSubWindow* f = fenster[i];
        QAction* a = menue->addAction(QString("&%1 %2").arg(i + 1).arg(f->windowTitle()));
        a->setProperty("fensterliste", true);
        a->setCheckable(true);
        a->setChecked(f == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, f] { m_mdi->setActiveSubWindow(f); });
    }
}

void CMainFrame::Befehl(int id)
{
    if (CDokumentFenster* fenster = AktivesDokumentFenster(m_mdi)) {
        if (fenster->GetAnsicht() && fenster->GetAnsicht()->Befehl(id))
            return;
        if (CLMDokument* dokument = fenster->GetDocument(); dokument && dokument->Befehl(id))
            return;
    }
    switch (id) {
    case ID_WINDOW_CASCADE: m_mdi->cascadeSubWindows(); return;
    case ID_WINDOW_TILE_HORZ: m_mdi->tileSubWindows(); return;
    case ID_WINDOW_ARRANGE: return; // the MDI area keeps minimised windows in a row itself
    default: break;
    }
    if (m_anwendung)
        m_anwendung(id);
}

void CMainFrame::SetzeDateiliste(const std::vector<std::string>& dateien)
{
    m_dateiliste = dateien;
    SetzeMenue(m_nMenue);
}

void CMainFrame::AktualisiereTitel()
{
    // A maximised window shows its title in brackets, as the MDI area adds
    // it; given whole, the area finds it there and adds it no second time.
    QString titel = "Lumetra";
    if (CDokumentFenster* fenster = AktivesDokumentFenster(m_mdi); fenster && fenster->GetDocument()) {
        const QString dokument = QString::fromStdString(fenster->GetDocument()->GetTitle());
        titel += fenster->isMaximized() ? " - [" + dokument + "]" : " - " + dokument;
    }
    if (windowTitle() != titel)
        setWindowTitle(titel);
}

void CMainFrame::changeEvent(QEvent* ereignis)
{
    QMainWindow::changeEvent(ereignis);
    // The MDI area writes its own title on maximising and restoring; ours
    // follows once it is done.
    if (ereignis->type() == QEvent::WindowTitleChange)
        QMetaObject::invokeMethod(this, &CMainFrame::AktualisiereTitel, Qt::QueuedConnection);
}

void CMainFrame::AktivesFensterGewechselt()
{
    CDokumentFenster* fenster = AktivesDokumentFenster(m_mdi);
    int menue = IDR_MAINFRAME;
    if (fenster && fenster->GetDocument())
        menue = fenster->GetDocument()->GetDocTemplate()->GetRessource();
    else if (!m_mdi->subWindowList().isEmpty())
        menue = m_nMenue; // a window without document keeps the last menu
    if (menue != m_nMenue)
        SetzeMenue(menue);
    AktualisiereTitel();
}

void CMainFrame::closeEvent(QCloseEvent* ereignis)
{
    if (m_schliessen && !m_schliessen()) {
        ereignis->ignore();
        return;
    }
    QMainWindow::closeEvent(ereignis);
}
