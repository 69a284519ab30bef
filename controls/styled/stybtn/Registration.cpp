#include "controls/styled/stybtn.h"

void RegisterStyBtnClasses() {
  RegisterClasses({TStyCustomSpeedButton::StaticClass(), TStyOfficeButton::StaticClass(), TStyMMButton::StaticClass(),
                   TStyButton::StaticClass()});
}
