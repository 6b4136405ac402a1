#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;
class CSeite;

// A modal settings sheet: its pages as tabs, "OK" and "Abbrechen", no
// Apply. The pages write every change into the sheet's working copy at once,
// so accepting only tells the caller to take that copy; cancelling drops it.
//
// A derived sheet holds its pages by value and declares its working copy
// before them, so that the pages (and a focused field's last focus-out) go
// before the copy they write into.
class CBlatt : public QDialog {
    Q_OBJECT
public:
    CBlatt(const QString& titel, QWidget* eltern = nullptr, int startseite = 0);
    ~CBlatt() override;

    // Appends the page as a tab captioned with its title.
    void AddPage(CSeite& seite);
    int GetSeitenAnzahl() const;
    CSeite* GetSeite(int index) const;
    CSeite* GetAktiveSeite() const;
    // The page shown first; limited to the pages there are when run.
    void SetStartseite(int index) { m_nStartseite = index; }
    int GetStartseite() const { return m_nStartseite; }

    // Runs the sheet through the modal runner: IDOK or IDCANCEL.
    int DoModal();

    QTabWidget* GetReiter() const { return m_pReiter; }

    // Takes the focused field's text first: Enter accepts without moving
    // the focus.
    void accept() override;

private:
    void Anordnen();

    QTabWidget* m_pReiter;
    QPushButton* m_pOk;
    QPushButton* m_pAbbrechen;
    int m_nStartseite;
};
