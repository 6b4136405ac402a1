// Commands on the environment file and the user profile, answered by the
// application whether or not a document is open.
#include "app/lumetra_app.h"

#include "app/fragedlg.h"
#include "app/mainfrm.h"
#include "platform/archiv.h"
#include "platform/meldung.h"
#include "platform/pfad.h"
#include "platform/datei.h"
#include "dialogs/anordnungdlg.h"
#include "dialogs/anzeigedlg.h"
#include "dialogs/dateiverwaltungdlg.h"
#include "dialogs/profildlg.h"

namespace {

const char* const kUmgebungFilter = "LM-Umgebungsdateien (*.lmu)|*.lmu|Alle Dateien (*.*)|*.*||";
const char* const kUmgebungNichtGeoeffnet =
    "Fehler: Die Umgebungsdatei konnte nicht geöffnet werden. Der Dateiname der Umgebungsdatei lautet ";
const char* const kUmgebungNichtGespeichert =
    "Fehler: Die Umgebungsdatei konnte nicht gespeichert werden. Der Dateiname der Umgebungsdatei lautet ";
const char* const kProfilNichtGespeichert =
    "Fehler: Die Profildatei konnte nicht gespeichert werden. Der Dateiname der Profildatei lautet ";

void Fehler(const std::string& text) { AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION); }

} // namespace

std::string CLumetraApp::GetProfilpfad() const
{
    return m_Profil.m_strProfilVerzeichnis + "/" + m_Profil.GetProfildateiname();
}

int CLumetraApp::SpeichereUmgebung(const std::string& pfad)
{
    const std::string alt = m_Umgebung.GetPfad();
    const bool geaendert = m_Umgebung.IstGeaendert();
    CArchive ar(CArchive::store, pfad);
    m_Umgebung.Serialize(ar);
    if (SchreibeDateiSicher(ar.GetFilePath(), ar.GetBytes()) == 0)
        return 0;
    // Storing took the new name already; a file that was not written must
    // not become the environment's file.
    CArchive zurueck = alt.empty() ? CArchive() : CArchive(CArchive::store, alt);
    m_Umgebung.Serialize(zurueck);
    if (geaendert)
        m_Umgebung.SetGeaendert();
    return 1;
}

void CLumetraApp::SpeichereProfilMitMeldung()
{
    const std::string pfad = GetProfilpfad();
    if (SpeichereProfil(pfad) != 0)
        Fehler(kProfilNichtGespeichert + pfad::Anzeige(pfad));
}

void CLumetraApp::OnUmgebungOeffnen()
{
    CDateiAuswahl auswahl;
    auswahl.m_strTitel = "LM-Umgebung öffnen";
    auswahl.m_Filter = QtFilter(kUmgebungFilter);
    auswahl.m_bMussExistieren = true;
    const std::string& pfad = m_Umgebung.GetPfad();
    auswahl.m_strStart = pfad.empty() ? m_Profil.GetVerzeichnisse().m_strUmgebungen : pfad;
    if (auswahl.m_strStart.size() > 1023)
        auswahl.m_strStart.resize(1023);
    auswahl.m_strStart = pfad::ZumOeffnen(auswahl.m_strStart);
    std::string gewaehlt;
    if (DateiAuswaehlen(GetMainWnd(), auswahl, gewaehlt) != IDOK)
        return;
    if (LadeUmgebung(gewaehlt) != 0) {
        Fehler(kUmgebungNichtGeoeffnet + pfad::Anzeige(gewaehlt));
        return;
    }
    ZeigeDateinamen();
}

void CLumetraApp::OnUmgebungSpeichern()
{
    // Without a file, or when the file cannot be written, ask for a name.
    const std::string pfad = m_Umgebung.GetPfad();
    if (pfad.empty() || SpeichereUmgebung(pfad) != 0)
        OnUmgebungSpeichernUnter();
}

void CLumetraApp::OnUmgebungSpeichernUnter()
{
    CDateiAuswahl auswahl;
    auswahl.m_strTitel = "LM-Umgebung speichern unter";
    auswahl.m_Filter = QtFilter(kUmgebungFilter);
    auswahl.m_strEndung = "lmu";
    auswahl.m_bSpeichern = true;
    auswahl.m_strStart = m_Umgebung.GetPfad();
    std::string gewaehlt;
    if (DateiAuswaehlen(GetMainWnd(), auswahl, gewaehlt) != IDOK)
        return;
    if (SpeichereUmgebung(gewaehlt) != 0) {
        Fehler(kUmgebungNichtGespeichert + pfad::Anzeige(gewaehlt));
        return;
    }
    ZeigeDateinamen();
}

void CLumetraApp::OnAnordnung()
{
    CAnordnungDlg dlg(GetMainWnd());
    dlg.SetUmgebung(&m_Profil, &m_Umgebung);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.Uebernehmen(&m_Umgebung);
    m_Umgebung.SetGeaendert();
    AktualisiereAlleDokumente();
}

void CLumetraApp::OnAnzeige()
{
    CAnzeigeDlg dlg(GetMainWnd());
    dlg.SetOptionen(&m_Profil);
    if (dlg.DoModal() == IDOK) {
        dlg.Uebernehmen(&m_Profil);
        ZeigeDateinamen();
    }
    SpeichereProfilMitMeldung();
}

void CLumetraApp::OnDateiverwaltung()
{
    CDateiverwaltungDlg dlg(GetMainWnd());
    dlg.LadeAusProfil(&m_Profil);
    if (dlg.DoModal() == IDOK)
        dlg.SpeichereInProfil(&m_Profil);
    SpeichereProfilMitMeldung();
}

void CLumetraApp::OnProfildatei()
{
    CProfilDlg dlg(GetMainWnd());
    dlg.LadeAusProfil(&m_Profil);
    if (dlg.DoModal() != IDOK)
        return;
    const std::string bisher = GetProfilpfad();
    const std::string ordner = m_Profil.m_strProfilVerzeichnis, muster = m_Profil.m_strProfilMuster;
    dlg.SpeichereInProfil(&m_Profil);
    // The current settings go under the new name; a file there is replaced,
    // not read.
    const std::string pfad = GetProfilpfad();
    if (SpeichereProfil(pfad) != 0) {
        // A name that could not be written is not kept: later stores of the
        // profile go on to the previous file.
        m_Profil.m_strProfilVerzeichnis = ordner;
        m_Profil.m_strProfilMuster = muster;
        Fehler(kProfilNichtGespeichert + pfad::Anzeige(pfad) + "\nDas Benutzerprofil bleibt in der Datei " +
               pfad::Anzeige(bisher) + ".");
        return;
    }
    SchreibeProfilpfad(m_Profil.m_strProfilVerzeichnis + "/" + m_Profil.m_strProfilMuster);
    ZeigeDateinamen();
}

void CLumetraApp::OnProgrammbeschreibung()
{
    CHinweisDlg box(GetMainWnd());
    box.SetText("Eine ausführliche Beschreibung von Lumetra finden Sie in der mitinstallierten "
                "Programmbeschreibung. Diese finden Sie unter dem Dateinamen \"LMTR Programmbeschreibung.pdf\" "
                "im Programm- verzeichnis von Lumetra.\n"
                "Zum Lesen brauchen Sie ein Anzeigeprogramm für PDF-Dateien; ein kostenloses bietet dessen "
                "Hersteller auf seinen Internetseiten zum Herunterladen an.");
    box.DoModal();
}
