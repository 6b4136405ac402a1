#include "platform/qt/qt_meldung.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/modal.h"

namespace {

// A file name longer than a line has no place to break, and the box would
// grow past the screen and cut it off: a zero-width space every few dozen
// characters of a run without blanks or "/" lets the box wrap it.
QString Umbrechbar(const QString& text)
{
    constexpr int kLauf = 40;
    QString aus;
    int lauf = 0;
    for (const QChar c : text) {
        aus += c;
        if (c.isSpace() || c == '/')
            lauf = 0;
        else if (++lauf >= kLauf && !c.isHighSurrogate()) {
            aus += QChar(0x200B);
            lauf = 0;
        }
    }
    return aus;
}

} // namespace

int CQtMeldungsDienst::Zeige(const std::string& text, unsigned typ)
{
    QMessageBox box(m_eltern);
    box.setWindowTitle("Lumetra");
    box.setText(Umbrechbar(QString::fromStdString(text)));
    switch (typ & 0xF0) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::Warning); break;
    }

    struct Taste {
        const char* text;
        int antwort;
        QMessageBox::ButtonRole rolle;
    };
    std::vector<Taste> tasten;
    switch (typ & 0x0F) {
    case MB_OKCANCEL:
        tasten = {{"OK", IDOK, QMessageBox::AcceptRole}, {"Abbrechen", IDCANCEL, QMessageBox::RejectRole}};
        break;
    case MB_YESNOCANCEL:
        tasten = {{"&Ja", IDYES, QMessageBox::YesRole},
                  {"&Nein", IDNO, QMessageBox::NoRole},
                  {"Abbrechen", IDCANCEL, QMessageBox::RejectRole}};
        break;
    case MB_YESNO: tasten = {{"&Ja", IDYES, QMessageBox::YesRole}, {"&Nein", IDNO, QMessageBox::NoRole}}; break;
    default: tasten = {{"OK", IDOK, QMessageBox::AcceptRole}}; break;
    }
    std::vector<std::pair<QAbstractButton*, int>> knoepfe;
    for (const Taste& t : tasten)
        knoepfe.emplace_back(box.addButton(QString::fromUtf8(t.text), t.rolle), t.antwort);
    box.setDefaultButton(static_cast<QPushButton*>(knoepfe.front().first));
    // Escape and closing answer the last button: cancel, "Nein" or the only one.
    box.setEscapeButton(knoepfe.back().first);

    ModalAusfuehren(box);
    for (const auto& [knopf, antwort] : knoepfe)
        if (box.clickedButton() == knopf)
            return antwort;
    return knoepfe.back().second;
}
