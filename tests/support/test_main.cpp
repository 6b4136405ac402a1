// Shared main of every test program: tests run headless unless a caller
// explicitly asks for a real display.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/systembibliotheken.h"

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
