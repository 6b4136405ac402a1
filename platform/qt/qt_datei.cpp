#include "platform/qt/qt_datei.h"

#include <QSaveFile>

#include "platform/pfad.h"

int SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes)
{
    QSaveFile datei(QString::fromStdString(pfad::ZumOeffnen(pfad)));
    if (!datei.open(QIODevice::WriteOnly))
        return 1;
    const auto groesse = static_cast<qint64>(bytes.size());
    if (datei.write(reinterpret_cast<const char*>(bytes.data()), groesse) != groesse) {
        datei.cancelWriting();
        return 1;
    }
    return datei.commit() ? 0 : 1;
}
