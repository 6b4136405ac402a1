#include "workplace/benutzerprofil.h"

#include "platform/archiv.h"
#include "platform/system.h"
#include "workplace/dateikopf.h"

namespace {

// Native paths: the Windows fallback "C:" is the root here.
const char* const kWurzel = "/";

std::string Verbinden(const std::string& ordner, const char* name)
{
    if (!ordner.empty() && ordner.back() == '/')
        return ordner + name;
    return ordner + "/" + name;
}

} // namespace

CAnzeigeOptionen::CAnzeigeOptionen() : m_dwFlags(ANZEIGE_WERKZEUGLEISTE | ANZEIGE_STATUSLEISTE), m_nDezimalstellen(1)
{
    SetEinheit(1);
}

void CAnzeigeOptionen::SetEinheit(uint32_t einheit)
{
    m_dwEinheit = einheit;
    if (einheit & 0x0001)
        m_strEinheit = (einheit & 0x2000) ? "'" : (einheit & 0x1000) ? "\"" : "°";
    else if (einheit & 0x0002)
        m_strEinheit = (einheit & 0x0100) ? "mm" : (einheit & 0x0200) ? "cm" : (einheit & 0x0400) ? "dm" : "m";
    else if (einheit & 0x0008)
        m_strEinheit = "pxl";
    else
        m_strEinheit = (einheit & 0x4000) ? "%" : "[1]";
}

CVerzeichnisse::CVerzeichnisse() : m_strProgramm(kWurzel) {}

CBenutzerprofil::CBenutzerprofil()
{
    m_strBenutzer = systemdienst::GetBenutzername();
    if (m_strBenutzer.empty())
        m_strBenutzer = "NN";

    CVerzeichnisse& v = m_Verzeichnisse;
    v.m_strProgramm = systemdienst::GetAktuellesVerzeichnis();
    if (v.m_strProgramm.empty())
        v.m_strProgramm = kWurzel;
    v.m_strDokumente = systemdienst::GetDokumentenVerzeichnis();
    if (v.m_strDokumente.empty())
        v.m_strDokumente = kWurzel;

    v.m_strTextdateien = Verbinden(v.m_strProgramm, "textdateien");
    v.m_strTexte = Verbinden(v.m_strProgramm, "LMTR-Texte");
    v.m_strBilder = Verbinden(v.m_strProgramm, "bilddateien");
    v.m_strEigeneTexte = v.m_strDokumente;
    v.m_strEigeneBilder = v.m_strDokumente;
    v.m_strTrainings = Verbinden(v.m_strProgramm, "LMTR-Trainings");
    v.m_strTrainingsVorlage = Verbinden(v.m_strTrainings, "Vorlage.lmt");
    v.m_strTests = Verbinden(v.m_strProgramm, "LMTR-Tests");
    v.m_strTestVorlage = Verbinden(v.m_strTests, "Vorlage.lmd");
    v.m_strUmgebungen = Verbinden(v.m_strProgramm, "LMTR-Umgebungen");
    v.m_strUmgebungsVorlage = Verbinden(v.m_strUmgebungen, "Vorlage.lmu");

    m_strProfilVerzeichnis = Verbinden(v.m_strProgramm, "LMTR-Benutzerprofile");
    m_strProfilMuster = "default.lmp";

    ErzeugeSchrift(nullptr);
}

CBenutzerprofil::~CBenutzerprofil()
{
    if (m_pSchrift)
        m_pSchrift->DeleteObject();
    m_pSchrift = nullptr;
}

void CBenutzerprofil::SetVerzeichnisse(CVerzeichnisse neu)
{
    CVerzeichnisse& v = m_Verzeichnisse;
    v.m_strUmgebungen = std::move(neu.m_strUmgebungen);
    v.m_strUmgebungsVorlage = std::move(neu.m_strUmgebungsVorlage);
    v.m_strTrainings = std::move(neu.m_strTrainings);
    v.m_strTrainingsVorlage = std::move(neu.m_strTrainingsVorlage);
    v.m_strTests = std::move(neu.m_strTests);
    v.m_strTestVorlage = std::move(neu.m_strTestVorlage);
    v.m_strEigeneBilder = std::move(neu.m_strEigeneBilder);
    v.m_strEigeneTexte = std::move(neu.m_strEigeneTexte);
}

std::string CBenutzerprofil::GetProfildateiname() const
{
    std::string name = m_strProfilMuster;
    if (auto pos = name.find("$b"); pos != std::string::npos)
        name.replace(pos, 2, m_strBenutzer);
    return name;
}

CFont* CBenutzerprofil::ErzeugeSchrift(CFont* vorlage)
{
    if (m_pSchrift && m_pSchrift->DeleteObject())
        m_pSchrift = nullptr;

    LOGFONT lf;
    if (!vorlage || !vorlage->GetLogFont(&lf)) {
        lf = LOGFONT{};
        lf.lfHeight = 8;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfFaceName = "MS Sans Serif";
    }
    if (!m_pSchrift && m_Schrift.CreateFontIndirect(&lf))
        m_pSchrift = &m_Schrift;
    return m_pSchrift;
}

int CBenutzerprofil::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        return Laden(ar);

    const CVerzeichnisse& v = m_Verzeichnisse;
    SchreibeDateikopf(ar, "LMP", kVersion);
    ar << m_AnzeigeOptionen.GetEinheit() << m_AnzeigeOptionen.GetDezimalstellen() << m_AnzeigeOptionen.m_dwFlags;
    ar << v.m_strUmgebungen << v.m_strUmgebungsVorlage << v.m_strTrainings << v.m_strTrainingsVorlage << v.m_strTests
       << v.m_strTestVorlage << v.m_strEigeneBilder << v.m_strEigeneTexte;
    return 0;
}

int CBenutzerprofil::Laden(CArchive& ar)
{
    // Everything is read into temporaries first so that a refused or
    // damaged file leaves the profile as it was.
    try {
        uint32_t version = 0;
        if (int code = LiesDateikopf(ar, {.typ = "LMP", .typFehler = " ist keine LM-Profildatei."}, version))
            return code;

        uint32_t einheit = 0, flags = 0;
        int32_t stellen = 0;
        ar >> einheit >> stellen >> flags;
        CAnzeigeOptionen optionen;
        optionen.SetEinheit(einheit);
        optionen.SetDezimalstellen(stellen);
        optionen.m_dwFlags = flags;

        CVerzeichnisse v;
        ar >> v.m_strUmgebungen >> v.m_strUmgebungsVorlage >> v.m_strTrainings >> v.m_strTrainingsVorlage;
        if (version >= 100) {
            ar >> v.m_strTests >> v.m_strTestVorlage;
        } else {
            v.m_strTests = m_Verzeichnisse.m_strTests;
            v.m_strTestVorlage = m_Verzeichnisse.m_strTestVorlage;
        }
        ar >> v.m_strEigeneBilder >> v.m_strEigeneTexte;

        SetAnzeigeoptionen(optionen);
        SetVerzeichnisse(std::move(v));
        return DATEI_GELADEN;
    } catch (const CArchiveException&) {
        return MeldeBeschaedigt(ar.GetFilePath());
    }
}
