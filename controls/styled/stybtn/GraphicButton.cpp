#include "controls/styled/stybtn/GraphicButton.h"

#include "controls/styled/styprocs.h"
#include "platform/vcl/ActnList.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

namespace {
constexpr int kHoverTimer = 0;
constexpr int kRepeatTimer = 1;
constexpr WORD kHoverPollInterval = 100;

bool IsDisabledState(std::uint8_t s) {
  return s == bsDisabled || s == bsDisabledLatched;
}
}  // namespace

TStyBaseGraphicButton::TStyBaseGraphicButton(TComponent* AOwner)
    : TStyBaseControl(AOwner),
      FButtonLayout(std::make_unique<TStyButtonLayout>()),
      FFontFx(std::make_unique<TStyFxCaption>()),
      FGlyph(std::make_unique<TStyGlyph>()) {
  // The button runs its own clicks from its press and release.
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
  FFontFx->OnChange = [this](TObject* sender) { ApplyFontChange(sender); };
  FGlyph->OnChange = [this](TObject* sender) { Changed(sender); };
  FButtonLayout->OnChange = [this](TObject* sender) { Changed(sender); };
  SetBounds(FLeft, FTop, 25, 25);
}

TStyBaseGraphicButton::~TStyBaseGraphicButton() {
  // A button going away never clicks again, whatever its timers were doing.
  StopTimer(kRepeatTimer);
  StopTimer(kHoverTimer);
  FFontFx->OnChange = nullptr;
  FGlyph->OnChange = nullptr;
  FButtonLayout->OnChange = nullptr;
}

void TStyBaseGraphicButton::Publish(TPublisher<TStyBaseGraphicButton>& p) {
  using B = TStyBaseGraphicButton;
  p.Prop("AllowAllUp", &B::GetAllowAllUp, &B::SetAllowAllUp).Default(false);
  p.Prop("AllowMouseOver", &B::GetAllowMouseOver, &B::SetAllowMouseOver).Default(false);
  p.Prop("AllowTransparency", &B::GetAllowTransparency, &B::SetAllowTransparency).Default(true);
  p.Prop("ButtonLayout", &B::GetButtonLayout, &B::SetButtonLayout);
  p.Prop("DropDownIndent", &B::GetDropDownIndent, &B::SetDropDownIndent).Default(0);
  p.Prop("DropDownMenu", &B::GetDropDownMenu, &B::SetDropDownMenu);
  p.Prop("DropDownRight", &B::GetDropDownRight, &B::SetDropDownRight).Default(false);
  p.Prop("EnterColor", &B::GetEnterColor, &B::SetEnterColor).Idents("TColor").Default(clCaptionText);
  p.Prop("EnterColorChange", &B::GetEnterColorChange, &B::SetEnterColorChange).Default(false);
  p.Prop("FontFx", &B::GetFontFx, &B::SetFontFx);
  p.Prop("Glyph", &B::GetGlyph, &B::SetGlyph).Stored([](B& b) { return b.IsGlyphStored(); });
  p.Prop("NumGlyphs", &B::GetNumGlyphs, &B::SetNumGlyphs).Default(1);
  // The group comes before Pressed, which only a grouped button keeps.
  p.Prop("GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex).Default(0);
  p.Prop("Pressed", &B::GetPressed, &B::SetPressed).Default(false);
  p.Prop("HideHint", &B::GetHideHint, &B::SetHideHint).Default(true);
  p.Prop("MultiLine", &B::GetMultiLine, &B::SetMultiLine).Default(false);
  p.Prop("RepeatedClick", &B::GetRepeatedClick, &B::SetRepeatedClick).Default(false);
  p.Prop("RepeatingDelay", &B::GetRepeatingDelay, &B::SetRepeatingDelay).Default(500);
  p.Prop("RepeatingInterval", &B::GetRepeatingInterval, &B::SetRepeatingInterval).Default(100);
  p.Prop("Transparent", &B::GetTransparent, &B::SetTransparent).Default(false);
  p.Prop("OnDropDown", &B::OnDropDown);
}

void TStyBaseGraphicButton::Messages(TMessageMap<TStyBaseGraphicButton>& m) {
  m.On(CM_BUTTONPRESSED, &TStyBaseGraphicButton::CMButtonPressed);
  m.On(CM_DIALOGCHAR, &TStyBaseGraphicButton::CMDialogChar);
  m.On(CM_ENABLEDCHANGED, &TStyBaseGraphicButton::CMEnabledChanged);
  m.On(CM_VISIBLECHANGED, &TStyBaseGraphicButton::CMVisibleChanged);
  m.On(CM_FONTCHANGED, &TStyBaseGraphicButton::CMFontChanged);
  m.On(CM_TEXTCHANGED, &TStyBaseGraphicButton::CMTextChanged);
  m.On(WM_LBUTTONDBLCLK, &TStyBaseGraphicButton::WMLButtonDblClk);
  m.On(WM_CANCELMODE, &TStyBaseGraphicButton::WMCancelMode);
}

// Properties -------------------------------------------------------------------

void TStyBaseGraphicButton::SetAllowAllUp(bool value) {
  if (FAllowAllUp == value) return;
  FAllowAllUp = value;
  BroadcastPressed();
}

void TStyBaseGraphicButton::SetGroupIndex(int value) {
  if (FGroupIndex == value) return;
  FGroupIndex = value;
  BroadcastPressed();
}

void TStyBaseGraphicButton::BroadcastPressed() {
  if (!FParent) return;
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
  FParent->Broadcast(m);
}

void TStyBaseGraphicButton::SetPressed(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FPressed) return;
  if (!value && !FAllowAllUp) return;
  FPressed = value;
  if (value) {
    SetState(bsLatched);
    Invalidate();
    BroadcastPressed();
  } else {
    SetState(bsUp);
    Invalidate();
  }
}

TBitmap* TStyBaseGraphicButton::GetGlyph() const {
  return FGlyph->GetBitmap();
}

void TStyBaseGraphicButton::SetGlyph(TBitmap* value) {
  if (!GetComponentState().Contains(csLoading) && GetImageList()) SetImageList(nullptr);
  FGlyph->SetBitmap(value);
  Invalidate();
}

int TStyBaseGraphicButton::GetNumGlyphs() const {
  return FGlyph->GetNumGlyphs();
}

void TStyBaseGraphicButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 0, 5);
  if (value == FGlyph->GetNumGlyphs()) return;
  FGlyph->SetNumGlyphs(static_cast<std::uint8_t>(value));
  PaintNow();
}

void TStyBaseGraphicButton::SetDropDownMenu(TPopupMenu* value) {
  if (FDropDownMenu == value) return;
  FDropDownMenu = value;
  if (value) value->FreeNotification(this);
}

void TStyBaseGraphicButton::SetDropDownIndent(int value) {
  if (FDropDownIndent == value) return;
  FDropDownIndent = value;
  Changed(nullptr);
}

void TStyBaseGraphicButton::SetDropDownRight(bool value) {
  if (FDropDownRight == value) return;
  FDropDownRight = value;
  Changed(nullptr);
}

void TStyBaseGraphicButton::SetEnterColor(TColor value) {
  if (FEnterColor == value) return;
  FEnterColor = value;
  Changed(nullptr);
}

void TStyBaseGraphicButton::SetEnterColorChange(bool value) {
  if (FEnterColorChange == value) return;
  FEnterColorChange = value;
  Changed(nullptr);
}

void TStyBaseGraphicButton::SetMultiLine(bool value) {
  if (FMultiLine == value) return;
  FMultiLine = value;
  Changed(nullptr);
}

void TStyBaseGraphicButton::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  if (value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TStyBaseGraphicButton::SetMouseOver(bool value) {
  if (value && !FMouseOver && FState == bsUp && FAllowMouseOver) {
    TStyBaseControl::MouseEnter();
    SetState(bsHot);
  } else if (!value && FMouseOver) {
    MouseExit();
  }
  if (FMouseOver == value) return;
  FMouseOver = value;
  const int style = SpeedStyle();
  if (style >= ubsClassicFlat && style <= ubsNavigator) Repaint();
}

// State --------------------------------------------------------------------------

void TStyBaseGraphicButton::SetState(std::uint8_t S) {
  if (auto* form = dynamic_cast<TCustomForm*>(GetOwner())) {
    const TFormStyle style = form->GetFormStyle();
    if ((style == fsMDIChild || style == fsMDIForm) && Application && !Application->GetActive()) {
      if (S == bsHot && FForceHot)
        S = bsUp;
      else
        return;
    }
  }
  if (S == FState) return;
  const std::uint8_t old = FState;
  bool repaint = true;
  const int numGlyphs = FGlyph->GetNumGlyphs();
  const int style = SpeedStyle();
  if (((old == bsUp && S == bsHot) || (old == bsHot && S == bsUp)) && FGlyph->GetStyle() != 1 &&
      !(style >= ubsClassicFlat && style <= ubsExplorerColored) && numGlyphs < 3 &&
      !(FAllowMouseOver && FEnterColorChange) && !HotChangeRepaints() && !HasHotLook())
    repaint = false;
  if (((old == bsHot && S == bsLatched) || (old == bsLatched && S == bsHot)) && numGlyphs < 3) repaint = false;
  FPrevState = (S == bsHot && old != bsLatched) ? bsUp : old;
  FState = S;
  if (repaint && GetVisible()) {
    if (IsOpaque() || (FTransparent && UsesParentBackground()))
      PaintNow();
    else
      Invalidate();
  }
  // The poll ends with the hot state even when hot tracking was turned off
  // meanwhile: nothing else would stop it.
  if (old == bsHot && S != bsHot) StopTimer(kHoverTimer);
  if (FAllowMouseOver && S == bsHot && !FPressed)
    StartTimer(kHoverTimer, kHoverPollInterval, [this](TObject*) { HoverPollTick(); });
}

void TStyBaseGraphicButton::PaintNow() {
  if (GetComponentState().Contains(csLoading)) return;
  if (FParent && FParent->HandleAllocated() && GetVisible())
    Repaint();
  else
    Invalidate();
}

void TStyBaseGraphicButton::StartTimer(int Index, WORD Interval, TNotifyEvent Callback) {
  FTimers[Index].Start(Interval, std::move(Callback));
}

void TStyBaseGraphicButton::RepeatTick() {
  if (FTimers[kRepeatTimer].Running()) FTimers[kRepeatTimer].SetInterval(FRepeatingInterval);
  Click();
}

void TStyBaseGraphicButton::RepeatTimerFired() {
  // A press that lost its mouse (a dialog took it, the button went away from
  // under it) ends the repeat instead of clicking on by itself.
  if (!FTracking || !GetMouseCapture() || !GetEnabled() || !GetVisible()) {
    AbortTracking();
    return;
  }
  if (FMouseOver) RepeatTick();
}

bool TStyBaseGraphicButton::IsPointInButton(int X, int Y) {
  return X >= 0 && X <= GetWidth() && Y >= 0 && Y <= GetHeight();
}

void TStyBaseGraphicButton::HoverPollTick() {
  POINT p{};
  GetCursorPos(&p);
  const TPoint c = ScreenToClient(TPoint(p.x, p.y));
  bool inside;
  if (FAllowTransparency)
    inside = IsPointInButton(c.X, c.Y);
  else
    inside = c.X >= 0 && c.X < GetClientWidth() && c.Y >= 0 && c.Y <= GetClientHeight();
  if (GetEnabled() && !inside) SetState(bsUp);
}

bool TStyBaseGraphicButton::IsGlyphStored() {
  return GetImageList() == nullptr;
}

bool TStyBaseGraphicButton::UsesParentBackground() {
  auto* parent = dynamic_cast<TStyCustomControl*>(FParent);
  return FTransparent && parent && parent->HandleAllocated() && parent->IsBackgroundProvider();
}

void TStyBaseGraphicButton::ImageListChanged(TObject*) {
  TStyCustomImageList* list = GetImageList();
  if (list && list->IsValidIndex(GetListIndex(), GetImageIndex())) {
    TBitmap picture;
    list->GetImage(GetListIndex(), GetImageIndex(), &picture);
    FGlyph->SetBitmap(&picture);
  } else {
    TBitmap empty;
    FGlyph->SetBitmap(&empty);
  }
  Invalidate();
}

void TStyBaseGraphicButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

// Mouse ----------------------------------------------------------------------------

void TStyBaseGraphicButton::MouseEnter() {
  if (FAllowTransparency) return;
  TStyBaseControl::MouseEnter();
  if (FState == bsUp && GetEnabled() && FAllowMouseOver) {
    SetState(bsHot);
    FMouseOver = true;
  }
}

void TStyBaseGraphicButton::MouseExit() {
  TStyBaseControl::MouseExit();
  if (FState == bsHot) SetState(FPrevState);
  FMouseOver = false;
  if (FHideHint && Application) Application->HideHint();
}

void TStyBaseGraphicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseDown(button, shift, x, y);
  if (button != mbLeft || !GetEnabled()) return;
  if (FAllowTransparency && !IsPointInButton(x, y)) return;
  std::uint8_t newState = FState;
  if (FDropDownMenu) {
    if (FState == bsDropped) {
      newState = bsHot;
    } else {
      // The menu runs modally; afterwards the button looks as before the press.
      newState = FState;
      if (!RunDropDown()) return;
    }
    SetState(newState);
    return;
  }
  FTracking = true;
  bool settle = true;
  try {
    if (FPrevState == bsLatched && FState == bsHot && FGroupIndex != 0) {
      newState = bsLatched;
    } else if (!FPressed) {
      newState = bsHeld;
      if (FRepeatedClick) {
        TWeakRef<TStyBaseGraphicButton> self(this);
        RepeatTick();
        if (!self) return;
        // The click may have ended the press (a dialog took the mouse): then
        // nothing repeats and the state is what the ending left.
        if (!FTracking) {
          settle = false;
        } else {
          StartTimer(kRepeatTimer, FRepeatingDelay, [this](TObject*) { RepeatTimerFired(); });
        }
      }
    }
  } catch (...) {
    if (settle) SetState(newState);
    throw;
  }
  if (settle) SetState(newState);
}

void TStyBaseGraphicButton::MouseMove(TShiftState shift, int x, int y) {
  inherited::MouseMove(shift, x, y);
  if (FState == bsDropped || !GetEnabled()) return;
  std::uint8_t newState = FState;
  bool inside;
  if (FAllowTransparency) {
    inside = IsPointInButton(x, y);
    if (FAllowMouseOver && !(FGroupIndex != 0 && FPressed)) {
      if (inside)
        newState = bsHot;
      else if (FState == bsHot)
        newState = FPrevState;
    }
  } else {
    inside = x >= 0 && x <= GetClientWidth() && y >= 0 && y <= GetClientHeight();
  }
  if (FTracking) {
    if (inside)
      newState = FPressed ? bsLatched : bsHeld;
    else if (FGroupIndex == 0 || FState == bsHeld)
      newState = bsUp;
  }
  SetState(newState);
  if (inside && !FMouseOver) {
    TStyBaseControl::MouseEnter();
    if (FState == bsUp && FAllowMouseOver) SetState(bsHot);
  }
  FMouseOver = inside;
}

bool TStyBaseGraphicButton::InsideForRelease(int X, int Y) {
  if (FAllowTransparency) return IsPointInButton(X, Y);
  return X >= 0 && X < GetClientWidth() && Y >= 0 && Y <= GetClientHeight();
}

void TStyBaseGraphicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  inherited::MouseUp(button, shift, x, y);
  if (button != mbLeft || FState == bsDropped || !FTracking) return;
  FTracking = false;
  if (FRepeatedClick) StopTimer(kRepeatTimer);
  const bool inside = InsideForRelease(x, y);
  std::uint8_t newState = IsDisabledState(FState) ? FState : bsUp;
  bool toggled = false;
  if (FGroupIndex != 0) {
    if (inside) {
      if (FState == bsLatched && !FAllowAllUp) return;
      SetPressed(!FPressed);
      toggled = true;
      if (FAllowMouseOver) newState = FPressed ? FState : bsUp;
    } else if (FPressed) {
      newState = bsLatched;
    }
  } else if (inside && FAllowMouseOver && !IsDisabledState(newState)) {
    newState = bsHot;
  }
  if (!inside) {
    SetState(newState);
    return;
  }
  const bool hotPictures = FGlyph->GetNumGlyphs() >= 3 || FGlyph->GetStyle() == 1;
  const bool stateSet = toggled && !FAllowMouseOver;
  if (!hotPictures && !stateSet) SetState(newState);
  TWeakRef<TStyBaseGraphicButton> self(this);
  if (!FRepeatedClick) Click();
  if (self && hotPictures && !stateSet) {
    POINT p{};
    GetCursorPos(&p);
    const TPoint c = ScreenToClient(TPoint(p.x, p.y));
    if (IsDisabledState(newState)) return;
    if (InsideForRelease(c.X, c.Y)) {
      FForceHot = true;
      SetState(newState == bsUp ? bsHot : newState);
      FForceHot = false;
    } else {
      SetState(newState);
    }
  }
}

void TStyBaseGraphicButton::AbortTracking() {
  StopTimer(kRepeatTimer);
  if (!FTracking) return;
  FTracking = false;
  std::uint8_t newState = IsDisabledState(FState) ? FState : (FPressed ? bsLatched : bsUp);
  SetState(newState);
}

void TStyBaseGraphicButton::Click() {
  if (OnClick) OnClick(this);
}

void TStyBaseGraphicButton::DropDown() {
  RunDropDown();
}

bool TStyBaseGraphicButton::RunDropDown() {
  if (!FDropDownMenu || FState == bsDropped) return true;
  // OnDropDown, and whatever runs while the menu's loop does, may take the
  // menu away or free the button.
  TWeakRef<TStyBaseGraphicButton> self(this);
  try {
    SetState(bsDropped);
    if (OnDropDown) OnDropDown(this);
    if (self && FDropDownMenu) {
      const TPoint at = FDropDownRight ? ClientToScreen(TPoint(GetWidth(), FDropDownIndent))
                                       : ClientToScreen(TPoint(FDropDownIndent, GetHeight()));
      FDropDownMenu->Popup(at.X, at.Y);
    }
  } catch (...) {
    // A failing OnDropDown or menu still ends the drop-down: left in
    // state 6, the button would ignore the next press.
    if (self) SetState(bsHot);
    throw;
  }
  if (!self) return false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE)) {}
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  if (self) SetState(bsHot);
  return static_cast<bool>(self);
}

// Drawing ----------------------------------------------------------------------------

void TStyBaseGraphicButton::DrawFace(TCanvas* Canvas, const TRect& Rect) {
  Canvas->SetFont(GetFont());
  if (FState >= bsHot && FState <= bsDropped && FAllowMouseOver && FEnterColorChange)
    Canvas->GetFont()->SetColor(FEnterColor);
  const std::uint16_t effects = static_cast<std::uint16_t>((GetEnabled() ? 0x0002 : 0) | 0x0004);
  FGlyph->Draw(Canvas, GetCaption(), 0, FMultiLine, effects, FButtonLayout.get(), FState, Rect, FFontFx.get());
}

void TStyBaseGraphicButton::FontChanged(TObject* Sender) {
  // The own font: the class library turns ParentFont off and sends
  // CM_FONTCHANGED, which comes back to ApplyFontChange.
  inherited::FontChanged(Sender);
}

void TStyBaseGraphicButton::ApplyFontChange(TObject* Sender) {
  if (GetComponentState().Contains(csLoading)) return;
  if (FFontFx->GetAngle() != 0 && !IsTrueTypeFont(GetFont())) {
    if (Sender == GetFont())
      FFontFx->SetAngle(0);
    else
      GetFont()->SetName("Arial");
  }
  Changed(nullptr);
}

// Messages -----------------------------------------------------------------------------

void TStyBaseGraphicButton::CMButtonPressed(TMessage& m) {
  auto* sender = reinterpret_cast<TStyBaseGraphicButton*>(m.LParam);
  if (static_cast<int>(m.WParam) != FGroupIndex || sender == this || !sender) return;
  if (sender->FPressed && FPressed) {
    FPressed = false;
    FPrevState = FState;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

void TStyBaseGraphicButton::CMDialogChar(TMessage& m) {
  if (!(IsAccel(m.CharCode(), GetCaption()) && GetEnabled() && GetVisible() && FParent && FParent->GetEnabled())) {
    InheritedMessage(m);
    return;
  }
  m.Result = 1;
  if (FDropDownMenu) {
    if (FState == bsDropped)
      SetState(bsHot);
    else
      DropDown();
    return;
  }
  if (FGroupIndex != 0) {
    if (FPressed && !FAllowAllUp) return;
    SetPressed(!FPressed);
    if (FAllowMouseOver) {
      if (FPressed) {
        SetState(bsLatched);
        Click();
      } else {
        SetState(bsUp);
      }
    }
    return;
  }
  SetMouseOver(true);
  Repaint();
  TWeakRef<TStyBaseGraphicButton> self(this);
  Click();
  if (!self) return;
  Repaint();
  POINT p{};
  GetCursorPos(&p);
  const TPoint c = ScreenToClient(TPoint(p.x, p.y));
  if (c.X < 0 || c.Y < 0 || c.X >= GetWidth() || c.Y >= GetHeight()) {
    SetMouseOver(false);
    Repaint();
  }
}

void TStyBaseGraphicButton::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  if (!GetEnabled()) AbortTracking();
  FPrevState = FState;
  if (GetEnabled())
    FState = FPressed ? bsLatched : bsUp;
  else
    FState = FPressed ? bsDisabledLatched : bsDisabled;
  if (FState != bsHot) StopTimer(kHoverTimer);
  Invalidate();
}

void TStyBaseGraphicButton::CMVisibleChanged(TMessage& m) {
  InheritedMessage(m);
  if (!GetVisible()) AbortTracking();
}

void TStyBaseGraphicButton::WMCancelMode(TMessage& m) {
  AbortTracking();
  InheritedMessage(m);
}

void TStyBaseGraphicButton::CMFontChanged(TMessage& m) {
  ApplyFontChange(GetFont());
  if (FTransparent)
    PaintNow();
  else
    InheritedMessage(m);
}

void TStyBaseGraphicButton::CMTextChanged(TMessage&) {
  if (FTransparent)
    PaintNow();
  else
    Invalidate();
}

void TStyBaseGraphicButton::WMLButtonDblClk(TMessage& m) {
  if (AliveAfterDefault(m) && FPressed) DblClick();
}

// An empty glyph takes the action's image; a glyph of the button's own stays.
void TStyBaseGraphicButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  if (!UsesActionImage() || !GetGlyph()->Empty()) return;
  TBitmap image;
  if (ActionImageToGlyph(Sender, &image)) SetGlyph(&image);
}
