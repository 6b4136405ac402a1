// What the report pages' fuzz target kept (tests/fuzz/proben/berichte),
// shown and printed again: each answers the code its list holds for it, and
// what loads shows only sane numbers.
#include "support/probenliste.h"

#include "fuzz/berichtsseiten.h"
#include "fuzz/leser.h"

TEST(LeserStichproben, ProbenDerBerichtsseiten)
{
    ProbenAbspielen(
        "berichte", [](const std::vector<uint8_t>& v) { return LiesUndZeigeBerichte(v.data(), v.size()); },
        [](int c) { return c >= 0 && c <= 5; });
}
