// The file controls: a list of a folder's files and a list of folders.
#pragma once

#include "platform/vcl/filectrl/DirectoryListBox.h"
#include "platform/vcl/filectrl/FileListBox.h"

namespace vcl {
// Makes the file controls known to form streaming.
void RegisterFileCtrlClasses();
}  // namespace vcl
