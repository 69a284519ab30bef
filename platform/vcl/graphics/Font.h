// TFont: a logical font described by name, size, style, colour, pitch and
// character set. Size is in points; Height in pixels (negative: the em size,
// as LOGFONT has it); Size = -MulDiv(Height, 72, PixelsPerInch).
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/GraphicsObject.h"
#include "platform/win/wingdi.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
DRUMS_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };
DRUMS_ENUM_NAMES(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

using TFontCharset = std::uint8_t;
using TFontName = std::string;

class TFont : public TGraphicsObject {
  DRUMS_CLASS(TFont, TGraphicsObject)

 public:
  TFont() = default;

  void Assign(TPersistent* source) override;

  // The font object, made on demand.
  HFONT GetHandle() { return static_cast<HFONT>(HandleNeeded()); }
  // Adopts a font made elsewhere: its LOGFONT becomes this font's settings
  // and the font keeps (and later deletes) the handle.
  void SetHandle(HFONT value);

  const std::string& GetName() const { return FName; }
  void SetName(const std::string& value);
  int GetSize() const;
  void SetSize(int value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset value);
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value) { FPixelsPerInch = value > 0 ? value : 96; }

  static void Publish(TPublisher<TFont>& p);

 protected:
  HGDIOBJ CreateHandle() override;

 private:
  std::string FName = "MS Sans Serif";
  int FHeight = -11;  // 8 points at 96 pixels an inch
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  TFontPitch FPitch = fpDefault;
  TFontCharset FCharset = DEFAULT_CHARSET;
  int FPixelsPerInch = 96;
};
