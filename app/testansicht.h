#pragma once

#include "app/modellansicht.h"
#include "model/test.h"

class CLMTestDoc;

// The form view of a test: the settings page (the measuring task on the
// left, the background on the right) and one page per report, and the
// commands that present the test and move among its reports.
class CLMTestView : public CModellAnsicht<CTest> {
    Q_OBJECT
public:
    // With a document the view binds to the application's profile and
    // environment and to the document's test at once.
    explicit CLMTestView(CLMTestDoc* dokument, QWidget* eltern = nullptr);
    ~CLMTestView() override;

    CTest* GetTest() const { return m_pModell; }

    void ErzeugeSteuerelemente() override;

    // -- Commands of this view's own names; the others are shared
    void OnTestangaben() { AngabenBefehl(); }
    void OnTestberichte() { BerichteBefehl(); }

protected:
    int Darbieten(CDarbietung& darbietung) override;
    int BerichtAnhaengen(const CDarbietung& darbietung) override;

    void ZeigeAngaben() override;
    void ZeigeBericht() override;
    void ZeichneFarben(CDC* dc) override;

private:
    // The result box of the report page, for report index k.
    void ZeigeErgebnis(int k, uint32_t flags);
    // The distribution box for the chosen relation of report index k.
    void ZeigeVerteilung(int k);
};
