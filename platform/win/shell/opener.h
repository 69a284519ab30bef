// How the shell hands a document or link to the desktop: the opener program
// (xdg-open) with the target as its one argument, started without a shell.
// Tests replace the launcher (declared in drums_ext.h) to see the command
// line.
#pragma once

#include <string>
#include <vector>

#include "platform/win/drums_ext.h"

namespace win::shell {

inline constexpr const char* kDesktopOpener = "xdg-open";

// Starts argv detached; false when the program could not be started.
bool Launch(const std::vector<std::string>& argv);

}  // namespace win::shell
