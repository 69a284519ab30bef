#include "platform/win/shell/system_image_lists.h"

namespace win::shell {

void* SystemImageList(bool) {
  return nullptr;
}

}  // namespace win::shell
