#include "platform/vcl/dialogs/ColorDialog.h"

#include <cstdio>
#include <cstdlib>

#include "platform/win/commdlg.h"

namespace {
constexpr DWORD kColorOptionFlags[] = {CC_FULLOPEN, CC_PREVENTFULLOPEN, CC_SHOWHELP, CC_SOLIDCOLOR, CC_ANYCOLOR};
constexpr int kCustomCount = 16;
constexpr COLORREF kUnsetCustom = 0xFFFFFF;

std::string CustomName(int i) {
  return std::string("Color") + static_cast<char>('A' + i);
}
}  // namespace

TColorDialog::TColorDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FCustomColors(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

void TColorDialog::Publish(TPublisher<TColorDialog>& p) {
  p.Prop("Color", &TColorDialog::GetColor, &TColorDialog::SetColor).Idents("TColor").Default(clBlack);
  p.Prop("CustomColors", &TColorDialog::GetCustomColors, &TColorDialog::SetCustomColors);
  p.Prop("Options", &TColorDialog::GetOptions, &TColorDialog::SetOptions).Default(TColorDialogOptions{});
}

bool TColorDialog::Execute() {
  COLORREF custom[kCustomCount];
  for (int i = 0; i < kCustomCount; i++) {
    std::string value = FCustomColors->GetValues(CustomName(i));
    char* end = nullptr;
    unsigned long parsed = value.empty() ? kUnsetCustom : std::strtoul(value.c_str(), &end, 16);
    custom[i] = value.empty() || (end && *end) ? kUnsetCustom : static_cast<COLORREF>(parsed & 0xFFFFFF);
  }
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = OwnerWindow();
  cc.rgbResult = ColorToRGB(FColor);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  for (int i = cdFullOpen; i <= cdAnyColor; i++)
    if (FOptions.Contains(static_cast<TColorDialogOption>(i))) cc.Flags |= kColorOptionFlags[i];
  DoShow();
  BOOL ok = ChooseColorA(&cc);
  DoClose();
  if (!ok) return false;
  FColor = static_cast<TColor>(cc.rgbResult);
  FCustomColors->Clear();
  for (int i = 0; i < kCustomCount; i++) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(custom[i] & 0xFFFFFF));
    FCustomColors->Add(CustomName(i) + "=" + hex);
  }
  return true;
}
