#include "controls/styled/stycctrl.h"

void RegisterStyCctrlClasses() {
  for (TClass c :
       {TStyBaseControl::StaticClass(), TStyBaseGraphicControl::StaticClass(), TStyGraphicControl::StaticClass(),
        TStyCustomControl::StaticClass(), TStyContainerComponent::StaticClass()})
    RegisterClass(c);
}
