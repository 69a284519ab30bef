// The application's hints: after the hint pause over a control that shows
// hints, its short hint pops up below the pointer; it goes after the hide
// pause, when the pointer moves to another control, or on CancelHint.
#include "platform/vcl/controls/HintWindow.h"
#include "platform/vcl/forms/Application.h"

namespace {
constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
}  // namespace

bool TApplication::HintShowing() const {
  return FHintWindow != nullptr && FHintWindow->IsHintShowing();
}

void TApplication::HintMouseMessage(TControl* control, TMessage& message) {
  if (message.Msg != WM_MOUSEMOVE || control == nullptr) return;
  FHintCursor = control->ClientToScreen(TPoint(message.XPos(), message.YPos()));
  if (control == FHintControl) return;
  bool wasShowing = HintShowing();
  CancelHint();
  FHintControl = control;
  control->FreeNotification(this);
  SetHint(GetLongHint(control->GetHint()));
  if (!FShowHint || !control->GetShowHint() || control->GetHint().empty()) return;
  // Moving from one hint to the next shows the next one almost at once.
  SetTimer(GetHandle(), kHintShowTimer, static_cast<UINT>(wasShowing ? FHintShortPause : FHintPause), nullptr);
}

void TApplication::HintTimerExpired(UINT_PTR id) {
  KillTimer(FHandle, id);
  if (id == kHintShowTimer)
    ShowHintNow();
  else if (id == kHintHideTimer)
    HideHint();
}

void TApplication::ShowHintNow() {
  if (FHintControl == nullptr || !FShowHint) return;
  THintInfo info;
  info.HintControl = FHintControl;
  info.HintStr = GetShortHint(FHintControl->GetHint());
  info.HintColor = FHintColor;
  info.HintMaxWidth = 300;
  info.HideTimeout = FHintHidePause;
  info.CursorPos = FHintControl->ScreenToClient(FHintCursor);
  info.HintPos = TPoint(FHintCursor.X, FHintCursor.Y + 20);
  // The control may change the hint or refuse it.
  if (FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
  if (FHintWindow == nullptr) FHintWindow = new THintWindow(this);
  FHintWindow->SetColor(info.HintColor);
  TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
  r = TRect(info.HintPos.X, info.HintPos.Y, info.HintPos.X + r.Width(), info.HintPos.Y + r.Height());
  FHintWindow->ActivateHint(r, info.HintStr);
  if (info.HideTimeout > 0) SetTimer(GetHandle(), kHintHideTimer, static_cast<UINT>(info.HideTimeout), nullptr);
}

void TApplication::HideHint() {
  if (FHandle != nullptr) KillTimer(FHandle, kHintHideTimer);
  if (FHintWindow != nullptr) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  if (FHandle != nullptr) KillTimer(FHandle, kHintShowTimer);
  HideHint();
  if (FHintControl != nullptr) {
    FHintControl->RemoveFreeNotification(this);
    FHintControl = nullptr;
  }
}
