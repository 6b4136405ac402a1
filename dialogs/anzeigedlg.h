#pragma once

#include "dialogs/rasterdialog.h"
#include "workplace/benutzerprofil.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

// "Anzeigeoptionen ändern": the unit every size is shown in, its sub-unit
// and the decimal places, edited on a copy of the profile's options. The
// four option boxes stand fixed: tool bar and status bar on, the rest off.
class CAnzeigeDlg : public CRasterDialog {
public:
    explicit CAnzeigeDlg(QWidget* eltern = nullptr);
    ~CAnzeigeDlg() override;

    void SetOptionen(CBenutzerprofil* profil);
    void Uebernehmen(CBenutzerprofil* profil);

    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

    CAnzeigeOptionen GetOptionen() const { return m_Optionen; }

private:
    CAnzeigeOptionen m_Optionen;

    QRadioButton* m_pWinkel = nullptr;
    QRadioButton* m_pLaenge = nullptr;
    QRadioButton* m_pPixel = nullptr;
    QRadioButton* m_pAnteil = nullptr;
    QComboBox* m_pWinkelListe = nullptr;
    QComboBox* m_pLaengenListe = nullptr;
    QComboBox* m_pAnteilListe = nullptr;
    CFeld* m_pDezimalstellen = nullptr;
    QCheckBox* m_pSymbolleiste = nullptr;
    QCheckBox* m_pStatusleiste = nullptr;
    QCheckBox* m_pUmgebungsdaten = nullptr;
    QCheckBox* m_pWarnung = nullptr;
};
