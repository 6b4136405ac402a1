#pragma once

// Every reader of the program's files, called on bytes of any kind as the
// program reads a file from disk. Shared by the fuzz targets (one per
// reader, libFuzzer) and by the suite's seeded samples. Each answers the
// reader's code.

#include <cstddef>
#include <cstdint>
#include <string>

// A model reader broke its promise: what loaded stores bytes that do not load
// to the same bytes again, or a refusal changed the model. The fuzz targets
// stop on it.
constexpr int LESER_WIDERSPRUCH = -2;

int LiesTraining(const uint8_t* daten, size_t n);
int LiesTest(const uint8_t* daten, size_t n);
int LiesUmgebung(const uint8_t* daten, size_t n);
int LiesProfil(const uint8_t* daten, size_t n);
// A training (.lmt) or, when that reader refuses the bytes, a test (.lmd);
// what loads has every report evaluated and every chart it offers drawn, on
// the recorder and on an 8-bit surface. The reader's code.
int LiesUndWerteAus(const uint8_t* daten, size_t n);
// Through a file in ordner: the bitmap reader and the text reader open paths.
int LiesBitmap(const uint8_t* daten, size_t n, const std::string& ordner);
int LiesText(const uint8_t* daten, size_t n, const std::string& ordner);
