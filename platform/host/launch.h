// Starts a desktop helper program without a shell and without waiting for it.
#pragma once

#include <string>
#include <vector>

namespace host {

// Runs argv[0] (looked up in PATH) with the given arguments, detached: the
// child gets only standard input/output/error, and no zombie is left behind.
// True when the program was started.
bool LaunchDetached(const std::vector<std::string>& argv);

// What OpenUrl hands to the desktop: xdg-open with the target as one argument.
// Refuses targets that the helper would read as an option.
bool OpenUrlWithDesktop(const std::string& url);

}  // namespace host
