#pragma once

#include <cstdint>

class CTastenliste;
class CTraining;
class CTest;
class CUmgebung;
class CHGAufgabe;

// Key bits of one poll.
enum : uint32_t {
    TASTE_ESCAPE = 0x80000000u,
    TASTE_ENTER = 0x8000u,
    TASTE_1 = 0x1, // next item, start of a test trial
    TASTE_2 = 0x2, // reaction key, end of an adjustment
    TASTE_3 = 0x4, // training leader: correct
    TASTE_4 = 0x8, // training leader: wrong
    TASTE_5 = 0x10, // next page
    TASTE_6 = 0x20, // previous page
    TASTE_ANTWORT_1 = 0x100,
    TASTE_ANTWORT_2 = 0x200,
    TASTE_ANTWORT_3 = 0x400,
    TASTE_ANTWORT_4 = 0x800,
    TASTE_HG_1 = 0x10000, // answers a background change
    TASTE_HG_2 = 0x20000, // starts the next background change
};

// The keys and mouse buttons of one run, polled straight from the keyboard
// state several times a frame. A key counts on the poll that finds it down
// after it was up; every key starts as "down", so a key held when the run
// begins counts only after it was released.
class CReaktionstasten {
public:
    CReaktionstasten();
    virtual ~CReaktionstasten();

    // Virtual key that entry index of the key table polls (without shift
    // state); the mouse buttons for codes from 0x10000; 0 for an index
    // outside the table or a character no key types.
    static uint16_t GetVirtKey(const CTastenliste& liste, int32_t index);

    // 0; 1 without training or test, 2 without environment.
    int TrainingEinrichten(const CTraining* training, const CUmgebung* umgebung);
    int TestEinrichten(const CTest* test, const CUmgebung* umgebung);
    // Re-arms the answer keys in level mode. 0.
    int Zuruecksetzen();
    uint32_t Abfragen();

    // Key slots: keys 1 to 6, answer keys 1 to 4, background keys 1 and 2.
    enum { ANZAHL = 12, ANTWORT = 6, HG = 10 };
    uint16_t GetCode(int platz) const { return (platz >= 0 && platz < ANZAHL) ? m_Codes[platz] : 0; }
    bool IstAktiv(int platz) const { return platz >= 0 && platz < ANZAHL && m_bAktiv[platz]; }
    bool IstFlankenmodus() const { return m_bFlanke; }

private:
    // Enables key slot platz with the table's code of index, or the default.
    void Einrichten(int platz, const CTastenliste& liste, int index, uint16_t vorgabe);
    void HGEinrichten(const CHGAufgabe& aufgabe, const CTastenliste& liste);
    void TestrecordEinrichten(int orientierung, int verfahren, int intervallModus, const int (&tasten)[4], int endTaste,
                              int startTaste, const CTastenliste& liste);
    // Edge detection for one key; true on a new press.
    static bool Flanke(bool& unten, uint16_t code);

    bool m_bAktiv[ANZAHL];
    bool m_bUnten[ANZAHL + 2]; // Escape, Enter, then the slots
    bool m_bFlanke;
    bool m_bScharf[4];
    uint16_t m_Codes[ANZAHL];
};
