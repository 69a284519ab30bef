// An integer edit box with a spin button at its right end: the button, the
// arrow and page keys and the mouse wheel step the value, which stays inside
// MinValue..MaxValue and is shown with an optional suffix (" ms").
#pragma once

#include <cstdint>
#include <string>

#include "controls/styled/stystdcA/SpinButton.h"
#include "platform/vcl/StdCtrls.h"

class TStyCustomSpinEdit : public TCustomEdit {
  DRUMS_CLASS(TStyCustomSpinEdit, TCustomEdit)
  DRUMS_MESSAGE_MAP(TStyCustomSpinEdit)

 public:
  explicit TStyCustomSpinEdit(TComponent* AOwner);
  ~TStyCustomSpinEdit() override;

  int GetMinValue() const { return FMinValue; }
  // Ignored unless below MaxValue; raises the value to it.
  void SetMinValue(int value);
  int GetMaxValue() const { return FMaxValue; }
  // Ignored unless above MinValue; lowers the value to it.
  void SetMaxValue(int value);
  int GetLineSize() const { return FLineSize; }
  void SetLineSize(int value) { FLineSize = value; }
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int value) { FPageSize = value; }
  const std::string& GetSuffix() const { return FSuffix; }
  void SetSuffix(const std::string& value);
  bool GetEditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value) { FEditorEnabled = value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  WORD GetInterval() const { return FButton->GetInterval(); }
  void SetInterval(WORD value) { FButton->SetInterval(value); }
  TStySpinButton* GetButton() const { return FButton; }

  // The value read from the text: a text that is no number reads as
  // MinValue and is repaired; the result is not clamped.
  int GetValue();
  // Shows the clamped value followed by Suffix.
  void SetValue(int value);
  // value inside MinValue..MaxValue; unchanged when the two are equal.
  int CheckValue(int value) const;

  static void Publish(TPublisher<TStyCustomSpinEdit>& p);
  static void Messages(TMessageMap<TStyCustomSpinEdit>& m);

 protected:
  virtual void DownClick();
  virtual bool IsValidChar(char Key);
  virtual void UpClick();

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void DoExit() override;
  void Change() override;

 private:
  void WMSize(TMessage& m);
  void WMCutPaste(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  // The smallest height that shows the font's text.
  int GetMinHeight();
  void LayoutButton();
  void SetEditRect();
  // 64 bits: minus the most negative step is a step too.
  void StepBy(std::int64_t delta);

  int FMinValue = 0;
  int FMaxValue = 100;
  int FLineSize = 1;
  int FPageSize = 10;
  std::string FSuffix;
  bool FEditorEnabled = true;
  TAlignment FAlignment = taLeftJustify;
  TWinControl* FButtonHolder = nullptr;
  TStySpinButton* FButton = nullptr;
};

class TStySpinEdit : public TStyCustomSpinEdit {
  DRUMS_CLASS(TStySpinEdit, TStyCustomSpinEdit)

 public:
  using TStyCustomSpinEdit::TStyCustomSpinEdit;
  static void Publish(TPublisher<TStySpinEdit>& p);
};
