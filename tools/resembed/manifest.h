// The manifest: one resource a line.
//
//   # comment
//   BITMAP   THUMB_HORZ  bitmaps/thumb_horz.bmp   (the file header is stripped)
//   ICON     MAINICON    icons/main.ico           (group + one RT_ICON per image)
//   CURSOR   16548       cursors/hand.cur         (group + one RT_CURSOR per image)
//   RCDATA   TFRMMAIN    forms/frmmain.bin        (raw bytes)
//   STRINGS  strings.txt                          (lines: number "text")
//   <type>   <name>      <file>                   (any other type: a number or a name; raw bytes)
//
// Names and types are decimal numbers or words (quoted when they hold
// spaces); words compare without case. Paths are relative to the manifest.
#pragma once

#include <string>
#include <vector>

#include "tools/resembed/resource_set.h"

namespace resembed {

struct Loaded {
  std::vector<Resource> resources;
  std::vector<std::string> inputs;  // every file read, for the build's dependency list
};

// Throws Failure with file and line.
Loaded LoadManifest(const std::string& path);

Bytes ReadFile(const std::string& path);

}  // namespace resembed
