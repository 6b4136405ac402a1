#include "app/fragedlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/lumetra_app.h"
#include "app/mainfrm.h"
#include "app/symbole.h"
#include "platform/qt/modal.h"

namespace {

// The template's layout, 274 x 90 dialog units, in pixels of the 8-point
// dialog font (1.5 px across, 1.625 px down per unit).
constexpr QSize kGroesse(411, 146);
const QRect kJa(330, 117, 75, 23);
const QRect kNein(240, 117, 75, 23);
const QRect kSymbol(8, 11, 32, 32);
const QRect kText(QPoint(60, 8), QPoint(404, 105));

QWidget* Elternfenster(QWidget* eltern)
{
    if (eltern)
        return eltern;
    CLumetraApp* app = GetLumetraApp();
    return app ? app->GetMainWnd() : nullptr;
}

} // namespace

CHinweisDlg::CHinweisDlg(QWidget* eltern) : CHinweisDlg(eltern, false) {}

CHinweisDlg::CHinweisDlg(QWidget* eltern, bool frage) : QDialog(Elternfenster(eltern))
{
    setObjectName(frage ? "fragebox" : "hinweisbox");
    setWindowTitle("Lumetra");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kGroesse);

    auto* symbol = new QLabel(this);
    symbol->setGeometry(kSymbol);
    symbol->setPixmap(ProgrammSymbol().pixmap(32, 32));

    auto* ja = new QPushButton("&Ja", this);
    ja->setObjectName("ja");
    ja->setGeometry(kJa);
    ja->setDefault(true);
    ja->setAutoDefault(true);
    connect(ja, &QPushButton::clicked, this, [this] { done(1); });
    if (frage) {
        auto* nein = new QPushButton("&Nein", this);
        nein->setObjectName("nein");
        nein->setGeometry(kNein);
        nein->setAutoDefault(false);
        connect(nein, &QPushButton::clicked, this, [this] { done(2); });
    }
}

void CHinweisDlg::OnInitDialog()
{
    if (!m_pSchrift) {
        if (CLumetraApp* app = GetLumetraApp()) {
            m_schrift = app->GetDialogSchrift();
            m_pSchrift = &m_schrift;
        }
    }
    if (!m_label) {
        m_label = new QLabel(this);
        m_label->setObjectName("text");
        m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_label->setWordWrap(true);
        m_label->setGeometry(kText);
    }
    m_label->setText(QString::fromStdString(m_strText));
    if (m_pSchrift)
        m_label->setFont(*m_pSchrift);
    if (auto* ja = findChild<QPushButton*>("ja"))
        ja->setFocus();
    update();
}

void CHinweisDlg::keyPressEvent(QKeyEvent* ereignis)
{
    // The letters of the buttons answer without Alt, as in every box of
    // this kind; Alt with the letter is the buttons' own shortcut.
    const bool ohne = !(ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (ohne && ereignis->key() == Qt::Key_J) {
        done(1);
        return;
    }
    if (ohne && ereignis->key() == Qt::Key_N && findChild<QPushButton*>("nein")) {
        done(2);
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

int CHinweisDlg::DoModal()
{
    OnInitDialog();
    return ModalAusfuehren(*this);
}
