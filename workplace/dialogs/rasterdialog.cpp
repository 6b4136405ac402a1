#include "workplace/dialogs/rasterdialog.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/lumetra_app.h"
#include "platform/meldung.h"
#include "platform/qt/modal.h"

CRasterDialog::CRasterDialog(int vorlage, const char* titel, QSize einheiten, QPoint ok, QPoint abbrechen,
                             QWidget* eltern)
    : QDialog(eltern), m_nVorlage(vorlage)
{
    setWindowTitle(QString::fromUtf8(titel));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Einheiten(0, 0, einheiten.width(), einheiten.height()).size());

    auto* bestaetigen = new QPushButton("OK", this);
    bestaetigen->setObjectName("ok");
    bestaetigen->setGeometry(Einheiten(ok.x(), ok.y(), 50, 14));
    bestaetigen->setDefault(true);
    connect(bestaetigen, &QPushButton::clicked, this, &QDialog::accept);
    auto* abbruch = new QPushButton("Abbrechen", this);
    abbruch->setObjectName("abbrechen");
    abbruch->setGeometry(Einheiten(abbrechen.x(), abbrechen.y(), 50, 14));
    abbruch->setAutoDefault(false);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

CRasterDialog::~CRasterDialog()
{
    // Focus changes while the children go must not reach the handlers of a
    // dialog that is half destroyed.
    for (QLineEdit* feld : m_felder)
        feld->removeEventFilter(this);
}

QRect CRasterDialog::Einheiten(int x, int y, int breite, int hoehe)
{
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    const int l = px(x * 1.5), t = px(y * 1.625);
    return QRect(l, t, px((x + breite) * 1.5) - l, px((y + hoehe) * 1.625) - t);
}

int CRasterDialog::DoModal()
{
    if (!m_bInitialisiert) {
        m_bInitialisiert = true;
        OnInitDialog();
    }
    return ModalAusfuehren(*this) == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CRasterDialog::accept()
{
    for (QLineEdit* feld : m_felder)
        if (focusWidget() == feld)
            FeldVerlassen(feld);
    QDialog::accept();
}

bool CRasterDialog::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusOut)
        if (auto* feld = qobject_cast<QLineEdit*>(objekt))
            FeldVerlassen(feld);
    return QDialog::eventFilter(objekt, ereignis);
}

void CRasterDialog::Platziere(QWidget* w, QRect ltrb)
{
    w->setGeometry(ltrb);
    if (!m_bSchriftGesetzt) {
        m_schrift = DialogSchrift(m_pSchrift);
        m_bSchriftGesetzt = true;
    }
    w->setFont(m_schrift);
    w->show();
}

QGroupBox* CRasterDialog::Gruppe(const char* text, QRect ltrb)
{
    auto* g = new QGroupBox(QString::fromUtf8(text), this);
    Platziere(g, ltrb);
    return g;
}

QLabel* CRasterDialog::Beschriftung(const char* text, QRect ltrb)
{
    auto* l = new QLabel(QString::fromUtf8(text), this);
    Platziere(l, ltrb);
    return l;
}

QLineEdit* CRasterDialog::Feld(const char* name, QRect ltrb, bool rechtsbuendig)
{
    auto* f = new QLineEdit(this);
    f->setObjectName(name);
    f->setAlignment(rechtsbuendig ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    Platziere(f, ltrb);
    f->installEventFilter(this);
    m_felder.push_back(f);
    return f;
}

QComboBox* CRasterDialog::Liste(const char* name, QRect ltrb)
{
    auto* c = new QComboBox(this);
    c->setObjectName(name);
    Platziere(c, ltrb);
    // Only the closed box stands in the dialog.
    c->setGeometry(ltrb.left(), ltrb.top(), ltrb.width(), std::min(ltrb.height(), 21));
    return c;
}

QRadioButton* CRasterDialog::Optionsfeld(const char* name, const char* text, QRect ltrb)
{
    auto* r = new QRadioButton(QString::fromUtf8(text), this);
    r->setObjectName(name);
    Platziere(r, ltrb);
    return r;
}

QCheckBox* CRasterDialog::Kontrollkaestchen(const char* name, const char* text, QRect ltrb)
{
    auto* c = new QCheckBox(QString::fromUtf8(text), this);
    c->setObjectName(name);
    Platziere(c, ltrb);
    return c;
}

QPushButton* CRasterDialog::Knopf(const char* name, const char* text, QRect ltrb)
{
    auto* k = new QPushButton(QString::fromUtf8(text), this);
    k->setObjectName(name);
    k->setAutoDefault(false);
    Platziere(k, ltrb);
    return k;
}

void CRasterDialog::FeldFreigeben(QLineEdit* feld, bool frei)
{
    feld->setEnabled(frei);
    feld->setReadOnly(!frei);
}

std::string CRasterDialog::Text(const QLineEdit* feld)
{
    return feld->text().toStdString();
}

void CRasterDialog::SetText(QLineEdit* feld, const std::string& text)
{
    feld->setText(QString::fromStdString(text));
    feld->setCursorPosition(0);
}

// ---- helpers

std::vector<std::string> QtFilter(const std::string& filter)
{
    std::vector<std::string> teile;
    size_t pos = 0;
    while (pos < filter.size()) {
        const size_t ende = filter.find('|', pos);
        const std::string teil = filter.substr(pos, ende == std::string::npos ? std::string::npos : ende - pos);
        if (teil.empty())
            break;
        teile.push_back(teil);
        if (ende == std::string::npos)
            break;
        pos = ende + 1;
    }
    std::vector<std::string> ergebnis;
    for (size_t i = 0; i + 1 < teile.size(); i += 2) {
        std::string text = teile[i];
        // "*.*" would miss names without an extension here.
        std::string muster = teile[i + 1] == "*.*" ? std::string("*") : teile[i + 1];
        for (char& c : muster)
            if (c == ';')
                c = ' ';
        if (const size_t klammer = text.rfind(" ("); klammer != std::string::npos && text.back() == ')')
            text.erase(klammer);
        ergebnis.push_back(text + " (" + muster + ")");
    }
    return ergebnis;
}

int DateiAuswaehlen(QWidget* eltern, const CDateiAuswahl& auswahl, std::string& pfad)
{
    QFileDialog dialog(eltern, QString::fromStdString(auswahl.m_strTitel));
    dialog.setObjectName("dateiauswahl");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(auswahl.m_bSpeichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(auswahl.m_bMussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filter;
    for (const std::string& f : QtFilter(auswahl.m_strFilter))
        filter << QString::fromStdString(f);
    dialog.setNameFilters(filter);
    if (!filter.isEmpty())
        dialog.selectNameFilter(filter.front());
    if (!auswahl.m_strEndung.empty())
        dialog.setDefaultSuffix(QString::fromStdString(auswahl.m_strEndung));
    if (!auswahl.m_strStart.empty()) {
        const QFileInfo start(QString::fromStdString(auswahl.m_strStart));
        if (start.isDir()) {
            dialog.setDirectory(start.absoluteFilePath());
        } else {
            dialog.setDirectory(start.absolutePath());
            // A pattern such as "*.bmp" only names the folder.
            if (!start.fileName().contains('*') && !start.fileName().contains('?'))
                dialog.selectFile(start.fileName());
        }
    }
    if (ModalAusfuehren(dialog) != QDialog::Accepted)
        return IDCANCEL;
    const QStringList dateien = dialog.selectedFiles();
    if (dateien.isEmpty())
        return IDCANCEL;
    pfad = dateien.front().toStdString();
    return IDOK;
}

bool TrenneOrdner(const std::string& text, std::string& ordner, std::string& name, size_t ab)
{
    const size_t pos = text.find_last_of("\\/");
    if (pos == std::string::npos || pos < ab)
        return false;
    ordner = text.substr(0, pos);
    name = text.substr(pos + 1);
    return true;
}

std::string OhneRand(const std::string& text)
{
    const char* leer = " \t\r\n\v\f";
    const size_t anfang = text.find_first_not_of(leer);
    if (anfang == std::string::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(leer) - anfang + 1);
}
