// Raster operations on whole pixels: every ternary code against its truth
// table, the binary codes, and the documented colour/monochrome conversions.
#include <gtest/gtest.h>

#include "gdi_fixture.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;
using gdi_test::MonoCanvas;

namespace {

constexpr std::uint32_t kOn = 0xFFFFFF;

// Column i holds the combination P = bit 2, S = bit 1, D = bit 0 of i, so the
// expected result of code c at column i is bit i of c.
std::uint32_t Bit(int i, int which) {
  return ((i >> which) & 1) ? kOn : 0;
}

HBRUSH ColourPatternBrush() {
  Canvas pattern(8, 1);
  for (int i = 0; i < 8; ++i) pattern.At(i, 0) = Bit(i, 2);
  return CreatePatternBrush(pattern.bitmap);
}

}  // namespace

TEST(Rop3, EveryCodeMatchesItsTruthTableOnColourPixels) {
  Canvas src(8, 1);
  for (int i = 0; i < 8; ++i) src.At(i, 0) = Bit(i, 1);
  Canvas dst(8, 1);
  HBRUSH pattern = ColourPatternBrush();
  HBRUSH black = CreateSolidBrush(RGB(0, 0, 0)), white = CreateSolidBrush(RGB(255, 255, 255));
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << code);
    const DWORD rop = static_cast<DWORD>(code) << 16;
    // Once with a pattern brush, once with solid brushes (P = 0 on the left
    // half, P = 1 on the right), so both pattern paths are checked.
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < 8; ++i) dst.At(i, 0) = Bit(i, 0);
      if (pass == 0) {
        HGDIOBJ old = SelectObject(dst.dc, pattern);
        ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 8, 1, src.dc, 0, 0, rop));
        SelectObject(dst.dc, old);
      } else {
        HGDIOBJ old = SelectObject(dst.dc, black);
        ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, rop));
        SelectObject(dst.dc, white);
        ASSERT_TRUE(BitBlt(dst.dc, 4, 0, 4, 1, src.dc, 4, 0, rop));
        SelectObject(dst.dc, old);
      }
      for (int i = 0; i < 8; ++i)
        EXPECT_EQ(dst.At(i, 0), ((code >> i) & 1) ? kOn : 0u)
            << "pass " << pass << ", P S D = " << (i >> 2) << (i >> 1 & 1) << (i & 1);
    }
  }
  DeleteObject(pattern);
  DeleteObject(black);
  DeleteObject(white);
}

TEST(Rop3, EveryCodeMatchesItsTruthTableOnMonochromeBitmaps) {
  MonoCanvas src(8, 1), dst(8, 1);
  for (int i = 0; i < 8; ++i) src.SetBit(i, 0, (i >> 1) & 1);
  // A monochrome pattern draws 0 in the text colour and 1 in the background colour.
  MonoCanvas patternBits(8, 1);
  for (int i = 0; i < 8; ++i) patternBits.SetBit(i, 0, (i >> 2) & 1);
  HBRUSH pattern = CreatePatternBrush(patternBits.bitmap);
  SetTextColor(dst.dc, RGB(0, 0, 0));
  SetBkColor(dst.dc, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dst.dc, pattern);
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << code);
    for (int i = 0; i < 8; ++i) dst.SetBit(i, 0, i & 1);
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 8, 1, src.dc, 0, 0, static_cast<DWORD>(code) << 16));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(dst.Bit(i, 0), (code >> i) & 1) << "column " << i;
  }
  SelectObject(dst.dc, old);
  DeleteObject(pattern);
}

TEST(Rop3, NamedCodesAreTheirDocumentedFunctions) {
  // The named constants carry the right code byte: checked on arbitrary colours.
  struct Case {
    DWORD rop;
    std::uint32_t (*f)(std::uint32_t p, std::uint32_t s, std::uint32_t d);
  };
  const Case cases[] = {
      {SRCCOPY, [](std::uint32_t, std::uint32_t s, std::uint32_t) { return s; }},
      {SRCPAINT, [](std::uint32_t, std::uint32_t s, std::uint32_t d) { return s | d; }},
      {SRCAND, [](std::uint32_t, std::uint32_t s, std::uint32_t d) { return s & d; }},
      {SRCINVERT, [](std::uint32_t, std::uint32_t s, std::uint32_t d) { return s ^ d; }},
      {SRCERASE, [](std::uint32_t, std::uint32_t s, std::uint32_t d) { return s & ~d; }},
      {NOTSRCCOPY, [](std::uint32_t, std::uint32_t s, std::uint32_t) { return ~s; }},
      {NOTSRCERASE, [](std::uint32_t, std::uint32_t s, std::uint32_t d) { return ~(s | d); }},
      {MERGECOPY, [](std::uint32_t p, std::uint32_t s, std::uint32_t) { return p & s; }},
      {MERGEPAINT, [](std::uint32_t, std::uint32_t s, std::uint32_t d) { return ~s | d; }},
      {PATCOPY, [](std::uint32_t p, std::uint32_t, std::uint32_t) { return p; }},
      {PATPAINT, [](std::uint32_t p, std::uint32_t s, std::uint32_t d) { return p | ~s | d; }},
      {PATINVERT, [](std::uint32_t p, std::uint32_t, std::uint32_t d) { return p ^ d; }},
      {DSTINVERT, [](std::uint32_t, std::uint32_t, std::uint32_t d) { return ~d; }},
      {BLACKNESS, [](std::uint32_t, std::uint32_t, std::uint32_t) { return 0u; }},
      {WHITENESS, [](std::uint32_t, std::uint32_t, std::uint32_t) { return ~0u; }},
      {0x00E20746, [](std::uint32_t p, std::uint32_t s, std::uint32_t d) { return (s & p) | (~s & d); }},
  };
  const std::uint32_t P = 0x3C5AA5, S = 0x0FF00F, D = 0x66CC33;
  Canvas src(1, 1, S), dst(1, 1);
  HBRUSH brush = CreateSolidBrush(RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF));
  HGDIOBJ old = SelectObject(dst.dc, brush);
  for (const Case& c : cases) {
    dst.At(0, 0) = D;
    BitBlt(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, c.rop);
    EXPECT_EQ(dst.At(0, 0), c.f(P, S, D) & 0xFFFFFF) << std::hex << c.rop;
  }
  SelectObject(dst.dc, old);
  DeleteObject(brush);
}

TEST(Rop2, EveryModeMatchesItsTruthTable) {
  Canvas c(4, 1);
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(c.dc);
  ASSERT_NE(dc, nullptr);
  for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
    SCOPED_TRACE(mode);
    // Column i: pen = bit 1, dest = bit 0.
    for (int i = 0; i < 4; ++i) c.At(i, 0) = (i & 1) ? kOn : 0;
    dc->FillSpan(0, 0, 2, RGB(0, 0, 0), mode);
    dc->FillSpan(0, 2, 4, RGB(255, 255, 255), mode);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(c.At(i, 0), (((mode - 1) >> i) & 1) ? kOn : 0u) << "column " << i;
  }
  // On real colours the operations work bit by bit in every channel.
  c.At(0, 0) = 0x123456;
  dc->FillSpan(0, 0, 1, RGB(0x0F, 0xF0, 0x55), R2_XORPEN);
  EXPECT_EQ(c.At(0, 0), 0x123456u ^ 0x0FF055u);
}

TEST(BlitConversion, DocumentedColourAndMonochromeRules) {
  const std::uint32_t red = 0xFF0000, blue = 0x0000FF, grey = 0x808080, green = 0x00FF00;
  {
    SCOPED_TRACE("colour onto monochrome: exactly the background-coloured pixels become 1");
    Canvas src(4, 1);
    src.At(0, 0) = grey;
    src.At(1, 0) = red;
    src.At(2, 0) = grey;
    src.At(3, 0) = 0x808081;  // one step off the background colour
    SetBkColor(src.dc, RGB(0x80, 0x80, 0x80));
    MonoCanvas dst(4, 1);
    BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.Bit(0, 0), 1);
    EXPECT_EQ(dst.Bit(1, 0), 0);
    EXPECT_EQ(dst.Bit(2, 0), 1);
    EXPECT_EQ(dst.Bit(3, 0), 0);
  }
  {
    SCOPED_TRACE("monochrome onto colour: 0 takes the text colour, 1 the background colour");
    MonoCanvas src(2, 1);
    src.SetBit(1, 0, 1);
    Canvas dst(2, 1);
    SetTextColor(dst.dc, RGB(255, 0, 0));
    SetBkColor(dst.dc, RGB(0, 0, 255));
    BitBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), red);
    EXPECT_EQ(dst.At(1, 0), blue);
  }
  {
    SCOPED_TRACE("DSPDxax: the brush where the source is 1, the destination elsewhere");
    MonoCanvas mask(4, 1);
    mask.SetBit(0, 0, 1);
    mask.SetBit(2, 0, 1);
    Canvas dst(4, 1, grey);
    SetTextColor(dst.dc, RGB(0, 0, 0));
    SetBkColor(dst.dc, RGB(255, 255, 255));
    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    HGDIOBJ old = SelectObject(dst.dc, brush);
    BitBlt(dst.dc, 0, 0, 4, 1, mask.dc, 0, 0, 0x00E20746);
    SelectObject(dst.dc, old);
    DeleteObject(brush);
    EXPECT_EQ(dst.At(0, 0), green);
    EXPECT_EQ(dst.At(1, 0), grey);
    EXPECT_EQ(dst.At(2, 0), green);
    EXPECT_EQ(dst.At(3, 0), grey);
  }
  {
    SCOPED_TRACE("mask SRCAND then image SRCPAINT: transparent drawing");
    MonoCanvas mask(2, 1);
    mask.SetBit(0, 0, 1);  // transparent pixel
    Canvas image(2, 1);
    image.At(0, 0) = 0;  // transparent pixels are black in the image
    image.At(1, 0) = red;
    Canvas dst(2, 1, blue);
    SetTextColor(dst.dc, RGB(0, 0, 0));
    SetBkColor(dst.dc, RGB(255, 255, 255));
    BitBlt(dst.dc, 0, 0, 2, 1, mask.dc, 0, 0, SRCAND);
    BitBlt(dst.dc, 0, 0, 2, 1, image.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(dst.At(0, 0), blue);
    EXPECT_EQ(dst.At(1, 0), red);
  }
}

TEST(MaskBlt, MaskPicksForegroundOrBackgroundOperation) {
  MonoCanvas mask(2, 1);
  mask.SetBit(0, 0, 1);
  Canvas src(2, 1, 0x112233), dst(2, 1, 0x445566);
  // Foreground SRCCOPY where the mask is 1, background destination (0xAA) where 0.
  ASSERT_TRUE(MaskBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, mask.bitmap, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
  EXPECT_EQ(dst.At(0, 0), 0x112233u);
  EXPECT_EQ(dst.At(1, 0), 0x445566u);
  // A colour mask is refused.
  EXPECT_FALSE(MaskBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, src.bitmap, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
}

TEST(PatBlt, RefusesOperationsThatReadASource) {
  Canvas c(2, 2, 0x123456);
  EXPECT_FALSE(PatBlt(c.dc, 0, 0, 2, 2, SRCCOPY));
  EXPECT_TRUE(PatBlt(c.dc, 0, 0, 2, 2, DSTINVERT));
  EXPECT_EQ(c.At(1, 1), 0x123456u ^ 0xFFFFFF);
  EXPECT_FALSE(BitBlt(c.dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}
