#include "platform/win/controls/system_classes.h"

namespace win::controls {

void RegisterSystemControls() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterButtonClass();
  RegisterEditClass();
  RegisterStaticClass();
  RegisterListBoxClass();
  RegisterComboBoxClass();
  RegisterScrollBarClass();
}

}  // namespace win::controls
