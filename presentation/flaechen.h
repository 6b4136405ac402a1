#pragma once

// Small surface steps the renderers and the frame loop share.

#include "platform/display/ddraw.h"

// Colour fill of r (null: the whole surface) with one palette index, waiting.
HRESULT Farbfuellen(IDirectDrawSurface* flaeche, RECT* r, int index);

// An off-screen surface of breite x hoehe, in video memory when it fits,
// else in system memory (then *imSystemspeicher is true). DD_OK or the
// failure of the second attempt; *ergebnis is null after a failure.
HRESULT BildflaecheAnlegen(IDirectDraw2* dd, int breite, int hoehe, IDirectDrawSurface** ergebnis,
                           bool* imSystemspeicher);

// Releases and forgets a surface.
void Freigeben(IDirectDrawSurface*& flaeche);
