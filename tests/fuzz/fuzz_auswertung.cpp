// libFuzzer target: a training or a test document, then every report's
// evaluation and every chart drawn, each text checked for sane numbers.
#include "leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    const int code = LiesUndWerteAus(daten, n);
    if (code == LESER_WIDERSPRUCH || code == LESER_UNSINN)
        __builtin_trap();
    return 0;
}
