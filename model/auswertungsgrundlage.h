#pragma once

#include <cstdint>

// What a report's evaluation was built from besides the report's own data:
// the flags, a test's factor steps and the environment's scales (its
// conversions are linear, so one value per axis and unit stands for them).
struct CAuswertungsGrundlage {
    uint32_t flags = 0;
    int stufen[7] = {};
    int permutationen = 0, wiederholungen = 0;
    double einheitX = 0.0, einheitY = 0.0; // one part of the display in the user's unit
    double pixelX = 0.0, pixelY = 0.0; // one pixel in parts of the display
    bool operator==(const CAuswertungsGrundlage&) const = default;
};
