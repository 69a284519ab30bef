#include "controls/shell/UNavFrame.h"

#include "platform/vcl/Classes.h"

void RegisterNavFrameClasses() {
  RegisterClasses({TNavGroup::StaticClass(), TNavFrame::StaticClass()});
}
