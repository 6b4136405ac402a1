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
    // The commands by id; false for an id the view does not answer.
    bool Befehl(int id) override;

    // -- Commands
    void OnPraesentation();
    void OnTrainingsangaben();
    void OnTrainingsberichte();
    void OnNaechsterBericht();
    void OnVorherigerBericht();
    void OnBerichtLoeschen();
    void OnAlleBerichteLoeschen();

    // Report menu and buttons from the report count and the page shown,
    // then the tool bar is shown.
    void AktualisiereBerichtMenue();

protected:
    bool Gebunden() const override { return m_pTraining != nullptr; }
    int BerichtAnzahl() const override;
    int& Seite() override;
    int& BerichtNr() override;
    int& Diagrammwahl() override;
    int DiagrammNamen(std::vector<std::string>& namen, int& anzahl1, int& anzahl2, int bericht) override;
    std::string Seitentitel(bool bericht) const override;

    void ZeigeAngaben() override;
    void ZeigeBericht() override;
    void ZeichneFarben(CDC* dc) override;
    void ZeichneBerichtGrafik(CDC* dc) override;
    void PruefeSymbolleiste() override;

private:
    // Key name of an index of the reaction-key table, or the fallback.
    std::string Tastenname(int index, const char* ersatz) const;
    // The document changed: marked for saving.
    void Geaendert();
    // A yes/no question; true for "Ja".
    bool Frage(const std::string& text);
    // Current report nr clamped to the reports, its page and relation
    // list; the settings page when there is no report.
    void ZeigeBerichtNr(int nr);

    CTraining* m_pTraining = nullptr;
};
