#pragma once

#include "app/seitenansicht.h"

class CLMTestDoc;
class CTest;

// The form view of a test: the settings page (the measuring task on the
// left, the background on the right) and one page per report, and the
// commands that present the test and move among its reports.
class CLMTestView : public CSeitenAnsicht {
    Q_OBJECT
public:
    // With a document the view binds to the application's profile and
    // environment and to the document's test at once.
    explicit CLMTestView(CLMTestDoc* dokument, QWidget* eltern = nullptr);
    ~CLMTestView() override;

    // Binds profile, environment and the test, takes the profile's font
    // when none is set and creates the controls; once.
    void Binden(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test);
    CTest* GetTest() const { return m_pTest; }

    void ErzeugeSteuerelemente();

    // -- Commands of this view's own names; the others are shared
    void OnTestangaben() { AngabenBefehl(); }
    void OnTestberichte() { BerichteBefehl(); }

protected:
    bool Gebunden() const override { return m_pTest != nullptr; }
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
    // The result box of the report page, for report index k.
    void ZeigeErgebnis(int k, uint32_t flags);
    // The distribution box for the chosen relation of report index k.
    void ZeigeVerteilung(int k);

    CTest* m_pTest = nullptr;
};
