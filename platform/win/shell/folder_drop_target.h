// The drop target of a file-system folder: dropped files are copied, moved
// or linked into it by the keys held, and nothing there is overwritten.
#pragma once

#include <string>

#include "platform/win/ole2.h"

namespace win::shell {

IDropTarget* CreateFolderDropTarget(const std::string& folderPath);

// The effect a drop asks for: Ctrl+Shift or Alt link, Ctrl copies, Shift
// moves, no key moves within a volume and copies across volumes; limited to
// what is allowed (then copy, move, link in that order of preference).
DWORD DropEffectFor(DWORD keys, bool sameVolume, DWORD allowed);

}  // namespace win::shell
