#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/auswertungsgrundlage.h"
#include "model/berichtliste.h"
#include "model/diagramm.h"
#include "model/reizfeld.h"
#include "workplace/datentabelle.h"
#include "workplace/geometrie.h"

class CArchive;

// The result of one test run. The renderers size it and set the stimulus
// rectangles and the trial sequence, the trial logic counts the answers per
// stimulus and answer key. The evaluation keeps its tables and chart here;
// they are working objects, never copied or stored.
class CTestBericht {
public:
    CTestBericht();
    CTestBericht(const CTestBericht& r);
    virtual ~CTestBericht();
    // Copies the run's data, not the evaluation; always marks the report
    // as not evaluated, also on self-assignment.
    CTestBericht& operator=(const CTestBericht& r);

    void Zuruecksetzen();
    // Stores or loads the report's record; throws CArchiveException when
    // the record ends early or claims more entries than the file holds.
    void Serialize(CArchive& ar);

    // n < 0 counts as 0 (1); every entry zero; trial entries at or above n
    // become 0 (2); else 0.
    int SetAnzahlReize(int n);
    // m < 0 counts as 0 (1); m entries of 0; 2 without stimuli; else 0.
    int SetAnzahlDurchgaenge(int m);
    // Stimulus clamped to 0 .. n - 1 (1); 2 for a bad trial, nothing stored.
    int SetDurchgang(int durchgang, int reiz);
    // -1 for a bad trial or a stored value out of range.
    int GetDurchgang(int durchgang) const;

    // Per stimulus i: 1 for a bad index, else 0; getters answer zero.
    int SetRechteck1(int i, RECT r) { return SetRechteck(0, i, r); }
    int SetRechteck2(int i, RECT r) { return SetRechteck(1, i, r); }
    int SetRechteck3(int i, RECT r) { return SetRechteck(2, i, r); }
    int SetRechteck4(int i, RECT r) { return SetRechteck(3, i, r); }
    RECT GetRechteck1(int i) const { return GetRechteck(0, i); }
    RECT GetRechteck2(int i) const { return GetRechteck(1, i); }
    RECT GetRechteck3(int i) const { return GetRechteck(2, i); }
    RECT GetRechteck4(int i) const { return GetRechteck(3, i); }
    // Answers with the keys: links/breiter, rechts/schmäler, unten/kleiner, oben/höher.
    int IncZaehler1(int i) { return Schreibe(m_Zaehler[0], i, 1, true); }
    int IncZaehler2(int i) { return Schreibe(m_Zaehler[1], i, 1, true); }
    int IncZaehler3(int i) { return Schreibe(m_Zaehler[2], i, 1, true); }
    int IncZaehler4(int i) { return Schreibe(m_Zaehler[3], i, 1, true); }
    uint32_t GetZaehler1(int i) const { return ReizEintrag(m_Zaehler[0], i); }
    uint32_t GetZaehler2(int i) const { return ReizEintrag(m_Zaehler[1], i); }
    uint32_t GetZaehler3(int i) const { return ReizEintrag(m_Zaehler[2], i); }
    uint32_t GetZaehler4(int i) const { return ReizEintrag(m_Zaehler[3], i); }
    // Milliseconds; only the low 32 bits are kept.
    int SetZeit(int i, int64_t ms);
    int AddZeit(int i, int64_t ms);
    uint32_t GetZeit(int i) const { return ReizEintrag(m_Zeit, i); }
    double GetZeitSekunden(int i) const { return GetZeit(i) / 1000.0; }

    int IncKorrekteReaktionen();
    int IncFalscheAlarme();
    int GetKorrekteReaktionen() const { return m_nKorrekteReaktionen; }
    int GetFalscheAlarme() const { return m_nFalscheAlarme; }
    // Summed reaction time of the correct background reactions, ms.
    int AddDauer(int64_t ms);
    int64_t GetHGReaktionszeit() const { return m_nHGReaktionszeit; }
    double GetDauerSekunden() const { return m_nHGReaktionszeit / 1000.0; }

    int GetAnzahlReize() const { return m_nAnzahlReize; }
    int GetAnzahlDurchgaenge() const { return static_cast<int>(m_Durchgaenge.size()); }

    // Bytes of a stored report with n stimuli and m trials.
    static constexpr uint64_t GespeicherteGroesse(uint64_t n, uint64_t m) { return 80 + 84 * n + 4 * m; }

    // The run; the presentation writes these directly.
    int32_t m_nTestart = 0;
    uint32_t m_dwTestFlags = 0;
    RECT m_rcRechteck{0, 0, 0, 0};
    double m_dHGGeschwindigkeit = 0.0; // measured normal motion speed
    double m_dZielGeschwindigkeit = 0.0; // measured changed motion speed
    double m_dLaufzeit = 0.0; // seconds
    int32_t m_nTag = 0; // day number
    int32_t m_nUhrzeit = 0; // seconds of the day

    // Evaluation (rebuilt after every change). State 1: the tables are
    // built from this report and m_Grundlage; 3: nothing to evaluate.
    int32_t m_nAuswertung = 0;
    CAuswertungsGrundlage m_Grundlage;
    std::vector<std::string> m_Ergebnis; // result texts of the built tables, empty until asked for
    std::map<std::vector<int>, CDatentabelle> m_Gruppen; // the charts' groupings of the built tables
    int32_t m_nDiagramm = -1;
    int32_t m_nKurven = 0; // bit 1 line fitted, bit 2 probit curve fitted
    double m_dParameter1 = 0.0; // intercept or mu
    double m_dParameter2 = 0.0; // slope or sigma
    std::string m_strXTitel; // parameter texts of the built chart
    std::string m_strYTitel;
    CDatentabelle m_Tabelle1;
    CDatentabelle m_Tabelle2;
    CDiagramm m_Diagramm;

private:
    void Veraendert();
    bool Gueltig(int i) const { return i >= 0 && i < m_nAnzahlReize; }
    int SetRechteck(int k, int i, RECT r);
    RECT GetRechteck(int k, int i) const;
    int Schreibe(std::vector<uint32_t>& feld, int i, uint32_t wert, bool addieren);

    int64_t m_nHGReaktionszeit = 0;
    int32_t m_nKorrekteReaktionen = 0;
    int32_t m_nFalscheAlarme = 0;
    std::vector<int32_t> m_Durchgaenge;
    int32_t m_nAnzahlReize = 0;
    CRechteckListe m_Rechtecke[4];
    std::vector<uint32_t> m_Zaehler[4];
    std::vector<uint32_t> m_Zeit;
};

// A test's reports, owned.
class CTestBerichtListe : public CBerichtListe<CTestBericht> {};
