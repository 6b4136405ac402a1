#include "dialogs/dateiverwaltungdlg.h"

#include <QPushButton>

#include "platform/meldung.h"
#include "platform/pfad.h"

namespace {

const char* const kBilder = "/*.bmp";
const char* const kTexte = "/*.txt";

} // namespace

CDateiverwaltungDlg::CDateiverwaltungDlg(QWidget* eltern)
    : CRasterDialog(155, "Verzeichnisse und Vorlagedateien festlegen", QSize(274, 182), QPoint(166, 164),
                    QPoint(220, 164), eltern)
{
    setObjectName("dateiverwaltungdlg");
}

CDateiverwaltungDlg::~CDateiverwaltungDlg() = default;

void CDateiverwaltungDlg::LadeAusProfil(CBenutzerprofil* profil)
{
    if (!profil)
        return;
    SchriftNehmen(profil);
    m_Verzeichnisse = profil->GetVerzeichnisse();
}

void CDateiverwaltungDlg::SpeichereInProfil(CBenutzerprofil* profil) const
{
    profil->SetVerzeichnisse(m_Verzeichnisse);
}

void CDateiverwaltungDlg::ErzeugeSteuerelemente()
{
    Gruppe("", "Vorlagen", Kante(5, 5, 405, 151));
    Beschriftung("", "Vorlagendatei für neue LM-Trainings [.lmt]", Kante(15, 23, 300, 38));
    Schaltflaeche("suchentraining", "Suchen", Kante(310, 20, 395, 40));
    m_pTraining = Textfeld("training", Kante(25, 42, 395, 60));
    Beschriftung("", "Vorlagendatei für neue LM-Tests [.lmd]", Kante(15, 65, 300, 80));
    Schaltflaeche("suchentest", "Suchen", Kante(310, 62, 395, 82));
    m_pTest = Textfeld("test", Kante(25, 84, 395, 102));
    Beschriftung("", "Vorlagendatei für neue LM-Umgebung [.lmu]", Kante(15, 107, 300, 122));
    Schaltflaeche("suchenumgebung", "Suchen", Kante(310, 104, 395, 124));
    m_pUmgebung = Textfeld("umgebung", Kante(25, 126, 395, 144));
    Gruppe("", "Sonstige Verzeichnisse", Kante(5, 156, 405, 260));
    Beschriftung("", "Verzeichnis für eigene Bilder [.bmp]", Kante(15, 174, 300, 189));
    Schaltflaeche("suchenbilder", "Suchen", Kante(310, 171, 395, 191));
    m_pBilder = Textfeld("bilder", Kante(25, 193, 395, 211));
    Beschriftung("", "Verzeichnis für eigene Texte [.txt]", Kante(15, 216, 300, 231));
    Schaltflaeche("suchentexte", "Suchen", Kante(310, 213, 395, 233));
    m_pTexte = Textfeld("texte", Kante(25, 235, 395, 253));
}

void CDateiverwaltungDlg::OnSchaltflaeche(QPushButton* knopf)
{
    const QString name = knopf->objectName();
    if (name == "suchentraining")
        OnSuchenTraining();
    else if (name == "suchentest")
        OnSuchenTest();
    else if (name == "suchenumgebung")
        OnSuchenUmgebung();
    else if (name == "suchenbilder")
        OnSuchenBilder();
    else if (name == "suchentexte")
        OnSuchenTexte();
}

void CDateiverwaltungDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CVerzeichnisse& v = m_Verzeichnisse;
    SetText(m_pTraining, pfad::Anzeige(v.m_strTrainingsVorlage));
    SetText(m_pTest, pfad::Anzeige(v.m_strTestVorlage));
    SetText(m_pUmgebung, pfad::Anzeige(v.m_strUmgebungsVorlage));
    SetText(m_pBilder, pfad::Anzeige(v.m_strEigeneBilder) + kBilder);
    SetText(m_pTexte, pfad::Anzeige(v.m_strEigeneTexte) + kTexte);
    update();
}

std::string CDateiverwaltungDlg::Vorlagenpfad(const std::string& text, const std::string& ordner,
                                              const std::string& endung)
{
    std::string verzeichnis = ordner, name = text;
    TrenneOrdner(text, verzeichnis, name);
    if (name.find('.') == std::string::npos)
        name += endung;
    if (name.find('.') == 0)
        name = "Vorlage" + name;
    return verzeichnis + "/" + name;
}

void CDateiverwaltungDlg::LeseDaten()
{
    if (!m_pTraining)
        return;
    CVerzeichnisse& v = m_Verzeichnisse;
    // The fields show "/" whatever the stored paths use; a field left as
    // shown keeps its stored path byte for byte.
    std::string text;
    const auto geaendert = [this, &text](CFeld* feld, const std::string& gespeichert, const char* muster) {
        text = OhneRand(GetText(feld));
        return text != pfad::Anzeige(gespeichert) + muster;
    };
    if (geaendert(m_pTraining, v.m_strTrainingsVorlage, ""))
        v.m_strTrainingsVorlage = Vorlagenpfad(text, v.m_strTrainings, ".lmt");
    if (geaendert(m_pTest, v.m_strTestVorlage, ""))
        v.m_strTestVorlage = Vorlagenpfad(text, v.m_strTests, ".lmd");
    if (geaendert(m_pUmgebung, v.m_strUmgebungsVorlage, ""))
        v.m_strUmgebungsVorlage = Vorlagenpfad(text, v.m_strUmgebungen, ".lmu");
    // The "*.bmp" and "*.txt" the fields show fall away again.
    std::string name;
    if (geaendert(m_pBilder, v.m_strEigeneBilder, kBilder))
        TrenneOrdner(text, v.m_strEigeneBilder, name);
    if (geaendert(m_pTexte, v.m_strEigeneTexte, kTexte))
        TrenneOrdner(text, v.m_strEigeneTexte, name);
    update();
}

void CDateiverwaltungDlg::SucheVorlage(std::string& vorlage, const std::string& ordner, const char* endung,
                                       const char* filter)
{
    CDateiAuswahl auswahl;
    auswahl.m_strTitel = "Suchen";
    auswahl.m_Filter = QtFilter(filter);
    auswahl.m_strStart = vorlage;
    std::string pfad;
    if (DateiAuswaehlen(this, auswahl, pfad) != IDOK)
        return;
    vorlage = Vorlagenpfad(pfad, ordner, endung);
    ZeigeDaten();
}

void CDateiverwaltungDlg::SucheOrdner(std::string& ordner, const char* muster, const char* filter)
{
    CDateiAuswahl auswahl;
    auswahl.m_strTitel = "Suchen";
    auswahl.m_Filter = QtFilter(filter);
    auswahl.m_strStart = ordner + muster;
    std::string pfad, name;
    if (DateiAuswaehlen(this, auswahl, pfad) != IDOK)
        return;
    // Any file in the wanted folder will do; only its folder is kept.
    TrenneOrdner(pfad, ordner, name);
    ZeigeDaten();
}

void CDateiverwaltungDlg::OnSuchenTraining()
{
    SucheVorlage(m_Verzeichnisse.m_strTrainingsVorlage, m_Verzeichnisse.m_strTrainings, ".lmt",
                 "LM-Trainingsdateien (*.lmt)|*.lmt|Alle Dateien (*.*)|*.*||");
}

void CDateiverwaltungDlg::OnSuchenTest()
{
    SucheVorlage(m_Verzeichnisse.m_strTestVorlage, m_Verzeichnisse.m_strTests, ".lmd",
                 "LM-Testdateien (*.lmd)|*.lmd|Alle Dateien (*.*)|*.*||");
}

void CDateiverwaltungDlg::OnSuchenUmgebung()
{
    SucheVorlage(m_Verzeichnisse.m_strUmgebungsVorlage, m_Verzeichnisse.m_strUmgebungen, ".lmu",
                 "LM-Umgebungsdateien (*.lmu)|*.lmu|Alle Dateien (*.*)|*.*||");
}

void CDateiverwaltungDlg::OnSuchenBilder()
{
    SucheOrdner(m_Verzeichnisse.m_strEigeneBilder, kBilder, "Bitmap (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*||");
}

void CDateiverwaltungDlg::OnSuchenTexte()
{
    SucheOrdner(m_Verzeichnisse.m_strEigeneTexte, kTexte, "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*||");
}
