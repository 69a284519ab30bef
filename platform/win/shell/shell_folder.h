// The one shell folder class: a folder of the namespace, named by its
// absolute item list.
#pragma once

#include "platform/win/shell/item_ids.h"

namespace win::shell {

HRESULT CreateShellFolder(const Items& absolute, REFIID riid, void** ppv);

// Fills a STRRET: inline when the text fits, else a task-allocated wide string.
void SetStrRet(const std::string& text, STRRET* out);

}  // namespace win::shell
