// File handles over POSIX descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/win/kernel/errors.h"
#include "platform/win/kernel/filetime.h"
#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::SetErrorFromErrno;

constexpr DWORD kReadRights = GENERIC_READ | GENERIC_ALL | 0x0001;  // + FILE_READ_DATA
constexpr DWORD kWriteRights = GENERIC_WRITE | GENERIC_ALL | 0x0002 | 0x0004;  // + FILE_WRITE_DATA, APPEND

class File : public win::kernel::Object {
 public:
  File(int fd, std::string path, bool deleteOnClose) : fd(fd), path(std::move(path)), deleteOnClose(deleteOnClose) {}
  ~File() override {
    close(fd);
    if (deleteOnClose) unlink(path.c_str());
  }
  const int fd;
  const std::string path;
  const bool deleteOnClose;
};

std::shared_ptr<File> FindFile(HANDLE handle) {
  auto file = win::kernel::FindHandleAs<File>(handle);
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

}  // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE) {
  if (!lpFileName || !*lpFileName) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  const std::string path = win::kernel::ResolvePath(lpFileName);
  const bool wantWrite = (dwDesiredAccess & kWriteRights) != 0;
  const bool wantRead = (dwDesiredAccess & kReadRights) != 0;

  int flags = O_CLOEXEC;
  flags |= wantWrite ? (wantRead ? O_RDWR : O_WRONLY) : O_RDONLY;
  switch (dwCreationDisposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_EXISTING: break;
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    case TRUNCATE_EXISTING:
      if (!wantWrite) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
      }
      flags |= O_TRUNC;
      break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_HANDLE_VALUE;
  }

  struct stat st {};
  const bool existed = stat(path.c_str(), &st) == 0;
  if (existed) {
    if (dwCreationDisposition == CREATE_NEW) {
      SetLastError(ERROR_FILE_EXISTS);
      return INVALID_HANDLE_VALUE;
    }
    if (S_ISDIR(st.st_mode)) {
      // Folders open only for backup semantics, and never for writing.
      if (!(dwFlagsAndAttributes & FILE_FLAG_BACKUP_SEMANTICS) || wantWrite) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
      }
      flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    } else if ((wantWrite || (flags & O_TRUNC)) && !(st.st_mode & S_IWUSR)) {
      SetLastError(ERROR_ACCESS_DENIED);  // the read-only attribute binds everyone
      return INVALID_HANDLE_VALUE;
    }
  }
  const mode_t mode = (dwFlagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  int fd = open(path.c_str(), flags, mode);
  if (fd < 0) {
    SetErrorFromErrno(errno, path);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE handle =
      win::kernel::AddHandle(std::make_shared<File>(fd, path, (dwFlagsAndAttributes & FILE_FLAG_DELETE_ON_CLOSE) != 0));
  const bool reportsExisting = dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS;
  SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD n, LPDWORD lpRead, LPOVERLAPPED) {
  if (lpRead) *lpRead = 0;
  auto file = FindFile(hFile);
  if (!file) return FALSE;
  DWORD done = 0;
  while (done < n) {
    ssize_t got = read(file->fd, static_cast<char*>(lpBuffer) + done, n - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      SetErrorFromErrno(errno == EISDIR || errno == EBADF ? EACCES : errno);  // EBADF: opened for writing only
      if (lpRead) *lpRead = done;
      return FALSE;
    }
    if (got == 0) break;
    done += static_cast<DWORD>(got);
  }
  if (lpRead) *lpRead = done;
  return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD n, LPDWORD lpWritten, LPOVERLAPPED) {
  if (lpWritten) *lpWritten = 0;
  auto file = FindFile(hFile);
  if (!file) return FALSE;
  DWORD done = 0;
  while (done < n) {
    ssize_t put = write(file->fd, static_cast<const char*>(lpBuffer) + done, n - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      SetErrorFromErrno(errno == EBADF ? EACCES : errno);  // opened for reading only
      if (lpWritten) *lpWritten = done;
      return FALSE;
    }
    done += static_cast<DWORD>(put);
  }
  if (lpWritten) *lpWritten = done;
  return TRUE;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod) {
  auto file = FindFile(hFile);
  if (!file) return INVALID_SET_FILE_POINTER;
  std::int64_t distance =
      lpDistanceToMoveHigh
          ? static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<DWORD>(*lpDistanceToMoveHigh)) << 32) |
                                      static_cast<DWORD>(lDistanceToMove))
          : lDistanceToMove;
  std::int64_t base = 0;
  if (dwMoveMethod == FILE_CURRENT) {
    base = lseek(file->fd, 0, SEEK_CUR);
  } else if (dwMoveMethod == FILE_END) {
    struct stat st {};
    fstat(file->fd, &st);
    base = st.st_size;
  } else if (dwMoveMethod != FILE_BEGIN) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  std::int64_t target = base + distance;
  if (target < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  if (!lpDistanceToMoveHigh && target > 0xFFFFFFFELL) {
    // Without the high part the position must fit in 32 bits.
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (lseek(file->fd, target, SEEK_SET) < 0) {
    SetErrorFromErrno(errno);
    return INVALID_SET_FILE_POINTER;
  }
  if (lpDistanceToMoveHigh) *lpDistanceToMoveHigh = static_cast<LONG>(target >> 32);
  SetLastError(ERROR_SUCCESS);  // tells a position of 0xFFFFFFFF from a failure
  return static_cast<DWORD>(target);
}

BOOL SetEndOfFile(HANDLE hFile) {
  auto file = FindFile(hFile);
  if (!file) return FALSE;
  off_t position = lseek(file->fd, 0, SEEK_CUR);
  if (ftruncate(file->fd, position) != 0) {
    SetErrorFromErrno(errno == EINVAL ? EACCES : errno);
    return FALSE;
  }
  return TRUE;
}

DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  auto file = FindFile(hFile);
  if (!file) return INVALID_FILE_SIZE;
  struct stat st {};
  fstat(file->fd, &st);
  std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
  if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size);
}

BOOL FlushFileBuffers(HANDLE hFile) {
  auto file = FindFile(hFile);
  if (!file) return FALSE;
  if (fsync(file->fd) != 0) {
    SetErrorFromErrno(errno);
    return FALSE;
  }
  return TRUE;
}

BOOL GetFileTime(HANDLE hFile, LPFILETIME lpCreationTime, LPFILETIME lpLastAccessTime, LPFILETIME lpLastWriteTime) {
  auto file = FindFile(hFile);
  if (!file) return FALSE;
  struct stat st {};
  fstat(file->fd, &st);
  // POSIX keeps no creation time; the last write stands in for it.
  if (lpCreationTime) *lpCreationTime = win::kernel::FileTimeFromTimespec(st.st_mtim);
  if (lpLastAccessTime) *lpLastAccessTime = win::kernel::FileTimeFromTimespec(st.st_atim);
  if (lpLastWriteTime) *lpLastWriteTime = win::kernel::FileTimeFromTimespec(st.st_mtim);
  return TRUE;
}
