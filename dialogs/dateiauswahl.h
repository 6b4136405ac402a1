#pragma once

#include <string>
#include <vector>

class QWidget;

// The file dialog of the open or save kind, run through the modal runner
// under its object name.
struct CDateiAuswahl {
    std::string m_strName = "dateiauswahl";
    std::string m_strTitel;
    std::vector<std::string> m_Filter; // Qt name filters, the first chosen
    std::string m_strStart; // full path or folder the dialog opens at
    std::string m_strEndung; // default extension, without "."
    bool m_bSpeichern = false; // save kind: asks before overwriting
    bool m_bMussExistieren = false;
};

// IDOK with the chosen full path, else IDCANCEL.
int DateiAuswaehlen(QWidget* eltern, const CDateiAuswahl& auswahl, std::string& pfad);

// The Qt name filters of a filter string "Text|Muster|...||"; a "*.*"
// pattern matches every file.
std::vector<std::string> QtFilter(const std::string& filter);

// Text before the last "\" or "/" standing after the first character, and
// the rest after it; false (and nothing changed) without such a separator.
bool TrenneOrdner(const std::string& text, std::string& ordner, std::string& name, size_t ab = 1);

// Without leading and trailing white space.
std::string OhneRand(const std::string& text);
