#include "controls/styled/stygraph.h"

void RegisterStyGraphClasses() {
  RegisterClasses({TStyGradient::StaticClass(), TSty3DCaption::StaticClass(), TStyFxCaption::StaticClass(),
                   TStyCaption::StaticClass(), TStyShapeFill::StaticClass(), TStyFillObject::StaticClass()});
}
