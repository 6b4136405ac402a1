#pragma once

#include "platform/draw/typen.h"

#include <vector>

// Stimuli per cell of the cell strategy, sharing the total at random; the
// first two cells hold the same count. Empty when the cells cannot reach
// the total within their cap.
std::vector<int> ZellenAnzahlen(int zellen, int gesamt, int grenze);

// Grid places (x column, y row, from 1) of the serpentine demonstration
// path: along the rows or down the columns, turning at the ends.
std::vector<POINT> ExplorationsPfad(int zeilen, int spalten, bool nachZeilen);
