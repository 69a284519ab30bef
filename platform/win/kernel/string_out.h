// The Windows way of handing a string back in a caller's buffer.
#pragma once

#include <cstring>
#include <string>

#include "platform/win/windef.h"

namespace win::kernel {

// Copies `s` with its terminator when it fits and returns its length; else
// copies nothing and returns the size needed, terminator included.
inline DWORD CopyOut(const std::string& s, LPSTR buffer, DWORD size) {
  if (!buffer || s.size() + 1 > size) return static_cast<DWORD>(s.size() + 1);
  std::memcpy(buffer, s.c_str(), s.size() + 1);
  return static_cast<DWORD>(s.size());
}

}  // namespace win::kernel
