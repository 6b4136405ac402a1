#pragma once

#include "dialogs/seite.h"
#include "platform/draw/dc.h"

class CText;
class CTraining;

// Page "Text": the reading task (task code 50): which text, the keys that
// turn the pages, fonts, sizes and alignments of heading and body, the
// vertical placement, line spacing and the size of the text picture.
class CTextDlg : public CSeite {
public:
    CTextDlg();
    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;
    void OnFeld(CFeld* feld) override;
    void OnSchaltflaeche(QPushButton* knopf) override;

private:
    // The controls of one font group (heading or body).
    struct CSchriftGruppe {
        CFeld* art = nullptr;
        QPushButton* suchen = nullptr;
        QCheckBox *fett = nullptr, *kursiv = nullptr, *unterstrichen = nullptr;
        CFeld* groesse = nullptr;
        QRadioButton* ausrichtung[4] = {};
    };
    // The heading group lies at dy = 0, the body group 130 below it.
    void ErzeugeSchriftGruppe(CSchriftGruppe& g, const std::string& vorsilbe, const QString& titel, int dy,
                              bool randZuRand);
    void ZeigeSchrift(const CSchriftGruppe& g, const LOGFONT& lf, double groesse, int ausrichtung);
    void LiesSchrift(const CSchriftGruppe& g, LOGFONT& lf, double& groesse, int& ausrichtung) const;
    static std::vector<QWidget*> Steuer(const CSchriftGruppe& g);

    // The typed or chosen text file into the record (not stored yet).
    void TextnameUebernehmen(CText& t, const std::string& text) const;
    void SchriftSuchen(bool ueberschrift);
    std::string EigeneTexte() const;
    std::string Textsammlung() const;

    CTraining* m_pTraining = nullptr;
    CBenutzerprofil* m_pProfil = nullptr;

    QRadioButton *m_pSammlung = nullptr, *m_pEigen = nullptr;
    QLabel *m_pVorText = nullptr, *m_pZurueckText = nullptr;
    QComboBox *m_pTasteVor = nullptr, *m_pTasteZurueck = nullptr;
    CFeld* m_pTextname = nullptr;
    QPushButton* m_pSuchen = nullptr;
    CFeld *m_pOrdner = nullptr, *m_pEigeneTexte = nullptr;
    CSchriftGruppe m_Ueberschrift;
    CSchriftGruppe m_Text;
    QRadioButton *m_pOben = nullptr, *m_pMittig = nullptr, *m_pUnten = nullptr;
    CFeld* m_pZeilenabstand = nullptr;
    CFeld *m_pBildbreite = nullptr, *m_pBildhoehe = nullptr;
};
