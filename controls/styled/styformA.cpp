#include "controls/styled/styformA.h"

#include "platform/vcl/Classes.h"

void RegisterStyFormAClasses() {
  RegisterClasses({TStyFormStyler::StaticClass(), TStyBack::StaticClass()});
}
