// Seeded samples of each damage class that found faults in the readers; the
// fuzz targets drive the same readers for minutes.
#include <gtest/gtest.h>

#include "support/gespeichert.h"

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
// through its reader again: refused with a reader's code, or loaded so that
// it stores what loads again to the same bytes, and a refusal leaves the
// model as it was (the asan presets replay them with the sanitizers).
TEST(LeserStichproben, ProbenDerFuzzZiele)
{
    const std::string ordner = testanzeige::Ordner();
    using Codeleser = std::function<int(const std::vector<uint8_t>&)>;
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
    for (const auto& z : ziele) {
        const std::filesystem::path proben = std::filesystem::path(LUMETRA_SOURCE_DIR) / "tests/fuzz/proben" / z.ziel;
        int anzahl = 0;
        for (const auto& e : std::filesystem::directory_iterator(proben)) {
            SCOPED_TRACE(e.path().string());
            std::ifstream ein(e.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(ein), {}};
            const int code = z.lies(bytes);
            EXPECT_TRUE(z.erlaubt(code)) << code;
            ++anzahl;
        }
        EXPECT_GT(anzahl, 0) << z.ziel;
    }
}
