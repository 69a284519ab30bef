// Turning a cursor handle into the desktop's pointer.
//
// Standard cursors (the IDC_ ids as LoadCursorA(0, ...) hands them out, and
// the ids themselves) map to the host's system cursors here. Cursor objects
// made from pictures belong to whoever made them: that code installs an
// applier that shows its own cursors and answers false for handles it does
// not know.
#pragma once

#include <functional>

#include "platform/win/windef.h"

namespace win::user {

using CursorApplier = std::function<bool(HCURSOR)>;
void SetCursorApplier(CursorApplier applier);

// Shows the cursor on the desktop (through the applier, else the standard ids).
void ApplyCursor(HCURSOR cursor);

// The standard cursor id (32512 ...) a handle stands for, or 0.
int StandardCursorId(HCURSOR cursor);

}  // namespace win::user
