#pragma once

#include "dialogs/hgseite.h"

class QPainter;

// Page "Aufgabe" of the background sheet: the background task (a change of
// the pattern's colour or speed that the trainee answers with a key) and a
// swatch of the target pattern colour.
class CHGAufgabeDlg : public CHGSeite {
public:
    CHGAufgabeDlg();

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;
    void OnPaint(QPainter& painter);

private:
    QRadioButton *m_pKeine = nullptr, *m_pFarbe = nullptr, *m_pGeschwindigkeit = nullptr;
    QRadioButton *m_pEndeTaste = nullptr, *m_pEndeZeit = nullptr;
    QComboBox* m_pReaktionstaste = nullptr;
    QLabel *m_pDauerZwischen = nullptr, *m_pDauerUnd = nullptr;
    CFeld *m_pDauerMin = nullptr, *m_pDauerMax = nullptr;
    QRadioButton *m_pStartTaste = nullptr, *m_pStartZeit = nullptr;
    QComboBox* m_pStarttaste = nullptr;
    QLabel *m_pPauseZwischen = nullptr, *m_pPauseUnd = nullptr;
    CFeld *m_pPauseMin = nullptr, *m_pPauseMax = nullptr;
    QCheckBox* m_pAsynchron = nullptr;
    CFeld* m_pZielgeschwindigkeit = nullptr;
};
