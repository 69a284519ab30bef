// How a combo box and its list talk: the list is created with the combo as
// its creation parameter and tells the combo when the user ends a choice.
#pragma once

#include "platform/win/winuser.h"

namespace win::controls {

// To the combo from its list: wParam TRUE when an item was chosen, FALSE
// when the user clicked outside (cancel).
constexpr UINT kComboListDone = WM_USER + 0x3A0;

}  // namespace win::controls
