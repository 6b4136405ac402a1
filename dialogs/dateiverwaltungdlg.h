#pragma once

#include <string>

#include "dialogs/rasterdialog.h"
#include "workplace/benutzerprofil.h"

// "Verzeichnisse und Vorlagedateien festlegen": the three template files and
// the folders of the user's own pictures and texts, edited on a copy of the
// profile's folder record.
class CDateiverwaltungDlg : public CRasterDialog {
public:
    explicit CDateiverwaltungDlg(QWidget* eltern = nullptr);
    ~CDateiverwaltungDlg() override;

    void LadeAusProfil(CBenutzerprofil* profil);
    // The profile takes only the texts the user may edit.
    void SpeichereInProfil(CBenutzerprofil* profil) const;

    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

    void OnSuchenTraining();
    void OnSuchenTest();
    void OnSuchenUmgebung();
    void OnSuchenBilder();
    void OnSuchenTexte();

    CVerzeichnisse GetVerzeichnisse() const { return m_Verzeichnisse; }

    // A typed or chosen template path: without a folder the kind's folder,
    // without an extension the kind's, without a name "Vorlage".
    static std::string Vorlagenpfad(const std::string& text, const std::string& ordner, const std::string& endung);

protected:
    void OnSchaltflaeche(QPushButton* knopf) override;

private:
    void SucheVorlage(std::string& vorlage, const std::string& ordner, const char* endung, const char* filter);
    void SucheOrdner(std::string& ordner, const char* muster, const char* filter);

    CVerzeichnisse m_Verzeichnisse;
    CFeld* m_pTraining = nullptr;
    CFeld* m_pTest = nullptr;
    CFeld* m_pUmgebung = nullptr;
    CFeld* m_pBilder = nullptr;
    CFeld* m_pTexte = nullptr;
};
