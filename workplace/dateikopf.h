#pragma once

#include <cstdint>
#include <string>

class CArchive;

// The frame every file of the program starts with: the magic "LMTR", a type
// tag and a version. Loaders share the checks and their messages.
enum : int {
    DATEI_GELADEN = 0,
    DATEI_FREMD = 1,          // not a file of this program
    DATEI_FALSCHER_TYP = 2,
    DATEI_VERSION_UNGUELTIG = 3,
    DATEI_VERSION_SPAETER = 4,
    DATEI_BESCHAEDIGT = 5,    // ends early or cannot be read
};

void SchreibeDateikopf(CArchive& ar, const char* typ, uint32_t version);

// Reads and checks the frame. On a refusal shows path + its message in a
// box with one button and answers codes 1-4; else 0 and the version.
// typFehler is the message for a wrong tag. May throw the archive's
// exception when the file ends early.
int LiesDateikopf(CArchive& ar, const char* typ, const char* typFehler, uint32_t& version);

// Message and code for a file that ended early or could not be read.
int MeldeBeschaedigt(const std::string& pfad);
