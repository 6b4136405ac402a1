#include "platform/qt/qt_dienste.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "platform/system.h"

#include <clocale>
#include <cstdlib>

void DeutscheSystemspracheVorbereiten()
{
    std::setlocale(LC_ALL, "");
    // LC_ALL outranks every other variable; LANGUAGE would override it for
    // the language.
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    unsetenv("LANGUAGE");
}

bool QtDiensteEinrichten()
{
    // The QApplication has applied the environment's locale.
    std::setlocale(LC_NUMERIC, "C");
    systemdienst::SetDokumentenQuelle(
        [] { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(); });
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    static QTranslator* uebersetzung = nullptr;
    if (uebersetzung)
        return true;
    auto* neu = new QTranslator(QCoreApplication::instance());
    if (!neu->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete neu;
        return false;
    }
    QCoreApplication::installTranslator(neu);
    uebersetzung = neu;
    return true;
}
