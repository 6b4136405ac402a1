#pragma once

#include <string>

// Paths of the platform layer. Names stored on Windows use "\" and ignore
// case; on Linux we open them with "/" and look a name up without regard to
// case when the exact name is missing.
namespace pfad {

// "\" becomes "/"; a leading drive ("C:") is dropped; each part of the path
// that does not exist as written is matched case-insensitively.
std::string ZumOeffnen(const std::string& pfad);

// A path as the user sees it: with the platform's separator ("/" here),
// whichever the stored name used. Only for showing: stored names stay as
// they are.
std::string Anzeige(std::string pfad);

// The part after the last "\" or "/".
std::string DateiName(const std::string& pfad);

// True when the file exists (after ZumOeffnen).
bool Existiert(const std::string& pfad);

} // namespace pfad
