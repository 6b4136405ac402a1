#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

// Small clamps that the records' setters share. A value that is not a
// number counts as below the range, an infinite one as beyond its end.

// Counts that size a run's lists, its allocations or its loops. Far above
// any real training or test, far below what the machine holds; the setters
// cut larger values down to them.
constexpr int kDurchgaengeMax = 1'000'000; // trials of a run, steps and repetitions of a test
constexpr int kRasterMax = 10'000; // rows or columns of a grid or a pattern
constexpr int kElementeMax = 100'000; // characters of a sheet, elements of a pattern, occurrences
constexpr int kZellenMax = 100; // cell rows or cell columns of the cell comparison

// A count above its limit becomes the limit; what lies below is the
// record's own rule.
inline void BegrenzeAnzahl(int& n, int grenze)
{
    if (n > grenze)
        n = grenze;
}

// Seconds of every time that a record or a report holds: pauses, trial
// durations, intervals, reaction times and the run itself. A day is beyond
// any of them and keeps milliseconds far inside 32 bits.
constexpr double kSekundenMax = 86'400.0;

constexpr int64_t kMillisekundenMax = 86'400'000;
constexpr int kTagessekundenMax = 86'399; // a time of day

// Background speeds, parts of the display width per second: the setters'
// cap for the widest pattern, half a cycle of the whole display in a tenth
// of a second.
constexpr double kGeschwindigkeitMax = 5.0;

// A zero that a clamp gives or keeps is +0.0: -0.0 compares equal to it and
// would be stored as other bytes, so a stored value loads to the same bytes.
inline void OhneMinusNull(double& v)
{
    if (v == 0.0)
        v = 0.0;
}

// v into min .. max; a value that is not a number becomes min.
inline void BegrenzeWert(double& v, double min, double max)
{
    if (!(v >= min))
        v = min;
    if (v > max)
        v = max;
    OhneMinusNull(v);
}

// A range: the lower bound into min .. max, the upper into the lower .. max.
inline void BegrenzeBereich(double& von, double& bis, double min, double max)
{
    BegrenzeWert(von, min, max);
    BegrenzeWert(bis, von, max);
}

// A part of the display: above 1 becomes 1, then below 0 becomes 0.
inline void BegrenzeAnteil(double& v) { BegrenzeWert(v, 0.0, 1.0); }

// What a run measured, as the run leaves it or a file gives it: the
// duration within 0 .. kSekundenMax, each speed within the cap (not a
// number: 0), the time of day within the day.
inline void BegrenzeLaufwerte(double& laufzeit, double& normal, double& geaendert, int32_t& uhrzeit)
{
    BegrenzeWert(laufzeit, 0.0, kSekundenMax);
    for (double* v : {&normal, &geaendert}) {
        if (std::isnan(*v))
            *v = 0.0;
        BegrenzeWert(*v, -kGeschwindigkeitMax, kGeschwindigkeitMax);
    }
    uhrzeit = std::clamp(uhrzeit, 0, kTagessekundenMax);
}
