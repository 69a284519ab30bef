#include "platform/win/user/modal.h"

#include "platform/win/user/idle_hook.h"

namespace win::user {

bool NextModalMessage(MSG& msg) {
  while (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) IdleThenWait();
  if (msg.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  return true;
}

}  // namespace win::user
