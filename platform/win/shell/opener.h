// How the shell hands a document or link to the desktop: the opener program
// (xdg-open) with the target as its one argument, started without a shell.
// Tests replace the launcher to see the command line.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace win::shell {

using Launcher = std::function<bool(const std::vector<std::string>& argv)>;

inline constexpr const char* kDesktopOpener = "xdg-open";

// Starts argv detached; false when the program could not be started.
bool Launch(const std::vector<std::string>& argv);
// Null restores the real launcher.
void SetLauncher(Launcher launcher);

}  // namespace win::shell
