#include "controls/styled/stycombo/StyComboBox.h"

#include "controls/styled/stycompo.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

namespace {
constexpr WORD kSearchInterval = 1500;
}  // namespace

TStyCustomComboBox::TStyCustomComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
  FControlStyle.Include(csReplicatable);
  // The incremental search's timer: taken here, never switched on.
  if (StyApplication) FTimer = StyApplication->AddTimer(kSearchInterval, [](TObject*) {});
  EnableSearchTimer(false);
}

TStyCustomComboBox::~TStyCustomComboBox() {
  if (StyApplication && FTimer) StyApplication->RemoveTimer(FTimer);
}

void TStyCustomComboBox::Publish(TPublisher<TStyCustomComboBox>& p) {
  p.Prop("DropDownWidth", &TStyCustomComboBox::GetDropDownWidth, &TStyCustomComboBox::SetDropDownWidth).Default(0);
  p.Prop("Flat", &TStyCustomComboBox::GetFlat, &TStyCustomComboBox::SetFlat).Default(false);
  p.Prop("FocusControl", &TStyCustomComboBox::GetFocusControl, &TStyCustomComboBox::SetFocusControl);
  p.Prop("OnSelect", &TStyCustomComboBox::OnSelect);
}

void TStyCustomComboBox::Messages(TMessageMap<TStyCustomComboBox>& m) {
  m.On(CN_COMMAND, &TStyCustomComboBox::CNCommand);
  m.On(WM_PAINT, &TStyCustomComboBox::WMPaint);
  m.On(CM_MOUSEENTER, &TStyCustomComboBox::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TStyCustomComboBox::CMMouseLeave);
}

void TStyCustomComboBox::SetBoolProp(int index, bool value) {
  if (index != 0 || FFlat == value) return;
  FFlat = value;
  DrawFrame();
}

void TStyCustomComboBox::SetIntProp(int index, int value) {
  if (index != 0 || FDropDownWidth == value) return;
  FDropDownWidth = value;
  if (HandleAllocated()) PostMessageA(GetHandle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value), 0);
}

void TStyCustomComboBox::CreateWnd() {
  inherited::CreateWnd();
  // A new window keeps the width asked for.
  if (FDropDownWidth > 0) SendMessageA(GetHandle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(FDropDownWidth), 0);
}

void TStyCustomComboBox::SetFocusControl(TWinControl* value) {
  if (FFocusControl == value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TStyCustomComboBox::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TStyCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
}

void TStyCustomComboBox::HandOverFocus() {
  TCustomForm* mine = GetParentForm(this);
  if (mine && mine == GetParentForm(FFocusControl)) {
    if (FFocusControl->CanFocus()) FFocusControl->SetFocus();
  } else {
    if (FFocusControl->GetParent() && FFocusControl->GetParent()->HandleAllocated())
      PostMessageA(FFocusControl->GetParent()->GetHandle(), WM_SETFOCUS, 0, 0);
    if (FFocusControl->HandleAllocated()) PostMessageA(FFocusControl->GetHandle(), WM_SETFOCUS, 0, 0);
  }
}

void TStyCustomComboBox::CNCommand(TMessage& m) {
  const int code = HIWORD(m.WParam);
  InheritedMessage(m);
  switch (code) {
    case CBN_SETFOCUS: FEditFocused = true; break;
    case CBN_KILLFOCUS: FEditFocused = false; break;
    case CBN_SELCHANGE:
      Select();
      if (!GetDroppedDown() && !FNavigationKey && FFocusControl) {
        HandOverFocus();
        LeaveHandling();
      }
      break;
    default: break;
  }
}

void TStyCustomComboBox::KeyDown(WORD& key, TShiftState shift) {
  inherited::KeyDown(key, shift);
  FNavigationKey =
      key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  if (key == VK_RETURN && FFocusControl) {
    HandOverFocus();
    LeaveHandling();
  }
}

void TStyCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  FNavigationKey = false;
  inherited::MouseDown(button, shift, x, y);
}

void TStyCustomComboBox::DoEnter() {
  inherited::DoEnter();
  DrawFrame();
}

void TStyCustomComboBox::DoExit() {
  inherited::DoExit();
  LeaveHandling();
}

void TStyCustomComboBox::LeaveHandling() {
  if (!FMouseInside && !FEditFocused) {
    FForceFlat = true;
    DrawFrame();
    FForceFlat = false;
  }
  EnableSearchTimer(false);
}

void TStyCustomComboBox::EnableSearchTimer(bool on) {
  if (!StyApplication || !FTimer) return;
  if (TStyTimerItem* item = StyApplication->TimerItemById(FTimer)) item->SetEnabled(on);
}

void TStyCustomComboBox::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  FMouseInside = true;
  if (FFlat && !Focused() && !FEditFocused) DrawFrame();
}

void TStyCustomComboBox::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  FMouseInside = false;
  if (FFlat && !Focused() && !FEditFocused && !GetDroppedDown()) DrawFrame();
}

void TStyCustomComboBox::WMPaint(TMessage& m) {
  InheritedMessage(m);
  DrawFrame();
}

bool TStyCustomComboBox::LooksFlat() const {
  if (FForceFlat) return true;
  auto* self = const_cast<TStyCustomComboBox*>(this);
  return FFlat && !GetComponentState().Contains(csDesigning) && !FMouseInside && !self->Focused() && !FEditFocused;
}

void TStyCustomComboBox::DrawFrame() {
  if (!HandleAllocated()) return;
  HWND wnd = GetHandle();
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  RECT r{0, 0, GetWidth(), GetHeight()};
  auto frame = [dc](RECT box, TColor color) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
  };
  if (LooksFlat()) {
    frame(r, clBtnFace);
    InflateRect(&r, -1, -1);
    frame(r, clBtnFace);
    InflateRect(&r, -1, -1);
    frame(r, clWindow);
  } else {
    RECT moved = r;
    OffsetRect(&moved, 1, 1);
    frame(moved, clWindowFrame);
    RECT shrunk{r.left, r.top, r.right - 1, r.bottom - 1};
    frame(shrunk, clBtnFace);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  }
  ReleaseDC(wnd, dc);
}
