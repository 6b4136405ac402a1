#pragma once

// The report pages and the printout of a training or a test read from any
// bytes, as the program shows and prints them. Needs the Qt widgets (the
// offscreen platform will do); shared by the fuzz target and the suite.

#include <cstddef>
#include <cstdint>

// A training (.lmt) or, when that reader refuses the bytes, a test (.lmd), as
// LiesUndWerteAus reads it; what loads is shown on every report page with
// every relation chosen (its chart drawn on the recorder), and every page of
// its printout is drawn on the recorder. The reader's code, or LESER_UNSINN
// when a report page or a printed report page shows an insane number.
int LiesUndZeigeBerichte(const uint8_t* daten, size_t n);
