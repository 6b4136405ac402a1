#pragma once

#include <functional>
#include <memory>
#include <string>

class CBenutzerprofil;
class CTest;
class CTestBericht;
class CTraining;
class CTrainingsBericht;
class CUmgebung;

// One presentation as the views see it: run it, then read the code, the
// texts and the report. Destroying it gives the display back. The views
// make one through NeueDarbietung, so tests can put a scripted engine in
// place of the full-screen one.
class CDarbietung {
public:
    virtual ~CDarbietung() = default;

    // 0 when the run ended with a filled report, else the error code.
    virtual int TrainingDarbieten(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training, void* view) = 0;
    virtual int TestDarbieten(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test, void* view) = 0;

    virtual const CTrainingsBericht& GetTrainingsBericht() const = 0;
    virtual const CTestBericht& GetTestBericht() const = 0;
    virtual std::string GetFehlerText() const = 0;
    // 1 or more when the run left a hint.
    virtual int GetHinweis() const = 0;
    virtual std::string GetHinweisText() const = 0;
};

using DarbietungsFabrik = std::function<std::unique_ptr<CDarbietung>()>;

// Installs the maker of engines; an empty one restores the full-screen
// engine on the SDL display.
void SetDarbietungsFabrik(DarbietungsFabrik fabrik);
std::unique_ptr<CDarbietung> NeueDarbietung();
