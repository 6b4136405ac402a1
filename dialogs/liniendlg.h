#pragma once

#include "dialogs/testseite.h"

// Page "Linienhalbierung" of the test sheet: the line-bisection record, its
// method radio buttons choosing test kind 10.
class CLinienDlg : public CTestSeite {
public:
    CLinienDlg();

protected:
    void ErzeugeSteuerelemente() override;
    CAblaufWerte HoleAblauf() const override;
    void ZeigeRechts() override;
    void Speichern(const CAblaufWerte& werte) override;

private:
    CFeld *m_pHDicke = nullptr, *m_pVDicke = nullptr;
    CStufen m_HPosition, m_HLaenge, m_HTrenn, m_VPosition, m_VLaenge, m_VTrenn;
};
