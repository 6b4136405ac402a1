#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/archiv.h"
#include "platform/datei.h"
#include "platform/win1252.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> l)
{
    std::vector<uint8_t> v;
    for (int b : l)
        v.push_back(static_cast<uint8_t>(b));
    return v;
}

TEST(Archiv, ZahlenLittleEndianOhneFuellung)
{
    CArchive ar;
    ar << uint8_t(0xAB) << int16_t(-2) << uint16_t(0x1234) << int32_t(-1) << uint32_t(0x01020304)
       << int64_t(5'000'000'000) << 1.0;
    EXPECT_EQ(ar.GetBytes(),
              Bytes({0xAB, 0xFE, 0xFF, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0xF2,
                     0x05, 0x2A, 0x01, 0x00, 0x00, 0x00, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F}));

    CArchive ein(ar.GetBytes());
    uint8_t a;
    int16_t b;
    uint16_t c;
    int32_t d;
    uint32_t e;
    int64_t f;
    double g;
    ein >> a >> b >> c >> d >> e >> f >> g;
    EXPECT_EQ(ein.GetRest(), 0u);
    CArchive zurueck;
    zurueck << a << b << c << d << e << f << g;
    EXPECT_EQ(zurueck.GetBytes(), ar.GetBytes());
}

TEST(Archiv, ZeichenkettenPraefixUndWindows1252)
{
    CArchive ar;
    ar << std::string("LMTR") << std::string("Größe 5 €");
    EXPECT_EQ(ar.GetBytes(), Bytes({4, 'L', 'M', 'T', 'R', 9, 'G', 'r', 0xF6, 0xDF, 'e', ' ', '5', ' ', 0x80}));
    CArchive ein(ar.GetBytes());
    std::string s1, s2;
    ein >> s1 >> s2;
    EXPECT_EQ(s1, "LMTR");
    EXPECT_EQ(s2, "Größe 5 €");
}

// The prefix counts the file's bytes, not the UTF-8 ones: one byte below 255,
// FF and 16 bits below 0xFFFE, FF FF FF and 32 bits from there.
TEST(Archiv, LangeZeichenkettenNutzenDreiUndSiebenBytePraefix)
{
    std::string umlaute;
    for (int i = 0; i < 255; ++i)
        umlaute += "ä";
    const std::pair<std::string, std::vector<uint8_t>> faelle[] = {
        {std::string(254, 'x'), Bytes({254})},
        {std::string(255, 'x'), Bytes({0xFF, 0xFF, 0x00})},
        {std::string(0xFFFD, 'x'), Bytes({0xFF, 0xFD, 0xFF})},
        {std::string(0xFFFE, 'x'), Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {umlaute, Bytes({0xFF, 0xFF, 0x00})},
        {std::string(69998, 'x') + "Ö€", Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& [text, praefix] : faelle) {
        SCOPED_TRACE(text.size());
        std::vector<uint8_t> erwartet = praefix;
        const std::string inhalt = win1252::AusUtf8(text);
        erwartet.insert(erwartet.end(), inhalt.begin(), inhalt.end());
        CArchive ar;
        ar << text;
        EXPECT_EQ(ar.GetBytes(), erwartet);
        CArchive ein(erwartet);
        std::string r;
        ein >> r;
        EXPECT_EQ(r, text);
    }
    EXPECT_EQ(win1252::AusUtf8("Ö€"), "\xD6\x80");
}

TEST(Archiv, KurzesLesenWirftEineAusnahme)
{
    CArchive ein(Bytes({0x01, 0x02, 0x03}));
    int32_t v;
    EXPECT_THROW(ein >> v, CArchiveException);

    // A length prefix larger than the file must not allocate or read past the end.
    CArchive lang(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}));
    std::string s;
    EXPECT_THROW(lang >> s, CArchiveException);
}

TEST(Archiv, DateiMitVollemPfad)
{
    auto ordner = std::filesystem::temp_directory_path() / "lumetra_archiv_test";
    std::filesystem::create_directories(ordner);
    auto datei = ordner / "Probe.lmx";
    {
        CArchive ar(CArchive::store, datei.string());
        ar << int32_t(110) << std::string("Ä");
        ar.Close();
        EXPECT_EQ(ar.GetFileName(), "Probe.lmx");
    }
    // A Windows-style name with backslashes and other case still opens.
    CArchive ein(CArchive::load, ordner.string() + "\\probe.LMX");
    int32_t v;
    std::string s;
    ein >> v >> s;
    EXPECT_EQ(v, 110);
    EXPECT_EQ(s, "Ä");

    EXPECT_THROW(CArchive(CArchive::load, (ordner / "fehlt.lmx").string()), CArchiveException);
    CArchive ungueltig(CArchive::store, "/proc/nicht/schreibbar.lmx");
    EXPECT_THROW(ungueltig.Close(), CArchiveException);
    std::filesystem::remove_all(ordner);
}

// A save killed mid-write left its temporary: the next save of the same file
// removes it, and only it.
TEST(Archiv, NaechstesSpeichernEntferntLiegengebliebeneTemporaere)
{
    const auto ordner = std::filesystem::temp_directory_path() / "lumetra_temp_test";
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner / ".ziel.lmt.lmtr-tmp-Ordner");
    const char* const alt[] = {".ziel.lmt.lmtr-tmp-Ab12Cd", ".ziel.lmt.lmtr-tmp-000000"};
    const char* const fremd[] = {"ziel.lmt.Ab12Cd", ".ziel.lmt.lmtr-tmp-Ab12C", ".ziel.lmt.lmtr-tmp-Ab12Cd.bak",
                                 ".ziel.lmt.lmtr-tmp-Ab_2Cd", ".anderes.lmt.lmtr-tmp-Ab12Cd",
                                 "ziel.lmt.lmtr-tmp-Ab12Cd", ".ziel.lmtr-tmp-Ab12Cd"};
    for (const char* name : alt)
        std::ofstream(ordner / name) << "halb";
    for (const char* name : fremd)
        std::ofstream(ordner / name) << "fremd";
    ASSERT_EQ(SchreibeDateiSicher((ordner / "ziel.lmt").string(), Bytes({1, 2})), 0);

    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        namen.insert(e.path().filename().string());
    std::set<std::string> erwartet(std::begin(fremd), std::end(fremd));
    erwartet.insert({"ziel.lmt", ".ziel.lmt.lmtr-tmp-Ordner"});
    EXPECT_EQ(namen, erwartet);
    std::filesystem::remove_all(ordner);
}

TEST(Windows1252, ObererBereichUndUnbelegteBytes)
{
    EXPECT_EQ(win1252::AusUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
              std::string("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97"
                          "\x98\x99\x9A\x9B\x9C\x9E\x9F"));
    // Characters without a byte become '?'.
    EXPECT_EQ(win1252::AusUtf8("α→x"), "??x");
    // The five undefined bytes survive a round trip.
    std::string roh("\x81\x8D\x8F\x90\x9D", 5);
    EXPECT_EQ(win1252::AusUtf8(win1252::NachUtf8(roh)), roh);
    EXPECT_EQ(win1252::NachUtf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), "äöüÄÖÜß");

    EXPECT_EQ(win1252::ZeichenAnzahl("Primärer Anzeigentreiber"), 24u);
    EXPECT_EQ(win1252::ErsteZeichen("Größe", 3), "Grö");
    EXPECT_TRUE(win1252::IstUtf8("Grüße"));
    EXPECT_FALSE(win1252::IstUtf8("Gr\xFC\xDF"));
}

} // namespace
