#include "drummachine/core/SequenceOrder.h"

#include "platform/vcl/SysUtils.h"

bool OrderCellPattern(const TSequenceGrid& grid, int col, int row, int& pattern) {
  int number = 0;
  if (!TryStrToInt(grid.Cells(col, row), number) || number < 1 || number > SongPatterns) return false;
  pattern = number;
  return true;
}
