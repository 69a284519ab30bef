// The layout of a grid in one direction: where each column (row) lies in the
// client area for the current first scrolled one, which one a point falls
// in, and how far the view may scroll.
#pragma once

#include <vector>

namespace vcl::grids {

struct GridAxis {
  int count;  // columns (rows)
  int fixed;  // of them fixed at the start
  int first;  // the first scrolled one shown
  int line;  // the width of the grid line after each
  int def;  // the default size
  const std::vector<int>* sizes;  // empty: every one has the default size
  int extent;  // the client area's size

  int Size(int i) const { return sizes->empty() ? def : (*sizes)[i]; }
  // Where the scrolled ones start.
  int FixedExtent() const;
  // The span [a, b) of cell i; false when it is scrolled out of view or
  // starts beyond the client area.
  bool Span(int i, int& a, int& b) const;
  // The cell at pos (its grid line after it counts as its own); -1: none.
  int CellAt(int pos) const;
  // The scrolled cells from `first` shown in full.
  int FullyVisible() const;
  // The largest `first` that still fills the view with the last cells.
  int MaxFirst() const;
};

}  // namespace vcl::grids
