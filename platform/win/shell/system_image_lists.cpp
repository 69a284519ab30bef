#include "platform/win/shell/system_image_lists.h"

#include "platform/win/commctrl.h"
#include "platform/win/shell/system_icon_handles.h"
#include "platform/win/shell/system_icons.h"
#include "platform/win/winuser.h"

namespace win::shell {
namespace {

HIMAGELIST MakeList(int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kSystemIconCount, 0);
  if (!list) return nullptr;
  for (int icon = 0; icon < kSystemIconCount; ++icon) {
    HICON handle = CreateSystemIcon(icon, size, false);
    ImageList_AddIcon(list, handle);
    DestroyIcon(handle);
  }
  ImageList_SetOverlayImage(list, kIconShareOverlay, 1);
  ImageList_SetOverlayImage(list, kIconLinkOverlay, 2);
  return list;
}

}  // namespace

void* SystemImageList(bool small) {
  static HIMAGELIST smallList = nullptr;
  static HIMAGELIST largeList = nullptr;
  HIMAGELIST& list = small ? smallList : largeList;
  if (!list) list = MakeList(small ? 16 : 32);
  return list;
}

}  // namespace win::shell
