#pragma once

#include "dialogs/testseite.h"

// Page "Längenschätzung" of the test sheet: the length-estimation record,
// its method radio buttons choosing test kind 20.
class CLaengenDlg : public CTestSeite {
public:
    CLaengenDlg();

protected:
    void ErzeugeSteuerelemente() override;
    CAblaufWerte HoleAblauf() const override;
    void ZeigeRechts() override;
    void Speichern(const CAblaufWerte& werte) override;

private:
    CStufen m_TestPosition, m_BspBreite, m_TestBreite, m_Position, m_BspHoehe, m_TestHoehe;
};
