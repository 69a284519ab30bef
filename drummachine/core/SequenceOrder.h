// Reading the song order: a cell names a pattern when its text is a number
// 1..16. The order runs row by row, left to right, and ends at the first cell
// that does not name a pattern.
#pragma once

#include "drummachine/core/Song.h"

// The pattern the cell names, or false when it is empty or names none.
bool OrderCellPattern(const TSequenceGrid& grid, int col, int row, int& pattern);
