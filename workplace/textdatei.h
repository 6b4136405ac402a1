#pragma once

#include <string>
#include <vector>

#include "platform/draw/typen.h"

class CDC;

// Text files of the reading task, breaking text to a pixel width, one line
// abbreviated into a rectangle, and splitting paths. No state.

// Results of LeseTextdatei.
enum : int {
    TEXTDATEI_FEHLER = 513, // the file cannot be read
    TEXTDATEI_FEHLT = 515, // no such file
    TEXTDATEI_ZU_LANG = 517, // more than 1000 lines: the rest is not read
    TEXTDATEI_ZU_GROSS = 519, // more bytes than TEXTDATEI_MAX_BYTES: nothing is read
};

// A reading text is at most 1000 lines, shown a page at a time: a megabyte
// is hundreds of pages even at a small font, while a larger file only costs
// seconds of line breaking and memory before anyone could read it.
constexpr long long TEXTDATEI_MAX_BYTES = 1 << 20;

// Reads the lines of a text file, each ending in CR LF except the last,
// which keeps its bytes. UTF-8 when the bytes are valid UTF-8, else
// Windows-1252. On failure zeilen stays as it was.
int LeseTextdatei(std::vector<std::string>* zeilen, const std::string& pfad);

// Breaks every line into lines no wider than breite on dc, at blanks and
// after hyphens. 1 (ausgabe empty) for empty input or breite < 1.
int ZerlegeText(const std::vector<std::string>& eingabe, std::vector<std::string>* ausgabe, CDC* dc, int breite);

// Flags of UmbrecheText.
enum : int {
    UMBRUCH_NICHTS = 1, // nothing drawn
    UMBRUCH_POSITION_KLEIN = 2, // position below 0.0 taken as 0.0
    UMBRUCH_POSITION_GROSS = 4, // position above 1.0 taken as 1.0
    UMBRUCH_ZU_SCHMAL = 8, // only a fallback drawn
};

// Draws text on one line into rechteck (y growing upwards, as printed),
// abbreviated with "[...]" around the relative position when too wide.
int UmbrecheText(const std::string& text, CDC* dc, RECT rechteck, double position);

int ZaehleZeichen(const std::string& text, char zeichen);

// Both accept "\" and "/" as separators.
// Up to and including the last separator; empty unless it lies at 1 or later.
std::string GetVerzeichnisTeil(std::string pfad);
// After the last separator; the whole path without one.
std::string GetDateiTeil(std::string pfad);
