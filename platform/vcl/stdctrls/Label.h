// TLabel: text drawn on its parent, without a window of its own. Its
// accelerator ("&Name") gives the focus to FocusControl.
#pragma once

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

class TCustomLabel : public TGraphicControl {
  DRUMS_CLASS(TCustomLabel, TGraphicControl)
  DRUMS_MESSAGE_MAP(TCustomLabel)

 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // A transparent label draws only its text over whatever lies beneath.
  bool GetTransparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);

  static void Publish(TPublisher<TCustomLabel>& p);
  static void Messages(TMessageMap<TCustomLabel>& m);

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Fits the bounds to the text (the width too unless WordWrap).
  void AdjustBounds();
  // Draws the caption in rect with DrawText flags; DT_CALCRECT measures.
  void DoDrawText(TRect& rect, UINT flags);

 private:
  void CMTextChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMDialogChar(TMessage& m);

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
  DRUMS_CLASS(TLabel, TCustomLabel)

 public:
  using TCustomLabel::TCustomLabel;
};
