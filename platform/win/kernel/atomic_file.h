// Whole-file reads and crash-safe whole-file replacement for the settings
// stores.
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace win::kernel {

// False when the file cannot be read (a missing file reads as empty and true).
bool ReadWholeFile(const std::string& path, std::string& contents);

// Writes `contents` to a temporary file in the same folder, syncs it and
// renames it over `path`, so the old file stays whole until the new one is
// complete. Returns ERROR_SUCCESS or the Windows error of the failure.
DWORD ReplaceFile(const std::string& path, const std::string& contents);

}  // namespace win::kernel
