#pragma once

#include <cstdint>
#include <string>

// Numbers as the user sees and types them: German decimal comma, no
// grouping, never an exponent. Free functions without state; texts in UTF-8.

// Decimal places beyond this are not shown: a count read from a damaged file
// must not ask the digit generator for hundreds of digits.
constexpr int kMaxDezimalstellen = 15;

// The shortest decimal that reads back as value, rounded half away from zero
// to n decimals, without a sign when it rounds to zero; "Überlauffehler"
// when it has more than 33 digits before the point or is not finite.
std::string FormatDouble(double value, int n);
std::string FormatInt(int value);
// Digits padded with "0" to at least breite digits; the sign stands in front.
std::string FormatInt64(int64_t value, int breite);
// A colour reference (0x00BBGGRR) as red, green, blue, each right-aligned
// to 3 characters.
std::string FormatFarbe(uint32_t farbe);
// Day number as DD.MM.YYYY.
std::string FormatDatum(int tagnummer);
// Whole seconds as H:MM:SS with at least two digits for the hours.
std::string FormatDauer(int sekunden);

// Reads "," as the decimal point; rounds to n decimals, halves upwards.
double ParseDouble(const std::string& text, int n);
int ParseInt(const std::string& text);
