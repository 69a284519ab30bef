#include "controls/styled/stystdcS.h"

void RegisterStystdcSClasses() {
  RegisterClasses({TStySimpleLabel::StaticClass()});
}
