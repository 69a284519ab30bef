// The shell's context menu of items: building it, finding a command by its
// verb and invoking it. The shell's commands start at identifier 50.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"
#include "platform/win/shlobj.h"

inline constexpr UINT kNavFirstShellCommand = 50;
inline constexpr UINT kNavLastShellCommand = 0x7FFF;

// The folder's IContextMenu for the items and a new popup menu filled by it
// (position 0, identifiers from firstId to 0x7FFF, the flags). A failing
// QueryContextMenu releases the interface, destroys the menu and raises
// EOleSysError. Other failures are returned with nothing left.
HRESULT GetContextMenuOf(HWND owner, IShellFolder* folder, UINT count, LPCITEMIDLIST* items, IContextMenu** menu,
                         HMENU& menuHandle, UINT flags, UINT firstId);

// The command offset of the menu's first command whose verb is verb
// (ignoring case); -1 when no command has it. Raises EOleSysError when the
// menu cannot be built.
int FindVerbId(IContextMenu* menu, const std::string& verb);

// Invokes a command by its offset, or by its verb. A verb that no command
// has invokes nothing and answers E_INVALIDARG.
HRESULT InvokeContextMenuVerb(HWND owner, IContextMenu* menu, UINT offset);
HRESULT InvokeContextMenuVerb(HWND owner, IContextMenu* menu, const std::string& verb);

// The window of the control's top-level parent when that is a form, else 0:
// the owner window of shell calls.
HWND GetTopFormHandle(TControl* control);
