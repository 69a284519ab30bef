#include "platform/vcl/comctrls/UpDown.h"

#include <algorithm>

#include "platform/win/commctrl.h"

TUpDown::TUpDown(TComponent* AOwner) : TCommonControl(AOwner) {
  FWidth = 16;
  FHeight = 24;
  FControlStyle.Exclude(csSetCaption);
  FControlStyle.Exclude(csClickEvents);
}

TUpDown::~TUpDown() {
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
}

void TUpDown::Publish(TPublisher<TUpDown>& p) {
  p.Prop("AlignButton", &TUpDown::GetAlignButton, &TUpDown::SetAlignButton).Default(udRight);
  p.Prop("ArrowKeys", &TUpDown::GetArrowKeys, &TUpDown::SetArrowKeys).Default(true);
  p.Prop("Associate", &TUpDown::GetAssociate, &TUpDown::SetAssociate);
  p.Prop("Increment", &TUpDown::GetIncrement, &TUpDown::SetIncrement).Default(1);
  p.Prop("Min", &TUpDown::GetMin, &TUpDown::SetMin).Default(0);
  p.Prop("Max", &TUpDown::GetMax, &TUpDown::SetMax).Default(100);
  p.Prop("Orientation", &TUpDown::GetOrientation, &TUpDown::SetOrientation).Default(udVertical);
  p.Prop("Position", &TUpDown::GetPositionValue, &TUpDown::SetPosition).Default(0);
  p.Prop("Thousands", &TUpDown::GetThousands, &TUpDown::SetThousands).Default(true);
  p.Prop("Wrap", &TUpDown::GetWrap, &TUpDown::SetWrap).Default(false);
  p.Prop("OnChanging", &TUpDown::OnChanging);
  p.Prop("OnClick", &TUpDown::OnClick);
}

void TUpDown::Messages(TMessageMap<TUpDown>& m) {
  m.On(CN_NOTIFY, &TUpDown::CNNotify);
  m.On(CN_VSCROLL, &TUpDown::CNScroll);
  m.On(CN_HSCROLL, &TUpDown::CNScroll);
}

void TUpDown::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateCommonControl(params, UPDOWN_CLASSA);
  params.Style |= UDS_SETBUDDYINT | (FAlignButton == udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT);
  if (FArrowKeys) params.Style |= UDS_ARROWKEYS;
  if (FWrap) params.Style |= UDS_WRAP;
  if (!FThousands) params.Style |= UDS_NOTHOUSANDS;
  if (FOrientation == udHorizontal) params.Style |= UDS_HORZ;
}

void TUpDown::CreateWnd() {
  inherited::CreateWnd();
  // The window starts at its own position: it takes this one, not the reverse.
  SendToWindow(UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendToWindow(UDM_SETPOS32, 0, FPosition);
  UpdateIncrement();
  UpdateBuddy();
}

void TUpDown::UpdateRange() {
  if (!HandleAllocated()) return;
  SendToWindow(UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  FPosition = static_cast<int>(SendToWindow(UDM_GETPOS32, 0, 0));
}

void TUpDown::UpdateIncrement() {
  UDACCEL accel{0, static_cast<UINT>(FIncrement)};
  SendToWindow(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::UpdateBuddy() {
  if (!HandleAllocated()) return;
  HWND buddy = nullptr;
  if (FAssociate && FAssociate->GetParent()) buddy = FAssociate->GetHandle();
  SendToWindow(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void TUpDown::SetMin(int value) {
  if (value == FMin) return;
  FMin = value;
  if (HandleAllocated())
    UpdateRange();
  else
    FPosition = std::clamp(FPosition, std::min(FMin, FMax), std::max(FMin, FMax));
}

void TUpDown::SetMax(int value) {
  if (value == FMax) return;
  FMax = value;
  if (HandleAllocated())
    UpdateRange();
  else
    FPosition = std::clamp(FPosition, std::min(FMin, FMax), std::max(FMin, FMax));
}

int TUpDown::GetPosition() {
  if (HandleAllocated()) FPosition = static_cast<int>(SendToWindow(UDM_GETPOS32, 0, 0));
  return FPosition;
}

void TUpDown::SetPosition(int value) {
  // While a form is read Min and Max may still come.
  if (!GetComponentState().Contains(csLoading)) value = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
  if (value == GetPosition()) return;
  FPosition = value;
  SendToWindow(UDM_SETPOS32, 0, value);
}

void TUpDown::SetIncrement(int value) {
  if (value == FIncrement || value <= 0) return;
  FIncrement = value;
  UpdateIncrement();
}

void TUpDown::SetWrap(bool value) {
  if (value == FWrap) return;
  FWrap = value;
  SetWindowStyleBit(UDS_WRAP, value);
}

void TUpDown::SetArrowKeys(bool value) {
  if (value == FArrowKeys) return;
  FArrowKeys = value;
  SetWindowStyleBit(UDS_ARROWKEYS, value);
}

void TUpDown::SetThousands(bool value) {
  if (value == FThousands) return;
  FThousands = value;
  RecreateWnd();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  if (value == FAlignButton) return;
  FAlignButton = value;
  RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  // The control turns on its corner.
  if (!GetComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == FAssociate) return;
  if (value == this) return;
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = value;
  if (FAssociate) FAssociate->FreeNotification(this);
  if (!GetComponentState().Contains(csLoading)) UpdateBuddy();
}

void TUpDown::Loaded() {
  inherited::Loaded();
  // Range and position came in any order; the associate by reference.
  FPosition = std::clamp(FPosition, std::min(FMin, FMax), std::max(FMin, FMax));
  if (HandleAllocated()) {
    UpdateRange();
    SendToWindow(UDM_SETPOS32, 0, FPosition);
  }
  UpdateBuddy();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FAssociate) {
    FAssociate = nullptr;
    SendToWindow(UDM_SETBUDDY, 0, 0);
  }
}

bool TUpDown::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TUpDown::Click(TUDBtnType button) {
  if (OnClick) OnClick(this, button);
}

void TUpDown::CNNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  if (header->code != UDN_DELTAPOS) {
    InheritedMessage(m);
    return;
  }
  FLastDelta = reinterpret_cast<NMUPDOWN*>(m.LParam)->iDelta;
  m.Result = CanChange() ? 0 : 1;
}

void TUpDown::CNScroll(TMessage& m) {
  if (LOWORD(m.WParam) != SB_THUMBPOSITION) return;
  GetPosition();
  // The arrow, not the move: a wrap from Max to Min was still the up arrow.
  Click(FLastDelta >= 0 ? btNext : btPrev);
}
