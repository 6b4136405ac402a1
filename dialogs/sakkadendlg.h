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
    CFeldpaar m_Dauer = {};
    QRadioButton *m_pStartTaste = nullptr, *m_pStartZeit = nullptr;
    QComboBox* m_pStarttaste = nullptr;
    CFeldpaar m_Pause = {};
    QRadioButton *m_pKeineRueckmeldung = nullptr, *m_pRueckmeldung = nullptr;
    QLabel *m_pRichtigText = nullptr, *m_pFalschText = nullptr;
    QComboBox *m_pTasteRichtig = nullptr, *m_pTasteFalsch = nullptr;
    QComboBox* m_pReizliste = nullptr;
    CFeldpaar m_Ziel = {};
    CFeld* m_pDurchgaenge = nullptr;
    CFeldpaar m_Raster = {};
    CFeldpaar m_SchrittX = {};
    CFeldpaar m_SchrittY = {};
    CFeld *m_pZeichengroesse = nullptr, *m_pBildbreite = nullptr, *m_pBildhoehe = nullptr;
};
