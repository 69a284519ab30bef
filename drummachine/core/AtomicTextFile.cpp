#include "drummachine/core/AtomicTextFile.h"

#include <signal.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/win/windows.h"

namespace {

constexpr const char* TemporaryExtension = ".tmp";

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

// The process number in a temporary's name "<file>.<process>.tmp", or 0 when
// name is not one of fileName's temporaries.
unsigned long WriterOf(const std::string& name, const std::string& fileName) {
  const std::string prefix = fileName + ".";
  const std::string extension = TemporaryExtension;
  if (name.size() <= prefix.size() + extension.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
    return 0;
  const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::strtoul(digits.c_str(), nullptr, 10);
}

bool ProcessIsGone(unsigned long process) {
  return ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

// A save killed half way leaves its temporary behind; the next save of the
// same file removes those whose writer no longer runs (a running one may be
// saving right now).
void RemoveStaleTemporaries(const std::string& folder, const std::string& fileName) {
  const std::string name = ExtractFileName(fileName);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + name + ".*" + TemporaryExtension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const unsigned long writer = WriterOf(found.cFileName, name);
    if (writer != 0 && writer != GetCurrentProcessId() && ProcessIsGone(writer))
      DeleteFileA((folder + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

std::string TemporaryFileName(const std::string& fileName) {
  return fileName + "." + std::to_string(GetCurrentProcessId()) + TemporaryExtension;
}

void WriteTextFileAtomically(const std::string& fileName, const std::function<void(TextFile&)>& write) {
  RemoveStaleTemporaries(ExtractFilePath(fileName), fileName);
  const std::string temporary = TemporaryFileName(fileName);
  TextFile f;
  try {
    AssignFile(f, temporary);
    Rewrite(f);
    write(f);
    CloseFile(f);
    FlushToDisk(temporary);
    if (!MoveFileExA(temporary.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      RaiseInOut(LastErrorCode());
  } catch (...) {
    if (f.GetMode() != TextFile::Mode::Closed) {
      IOCheckingOff quiet;
      CloseFile(f);
      IOResult();
    }
    DeleteFileA(temporary.c_str());
    throw;
  }
}
