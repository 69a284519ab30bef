#include "platform/vcl/rtl/FileHandles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/vcl/rtl/NativePath.h"
#include "platform/vcl/rtl/OSErrors.h"

namespace {

int Fail() {
  vcl::rtl::SetLastOSError(vcl::rtl::OSErrorFromErrno(errno));
  return -1;
}

// A folder opens fine for reading on POSIX; Windows refuses it.
int RefuseFolder(int fd) {
  struct stat st;
  if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    vcl::rtl::SetLastOSError(5);
    return -1;
  }
  return fd;
}

int FailOpening(const std::string& nativeName) {
  vcl::rtl::SetLastOSError(vcl::rtl::OSErrorOfOpen(nativeName, errno));
  return -1;
}

}  // namespace

int FileOpen(const std::string& fileName, unsigned mode) {
  int flags = O_RDONLY;
  switch (mode & 3) {
    case fmOpenWrite: flags = O_WRONLY; break;
    case fmOpenReadWrite: flags = O_RDWR; break;
    default: break;
  }
  std::string native = vcl::rtl::NativePath(fileName);
  int fd = ::open(native.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return FailOpening(native);
  return RefuseFolder(fd);
}

int FileCreate(const std::string& fileName) {
  std::string native = vcl::rtl::NativePath(fileName);
  int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return FailOpening(native);
  return fd;
}

int FileRead(int handle, void* buffer, int count) {
  if (count <= 0) return 0;
  char* p = static_cast<char*>(buffer);
  int done = 0;
  while (done < count) {
    ssize_t n = ::read(handle, p + done, static_cast<std::size_t>(count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? done : Fail();
    }
    if (n == 0) break;
    done += static_cast<int>(n);
  }
  return done;
}

int FileWrite(int handle, const void* buffer, int count) {
  if (count <= 0) return 0;
  const char* p = static_cast<const char*>(buffer);
  int done = 0;
  while (done < count) {
    ssize_t n = ::write(handle, p + done, static_cast<std::size_t>(count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? done : Fail();
    }
    done += static_cast<int>(n);
  }
  return done;
}

std::int64_t FileSeek(int handle, std::int64_t offset, int origin) {
  int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  off_t pos = ::lseek(handle, static_cast<off_t>(offset), whence);
  if (pos < 0) return Fail();
  return pos;
}

bool FileTruncate(int handle, std::int64_t size) {
  if (::ftruncate(handle, static_cast<off_t>(size)) != 0) {
    Fail();
    return false;
  }
  return true;
}

void FileClose(int handle) {
  if (handle >= 0) ::close(handle);
}
