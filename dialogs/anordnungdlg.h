#pragma once

#include "dialogs/rasterdialog.h"
#include "workplace/umgebung.h"

class CBenutzerprofil;
class QComboBox;

// "Anordnung und Bildschirmmodus ändern": size of the display area, the
// viewer's distance and the screen mode of presentations, edited on copies
// that only Uebernehmen hands back.
class CAnordnungDlg : public CRasterDialog {
public:
    explicit CAnordnungDlg(QWidget* eltern = nullptr);
    ~CAnordnungDlg() override;

    void SetUmgebung(CBenutzerprofil* profil, CUmgebung* umgebung);
    // Arrangement, then the mode through the mode check: 0 accepted, 1 no
    // mode listed.
    int Uebernehmen(CUmgebung* umgebung);

    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

    CAnordnung GetAnordnung() const { return m_Anordnung; }
    CBildschirmModus GetBildschirmModus() const { return m_Modus; }

private:
    const CModusListe* Modusliste() const;

    CUmgebung* m_pUmgebung = nullptr;
    CAnordnung m_Anordnung;
    CBildschirmModus m_Modus;

    CFeld* m_pBreite = nullptr;
    CFeld* m_pHoehe = nullptr;
    CFeld* m_pAbstand = nullptr;
    QComboBox* m_pTreiber = nullptr;
    QComboBox* m_pModus = nullptr;
    CFeld* m_pFrequenz = nullptr;
};
