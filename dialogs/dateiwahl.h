#pragma once

#include <string>

#include "platform/draw/dc.h"

class QWidget;

// File names and folders as the picture and text pages keep them: a file
// name, and a folder that is empty for the page's base folder, begins with
// "\" for a folder below it, and is a full path otherwise.
struct CDateiwahl {
    std::string name;
    std::string ordner;
    // Whether the text named a folder at all; a bare name keeps the folder
    // stored before.
    bool mitOrdner = false;
};

// A typed name or a chosen path: split at its last "\" or "/" (not at the
// first character), the extension added when the name has none and "*"
// put before a bare extension; a folder that is the base folder or lies
// below it is stored relative to it, with "\" separators.
CDateiwahl ZerlegeDateiname(const std::string& text, const std::string& endung, const std::string& basis,
                            bool ohneGrossKlein);

// The folder as the pages show it: with "/" separators and a closing one,
// "/" alone for the base folder itself. The stored folder keeps its "\".
std::string OrdnerAnzeige(const std::string& ordner);

// The native folder that a stored folder stands for.
std::string OrdnerPfad(const std::string& basis, const std::string& ordner);

// The font dialog through the modal runner on the given font, its height's
// absolute value taken as the size in pixels; scalable screen fonts only,
// no choice of script. IDOK with the chosen font, its height negative in
// pixels; what the user left unchanged keeps the given value.
int SchriftWaehlen(QWidget* eltern, LOGFONT& lf);
