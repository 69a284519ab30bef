#include "platform/vcl/controls/Control.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/components/DeferredRelease.h"
#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/controls/ActionList.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/windows.h"

namespace {
TControl* captureControl = nullptr;

// Whether the click handler is still the one taken from the action: a handler
// bound by name compares by its method, a callable by its kind.
bool SameHandler(const TNotifyEvent& a, const TNotifyEvent& b) {
  if (!a || !b) return false;
  if (!a.MethodName().empty() || !b.MethodName().empty())
    return a.MethodName() == b.MethodName() && a.Data() == b.Data();
  if (a.GetFunction().target_type() != b.GetFunction().target_type()) return false;
  using Plain = void (*)(TObject*);
  const Plain* fa = a.GetFunction().target<Plain>();
  return !fa || *fa == *b.GetFunction().target<Plain>();
}
}  // namespace

TControl* GetCaptureControl() {
  TWinControl* owner = FindControl(GetCapture());
  if (owner && captureControl && captureControl->GetParent() == owner) return captureControl;
  return owner;
}

void SetCaptureControl(TControl* control) {
  ReleaseCapture();
  captureControl = nullptr;
  if (!control) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) {
    if (!control->GetParent()) return;
    captureControl = control;
    windowed = control->GetParent();
  }
  SetCapture(windowed->GetHandle());
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()), FConstraints(std::make_unique<TSizeConstraints>(this)) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont->OnChange = [this](TObject* sender) { FontChangedHandler(sender); };
  FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
  vcl::detail::ForgetMouseControl(this);
  if (captureControl == this) SetCaptureControl(nullptr);
  if (FParent) FParent->RemoveControl(this);
  FFont->OnChange = nullptr;
}

void TControl::Publish(TPublisher<TControl>& p) {
  p.Prop("Left", &TControl::GetLeft, &TControl::SetLeft);
  p.Prop("Top", &TControl::GetTop, &TControl::SetTop);
  p.Prop("Width", &TControl::GetWidth, &TControl::SetWidth);
  p.Prop("Height", &TControl::GetHeight, &TControl::SetHeight);
  p.Prop("Align", &TControl::GetAlign, &TControl::SetAlign).Default(alNone);
  p.Prop("Anchors", &TControl::GetAnchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop});
  p.Prop("Constraints", &TControl::GetConstraints, &TControl::SetConstraints);
  p.Prop("DragCursor", &TControl::GetDragCursor, &TControl::SetDragCursor).Default(crDrag).Idents("TCursor");
  p.Prop("DragMode", &TControl::GetDragMode, &TControl::SetDragMode).Default(dmManual);
  p.Prop("Ctl3D", &TControl::GetCtl3D, &TControl::SetCtl3D).Stored([](TControl& c) { return !c.FParentCtl3D; });
  p.Prop("ParentCtl3D", &TControl::GetParentCtl3D, &TControl::SetParentCtl3D).Default(true);
  p.Prop("Visible", &TControl::GetVisible, &TControl::SetVisible).Default(true);
  p.Prop("Enabled", &TControl::GetEnabled, &TControl::SetEnabled).Default(true);
  p.Prop("Color", &TControl::GetColor, &TControl::SetColor).Idents("TColor").Stored([](TControl& c) {
    return !c.FParentColor;
  });
  p.Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor).Default(true);
  p.Prop("Font", &TControl::GetFont, &TControl::SetFont).Stored([](TControl& c) { return !c.FParentFont; });
  p.Prop("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont).Default(true);
  p.Prop("Caption", &TControl::GetCaption, &TControl::SetCaption);
  p.Prop("Hint", &TControl::GetHint, &TControl::SetHint);
  p.Prop("HelpContext", &TControl::GetHelpContext, &TControl::SetHelpContext).Default(0);
  p.Prop("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint).Stored([](TControl& c) {
    return !c.FParentShowHint;
  });
  p.Prop("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint).Default(true);
  p.Prop("Cursor", &TControl::GetCursor, &TControl::SetCursor).Default(crDefault).Idents("TCursor");
  p.Prop("Action", &TControl::GetAction, &TControl::SetAction);
  p.Prop("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu);
  p.Prop("OnClick", &TControl::OnClick);
  p.Prop("OnDblClick", &TControl::OnDblClick);
  p.Prop("OnMouseDown", &TControl::OnMouseDown);
  p.Prop("OnMouseMove", &TControl::OnMouseMove);
  p.Prop("OnMouseUp", &TControl::OnMouseUp);
  p.Prop("OnResize", &TControl::OnResize);
}

void TControl::Messages(TMessageMap<TControl>& m) {
  m.On(WM_LBUTTONDOWN, &TControl::WMLButtonDown);
  m.On(WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk);
  m.On(WM_LBUTTONUP, &TControl::WMLButtonUp);
  m.On(WM_RBUTTONDOWN, &TControl::WMRButtonDown);
  m.On(WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk);
  m.On(WM_RBUTTONUP, &TControl::WMRButtonUp);
  m.On(WM_MBUTTONDOWN, &TControl::WMMButtonDown);
  m.On(WM_MBUTTONDBLCLK, &TControl::WMMButtonDblClk);
  m.On(WM_MBUTTONUP, &TControl::WMMButtonUp);
  m.On(WM_MOUSEMOVE, &TControl::WMMouseMove);
  m.On(WM_MOUSEWHEEL, &TControl::WMMouseWheel);
  m.On(WM_CONTEXTMENU, &TControl::WMContextMenu);
  m.On(WM_CANCELMODE, &TControl::WMCancelMode);
  m.On(CM_VISIBLECHANGED, &TControl::CMVisibleChanged);
  m.On(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged);
  m.On(CM_FONTCHANGED, &TControl::CMFontChanged);
  m.On(CM_COLORCHANGED, &TControl::CMColorChanged);
  m.On(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged);
  m.On(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged);
  m.On(CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged);
  m.On(CM_HITTEST, &TControl::CMHitTest);
  m.On(CM_PARENTCTL3DCHANGED, &TControl::CMParentCtl3DChanged);
}

bool TControl::DispatchMessageTable(TMessage& message) {
  if (auto handler = vcl::detail::MessageMapOf<TControl>().Find(message.Msg)) {
    (this->*handler)(message);
    return true;
  }
  return false;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  if (WindowProc)
    WindowProc(m);
  else
    WndProc(m);
  return m.Result;
}

void TControl::Dispatch(TMessage& message) {
  if (!DispatchMessageTable(message)) DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(message.LParam);
      auto size = static_cast<size_t>(message.WParam);
      if (!buffer || size == 0) {
        message.Result = 0;
        return;
      }
      size_t n = std::min(FText.size(), size - 1);
      std::memcpy(buffer, FText.data(), n);
      buffer[n] = '\0';
      message.Result = static_cast<LRESULT>(n);
      return;
    }
    case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(FText.size()); return;
    case WM_SETTEXT: {
      auto* text = reinterpret_cast<const char*>(message.LParam);
      FText = text ? text : "";
      message.Result = TRUE;
      return;
    }
    default: return;
  }
}

void TControl::WndProc(TMessage& message) {
  UINT msg = message.Msg;
  if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) {
    // Without csDoubleClicks a second click is just another press.
    if (!FControlStyle.Contains(csDoubleClicks)) {
      if (msg == WM_LBUTTONDBLCLK) message.Msg = WM_LBUTTONDOWN;
      if (msg == WM_RBUTTONDBLCLK) message.Msg = WM_RBUTTONDOWN;
      if (msg == WM_MBUTTONDBLCLK) message.Msg = WM_MBUTTONDOWN;
    }
    if (message.Msg == WM_MOUSEMOVE) {
      if (const auto& hook = vcl::GetHintMouseHook()) hook(this, message);
    } else if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
      FControlState.Include(csLButtonDown);
    } else if (message.Msg == WM_LBUTTONUP) {
      FControlState.Exclude(csLButtonDown);
    }
  }
  Dispatch(message);
}

void TControl::SendCancelMode(TControl* sender) {
  // A control keeping a mode (a drop-down, a drag) ends it when another is pressed.
  for (TWinControl* c = FParent; c; c = c->GetParent())
    if (!c->GetParent()) c->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
}

void TControl::DoMouseDown(TMessage& m, TMouseButton button, TShiftState extra) {
  if (!FControlStyle.Contains(csNoStdEvents)) MouseDown(button, KeysToShiftState(m.WParam) + extra, m.XPos(), m.YPos());
}

void TControl::DoMouseUp(TMessage& m, TMouseButton button) {
  if (!FControlStyle.Contains(csNoStdEvents)) MouseUp(button, KeysToShiftState(m.WParam), m.XPos(), m.YPos());
}

bool TControl::AliveAfterDefault(TMessage& m) {
  TWeakRef<TControl> self(this);
  DefaultHandler(m);
  return static_cast<bool>(self);
}

// Each step below may run a handler that frees the control (a window's own
// click notification runs inside DefaultHandler): the path stops there.

void TControl::WMLButtonDown(TMessage& m) {
  TWeakRef<TControl> self(this);
  SendCancelMode(this);
  if (!self || !AliveAfterDefault(m)) return;
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  DoMouseDown(m, mbLeft, {});
}

void TControl::WMLButtonDblClk(TMessage& m) {
  TWeakRef<TControl> self(this);
  SendCancelMode(this);
  if (!self || !AliveAfterDefault(m)) return;
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) DblClick();
  if (self) DoMouseDown(m, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TMessage& m) {
  TWeakRef<TControl> self(this);
  if (!AliveAfterDefault(m)) return;
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    TRect r = GetClientRect();
    if (m.XPos() >= r.Left && m.XPos() < r.Right && m.YPos() >= r.Top && m.YPos() < r.Bottom) Click();
  }
  if (self) DoMouseUp(m, mbLeft);
}

void TControl::WMRButtonDown(TMessage& m) {
  if (AliveAfterDefault(m)) DoMouseDown(m, mbRight, {});
}
void TControl::WMRButtonDblClk(TMessage& m) {
  if (AliveAfterDefault(m)) DoMouseDown(m, mbRight, {ssDouble});
}
void TControl::WMRButtonUp(TMessage& m) {
  if (AliveAfterDefault(m)) DoMouseUp(m, mbRight);
}
void TControl::WMMButtonDown(TMessage& m) {
  if (AliveAfterDefault(m)) DoMouseDown(m, mbMiddle, {});
}
void TControl::WMMButtonDblClk(TMessage& m) {
  if (AliveAfterDefault(m)) DoMouseDown(m, mbMiddle, {ssDouble});
}
void TControl::WMMButtonUp(TMessage& m) {
  if (AliveAfterDefault(m)) DoMouseUp(m, mbMiddle);
}

void TControl::WMMouseMove(TMessage& m) {
  if (AliveAfterDefault(m) && !FControlStyle.Contains(csNoStdEvents))
    MouseMove(KeysToShiftState(m.WParam), m.XPos(), m.YPos());
}

void TControl::WMMouseWheel(TMessage& m) {
  TPoint pos(m.XPos(), m.YPos());
  TShiftState shift = KeysToShiftState(GET_KEYSTATE_WPARAM(m.WParam));
  if (DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(m.WParam), pos))
    m.Result = 1;
  else if (FParent)
    m.Result = FParent->Perform(m.Msg, m.WParam, m.LParam);
  else
    DefaultHandler(m);
}

bool TControl::DoMouseWheel(TShiftState, int, TPoint) {
  return false;
}

void TControl::WMContextMenu(TMessage& m) {
  if (m.Result != 0) return;
  TPoint screen(m.XPos(), m.YPos());
  TPoint client = (screen.X == -1 && screen.Y == -1) ? TPoint(-1, -1) : ScreenToClient(screen);
  if (DoContextPopup(client)) {
    m.Result = 1;
    return;
  }
  if (FPopupMenu) {
    if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen(TPoint(0, 0));
    if (const auto& hook = vcl::GetPopupMenuHook(); hook && hook(this, FPopupMenu, screen)) {
      m.Result = 1;
      return;
    }
  }
  DefaultHandler(m);
}

bool TControl::DoContextPopup(TPoint mousePos) {
  return OnContextPopup && OnContextPopup(this, mousePos);
}

void TControl::WMCancelMode(TMessage& m) {
  DefaultHandler(m);
  if (GetMouseCapture()) SetMouseCapture(false);
}

void TControl::Click() {
  // A handler of the control's own wins; the one taken from the action runs
  // through the action (which checks that it is enabled).
  TBasicAction* action = GetAction();
  if (OnClick && !(action && SameHandler(OnClick, action->OnExecute)))
    OnClick(this);
  else if (action && !GetComponentState().Contains(csDesigning))
    FActionLink->Execute(this);
  else if (OnClick)
    OnClick(this);
}
void TControl::Release() {
  ReleaseComponent(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

bool TControl::GetMouseCapture() {
  return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
  if (GetMouseCapture() == value) return;
  SetCaptureControl(value ? this : nullptr);
}

// Parent and bounds -----------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) {
    AParent->InsertControl(this);
    UpdateAnchorRules();
  }
}

TComponent* TControl::GetParentComponent() {
  return FParent;
}

void TControl::SetParentComponent(TComponent* value) {
  if (auto* p = dynamic_cast<TWinControl*>(value)) SetParent(p);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FConstraints->Constrain(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  Invalidate();
  RequestAlign();
  if (!GetComponentState().Contains(csLoading)) Resize();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::SetAnchors(TAnchors value) {
  if (FAnchors == value) return;
  FAnchors = value;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (FAnchorMove || !FParent || GetComponentState().Contains(csLoading)) return;
  TRect client = FParent->GetClientRect();
  FOriginalParentSize = TPoint(client.Width(), client.Height());
  FAnchorRules = TRect(FLeft, FTop, client.Width() - (FLeft + FWidth), client.Height() - (FTop + FHeight));
}

void TControl::ApplyAnchorRules(int parentWidth, int parentHeight) {
  if (FAlign != alNone || FAnchors == TAnchors{akLeft, akTop}) return;
  if (FOriginalParentSize.X <= 0 || FOriginalParentSize.Y <= 0) return;
  int left = FLeft, top = FTop, width = FWidth, height = FHeight;
  if (FAnchors.Contains(akLeft) && FAnchors.Contains(akRight)) {
    left = FAnchorRules.Left;
    width = parentWidth - FAnchorRules.Left - FAnchorRules.Right;
  } else if (FAnchors.Contains(akRight)) {
    left = parentWidth - FAnchorRules.Right - width;
  } else if (!FAnchors.Contains(akLeft)) {
    // Neither edge: the centre keeps its share of the parent's width.
    left = MulDiv(FAnchorRules.Left + width / 2, parentWidth, FOriginalParentSize.X) - width / 2;
  }
  if (FAnchors.Contains(akTop) && FAnchors.Contains(akBottom)) {
    top = FAnchorRules.Top;
    height = parentHeight - FAnchorRules.Top - FAnchorRules.Bottom;
  } else if (FAnchors.Contains(akBottom)) {
    top = parentHeight - FAnchorRules.Bottom - height;
  } else if (!FAnchors.Contains(akTop)) {
    top = MulDiv(FAnchorRules.Top + height / 2, parentHeight, FOriginalParentSize.Y) - height / 2;
  }
  FAnchorMove = true;
  SetBounds(left, top, std::max(0, width), std::max(0, height));
  FAnchorMove = false;
}

void TControl::SetCtl3D(bool value) {
  if (FCtl3D == value) return;
  FCtl3D = value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool value) {
  if (FParentCtl3D == value) return;
  FParentCtl3D = value;
  if (FParent && !GetComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TControl::CMParentCtl3DChanged(TMessage&) {
  if (!FParentCtl3D || !FParent) return;
  SetCtl3D(FParent->GetCtl3D());
  FParentCtl3D = true;
}

TRect TControl::GetClientRect() {
  return TRect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int value) {
  SetWidth(FWidth - GetClientWidth() + value);
}
void TControl::SetClientHeight(int value) {
  SetHeight(FHeight - GetClientHeight() + value);
}

TPoint TControl::GetClientOrigin() {
  if (!FParent) return TPoint(FLeft, FTop);
  TPoint p = FParent->GetClientOrigin();
  return TPoint(p.X + FLeft, p.Y + FTop);
}

TPoint TControl::ClientToScreen(const TPoint& point) {
  TPoint o = GetClientOrigin();
  return TPoint(point.X + o.X, point.Y + o.Y);
}

TPoint TControl::ScreenToClient(const TPoint& point) {
  TPoint o = GetClientOrigin();
  return TPoint(point.X - o.X, point.Y - o.Y);
}

void TControl::SetAlign(TAlign value) {
  if (FAlign == value) return;
  TAlign old = FAlign;
  FAlign = value;
  FAnchors = {akLeft, akTop};
  if (old != alNone || value != alNone) RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

// Appearance ------------------------------------------------------------------

void TControl::SetVisible(bool value) {
  if (FVisible == value) return;
  VisibleChanging();
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value, 0);
  RequestAlign();
}

void TControl::Show() {
  if (FParent) FParent->ShowControl(this);
  SetVisible(true);
}

void TControl::Hide() {
  SetVisible(false);
}

void TControl::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
  if (FColor == value) return;
  FColor = value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
  if (FParentColor == value) return;
  FParentColor = value;
  if (FParent && !GetComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
  if (FParentFont == value) return;
  FParentFont = value;
  if (FParent && !GetComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::ParentFontChanged() {
  Perform(CM_PARENTFONTCHANGED, 0, 0);
}
void TControl::ParentColorChanged() {
  Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage& m) {
  if (!FParentFont) return;
  if (m.WParam != 0)
    FFont->Assign(reinterpret_cast<TFont*>(m.LParam));
  else if (FParent)
    FFont->Assign(FParent->GetFont());
  FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage& m) {
  if (!FParentColor) return;
  if (m.WParam != 0)
    SetColor(static_cast<TColor>(m.LParam));
  else if (FParent)
    SetColor(FParent->GetColor());
  FParentColor = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || !FParent) return;
  SetShowHint(FParent->GetShowHint());
  FParentShowHint = true;
}

void TControl::SetShowHint(bool value) {
  if (FShowHint == value) return;
  FShowHint = value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool value) {
  if (FParentShowHint == value) return;
  FParentShowHint = value;
  if (FParent && !GetComponentState().Contains(csDesigning)) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor value) {
  if (FCursor == value) return;
  FCursor = value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TComponent* value) {
  if (FPopupMenu == value) return;
  FPopupMenu = value;
  if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FPopupMenu) FPopupMenu = nullptr;
  // A freed action has already emptied the link; drop it.
  if (FActionLink && (!FActionLink->GetAction() || component == FActionLink->GetAction())) FActionLink.reset();
}

// ---- Action link -------------------------------------------------------------

TBasicAction* TControl::GetAction() const {
  return FActionLink ? FActionLink->GetAction() : nullptr;
}

void TControl::SetAction(TBasicAction* value) {
  if (!value) {
    FActionLink.reset();
    return;
  }
  if (value == GetAction()) return;
  if (!FActionLink) FActionLink = std::make_unique<TControlActionLink>(this);
  FActionLink->SetAction(value);
  value->FreeNotification(this);
  // While the action is being read the control keeps what it was given.
  ActionChange(value, value->GetComponentState().Contains(csLoading));
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  if (!checkDefaults || GetCaption().empty() || GetCaption() == GetName()) SetCaption(action->GetCaption());
  if (!checkDefaults || FEnabled) SetEnabled(action->GetEnabled());
  if (!checkDefaults || FHint.empty()) SetHint(action->GetHint());
  if (!checkDefaults || FVisible) SetVisible(action->GetVisible());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute;
}

void TControl::Loaded() {
  inherited::Loaded();
  if (TBasicAction* action = GetAction()) ActionChange(action, true);
  UpdateAnchorRules();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (FParentCtl3D) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
  }
}

void TControl::Changed() {
  Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
}

// Text ------------------------------------------------------------------------

int TControl::GetTextLen() {
  return static_cast<int>(Perform(WM_GETTEXTLENGTH, 0, 0));
}

int TControl::GetTextBuf(char* buffer, int bufSize) {
  return static_cast<int>(Perform(WM_GETTEXT, static_cast<WPARAM>(bufSize), reinterpret_cast<LPARAM>(buffer)));
}

void TControl::SetTextBuf(const char* buffer) {
  // A window's change notification may run a handler that frees the control.
  TWeakRef<TControl> self(this);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer));
  if (self) Perform(CM_TEXTCHANGED, 0, 0);
}

std::string TControl::GetText() {
  int len = GetTextLen();
  if (len <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(len) + 1);
  int n = GetTextBuf(buffer.data(), len + 1);
  return std::string(buffer.data(), static_cast<size_t>(std::max(0, n)));
}

void TControl::SetText(const std::string& value) {
  if (GetText() != value) SetTextBuf(value.c_str());
}

// Painting --------------------------------------------------------------------

void TControl::CMVisibleChanged(TMessage&) {
  InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}
void TControl::CMEnabledChanged(TMessage&) {
  Invalidate();
}
void TControl::CMFontChanged(TMessage&) {
  Invalidate();
}
void TControl::CMColorChanged(TMessage&) {
  Invalidate();
}
void TControl::CMHitTest(TMessage& m) {
  m.Result = HTCLIENT;
}

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
  if (!(isVisible || GetComponentState().Contains(csDesigning)) || !FParent || !FParent->HandleAllocated()) return;
  RECT r = GetBoundsRect();
  bool erase = !(isOpaque || FParent->GetControlStyle().Contains(csOpaque));
  InvalidateRect(FParent->GetHandle(), &r, erase ? TRUE : FALSE);
}

void TControl::Invalidate() {
  InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  if (!(FVisible || GetComponentState().Contains(csDesigning)) || !FParent || !FParent->HandleAllocated()) return;
  if (FControlStyle.Contains(csOpaque)) {
    HWND parentWindow = FParent->GetHandle();
    HDC dc = GetDC(parentWindow);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, FLeft, FTop, FLeft + FWidth, FTop + FHeight);
    FParent->PaintControls(dc, this);
    RestoreDC(dc, saved);
    ReleaseDC(parentWindow, dc);
  } else {
    Invalidate();
    Update();
  }
}

bool TControl::Showing() {
  return FVisible && FParent && FParent->Showing();
}

void TControl::BringToFront() {
  SetZOrder(true);
}
void TControl::SendToBack() {
  SetZOrder(false);
}

void TControl::SetZOrder(bool topMost) {
  if (!FParent) return;
  auto& list = FParent->FControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (topMost)
    list.push_back(this);
  else
    list.insert(list.begin(), this);
  InvalidateControl(FVisible, true);
}
