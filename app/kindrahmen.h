#pragma once

#include <QSize>

#include "app/dokument.h"

class CMainFrame;
struct CSystemMetriken;

// What the report menu and the report buttons follow: the number of
// reports, the page shown (1 settings, k + 1 report k) and the current report.
struct CBerichtStand {
    int n = 0;
    int seite = 1;
    int bericht = 0;
};

// Ids of a document type's report commands: the settings page, the reports,
// previous, next and delete are ids + 0, 2, 4, 6, 8; a button carries the
// odd id (+ 1) while it is disabled.
enum : int { BERICHT_TRAINING = 32850, BERICHT_TEST = 32862 };

// The main frame of a document window or of a widget inside one, while
// that window speaks for the main window's menu and tool bar: it is the
// active document window, or none is active. Null otherwise, so that a
// window hidden or closed behind the active one leaves them alone.
CMainFrame* HauptfensterFuer(const QWidget* w);

// Loads the document type's tool bar into the main frame unless it holds
// it already.
void SymbolleistePruefen(CMainFrame* haupt, int berichtBasis);
// The rule set: the "&Bericht" menu (position 4 of the menu bar) by
// position and the five report buttons from the report stand.
void BerichtMenueSetzen(CMainFrame* haupt, int berichtBasis, const CBerichtStand& stand);

// A document window of a training or a test: opens at the size that the
// screen leaves, and brings the main window's tool bar and report menu in
// step with its document whenever it is activated, shown or hidden.
class CKindRahmen : public CDokumentFenster {
    Q_OBJECT
public:
    CKindRahmen(CLMDokument* dokument, CFormAnsicht* ansicht, int berichtBasis);

    // Width and height of a new document window for the screen's metrics.
    static QSize Fenstergroesse(const CSystemMetriken& metriken);
    QSize ErsteGroesse() const override;

    void OnSetFocus();
    void AktualisiereBerichtMenue();
    void MenueErneuert() override { AktualisiereBerichtMenue(); }

protected:
    virtual CBerichtStand Stand() const = 0;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    CMainFrame* Hauptfenster() const;
    int m_nBasis;
    bool m_bVerbunden = false;
};

class CChildFrmTraining : public CKindRahmen {
    Q_OBJECT
public:
    CChildFrmTraining(CLMDokument* dokument, CFormAnsicht* ansicht);

protected:
    CBerichtStand Stand() const override;
};

class CChildFrmTest : public CKindRahmen {
    Q_OBJECT
public:
    CChildFrmTest(CLMDokument* dokument, CFormAnsicht* ansicht);

protected:
    CBerichtStand Stand() const override;
};

// The window of a training document with its view, and of a test document.
CDokumentFenster* NeuesTrainingsfenster(CLMDokument& dokument);
CDokumentFenster* NeuesTestfenster(CLMDokument& dokument);
