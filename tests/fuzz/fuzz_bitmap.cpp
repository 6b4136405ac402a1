// libFuzzer target: the bitmap reader on any bytes, through a file.
#include <filesystem>

#include "leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t n)
{
    static const std::string ordner = std::filesystem::temp_directory_path().string();
    LiesBitmap(daten, n, ordner);
    return 0;
}
