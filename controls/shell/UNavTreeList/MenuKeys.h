// What the tree and list view bases share: the context-menu keys, the
// popup at a client point and the test for a system colour.
#pragma once

#include <cstdint>

#include "platform/vcl/Controls.h"
#include "platform/vcl/Menus.h"

namespace navtreelist {

// VK_APPS alone or Shift+F10.
inline bool IsMenuKey(WORD key, TShiftState shift) {
  if (key == VK_APPS) return shift.Empty();
  return key == VK_F10 && shift.Contains(ssShift) && !shift.Contains(ssAlt) && !shift.Contains(ssCtrl);
}

// The cursor's screen position.
inline TPoint CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return TPoint(p.x, p.y);
}

// Pops menu up at client point of control, with control as its popup
// component.
inline void PopupAtClientPoint(TControl* control, TPopupMenu* menu, TPoint clientPoint) {
  const TPoint screen = control->ClientToScreen(clientPoint);
  menu->SetPopupComponent(control);
  menu->Popup(screen.X, screen.Y);
}

inline bool IsSystemColor(TColor color) {
  return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0x80000000u;
}

}  // namespace navtreelist
