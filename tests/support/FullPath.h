// A path as the system spells it in full ("C:\tmp\..."): the shell, and with
// it every file dialog, gives paths so.
#pragma once

#include <string>

#include "platform/win/windows.h"

namespace testsupport {

inline std::string FullPath(const std::string& path) {
  char full[MAX_PATH] = {};
  GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return full;
}

}  // namespace testsupport
