// The colour picker combo: an owner-drawn list of the class library's named
// colours, the system colours and up to sixteen custom colours, each entry a
// colour name ("clRed") or "$" and eight hexadecimal figures.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stycombo/StyComboBox.h"
#include "platform/vcl/Dialogs.h"

enum TStyColorCBStyle : std::uint8_t { csColor, csText, csColorText, csColor3DText };
DRUMS_ENUM_NAMES(TStyColorCBStyle, "csColor", "csText", "csColorText", "csColor3DText")
enum TStyColorCBOption : std::uint8_t {
  coDefaultColors,
  coSystemColors,
  coCustomColors,
  coAllowAnyColor,
  coAllowDialog
};
DRUMS_ENUM_NAMES(TStyColorCBOption, "coDefaultColors", "coSystemColors", "coCustomColors", "coAllowAnyColor",
                 "coAllowDialog")
using TStyColorCBOptions = TSet<TStyColorCBOption>;
using TStyOnColorDialogEvent = TEvent<void(TObject* Sender, TColorDialog* ColorDialog)>;

class TStyCustomColorComboBox : public TStyCustomComboBox {
  DRUMS_CLASS(TStyCustomColorComboBox, TStyCustomComboBox)
  DRUMS_MESSAGE_MAP(TStyCustomColorComboBox)

 public:
  explicit TStyCustomColorComboBox(TComponent* AOwner);
  ~TStyCustomColorComboBox() override;

  // The shown colour; -1 when the text is empty or names no colour.
  TColor GetCurrentColor();
  void SetCurrentColor(TColor value);
  // The value that stands for "no colour" (the class library's clNone).
  virtual TColor NoColor() const { return clNone; }

  TStrings* GetCustomColors() const { return FCustomColors.get(); }
  // Takes the values "ColorA" .. "ColorP" that read as hexadecimal colours.
  void SetCustomColors(TStrings* value);
  TColorDialogOptions GetDlgOptions() const { return FDlgOptions; }
  void SetDlgOptions(TColorDialogOptions value) { FDlgOptions = value; }
  int GetDlgHelpContext() const { return FDlgHelpContext; }
  void SetDlgHelpContext(int value) { FDlgHelpContext = value; }
  TStyColorCBStyle GetDisplayStyle() const { return FDisplayStyle; }
  void SetDisplayStyle(TStyColorCBStyle value);
  TStyColorCBOptions GetOptions() const { return FOptions; }
  void SetOptions(TStyColorCBOptions value);
  // Runs the colour dialog over the current and the custom colours.
  void ExecuteColorDialog();

  TStyOnColorDialogEvent OnBeforeDialogShow;
  TStyOnColorDialogEvent OnAfterDialogShow;

  static void Publish(TPublisher<TStyCustomColorComboBox>& p);
  static void Messages(TMessageMap<TStyCustomColorComboBox>& m);

 protected:
  void Loaded() override;
  void FontChanged(TObject* sender) override;
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  void MeasureItem(int index, int& height) override;

 private:
  std::string CurrentText();
  void FillColors();
  void Remeasure();
  void WMRButtonDown(TMessage& m);

  std::unique_ptr<TStringList> FCustomColors;
  TColorDialogOptions FDlgOptions;
  int FDlgHelpContext = 0;
  TStyColorCBStyle FDisplayStyle = csColorText;
  TStyColorCBOptions FOptions{coDefaultColors, coAllowAnyColor};
  int FMeasuredItemHeight = 15;
};

class TStyColorComboBox : public TStyCustomColorComboBox {
  DRUMS_CLASS(TStyColorComboBox, TStyCustomColorComboBox)
 public:
  using TStyCustomColorComboBox::TStyCustomColorComboBox;
};
