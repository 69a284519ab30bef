// TColorDialog: the platform's colour dialog over Color and the sixteen
// custom colours ("ColorA=RRGGBB" ... "ColorP=...", as the platform's
// hexadecimal 0x00BBGGRR value).
#pragma once

#include <memory>

#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/dialogs/Dialog.h"
#include "platform/vcl/graphics/Colors.h"

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
DRUMS_ENUM_NAMES(TColorDialogOption, "cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor")
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TCommonDialog {
  DRUMS_CLASS(TColorDialog, TCommonDialog)

 public:
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;

  bool Execute() override;

  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  TStrings* GetCustomColors() const { return FCustomColors.get(); }
  void SetCustomColors(TStrings* value) { FCustomColors->Assign(value); }
  TColorDialogOptions GetOptions() const { return FOptions; }
  void SetOptions(TColorDialogOptions value) { FOptions = value; }

  static void Publish(TPublisher<TColorDialog>& p);

 private:
  TColor FColor = clBlack;
  std::unique_ptr<TStringList> FCustomColors;
  TColorDialogOptions FOptions;
};
