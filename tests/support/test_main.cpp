// Shared main of every test program: tests run headless unless a caller
// explicitly asks for a real display.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

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

int main(int argc, char** argv)
{
    if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    }
    std::filesystem::create_directories(LUMETRA_ARTIFACTS);
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    // Everything that ran skipped itself (no X server): ctest's SKIP_RETURN_CODE.
    const auto& lauf = *::testing::UnitTest::GetInstance();
    if (ergebnis == 0 && lauf.successful_test_count() == 0 && lauf.skipped_test_count() > 0)
        return LUMETRA_TEST_UEBERSPRUNGEN;
    return ergebnis;
}
