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
        fs::path p = ordner / name;
        std::ofstream(p, std::ios::binary) << inhalt;
        return p;
    }
    Zeilen Lies(const std::string& inhalt, int erwartet = 0)
    {
        Zeilen z{"alt"};
        EXPECT_EQ(LeseTextdatei(&z, Datei("t.txt", inhalt).string()), erwartet);
        return z;
    }
};

TEST_F(TextdateiTest, ZeilenendenUndLetztesByte)
{
    EXPECT_EQ(Lies("a\r\n\r\nb\r\n"), (Zeilen{"a\r\n", "\r\n", "b\r\n"}));
    EXPECT_EQ(Lies("a\nb\n"), (Zeilen{"a\r\n", "b\n"}));
    EXPECT_EQ(Lies("a\rb\r\nabc"), (Zeilen{"a\r\n", "b\r\n", "abc"}));
    EXPECT_EQ(Lies(""), Zeilen{});
    EXPECT_EQ(Lies(std::string(3000, 'x')), Zeilen{std::string(3000, 'x')});
}

TEST_F(TextdateiTest, ZuVieleZeilen)
{
    std::string tausendeins, dreitausend;
    for (int i = 0; i < 1001; ++i)
        tausendeins += "a\n";
    for (int i = 0; i < 3000; ++i)
        dreitausend += "b\n";
    Zeilen z = Lies(tausendeins, 517);
    ASSERT_EQ(z.size(), 1001u);
    EXPECT_EQ(z[999], "a\r\n");
    EXPECT_EQ(z[1000], "a\n");
    // Kept up to the end of the block in which line 1001 ends.
    EXPECT_EQ(Lies(dreitausend, 517).size(), 1024u);
}

// Up to a megabyte is read; one byte more is refused before any is read.
TEST_F(TextdateiTest, ZuGrosseDatei)
{
    std::string grenze;
    for (int i = 0; i < 999; ++i)
        grenze += std::string(1046, 'a') + "\r\n";
    grenze += std::string(size_t(TEXTDATEI_MAX_BYTES) - grenze.size(), 'b');
    ASSERT_EQ(grenze.size(), 1048576u);
    EXPECT_EQ(Lies(grenze).size(), 1000u);
    EXPECT_EQ(Lies(grenze + "c", TEXTDATEI_ZU_GROSS), Zeilen{"alt"});
}

TEST_F(TextdateiTest, ZeichensatzUndFehler)
{
    EXPECT_EQ(Lies("Gr\xC3\xBC\xC3\x9F"
                   "e\n"),
              Zeilen{"Grüße\n"});
    EXPECT_EQ(Lies("Gr\xFC\xDF"
                   "e \x80\n"),
              Zeilen{"Grüße €\n"});
    EXPECT_EQ(Lies("\xEF\xBB\xBFHallo"), Zeilen{"Hallo"});

    Zeilen z{"bleibt"};
    EXPECT_EQ(LeseTextdatei(&z, "/gibt/es/nicht.txt"), 515);
    EXPECT_EQ(LeseTextdatei(&z, LUMETRA_ARTIFACTS), 513);
    EXPECT_EQ(z, Zeilen{"bleibt"});

    // Windows names: backslashes and another case.
    fs::path p = Datei("Lesen.TXT", "x");
    std::string windows = p.parent_path().string() + "\\lesen.txt";
    EXPECT_EQ(LeseTextdatei(&z, windows), 0);
    EXPECT_EQ(z, Zeilen{"x"});
}

TEST(Pfade, VerzeichnisUndDatei)
{
    EXPECT_EQ(GetVerzeichnisTeil("C:\\a\\b.txt"), "C:\\a\\");
    EXPECT_EQ(GetVerzeichnisTeil("  /home/a/b.txt \n"), "/home/a/");
    EXPECT_EQ(GetVerzeichnisTeil("b.txt"), "");
    EXPECT_EQ(GetDateiTeil("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(GetDateiTeil("/a/b.txt "), "b.txt");
    EXPECT_EQ(ZaehleZeichen("a-b-c", '-'), 2);
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

    // A word wider than the line stands alone.
    ZerlegeText({"ab Donaudampfschiff cd"}, &aus, &dc, 30);
    EXPECT_EQ(aus, (Zeilen{"ab", "Donaudampfschiff", "cd"}));
}

struct Gezeichnet {
    int x;
    std::string text;
    int clipLinks;
};

std::vector<Gezeichnet> Zeichnungen(const CRecorderDC& dc)
{
    std::vector<Gezeichnet> aus;
    for (const auto* e : dc.Von(CRecorderDC::Art::Text)) {
        EXPECT_EQ(e->ausrichtung, TA_LEFT | TA_TOP);
        EXPECT_EQ(e->optionen, unsigned(ETO_CLIPPED));
        aus.push_back({e->punkte[0].x, e->text, e->rechteck.left});
    }
    return aus;
}

TEST(Umbrechen, KuerztUmDiePosition)
{
    const RECT r{100, 500, 220, 400}; // y upwards: top above bottom
    const std::string text = "abcdefghijklmnopqrstuvwxyz"; // 156 wide, 120 fit
    CZwoelferDC dc;
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);

    EXPECT_EQ(UmbrecheText("", &dc, r, 0.5), 1);
    EXPECT_EQ(UmbrecheText(text, &dc, RECT{100, 400, 220, 500}, 0.5), 1);
    EXPECT_EQ(UmbrecheText("kurz", &dc, r, 1.5), 4);
    EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_RIGHT | TA_BASELINE));

    // Middle: "[...]" 30 wide from 45 to 75; beginning < 45, end < 45.
    dc.Leeren();
    EXPECT_EQ(UmbrecheText(text, &dc, r, 0.5), 0);
    auto z = Zeichnungen(dc);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0].x, 100);
    EXPECT_EQ(z[0].text, "abcdefg");
    EXPECT_EQ(z[1].x, 145);
    EXPECT_EQ(z[1].text, "[...]");
    EXPECT_EQ(z[2].text, "tuvwxyz");
    EXPECT_EQ(z[2].x, 220 - 42);
    EXPECT_EQ(z[2].clipLinks, 145);

    // Start: "...]" from 0 to 24, then the end of the text.
    dc.Leeren();
    EXPECT_EQ(UmbrecheText(text, &dc, r, -1.0), 2);
    z = Zeichnungen(dc);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0].text, "...]");
    EXPECT_EQ(z[1].text, "lmnopqrstuvwxyz"); // 90 < 96

    // Too narrow: the marker alone, or the first character and "[...".
    dc.Leeren();
    EXPECT_EQ(UmbrecheText(text, &dc, RECT{0, 10, 20, 0}, 0.5), 8);
    EXPECT_EQ(dc.Texte(), Zeilen{"...]"});
    dc.Leeren();
    EXPECT_EQ(UmbrecheText(text, &dc, RECT{0, 10, 28, 0}, 1.0), 8);
    EXPECT_EQ(dc.Texte(), Zeilen{"a[..."});
}

} // namespace
