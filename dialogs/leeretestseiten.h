#pragma once

#include "dialogs/seite.h"

class CTest;

// Pages of the test kinds that have no parameter record: bound like the
// other test pages, but with no control of their own. No sheet adds them.
class CLeereTestSeite : public CSeite {
public:
    void SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test);
    CTest* GetTest() const { return m_pTest; }

protected:
    explicit CLeereTestSeite(const QString& titel);
    void ErzeugeSteuerelemente() override {}
    void LeseDaten() override {}
    void ZeigeDaten() override { update(); }

private:
    CTest* m_pTest = nullptr;
};

// "Subjektive Mitte" (test kind 30).
class CMittenDlg : public CLeereTestSeite {
public:
    CMittenDlg() : CLeereTestSeite("Subjektive Mitte") {}
};

// "Extinktion" (test kind 40).
class CExtinktionDlg : public CLeereTestSeite {
public:
    CExtinktionDlg() : CLeereTestSeite("Extinktion") {}
};

// "Exploration" (test kind 50).
class CExplorTestDlg : public CLeereTestSeite {
public:
    CExplorTestDlg() : CLeereTestSeite("Exploration") {}
};
