// A new folder with a free automatic name, and a wait under the hourglass.
#pragma once

#include <string>

// Makes a folder in parentPath (refused, with the warning, when it is empty:
// a folder without a path such as My Computer), trying "New
// Folder", "New Folder (2)" ... "New Folder (50)", then "fldr", "fldr2" ...
// "fldr50". True with the name made in newName. A failure other than "the
// name exists" is shown to the user with the system's text and the name, and
// ends that series; false when no folder was made.
bool CreateNewFolder(const std::string& parentPath, std::string& newName);

// Sleeps on the calling thread with the screen's hourglass cursor.
void WaitWithHourglass(unsigned milliseconds);
