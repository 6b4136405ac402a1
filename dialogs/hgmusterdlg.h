#pragma once

#include "dialogs/hgseite.h"

// Page "Muster" of the background sheet: the kind of background pattern,
// the characters' shape and distribution, element and cycle width, and
// where the pattern shows through.
class CHGMusterDlg : public CHGSeite {
public:
    CHGMusterDlg();

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

private:
    QRadioButton *m_pKein = nullptr, *m_pStreifen = nullptr, *m_pZeichen = nullptr, *m_pPunkte = nullptr;
    QLabel *m_pFormText = nullptr, *m_pVerteilungText = nullptr;
    QComboBox* m_pForm = nullptr;
    QRadioButton *m_pGeordnet = nullptr, *m_pPseudo = nullptr, *m_pZufaellig = nullptr;
    QLabel *m_pZeilenText = nullptr, *m_pSpaltenText = nullptr, *m_pAnzahlText = nullptr;
    CFeld *m_pZeilen = nullptr, *m_pSpalten = nullptr, *m_pAnzahl = nullptr;
    QLabel *m_pBreiteText = nullptr, *m_pZyklusText = nullptr;
    CFeld *m_pBreite = nullptr, *m_pZyklus = nullptr;
    QRadioButton *m_pGesamt = nullptr, *m_pFrei = nullptr, *m_pRand = nullptr;
};
