#include "dialogs/trainingsheet.h"

CTrainingSheet::CTrainingSheet(const QString& titel, QWidget* eltern, int startseite)
    : CBlatt(titel, eltern, startseite)
{
    setObjectName("trainingsheet");
}

void CTrainingSheet::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, const CTraining& training)
{
    m_pUmgebung = umgebung;
    m_Training = training;
    m_Sakkaden.SetTraining(profil, umgebung, &m_Training);
    m_Exploration.SetTraining(profil, umgebung, &m_Training);
    m_Text.SetTraining(profil, umgebung, &m_Training);
    m_Sonstiges.SetTraining(profil, umgebung, &m_Training);
    AddPage(m_Sakkaden);
    AddPage(m_Exploration);
    AddPage(m_Text);
    AddPage(m_Sonstiges);
    switch (m_Training.GetAufgabenart()) {
    case 20: SetStartseite(1); break;
    case 50: SetStartseite(2); break;
    case 60: SetStartseite(3); break;
    default: SetStartseite(0);
    }
}

void CTrainingSheet::GetTraining(CTraining& training) const { training = m_Training; }
