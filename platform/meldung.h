#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Message boxes of the program: one service that models and loaders call
// with a text and the buttons; the user interface installs the Qt one,
// tests install a recorder.

// Buttons and icons (combinable, as the framework's flags).
enum : unsigned {
    MB_OK = 0x0000,
    MB_OKCANCEL = 0x0001,
    MB_YESNOCANCEL = 0x0003,
    MB_YESNO = 0x0004,
    MB_ICONSTOP = 0x0010,
    MB_ICONQUESTION = 0x0020,
    MB_ICONEXCLAMATION = 0x0030,
    MB_ICONINFORMATION = 0x0040,
};

// Answers.
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class CMeldungsDienst {
public:
    virtual ~CMeldungsDienst() = default;
    // Shows text with the buttons of typ and answers the button chosen.
    virtual int Zeige(const std::string& text, unsigned typ) = 0;
};

// Installs the service; nullptr restores the default one, which writes the
// text to stderr and answers the first button.
void SetMeldungsDienst(CMeldungsDienst* dienst);
CMeldungsDienst& GetMeldungsDienst();

// The framework's message box, through the installed service.
int AfxMessageBox(const std::string& text, unsigned typ = MB_OK);

// Test recorder: keeps every text and answers from a queue (first button
// when the queue is empty). Installs itself for its lifetime.
class CMeldungsRecorder : public CMeldungsDienst {
public:
    CMeldungsRecorder();
    ~CMeldungsRecorder() override;
    int Zeige(const std::string& text, unsigned typ) override;

    struct Eintrag {
        std::string text;
        unsigned typ;
    };
    std::vector<Eintrag> m_meldungen;
    std::deque<int> m_antworten;

    std::vector<std::string> Texte() const;

private:
    CMeldungsDienst* m_vorher;
};
