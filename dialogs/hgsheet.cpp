#include "dialogs/hgsheet.h"

#include <algorithm>

CHGSheet::CHGSheet(const QString& titel, QWidget* eltern, int startseite) : CBlatt(titel, eltern, startseite)
{
    setObjectName("hgsheet");
}

void CHGSheet::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, const CTraining* training, int seite)
{
    m_pQuellTraining = training;
    m_pQuellTest = nullptr;
    if (training)
        m_Training = *training;
    SeitenBinden(profil, umgebung, m_Training, seite);
}

void CHGSheet::SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, const CTest* test, int seite)
{
    m_pQuellTest = test;
    m_pQuellTraining = nullptr;
    if (test)
        m_Test = *test;
    SeitenBinden(profil, umgebung, m_Test, seite);
}

void CHGSheet::SeitenBinden(CBenutzerprofil* profil, CUmgebung* umgebung, CModell& arbeitskopie, int seite)
{
    m_pUmgebung = umgebung;
    m_Aufgabe.SetModell(profil, umgebung, &arbeitskopie);
    m_Muster.SetModell(profil, umgebung, &arbeitskopie);
    m_Bewegung.SetModell(profil, umgebung, &arbeitskopie);
    if (GetSeitenAnzahl() == 0) {
        AddPage(m_Aufgabe);
        AddPage(m_Muster);
        AddPage(m_Bewegung);
    }
    SetStartseite(std::clamp(seite, 0, 2));
}

void CHGSheet::GetTraining(CTraining& training) const
{
    if (m_pQuellTraining)
        training = m_Training;
}

void CHGSheet::GetTest(CTest& test) const
{
    if (m_pQuellTest)
        test = m_Test;
}
