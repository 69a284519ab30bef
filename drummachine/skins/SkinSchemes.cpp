#include "drummachine/skins/SkinSchemes.h"

TSkinSchemes::TSkinSchemes() : FNames{"Default Blue", "Green Circles", "Generic Silver"} {}

int TSkinSchemes::IndexOf(const std::string& name) const {
  for (int i = static_cast<int>(FNames.size()) - 1; i >= 0; --i)
    if (FNames[static_cast<std::size_t>(i)] == name) return i;
  return -1;
}

void TSkinSchemes::Select(const std::string& name) {
  int index = IndexOf(name);
  if (index < 0) {
    FNames.push_back(name);
    index = static_cast<int>(FNames.size()) - 1;
  }
  FItemIndex = index;
}

std::string SkinNameOf(const std::string& fileName) {
  // The file functions take "\" and "/" alike.
  const std::size_t slash = fileName.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  return name.substr(0, name.find('.'));
}
