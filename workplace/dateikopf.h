#pragma once

#include <cstdint>
#include <string>

#include "platform/meldung.h"

class CArchive;

// The frame every file of the program starts with: the magic "LMTR", a type
// tag and a version. Loaders share the checks and their messages.
enum : int {
    DATEI_GELADEN = 0,
    DATEI_FREMD = 1, // not a file of this program
    DATEI_FALSCHER_TYP = 2,
    DATEI_VERSION_UNGUELTIG = 3,
    DATEI_VERSION_SPAETER = 4,
    DATEI_BESCHAEDIGT = 5, // ends early or cannot be read
};

// What one loader expects of the frame and how it words its refusals.
struct CDateikopf {
    const char* typ; // the type tag, e.g. "LMU"
    const char* typFehler; // message after the path for a wrong tag
    uint32_t versionMin = 10; // lower versions are refused
    const char* praefix = ""; // put before the path in every message
    unsigned stil = MB_OK; // buttons and icon of the message box
    bool kurzIstFremd = false; // a file too short for the magic is not ours
};

void SchreibeDateikopf(CArchive& ar, const char* typ, uint32_t version);

// Reads and checks the frame. On a refusal shows prefix + path + its
// message in a box and answers codes 1-4; else 0 and the version. May throw
// the archive's exception when the file ends early (unless kurzIstFremd,
// for the magic only).
int LiesDateikopf(CArchive& ar, const CDateikopf& kopf, uint32_t& version);

// Message and code for a file that ended early or could not be read; text
// is the path, with whatever prefix the loader puts before it.
int MeldeBeschaedigt(const std::string& text, unsigned stil = MB_OK);
