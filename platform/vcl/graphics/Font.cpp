#include "platform/vcl/graphics/Font.h"

#include <cstring>

#include "platform/win/winbase.h"

void TFont::Publish(TPublisher<TFont>& p) {
  p.Prop("Charset", &TFont::GetCharset, &TFont::SetCharset).Idents("TFontCharset");
  p.Prop("Color", &TFont::GetColor, &TFont::SetColor).Idents("TColor");
  p.Prop("Height", &TFont::GetHeight, &TFont::SetHeight);
  p.Prop("Name", &TFont::GetName, &TFont::SetName);
  p.Prop("Pitch", &TFont::GetPitch, &TFont::SetPitch).Default(fpDefault);
  p.Prop("Size", &TFont::GetSize, &TFont::SetSize).Stored(false);
  p.Prop("Style", &TFont::GetStyle, &TFont::SetStyle);
}

void TFont::Assign(TPersistent* source) {
  auto* font = dynamic_cast<TFont*>(source);
  if (font == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (font == this) return;
  Changing();
  FName = font->FName;
  // Across resolutions the point size is what stays the same.
  FHeight = font->FPixelsPerInch == FPixelsPerInch ? font->FHeight : -MulDiv(font->GetSize(), FPixelsPerInch, 72);
  FStyle = font->FStyle;
  FColor = font->FColor;
  FPitch = font->FPitch;
  FCharset = font->FCharset;
  Changed();
}

void TFont::SetHandle(HFONT value) {
  LOGFONTA lf{};
  if (value == nullptr || GetObjectA(value, sizeof lf, &lf) != static_cast<int>(sizeof lf)) return;
  Changing();
  FName.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  FHeight = lf.lfHeight;
  FStyle.Clear();
  if (lf.lfWeight >= FW_BOLD) FStyle.Include(fsBold);
  if (lf.lfItalic) FStyle.Include(fsItalic);
  if (lf.lfUnderline) FStyle.Include(fsUnderline);
  if (lf.lfStrikeOut) FStyle.Include(fsStrikeOut);
  FCharset = lf.lfCharSet;
  switch (lf.lfPitchAndFamily & 0x0F) {
    case FIXED_PITCH: FPitch = fpFixed; break;
    case VARIABLE_PITCH: FPitch = fpVariable; break;
    default: FPitch = fpDefault; break;
  }
  ReplaceHandle(value);
}

HGDIOBJ TFont::CreateHandle() {
  LOGFONTA lf{};
  lf.lfHeight = FHeight;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic);
  lf.lfUnderline = FStyle.Contains(fsUnderline);
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  std::strncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

void TFont::SetName(const std::string& value) {
  if (value.empty() || value == FName) return;
  Changing();
  FName = value;
  Changed();
}

int TFont::GetSize() const {
  return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int value) {
  SetHeight(-MulDiv(value, FPixelsPerInch, 72));
}

void TFont::SetHeight(int value) {
  if (value == FHeight) return;
  Changing();
  FHeight = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  Changing();
  FStyle = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  Changing();
  FColor = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == FPitch) return;
  Changing();
  FPitch = value;
  Changed();
}

void TFont::SetCharset(TFontCharset value) {
  if (value == FCharset) return;
  Changing();
  FCharset = value;
  Changed();
}
