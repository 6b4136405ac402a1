#include "dialogs/sonstigesdlg.h"

#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dateiauswahl.h"
#include "dialogs/dateiwahl.h"
#include "model/training.h"
#include "platform/meldung.h"
#include "workplace/benutzerprofil.h"

CSonstigesDlg::CSonstigesDlg() : CSeite("Sonstiges", kAufgabenBreite, kAufgabenHoehe, true) {}

void CSonstigesDlg::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    Binden(profil, umgebung, false);
    m_pProfil = profil;
    m_pTraining = training;
}

std::string CSonstigesDlg::EigeneBilder() const
{
    return m_pProfil ? m_pProfil->GetVerzeichnisse().m_strEigeneBilder : std::string();
}

void CSonstigesDlg::ErzeugeSteuerelemente()
{
    Gruppe("gruppeAufgabenart", "Aufgabenart", Kante(5, 5, 305, 130));
    m_pKeinBild = Option("keinBild", "Kein Vordergrundbild", Kante(15, 20, 295, 40), true);
    m_pEigenesBild = Option("eigenesBild", "Eigenes Bild aus Datei (.bmp)", Kante(15, 41, 295, 61));

    Gruppe("gruppeBildauswahl", "Bildauswahl", Kante(310, 5, 610, 130));
    Beschriftung("bildnameText", "Bildname", Kante(320, 23, 400, 38));
    m_pBildname = Textfeld("bildname", Kante(400, 21, 530, 39));
    m_pSuchen = Schaltflaeche("suchen", "Suchen", Kante(540, 20, 600, 40));
    Beschriftung("ordnerText", "Verzeichnis bzw. Unterverzeichnis", Kante(320, 44, 600, 59));
    m_pOrdner = Textfeld("ordner", Kante(330, 63, 600, 81), true);
    Beschriftung("eigeneBilderText", "Verzeichnis für eigene Bilder", Kante(320, 86, 600, 101));
    m_pEigeneBilder = Textfeld("eigeneBilder", Kante(330, 105, 600, 123), true);
}

void CSonstigesDlg::ZeigeDaten()
{
    if (!m_pTraining)
        return;
    const CSonstiges s = m_pTraining->GetSonstiges();
    const bool aktiv = m_pTraining->GetAufgabenart() == AUFGABENART_SONSTIGES;
    if (aktiv)
        Waehlen(s.m_nBildart == 10 ? m_pEigenesBild : m_pKeinBild);
    else
        Abwaehlen(m_pKeinBild);

    SetText(m_pBildname, s.m_strBilddatei);
    SetText(m_pOrdner, OrdnerAnzeige(s.m_strBildordner));
    SetText(m_pEigeneBilder, s.m_nBildart == 10 ? OrdnerAnzeige(EigeneBilder()) : std::string());

    Freigeben({m_pBildname, m_pSuchen, m_pOrdner, m_pEigeneBilder}, aktiv && s.m_nBildart == 10);
    update();
}

void CSonstigesDlg::LeseDaten()
{
    if (!m_pTraining)
        return;
    CSonstiges s = m_pTraining->GetSonstiges();
    if (Gewaehlt(m_pKeinBild))
        s.m_nBildart = 0;
    else if (Gewaehlt(m_pEigenesBild))
        s.m_nBildart = 10;
    else
        return;
    m_pTraining->SetAufgabenart(AUFGABENART_SONSTIGES);
    m_pTraining->SetSonstiges(s);
}

void CSonstigesDlg::BildnameSpeichern(const std::string& text)
{
    CSonstiges s = m_pTraining->GetSonstiges();
    const CDateiwahl w = ZerlegeDateiname(text, ".bmp", EigeneBilder(), true);
    s.m_strBilddatei = w.name;
    if (w.mitOrdner)
        s.m_strBildordner = w.ordner;
    m_pTraining->SetSonstiges(s);
}

void CSonstigesDlg::OnFeld(CFeld* feld)
{
    if (!m_pTraining || feld != m_pBildname)
        return;
    // Passing through the field without typing changes nothing.
    if (OhneRand(GetText(feld)) != m_pTraining->GetSonstiges().m_strBilddatei)
        BildnameSpeichern(GetText(feld));
    Zeigen();
}

void CSonstigesDlg::OnSchaltflaeche(QPushButton* knopf)
{
    if (!m_pTraining || knopf != m_pSuchen)
        return;
    const CSonstiges s = m_pTraining->GetSonstiges();
    CDateiAuswahl auswahl;
    auswahl.m_Filter = {"Bitmap (*.bmp)", "Alle Dateien (*.*)"};
    auswahl.m_strStart = OrdnerPfad(EigeneBilder(), s.m_strBildordner) + "/" + s.m_strBilddatei;
    auswahl.m_bMussExistieren = true;
    std::string pfad;
    if (DateiAuswaehlen(this, auswahl, pfad) == IDOK) {
        BildnameSpeichern(pfad);
        Zeigen();
    }
}
