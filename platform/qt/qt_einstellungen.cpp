#include "platform/qt/qt_einstellungen.h"

#include <QSettings>

namespace {

QString Schluessel(const std::string& abschnitt, const std::string& eintrag)
{
    return QString::fromStdString(abschnitt + "/" + eintrag);
}

// A machine-wide text is taken up to its terminating zero, as it was stored.
std::string BisNull(const QString& text)
{
    std::string s = text.toStdString();
    if (auto pos = s.find('\0'); pos != std::string::npos)
        s.resize(pos);
    return s;
}

bool Schreiben(QSettings& s, const QString& schluessel, const std::string& wert)
{
    if (!s.isWritable())
        return false;
    s.setValue(schluessel, QString::fromStdString(wert));
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace

CQtEinstellungen::CQtEinstellungen(const std::string& ordner)
{
    if (ordner.empty()) {
        m_benutzer = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Vardenix", "Lumetra");
        m_system = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope, "Vardenix", "Lumetra");
    } else {
        QString basis = QString::fromStdString(ordner);
        m_benutzer = std::make_unique<QSettings>(basis + "/benutzer/Vardenix/Lumetra.ini", QSettings::IniFormat);
        m_system = std::make_unique<QSettings>(basis + "/system/Vardenix/Lumetra.ini", QSettings::IniFormat);
    }
    // The per-user store must not answer with the machine-wide value: the
    // start-up tells the two apart.
    m_benutzer->setFallbacksEnabled(false);
    m_system->setFallbacksEnabled(false);
}

CQtEinstellungen::~CQtEinstellungen() = default;

std::string CQtEinstellungen::LeseText(const std::string& abschnitt, const std::string& eintrag)
{
    return m_benutzer->value(Schluessel(abschnitt, eintrag)).toString().toStdString();
}

bool CQtEinstellungen::SchreibeText(const std::string& abschnitt, const std::string& eintrag, const std::string& wert)
{
    return Schreiben(*m_benutzer, Schluessel(abschnitt, eintrag), wert);
}

bool CQtEinstellungen::LeseSystemText(const std::string& abschnitt, const std::string& eintrag, std::string& wert)
{
    m_system->sync();
    QVariant v = m_system->value(Schluessel(abschnitt, eintrag));
    if (!v.isValid())
        return false;
    wert = BisNull(v.toString());
    return true;
}

bool CQtEinstellungen::SchreibeSystemText(const std::string& abschnitt, const std::string& eintrag,
                                          const std::string& wert)
{
    return Schreiben(*m_system, Schluessel(abschnitt, eintrag), wert);
}
