#include "controls/styled/styextcS.h"

#include "platform/vcl/Classes.h"

void RegisterStyExtcSClasses() {
  RegisterClasses({TStyFill::StaticClass(), TStyColorComboBox::StaticClass()});
}
