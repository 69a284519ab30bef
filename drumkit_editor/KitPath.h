// The parts of a path the kit editor names kits and waves after: the folder
// and the file-name part up to its first ".". A dot in a folder's name never
// counts ("C:\my.samples\kick.wav" names the wave "kick").
#pragma once

#include <string>

struct TKitPath {
  // Everything before the last "\" or "/" (empty when there is none).
  std::string Folder;
  // The file-name part up to, not including, its first "." (all of it when
  // it has none).
  std::string Name;
};

TKitPath SplitKitPath(const std::string& path);
