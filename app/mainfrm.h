#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QStatusBar>

#include "app/systemmetriken.h"

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
struct CMenueEintrag;

// Status bar of the main window: the message pane and the two file-name
// panes at fixed places from the right edge.
class CStatusLeiste : public QStatusBar {
    Q_OBJECT
public:
    explicit CStatusLeiste(QWidget* eltern);
    void SetzeText(int teil, const QString& text);
    QString GetText(int teil) const;
    QRect GetTeilRechteck(int teil) const;
    // Right edges of the three panes for a client width.
    static std::vector<int> TeilGrenzen(int breite);

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    void paintEvent(QPaintEvent*) override {}

private:
    QLabel* m_teil[3];
    void Anordnen();
    void Einpassen(int teil);
};

// The program's one top-level window: an MDI area for the document windows,
// one tool bar and the status bar.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(const CSystemMetriken& metriken = CSystemMetriken::Aktuell());
    ~CMainFrame() override;

    // The first window rectangle for a work area and frame metrics.
    static QRect ErsteGeometrie(const CSystemMetriken& metriken);

    QMdiArea* GetMdiArea() const { return m_mdi; }
    CStatusLeiste* GetStatusLeiste() const { return m_status; }
    QToolBar* GetSymbolleiste() const { return m_symbolleiste; }

    // Loads a tool-bar resource into the one tool bar and shows it.
    void LadeSymbolleiste(int ressource);
    int GetSymbolleistenRessource() const { return m_nSymbolleiste; }
    // Puts the tool bar without a document back when no document window is active.
    void SetzeSymbolleisteZurueck();
    // Shows the menu of a resource (main window or a document type).
    void SetzeMenue(int ressource);
    int GetMenueRessource() const { return m_nMenue; }

    // Command routing: the active document window first, then the application.
    void Befehl(int id);
    void SetAnwendungsBefehle(std::function<bool(int)> ziel) { m_anwendung = std::move(ziel); }
    // Asked before the window closes; false keeps it open.
    void SetSchliessenPruefung(std::function<bool()> pruefung) { m_schliessen = std::move(pruefung); }

    // The recent files shown in place of "Letzte Datei".
    void SetzeDateiliste(const std::vector<std::string>& dateien);
    // "Lumetra", with " - " and the active document's title while there is
    // one, in brackets while its window is maximised.
    void AktualisiereTitel();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    QMdiArea* m_mdi;
    CStatusLeiste* m_status;
    QToolBar* m_symbolleiste;
    int m_nSymbolleiste = 0;
    int m_nMenue = 0;
    std::vector<std::string> m_dateiliste;
    std::function<bool(int)> m_anwendung;
    std::function<bool()> m_schliessen;

    void ErzeugeBeschleuniger();
    void FuelleMenue(QMenu* menue, const std::vector<CMenueEintrag>& eintraege);
    void FuelleFensterliste(QMenu* menue);
    QAction* BefehlsAktion(const QString& text, int id, QObject* eltern);
    void AktivesFensterGewechselt();
};
