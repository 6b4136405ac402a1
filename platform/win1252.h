#pragma once

#include <string>
#include <string_view>

// Conversion between the program's UTF-8 strings and the Windows-1252 bytes
// of its files. Our own table: 0x80-0x9F differ from Latin-1.
namespace win1252 {

// Characters without a Windows-1252 byte become '?'.
std::string AusUtf8(std::string_view utf8);
// The five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1
// control characters of the same value, so that they survive a round trip.
std::string NachUtf8(std::string_view bytes);

// True when the bytes form valid UTF-8.
bool IstUtf8(std::string_view bytes);
// Number of characters (code points) of a UTF-8 string.
size_t ZeichenAnzahl(std::string_view utf8);
// The first n characters of a UTF-8 string.
std::string ErsteZeichen(std::string_view utf8, size_t n);

} // namespace win1252
