#include "controls/styled/stybtn/PushButton.h"

#include "controls/styled/styprocs.h"
#include "platform/vcl/ActnList.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

TStyCustomButton::TStyCustomButton(TComponent* AOwner)
    : TButton(AOwner),
      FButtonLayout(std::make_unique<TStyButtonLayout>()),
      FCanvas(std::make_unique<TCanvas>()),
      FGlyph(std::make_unique<TStyGlyph>()),
      FFontFx(std::make_unique<TStyFxCaption>()),
      FImageListRef(this, [this](TObject* sender) { ImageListChanged(sender); }) {
  FControlStyle.Include(csReplicatable);
  FGlyph->OnChange = [this](TObject* sender) { ApplyFontChange(sender); };
  FButtonLayout->OnChange = [this](TObject* sender) { ApplyFontChange(sender); };
  FFontFx->OnChange = [this](TObject* sender) { ApplyFontChange(sender); };
  SetBounds(FLeft, FTop, 75, 25);
}

TStyCustomButton::~TStyCustomButton() {
  StopRepeat();
  FGlyph->OnChange = nullptr;
  FButtonLayout->OnChange = nullptr;
  FFontFx->OnChange = nullptr;
  FImageListRef.Disconnect();
}

void TStyCustomButton::Publish(TPublisher<TStyCustomButton>& p) {
  using B = TStyCustomButton;
  p.Prop("ButtonLayout", &B::GetButtonLayout, &B::SetButtonLayout);
  p.Prop("FontFx", &B::GetFontFx, &B::SetFontFx);
  p.Prop("Glyph", &B::GetGlyph, &B::SetGlyph).Stored([](B& b) { return b.GetImageList() == nullptr; });
  p.Prop("HideHint", &B::GetHideHint, &B::SetHideHint).Default(true);
  PublishImageListRef(p);
  p.Prop("MultiLine", &B::GetMultiLine, &B::SetMultiLine).Default(false);
  p.Prop("NumGlyphs", &B::GetNumGlyphs, &B::SetNumGlyphs).Default(1);
  p.Prop("RepeatedClick", &B::GetRepeatedClick, &B::SetRepeatedClick).Default(false);
  p.Prop("RepeatingDelay", &B::GetRepeatingDelay, &B::SetRepeatingDelay).Default(500);
  p.Prop("RepeatingInterval", &B::GetRepeatingInterval, &B::SetRepeatingInterval).Default(100);
  p.Prop("Style", &B::GetStyle, &B::SetStyle).Default(nbsAutoDetect);
  p.Prop("OnMouseEnter", &B::OnMouseEnter);
  p.Prop("OnMouseExit", &B::OnMouseExit);
}

void TStyButton::Publish(TPublisher<TStyButton>& p) {
  using B = TStyButton;
  p.Prop("DropDownIndent", &B::GetDropDownIndent, &B::SetDropDownIndent).Default(0);
  p.Prop("DropDownMenu", &B::GetDropDownMenu, &B::SetDropDownMenu);
  p.Prop("DropDownRight", &B::GetDropDownRight, &B::SetDropDownRight).Default(false);
  p.Prop("OnDropDown", &B::OnDropDown);
}

void TStyCustomButton::Messages(TMessageMap<TStyCustomButton>& m) {
  m.On(CN_DRAWITEM, &TStyCustomButton::CNDrawItem);
  m.On(CN_MEASUREITEM, &TStyCustomButton::CNMeasureItem);
  m.On(CM_MOUSEENTER, &TStyCustomButton::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TStyCustomButton::CMMouseLeave);
  m.On(CM_FONTCHANGED, &TStyCustomButton::CMFontChanged);
  m.On(CM_ENABLEDCHANGED, &TStyCustomButton::CMEnabledChanged);
  m.On(CM_VISIBLECHANGED, &TStyCustomButton::CMVisibleChanged);
  m.On(WM_LBUTTONDOWN, &TStyCustomButton::WMLButtonDown);
  m.On(WM_LBUTTONUP, &TStyCustomButton::WMLButtonUp);
  m.On(WM_LBUTTONDBLCLK, &TStyCustomButton::WMLButtonDblClk);
  m.On(WM_CAPTURECHANGED, &TStyCustomButton::WMCaptureChanged);
  m.On(WM_CANCELMODE, &TStyCustomButton::WMCancelMode);
}

void TStyCustomButton::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TStyCustomButton::SetButtonStyle(bool ADefault) {
  if (ADefault == FActive) return;
  FActive = ADefault;
  Refresh();
}

// Properties ------------------------------------------------------------------

TBitmap* TStyCustomButton::GetGlyph() const {
  return FGlyph->GetBitmap();
}

void TStyCustomButton::SetGlyph(TBitmap* value) {
  if (!GetComponentState().Contains(csLoading) && GetImageList()) SetImageList(nullptr);
  FGlyph->SetBitmap(value);
  Invalidate();
}

int TStyCustomButton::GetNumGlyphs() const {
  return FGlyph->GetNumGlyphs();
}

void TStyCustomButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 0, 5);
  if (value == FGlyph->GetNumGlyphs()) return;
  FGlyph->SetNumGlyphs(static_cast<std::uint8_t>(value));
  Invalidate();
}

void TStyCustomButton::SetMultiLine(bool value) {
  if (FMultiLine == value) return;
  FMultiLine = value;
  ApplyFontChange(nullptr);
}

void TStyCustomButton::SetStyle(TStyNormalButtonStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Invalidate();
}

void TStyCustomButton::SetDropDownMenu(TPopupMenu* value) {
  if (FDropDownMenu == value) return;
  FDropDownMenu = value;
  if (value) value->FreeNotification(this);
}

void TStyCustomButton::ImageListChanged(TObject*) {
  TBitmap picture;
  if (!FImageListRef.ImageListEmpty()) GetImageList()->GetImage(GetListIndex(), GetImageIndex(), &picture);
  FGlyph->SetBitmap(&picture);
  Invalidate();
}

void TStyCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropDownMenu) FDropDownMenu = nullptr;
  FImageListRef.Notification(AComponent, Operation);
}

void TStyCustomButton::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FImageListRef.DefineProperties(Filer);
}

void TStyCustomButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int oldLeft = FLeft, oldTop = FTop, oldWidth = FWidth, oldHeight = FHeight;
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  TStyBoundsChanges changes;
  if (FWidth != oldWidth || FHeight != oldHeight) changes.Include(bcSizeChanged);
  if (FLeft != oldLeft || FTop != oldTop) changes.Include(bcPositionChanged);
  if (!changes.Empty() && !GetComponentState().Contains(csLoading)) BoundsChanged(changes);
}

// Fonts and effects -------------------------------------------------------------

void TStyCustomButton::FontChanged(TObject* Sender) {
  // The own font: the class library turns ParentFont off and sends
  // CM_FONTCHANGED, which comes to ApplyFontChange.
  inherited::FontChanged(Sender);
}

void TStyCustomButton::ApplyFontChange(TObject* Sender) {
  if (GetComponentState().Contains(csLoading)) return;
  if (Sender == GetFont() || Sender == FFontFx.get()) {
    // The class library has already turned ParentFont off for the font.
    if (Sender == FFontFx.get()) SetParentFont(false);
    if (FFontFx->GetAngle() != 0 && !IsTrueTypeFont(GetFont())) {
      if (Sender == FFontFx.get()) {
        // The font's change comes back here.
        GetFont()->SetName("Arial");
        return;
      }
      FFontFx->SetAngle(0);
    }
  }
  Invalidate();
}

void TStyCustomButton::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  ApplyFontChange(GetFont());
}

// Drawing ------------------------------------------------------------------------

void TStyCustomButton::CNDrawItem(TMessage& m) {
  const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  if (!dis) return;
  FCanvas->SetHandle(dis->hDC);
  try {
    TRect r = GetClientRect();
    if (!GetEnabled())
      FState = 1;
    else
      FState = (dis->itemState & ODS_SELECTED) ? 4 : 0;
    std::uint16_t flags = bfClearCorners;
    if (FActive)
      flags = bfClearCorners | bfFocused;
    else if (dis->itemState & ODS_FOCUS)
      flags = bfClearCorners | bfDefault;
    DrawButtonFrame(FCanvas.get(), false, r, static_cast<TStyUserButtonStyle>(FStyle), FState, flags, GetColor());
    FCanvas->SetFont(GetFont());
    const std::uint16_t effects = static_cast<std::uint16_t>((GetEnabled() ? 0x0002 : 0) | 0x0004);
    FGlyph->Draw(FCanvas.get(), GetCaption(), 0, FMultiLine, effects, FButtonLayout.get(), FState, r, FFontFx.get());
  } catch (...) {
    FCanvas->SetHandle(nullptr);
    throw;
  }
  FCanvas->SetHandle(nullptr);
  m.Result = TRUE;
}

void TStyCustomButton::CNMeasureItem(TMessage& m) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (!mis) return;
  mis->itemWidth = static_cast<UINT>(GetWidth());
  mis->itemHeight = static_cast<UINT>(GetHeight());
  m.Result = TRUE;
}

// Mouse, repeat and menu -----------------------------------------------------------

// The window's own handling (its click notification) and the events may
// free the button: each path stops there.

void TStyCustomButton::CMMouseEnter(TMessage& m) {
  if (!AliveAfterDefault(m)) return;
  TWeakRef<TStyCustomButton> self(this);
  if (FState == 0 && OnMouseEnter) OnMouseEnter(this);
  if (self) FMouseOver = true;
}

void TStyCustomButton::CMMouseLeave(TMessage& m) {
  if (!AliveAfterDefault(m)) return;
  TWeakRef<TStyCustomButton> self(this);
  if (OnMouseExit) OnMouseExit(this);
  if (!self) return;
  FMouseOver = false;
  if (FHideHint && Application) Application->HideHint();
}

void TStyCustomButton::WMLButtonDown(TMessage& m) {
  if (!AliveAfterDefault(m)) return;
  if (FRepeatedClick && !FRepeatTimer.Running() && GetEnabled() && HandleAllocated() && GetCapture() == FHandle)
    FRepeatTimer.Start(FRepeatingDelay, [this](TObject*) { RepeatTimerFired(); });
}

void TStyCustomButton::WMLButtonUp(TMessage& m) {
  if (AliveAfterDefault(m) && FRepeatedClick) StopRepeat();
}

void TStyCustomButton::WMLButtonDblClk(TMessage& m) {
  // A quick second press is a press again, and so a second click.
  m.Msg = WM_LBUTTONDOWN;
  WMLButtonDown(m);
}

void TStyCustomButton::WMCaptureChanged(TMessage& m) {
  // The press lost its mouse (a dialog, a menu, another window took it).
  StopRepeat();
  InheritedMessage(m);
}

void TStyCustomButton::WMCancelMode(TMessage& m) {
  StopRepeat();
  InheritedMessage(m);
}

void TStyCustomButton::CMEnabledChanged(TMessage& m) {
  if (!GetEnabled()) StopRepeat();
  InheritedMessage(m);
  Invalidate();
}

void TStyCustomButton::CMVisibleChanged(TMessage& m) {
  if (!GetVisible()) StopRepeat();
  InheritedMessage(m);
}

void TStyCustomButton::RepeatTimerFired() {
  // Only while the window still holds the press it started on.
  if (!HandleAllocated() || GetCapture() != FHandle || !GetEnabled() || !GetVisible()) {
    StopRepeat();
    return;
  }
  if (FMouseOver) RepeatTick();
}

void TStyCustomButton::RepeatTick() {
  FRepeatTimer.SetInterval(FRepeatingInterval);
  Click();
}

void TStyCustomButton::Click() {
  if (!FDropDownMenu || FDropped) {
    inherited::Click();
    return;
  }
  TWeakRef<TStyCustomButton> self(this);
  if (OnClick) OnClick(this);
  if (self) DropDown();
}

void TStyCustomButton::DropDown() {
  if (!FDropDownMenu || FDropped) return;
  if (!FActive && CanFocus()) SetFocus();
  SendMessageA(GetHandle(), BM_SETSTATE, 1, 0);
  Refresh();
  FDropped = true;
  // OnDropDown, and whatever runs while the menu's loop does, may free the
  // button.
  TWeakRef<TStyCustomButton> self(this);
  // A failing OnDropDown or menu still ends the drop-down: left dropped,
  // the button would never open its menu again.
  const auto release = [this, &self] {
    if (!self) return;
    FDropped = false;
    FState = 0;
    SendMessageA(GetHandle(), BM_SETSTATE, 0, 0);
  };
  try {
    if (OnDropDown) OnDropDown(this);
    // OnDropDown may have taken the menu away.
    if (self && FDropDownMenu) {
      const TPoint at = FDropDownRight ? ClientToScreen(TPoint(GetWidth(), FDropDownIndent))
                                       : ClientToScreen(TPoint(FDropDownIndent, GetHeight()));
      FDropDownMenu->Popup(at.X, at.Y);
    }
  } catch (...) {
    release();
    throw;
  }
  if (!self) return;
  MSG msg;
  while (PeekMessageA(&msg, GetHandle(), WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE)) {}
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  release();
}

// An empty glyph takes the action's image; a glyph of the button's own stays.
void TStyCustomButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  if (!GetGlyph()->Empty()) return;
  TBitmap image;
  if (ActionImageToGlyph(Sender, &image)) SetGlyph(&image);
}
