// Small fixtures shared by the graphics tests: solid bitmaps, pixel probes,
// a component that publishes graphics objects, and form streaming helpers.
#pragma once

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"
#include "support/ByteStrings.h"

namespace graphics_test {

// A 32-bit bitmap filled with one colour.
inline void Fill(TBitmap& bitmap, int width, int height, TColor color, TPixelFormat format = pf32bit) {
  bitmap.SetPixelFormat(format);
  bitmap.SetSize(width, height);
  bitmap.GetCanvas()->GetBrush()->SetColor(color);
  bitmap.GetCanvas()->GetBrush()->SetStyle(bsSolid);
  bitmap.GetCanvas()->FillRect(Rect(0, 0, width, height));
}

inline TColor At(TBitmap& bitmap, int x, int y) {
  return bitmap.GetCanvas()->GetPixels(x, y) & 0x00FFFFFF;
}

// Every pixel, row by row.
inline std::vector<TColor> Pixels(TBitmap& bitmap) {
  std::vector<TColor> all;
  for (int y = 0; y < bitmap.GetHeight(); ++y)
    for (int x = 0; x < bitmap.GetWidth(); ++x) all.push_back(At(bitmap, x, y));
  return all;
}

// A picture with a few distinct colours in known places.
inline void Paint(TBitmap& bitmap) {
  Fill(bitmap, 8, 6, clWhite);
  TCanvas* c = bitmap.GetCanvas();
  c->SetPixels(0, 0, clRed);
  c->SetPixels(7, 0, clLime);
  c->SetPixels(0, 5, clBlue);
  c->SetPixels(7, 5, clBlack);
  c->SetPixels(3, 2, clYellow);
}

using testsupport::StreamText;

class TGraphicsHolder : public TComponent {
  DRUMS_CLASS(TGraphicsHolder, TComponent)

 public:
  explicit TGraphicsHolder(TComponent* owner) : TComponent(owner) {}

  TFont* GetFont() { return &FFont; }
  void SetFont(TFont* value) { FFont.Assign(value); }
  TPen* GetPen() { return &FPen; }
  void SetPen(TPen* value) { FPen.Assign(value); }
  TBrush* GetBrush() { return &FBrush; }
  void SetBrush(TBrush* value) { FBrush.Assign(value); }
  TBitmap* GetGlyph() { return &FGlyph; }
  void SetGlyph(TBitmap* value) { FGlyph.Assign(value); }
  TPicture* GetPicture() { return &FPicture; }
  void SetPicture(TPicture* value) { FPicture.Assign(value); }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }

 private:
  static void Publish(TPublisher<TGraphicsHolder>& p) {
    p.Prop("Brush", &TGraphicsHolder::GetBrush, &TGraphicsHolder::SetBrush);
    p.Prop("Color", &TGraphicsHolder::GetColor, &TGraphicsHolder::SetColor).Idents("TColor").Default(clBtnFace);
    p.Prop("Font", &TGraphicsHolder::GetFont, &TGraphicsHolder::SetFont);
    p.Prop("Glyph", &TGraphicsHolder::GetGlyph, &TGraphicsHolder::SetGlyph);
    p.Prop("Pen", &TGraphicsHolder::GetPen, &TGraphicsHolder::SetPen);
    p.Prop("Picture", &TGraphicsHolder::GetPicture, &TGraphicsHolder::SetPicture);
  }

  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  TBitmap FGlyph;
  TPicture FPicture;
  TColor FColor = clBtnFace;
};

inline void WriteBinary(TComponent& c, TMemoryStream& binary) {
  RegisterGraphicsIdents();
  WriteComponent(&binary, &c);
  binary.SetPosition(0);
}

inline std::string AsText(TComponent& c) {
  TMemoryStream binary;
  WriteBinary(c, binary);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  return text.GetDataString();
}

inline void ReadBack(TMemoryStream& binary, TComponent& target) {
  binary.SetPosition(0);
  ReadComponent(&binary, &target);
}

// The bytes of the binary property `name` ("Glyph.Data") of a text form.
inline std::string BinaryProperty(const std::string& text, const std::string& name) {
  std::size_t at = text.find(name + " = {");
  if (at == std::string::npos) return {};
  std::size_t end = text.find('}', at);
  std::string hex;
  for (std::size_t i = at + name.size() + 4; i < end; ++i)
    if (std::isxdigit(static_cast<unsigned char>(text[i]))) hex += text[i];
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

}  // namespace graphics_test
