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
    const int ergebnis = RUN_ALL_TESTS();
    // Everything that ran skipped itself (no X server): ctest's SKIP_RETURN_CODE.
    const auto& lauf = *::testing::UnitTest::GetInstance();
    if (ergebnis == 0 && lauf.successful_test_count() == 0 && lauf.skipped_test_count() > 0)
        return LUMETRA_TEST_UEBERSPRUNGEN;
    return ergebnis;
}
