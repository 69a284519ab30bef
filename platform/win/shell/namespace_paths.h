// Where the namespace's items lie in the file system, and how an absolute
// path becomes an item list. The environment is read on every call, so tests
// can point HOME and the XDG variables at a temporary tree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win/shell/item_ids.h"

namespace win::shell {

std::string HomeFolder();
// The XDG desktop directory (user-dirs.dirs), else ~/Desktop; made when
// missing.
std::string DesktopFolder();
std::string ConfigFolder();
std::string DataFolder();
// The per-user Send To folder of the project, made on demand.
std::string SendToFolder();

// The POSIX path of an absolute list; nullopt for My Computer.
std::optional<std::string> PathOf(const Items& absolute);
// The same for a list below a folder.
std::optional<std::string> PathOf(const Items& folder, const Items& relative);

// An absolute path ("C:\x\y", "/x/y", or My Computer's parsing name) as an
// absolute list: My Computer, the volume with the longest matching mount
// point, then the names, folded lexically. Every name must exist:
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) for a missing last name,
// ERROR_PATH_NOT_FOUND for a missing folder on the way.
HRESULT ParseAbsolutePath(std::string_view path, Items* out);

// The last name of a POSIX path; a path ending in "/" (the root) is its own
// name.
std::string LastName(const std::string& posixPath);

// The Windows form in which the layer hands out paths.
std::string ShownPath(const std::string& posixPath);

// My Computer's name for parsing.
inline constexpr const char* kMyComputerParsingName = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

}  // namespace win::shell
