#pragma once

#include "app/seitenansicht.h"

class CLMTrainingDoc;
class CTraining;

// The form view of a training: the settings page (the foreground task on
// the left, the background on the right) and one page per report, and the
// commands that present the training and move among its reports.
class CLMTrainingView : public CSeitenAnsicht {
    Q_OBJECT
public:
    // With a document the view binds to the application's profile and
    // environment and to the document's training at once.
    explicit CLMTrainingView(CLMTrainingDoc* dokument, QWidget* eltern = nullptr);
    ~CLMTrainingView() override;

    // Binds profile, environment and the training, takes the profile's font
    // when none is set and creates the controls; once.
    void Binden(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);
    CTraining* GetTraining() const { return m_pTraining; }

    void ErzeugeSteuerelemente();

    // -- Commands of this view's own names; the others are shared
    void OnTrainingsangaben() { AngabenBefehl(); }
    void OnTrainingsberichte() { BerichteBefehl(); }

protected:
    bool Gebunden() const override { return m_pTraining != nullptr; }
    int BerichtAnzahl() const override;
    int& Seite() override;
    int& BerichtNr() override;
    int& Diagrammwahl() override;
    int DiagrammNamen(std::vector<std::string>& namen, int& anzahl1, int& anzahl2, int bericht) override;
    void BerichtEntfernen(int index) override;
    void BerichteEntfernen() override;
    int Darbieten(CDarbietung& darbietung) override;
    int BerichtAnhaengen(const CDarbietung& darbietung) override;

    void ZeigeAngaben() override;
    void ZeigeBericht() override;
    void ZeichneFarben(CDC* dc) override;
    void ZeichneBerichtGrafik(CDC* dc) override;

private:
    CTraining* m_pTraining = nullptr;
};
