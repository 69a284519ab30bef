#include "drumkit_editor/KitPath.h"

TKitPath SplitKitPath(const std::string& path) {
  TKitPath parts;
  const std::size_t slash = path.find_last_of("\\/");
  std::string file = path;
  if (slash != std::string::npos) {
    parts.Folder = path.substr(0, slash);
    file = path.substr(slash + 1);
  }
  parts.Name = file.substr(0, file.find('.'));
  return parts;
}
