#include "controls/styled/styclass.h"

void RegisterStyClasses() {
  for (TClass c : {TStyBevel::StaticClass(), TStyGlyphTextLayout::StaticClass(), TStyButtonLayout::StaticClass(),
                   TStyTransparent::StaticClass(), TStyShadow::StaticClass(), TStyTimerPool::StaticClass(),
                   TStyIniCtrl::StaticClass()})
    RegisterClass(c);
}
