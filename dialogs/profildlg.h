#pragma once

#include <string>

#include "dialogs/rasterdialog.h"

class CBenutzerprofil;

// "Profilverwaltung": folder and name pattern of the profile file ("$b"
// stands for the user name), edited as one path.
class CProfilDlg : public CRasterDialog {
public:
    explicit CProfilDlg(QWidget* eltern = nullptr);
    ~CProfilDlg() override;

    void LadeAusProfil(CBenutzerprofil* profil);
    void SpeichereInProfil(CBenutzerprofil* profil) const;

    void ErzeugeSteuerelemente() override;
    void ZeigePfad();
    void LesePfad();
    void OnSuchen();

    const std::string& GetVerzeichnis() const { return m_strVerzeichnis; }
    const std::string& GetMuster() const { return m_strMuster; }

protected:
    void ZeigeDaten() override { ZeigePfad(); }
    void LeseDaten() override { LesePfad(); }
    void OnSchaltflaeche(QPushButton*) override { OnSuchen(); }

private:
    // The path as the field shows it.
    std::string Gezeigt() const;
    // Splits and completes a typed or chosen path.
    void Zerlege(std::string text);

    std::string m_strVerzeichnis = "/";
    std::string m_strMuster = "$b.lmp";
    CFeld* m_pPfad = nullptr;
};
