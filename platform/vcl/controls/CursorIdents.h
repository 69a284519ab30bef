// The built-in cursors by name, so that streams write "Cursor = crHandPoint"
// and read it back; a program's own cursors stay numbers.
#pragma once

#include <string>

#include "platform/vcl/controls/ControlTypes.h"

bool CursorToIdent(TCursor cursor, std::string& ident);
bool IdentToCursor(const std::string& ident, TCursor& cursor);

namespace vcl {
// The "TCursor" map of the integer idents (InitControls registers it).
void RegisterCursorIdents();
void UnRegisterCursorIdents();
}  // namespace vcl
