#pragma once

#include <cstdint>
#include <vector>

#include "model/auswertungsgrundlage.h"
#include "model/berichtliste.h"
#include "model/diagramm.h"
#include "platform/draw/typen.h"
#include "workplace/datentabelle.h"
#include "workplace/geometrie.h"

class CArchive;

// The result of one training run. The presentation fills it; the training
// keeps a copy per run and stores it; the evaluation adds its tables and
// chart, which are working objects and never stored or copied.
class CTrainingsBericht {
public:
    CTrainingsBericht();
    CTrainingsBericht(const CTrainingsBericht& r);
    virtual ~CTrainingsBericht();
    // Copies the run's data, not the evaluation; always marks the report
    // as not evaluated, also on self-assignment.
    CTrainingsBericht& operator=(const CTrainingsBericht& r);

    void Zuruecksetzen();
    // Stores or loads the report's record; throws CArchiveException when
    // the record ends early or claims more stimuli than the file holds.
    void Serialize(CArchive& ar);

    // 1 for n < 0 (then no stimuli), else every entry zero and 0.
    int SetAnzahlReize(int n);

    // Writing one stimulus: 1 for an index outside the stimuli, else 0.
    int SetRechteck(int i, int links, int oben, int rechts, int unten);
    int SetPunkt(int i, int x, int y);
    int IncZaehler1(int i);
    int IncZaehler2(int i);
    int IncZaehler3(int i);
    int SetMarke(int i);
    int SetZeit(int i, uint64_t ms); // keeps the low 32 bits
    int AddZeit(int i, uint64_t ms); // adds the low 32 bits

    void IncKorrekteReaktionen();
    void IncFalscheAlarme();
    void AddDauer(uint64_t ms);

    // Reading one stimulus: 0 (the zero point) outside the stimuli.
    POINT GetPunkt(int i) const;
    RECT GetRechteck(int i) const;
    uint32_t GetZaehler1(int i) const;
    uint32_t GetMarke(int i) const;
    uint32_t GetZaehler2(int i) const;
    uint32_t GetZaehler3(int i) const;
    uint32_t GetZeit(int i) const;
    double GetZeitSekunden(int i) const;

    // Foreground false alarms.
    int SummeZaehler1() const;
    // Wrong answers: stimuli with counter 2.
    int AnzahlMitZaehler2() const;
    // Correct answers: stimuli with counter 3 and without counter 2.
    int AnzahlNurZaehler3() const;
    // Stimuli the run presented: it shows them in order, so every one up to
    // the last that left a time, a reaction or an answer. The answers'
    // shares are taken of these.
    int AnzahlDargeboten() const;
    // Summed background reaction time in seconds.
    double GetDauerSekunden() const;
    int GetKorrekteReaktionen() const { return m_nKorrekteReaktionen; }
    int GetFalscheAlarme() const { return m_nFalscheAlarme; }
    int GetAnzahlReize() const { return m_nAnzahlReize; }
    uint64_t GetHGReaktionszeit() const { return m_nHGReaktionszeit; }

    // Bytes of a stored report with n stimuli.
    static constexpr uint64_t GespeicherteGroesse(uint64_t n) { return 84 + 44 * n; }

    // Evaluation (kept by the report, rebuilt after every change). State 1:
    // the tables are built from this report and m_Grundlage; 3: nothing to evaluate.
    int m_nAuswertung = 0;
    CAuswertungsGrundlage m_Grundlage;
    int m_nDiagramm = -1;
    int m_nGeraden = 0; // bits 1, 2, 4: fitted lines 1 to 3 exist
    double m_dAchsenabschnitt[3] = {0.0, 0.0, 0.0};
    double m_dSteigung[3] = {0.0, 0.0, 0.0};
    CDatentabelle m_Tabelle;
    CDatentabelle m_Gruppentabelle;
    CDiagramm m_Diagramm;

    // The run; the presentation writes these directly.
    int m_nAufgabenart = 0;
    uint32_t m_dwAufgabenFlags = 0;
    int m_nRasterSpalten = 0;
    int m_nRasterZeilen = 0;
    RECT m_rcPositionen{0, 0, 0, 0}; // pixels, saccade task only
    double m_dStandardGeschwindigkeit = 0.0;
    double m_dZielGeschwindigkeit = 0.0;
    double m_dLaufzeit = 0.0; // seconds
    int m_nTag = 0; // day number
    int m_nUhrzeit = 0; // seconds since midnight

private:
    void Veraendert();
    int Schreibe(std::vector<uint32_t>& feld, int i, uint32_t wert, bool addieren);
    bool Gueltig(int i) const { return i >= 0 && i < m_nAnzahlReize; }

    uint64_t m_nHGReaktionszeit = 0; // ms of the correct background reactions
    int m_nKorrekteReaktionen = 0;
    int m_nFalscheAlarme = 0;
    int m_nAnzahlReize = 0;
    CRechteckListe m_Rechtecke;
    CPunktListe m_Punkte;
    std::vector<uint32_t> m_Zaehler1;
    std::vector<uint32_t> m_Marke;
    std::vector<uint32_t> m_Zaehler2;
    std::vector<uint32_t> m_Zaehler3;
    std::vector<uint32_t> m_Zeit;
};

// The training's reports, owned; they are handed in by pointer.
class CTrainingsBerichtListe : public CBerichtListe<CTrainingsBericht> {
public:
    CTrainingsBerichtListe() = default;
    CTrainingsBerichtListe(const CTrainingsBerichtListe&) = delete;
    CTrainingsBerichtListe& operator=(const CTrainingsBerichtListe&) = delete;

    // As the list's, and 2 for a null report.
    int SetAtGrow(int i, const CTrainingsBericht* bericht)
    {
        if (i < 0)
            return 1;
        return bericht ? CBerichtListe::SetAtGrow(i, *bericht) : 2;
    }
};
