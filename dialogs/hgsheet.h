#pragma once

#include "dialogs/blatt.h"
#include "dialogs/hgaufgabedlg.h"
#include "dialogs/hgbewegungdlg.h"
#include "dialogs/hgmusterdlg.h"
#include "model/test.h"
#include "model/training.h"

class CBenutzerprofil;
class CUmgebung;

// The sheet "Hintergrund ändern" of a training or a test: background task,
// pattern and motion on a working copy of the whole model. Only the kind
// that was bound is handed back.
class CHGSheet : public CBlatt {
public:
    explicit CHGSheet(const QString& titel, QWidget* eltern = nullptr, int startseite = 0);

    // Copies the model (no reports), binds and adds the three pages and
    // opens on the given page (0 task, 1 pattern, 2 motion), limited to
    // those three.
    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, const CTraining* training, int seite);
    void SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, const CTest* test, int seite);
    // Assigns the working copy (every record; the receiver's reports are
    // emptied) when a model of that kind was bound; otherwise nothing.
    void GetTraining(CTraining& training) const;
    void GetTest(CTest& test) const;

    const CTraining& GetArbeitstraining() const { return m_Training; }
    const CTest& GetArbeitstest() const { return m_Test; }
    CHGAufgabeDlg& GetAufgabenSeite() { return m_Aufgabe; }
    CHGMusterDlg& GetMusterSeite() { return m_Muster; }
    CHGBewegungDlg& GetBewegungsSeite() { return m_Bewegung; }

private:
    // Binds the three pages to the working copy and adds them.
    void SeitenBinden(CBenutzerprofil* profil, CUmgebung* umgebung, CModell& arbeitskopie, int seite);

    CUmgebung* m_pUmgebung = nullptr;
    // Before the pages: they write into them until they are gone.
    CTraining m_Training;
    const CTraining* m_pQuellTraining = nullptr;
    CTest m_Test;
    const CTest* m_pQuellTest = nullptr;
    CHGAufgabeDlg m_Aufgabe;
    CHGMusterDlg m_Muster;
    CHGBewegungDlg m_Bewegung;
};
