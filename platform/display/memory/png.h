#pragma once

// A minimal PNG writer (stored deflate blocks, no compression library):
// enough for dumps that a person opens in an image viewer.

#include <cstdint>
#include <string>
#include <vector>

// rgb: breite x hoehe pixels, 3 bytes each, rows top to bottom. 0 or 1.
int PngSchreiben(const std::string& pfad, int breite, int hoehe, const std::vector<uint8_t>& rgb);
