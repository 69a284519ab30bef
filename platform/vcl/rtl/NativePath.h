// Turns a path as the programs write it ("Kits\Analog_01.dsw", "C:\x") into
// the file system's path, finding names that differ only in case.
#pragma once

#include <string>
#include <string_view>

namespace vcl::rtl {

// The kernel's path resolution ("\" and "/" separate, "C:" is the root, each
// missing component matched ignoring case, the rest kept as written so the
// result also names a file about to be made). An empty name stays empty, so
// it never stands for the current folder.
std::string NativePath(std::string_view path);

}  // namespace vcl::rtl
