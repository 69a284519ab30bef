// The item commands' plumbing that the shell tree and the shell list share:
// which default key was pressed, renaming an item through its folder, and
// the mouse wheel that scrolls the shell control under the pointer.
#pragma once

#include <string>

#include "controls/shell/UNavShellControls/DefaultKeys.h"
#include "controls/shell/UNavShellControls/ScrollHelpers.h"
#include "platform/vcl/Controls.h"
#include "platform/win/shlobj.h"

// The default key that the key and shift state press, the delete key also
// with Shift held; false when they press none.
bool MatchDefaultKey(WORD key, TShiftState shift, TNavShellControlDefKey& which);

// Renames the item of folder under the hourglass (the name cut to the
// longest the shell takes); the item's new relative list, owned by the
// caller, or nil when the shell refused.
LPITEMIDLIST RenameShellItem(IShellFolder* folder, HWND owner, LPCITEMIDLIST relative, const std::string& name);

// The wheel over control: passed on to another shell tree or list when the
// pointer is over one, else scrolls control along bar. True.
bool ShellControlWheel(TWinControl* control, TShiftState shift, int wheelDelta, TPoint mousePos, TNavScrollBar bar);
