#include "platform/vcl/Grids.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace vcl {
void RegisterGridClasses() {
  RegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass()});
}
}  // namespace vcl
