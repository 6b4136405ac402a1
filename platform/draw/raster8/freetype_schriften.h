#pragma once

#include <string>

#include "platform/draw/dc.h"

typedef struct FT_FaceRec_* FT_Face;

// Faces for the 8-bit context: fontconfig finds the file of a face name
// (through ErsatzSchriftart), FreeType loads it once per process.
struct CSchriftFund {
    std::string datei;
    int index = 0;
    std::string familie;    // family of the face found
};

// Face of a font description; false when fontconfig finds no file.
bool FindeSchriftdatei(const LOGFONT& lf, CSchriftFund& fund);

// Loaded face of the description, null when none can be loaded. Faces live
// until the program ends; the 8-bit context is used on one thread.
FT_Face LadeGesicht(const LOGFONT& lf);
