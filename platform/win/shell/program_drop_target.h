// The drop target of a program file: dropped files start the program once,
// with their paths as its arguments (no shell in between), as a Send To
// entry that is a program expects.
#pragma once

#include <string>

#include "platform/win/ole2.h"

namespace win::shell {

// True for a regular file (or a link to one) that may be executed.
bool IsProgramFile(const std::string& path);

IDropTarget* CreateProgramDropTarget(const std::string& programPath);

}  // namespace win::shell
