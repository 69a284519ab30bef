#include "controls/shell/UNavShellControls/ShellItemCommands.h"

#include <algorithm>
#include <cstdlib>

#include "controls/shell/UNavShellControls/Hourglass.h"
#include "controls/shell/UNavShellControls/ShellControlConsts.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/WideText.h"
#include "platform/vcl/Menus.h"

bool MatchDefaultKey(WORD key, TShiftState shift, TNavShellControlDefKey& which) {
  InitDefaultKeys();
  const auto& keys = ShellControlDefKeys();
  const TShortCut pressed = ShortCut(key, shift);
  for (int i = 0; i < kNavShellControlDefKeyCount; ++i) {
    if (keys[i].ShortCut != 0 && keys[i].ShortCut == pressed) {
      which = static_cast<TNavShellControlDefKey>(i);
      return true;
    }
  }
  if (keys[dkDelete].ShortCut != 0 && keys[dkDelete].ShortCut == ShortCut(key, shift - TShiftState{ssShift})) {
    which = dkDelete;
    return true;
  }
  return false;
}

LPITEMIDLIST RenameShellItem(IShellFolder* folder, HWND owner, LPCITEMIDLIST relative, const std::string& name) {
  TNavHourglass hourglass;
  std::wstring wide = navshell::ToWide(name);
  if (wide.size() > kNavMaxNameLength) wide.resize(kNavMaxNameLength);
  LPITEMIDLIST renamed = nullptr;
  const HRESULT result =
      folder->SetNameOf(owner, relative, reinterpret_cast<LPCOLESTR>(wide.c_str()), kNavSetNameFlags, &renamed);
  if (SUCCEEDED(result) && renamed) return renamed;
  if (renamed) ShellFree(renamed);
  return nullptr;
}

bool ShellControlWheel(TWinControl* control, TShiftState shift, int wheelDelta, TPoint mousePos, TNavScrollBar bar) {
  const POINT screen{mousePos.X, mousePos.Y};
  TWinControl* under = FindControl(WindowFromPoint(screen));
  if (under && under != control && IsShellBrowserControl(under)) {
    WPARAM keys = 0;
    if (shift.Contains(ssShift)) keys |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    return SendMessageA(under->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(wheelDelta)),
                        MAKELPARAM(mousePos.X, mousePos.Y)) != 0;
  }
  const bool down = wheelDelta < 0;
  const bool vertical = bar == nsbVertical;
  const WORD line = vertical ? (down ? SB_LINEDOWN : SB_LINEUP) : (down ? SB_LINERIGHT : SB_LINELEFT);
  const WORD page = vertical ? (down ? SB_PAGEDOWN : SB_PAGEUP) : (down ? SB_PAGERIGHT : SB_PAGELEFT);
  const int notches = std::max(1, std::abs(wheelDelta) / WHEEL_DELTA);
  for (int i = 0; i < notches; ++i) WheelScroll(control, bar, line, page);
  return true;
}
