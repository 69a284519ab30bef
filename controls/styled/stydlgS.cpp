#include "controls/styled/stydlgS.h"

#include "platform/vcl/SysUtils.h"

void RegisterStyDlgSClasses() {
  static bool seeded = false;
  if (!seeded) {
    Randomize();
    seeded = true;
  }
  RegisterClasses({TStyTipDlg::StaticClass()});
}
