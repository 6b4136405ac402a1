#pragma once

#include "dialogs/blatt.h"
#include "dialogs/laengendlg.h"
#include "dialogs/liniendlg.h"
#include "model/test.h"

class CBenutzerprofil;
class CUmgebung;

// The sheet "Vordergrundaufgabe ändern" of a test: line bisection and
// length estimation on a working copy of the whole test, handed back on
// request after the sheet was accepted.
class CTestSheet : public CBlatt {
public:
    explicit CTestSheet(const QString& titel, QWidget* eltern = nullptr, int startseite = 0);

    // Copies the test (no reports), binds and adds both pages and opens on
    // the page of the test's kind.
    void SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, const CTest& test);
    // Assigns the working copy: kind and every record; empties the
    // receiver's reports.
    void GetTest(CTest& test) const;

    const CTest& GetArbeitskopie() const { return m_Test; }
    CLinienDlg& GetLinienSeite() { return m_Linien; }
    CLaengenDlg& GetLaengenSeite() { return m_Laengen; }

private:
    CUmgebung* m_pUmgebung = nullptr;
    // Before the pages: they write into it until they are gone.
    CTest m_Test;
    CLinienDlg m_Linien;
    CLaengenDlg m_Laengen;
};
