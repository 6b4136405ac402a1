#include "dialogs/rasterdialog.h"

#include <cmath>

#include <QPushButton>

#include "platform/meldung.h"
#include "platform/qt/modal.h"

CRasterDialog::CRasterDialog(int vorlage, const char* titel, QSize einheiten, QPoint ok, QPoint abbrechen,
                             QWidget* eltern)
    : CRasterDialog(vorlage, titel, Einheiten(0, 0, einheiten.width(), einheiten.height()).size(),
                    Einheiten(ok.x(), ok.y(), 50, 14), Einheiten(abbrechen.x(), abbrechen.y(), 50, 14), eltern)
{
}

CRasterDialog::CRasterDialog(int vorlage, const char* titel, QSize groesse, QRect ok, QRect abbrechen, QWidget* eltern)
    : QDialog(eltern), CSteuerflaeche(this), m_nVorlage(vorlage)
{
    m_bTexteOben = false;
    setWindowTitle(QString::fromUtf8(titel));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(groesse);

    auto* bestaetigen = new QPushButton("OK", this);
    bestaetigen->setObjectName("ok");
    bestaetigen->setGeometry(ok);
    bestaetigen->setDefault(true);
    connect(bestaetigen, &QPushButton::clicked, this, &QDialog::accept);
    auto* abbruch = new QPushButton("Abbrechen", this);
    abbruch->setObjectName("abbrechen");
    abbruch->setGeometry(abbrechen);
    abbruch->setAutoDefault(false);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

QRect CRasterDialog::Einheiten(int x, int y, int breite, int hoehe)
{
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    const int l = px(x * 1.5), t = px(y * 1.625);
    return QRect(l, t, px((x + breite) * 1.5) - l, px((y + hoehe) * 1.625) - t);
}

bool CRasterDialog::OnInitDialog()
{
    if (m_bInitialisiert)
        return true;
    m_bInitialisiert = true;
    // The template's buttons in the controls' font.
    if (const QFont* schrift = GetSchrift())
        setFont(*schrift);
    ErzeugeSteuerelemente();
    ZeigeDaten();
    TexteEinpassen();
    return true;
}

int CRasterDialog::DoModal()
{
    OnInitDialog();
    return ModalAusfuehren(*this) == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CRasterDialog::accept()
{
    FokusfeldUebernehmen();
    QDialog::accept();
}
