#include "controls/shell/UNavSplitter.h"

#include "platform/vcl/Classes.h"

void RegisterNavSplitterClasses() {
  RegisterClass(TNavSplitter::StaticClass());
}
