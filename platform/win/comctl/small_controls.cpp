#include "platform/win/comctl/small_controls.h"

#include "platform/win/commctrl.h"

namespace win::comctl {

void RegisterSmallControls() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterStatusBarClass();
  RegisterTabControlClass();
  RegisterUpDownClass();
}

}  // namespace win::comctl
