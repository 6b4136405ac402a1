#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/draw/recorder/recorder_dc.h"
#include "workplace/textdatei.h"

namespace {

namespace fs = std::filesystem;
using Zeilen = std::vector<std::string>;

class TextdateiTest : public ::testing::Test {
protected:
    fs::path Datei(const std::string& name, const std::string& inhalt)
    {
        // One folder per test: ctest runs the tests of this fixture in parallel.
        fs::path ordner = fs::path(LUMETRA_ARTIFACTS) / "textdatei" /
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(ordner);
        std::ofstream(ordner / name, std::ios::binary) << inhalt;
        return ordner / name;
    }
    Zeilen Lies(const std::string& inhalt, int erwartet = 0)
    {
        Zeilen z{"alt"};
        EXPECT_EQ(LeseTextdatei(&z, Datei("t.txt", inhalt).string()), erwartet);
        return z;
    }
};

TEST_F(TextdateiTest, ZeilenendenZeichensatzUndPfade)
{
    EXPECT_EQ(Lies("a\r\n\r\nb\r\n"), (Zeilen{"a\r\n", "\r\n", "b\r\n"}));
    EXPECT_EQ(Lies("a\nb\n"), (Zeilen{"a\r\n", "b\n"}));
    EXPECT_EQ(Lies("a\rb\r\nabc"), (Zeilen{"a\r\n", "b\r\n", "abc"}));
    EXPECT_EQ(Lies(""), Zeilen{});
    EXPECT_EQ(Lies("Grüße\n"), Zeilen{"Grüße\n"}); // UTF-8
    EXPECT_EQ(Lies("Gr\xFC\xDF\x65 \x80\n"), Zeilen{"Grüße €\n"}); // Windows-1252
    EXPECT_EQ(Lies("\xEF\xBB\xBFHallo"), Zeilen{"Hallo"});

    // Windows names: backslashes and another case; folder and file parts.
    Zeilen z{"bleibt"};
    const fs::path p = Datei("Lesen.TXT", "x");
    EXPECT_EQ(LeseTextdatei(&z, p.parent_path().string() + "\\lesen.txt"), 0);
    EXPECT_EQ(z, Zeilen{"x"});
    EXPECT_EQ(GetVerzeichnisTeil("C:\\a\\b.txt"), "C:\\a\\");
    EXPECT_EQ(GetVerzeichnisTeil("  /home/a/b.txt \n"), "/home/a/");
    EXPECT_EQ(GetVerzeichnisTeil("b.txt"), "");
    EXPECT_EQ(GetDateiTeil("/a/b.txt "), "b.txt");
}

TEST_F(TextdateiTest, GrenzenUndFehler)
{
    std::string tausendeins, dreitausend;
    for (int i = 0; i < 3000; ++i)
        (i < 1001 ? tausendeins : dreitausend) += "a\n";
    Zeilen z = Lies(tausendeins, 517);
    ASSERT_EQ(z.size(), 1001u);
    EXPECT_EQ(z[1000], "a\n");
    // Kept up to the end of the block in which line 1001 ends.
    EXPECT_EQ(Lies(tausendeins + dreitausend, 517).size(), 1024u);

    // Up to a megabyte is read; one byte more is refused before any is read.
    std::string grenze;
    for (int i = 0; i < 999; ++i)
        grenze += std::string(1046, 'a') + "\r\n";
    grenze += std::string(size_t(TEXTDATEI_MAX_BYTES) - grenze.size(), 'b');
    ASSERT_EQ(grenze.size(), 1048576u);
    EXPECT_EQ(Lies(grenze).size(), 1000u);
    EXPECT_EQ(Lies(grenze + "c", TEXTDATEI_ZU_GROSS), Zeilen{"alt"});

    z = {"bleibt"};
    EXPECT_EQ(LeseTextdatei(&z, "/gibt/es/nicht.txt"), 515);
    EXPECT_EQ(LeseTextdatei(&z, LUMETRA_ARTIFACTS), 513);
    EXPECT_EQ(z, Zeilen{"bleibt"});
}

// With a font 12 units high the recorder measures every character 6 wide.
struct CZwoelferDC : CRecorderDC {
    CZwoelferDC()
    {
        LOGFONT lf;
        lf.lfHeight = 12;
        m_font.CreateFontIndirect(&lf);
        SelectObject(&m_font);
    }
    CFont m_font;
};

TEST(Zerlegen, AnLeerzeichenUndBindestrichen)
{
    CZwoelferDC dc;
    Zeilen aus{"alt"};
    EXPECT_EQ(ZerlegeText({}, &aus, &dc, 60), 1);
    EXPECT_TRUE(aus.empty());
    EXPECT_EQ(ZerlegeText({"a"}, &aus, &dc, 0), 1);
    ASSERT_EQ(ZerlegeText({"kurz\r\n", "eins zwei drei vier\r\n"}, &aus, &dc, 60), 0);
    EXPECT_EQ(aus, (Zeilen{"kurz\r", "eins zwei", "drei vier\r"}));
    ZerlegeText({"Bahn-Hof-Strasse x"}, &aus, &dc, 60);
    EXPECT_EQ(aus, (Zeilen{"Bahn-Hof-", "Strasse x"}));
    ZerlegeText({"ab Donaudampfschiff cd"}, &aus, &dc, 30); // a word wider than the line stands alone
    EXPECT_EQ(aus, (Zeilen{"ab", "Donaudampfschiff", "cd"}));
}

TEST(Umbrechen, KuerztUmDiePosition)
{
    const RECT r{100, 500, 220, 400}; // y upwards: top above bottom
    const std::string text = "abcdefghijklmnopqrstuvwxyz"; // 156 wide, 120 fit
    CZwoelferDC dc;
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    struct Fall {
        std::string text;
        RECT rechteck;
        double position;
        int code;
        std::vector<std::pair<int, std::string>> stuecke; // left edge, text
    };
    const Fall faelle[] = {
        {"", r, 0.5, 1, {}},
        {text, RECT{100, 400, 220, 500}, 0.5, 1, {}},
        {"kurz", r, 1.5, 4, {{100, "kurz"}}},
        // Middle: "[...]" 30 wide from 45 to 75; beginning < 45, end < 45.
        {text, r, 0.5, 0, {{100, "abcdefg"}, {145, "[...]"}, {178, "tuvwxyz"}}},
        {text, r, -1.0, 2, {{100, "...]"}, {130, "lmnopqrstuvwxyz"}}},
        {text, r, 1.0, 0, {{100, "abcdefghijklmno"}, {196, "[..."}}},
        // Too narrow: the marker alone, or the first character and "[...".
        {text, RECT{0, 10, 20, 0}, 0.5, 8, {{0, "...]"}}},
        {text, RECT{0, 10, 28, 0}, 1.0, 8, {{0, "a[..."}}},
    };
    for (const Fall& f : faelle) {
        dc.Leeren();
        EXPECT_EQ(UmbrecheText(f.text, &dc, f.rechteck, f.position), f.code) << f.text << " " << f.position;
        std::vector<std::pair<int, std::string>> stuecke;
        for (const auto* e : dc.Von(CRecorderDC::Art::Text)) {
            EXPECT_EQ(e->ausrichtung, TA_LEFT | TA_TOP);
            EXPECT_EQ(e->optionen, unsigned(ETO_CLIPPED));
            stuecke.emplace_back(e->punkte[0].x, e->text);
        }
        EXPECT_EQ(stuecke, f.stuecke) << f.position;
    }
    EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_RIGHT | TA_BASELINE));
}

} // namespace
