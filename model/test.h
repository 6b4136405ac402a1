#pragma once

#include <string>
#include <vector>

#include "model/modell.h"
#include "model/testaufgaben.h"
#include "model/testbericht.h"

class CArchive;
class CUmgebung;

// Test kinds; only line bisection and length estimation have a record.
enum : int {
    TESTART_KEINE = 0,
    TESTART_LINIEN = 10,
    TESTART_LAENGEN = 20,
    TESTART_MITTE = 30,
    TESTART_EXTINKTION = 40,
    TESTART_EXPLORATION = 50,
};

// One test: its kind, both task records, background and colours, and the
// reports of its runs. The test document holds it by value; its file is the
// serialised stream (.lmd).
class CTest : public CModell {
public:
    CTest();
    // Settings only: every record passes its setter again, no reports.
    CTest(const CTest& t);
    virtual ~CTest();
    CTest& operator=(const CTest& t);

    // Stores the test, or loads it. A refused or damaged file is named in a
    // message box and leaves the test as it was; the answer says why
    // (DATEI_GELADEN or another code of workplace/dateikopf.h).
    virtual int Serialize(CArchive& ar);

    void SetTestart(int art);
    int GetTestart() const { return m_nTestart; }
    std::string GetTestartName() const { return m_strTestartName; }

    CLinien GetLinien() const { return m_Linien; }
    void SetLinien(CLinien l);
    CLaengen GetLaengen() const { return m_Laengen; }
    void SetLaengen(CLaengen l);

    int GetBerichtAnzahl() const { return m_Berichte.GetSize(); }
    // Null outside 0 .. count - 1; the list keeps the report.
    CTestBericht* GetBericht(int index) const { return m_Berichte.GetAt(index); }
    // Copies the report into the list, appending at the count or beyond.
    // 0 done, 1 bad index, 2 no storage.
    int SetBericht(int index, const CTestBericht& bericht);
    // Keeps the shown page and report within the remaining reports.
    int BerichtLoeschen(int index);
    int BerichteZuruecksetzen();

    // Evaluation of report `bericht` (testauswertung.cpp): 0 done, 1 no such
    // report, 2 no environment, 3 a chart not offered.
    int GetDiagrammNamen(std::vector<std::string>& namen, int& abweichung, int& haeufigkeit, int bericht);
    int BerichtAuswerten(int bericht);
    int GetErgebnisText(std::string& zeit, std::string& horiz1, std::string& horiz2, std::string& vert1,
                        std::string& vert2, int bericht);
    int DiagrammErstellen(int diagramm, int bericht);
    int GetAchsentitel(int diagramm, std::string& text1, std::string& text2, int bericht);
    int DiagrammZeichnen(int diagramm, CDC* dc, RECT rechteck, CFont* schrift, int bericht);

    // Settings texts: value ranges of the stepped factors and the trial
    // order, for the kind's record; empty for the other kinds.
    std::string GetBereichText1() const;
    std::string GetBereichText2() const;
    std::string GetProzentBereichText() const;
    std::string GetReihenfolgeText() const;

    // Not stored: set on every load and store, and the view's page state
    // (page shown: 1 settings, k + 1 report k; report shown and relation
    // chosen 1-based, 0 none).
    std::string m_strPfad;
    int m_nSeite = 1;
    int m_nBerichtNr = 0;
    int m_nDiagrammwahl = 0;

private:
    int Laden(CArchive& ar);
    void Speichern(CArchive& ar);

    CTestBerichtListe m_Berichte;
    int m_nTestart = TESTART_LINIEN;
    std::string m_strTestartName = "Linienhalbierung";
    CLinien m_Linien;
    CLaengen m_Laengen;
};
