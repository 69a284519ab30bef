#include "controls/styled/styshapA.h"

#include "platform/vcl/Classes.h"

void RegisterStyShapAClasses() {
  RegisterClasses({TStyShapeButtonColor::StaticClass(), TStyShapeButton::StaticClass()});
}
