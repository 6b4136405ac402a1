#include "dialogs/dateiauswahl.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/meldung.h"
#include "platform/qt/modal.h"

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
    dialog.setObjectName(QString::fromStdString(auswahl.m_strName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(auswahl.m_bSpeichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(auswahl.m_bMussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filter;
    for (const std::string& f : auswahl.m_Filter)
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
