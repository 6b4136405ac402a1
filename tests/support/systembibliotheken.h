#pragma once
// The leak check's view of the system libraries in the sanitizer builds.
// Defines the sanitizer's hooks: included once per program, by the test
// programs' main and by the fuzz targets.
#include "support/sanitizer.h"

#ifdef LUMETRA_ASAN
// System libraries (fontconfig, D-Bus, X11, the GL drivers SDL loads) keep
// blocks until the process ends; the project's own code is never suppressed.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libX11.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:_dri.so\n";
}

// SDL and the GL drivers unload those libraries before the leak check, which
// would report their blocks from a module no suppression can name.
extern "C" int dlclose(void*) { return 0; }
#endif
