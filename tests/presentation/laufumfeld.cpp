#include "laufumfeld.h"

#include "platform/crt.h"
#include "presentation/rahmen.h"

#include <filesystem>

namespace {
int g_anwendung = 0;
}

CLaufUmfeld::CLaufUmfeld(CSpeicherKonfig konfig)
    : anzeige(CSpeicherAnzeige::Installieren(std::move(konfig))), umgebung(&profil)
{
    RahmenAnmelden(reinterpret_cast<CLumetraApp*>(&g_anwendung), HWND(&g_anwendung));
    crt::SetZeitQuelle([] { return int64_t(1'700'000'000); });
    training.SetUmgebung(&umgebung);
    test.SetUmgebung(&umgebung);
    CBildschirmModus modus = umgebung.GetBildschirmModus();
    modus.m_dwBreite = 1024;
    modus.m_dwHoehe = 768;
    modus.m_dwFrequenz = 75;
    modus.m_dwLetzteFrequenz = 75;
    umgebung.SetBildschirmModus(modus);
}

CLaufUmfeld::~CLaufUmfeld()
{
    crt::SetZeitQuelle({});
    RahmenAnmelden(nullptr, nullptr);
}

int CLaufUmfeld::Vorbereiten(CPraesentation& p, const std::string& bilder)
{
    p.m_pView = &view;
    p.m_pApp = GetRahmenAnwendung();
    p.m_pProfil = &profil;
    p.m_pUmgebung = &umgebung;
    p.m_pTraining = &training;
    if (p.InitDirectDraw() != 0)
        return p.m_nFehler;
    if (!bilder.empty())
        p.m_Verzeichnisse.m_strBilder = bilder;
    crt::srand(1);
    p.m_nFehler = p.TrainingVorbereiten();
    return p.m_nFehler;
}

int CLaufUmfeld::Darbieten(CPraesentation& p) { return p.TrainingDarbieten(&profil, &umgebung, &training, &view); }

int CLaufUmfeld::TestVorbereiten(CPraesentation& p)
{
    p.m_pView = &view;
    p.m_pProfil = &profil;
    p.m_pUmgebung = &umgebung;
    p.m_pTest = &test;
    if (p.InitDirectDraw() != 0)
        return p.m_nFehler;
    p.m_nFehler = p.TestVorbereiten();
    return p.m_nFehler;
}

int CLaufUmfeld::TestDarbieten(CPraesentation& p) { return p.TestDarbieten(&profil, &umgebung, &test, &view); }

void CLaufUmfeld::Speichern(IDirectDrawSurface* s, const std::string& name) const
{
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    anzeige->OberflaecheSpeichern(s, std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png");
}

void CLaufUmfeld::BildschirmSpeichern(const std::string& name) const
{
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    anzeige->BildschirmSpeichern(std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png");
}

void OhneVordergrund(CTraining& t)
{
    t.SetAufgabenart(30);
    CHGMuster m = t.GetHGMuster();
    m.m_nArt = 0;
    t.SetHGMuster(m);
}
