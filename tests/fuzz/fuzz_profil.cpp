// libFuzzer target: the profil reader on any bytes.
#include "leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    if (LiesProfil(daten, n) == LESER_WIDERSPRUCH)
        __builtin_trap();
    return 0;
}
