#include "platform/vcl/rtl/NativePath.h"

#include "platform/win/drums_ext.h"

namespace vcl::rtl {

std::string NativePath(std::string_view path) {
  if (path.empty()) return {};
  return win::kernel::ResolvePath(path);
}

}  // namespace vcl::rtl
