#include <gtest/gtest.h>

#include <vector>

#include "text_canvas.h"

namespace {

using text_test::TextCanvas;

constexpr int kW = 120, kH = 30;

std::vector<bool> PixelsOf(const TextCanvas& canvas, std::uint32_t rgb) {
  std::vector<bool> out(kW * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) out[y * kW + x] = canvas.At(x, y) == rgb;
  return out;
}

std::vector<bool> InkOf(const TextCanvas& canvas) {
  std::vector<bool> out(kW * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) out[y * kW + x] = canvas.Inked(x, y);
  return out;
}

std::uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

TEST(DrawState, TextStatesPaintTheTextsShape) {
  TextCanvas normal(kW, kH);
  normal.UseFont("MS Sans Serif", -11);
  const char* text = "&Disabled";
  ASSERT_TRUE(DrawStateA(normal.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, 4, 4, 0, 0,
                         DST_PREFIXTEXT | DSS_NORMAL));
  const std::vector<bool> shape = InkOf(normal);
  ASSERT_GT(normal.InkCount(), 20);

  // Disabled: the shadow colour in exactly the text's shape (the highlight
  // copy below it is white, like the canvas).
  TextCanvas disabled(kW, kH);
  disabled.UseFont("MS Sans Serif", -11);
  DrawStateA(disabled.dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, 4, 4, 0, 0,
             DST_PREFIXTEXT | DSS_DISABLED);
  EXPECT_EQ(PixelsOf(disabled, Rgb(GetSysColor(COLOR_3DSHADOW))), shape);

  // Mono: the brush's colour in the same shape.
  TextCanvas mono(kW, kH);
  mono.UseFont("MS Sans Serif", -11);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  DrawStateA(mono.dc(), red, nullptr, reinterpret_cast<LPARAM>(text), 0, 4, 4, 0, 0, DST_PREFIXTEXT | DSS_MONO);
  EXPECT_EQ(PixelsOf(mono, 0xFF0000u), shape);

  // Union: every other pixel of the shape.
  TextCanvas dithered(kW, kH);
  dithered.UseFont("MS Sans Serif", -11);
  DrawStateA(dithered.dc(), red, nullptr, reinterpret_cast<LPARAM>(text), 0, 4, 4, 0, 0, DST_PREFIXTEXT | DSS_UNION);
  const std::vector<bool> half = PixelsOf(dithered, 0xFF0000u);
  int inShape = 0, outside = 0;
  for (int i = 0; i < kW * kH; ++i) {
    if (half[i]) (shape[i] ? inShape : outside)++;
  }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(inShape, normal.InkCount() / 4);
  EXPECT_LT(inShape, normal.InkCount() * 3 / 4);
  DeleteObject(red);
}

TEST(GrayString, DrawsTheTextDitheredInTheBrushColour) {
  TextCanvas plain(kW, kH), gray(kW, kH);
  for (TextCanvas* c : {&plain, &gray}) c->UseFont("Arial", -11);
  const char* text = "Grayed";
  TextOutA(plain.dc(), 4, 4, text, 6);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  ASSERT_TRUE(GrayStringA(gray.dc(), blue, nullptr, reinterpret_cast<LPARAM>(text), 0, 4, 4, 0, 0));
  const std::vector<bool> shape = InkOf(plain);
  const std::vector<bool> grayed = PixelsOf(gray, 0x0000FFu);
  int inShape = 0;
  for (int i = 0; i < kW * kH; ++i) {
    EXPECT_FALSE(grayed[i] && !shape[i]);
    inShape += grayed[i];
  }
  EXPECT_GT(inShape, 0);
  EXPECT_EQ(gray.InkCount(), inShape) << "nothing but the dithered shape is drawn";
  DeleteObject(blue);
}

}  // namespace
