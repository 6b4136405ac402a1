// libFuzzer target: a training or a test document shown on every report
// page and printed, each shown number checked.
#include "berichtsseiten.h"
#include "leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const int code = LiesUndZeigeBerichte(daten, n);
    if (code == LESER_WIDERSPRUCH || code == LESER_UNSINN)
        __builtin_trap();
    return 0;
}
