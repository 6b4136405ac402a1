#pragma once

#include "dialogs/seite.h"

class CTraining;

// Page "Exploration": the visual exploration task (task code 20) with its
// six search strategies and its record.
class CExplorationDlg : public CSeite {
public:
    CExplorationDlg();
    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

private:
    CTraining* m_pTraining = nullptr;

    // In the order of the strategies 11, 12, 20, 30, 40, 50.
    QRadioButton* m_pStrategie[6] = {};
    QComboBox* m_pZellen = nullptr;
    QCheckBox* m_pMauszeiger = nullptr;
    CFeld *m_pFreiLinks = nullptr, *m_pFreiRechts = nullptr, *m_pFreiUnten = nullptr, *m_pFreiOben = nullptr;
    QComboBox* m_pZielliste = nullptr;
    CFeldpaar m_Ziel = {};
    QLabel* m_pHaeufigkeitText = nullptr;
    CFeld* m_pHaeufigkeit = nullptr;
    QComboBox* m_pDistraktorliste = nullptr;
    CFeldpaar m_Distraktor = {};
    QRadioButton *m_pGeordnet = nullptr, *m_pPseudozufaellig = nullptr;
    CFeldpaar m_Raster = {};
    QLabel* m_pAnzahlText = nullptr;
    CFeld* m_pAnzahl = nullptr;
    CFeld *m_pZeichengroesse = nullptr, *m_pBildbreite = nullptr, *m_pBildhoehe = nullptr;
};
