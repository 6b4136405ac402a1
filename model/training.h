#pragma once

#include <string>
#include <vector>

#include "model/modell.h"
#include "model/trainingsaufgaben.h"
#include "model/trainingsbericht.h"

class CArchive;
class CUmgebung;

// Foreground task kinds; the kinds 30 and 40 have no page and show the
// background alone.
enum : int {
    AUFGABENART_SAKKADEN = 10,
    AUFGABENART_EXPLORATION = 20,
    AUFGABENART_SAETZE = 30,
    AUFGABENART_VORBEHALTEN = 40,
    AUFGABENART_TEXT = 50,
    AUFGABENART_SONSTIGES = 60,
};

// One training: the settings of its foreground task and its background, and
// the reports of every run made with them. Every record enters through a
// clamping setter, checked against the environment; a training therefore
// gets its environment before any record (the document sets it).
class CTraining : public CModell {
public:
    // Answers of Serialize.
    enum Ergebnis {
        Geladen = 0,
        KeineLumetraDatei = 1,
        KeineTrainingsdatei = 2,
        UngueltigeVersion = 3,
        SpaetereVersion = 4,
        Beschaedigt = 5,
    };

    CTraining();
    // Settings only, as the assignment.
    CTraining(const CTraining& andere);
    virtual ~CTraining();
    // Takes over the environment, the path, the task and every record
    // through the setters; the reports are not copied but emptied.
    CTraining& operator=(const CTraining& andere);

    // Stores into or loads from the archive (.lmt). A load that is refused
    // shows its message naming the file, leaves the training untouched and
    // answers the reason; 0 when stored or loaded.
    virtual int Serialize(CArchive& ar);

    void SetAufgabenart(int code);
    int GetAufgabenart() const { return m_nAufgabenart; }
    std::string GetAufgabenartName() const { return m_strAufgabenName; }

    CSakkaden GetSakkaden() const { return m_Sakkaden; }
    CExploration GetExploration() const { return m_Exploration; }
    CText GetText() const { return m_Text; }
    CSonstiges GetSonstiges() const { return m_Sonstiges; }
    CSatzAufgabe GetSatzAufgabe() const { return m_SatzAufgabe; }
    void SetSakkaden(CSakkaden r);
    void SetExploration(CExploration r);
    void SetText(CText r);
    void SetSonstiges(CSonstiges r);
    void SetSatzAufgabe(CSatzAufgabe r);

    // Background, colours and the environment: see CModell.

    // Reports, indices from 0.
    int GetBerichtAnzahl() const { return m_Berichte.GetSize(); }
    CTrainingsBericht* GetBericht(int i) const { return m_Berichte.GetAt(i); }
    // Copies the report into slot i or appends it; the list's answer.
    int SetBericht(int i, const CTrainingsBericht* bericht) { return m_Berichte.SetAtGrow(i, bericht); }
    // Deletes report i and keeps the shown page and report in range.
    int BerichtLoeschen(int i);
    int BerichteZuruecksetzen();

    // Evaluation of report `bericht` (trainingsauswertung.cpp): 0 done,
    // 1 no such report, 2 no environment or a chart not offered.
    int GetDiagrammNamen(std::vector<std::string>& namen, int& anzahl, int& anzahl2, int bericht);
    int BerichtAuswerten(int bericht);
    int GetErgebnisText(std::string& text, int bericht);
    int DiagrammErstellen(int diagramm, int bericht);
    int GetSteigungText(int diagramm, std::string& abschnitt, std::string& steigung, int bericht);
    int DiagrammZeichnen(int diagramm, CDC* dc, RECT rechteck, CFont* schrift, int bericht);

    // Kept for the views while the document is open; never stored.
    std::string m_strPfad;
    int m_nSeite = 1; // 1 settings, k + 1 report k
    int m_nBerichtNr = 0; // from 1, 0 none
    int m_nDiagrammwahl = 0;

private:
    int Laden(CArchive& ar);
    // Takes over a completely loaded training.
    void Uebernehmen(CTraining& geladen);

    CTrainingsBerichtListe m_Berichte;
    int m_nAufgabenart = AUFGABENART_SAKKADEN;
    std::string m_strAufgabenName = "Sakkaden";
    CSakkaden m_Sakkaden;
    CExploration m_Exploration;
    CSatzAufgabe m_SatzAufgabe;
    CText m_Text;
    CSonstiges m_Sonstiges;
};
