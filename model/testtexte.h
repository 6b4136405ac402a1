#pragma once

#include <string>

// Names of the trial orders of the two test records; an index outside
// 1 .. 6 is the random order "Zufall".
std::string LinienReihenfolgeName(int reihenfolge);
std::string LaengenReihenfolgeName(int reihenfolge);
