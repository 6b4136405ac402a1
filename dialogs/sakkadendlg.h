#pragma once

#include "dialogs/seite.h"

class CTraining;

// Page "Sakkaden": the saccade task (task code 10) and its record.
class CSakkadenDlg : public CSeite {
public:
    CSakkadenDlg();
    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

private:
    CTraining* m_pTraining = nullptr;

    QRadioButton *m_pModusA = nullptr, *m_pModusB = nullptr;
    QRadioButton *m_pEndeTaste = nullptr, *m_pEndeRueckmeldung = nullptr, *m_pEndeZeit = nullptr;
    QComboBox* m_pReaktionstaste = nullptr;
    QLabel *m_pDauerZwischen = nullptr, *m_pDauerUnd = nullptr;
    CFeld *m_pDauerMin = nullptr, *m_pDauerMax = nullptr;
    QRadioButton *m_pStartTaste = nullptr, *m_pStartZeit = nullptr;
    QComboBox* m_pStarttaste = nullptr;
    QLabel *m_pPauseZwischen = nullptr, *m_pPauseUnd = nullptr;
    CFeld *m_pPauseMin = nullptr, *m_pPauseMax = nullptr;
    QRadioButton *m_pKeineRueckmeldung = nullptr, *m_pRueckmeldung = nullptr;
    QLabel *m_pRichtigText = nullptr, *m_pFalschText = nullptr;
    QComboBox *m_pTasteRichtig = nullptr, *m_pTasteFalsch = nullptr;
    QComboBox* m_pReizliste = nullptr;
    QLabel *m_pVonText = nullptr, *m_pBisText = nullptr;
    CFeld *m_pZielVon = nullptr, *m_pZielBis = nullptr, *m_pDurchgaenge = nullptr;
    CFeld *m_pZeilen = nullptr, *m_pSpalten = nullptr;
    QLabel *m_pSchrittXZwischen = nullptr, *m_pSchrittXUnd = nullptr;
    CFeld *m_pSchrittXMin = nullptr, *m_pSchrittXMax = nullptr;
    QLabel *m_pSchrittYZwischen = nullptr, *m_pSchrittYUnd = nullptr;
    CFeld *m_pSchrittYMin = nullptr, *m_pSchrittYMax = nullptr;
    CFeld *m_pZeichengroesse = nullptr, *m_pBildbreite = nullptr, *m_pBildhoehe = nullptr;
};
