#include "app/darbietung.h"

#include "app/lumetra_app.h"
#include "platform/display/ddraw.h"
#include "platform/display/sdl/sdl_anzeige.h"
#include "presentation/praesentation.h"

namespace {

// The full-screen engine itself, for the length of one run.
class CVollbildDarbietung final : public CDarbietung {
public:
    int TrainingDarbieten(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training, void* view) override
    {
        if (const int fehler = m_Praesentation.Einrichten(Hauptfenster(), view, profil, umgebung, training, nullptr))
            return fehler;
        return m_Praesentation.Darbieten();
    }
    int TestDarbieten(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test, void* view) override
    {
        if (const int fehler = m_Praesentation.Einrichten(Hauptfenster(), view, profil, umgebung, nullptr, test))
            return fehler;
        return m_Praesentation.Darbieten();
    }
    const CTrainingsBericht& GetTrainingsBericht() const override { return m_Praesentation.m_TrainingsBericht; }
    const CTestBericht& GetTestBericht() const override { return m_Praesentation.m_TestBericht; }
    std::string GetFehlerText() const override { return m_Praesentation.m_strFehler; }
    int GetHinweis() const override { return m_Praesentation.m_nHinweis; }
    std::string GetHinweisText() const override { return m_Praesentation.m_strHinweis; }

private:
    // The run takes over the screen of the application's main window.
    static HWND Hauptfenster()
    {
        CLumetraApp* app = GetLumetraApp();
        return app ? app->GetMainWnd() : nullptr;
    }

    CPraesentation m_Praesentation;
};

DarbietungsFabrik& Fabrik()
{
    static DarbietungsFabrik fabrik;
    return fabrik;
}

} // namespace

void SetDarbietungsFabrik(DarbietungsFabrik fabrik) { Fabrik() = std::move(fabrik); }

std::unique_ptr<CDarbietung> NeueDarbietung()
{
    if (Fabrik())
        return Fabrik()();
    // The program presents on SDL unless a back end was chosen on purpose.
    if (GetAnzeigeTreiber().empty()) {
        SdlAnzeigeAnmelden();
        AnzeigeTreiberWaehlen("sdl");
    }
    return std::make_unique<CVollbildDarbietung>();
}
