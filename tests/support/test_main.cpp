// Shared main of every test program: tests run headless unless a caller
// explicitly asks for a real display.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

// Fontconfig, which Qt's font database uses, and D-Bus, which SDL's video
// start-up opens, keep blocks until the process ends; the leak checker of
// the sanitizer build is told so.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}

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
