// errno to Windows error codes.
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace win::kernel {

// ENOENT becomes ERROR_FILE_NOT_FOUND when the folder of `posixPath` exists,
// else ERROR_PATH_NOT_FOUND, as Windows tells the two apart.
DWORD ErrorFromErrno(int err, const std::string& posixPath = {});
// SetLastError(ErrorFromErrno(...)).
void SetErrorFromErrno(int err, const std::string& posixPath = {});

}  // namespace win::kernel
