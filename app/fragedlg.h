#pragma once

#include <string>

#include <QDialog>
#include <QFont>

class QLabel;

// The program's own boxes, so that the text appears in the profile's dialog
// font: the question box with "Ja" and "Nein", the notice box with "Ja".
// DoModal answers 1 for "Ja" (Enter, J), 2 for "Nein" (N), Escape or closing.
class CHinweisDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHinweisDlg(QWidget* eltern = nullptr);
    void SetText(const std::string& text) { m_strText = text; }
    // Runs the box through the modal runner.
    int DoModal();
    // Builds the label in the font; DoModal calls it.
    void OnInitDialog();

    const std::string& GetText() const { return m_strText; }
    QLabel* GetLabel() const { return m_label; }

    void reject() override { done(2); }

protected:
    CHinweisDlg(QWidget* eltern, bool frage);
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    std::string m_strText;
    const QFont* m_pSchrift = nullptr;
    QFont m_schrift;
    QLabel* m_label = nullptr;
};

class CFrageDlg : public CHinweisDlg {
    Q_OBJECT
public:
    explicit CFrageDlg(QWidget* eltern = nullptr) : CHinweisDlg(eltern, true) {}
};
