#include "platform/win/kernel/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/win/kernel/errors.h"
#include "platform/win/winbase.h"

namespace win::kernel {

bool ReadWholeFile(const std::string& path, std::string& contents) {
  contents.clear();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  char buffer[16384];
  for (;;) {
    ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      close(fd);
      return false;
    }
    if (got == 0) break;
    contents.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return true;
}

DWORD ReplaceFile(const std::string& path, const std::string& contents) {
  size_t slash = path.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  mode_t mode = 0644;
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR)) return ERROR_ACCESS_DENIED;
    mode = st.st_mode & 0777;
  }
  std::string temp = path + ".XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return ErrorFromErrno(errno, path);
  auto fail = [&](int err) {
    close(fd);
    unlink(name.data());
    return ErrorFromErrno(err, path);
  };
  for (size_t done = 0; done < contents.size();) {
    ssize_t put = write(fd, contents.data() + done, contents.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return fail(put < 0 ? errno : ENOSPC);
    done += static_cast<size_t>(put);
  }
  if (fchmod(fd, mode) != 0 || fsync(fd) != 0) return fail(errno);
  if (close(fd) != 0) {
    int err = errno;
    unlink(name.data());
    return ErrorFromErrno(err, path);
  }
  if (rename(name.data(), path.c_str()) != 0) {
    int err = errno;
    unlink(name.data());
    return ErrorFromErrno(err, path);
  }
  // The rename itself must reach the disk too.
  int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return ERROR_SUCCESS;
}

}  // namespace win::kernel
