#pragma once

#include "dialogs/rasterdialog.h"
#include "model/hintergrund.h"

class CModell;
class CTest;
class CTraining;
class QPainter;

// The colours of one training or test, edited on a copy of its colour
// record; the model takes the copy back only through GetTraining or GetTest
// after the dialog was confirmed. Each colour is chosen in the colour
// chooser, which runs through the modal runner.
class CFarbenDlg : public CRasterDialog {
public:
    explicit CFarbenDlg(QWidget* eltern = nullptr);

    void SetTraining(CBenutzerprofil* profil, const CTraining* training);
    void SetTest(CBenutzerprofil* profil, const CTest* test);
    // Only for the kind of model the dialog was opened for.
    void GetTraining(CTraining* training) const;
    void GetTest(CTest* test) const;

    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;

    const CFarben& GetFarben() const { return m_Farben; }

    void OnAendernBeispielreiz();
    void OnAendernVordergrund();
    void OnAendernHintergrund();
    void OnAendernStandardmuster();
    void OnAendernZielmuster();
    // The swatches, in the layer above the controls.
    void OnPaint(QPainter& painter);

protected:
    void LeseDaten() override {}
    void OnSchaltflaeche(QPushButton* knopf) override;

private:
    // Runs the chooser on one colour. Qt's chooser always shows the custom
    // colours, which it keeps for the run.
    void Aendern(uint32_t& farbe);
    void Zeile(const char* name, const char* text, int y);
    // The bound training or test, whichever it is; null when none.
    const CModell* Modell() const;
    void Binden(CBenutzerprofil* profil);

    const CTraining* m_pTraining = nullptr;
    const CTest* m_pTest = nullptr;
    CFarben m_Farben;
    QLabel* m_pZielLabel = nullptr;
    QPushButton* m_pZielKnopf = nullptr;
};
