#include "dialogs/profildlg.h"

#include <QPushButton>

#include "platform/meldung.h"
#include "platform/pfad.h"
#include "workplace/benutzerprofil.h"

CProfilDlg::CProfilDlg(QWidget* eltern)
    : CRasterDialog(159, "Profilverwaltung", QSize(274, 77), QPoint(166, 59), QPoint(220, 59), eltern)
{
    setObjectName("profildlg");
}

CProfilDlg::~CProfilDlg() = default;

void CProfilDlg::LadeAusProfil(CBenutzerprofil* profil)
{
    if (!profil)
        return;
    SchriftNehmen(profil);
    m_strMuster = profil->m_strProfilMuster;
    m_strVerzeichnis = profil->m_strProfilVerzeichnis;
}

void CProfilDlg::SpeichereInProfil(CBenutzerprofil* profil) const
{
    profil->m_strProfilMuster = m_strMuster;
    profil->m_strProfilVerzeichnis = m_strVerzeichnis;
}

void CProfilDlg::ErzeugeSteuerelemente()
{
    Gruppe("", "Benutzerprofil", Kante(5, 5, 405, 88));
    Beschriftung("", "Benutzerprofil [.lmp] speichern unter", Kante(15, 23, 300, 38));
    Schaltflaeche("suchen", "Suchen", Kante(310, 20, 395, 40));
    m_pPfad = Textfeld("pfad", Kante(25, 42, 395, 60));
    Beschriftung("", "($b für Benutzername)", Kante(25, 65, 395, 80));
}

void CProfilDlg::ZeigePfad()
{
    if (!m_pPfad)
        return;
    SetText(m_pPfad, Gezeigt());
    update();
}

std::string CProfilDlg::Gezeigt() const { return pfad::Anzeige(m_strVerzeichnis + "/" + m_strMuster); }

void CProfilDlg::LesePfad()
{
    if (!m_pPfad)
        return;
    // The field shows "/" whatever the stored folder uses; left as shown,
    // the stored folder stays as it was.
    const std::string text = OhneRand(GetText(m_pPfad));
    if (text != Gezeigt())
        Zerlege(text);
}

void CProfilDlg::Zerlege(std::string text)
{
    std::string ordner, name;
    if (TrenneOrdner(text, ordner, name, 0)) {
        m_strVerzeichnis = ordner;
        text = name;
    }
    if (text.find('.') == std::string::npos)
        text += ".lmp";
    if (text.find('.') == 0)
        text = "$b" + text;
    m_strMuster = text;
}

void CProfilDlg::OnSuchen()
{
    CDateiAuswahl auswahl;
    auswahl.m_strTitel = "Suchen";
    auswahl.m_Filter = QtFilter("LM-Profildateien (*.lmp)|*.lmp|Alle Dateien (*.*)|*.*||");
    auswahl.m_strStart = m_strVerzeichnis + "/" + m_strMuster;
    std::string pfad;
    if (DateiAuswaehlen(this, auswahl, pfad) != IDOK)
        return;
    Zerlege(pfad);
    ZeigePfad();
}
