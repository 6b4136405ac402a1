// Seeded samples of each damage class that found faults in the readers; the
// fuzz targets drive the same readers for minutes.
#include <gtest/gtest.h>

#include "support/gespeichert.h"
#include "support/probenliste.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "fuzz/leser.h"
#include "platform/crt.h"
#include "platform/meldung.h"
#include "testanzeige.h"
#include "workplace/benutzerprofil.h"
#include "workplace/textdatei.h"
#include "workplace/umgebung.h"

namespace {

using Leser = std::function<void(const std::vector<uint8_t>&)>;

// Every class of damage on one valid file, each read by lies.
void Stichproben(const std::vector<uint8_t>& gut, const Leser& lies)
{
    crt::srand(1807);
    const uint32_t grenzen[] = {0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x40000024};
    const double zahlen[] = {std::nan(""), HUGE_VAL, -HUGE_VAL, 6e15};
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> b = gut;
        const size_t pos = static_cast<size_t>(crt::rand() * 32768 + crt::rand()) % b.size();
        switch (i % 4) {
        case 0: b[pos] ^= static_cast<uint8_t>(1 << (crt::rand() % 8)); break;
        case 1:
            if (pos + 4 <= b.size())
                std::memcpy(&b[pos], &grenzen[crt::rand() % 4], 4);
            break;
        case 2:
            if (pos + 8 <= b.size())
                std::memcpy(&b[pos], &zahlen[crt::rand() % 4], 8);
            break;
        default: b.resize(pos); break;
        }
        lies(b);
    }
}

} // namespace

// Each sample loads and stores again what it loads, or is refused with one of
// the frame's codes and leaves the object as it was; a cut file is always
// refused. Texts load, or are refused with a reading code.
TEST(LeserStichproben, UmgebungProfilUndText)
{
    auto pruefen = [](auto neu) {
        auto gut = neu();
        const std::vector<uint8_t> bytes = Gespeichert(*gut);
        int geladen = 0, verweigert = 0;
        Stichproben(bytes, [&](const std::vector<uint8_t>& b) {
            auto m = neu();
            CMeldungsRecorder meldungen;
            CArchive ein(b, "/daten/beschaedigt");
            const int code = m->Serialize(ein);
            const bool gekuerzt = b.size() < bytes.size();
            if (code == 0 && !gekuerzt) {
                ++geladen;
                const std::vector<uint8_t> wieder = Gespeichert(*m);
                auto zweites = neu();
                CArchive nochmal(wieder, "/daten/wieder");
                EXPECT_EQ(zweites->Serialize(nochmal), 0);
                EXPECT_EQ(Gespeichert(*zweites), wieder);
            } else {
                ++verweigert;
                EXPECT_GE(code, 1);
                EXPECT_LE(code, 5);
                EXPECT_EQ(Gespeichert(*m), bytes) << "half loaded";
            }
        });
        EXPECT_GT(geladen, 0);
        EXPECT_GT(verweigert, 50); // at least the cut files
    };
    CBenutzerprofil profil;
    pruefen([&] { return std::make_unique<CUmgebung>(&profil); });
    pruefen([] { return std::make_unique<CBenutzerprofil>(); });

    // Any bytes of a small text load: lines that end in CR LF, but the last.
    const std::string text = "Überschrift\r\nEin Absatz mit Umlauten: äöüß, und ein Wort-mit-Bindestrichen.\r\nEnde";
    Stichproben(std::vector<uint8_t>(text.begin(), text.end()), [](const std::vector<uint8_t>& b) {
        std::vector<std::string> zeilen;
        const int code = LeseTextdatei(&zeilen, testanzeige::Schreiben("stichprobe.txt", b));
        EXPECT_EQ(code, 0);
        EXPECT_EQ(zeilen.empty(), b.empty());
        for (size_t i = 0; i + 1 < zeilen.size(); ++i)
            EXPECT_EQ(zeilen[i].substr(std::max<size_t>(zeilen[i].size(), 2) - 2), "\r\n") << i;
    });
}

// What the fuzz targets kept (tests/fuzz/proben, one folder per target), each
// through its reader again, answering the code its list holds for it: a
// reader's refusal, or 0 for what loaded, stored bytes that load again to the
// same bytes, and (auswertung) showed only sane numbers. A refusal leaves the
// model as it was (the asan presets replay them with the sanitizers).
TEST(LeserStichproben, ProbenDerFuzzZiele)
{
    const std::string ordner = testanzeige::Ordner();
    const auto datei = [](int (*f)(const uint8_t*, size_t, const std::string&), const std::string& o) -> Codeleser {
        return [f, o](const std::vector<uint8_t>& v) { return f(v.data(), v.size(), o); };
    };
    const auto modell = [](int (*f)(const uint8_t*, size_t)) -> Codeleser {
        return [f](const std::vector<uint8_t>& v) { return f(v.data(), v.size()); };
    };
    const auto dateikopf = [](int c) { return c >= 0 && c <= 5; };
    const struct {
        const char* ziel;
        Codeleser lies;
        std::function<bool(int)> erlaubt;
    } ziele[] = {
        {"training", modell(LiesTraining), dateikopf},
        {"test", modell(LiesTest), dateikopf},
        {"umgebung", modell(LiesUmgebung), dateikopf},
        {"profil", modell(LiesProfil), dateikopf},
        {"auswertung", modell(LiesUndWerteAus), dateikopf},
        {"bitmap", datei(LiesBitmap, ordner), [](int c) { return c == 0 || c >= 0x201; }},
        {"text", datei(LiesText, ordner), [](int c) { return c == 0 || c >= 513; }},
    };
    for (const auto& z : ziele)
        ProbenAbspielen(z.ziel, z.lies, z.erlaubt);
}

// The check of the shown numbers: the formatter's overflow, more than 12
// digits before the comma, a share outside 0 to 100.
TEST(LeserStichproben, UnsinnigeZahlen)
{
    for (const char* gut : {"0,550 s", "-123456789012,5 %", "07.12.2026", "1 / 3", "n. a.", "Lumetra"})
        EXPECT_EQ(UnsinnigeZahl(gut), "") << gut;
    for (const char* schlecht : {"Überlauffehler", "-1234567890123,0 %", "1234567890123"})
        EXPECT_EQ(UnsinnigeZahl(schlecht), schlecht);
    for (const char* gut : {"0,0%", "100,0 %", "75,0%", "n. a.", "---"})
        EXPECT_EQ(UnsinnigeZahl(gut, true), "") << gut;
    for (const char* schlecht : {"150,0%", "-0,1%", "100,1 %"})
        EXPECT_EQ(UnsinnigeZahl(schlecht, true), schlecht);
}
