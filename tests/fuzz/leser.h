#pragma once

// Every reader of the program's files, called on bytes of any kind as the
// program reads a file from disk. Shared by the fuzz targets (one per
// reader, libFuzzer) and by the suite's seeded samples. Each answers the
// reader's code.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class CBenutzerprofil;
class CTest;
class CTraining;
class CUmgebung;

// A model reader broke its promise: what loaded stores bytes that do not load
// to the same bytes again, or a refusal changed the model. The fuzz targets
// stop on it.
constexpr int LESER_WIDERSPRUCH = -2;
// What a report shows is not sane (UnsinnigeZahl). The fuzz targets stop on
// it too.
constexpr int LESER_UNSINN = -3;

// The text when a number in it is not one that a report can show sanely: not
// finite (the formatter's "Überlauffehler"), more than 12 digits before the
// decimal comma, or, for a share (anteil), below 0 or above 100; else empty.
std::string UnsinnigeZahl(const std::string& text, bool anteil = false);

int LiesTraining(const uint8_t* daten, size_t n);
int LiesTest(const uint8_t* daten, size_t n);
int LiesUmgebung(const uint8_t* daten, size_t n);
int LiesProfil(const uint8_t* daten, size_t n);
// A training (.lmt) or, when that reader refuses the bytes, a test (.lmd);
// what loads has every report evaluated and every chart it offers drawn, on
// the recorder and on an 8-bit surface. The reader's code, or LESER_UNSINN
// when a result text or a chart's label holds an insane number.
int LiesUndWerteAus(const uint8_t* daten, size_t n);
// A training or, when that reader refuses the bytes, a test, loaded under a
// fresh profile and environment as the readers above load; what loads is
// handed on, and what it answers is the code.
template <class TModell>
using Geladen = std::function<int(TModell&, CBenutzerprofil&, CUmgebung&)>;
int LiesTrainingOderTest(const uint8_t* daten, size_t n, const Geladen<CTraining>& training,
                         const Geladen<CTest>& test);
// Through a file in ordner: the bitmap reader and the text reader open paths.
int LiesBitmap(const uint8_t* daten, size_t n, const std::string& ordner);
int LiesText(const uint8_t* daten, size_t n, const std::string& ordner);
