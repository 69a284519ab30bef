// Copying, moving and trashing items for the shell's commands. Nothing is
// ever overwritten: an item arriving where its name is taken gets a new one.
#pragma once

#include <string>

namespace win::shell {

// name itself when free in the folder, else "Copy of name", then
// "Copy (2) of name", ...
std::string FreeCopyName(const std::string& folder, const std::string& name);

// The POSIX path of the new item, or empty on failure.
std::string CopyInto(const std::string& source, const std::string& folder);
std::string MoveInto(const std::string& source, const std::string& folder);

// Moves the item into the desktop's trash (the XDG trash of the data
// folder) with its restore information. False when it stays.
bool MoveToTrash(const std::string& path);

}  // namespace win::shell
