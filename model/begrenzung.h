#pragma once

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

// A lower and an upper bound: the lower at least untergrenze, the upper at
// least the lower.
inline void BegrenzeUntenOben(double& min, double& max, double untergrenze)
{
    if (!(min >= untergrenze))
        min = untergrenze;
    if (!(max >= min))
        max = min;
}

// A part of the display: above 1 becomes 1, then below 0 becomes 0.
inline void BegrenzeAnteil(double& v)
{
    if (v > 1.0)
        v = 1.0;
    if (!(v >= 0.0))
        v = 0.0;
}
