#pragma once

// The ready screen that a run's renderers leave in the back buffer.

#include <initializer_list>
#include <string>

class CPraesentation;

// Lines centred across the back buffer, a font height apart, the middle one
// with its bottom half a line below the screen's middle; in the profile's
// dialog font (else Arial) at a fortieth of the screen height, at least 10
// pixels, foreground colour on background colour.
void BereitSchreiben(CPraesentation& e, std::initializer_list<std::string> zeilen);
