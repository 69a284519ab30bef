// Which files have a version block, and which version it holds. The
// system's own libraries answer with fixed versions ("comctl32.dll" 5.81);
// tests replace or remove an answer to see how callers cope.
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace win::version {

// The version "fileName" (matched by its last path component, ignoring
// case) answers from now on: most and least significant words.
void SetFileVersion(const std::string& fileName, DWORD mostSignificant, DWORD leastSignificant);
// The file then has no version block.
void RemoveFileVersion(const std::string& fileName);
// Back to the system's own answers.
void ResetFileVersions();

}  // namespace win::version
