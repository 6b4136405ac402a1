#include "support/laufumfeld.h"

#include "platform/crt.h"

#include <filesystem>

CLaufDaten::CLaufDaten()
{
    training.SetUmgebung(&umgebung);
    test.SetUmgebung(&umgebung);
}

void CLaufDaten::Modus(DWORD breite, DWORD hoehe, DWORD frequenz)
{
    CBildschirmModus modus = umgebung.GetBildschirmModus();
    modus.m_dwBreite = breite;
    modus.m_dwHoehe = hoehe;
    modus.m_dwFrequenz = frequenz;
    if (frequenz)
        modus.m_dwLetzteFrequenz = frequenz;
    umgebung.SetBildschirmModus(modus);
}

int CLaufDaten::TrainingEinrichten(CPraesentation& p)
{
    return p.Einrichten(HWND(&view), &view, &profil, &umgebung, &training, nullptr);
}

int CLaufDaten::TestEinrichten(CPraesentation& p)
{
    return p.Einrichten(HWND(&view), &view, &profil, &umgebung, nullptr, &test);
}

CLaufUmfeld::CLaufUmfeld(CSpeicherKonfig konfig, DWORD breite, DWORD hoehe, DWORD frequenz)
    : anzeige(CSpeicherAnzeige::Installieren(std::move(konfig)))
{
    crt::SetZeitQuelle([] { return int64_t(1'700'000'000); });
    Modus(breite, hoehe, frequenz);
}

CLaufUmfeld::~CLaufUmfeld()
{
    crt::SetZeitQuelle({});
    // A display that a test put in front of the in-memory one goes too.
    AnzeigeTreiberWaehlen("");
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
    const int fehler = TestEinrichten(p);
    return fehler ? fehler : p.LaufVorbereiten();
}

int CLaufUmfeld::Darbieten(CPraesentation& p)
{
    const int fehler = TrainingEinrichten(p);
    return fehler ? fehler : p.Darbieten();
}

int CLaufUmfeld::TestDarbieten(CPraesentation& p)
{
    const int fehler = TestEinrichten(p);
    return fehler ? fehler : p.Darbieten();
}

void CLaufUmfeld::Speichern(IDirectDrawSurface* s, const std::string& name) const
{
    anzeige->OberflaecheSpeichern(s, Artefakt(name));
}

void CLaufUmfeld::BildschirmSpeichern(const std::string& name) const { anzeige->BildschirmSpeichern(Artefakt(name)); }

std::string Artefakt(const std::string& name)
{
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    return std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png";
}

CSpeicherKonfig KonfigMitModus(DWORD breite, DWORD hoehe, DWORD frequenz)
{
    CSpeicherKonfig k;
    k.modi.push_back({breite, hoehe, 8, frequenz});
    return k;
}
