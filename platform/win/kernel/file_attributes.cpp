#include "platform/win/kernel/file_attributes.h"

#include "platform/win/winbase.h"

namespace win::kernel {

DWORD AttributesOf(std::string_view name, const struct stat& st) {
  DWORD attributes = 0;
  if (S_ISDIR(st.st_mode))
    attributes |= FILE_ATTRIBUTE_DIRECTORY;
  else
    attributes |= FILE_ATTRIBUTE_ARCHIVE;
  if (!(st.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
  if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

}  // namespace win::kernel
