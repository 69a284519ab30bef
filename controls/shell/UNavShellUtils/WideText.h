// UTF-8 text to and from the shell's wide strings (one code point a WCHAR).
#pragma once

#include <string>

#include "platform/win/windows.h"

namespace navshell {

std::wstring ToWide(const std::string& utf8);
std::string FromWide(const WCHAR* wide);

}  // namespace navshell
