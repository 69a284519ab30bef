#include "controls/styled/styextcS.h"

void RegisterStyExtcSClasses() {
  RegisterClasses({TStyFill::StaticClass()});
}
