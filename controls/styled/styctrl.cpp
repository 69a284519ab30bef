#include "controls/styled/styctrl.h"

void RegisterStyCtrlClasses() {
  for (TClass c : {TStyCustomPanel::StaticClass(), TStyCustomBevelPanel::StaticClass(), TStySimplePanel::StaticClass(),
                   TStyCustomScrollBox::StaticClass(), TStyScrollBox::StaticClass()})
    RegisterClass(c);
}
