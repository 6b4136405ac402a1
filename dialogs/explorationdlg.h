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
    QLabel *m_pZielVonText = nullptr, *m_pZielBisText = nullptr, *m_pHaeufigkeitText = nullptr;
    CFeld *m_pZielVon = nullptr, *m_pZielBis = nullptr, *m_pHaeufigkeit = nullptr;
    QComboBox* m_pDistraktorliste = nullptr;
    QLabel *m_pDistraktorVonText = nullptr, *m_pDistraktorBisText = nullptr;
    CFeld *m_pDistraktorVon = nullptr, *m_pDistraktorBis = nullptr;
    QRadioButton *m_pGeordnet = nullptr, *m_pPseudozufaellig = nullptr;
    QLabel *m_pZeilenText = nullptr, *m_pSpaltenText = nullptr, *m_pAnzahlText = nullptr;
    CFeld *m_pZeilen = nullptr, *m_pSpalten = nullptr, *m_pAnzahl = nullptr;
    CFeld *m_pZeichengroesse = nullptr, *m_pBildbreite = nullptr, *m_pBildhoehe = nullptr;
};
