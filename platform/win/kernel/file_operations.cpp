// Whole-file operations: delete, move, copy, folders, attributes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/win/kernel/errors.h"
#include "platform/win/kernel/file_attributes.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::ResolvePath;
using win::kernel::SetErrorFromErrno;

bool StatOf(const std::string& path, struct stat& st) {
  return stat(path.c_str(), &st) == 0;
}

std::string LastComponent(const std::string& windowsPath) {
  size_t cut = windowsPath.find_last_of("\\/:");
  return cut == std::string::npos ? windowsPath : windowsPath.substr(cut + 1);
}

std::string ParentOf(const std::string& posixPath) {
  size_t slash = posixPath.find_last_of('/');
  return slash == 0 || slash == std::string::npos ? "/" : posixPath.substr(0, slash);
}

// The destination of a rename. When the name found ignoring case is the
// source itself, the caller is changing only the case: use the name as given.
std::string Destination(const char* windowsPath, const std::string& source) {
  std::string dest = ResolvePath(windowsPath);
  struct stat a {
  }, b{};
  if (lstat(dest.c_str(), &b) == 0 && lstat(source.c_str(), &a) == 0 && a.st_ino == b.st_ino && a.st_dev == b.st_dev) {
    std::string name = LastComponent(windowsPath);
    if (!name.empty()) return ParentOf(dest) + "/" + name;
  }
  return dest;
}

// Copies bytes, permissions and the last write time. On failure the partial
// destination is removed and errno tells why.
bool CopyContents(const std::string& from, const std::string& to, bool failIfExists) {
  int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat st {};
  fstat(in, &st);
  if (S_ISDIR(st.st_mode)) {
    close(in);
    errno = EACCES;
    return false;
  }
  int out = open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (failIfExists ? O_EXCL : 0), st.st_mode & 0777);
  if (out < 0) {
    int saved = errno;
    close(in);
    errno = saved;
    return false;
  }
  char buffer[65536];
  bool ok = true;
  for (;;) {
    ssize_t got = read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    for (ssize_t done = 0; done < got;) {
      ssize_t put = write(out, buffer + done, static_cast<size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) {
        ok = false;
        break;
      }
      done += put;
    }
    if (!ok) break;
  }
  int saved = errno;
  if (ok) {
    timespec times[2] = {st.st_atim, st.st_mtim};
    futimens(out, times);
    fchmod(out, st.st_mode & 0777);
  }
  close(in);
  if (close(out) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (!ok) unlink(to.c_str());
  errno = saved;
  return ok;
}

}  // namespace

BOOL DeleteFileA(LPCSTR lpFileName) {
  std::string path = ResolvePath(lpFileName ? lpFileName : "");
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    SetErrorFromErrno(errno, path);
    return FALSE;
  }
  if (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))) {
    SetLastError(ERROR_ACCESS_DENIED);  // folders, and read-only files
    return FALSE;
  }
  if (unlink(path.c_str()) != 0) {
    SetErrorFromErrno(errno, path);
    return FALSE;
  }
  return TRUE;
}

BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  if (!lpExistingFileName || !lpNewFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::string from = ResolvePath(lpExistingFileName);
  struct stat src {};
  if (lstat(from.c_str(), &src) != 0) {
    SetErrorFromErrno(errno, from);
    return FALSE;
  }
  std::string to = Destination(lpNewFileName, from);
  struct stat dst {};
  bool sameFile = false;
  if (lstat(to.c_str(), &dst) == 0) {
    sameFile = dst.st_ino == src.st_ino && dst.st_dev == src.st_dev;
    if (!sameFile) {
      if (!(dwFlags & MOVEFILE_REPLACE_EXISTING)) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
      }
      if (S_ISDIR(dst.st_mode) || S_ISDIR(src.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
      }
    }
  }
  if (rename(from.c_str(), to.c_str()) == 0) return TRUE;
  if (errno == EXDEV && !S_ISDIR(src.st_mode)) {
    // Another file system: files move by copy and delete, as on Windows.
    if (CopyContents(from, to, false) && unlink(from.c_str()) == 0) return TRUE;
  }
  SetErrorFromErrno(errno, to);
  return FALSE;
}

BOOL MoveFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName) {
  return MoveFileExA(lpExistingFileName, lpNewFileName, MOVEFILE_COPY_ALLOWED);
}

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
  if (!lpExistingFileName || !lpNewFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::string from = ResolvePath(lpExistingFileName);
  std::string to = ResolvePath(lpNewFileName);
  struct stat src {
  }, dst{};
  if (!StatOf(from, src)) {
    SetErrorFromErrno(errno, from);
    return FALSE;
  }
  if (StatOf(to, dst)) {
    if (bFailIfExists) {
      SetLastError(ERROR_FILE_EXISTS);
      return FALSE;
    }
    if (S_ISDIR(dst.st_mode) || !(dst.st_mode & S_IWUSR) || (dst.st_ino == src.st_ino && dst.st_dev == src.st_dev)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
  }
  if (!CopyContents(from, to, bFailIfExists != FALSE)) {
    SetLastError(errno == EEXIST ? ERROR_FILE_EXISTS : win::kernel::ErrorFromErrno(errno, to));
    return FALSE;
  }
  return TRUE;
}

BOOL CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES) {
  std::string path = ResolvePath(lpPathName ? lpPathName : "");
  if (mkdir(path.c_str(), 0777) != 0) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : win::kernel::ErrorFromErrno(errno, path));
    return FALSE;
  }
  return TRUE;
}

BOOL RemoveDirectoryA(LPCSTR lpPathName) {
  std::string path = ResolvePath(lpPathName ? lpPathName : "");
  if (rmdir(path.c_str()) != 0) {
    SetLastError(errno == ENOTDIR ? ERROR_DIRECTORY : win::kernel::ErrorFromErrno(errno, path));
    return FALSE;
  }
  return TRUE;
}

DWORD GetFileAttributesA(LPCSTR lpFileName) {
  std::string path = ResolvePath(lpFileName ? lpFileName : "");
  struct stat st {};
  if (!StatOf(path, st)) {
    SetErrorFromErrno(errno, path);
    return INVALID_FILE_ATTRIBUTES;
  }
  return win::kernel::AttributesOf(path == "/" ? std::string() : path.substr(path.find_last_of('/') + 1), st);
}

BOOL SetFileAttributesA(LPCSTR lpFileName, DWORD dwFileAttributes) {
  std::string path = ResolvePath(lpFileName ? lpFileName : "");
  struct stat st {};
  if (!StatOf(path, st)) {
    SetErrorFromErrno(errno, path);
    return FALSE;
  }
  mode_t mode = st.st_mode & 07777;
  if (dwFileAttributes & FILE_ATTRIBUTE_READONLY)
    mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
  else
    mode |= S_IWUSR;
  if (chmod(path.c_str(), mode) != 0) {
    SetErrorFromErrno(errno, path);
    return FALSE;
  }
  return TRUE;
}
