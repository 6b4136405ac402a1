#pragma once

// Creates the one QApplication of a test program on first use. Created lazily
// so that listing the tests at build time needs no window system.
void SichereQtAnwendung();
