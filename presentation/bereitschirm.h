#pragma once

// What the training renderers share for their ready screens and files.

#include "platform/draw/dc.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class CPraesentation;

// The profile's font, or Arial with the default character set.
LOGFONT ProfilSchrift(const CPraesentation& e);

// The ready-screen font: the profile's font at a fortieth of the screen
// height, at least 10 pixels. Answers the height read back.
int BereitSchriftErstellen(const CPraesentation& e, CFont& schrift);

// Texts on the back buffer, each centred on x with its bottom at y, in the
// foreground colour on the background colour. False when the back buffer
// gives no device context.
bool BereitSchreiben(CPraesentation& e, CFont& schrift, const std::vector<std::pair<POINT, std::string>>& texte);

// Lines centred across the back buffer, a font height apart, the middle one
// with its bottom half a line below the screen's middle, in the ready-screen
// font.
void BereitSchreiben(CPraesentation& e, std::initializer_list<std::string> zeilen);

// A renderer's failure value: the first one counts. Values are not bits:
// ORed together they could make 14, which means unusable settings.
inline void FehlerMerken(int& ergebnis, int wert)
{
    if (ergebnis == 0)
        ergebnis = wert;
}

// A font without a face would draw nothing: the run ends with a file error
// naming the font, as a missing picture does.
void SchriftFehlt(CPraesentation& e, const LOGFONT& lf);

// A field of parts of the display width and height, cut to the screen and
// centred on it.
RECT MittigesFeld(const CPraesentation& e, double breite, double hoehe);

// Reasons of a refusal, each one sentence: a size (its name with the
// article) that gives fewer than one pixel; a count of parts (rows, columns)
// that a length (its name without article, feminine) of so many pixels
// cannot hold, one pixel each at least.
std::string MindestensEinPixel(const std::string& groesse, int pixel);
std::string HoechstensTeile(int anzahl, const std::string& teile, const std::string& laenge, int pixel, int hoechstens);

// A task's file: an empty subfolder puts the name into the folder, one
// beginning with "\" is a folder below it, any other one (a Linux path
// begins with "/") a path of its own.
std::string AufgabenPfad(const std::string& ordner, const std::string& unterordner, const std::string& name);
