#pragma once

#include <cstdint>
#include <vector>

// The whole X screen as 0xRRGGBB, grabbed from the X server (empty without one).
std::vector<uint32_t> Bildschirmfoto(int& breite, int& hoehe);
