// The window-less push button's state machine, shared by the speed, office,
// multimedia and shape buttons: press, latch in groups, hot tracking,
// auto-repeat, drop-down menu and keyboard accelerator, and the glyph and
// caption face.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stybtn/ButtonTimer.h"
#include "controls/styled/stycctrl.h"
#include "controls/styled/styglyph.h"
#include "controls/styled/stygraph.h"
#include "platform/vcl/Menus.h"

// The button state byte.
constexpr std::uint8_t bsUp = 0;
constexpr std::uint8_t bsDisabled = 1;
constexpr std::uint8_t bsHot = 2;
constexpr std::uint8_t bsLatched = 3;
constexpr std::uint8_t bsHeld = 4;
constexpr std::uint8_t bsDropped = 6;
constexpr std::uint8_t bsDisabledLatched = 7;

class TStyBaseGraphicButton : public TStyBaseControl {
  DRUMS_CLASS(TStyBaseGraphicButton, TStyBaseControl)
  DRUMS_MESSAGE_MAP(TStyBaseGraphicButton)

 public:
  explicit TStyBaseGraphicButton(TComponent* AOwner);
  ~TStyBaseGraphicButton() override;

  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  bool GetAllowMouseOver() const { return FAllowMouseOver; }
  void SetAllowMouseOver(bool value) { FAllowMouseOver = value; }
  bool GetAllowTransparency() const { return FAllowTransparency; }
  void SetAllowTransparency(bool value) { FAllowTransparency = value; }
  TStyButtonLayout* GetButtonLayout() const { return FButtonLayout.get(); }
  void SetButtonLayout(TStyButtonLayout* value) { FButtonLayout->Assign(value); }
  TStyFxCaption* GetFontFx() const { return FFontFx.get(); }
  void SetFontFx(TStyFxCaption* value) { FFontFx->Assign(value); }
  bool GetRepeatedClick() const { return FRepeatedClick; }
  void SetRepeatedClick(bool value) { FRepeatedClick = value; }
  WORD GetRepeatingDelay() const { return FRepeatingDelay; }
  void SetRepeatingDelay(WORD value) { FRepeatingDelay = value; }
  WORD GetRepeatingInterval() const { return FRepeatingInterval; }
  void SetRepeatingInterval(WORD value) { FRepeatingInterval = value; }
  bool GetHideHint() const { return FHideHint; }
  void SetHideHint(bool value) { FHideHint = value; }
  TPopupMenu* GetDropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* value);
  int GetDropDownIndent() const { return FDropDownIndent; }
  void SetDropDownIndent(int value);
  bool GetDropDownRight() const { return FDropDownRight; }
  void SetDropDownRight(bool value);
  TColor GetEnterColor() const { return FEnterColor; }
  void SetEnterColor(TColor value);
  bool GetEnterColorChange() const { return FEnterColorChange; }
  void SetEnterColorChange(bool value);
  TBitmap* GetGlyph() const;
  void SetGlyph(TBitmap* value);
  int GetNumGlyphs() const;
  void SetNumGlyphs(int value);
  TStyGlyph* GetButtonGlyph() const { return FGlyph.get(); }
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  bool GetMouseOver() const { return FMouseOver; }
  void SetMouseOver(bool value);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value);
  bool GetPressed() const { return FPressed; }
  void SetPressed(bool value);
  bool GetTracking() const { return FTracking; }
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  std::uint8_t GetState() const { return FState; }
  std::uint8_t GetPrevState() const { return FPrevState; }
  // Whether the repeat timer (index 1) or the hover poll (index 0) runs.
  bool TimerRunning(int Index) const { return FTimers[Index].Running(); }

  bool UsesParentBackground() override;
  // The glyph becomes the list's picture, or empty without one.
  void ImageListChanged(TObject* Sender) override;
  void MouseEnter() override;
  void MouseExit() override;

  // Opens the drop-down menu below or beside the button.
  void DropDown();
  void Click() override;

  TNotifyEvent OnDropDown;

  static void Publish(TPublisher<TStyBaseGraphicButton>& p);
  static void Messages(TMessageMap<TStyBaseGraphicButton>& m);

 protected:
  virtual bool IsGlyphStored();
  // Whether an assigned action's image becomes the glyph.
  virtual bool UsesActionImage() { return true; }
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  virtual void RepeatTick();
  virtual bool HasHotLook() { return false; }
  virtual bool IsPointInButton(int X, int Y);
  virtual void HoverPollTick();
  // Whether the changes between up and hot must repaint whatever the glyph
  // (the multimedia faces).
  virtual bool HotChangeRepaints() { return false; }
  // The frame style of a speed button; -1 for the other buttons.
  virtual int SpeedStyle() const { return -1; }

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void FontChanged(TObject* Sender) override;

  // Sets the state byte, repaints as the change needs and runs the hover
  // poll.
  void SetState(std::uint8_t S);
  // The caption and glyph for the current state into Rect.
  void DrawFace(TCanvas* Canvas, const TRect& Rect);
  // Paints at once where the control is opaque, else invalidates.
  void PaintNow();
  bool IsOpaque() const { return FControlStyle.Contains(csOpaque); }

 private:
  // DropDown's work; false when the button was freed meanwhile.
  bool RunDropDown();
  void StartTimer(int Index, WORD Interval, TNotifyEvent Callback);
  void StopTimer(int Index) { FTimers[Index].Stop(); }
  void RepeatTimerFired();
  // Ends a press that can no longer finish (capture lost, cancel mode,
  // disabled, hidden): no click, the state as a release outside leaves it.
  void AbortTracking();
  bool InsideForRelease(int X, int Y);
  void ApplyFontChange(TObject* Sender);
  void BroadcastPressed();

  void CMButtonPressed(TMessage& m);
  void CMDialogChar(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMTextChanged(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMCancelMode(TMessage& m);

  bool FAllowAllUp = false;
  bool FAllowMouseOver = false;
  bool FAllowTransparency = true;
  std::unique_ptr<TStyButtonLayout> FButtonLayout;
  std::unique_ptr<TStyFxCaption> FFontFx;
  bool FRepeatedClick = false;
  WORD FRepeatingDelay = 500;
  WORD FRepeatingInterval = 100;
  bool FHideHint = true;
  TPopupMenu* FDropDownMenu = nullptr;
  int FDropDownIndent = 0;
  bool FDropDownRight = false;
  TColor FEnterColor = clCaptionText;
  bool FEnterColorChange = false;
  std::unique_ptr<TStyGlyph> FGlyph;
  int FGroupIndex = 0;
  bool FMouseOver = false;
  bool FMultiLine = false;
  bool FPressed = false;
  bool FTracking = false;
  TStyButtonTimer FTimers[2];  // 0 hover poll, 1 repeat
  bool FForceHot = false;
  bool FTransparent = false;
  std::uint8_t FState = bsUp;
  std::uint8_t FPrevState = bsUp;
};
