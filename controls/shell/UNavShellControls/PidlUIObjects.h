// Shell UI objects (drop targets, context menus) of absolute item-ID lists:
// an item is asked of its parent folder.
#pragma once

#include "platform/win/ole2.h"
#include "platform/win/shlobj.h"

// Splits an absolute list into its parent folder (bound), the parent's
// absolute list and a copy of the last item. The desktop (nil or empty) is
// taken as the desktop directory's file-system list. A one-item list gives
// the desktop folder and no parent list. Everything returned is the
// caller's (lists from the shell allocator); nothing is left on failure.
HRESULT SplitPidl(LPCITEMIDLIST absolute, IShellFolder** parentFolder, LPITEMIDLIST* parentAbsolute,
                  LPITEMIDLIST* child);
// The parent folder's GetUIObjectOf (no window) for the item.
HRESULT GetUIObjectOfPidl(LPCITEMIDLIST absolute, REFIID riid, void** object);
// The desktop directory's drop target.
HRESULT GetDesktopDropTarget(IDropTarget** target);
// The desktop directory's list as copies of its first Count - 1 items and of
// its last item.
HRESULT GetDesktopDirParts(LPITEMIDLIST* parentAbsolute, LPITEMIDLIST* child);
