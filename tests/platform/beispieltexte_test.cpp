// The sample texts of the reading task are read as UTF-8 when their bytes are
// valid UTF-8, and a text file holds at most 1000 lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/win1252.h"

namespace {

TEST(Beispieltexte, AreUtf8WithAHeadingAndFewLines)
{
    const std::filesystem::path ordner = LUMETRA_SOURCE_DIR "/resources/texte";
    // The default text of a new reading task.
    EXPECT_TRUE(std::filesystem::exists(ordner / "Gesundheit" / "Zecken (118).txt"));
    int anzahl = 0;
    for (const auto& eintrag : std::filesystem::recursive_directory_iterator(ordner)) {
        if (!eintrag.is_regular_file() || eintrag.path().extension() != ".txt")
            continue;
        SCOPED_TRACE(eintrag.path().string());
        std::ifstream datei(eintrag.path(), std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(datei), {});
        EXPECT_TRUE(win1252::IstUtf8(text));
        const auto zeilen = std::count(text.begin(), text.end(), '\n');
        EXPECT_GE(zeilen, 2);
        EXPECT_LE(zeilen, 1000);
        EXPECT_LT(text.find('\n'), 60u); // a short heading first
        ++anzahl;
    }
    EXPECT_GE(anzahl, 4);
}

} // namespace
