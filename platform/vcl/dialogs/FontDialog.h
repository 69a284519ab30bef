// TFontDialog: the platform's font dialog over the component's Font.
#pragma once

#include <memory>

#include "platform/vcl/dialogs/Dialog.h"
#include "platform/vcl/graphics/Font.h"

enum TFontDialogOption {
  fdAnsiOnly,
  fdTrueTypeOnly,
  fdEffects,
  fdFixedPitchOnly,
  fdForceFontExist,
  fdNoFaceSel,
  fdNoOEMFonts,
  fdNoSimulations,
  fdNoSizeSel,
  fdNoStyleSel,
  fdNoVectorFonts,
  fdShowHelp,
  fdWysiwyg,
  fdLimitSize,
  fdScalableOnly,
  fdApplyButton
};
DRUMS_ENUM_NAMES(TFontDialogOption, "fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly", "fdForceFontExist",
                 "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel", "fdNoStyleSel", "fdNoVectorFonts",
                 "fdShowHelp", "fdWysiwyg", "fdLimitSize", "fdScalableOnly", "fdApplyButton")
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TCommonDialog {
  DRUMS_CLASS(TFontDialog, TCommonDialog)

 public:
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;

  // The dialog starts with Font and, confirmed, leaves the choice in it
  // (face, height, style and, with fdEffects, colour).
  bool Execute() override;

  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TFontDialogOptions GetOptions() const { return FOptions; }
  void SetOptions(TFontDialogOptions value) { FOptions = value; }
  int GetMinFontSize() const { return FMinFontSize; }
  void SetMinFontSize(int value) { FMinFontSize = value; }
  int GetMaxFontSize() const { return FMaxFontSize; }
  void SetMaxFontSize(int value) { FMaxFontSize = value; }

  static void Publish(TPublisher<TFontDialog>& p);

 private:
  std::unique_ptr<TFont> FFont;
  TFontDialogOptions FOptions{fdEffects};
  int FMinFontSize = 0;
  int FMaxFontSize = 0;
};
