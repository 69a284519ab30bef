// Windows attributes of a POSIX file, shared by GetFileAttributesA and the
// find functions.
#pragma once

#include <sys/stat.h>

#include <string_view>

#include "platform/win/windef.h"

namespace win::kernel {

// READONLY: the owner may not write (kept even for the superuser, as Windows
// keeps it for administrators); HIDDEN: a name starting with "."; ARCHIVE:
// every regular file; NORMAL alone when nothing else applies.
DWORD AttributesOf(std::string_view name, const struct stat& st);

}  // namespace win::kernel
