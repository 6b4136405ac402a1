#include "support/laufumfeld.h"

#include "platform/crt.h"

#include <filesystem>

CLaufUmfeld::CLaufUmfeld(CSpeicherKonfig konfig, DWORD breite, DWORD hoehe, DWORD frequenz)
    : anzeige(CSpeicherAnzeige::Installieren(std::move(konfig))), umgebung(&profil)
{
    crt::SetZeitQuelle([] { return int64_t(1'700'000'000); });
    training.SetUmgebung(&umgebung);
    test.SetUmgebung(&umgebung);
    CBildschirmModus modus = umgebung.GetBildschirmModus();
    modus.m_dwBreite = breite;
    modus.m_dwHoehe = hoehe;
    modus.m_dwFrequenz = frequenz;
    modus.m_dwLetzteFrequenz = frequenz;
    umgebung.SetBildschirmModus(modus);
}

CLaufUmfeld::~CLaufUmfeld()
{
    crt::SetZeitQuelle({});
    // A display that a test put in front of the in-memory one goes too.
    AnzeigeTreiberWaehlen("");
}

int CLaufUmfeld::TrainingEinrichten(CPraesentation& p)
{
    return p.Einrichten(HWND(&view), &view, &profil, &umgebung, &training, nullptr);
}

int CLaufUmfeld::TestEinrichten(CPraesentation& p)
{
    return p.Einrichten(HWND(&view), &view, &profil, &umgebung, nullptr, &test);
}

int CLaufUmfeld::Vorbereiten(CPraesentation& p)
{
    if (const int fehler = TrainingEinrichten(p))
        return fehler;
    crt::srand(1);
    return p.LaufVorbereiten();
}

int CLaufUmfeld::TestVorbereiten(CPraesentation& p)
{
    if (const int fehler = TestEinrichten(p))
        return fehler;
    return p.LaufVorbereiten();
}

int CLaufUmfeld::Darbieten(CPraesentation& p)
{
    if (const int fehler = TrainingEinrichten(p))
        return fehler;
    return p.Darbieten();
}

int CLaufUmfeld::TestDarbieten(CPraesentation& p)
{
    if (const int fehler = TestEinrichten(p))
        return fehler;
    return p.Darbieten();
}

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

CSpeicherKonfig KonfigMitModus(DWORD breite, DWORD hoehe, DWORD frequenz)
{
    CSpeicherKonfig k;
    k.modi.push_back({breite, hoehe, 8, frequenz});
    return k;
}

void OhneVordergrund(CTraining& t)
{
    t.SetAufgabenart(30);
    CHGMuster m = t.GetHGMuster();
    m.m_nArt = 0;
    t.SetHGMuster(m);
}
