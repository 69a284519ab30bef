// Files dropped from other programs reach the window under the drop point
// that accepts files (DragAcceptFiles or WS_EX_ACCEPTFILES) as WM_DROPFILES.
#pragma once

#include <string>
#include <vector>

#include "platform/win/windef.h"

namespace win::user {

void DeliverDroppedFiles(POINT screen, const std::vector<std::string>& paths);

}  // namespace win::user
