#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace vcl {
void RegisterFileCtrlClasses() {
  RegisterClasses({TFileListBox::StaticClass(), TDirectoryListBox::StaticClass()});
}
}  // namespace vcl
