#include "platform/vcl/Buttons.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace vcl {
void RegisterButtonsClasses() {
  RegisterClasses({TSpeedButton::StaticClass()});
}
}  // namespace vcl
