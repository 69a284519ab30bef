#include "controls/styled/styextcA.h"

void RegisterStyExtcAClasses() {
  RegisterClasses({TStyTrackBar::StaticClass()});
}
