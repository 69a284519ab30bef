// The common controls form resources may name.
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace vcl::comctrls {
void RegisterComCtrlsClasses() {
  RegisterClasses({TStatusBar::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass(),
                   TUpDown::StaticClass(), THeaderControl::StaticClass()});
}
}  // namespace vcl::comctrls
