#pragma once

// Small clamps that the records' setters share.

// A lower and an upper bound: the lower at least untergrenze, the upper at
// least the lower.
inline void BegrenzeUntenOben(double& min, double& max, double untergrenze)
{
    if (min < untergrenze) min = untergrenze;
    if (max < min) max = min;
}

// A part of the display: above 1 becomes 1, then below 0 becomes 0.
inline void BegrenzeAnteil(double& v)
{
    if (v > 1.0) v = 1.0;
    if (v < 0.0) v = 0.0;
}
