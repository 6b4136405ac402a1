#pragma once

#include "dialogs/blatt.h"
#include "dialogs/explorationdlg.h"
#include "dialogs/sakkadendlg.h"
#include "dialogs/sonstigesdlg.h"
#include "dialogs/textdlg.h"
#include "model/training.h"

class CBenutzerprofil;
class CUmgebung;

// The sheet "Vordergrundaufgabe ändern": chooses and sets up the foreground
// task on a working copy of the whole training, handed back on request
// after the sheet was accepted.
class CTrainingSheet : public CBlatt {
public:
    explicit CTrainingSheet(const QString& titel, QWidget* eltern = nullptr, int startseite = 0);

    // Copies the training (no reports), binds and adds the four pages and
    // opens on the page of the training's task.
    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, const CTraining& training);
    // Assigns the working copy: task and every record; empties the
    // receiver's reports.
    void GetTraining(CTraining& training) const;

    const CTraining& GetArbeitskopie() const { return m_Training; }
    CSakkadenDlg& GetSakkadenSeite() { return m_Sakkaden; }
    CExplorationDlg& GetExplorationSeite() { return m_Exploration; }
    CTextDlg& GetTextSeite() { return m_Text; }
    CSonstigesDlg& GetSonstigesSeite() { return m_Sonstiges; }

private:
    CUmgebung* m_pUmgebung = nullptr;
    // Before the pages: they write into it until they are gone.
    CTraining m_Training;
    CSakkadenDlg m_Sakkaden;
    CExplorationDlg m_Exploration;
    CTextDlg m_Text;
    CSonstigesDlg m_Sonstiges;
};
