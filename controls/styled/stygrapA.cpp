#include "controls/styled/stygrapA.h"

void RegisterStyGrapAClasses() {
  RegisterClasses({TStySimpleBevel::StaticClass(), TStyShape::StaticClass()});
}
