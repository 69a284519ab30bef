#include "controls/styled/stystdcA.h"

#include "platform/vcl/Classes.h"

void RegisterStyStdcAClasses() {
  RegisterClasses({TStySpinButton::StaticClass(), TStySpinEdit::StaticClass(), TStyListBox::StaticClass()});
}
