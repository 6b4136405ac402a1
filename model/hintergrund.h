#pragma once

#include <cstdint>
#include <string>

class CArchive;
class CUmgebung;

// Background pattern behind the foreground task. Sizes are parts of the
// display; the name is derived by the models' setters and never stored.
class CHGMuster {
public:
    CHGMuster() = default;
    virtual ~CHGMuster() = default;

    int m_nArt = 20; // 0 none, 10 stripes, 20 characters, 30 random dots
    int m_nForm = 1; // with kind 20: 1 ellipse, 2 arrow, 3 rectangle
    std::string m_strName = "Zeichen: Ellipse";
    int m_nVerteilung = 1; // 0 ordered, 1 pseudo-random, 2 random
    int m_nDurchsichtigkeit = 1; // 0 whole background, 1 free background only, 2 border only
    int m_nZeilen = 10;
    int m_nSpalten = 1;
    int m_nAnzahl = 350;
    double m_dElementbreite = 0.01;
    double m_dElementhoehe = 0.01;
    double m_dZyklusbreite = 1.0;
};

// Horizontal motion of the background.
class CHGBewegung {
public:
    CHGBewegung() = default;
    virtual ~CHGBewegung() = default;
    CHGBewegung(const CHGBewegung&) = default;
    CHGBewegung& operator=(const CHGBewegung& r);

    int m_nRichtung = -1; // 1 to the right, anything else to the left
    double m_dGeschwindigkeit = 0.15; // parts of the display width per second, signed
};

// The background task: notice a change of the pattern's colour or speed.
class CHGAufgabe {
public:
    CHGAufgabe() = default;
    virtual ~CHGAufgabe() = default;

    int m_nArt = 0; // 0 none, 10 colour change, 20 speed change
    std::string m_strName = "Keine Hintergrundaufgabe";
    int m_nDurchgangsende = 1; // 1 with the reaction key, else a variable time
    int m_nIntervallmodus = 0; // 1 started by the training leader, else a variable pause
    int m_nAsynchron = 1;
    double m_dZielgeschwindigkeit = 0.3;
    double m_dDauerMin = 2.0;
    double m_dDauerMax = 2.0;
    double m_dIntervallMin = 10.0;
    double m_dIntervallMax = 20.0;
    int m_nReaktionstaste = 1; // key index
    int m_nStarttaste = 0; // key index
};

// The five colours of a training or test, COLORREF 0x00BBGGRR.
class CFarben {
public:
    CFarben() = default;
    virtual ~CFarben() = default;

    uint32_t m_crBeispielreiz = 0x000000;
    uint32_t m_crVordergrund = 0x000000;
    uint32_t m_crHintergrund = 0xFFF0F0;
    uint32_t m_crStandardmuster = 0xFFA4A4;
    uint32_t m_crZielmuster = 0xFFA4FF;
};

// The clamps of the background records. Each brings its record into range
// in place; u may be null, then what needs the environment is left as it
// is.

// Pattern: sizes, grid limits, counts, kind, shape and name.
void BegrenzeHGMuster(CHGMuster& r, const CUmgebung* u);
// A speed limited so that the pattern moves at most half a cycle in a
// tenth of a second; the sign is kept.
double BegrenzeGeschwindigkeit(double v, double zyklusbreite);
void BegrenzeHGBewegung(CHGBewegung& r, double zyklusbreite);
// Task: keys against the key table, time bounds, target speed, name.
void BegrenzeHGAufgabe(CHGAufgabe& r, const CUmgebung* u, double zyklusbreite);

// The background and colours of a training or a test: the four records,
// each entering through its clamping setter, checked against the
// environment u of the model that holds them.
class CHintergrund {
public:
    CHGMuster GetHGMuster() const { return m_HGMuster; }
    CHGBewegung GetHGBewegung() const { return m_HGBewegung; }
    CHGAufgabe GetHGAufgabe() const { return m_HGAufgabe; }
    CFarben GetFarben() const { return m_Farben; }
    // Also applies the task and the motion again: their speed limits
    // follow the cycle width.
    void SetHGMuster(CHGMuster r, const CUmgebung* u);
    void SetHGBewegung(CHGBewegung r);
    void SetHGAufgabe(CHGAufgabe r, const CUmgebung* u);
    // Stored unchanged.
    void SetFarben(const CFarben& r) { m_Farben = r; }
    // Every record of the other through its setter, the colours last.
    void Uebernehmen(const CHintergrund& andere, const CUmgebung* u);

    // The four blocks, the same in training and test files. Loading passes
    // the task and then the pattern through their setters and takes motion
    // and colours as read; a file before version 100 numbers its keys the
    // old way and lacks the example-stimulus colour, which stays as held.
    void Speichern(CArchive& ar);
    void Laden(CArchive& ar, const CUmgebung* u, uint32_t version);

private:
    CHGMuster m_HGMuster;
    CHGBewegung m_HGBewegung;
    CHGAufgabe m_HGAufgabe;
    CFarben m_Farben;
};
