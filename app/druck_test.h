#pragma once

#include "app/druckrahmen.h"

class CTest;

// The printout of a test: its settings on page 1, one report on every
// further page. The test view prints, previews and saves as PDF with it:
//     CTestDruck(&test, &umgebung).Drucken(this);
class CTestDruck : public CDruckrahmen {
public:
    CTestDruck(CTest* test, CUmgebung* umgebung);

protected:
    bool HatModell() const override { return m_pTest != nullptr; }
    int BerichtAnzahl() const override;
    std::string Dateipfad() const override;
    int GezeigteSeite() const override;
    const char* ModellFehler() const override { return "Fehler: Konnte nicht auf die Testangaben zugreifen."; }
    void ZeichneAngaben(CDC* dc, const CDruckLayout& l) override;
    void ZeichneBericht(CDC* dc, const CDruckLayout& l, int bericht) override;
    int DiagrammZeichnen(int diagramm, CDC* dc, RECT r, CFont* schrift, int bericht) override;

private:
    // One value per row of the test block ("" for none).
    std::vector<std::string> Testwerte() const;

    CTest* m_pTest;
};
