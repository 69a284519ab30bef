#include "platform/win/drums_ext.h"
#include "platform/win/user/window.h"

namespace win::user {

host::WindowId HostWindowOf(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w ? TopLevelOf(w)->hostId : 0;
}

}  // namespace win::user
