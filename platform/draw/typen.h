#pragma once

#include <cstdint>

// The small value types that drawing and the display share: points, sizes,
// rectangles (right and bottom exclusive), colours and palette entries.

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const POINT&) const = default;
};

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const SIZE&) const = default;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const RECT&) const = default;
};

// 0x00BBGGRR; a top byte of 1 names a palette index in the low 16 bits.
using COLORREF = uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr COLORREF PALETTEINDEX(int i) { return 0x01000000u | static_cast<COLORREF>(i & 0xFFFF); }
constexpr bool IstPalettenIndex(COLORREF c) { return (c >> 24) == 1; }
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct PALETTEENTRY {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
    bool operator==(const PALETTEENTRY&) const = default;
};

constexpr uint8_t PC_RESERVED = 0x01;
