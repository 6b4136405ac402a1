#include "dialogs/blatt.h"

#include <algorithm>

#include <QPushButton>
#include <QTabWidget>

#include "dialogs/seite.h"
#include "platform/meldung.h"
#include "platform/qt/modal.h"

namespace {

// Margins and buttons of a sheet, in pixels of its 8-point font: 7 dialog
// units around, buttons 50 x 14 units, 4 units apart.
const int kRand = DluInPixelX(7);
const int kKnopfBreite = DluInPixelX(50);
const int kKnopfHoehe = DluInPixelY(14);
const int kKnopfAbstand = DluInPixelX(4);

} // namespace

CBlatt::CBlatt(const QString& titel, QWidget* eltern, int startseite) : QDialog(eltern), m_nStartseite(startseite)
{
    setObjectName("blatt");
    setWindowTitle(titel);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_pReiter = new QTabWidget(this);
    m_pReiter->setObjectName("reiter");
    m_pOk = new QPushButton("OK", this);
    m_pOk->setObjectName("ok");
    m_pOk->setDefault(true);
    m_pAbbrechen = new QPushButton("Abbrechen", this);
    m_pAbbrechen->setObjectName("abbrechen");
    m_pAbbrechen->setAutoDefault(false);
    connect(m_pOk, &QPushButton::clicked, this, &CBlatt::accept);
    connect(m_pAbbrechen, &QPushButton::clicked, this, &CBlatt::reject);
}

CBlatt::~CBlatt() = default;

void CBlatt::AddPage(CSeite& seite)
{
    // Tabs and buttons in the pages' font, as the templates have them.
    if (const QFont* schrift = seite.GetSchrift())
        setFont(*schrift);
    m_pReiter->addTab(&seite, seite.GetTitel());
    Anordnen();
}

int CBlatt::GetSeitenAnzahl() const { return m_pReiter->count(); }

CSeite* CBlatt::GetSeite(int index) const { return static_cast<CSeite*>(m_pReiter->widget(index)); }

CSeite* CBlatt::GetAktiveSeite() const { return static_cast<CSeite*>(m_pReiter->currentWidget()); }

void CBlatt::Anordnen()
{
    const QSize reiter = m_pReiter->sizeHint();
    m_pReiter->setGeometry(kRand, kRand, reiter.width(), reiter.height());
    const int y = kRand + reiter.height() + kRand;
    const int rechts = kRand + reiter.width();
    m_pAbbrechen->setGeometry(rechts - kKnopfBreite, y, kKnopfBreite, kKnopfHoehe);
    m_pOk->setGeometry(rechts - 2 * kKnopfBreite - kKnopfAbstand, y, kKnopfBreite, kKnopfHoehe);
    setFixedSize(rechts + kRand, y + kKnopfHoehe + kRand);
}

int CBlatt::DoModal()
{
    if (GetSeitenAnzahl() > 0)
        m_pReiter->setCurrentIndex(std::clamp(m_nStartseite, 0, GetSeitenAnzahl() - 1));
    const int antwort = ModalAusfuehren(*this);
    return antwort == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CBlatt::accept()
{
    if (auto* feld = dynamic_cast<CFeld*>(focusWidget()))
        feld->Uebernehmen();
    QDialog::accept();
}
