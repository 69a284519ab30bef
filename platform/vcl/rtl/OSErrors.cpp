#include "platform/vcl/rtl/OSErrors.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/vcl/rtl/Exceptions.h"

namespace vcl::rtl {
namespace {
thread_local int lastError = 0;
}

int OSErrorFromErrno(int err) {
  switch (err) {
    case 0: return 0;
    case ENOENT: return 2;  // file not found
    case ENOTDIR: return 3;  // path not found
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return 5;
    case EBADF: return 6;
    case ENOMEM: return 8;
    case EBUSY:
    case ETXTBSY: return 32;  // sharing violation
    case ENOSPC: return 112;
    case EEXIST: return 80;  // file exists
    case ENOTEMPTY: return 145;
    case ENAMETOOLONG: return 206;
    case EINVAL: return 87;
    default: return 31;  // a device attached to the system is not functioning
  }
}

int GetLastOSError() {
  return lastError;
}

int OSErrorOfOpen(const std::string& nativeName, int err) {
  if (err == ENOENT) {
    std::string::size_type slash = nativeName.rfind('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : nativeName.substr(0, slash);
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return 3;
  }
  return OSErrorFromErrno(err);
}
void SetLastOSError(int code) {
  lastError = code;
}

}  // namespace vcl::rtl

std::string SysErrorMessage(int errorCode) {
  switch (errorCode) {
    case 0: return "The operation completed successfully";
    case 2: return "The system cannot find the file specified";
    case 3: return "The system cannot find the path specified";
    case 4: return "The system cannot open the file";
    case 5: return "Access is denied";
    case 6: return "The handle is invalid";
    case 8: return "Not enough storage is available to process this command";
    case 31: return "A device attached to the system is not functioning";
    case 32: return "The process cannot access the file because it is being used by another process";
    case 80: return "The file exists";
    case 87: return "The parameter is incorrect";
    case 112: return "There is not enough space on the disk";
    case 145: return "The directory is not empty";
    case 206: return "The filename or extension is too long";
    default: return "Unknown error " + std::to_string(errorCode);
  }
}

void RaiseLastOSError() {
  int code = vcl::rtl::GetLastOSError();
  if (code == 0) throw EOSError("A call to an OS function failed");
  EOSError e("System Error.  Code: " + std::to_string(code) + ".\r\n" + SysErrorMessage(code));
  e.ErrorCode = static_cast<unsigned long>(code);
  throw e;
}
