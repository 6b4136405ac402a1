#pragma once

#include "dialogs/seite.h"

class CTraining;

// Page "Sonstiges": the other task (task code 60), no foreground picture or
// a picture of the user's own from a .bmp file. Shows no lengths.
class CSonstigesDlg : public CSeite {
public:
    CSonstigesDlg();
    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;
    void OnFeld(CFeld* feld) override;
    void OnSchaltflaeche(QPushButton* knopf) override;

private:
    // Stores a typed name or a chosen path as the picture file.
    void BildnameSpeichern(const std::string& text);
    std::string EigeneBilder() const;

    CTraining* m_pTraining = nullptr;
    CBenutzerprofil* m_pProfil = nullptr;

    QRadioButton *m_pKeinBild = nullptr, *m_pEigenesBild = nullptr;
    CFeld* m_pBildname = nullptr;
    QPushButton* m_pSuchen = nullptr;
    CFeld *m_pOrdner = nullptr, *m_pEigeneBilder = nullptr;
};
