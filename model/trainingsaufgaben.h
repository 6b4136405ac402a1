#pragma once

#include <string>

#include "platform/draw/dc.h"
#include "workplace/geometrie.h"

// The parameter records of the training's foreground tasks. Sizes and
// positions are parts of the display; keys are indices into the
// environment's key table, stimulus sets indices into its catalogue. The
// training's setters clamp them (training.h).

// Saccade task.
class CSakkaden {
public:
    CSakkaden() = default;
    virtual ~CSakkaden() = default;

    // May reset an unknown mode to 0 ("---").
    const char* GetModusName();

    int m_nModus = 10; // 10 steps over a grid, 20 random positions
    int m_nDurchgangsende = 1; // 1 reaction key, 2 feedback, 0 variable time
    int m_nRueckmeldung = 0; // 1 the training leader answers with two keys
    int m_nDurchgangsstart = 0; // 1 start key of the training leader, 0 variable pause
    int m_nReserve1 = 0;
    int m_nMauszeiger = 0;
    double m_dPauseMin = 1.0;
    double m_dPauseMax = 3.0;
    double m_dDauerMin = 2.0;
    double m_dDauerMax = 2.0;
    int m_nZielliste = 0; // stimulus set, -1 none
    int m_nZielVon = 1;
    int m_nZielBis = 26;
    int m_nReserve2 = -1;
    int m_nReserve3 = 1;
    int m_nReserve4 = 1;
    double m_dReserve5 = 1.0;
    int m_nDurchgaenge = 36;
    int m_nZeilen = 4;
    int m_nSpalten = 12;
    int m_nSchrittXMin = 1;
    int m_nSchrittXMax = 1;
    int m_nSchrittYMin = 0;
    int m_nSchrittYMax = 1;
    double m_dZeichengroesse = 50.0 / 768.0;
    double m_dBildbreite = 1.0;
    double m_dBildhoehe = 0.6;
    int m_nReaktionstaste = 1;
    int m_nTasteRichtig = 50;
    int m_nTasteFalsch = 51;
    int m_nStarttaste = 0;
};

// Visual exploration task.
class CExploration {
public:
    CExploration() = default;
    virtual ~CExploration() = default;

    // May reset an unknown strategy to 0 ("---").
    const char* GetStrategieName();

    int m_nStrategie = 11; // 11, 12, 20, 30, 40, 50
    int m_nZellenZeilen = 2;
    int m_nZellenSpalten = 2;
    int m_nAnordnung = 0; // 0 ordered, 1 pseudo-random
    int m_nMauszeiger = 0;
    int m_nZielliste = 0; // first code table, -1 none
    int m_nZielVon = 1;
    int m_nZielBis = 26;
    int m_nHaeufigkeit = 1;
    int m_nDistraktorliste = 5; // second code table, -1 none
    int m_nDistraktorVon = 1;
    int m_nDistraktorBis = 32;
    int m_nZeilen = 6;
    int m_nSpalten = 8;
    int m_nAnzahl = 40;
    double m_dZeichengroesse = 50.0 / 768.0;
    double m_dBildbreite = 0.95;
    double m_dBildhoehe = 0.95;
    int m_nFreiflaecheAktiv = 1;
    CDRechteck m_Freiflaeche; // origin at the display centre, y upwards
};

// Reading a text.
class CText {
public:
    CText();
    virtual ~CText() = default;

    // The text's file name by kind; may reset an unknown kind to 0 ("---").
    std::string GetBeschreibung();

    int m_nTextart = 10; // 10 collection text, 20 own text file
    int m_nMauszeiger = 0;
    int m_nVertikal = 1; // 0 top, 1 middle, 2 bottom
    double m_dZeilenabstand = 1.3;
    std::string m_strSammlungstext = "Zecken (118).txt";
    std::string m_strEigenerText = "*.txt";
    std::string m_strSammlungsordner = "\\Gesundheit";
    std::string m_strEigenerOrdner;
    LOGFONT m_lfText;
    double m_dTextgroesse = 25.0 / 768.0;
    int m_nTextausrichtung = 3; // 0 left, 1 centred, 2 right, 3 justified
    LOGFONT m_lfUeberschrift;
    double m_dUeberschriftgroesse = 50.0 / 768.0;
    int m_nUeberschriftausrichtung = 1;
    double m_dBildbreite = 0.9;
    double m_dBildhoehe = 0.95;
    int m_nTasteVor = 9;
    int m_nTasteZurueck = 10;
};

// A foreground picture.
class CSonstiges {
public:
    CSonstiges() = default;
    virtual ~CSonstiges() = default;

    // "Keine Vordergrundaufgabe" or the picture file; may reset an unknown
    // kind to 0 ("---").
    std::string GetBeschreibung();

    int m_nBildart = 0; // 0 none, 10 own picture file
    int m_nMauszeiger = 0;
    std::string m_strBilddatei = "vgbild.bmp";
    std::string m_strBildordner;
};

// Sentence set: carried and copied with the training, never stored; only
// kind, set name and font mean anything.
class CSatzAufgabe {
public:
    CSatzAufgabe();
    virtual ~CSatzAufgabe() = default;

    int m_nArt = 10;
    std::string m_strSatzliste = "Sätze - Sprichwörter";
    int m_nWert3 = 1;
    int m_nWert4 = 0;
    int m_nWert5 = 1;
    int m_nWert6 = 0;
    double m_dWert7 = 2.0;
    double m_dWert8 = 3.0;
    double m_dWert9 = 1.4;
    int m_nWert10 = 1;
    int m_nWert11 = 1;
    int m_nWert12 = 5;
    int m_nWert13 = 1;
    int m_nWert14 = 0;
    LOGFONT m_lfSchrift;
    double m_dWert16 = 0.05;
    int m_nWert17 = 1;
    double m_dWert18 = 0.8;
    double m_dWert19 = 0.8;
};

// Default font of the text task and the sentence set: Arial, quality 2,
// variable pitch, Swiss family.
LOGFONT StandardTextSchrift(int gewicht);
