#pragma once

// A presentation engine that answers from a script, for the view tests.
#include <string>

#include "app/darbietung.h"
#include "model/testbericht.h"
#include "model/trainingsbericht.h"

// What the engine answers.
struct CSkript {
    int code = 0;
    std::string fehler, hinweisText;
    int hinweis = 0;
    CTrainingsBericht bericht;
};

class CSkriptDarbietung : public CDarbietung {
public:
    explicit CSkriptDarbietung(CSkript& s) : m_s(s) {}
    int TrainingDarbieten(CBenutzerprofil*, CUmgebung*, CTraining*, void*) override { return m_s.code; }
    int TestDarbieten(CBenutzerprofil*, CUmgebung*, CTest*, void*) override { return m_s.code; }
    const CTrainingsBericht& GetTrainingsBericht() const override { return m_s.bericht; }
    const CTestBericht& GetTestBericht() const override { return m_testbericht; }
    std::string GetFehlerText() const override { return m_s.fehler; }
    int GetHinweis() const override { return m_s.hinweis; }
    std::string GetHinweisText() const override { return m_s.hinweisText; }

private:
    CSkript& m_s;
    CTestBericht m_testbericht;
};
