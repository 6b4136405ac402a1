#pragma once

#include <cstdint>
#include <vector>

class CDatenreihe;

// Array of 32-bit values (trial orders, stimulus positions).
using CDWordArray = std::vector<uint32_t>;

// Shuffles the whole array, seeded with the time.
int Mische(CDWordArray& feld);
// Shuffles von..bis; seeds rand anew on every call (seed 0: the time in
// seconds). 0; 1 for an empty range; 2 when the range is too long for rand's
// 15 bits to reach every permutation.
int MischeBereich(CDWordArray& feld, uint32_t seed, int von, int bis);
// Rotates von..bis by n places towards higher positions (negative n: lower).
int RotiereArray(CDWordArray& feld, int von, int bis, int n);

// Rounds to n decimals, halves towards plus infinity.
double Runde(double x, int n);

double Standardnormalverteilung(double x);
// The standard normal distribution function by trapezoids of 0.01.
double Verteilungsfunktion(double x);
// Its inverse; -10.0 and 10.0 at and beyond the ends.
double InverseVerteilungsfunktion(double p);

// Least-squares line y = a + b x over the pairs where both values are
// present: 0; -1 without data; -2 without a common pair.
int LineareRegression(CDatenreihe* x, CDatenreihe* y, double* a, double* b);

// Weighted probit fit of response proportions over stimulus values: mitte is
// the stimulus at 50 % responses, steigung the stimulus distance per probit.
// 0; 1 when a proportion was missing; -1 without data; -2 for fewer than two
// stimuli; -3 when all stimuli are equal.
int ProbitAnalyseGewichtet(CDatenreihe* reize, CDatenreihe* anteile, double* mitte, double* steigung, double* dritter);
