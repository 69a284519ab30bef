// The windowed push button made owner-drawn: the window keeps the keyboard,
// focus, default and cancel behaviour and the click; the library paints the
// frame and the glyph with its caption, and adds an image-list glyph,
// auto-repeat, a drop-down menu and mouse enter and exit events.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stybtn/ButtonTimer.h"
#include "controls/styled/stycctrl.h"
#include "controls/styled/styglyph.h"
#include "controls/styled/stygraph.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"

class TStyCustomButton : public TButton {
  DRUMS_CLASS(TStyCustomButton, TButton)
  DRUMS_MESSAGE_MAP(TStyCustomButton)

 public:
  explicit TStyCustomButton(TComponent* AOwner);
  ~TStyCustomButton() override;

  TStyButtonLayout* GetButtonLayout() const { return FButtonLayout.get(); }
  void SetButtonLayout(TStyButtonLayout* value) { FButtonLayout->Assign(value); }
  TStyFxCaption* GetFontFx() const { return FFontFx.get(); }
  void SetFontFx(TStyFxCaption* value) { FFontFx->Assign(value); }
  TBitmap* GetGlyph() const;
  void SetGlyph(TBitmap* value);
  int GetNumGlyphs() const;
  void SetNumGlyphs(int value);
  TStyGlyph* GetButtonGlyph() const { return FGlyph.get(); }
  TPopupMenu* GetDropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* value);
  int GetDropDownIndent() const { return FDropDownIndent; }
  void SetDropDownIndent(int value) { FDropDownIndent = value; }
  bool GetDropDownRight() const { return FDropDownRight; }
  void SetDropDownRight(bool value) { FDropDownRight = value; }
  bool GetDropped() const { return FDropped; }
  bool GetActive() const { return FActive; }
  bool GetMouseOver() const { return FMouseOver; }
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value);
  bool GetRepeatedClick() const { return FRepeatedClick; }
  void SetRepeatedClick(bool value) { FRepeatedClick = value; }
  WORD GetRepeatingDelay() const { return FRepeatingDelay; }
  void SetRepeatingDelay(WORD value) { FRepeatingDelay = value; }
  WORD GetRepeatingInterval() const { return FRepeatingInterval; }
  void SetRepeatingInterval(WORD value) { FRepeatingInterval = value; }
  TStyNormalButtonStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyNormalButtonStyle value);
  bool GetHideHint() const { return FHideHint; }
  void SetHideHint(bool value) { FHideHint = value; }
  // The state the face was last drawn in: 0 up, 1 disabled, 4 held.
  std::uint8_t GetButtonState() const { return FState; }
  bool RepeatRunning() const { return FRepeatTimer.Running(); }

  // The image-list reference the glyph comes from.
  TStyCustomImageList* GetImageList() const { return FImageListRef.GetImageList(); }
  void SetImageList(TStyCustomImageList* value) { FImageListRef.SetImageList(value); }
  int GetImageIndex() const { return FImageListRef.GetIndex(0); }
  void SetImageIndex(int value) { FImageListRef.SetIndex(0, value); }
  int GetListIndex() const { return FImageListRef.GetIndex(1); }
  void SetListIndex(int value) { FImageListRef.SetIndex(1, value); }
  bool IsImageListStored() const { return FImageListRef.IsImageListStored(); }

  void Click() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnDropDown;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

  static void Publish(TPublisher<TStyCustomButton>& p);
  static void Messages(TMessageMap<TStyCustomButton>& m);

 protected:
  // Nothing here; the set says whether the size, the position or both changed.
  virtual void BoundsChanged(TStyBoundsChanges Changes) { (void)Changes; }
  virtual void RepeatTick();
  virtual void ImageListChanged(TObject* Sender);
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void CreateParams(TCreateParams& params) override;
  void SetButtonStyle(bool ADefault) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DefineProperties(TFiler* Filer) override;
  void FontChanged(TObject* Sender) override;

 private:
  void DropDown();
  void ApplyFontChange(TObject* Sender);
  void RepeatTimerFired();
  void StopRepeat() { FRepeatTimer.Stop(); }

  void CNDrawItem(TMessage& m);
  void CNMeasureItem(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void WMLButtonDown(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMCaptureChanged(TMessage& m);
  void WMCancelMode(TMessage& m);

  std::unique_ptr<TStyButtonLayout> FButtonLayout;
  std::unique_ptr<TCanvas> FCanvas;
  std::unique_ptr<TStyGlyph> FGlyph;
  TPopupMenu* FDropDownMenu = nullptr;
  int FDropDownIndent = 0;
  bool FDropDownRight = false;
  bool FDropped = false;
  std::unique_ptr<TStyFxCaption> FFontFx;
  bool FActive = false;
  bool FMouseOver = false;
  bool FMultiLine = false;
  bool FRepeatedClick = false;
  WORD FRepeatingDelay = 500;
  WORD FRepeatingInterval = 100;
  std::uint8_t FState = 0;
  TStyNormalButtonStyle FStyle = nbsAutoDetect;
  TStyButtonTimer FRepeatTimer;
  bool FHideHint = true;
  TStyImageListRef FImageListRef;
};

class TStyButton : public TStyCustomButton {
  DRUMS_CLASS(TStyButton, TStyCustomButton)

 public:
  using TStyCustomButton::TStyCustomButton;
  static void Publish(TPublisher<TStyButton>& p);
};
