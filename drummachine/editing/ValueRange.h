// A value brought into a control's range; wide enough for a typed number
// times 100.
#pragma once

#include <algorithm>
#include <cstdint>

inline int ClampToRange(std::int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}
