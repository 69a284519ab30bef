#include "platform/win/kernel/errors.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/win/winbase.h"

namespace win::kernel {
namespace {

bool ParentIsFolder(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return true;
  std::string parent = slash == 0 ? "/" : path.substr(0, slash);
  struct stat st {};
  return stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

DWORD ErrorFromErrno(int err, const std::string& posixPath) {
  switch (err) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return posixPath.empty() || ParentIsFolder(posixPath) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case EBADF: return ERROR_INVALID_HANDLE;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EXDEV: return ERROR_NOT_SAME_DEVICE;
    case EBUSY: return ERROR_BUSY;
    case ELOOP: return ERROR_CANT_RESOLVE_FILENAME;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EIO: return ERROR_GEN_FAILURE;
    default: return ERROR_GEN_FAILURE;
  }
}

void SetErrorFromErrno(int err, const std::string& posixPath) {
  SetLastError(ErrorFromErrno(err, posixPath));
}

}  // namespace win::kernel
