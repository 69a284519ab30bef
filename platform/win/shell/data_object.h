// The data object of shell items: "Shell IDList Array" and, for items with
// a path, CF_HDROP; formats set later by its users are kept too.
#pragma once

#include <string>
#include <vector>

#include "platform/win/ole2.h"
#include "platform/win/shell/item_ids.h"

namespace win::shell {

IDataObject* CreateShellDataObject(const Items& folder, const std::vector<Items>& children);
// CF_HDROP alone, for files dropped from other programs (POSIX paths are
// handed on in the Windows form).
IDataObject* CreateDropFilesDataObject(const std::vector<std::string>& paths);

// The paths of a CF_HDROP block (Windows form, as written).
std::vector<std::string> PathsOfDropFiles(const void* block, std::size_t size);
// The POSIX paths of a data object's CF_HDROP; none when it has no such block.
std::vector<std::string> DroppedFilePaths(IDataObject* data);

}  // namespace win::shell
