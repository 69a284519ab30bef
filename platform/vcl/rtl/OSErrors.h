// Operating-system error numbers as the Windows API reports them, the last
// error of the library's own file routines, and their English texts.
#pragma once

#include <string>

namespace vcl::rtl {

// errno -> the Windows error number (ERROR_FILE_NOT_FOUND = 2, ...).
int OSErrorFromErrno(int err);
// The last error of this thread's file routines (FileOpen, FileCreate, ...).
int GetLastOSError();
// The Windows error number of a failed open of nativeName: a missing name in a
// missing folder is "path not found" (3) rather than "file not found" (2).
int OSErrorOfOpen(const std::string& nativeName, int err);
void SetLastOSError(int code);

}  // namespace vcl::rtl

// The system's text for an error number, without a trailing period.
std::string SysErrorMessage(int errorCode);
// Raises EOSError for the last error of this thread's file routines.
[[noreturn]] void RaiseLastOSError();
