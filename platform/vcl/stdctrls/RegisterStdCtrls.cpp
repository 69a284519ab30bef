#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace vcl {
void RegisterStdCtrlsClasses() {
  RegisterClasses({TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(), TButton::StaticClass(),
                   TCheckBox::StaticClass(), TListBox::StaticClass(), TComboBox::StaticClass()});
}
}  // namespace vcl
