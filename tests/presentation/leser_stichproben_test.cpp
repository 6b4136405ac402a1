// Seeded samples of each damage class that found faults in the readers; the
// fuzz targets drive the same readers for minutes.
#include <gtest/gtest.h>

#include "support/gespeichert.h"

#include <cmath>
#include <cstring>
#include <functional>
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
