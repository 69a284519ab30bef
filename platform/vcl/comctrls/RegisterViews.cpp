// The view classes form resources may name.
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace vcl::comctrls {

void RegisterViewClasses() {
  RegisterClasses(
      {TTreeView::StaticClass(), TListView::StaticClass(), TImageList::StaticClass(), TListColumn::StaticClass()});
}

}  // namespace vcl::comctrls
