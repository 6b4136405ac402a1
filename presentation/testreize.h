#pragma once

// What the line-bisection and the length-estimation renderer share: the
// stepped factors, the set of stimuli as their combinations, the trial
// sequence, the engine's flags and the ready screen. Each renderer describes
// its test in a CTestVorlage and computes one stimulus from its factor values.

#include "platform/draw/typen.h"
#include "workplace/geometrie.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CPraesentation;

// Trials beyond this count are refused as unusable settings: the lists of a
// run and its report grow with every trial.
constexpr int64_t kTestDurchgaengeMax = 1'000'000;

// One stepped factor: n steps spread from one bound to the other.
struct CTestFaktor {
    int32_t nStufen = 1;
    double dVon = 0.0; // lower bound
    double dBis = 0.0; // upper bound
    bool bAufsteigend = true; // from the lower bound up, else from the upper bound down
};

// Value of step i; one step stands at its start bound.
double FaktorWert(const CTestFaktor& f, int i);

// A pixel coordinate: v + 0.5 truncated towards zero.
LONG PixelRunden(double v);

// One stimulus: the two rectangles the frame loop fills (report rectangles
// 1 and 3, and 2 and 4), the room each may take (m_Rechtecke2 and
// m_Rechtecke3), and its centre, size and adjustment in parts of the display.
struct CTestReiz {
    RECT rcReiz1{}, rcReiz2{};
    RECT rcRaum2{}, rcRaum3{};
    CDPunkt punkt1, punkt2, punkt3;
};

// The line-bisection figure on a W x H pixel screen, centred at (X, Y) in
// parts of the display from the top left: the horizontal line of length hl
// and thickness th crosses the vertical one at its mark vm (a part of vl
// above its centre), the vertical line of length vl and thickness tv stands
// on the horizontal one at its mark hm (a part of hl right of its centre).
// The adjustment recomputes it with the moved marks.
CTestReiz LinienReiz(double X, double Y, double hl, double vl, double hm, double vm, double th, double tv, double W,
                     double H);

struct CTestVorlage {
    const char* titel = ""; // first line of the ready screen
    uint32_t aufgabe = 0; // task flag of the test kind
    int32_t verfahren = 0;
    int32_t intervallModus = 0;
    double intervallVon = 0.0, intervallBis = 0.0;
    int32_t cursor = 0;
    int32_t orientierung = 0;
    double geschwindigkeit = 0.0;
    int32_t reihenfolge = 0;
    int32_t wiederholungen = 0;
    int32_t durchsichtigkeit = 0; // of the background pattern
    double markeBreite = 0.0, markeHoehe = 0.0;
    // Factors in stimulus numbering order, the first the slowest.
    std::vector<CTestFaktor> faktoren;
    // The three factor groups that an order index 1..6 ranks, each with its
    // factors in their inner order.
    std::vector<int> gruppen[3];
    // Start trial: the shuffle seed of the first repetition block (the next
    // blocks add 1 each), and one more than the places each ordered block is
    // rotated by, (start - 1) mod S; the line record keeps it signed (C's
    // remainder, so 0 rotates by -1), the length record unsigned.
    int64_t start = 1;
    bool startOhneVorzeichen = false;
    // The stimulus of one combination of factor values (in factor order).
    std::function<CTestReiz(const std::vector<double>&)> reiz;
};

// The settings that both test records carry under the same names.
template <typename Satz>
void AngabenUebernehmen(CTestVorlage& v, const Satz& s)
{
    v.verfahren = s.m_nVerfahren;
    v.intervallModus = s.m_nIntervallModus;
    v.intervallVon = s.m_dIntervallVon;
    v.intervallBis = s.m_dIntervallBis;
    v.cursor = s.m_nCursor;
    v.orientierung = s.m_nOrientierung;
    v.geschwindigkeit = s.m_dGeschwindigkeit;
    v.reihenfolge = s.m_nReihenfolge;
    v.wiederholungen = s.m_nWiederholungen;
}

// Prepares the run from the description: 0, or 14 with m_nFehler set when
// the factors give no stimulus or too many trials.
int TestReizeErstellen(CPraesentation& e, const CTestVorlage& v);

// Places an ordered block of `reize` stimuli is rotated by; reize >= 1.
int64_t Drehung(int64_t start, bool ohneVorzeichen, int64_t reize);
