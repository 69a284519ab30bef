// Windows paths on the POSIX file system. Every layer turns a path from the
// programs into a file-system path with ResolvePath.
#pragma once

#include <string>
#include <string_view>

namespace win::kernel {

// The POSIX path a Windows path names. "\" and "/" both separate; a leading
// drive "C:" (any letter) stands for the root folder; "." and ".." are folded
// away. Each component that does not exist as written is matched ignoring
// (ASCII) case against the folder's entries, the first in sorted order
// winning; from the first component found in neither way on, the rest is kept
// as written, so the result also names files about to be created. A relative
// path is taken from `baseDir` (a POSIX folder), or the current directory
// when that is empty. The result has no trailing "/" except for the root.
std::string ResolvePath(std::string_view windowsPath, std::string_view baseDir = {});

// "/home/u/x" -> "C:\home\u\x"; "/" -> "C:\". A relative path only has its
// separators turned.
std::string ToWindowsPath(std::string_view posixPath);

// The current directory as a POSIX path.
std::string CurrentDir();

// Case-insensitive comparison of ASCII letters; other bytes compare exactly.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace win::kernel
