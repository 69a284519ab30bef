// The track bar's input: dragging the thumb, paging beside it with the
// shared timer pool repeating, the arrow and page keys and the wheel.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "controls/styled/stycompo.h"
#include "controls/styled/styextcA/TrackBar.h"
#include "platform/vcl/Classes.h"

namespace {
bool Inside(const TRect& r, const TPoint& p) {
  const RECT rect = r;
  return PtInRect(&rect, p);
}

// Position moved by Step, held at the integer limits; SetPosition then
// brings it into the range.
int Stepped(int Position, std::int64_t Step) {
  return static_cast<int>(std::clamp<std::int64_t>(Position + Step, INT_MIN, INT_MAX));
}
}  // namespace

void TStyCustomTrackBar::Messages(TMessageMap<TStyCustomTrackBar>& m) {
  m.On(WM_GETDLGCODE, &TStyCustomTrackBar::WMGetDlgCode);
  m.On(CM_ENABLEDCHANGED, &TStyCustomTrackBar::CMEnabledChanged);
  m.On(WM_CAPTURECHANGED, &TStyCustomTrackBar::WMCaptureChanged);
  m.On(WM_CANCELMODE, &TStyCustomTrackBar::WMCancelMode);
}

void TStyCustomTrackBar::WMGetDlgCode(TMessage& m) {
  InheritedMessage(m);
  m.Result |= DLGC_WANTARROWS;
}

void TStyCustomTrackBar::EnableTimer(bool Enabled) {
  if (!StyApplication) return;
  if (TStyTimerItem* item = StyApplication->TimerItemById(FTimer)) item->SetEnabled(Enabled);
}

void TStyCustomTrackBar::KeyDown(WORD& key, TShiftState shift) {
  TWeakRef<TStyCustomTrackBar> self(this);
  TStyCustomPanel::KeyDown(key, shift);
  if (!self) return;
  switch (key) {
    case VK_PRIOR: SetPosition(Stepped(FPosition, FPageSize)); break;
    case VK_NEXT: SetPosition(Stepped(FPosition, -std::int64_t{FPageSize})); break;
    case VK_LEFT:
    case VK_DOWN: SetPosition(Stepped(FPosition, -std::int64_t{FLineSize})); break;
    case VK_UP:
    case VK_RIGHT: SetPosition(Stepped(FPosition, FLineSize)); break;
    default: break;
  }
}

void TStyCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TStyCustomTrackBar> self(this);
  TStyCustomPanel::MouseDown(button, shift, x, y);
  if (!self) return;
  if (FFocusStyle != tbNoFocus && CanFocus()) SetFocus();
  // The press tells where the pointer is as a move would.
  FLastPoint = TPoint(x, y);
  if (button != mbLeft) return;
  const TStyTrackLayout layout = Layout();
  const TPoint at(x, y);
  if (Inside(FThumbRect, at)) {
    FDragging = true;
    RedrawThumb();
  } else if (Inside(layout.Track(), at)) {
    EnableTimer(true);
    const int p = layout.PagingThreshold(FPosition);
    // Direction 2 moves the thumb towards the track's start, 1 away from it.
    if (FOrientation == toHorizontal) {
      FPagingDirection = x < p ? 2 : 1;
      SetPosition(Stepped(FPosition, x < p ? -std::int64_t{FPageSize} : FPageSize));
    } else {
      FPagingDirection = y < p ? 2 : 1;
      SetPosition(Stepped(FPosition, y < p ? FPageSize : -std::int64_t{FPageSize}));
    }
  }
}

void TStyCustomTrackBar::PagingTick() {
  try {
    const TStyTrackLayout layout = Layout();
    if (!Inside(layout.Track(), FLastPoint)) return;
    const int p = layout.PagingThreshold(FPosition);
    const int along = FOrientation == toHorizontal ? FLastPoint.X : FLastPoint.Y;
    const std::int64_t towardsStart = FOrientation == toHorizontal ? -std::int64_t{FPageSize} : FPageSize;
    if (along < p && FPagingDirection == 2)
      SetPosition(Stepped(FPosition, towardsStart));
    else if (along >= p && FPagingDirection == 1)
      SetPosition(Stepped(FPosition, -towardsStart));
    else
      EnableTimer(false);  // the thumb has passed the pointer
  } catch (...) {
    EnableTimer(false);
    throw;
  }
}

void TStyCustomTrackBar::MouseMove(TShiftState shift, int x, int y) {
  TStyCustomPanel::MouseMove(shift, x, y);
  FLastPoint = TPoint(x, y);
  if (!FDragging) return;
  if (std::optional<int> value = Layout().DragValue(x, y)) SetPosition(*value);
}

void TStyCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TStyCustomTrackBar> self(this);
  TStyCustomPanel::MouseUp(button, shift, x, y);
  if (!self) return;
  EnableTimer(false);
  if (button != mbLeft) return;
  FDragging = false;
  RedrawThumb();
}

// A press whose mouse went elsewhere (a dialog opened from OnChange took it)
// never sees its release: the drag and the paging end here instead.
void TStyCustomTrackBar::EndPress() {
  EnableTimer(false);
  if (!FDragging) return;
  FDragging = false;
  RedrawThumb();
}

void TStyCustomTrackBar::WMCaptureChanged(TMessage& m) {
  EndPress();
  InheritedMessage(m);
}

void TStyCustomTrackBar::WMCancelMode(TMessage& m) {
  EndPress();
  InheritedMessage(m);
}

// One step per wheel notch; parts of a notch add up until they make one.
bool TStyCustomTrackBar::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = TStyCustomPanel::DoMouseWheel(shift, wheelDelta, mousePos);
  if (handled) return true;
  FWheelAccumulator += wheelDelta;
  // Each step's OnChange may free the track bar.
  TWeakRef<TStyCustomTrackBar> self(this);
  while (self && (FWheelAccumulator <= -WHEEL_DELTA || FWheelAccumulator >= WHEEL_DELTA)) {
    if (FWheelAccumulator < 0) {
      FWheelAccumulator += WHEEL_DELTA;
      handled = DoMouseWheelDown(shift, mousePos);
    } else {
      FWheelAccumulator -= WHEEL_DELTA;
      handled = DoMouseWheelUp(shift, mousePos);
    }
  }
  return handled;
}

bool TStyCustomTrackBar::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  TWeakRef<TStyCustomTrackBar> self(this);
  if (OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
  if (self) SetPosition(Stepped(FPosition, 1));
  return true;
}

bool TStyCustomTrackBar::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  TWeakRef<TStyCustomTrackBar> self(this);
  if (OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
  if (self) SetPosition(Stepped(FPosition, -1));
  return true;
}
