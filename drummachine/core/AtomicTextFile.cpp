#include "drummachine/core/AtomicTextFile.h"

#include "platform/win/windows.h"

namespace {

[[noreturn]] void RaiseInOut(int code) {
  throw EInOutError(InOutErrorMessage(code), code);
}

// The I/O error number for the system's last error.
int LastErrorCode() {
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 3 : 5;
}

void FlushToDisk(const std::string& fileName) {
  HANDLE h = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) RaiseInOut(LastErrorCode());
  BOOL flushed = FlushFileBuffers(h);
  CloseHandle(h);
  if (!flushed) RaiseInOut(101);
}

}  // namespace

void WriteTextFileAtomically(const std::string& fileName, const std::function<void(TextFile&)>& write) {
  std::string folder = ExtractFilePath(fileName);
  if (folder.empty()) folder.push_back('.');
  char temporary[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "new", 0, temporary) == 0) RaiseInOut(LastErrorCode());
  TextFile f;
  try {
    AssignFile(f, temporary);
    Rewrite(f);
    write(f);
    CloseFile(f);
    FlushToDisk(temporary);
    if (!MoveFileExA(temporary, fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      RaiseInOut(LastErrorCode());
  } catch (...) {
    if (f.GetMode() != TextFile::Mode::Closed) {
      IOCheckingOff quiet;
      CloseFile(f);
      IOResult();
    }
    DeleteFileA(temporary);
    throw;
  }
}
