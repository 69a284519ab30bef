#include "platform/vcl/dialogs/FontDialog.h"

#include "platform/vcl/graphics/Colors.h"
#include "platform/win/commdlg.h"
#include "platform/win/wingdi.h"

namespace {
constexpr DWORD kFontOptionFlags[] = {CF_ANSIONLY,       CF_TTONLY,     CF_EFFECTS,       CF_FIXEDPITCHONLY,
                                      CF_FORCEFONTEXIST, CF_NOFACESEL,  CF_NOOEMFONTS,    CF_NOSIMULATIONS,
                                      CF_NOSIZESEL,      CF_NOSTYLESEL, CF_NOVECTORFONTS, CF_SHOWHELP,
                                      CF_WYSIWYG,        CF_LIMITSIZE,  CF_SCALABLEONLY,  CF_APPLY};
}  // namespace

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

void TFontDialog::Publish(TPublisher<TFontDialog>& p) {
  p.Prop("Font", &TFontDialog::GetFont, &TFontDialog::SetFont);
  p.Prop("MaxFontSize", &TFontDialog::GetMaxFontSize, &TFontDialog::SetMaxFontSize).Default(0);
  p.Prop("MinFontSize", &TFontDialog::GetMinFontSize, &TFontDialog::SetMinFontSize).Default(0);
  p.Prop("Options", &TFontDialog::GetOptions, &TFontDialog::SetOptions).Default(TFontDialogOptions{fdEffects});
}

bool TFontDialog::Execute() {
  LOGFONTA font{};
  GetObjectA(FFont->GetHandle(), sizeof font, &font);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = OwnerWindow();
  cf.lpLogFont = &font;
  cf.rgbColors = ColorToRGB(FFont->GetColor());
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS;
  for (int i = fdAnsiOnly; i <= fdApplyButton; i++)
    if (FOptions.Contains(static_cast<TFontDialogOption>(i))) cf.Flags |= kFontOptionFlags[i];
  if (FOptions.Contains(fdLimitSize)) {
    cf.nSizeMin = FMinFontSize;
    cf.nSizeMax = FMaxFontSize;
  }
  DoShow();
  BOOL ok = ChooseFontA(&cf);
  DoClose();
  if (!ok) return false;
  FFont->SetHandle(CreateFontIndirectA(&font));
  if (FOptions.Contains(fdEffects)) FFont->SetColor(static_cast<TColor>(cf.rgbColors));
  return true;
}
