#pragma once

#include <QIcon>

// Our own tool-bar pictures (16 x 15) and the program's icon, drawn in code.
QIcon BefehlsSymbol(int id);
QIcon ProgrammSymbol();
