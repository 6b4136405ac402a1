#pragma once

#include "app/modellansicht.h"
#include "model/training.h"

class CLMTrainingDoc;

// The form view of a training: the settings page (the foreground task on
// the left, the background on the right) and one page per report, and the
// commands that present the training and move among its reports.
class CLMTrainingView : public CModellAnsicht<CTraining> {
    Q_OBJECT
public:
    // With a document the view binds to the application's profile and
    // environment and to the document's training at once.
    explicit CLMTrainingView(CLMTrainingDoc* dokument, QWidget* eltern = nullptr);
    ~CLMTrainingView() override;

    CTraining* GetTraining() const { return m_pModell; }

    void ErzeugeSteuerelemente() override;

    // -- Commands of this view's own names; the others are shared
    void OnTrainingsangaben() { AngabenBefehl(); }
    void OnTrainingsberichte() { BerichteBefehl(); }

protected:
    int Darbieten(CDarbietung& darbietung) override;
    int BerichtAnhaengen(const CDarbietung& darbietung) override;

    void ZeigeAngaben() override;
    void ZeigeBericht() override;
    void ZeichneFarben(CDC* dc) override;
};
