#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Parameter records of the two measuring tasks of a test. Lengths and
// positions are parts of the display width (x) or height (y); positions are
// offsets of a stimulus's centre from the display centre. Key fields are
// indices into the environment's reaction-key table. Every stepped factor
// has a step count and a lower and an upper bound.

// Method codes shared by both records.
enum : int32_t {
    VERFAHREN_HERSTELLUNG = 10, // the trainee adjusts the stimulus with keys
    VERFAHREN_KONSTANT = 20, // the trainee answers each fixed stimulus
};

// Line bisection.
class CLinien {
public:
    CLinien();

    // "---" for an unknown method, which is then set to 0 in this record.
    std::string GetVerfahrenName();

    int32_t m_nVerfahren;
    int32_t m_nIntervallModus; // 1 start by the test leader, 0 variable pause
    double m_dIntervallVon; // seconds
    double m_dIntervallBis;
    int32_t m_nCursor; // 1 keeps the mouse cursor visible
    int32_t m_nOrientierung; // 1 horizontal, 2 vertical, 3 both
    int32_t m_nTasteLinks;
    int32_t m_nTasteRechts;
    int32_t m_nTasteOben;
    int32_t m_nTasteUnten;
    int32_t m_nEndTaste;
    int32_t m_nStartTaste;
    double m_dGeschwindigkeit; // parts of the display width per second
    int32_t m_nReihenfolge;
    uint32_t m_dwRichtungen; // step directions, bits 1, 2, 4
    int32_t m_nStartDurchgang;
    int32_t m_nPermutationen; // product of the six step counts
    int32_t m_nWiederholungen;
    int32_t m_nHLaengeStufen;
    int32_t m_nHPositionStufen;
    int32_t m_nHTrennStufen;
    int32_t m_nVLaengeStufen;
    int32_t m_nVPositionStufen;
    int32_t m_nVTrennStufen;
    double m_dHDicke; // y
    double m_dHLaengeVon; // x
    double m_dHLaengeBis;
    double m_dVDicke; // x
    double m_dVLaengeVon; // y
    double m_dVLaengeBis;
    double m_dHPositionVon; // x
    double m_dHPositionBis;
    double m_dHTrennVon; // dividing mark, part of the line length
    double m_dHTrennBis;
    double m_dVPositionVon; // y
    double m_dVPositionBis;
    double m_dVTrennVon;
    double m_dVTrennBis;
};

// Length estimation: a test stimulus compared with an example stimulus.
class CLaengen {
public:
    CLaengen();

    // "---" for an unknown method, which is then set to 0 in this record.
    std::string GetVerfahrenName();

    int32_t m_nVerfahren;
    int32_t m_nIntervallModus;
    double m_dIntervallVon;
    double m_dIntervallBis;
    int32_t m_nCursor;
    int32_t m_nOrientierung;
    int32_t m_nTasteSchmaeler;
    int32_t m_nTasteBreiter;
    int32_t m_nTasteKleiner;
    int32_t m_nTasteHoeher;
    double m_dGeschwindigkeit;
    int32_t m_nEndTaste;
    int32_t m_nStartTaste;
    int32_t m_nReihenfolge;
    int32_t m_nRichtungen;
    uint32_t m_uStartDurchgang;
    int32_t m_nPermutationen; // product of the six step counts on the page
    int32_t m_nWiederholungen;
    int32_t m_nBspBreiteStufen;
    int32_t m_nBspHoeheStufen;
    int32_t m_nBspVPositionStufen; // not on the page, stored as it comes
    int32_t m_nTestBreiteStufen;
    int32_t m_nTestHoeheStufen;
    int32_t m_nTestPositionStufen;
    int32_t m_nVPositionStufen;
    double m_dBspBreiteVon; // x
    double m_dBspBreiteBis;
    double m_dBspHoeheVon; // y
    double m_dBspHoeheBis;
    double m_dTestBreiteVon; // part of the example width
    double m_dTestBreiteBis;
    double m_dTestHoeheVon; // part of the example height
    double m_dTestHoeheBis;
    double m_dTestPositionVon; // x
    double m_dTestPositionBis;
    double m_dVPositionVon; // y, example and test
    double m_dVPositionBis;
    double m_dBspVPositionVon; // not on the page
    double m_dBspVPositionBis;
};

// The clamping that the test applies to a record before storing it.
void LinienBegrenzen(CLinien& l);
void LaengenBegrenzen(CLaengen& l);

// Product of step counts, saturated at the largest int; at least 1.
int32_t StufenProdukt(std::initializer_list<int32_t> stufen);
// Brings a start trial into 0 .. permutationen (both included), as repeated
// adding or subtracting of the permutations would.
int32_t StartDurchgangBegrenzen(int32_t start, int32_t permutationen);
uint32_t StartDurchgangBegrenzen(uint32_t start, int32_t permutationen);

// Trials of a run: stimuli (the product of all step counts the renderer
// multiplies) times repetitions, in 64 bits so that it cannot overflow.
int64_t AnzahlDurchgaenge(const CLinien& l);
int64_t AnzahlDurchgaenge(const CLaengen& l);
