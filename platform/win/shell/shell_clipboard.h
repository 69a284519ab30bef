// The shell's own clipboard for Cut, Copy and Paste: one data object and
// whether it was cut. Kept in the process, on the user-interface thread.
#pragma once

#include "platform/win/objidl.h"

namespace win::shell {

// Holds a reference to the object; null empties the clipboard.
void SetShellClipboard(IDataObject* data, bool cut);
// The object (with a reference for the caller) or null.
IDataObject* ShellClipboard(bool* cut);

}  // namespace win::shell
