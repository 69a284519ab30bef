#include "platform/vcl/grids/GridAxis.h"

namespace vcl::grids {

int GridAxis::FixedExtent() const {
  int pos = 0;
  for (int i = 0; i < fixed; i++) pos += Size(i) + line;
  return pos;
}

bool GridAxis::Span(int i, int& a, int& b) const {
  if (i < 0 || i >= count) return false;
  int pos = 0;
  if (i < fixed) {
    for (int k = 0; k < i; k++) pos += Size(k) + line;
  } else {
    if (i < first) return false;
    pos = FixedExtent();
    for (int k = first; k < i && pos < extent; k++) pos += Size(k) + line;
    if (pos >= extent) return false;
  }
  a = pos;
  b = pos + Size(i);
  return true;
}

int GridAxis::CellAt(int pos) const {
  if (pos < 0) return -1;
  int start = 0;
  for (int i = 0; i < fixed; i++) {
    start += Size(i) + line;
    if (pos < start) return i;
  }
  for (int i = first; i < count && start < extent; i++) {
    start += Size(i) + line;
    if (pos < start) return i;
  }
  return -1;
}

int GridAxis::FullyVisible() const {
  int pos = FixedExtent();
  int shown = 0;
  for (int i = first; i < count; i++) {
    if (pos + Size(i) > extent) break;
    pos += Size(i) + line;
    shown++;
  }
  return shown;
}

int GridAxis::MaxFirst() const {
  int room = extent - FixedExtent();
  int used = 0;
  int result = count - 1;
  for (int i = count - 1; i >= fixed; i--) {
    if (used + Size(i) > room) break;
    used += Size(i) + line;
    result = i;
  }
  return result < fixed ? fixed : result;
}

}  // namespace vcl::grids
