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
#include <set>

#include "fuzz/leser.h"
#include "platform/crt.h"
#include "testanzeige.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

namespace {

using Leser = std::function<int(const std::vector<uint8_t>&)>;

// Every class of damage on one valid file; the codes that came back.
std::set<int> Stichproben(const std::vector<uint8_t>& gut, const Leser& lies)
{
    std::set<int> codes;
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
        codes.insert(lies(b));
    }
    return codes;
}

} // namespace

// Loaded, or refused with one of the frame's codes; texts with a reading code.
TEST(LeserStichproben, UmgebungProfilUndText)
{
    CBenutzerprofil profil;
    CUmgebung u(&profil);
    auto leser = [](int (*f)(const uint8_t*, size_t)) -> Leser {
        return [f](const std::vector<uint8_t>& v) { return f(v.data(), v.size()); };
    };
    for (auto [bytes, lies] :
         {std::pair{Gespeichert(u), leser(LiesUmgebung)}, {Gespeichert(profil), leser(LiesProfil)}}) {
        ASSERT_EQ(lies(bytes), 0);
        const std::set<int> codes = Stichproben(bytes, lies);
        EXPECT_GT(codes.size(), 1u);
        EXPECT_EQ(*codes.begin(), 0);
        EXPECT_LE(*codes.rbegin(), 5);
    }

    const std::string text = "Überschrift\r\nEin Absatz mit Umlauten: äöüß, und ein Wort-mit-Bindestrichen.\r\nEnde";
    const std::string ordner = testanzeige::Ordner();
    const Leser lies = [&](const std::vector<uint8_t>& v) { return LiesText(v.data(), v.size(), ordner); };
    const std::vector<uint8_t> txt(text.begin(), text.end());
    ASSERT_EQ(lies(txt), 0);
    for (int code : Stichproben(txt, lies))
        EXPECT_TRUE(code == 0 || code >= 513) << code;
}

// What the fuzz targets kept (tests/fuzz/proben, one folder per target), each
// through its reader again: refused with a reader's code or loaded, never a
// fault (the asan presets replay them with the sanitizers).
TEST(LeserStichproben, ProbenDerFuzzZiele)
{
    const std::string ordner = testanzeige::Ordner();
    const auto datei = [](int (*f)(const uint8_t*, size_t, const std::string&), const std::string& o) -> Leser {
        return [f, o](const std::vector<uint8_t>& v) { return f(v.data(), v.size(), o); };
    };
    const auto modell = [](int (*f)(const uint8_t*, size_t)) -> Leser {
        return [f](const std::vector<uint8_t>& v) { return f(v.data(), v.size()); };
    };
    const auto dateikopf = [](int c) { return c >= 0 && c <= 5; };
    const struct {
        const char* ziel;
        Leser lies;
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
            EXPECT_TRUE(z.erlaubt(z.lies(bytes)));
            ++anzahl;
        }
        EXPECT_GT(anzahl, 0) << z.ziel;
    }
}
