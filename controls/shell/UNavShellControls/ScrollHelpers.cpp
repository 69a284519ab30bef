#include "controls/shell/UNavShellControls/ScrollHelpers.h"

#include "platform/win/windows.h"

namespace {

// The wheel setting that scrolls a whole page per notch.
constexpr UINT kWheelPageScroll = 0xFFFFFFFF;

}  // namespace

void ScrollIfPossible(TWinControl* control, TNavScrollBar bar, WORD code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  if (!GetScrollInfo(control->GetHandle(), bar == nsbVertical ? SB_VERT : SB_HORZ, &info)) return;
  if (info.nMax - info.nMin + 1 - static_cast<int>(info.nPage) <= 0) return;
  SendMessageA(control->GetHandle(), bar == nsbVertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, 0), 0);
}

bool WheelScroll(TWinControl* control, TNavScrollBar bar, WORD lineCode, WORD pageCode) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (lines == kWheelPageScroll) {
    ScrollIfPossible(control, bar, pageCode);
    return true;
  }
  const UINT times = bar == nsbVertical ? lines : 1;
  for (UINT i = 0; i < times; ++i) ScrollIfPossible(control, bar, lineCode);
  return true;
}
