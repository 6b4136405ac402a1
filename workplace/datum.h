#pragma once

// Dates as day numbers: 1 is 1970-01-01; dates before 1970 have none.
// Free functions without state.

// Local date and time of the system clock; 1.1.1970 00:00:00 when the clock
// cannot be converted.
void HeuteDatumZeit(int* tag, int* monat, int* jahr, int* stunde, int* minute, int* sekunde);

// Day number of a date; 1 for an invalid date.
int Tagnummer(int tag, int monat, int jahr);

// Day of the year 1-366; the inputs are clamped into range first.
int TagImJahr(int tag, int monat, int jahr);

// Calendar date of a day number; numbers below 1 give 1.1.1970.
void TagnummerInDatum(int nummer, int* tag, int* monat, int* jahr);

bool IstSchaltjahr(int jahr);
