#include "platform/qt/qt_dienste.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include "platform/system.h"

bool QtDiensteEinrichten()
{
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
