// Trimming a dirty rectangle to a window's pixels, which both back ends do
// before they copy a frame out.
#pragma once

#include <algorithm>

#include "platform/host/host.h"

namespace host {

// Cuts `r` to the `width` x `height` area from the origin; false (and `r`
// unchanged) when nothing of it is left.
inline bool ClipRect(Rect& r, int width, int height) {
  const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
  const int x1 = std::min(r.x + r.w, width), y1 = std::min(r.y + r.h, height);
  if (x1 <= x0 || y1 <= y0) return false;
  r = {x0, y0, x1 - x0, y1 - y0};
  return true;
}

}  // namespace host
