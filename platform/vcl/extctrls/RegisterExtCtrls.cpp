#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/controls/ScrollBox.h"

namespace vcl {
void RegisterExtCtrlsClasses() {
  RegisterClasses({TPanel::StaticClass(), TImage::StaticClass(), TBevel::StaticClass(), TShape::StaticClass(),
                   TTimer::StaticClass(), TScrollBox::StaticClass()});
}
}  // namespace vcl
