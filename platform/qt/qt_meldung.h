#pragma once

#include "platform/meldung.h"

class QWidget;

// Message boxes as QMessageBox titled "Lumetra" with German buttons, run
// through the modal runner. The parent is the main window once it exists.
class CQtMeldungsDienst : public CMeldungsDienst {
public:
    int Zeige(const std::string& text, unsigned typ) override;
    void SetElternfenster(QWidget* fenster) { m_eltern = fenster; }

private:
    QWidget* m_eltern = nullptr;
};
