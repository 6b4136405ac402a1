#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a temporary file beside the target and renames it
// over the target, so a failed write leaves the previous file intact.
// Answers 0, or 1 when the file could not be written.
int SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes);
