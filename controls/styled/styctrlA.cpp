#include "controls/styled/styctrlA.h"

void RegisterStyCtrlAClasses() {
  RegisterClasses({TStyLImage::StaticClass(), TStyNImage::StaticClass()});
}
