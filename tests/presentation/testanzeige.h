#pragma once

// What the presentation tests share: the in-memory display with a DirectDraw
// object, bitmap files written on the fly, and reading surfaces back.

#include "platform/display/memory/speicher_anzeige.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CTraining;

namespace testanzeige {

// A BMP file's bytes. farben: the colour table as COLORREF (none for 24
// bits); wert(x, y) with y from the top: a table index, or for 24 bits a
// COLORREF.
std::vector<uint8_t> Bmp(int bits, int breite, int hoehe, const std::vector<uint32_t>& farben,
                         const std::function<uint32_t(int, int)>& wert);
// v little-endian into the four bytes at o.
void Setze32(std::vector<uint8_t>& b, size_t o, uint32_t v);
// Writes bytes to a file below the test's temporary folder; its path.
std::string Schreiben(const std::string& name, const std::vector<uint8_t>& bytes);
std::string Ordner(); // this test program's files, created

// Pixel (x, y) of a surface; -1 when it cannot be read.
int Pixel(IDirectDrawSurface* s, int x, int y);

// A saccade training of n trials; pauses and targets of fixed seconds.
void Sakkaden(CTraining& t, int n, double pause, double dauer);

// In-memory display plus a DirectDraw object.
struct CUmfeld {
    explicit CUmfeld(CSpeicherKonfig konfig = {});
    ~CUmfeld();
    std::shared_ptr<CSpeicherAnzeige> anzeige;
    IDirectDraw2* dd = nullptr;
};

} // namespace testanzeige
