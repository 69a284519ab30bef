#include "drummachine/skins/LedColor.h"

#include <vector>

namespace {

// The colour box's entries, in its order: the first names of the library's
// colour table.
std::vector<TColor> BoxColors() {
  std::vector<TColor> colors;
  GetColorValues([&](const std::string& name) {
    TColor color = 0;
    if (static_cast<int>(colors.size()) < LedColorCount && IdentToColor(name, color)) colors.push_back(color);
  });
  return colors;
}

}  // namespace

TColor LedColor(int index) {
  static const std::vector<TColor> colors = BoxColors();
  if (index < 0 || index >= static_cast<int>(colors.size())) return clYellow;
  return colors[static_cast<std::size_t>(index)];
}
