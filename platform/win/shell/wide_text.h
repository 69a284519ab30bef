// UTF-8 <-> the wide strings of the COM interfaces (UTF-32 here).
#pragma once

#include <string>

#include "platform/win/objbase.h"

namespace win::shell {

std::string Utf8FromWide(LPCWSTR text);
// A new NUL-terminated string from the task allocator.
LPWSTR WideFromUtf8(const std::string& text);

}  // namespace win::shell
