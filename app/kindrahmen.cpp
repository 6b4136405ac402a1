#include "app/kindrahmen.h"

#include <algorithm>
#include <cstdint>

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>

#include "app/befehle.h"
#include "app/lmtestdoc.h"
#include "app/lmtrainingdoc.h"
#include "app/mainfrm.h"
#include "app/systemmetriken.h"
#include "app/testansicht.h"
#include "app/trainingsansicht.h"

namespace {

// A 16 x 15 picture with a short sign, for buttons without one of their own.
QIcon Zeichenbild(const QString& zeichen, QColor farbe)
{
    QPixmap bild(16, 15);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    QFont f;
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, zeichen);
    return QIcon(bild);
}

QIcon Farbenbild()
{
    QPixmap bild(16, 15);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    const QColor farben[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(2 + (i % 2) * 6, 1 + (i / 2) * 6, 6, 6), farben[i]);
    return QIcon(bild);
}

QIcon Knopfbild(int id, int basis)
{
    const QColor blau(0, 0, 160);
    if (id >= basis && id <= basis + 9) {
        static const char* zeichen[] = {"A", "B", "<", ">", "X"};
        return Zeichenbild(zeichen[(id - basis) / 2], blau);
    }
    switch (id) {
    case ID_VG_TRAINING:
    case ID_VG_TEST: return Zeichenbild("V", blau);
    case ID_HG_AUFGABE: return Zeichenbild("H", blau);
    case ID_HG_MUSTER: return Zeichenbild("M", blau);
    case ID_HG_BEWEGUNG: return Zeichenbild("\u2194", blau);
    case ID_FARBEN: return Farbenbild();
    case ID_PRAESENTATION_TRAINING:
    case ID_PRAESENTATION_TEST: return Zeichenbild("\u25B6", QColor(0, 128, 0));
    default: return {};
    }
}

} // namespace

CMainFrame* HauptfensterFuer(const QWidget* w)
{
    const QWidget* fenster = w;
    while (fenster && !qobject_cast<const QMdiSubWindow*>(fenster))
        fenster = fenster->parentWidget();
    if (fenster) {
        const QMdiArea* mdi = static_cast<const QMdiSubWindow*>(fenster)->mdiArea();
        const QMdiSubWindow* aktiv = mdi ? mdi->activeSubWindow() : nullptr;
        if (aktiv && aktiv != fenster)
            return nullptr;
    }
    return w ? qobject_cast<CMainFrame*>(w->window()) : nullptr;
}

void SymbolleistePruefen(CMainFrame* haupt, int basis)
{
    if (!haupt)
        return;
    for (QAction* a : haupt->GetSymbolleiste()->actions()) {
        const int id = a->data().toInt();
        if (id == basis || id == basis + 1)
            return;
    }
    haupt->LadeSymbolleiste(basis == BERICHT_TRAINING ? IDR_TRAINING : IDR_TEST);
    for (QAction* a : haupt->GetSymbolleiste()->actions())
        if (a->icon().isNull() && !a->isSeparator())
            a->setIcon(Knopfbild(a->data().toInt(), basis));
}

void BerichtMenueSetzen(CMainFrame* haupt, int basis, const CBerichtStand& s)
{
    if (!haupt)
        return;
    const bool angaben = s.seite <= 1;
    if (QMenuBar* leiste = haupt->menuBar(); leiste->actions().size() > 4) {
        QAction* bericht = leiste->actions()[4];
        bericht->setEnabled(s.n >= 1);
        if (s.n >= 1 && bericht->menu()) {
            const QList<QAction*> eintrag = bericht->menu()->actions();
            auto setze = [&eintrag](int position, bool an) {
                if (position < eintrag.size())
                    eintrag[position]->setEnabled(an);
            };
            setze(7, true);
            setze(0, !angaben);
            setze(1, angaben);
            setze(3, !angaben && s.bericht > 1);
            setze(4, !angaben && s.bericht < s.n);
            setze(6, !angaben);
        }
        leiste->update();
    }

    QToolBar* symbolleiste = haupt->GetSymbolleiste();
    // Moves the button with one id to the other; nothing when none has it.
    auto knopf = [&](int nummer, bool an) {
        const int id = basis + 2 * nummer;
        const int von = an ? id + 1 : id;
        for (QAction* a : symbolleiste->actions())
            if (a->data().toInt() == von) {
                a->setData(an ? id : id + 1);
                break;
            }
    };
    if (angaben) {
        knopf(0, false);
        knopf(1, s.n >= 1);
        knopf(3, false);
        knopf(2, false);
        knopf(4, false);
    } else {
        knopf(0, true);
        knopf(1, false);
        knopf(3, s.bericht < s.n);
        knopf(2, s.bericht > 1);
        knopf(4, true);
    }
    // Only the even ids have a command behind them.
    for (QAction* a : symbolleiste->actions()) {
        const int id = a->data().toInt();
        if (id >= basis && id <= basis + 9)
            a->setEnabled(id % 2 == 0);
    }
}

// ---- Child frames ------------------------------------------------------------------

CKindRahmen::CKindRahmen(CLMDokument* dokument, CFormAnsicht* ansicht, int berichtBasis)
    : CDokumentFenster(dokument, ansicht), m_nBasis(berichtBasis)
{
}

QSize CKindRahmen::Fenstergroesse(const CSystemMetriken& m)
{
    uint16_t breite = 626;
    uint16_t hoehe = 486;
    const QSize bereich = m.m_bArbeitsbereich ? m.m_arbeitsbereich.size() : m.m_bildschirm.size();
    const int nutzbarBreite = std::max(0, bereich.width() - 4 * m.m_cyDlgFrame);
    const int nutzbarHoehe = std::max(0, bereich.height() - 2 * m.m_cxDlgFrame - 3 * m.m_cyMenu - 2 * m.m_cyDlgFrame -
                                             m.m_cyCaption);
    if (nutzbarHoehe < hoehe) {
        hoehe = static_cast<uint16_t>(std::max(nutzbarHoehe, m.m_cyMinTrack));
        if (nutzbarBreite > breite)
            breite = static_cast<uint16_t>(std::min(breite + m.m_cxVScroll, nutzbarBreite));
    }
    if (nutzbarBreite < breite) {
        breite = static_cast<uint16_t>(std::max(nutzbarBreite, m.m_cxMinTrack));
        if (nutzbarHoehe > hoehe)
            hoehe = static_cast<uint16_t>(std::min(hoehe + m.m_cyHScroll, nutzbarHoehe));
    }
    return QSize(breite, hoehe);
}

QSize CKindRahmen::ErsteGroesse() const { return Fenstergroesse(CSystemMetriken::Aktuell()); }

CMainFrame* CKindRahmen::Hauptfenster() const { return HauptfensterFuer(this); }

void CKindRahmen::OnSetFocus()
{
    SymbolleistePruefen(Hauptfenster(), m_nBasis);
    AktualisiereBerichtMenue();
}

void CKindRahmen::AktualisiereBerichtMenue() { BerichtMenueSetzen(Hauptfenster(), m_nBasis, Stand()); }

void CKindRahmen::showEvent(QShowEvent* e)
{
    if (!m_bVerbunden && mdiArea()) {
        // After the main frame's own handling, which may renew the menu.
        connect(mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* aktiv) {
            if (aktiv == this)
                OnSetFocus();
        });
        m_bVerbunden = true;
    }
    AktualisiereBerichtMenue();
    CDokumentFenster::showEvent(e);
}

void CKindRahmen::hideEvent(QHideEvent* e)
{
    AktualisiereBerichtMenue();
    CDokumentFenster::hideEvent(e);
}

CChildFrmTraining::CChildFrmTraining(CLMDokument* dokument, CFormAnsicht* ansicht)
    : CKindRahmen(dokument, ansicht, BERICHT_TRAINING)
{
}

CBerichtStand CChildFrmTraining::Stand() const
{
    auto* d = dynamic_cast<CLMTrainingDoc*>(GetDocument());
    if (!d)
        return {};
    CTraining& t = d->GetTraining();
    return {t.GetBerichtAnzahl(), t.m_nSeite, t.m_nBerichtNr};
}

CChildFrmTest::CChildFrmTest(CLMDokument* dokument, CFormAnsicht* ansicht)
    : CKindRahmen(dokument, ansicht, BERICHT_TEST)
{
}

CBerichtStand CChildFrmTest::Stand() const
{
    auto* d = dynamic_cast<CLMTestDoc*>(GetDocument());
    if (!d)
        return {};
    CTest& t = d->GetTest();
    return {t.GetBerichtAnzahl(), t.m_nSeite, t.m_nBerichtNr};
}

CDokumentFenster* NeuesTrainingsfenster(CLMDokument& dokument)
{
    return new CChildFrmTraining(&dokument, new CLMTrainingView(dynamic_cast<CLMTrainingDoc*>(&dokument)));
}

CDokumentFenster* NeuesTestfenster(CLMDokument& dokument)
{
    return new CChildFrmTest(&dokument, new CLMTestView(dynamic_cast<CLMTestDoc*>(&dokument)));
}
