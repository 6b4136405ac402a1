// Shared main of every test program: tests run headless unless a caller
// explicitly asks for a real display.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/sanitizer.h"

#ifdef LUMETRA_ASAN
// System libraries keep blocks until the process ends: fontconfig (Qt's font
// database), D-Bus, X11 and the GL drivers that SDL loads at run time. The
// leak checker of the sanitizer build is told so; the project's own code is
// never suppressed.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libX11.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:_dri.so\n";
}

// SDL and the GL drivers unload those libraries before the leak check runs,
// so their blocks would be reported from an unknown module that no
// suppression can name. In the test programs of the sanitizer build they
// stay loaded until the process ends.
extern "C" int dlclose(void*) { return 0; }
#endif

int main(int argc, char** argv)
{
    if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    }
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
