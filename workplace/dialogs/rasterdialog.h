#pragma once

#include <string>
#include <vector>

#include <QDialog>
#include <QFont>
#include <QRect>

class CFont;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// A modal dialog whose template holds only the caption, the confirm button
// and "Abbrechen"; the other controls are created in code at fixed pixel
// rectangles (left, top, right, bottom) in the profile's dialog font.
// Handlers are connected to user actions only (click, choice, leaving a
// field), so showing data never triggers them.
class CRasterDialog : public QDialog {
public:
    // Size and button positions in dialog units of the 8-point dialog font.
    CRasterDialog(int vorlage, const char* titel, QSize einheiten, QPoint ok, QPoint abbrechen, QWidget* eltern);
    ~CRasterDialog() override;

    // Initialises the dialog once and runs it through the modal runner:
    // IDOK or IDCANCEL.
    int DoModal();
    // Creates the controls and shows the data; DoModal calls it.
    virtual bool OnInitDialog() = 0;

    int GetVorlage() const { return m_nVorlage; }
    // Enter accepts without moving the focus: the focused field is read first.
    void accept() override;

    // Dialog units to pixels: 1.5 across, 1.625 down.
    static QRect Einheiten(int x, int y, int breite, int hoehe);
    // A pixel rectangle given as left, top, right, bottom.
    static QRect Ltrb(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

protected:
    // A field with a handler lost the focus.
    virtual void FeldVerlassen(QLineEdit* feld) = 0;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

    QGroupBox* Gruppe(const char* text, QRect ltrb);
    QLabel* Beschriftung(const char* text, QRect ltrb);
    // Bordered field; leaving it runs FeldVerlassen.
    QLineEdit* Feld(const char* name, QRect ltrb, bool rechtsbuendig);
    // Drop-down list; the rectangle's height includes the open list.
    QComboBox* Liste(const char* name, QRect ltrb);
    QRadioButton* Optionsfeld(const char* name, const char* text, QRect ltrb);
    QCheckBox* Kontrollkaestchen(const char* name, const char* text, QRect ltrb);
    QPushButton* Knopf(const char* name, const char* text, QRect ltrb);

    // Enabled and writable, or disabled and read-only.
    static void FeldFreigeben(QLineEdit* feld, bool frei);
    static std::string Text(const QLineEdit* feld);
    static void SetText(QLineEdit* feld, const std::string& text);

    // The profile's dialog font (not owned); null for the system's.
    const CFont* m_pSchrift = nullptr;

private:
    void Platziere(QWidget* w, QRect ltrb);

    int m_nVorlage;
    bool m_bInitialisiert = false;
    std::vector<QLineEdit*> m_felder;
    QFont m_schrift;
    bool m_bSchriftGesetzt = false;
};

// MFC-style file dialog of the open or save kind through the modal runner.
// The filter is "Text|Muster|...||"; a "*.*" pattern matches every file.
struct CDateiAuswahl {
    std::string m_strTitel;
    std::string m_strFilter;
    std::string m_strStart;      // full path or folder the dialog opens at
    std::string m_strEndung;     // default extension, without "."
    bool m_bSpeichern = false;   // save kind: asks before overwriting
    bool m_bMussExistieren = false;
};

// IDOK with the chosen full path, else IDCANCEL.
int DateiAuswaehlen(QWidget* eltern, const CDateiAuswahl& auswahl, std::string& pfad);

// The Qt name filters of an MFC filter string.
std::vector<std::string> QtFilter(const std::string& filter);

// Text before the last "\" or "/" standing after the first character, and
// the rest after it; false (and nothing changed) without such a separator.
bool TrenneOrdner(const std::string& text, std::string& ordner, std::string& name, size_t ab = 1);

// Without leading and trailing white space.
std::string OhneRand(const std::string& text);
