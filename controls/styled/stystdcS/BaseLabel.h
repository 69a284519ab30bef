// TStyBaseLabel: a window-less text label: caption, alignment, automatic
// sizing, text options and an accelerator that focuses another control.
#pragma once

#include <cstdint>
#include <string>

#include "controls/styled/stycctrl/StyBaseGraphicControl.h"
#include "controls/styled/StyTypes.h"

enum TStyLabelOption : std::uint8_t { loPathEllipsis, loEndEllipsis, loEditControl };
DRUMS_ENUM_NAMES(TStyLabelOption, "loPathEllipsis", "loEndEllipsis", "loEditControl")
using TStyLabelOptions = TSet<TStyLabelOption>;

class TStyBaseLabel : public TStyBaseGraphicControl {
  DRUMS_CLASS(TStyBaseLabel, TStyBaseGraphicControl)
  DRUMS_MESSAGE_MAP(TStyBaseLabel)

 public:
  explicit TStyBaseLabel(TComponent* AOwner);

  bool GetShowAccelChar() const { return FFlags[2]; }
  void SetShowAccelChar(bool value) { SetFlag(2, value); }
  bool GetAutoSize() const { return FFlags[0]; }
  void SetAutoSize(bool value) { SetFlag(0, value); }
  bool GetMultiLine() const { return FFlags[1]; }
  void SetMultiLine(bool value) { SetFlag(1, value); }
  TStyAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TStyAlignment value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  TStyLabelOptions GetOptions() const { return FOptions; }
  void SetOptions(TStyLabelOptions value);

  // The text the label shows: its caption.
  using TStyBaseGraphicControl::GetCaption;
  virtual void GetCaption(std::string& Text);
  // A change of the label's font or text effect. (TControl's own
  // FontChanged, which takes any object, stays the font's change event.)
  using TStyBaseGraphicControl::FontChanged;
  virtual void FontChanged(TPersistent* Font);
  // Fits the bounds to the caption; nothing here.
  virtual void AdjustSize() {}
  using TStyBaseGraphicControl::Changed;
  // Fits the size, then repaints.
  void Changed(TObject* Sender) override;
  // Transparent with an empty caption.
  bool IsEmpty() override;

  static void Publish(TPublisher<TStyBaseLabel>& p);
  static void Messages(TMessageMap<TStyBaseLabel>& m);

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The DrawText flags of Options.
  UINT OptionFormat() const;

 private:
  void SetFlag(int Index, bool value);
  void CMFontChanged(TMessage& m);
  void CMTextChanged(TMessage& m);
  void CMDialogChar(TMessage& m);

  // AutoSize, MultiLine, ShowAccelChar.
  bool FFlags[3] = {true, false, true};
  TStyAlignment FAlignment = agTopLeft;
  TWinControl* FFocusControl = nullptr;
  TStyLabelOptions FOptions;
};
