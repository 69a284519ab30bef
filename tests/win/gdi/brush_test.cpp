// Brushes on pixels: hatches with the background mode, patterns aligned to
// the brush origin, monochrome patterns in the DC's colours.
#include <gtest/gtest.h>

#include <string>

#include "gdi_fixture.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/wingdi.h"

using gdi_test::Canvas;

namespace {

constexpr std::uint32_t kGap = 0x123456;

// The 8x8 cell as text: '#' hatch colour (red), 'o' background colour (blue), '.' untouched.
std::string Cell(Canvas& c) {
  std::string out;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      std::uint32_t p = c.At(x, y);
      out += p == 0xFF0000 ? '#' : p == 0x0000FF ? 'o' : p == kGap ? '.' : '?';
    }
    out += '\n';
  }
  return out;
}

}  // namespace

TEST(Brush, HatchGapsFollowTheBackgroundMode) {
  Canvas c(8, 8, kGap);
  HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(255, 0, 0));
  HGDIOBJ old = SelectObject(c.dc, hatch);
  SetBkColor(c.dc, RGB(0, 0, 255));
  SetBkMode(c.dc, TRANSPARENT);
  PatBlt(c.dc, 0, 0, 8, 8, PATCOPY);
  const std::string transparent = Cell(c);
  EXPECT_EQ(transparent.find('o'), std::string::npos);
  EXPECT_NE(transparent.find('.'), std::string::npos);
  SetBkMode(c.dc, OPAQUE);
  PatBlt(c.dc, 0, 0, 8, 8, PATCOPY);
  const std::string opaque = Cell(c);
  // The same lines either way; opaque paints every gap.
  for (std::size_t i = 0; i < opaque.size(); ++i) {
    EXPECT_EQ(opaque[i] == '#', transparent[i] == '#') << i;
    if (opaque[i] != '#' && opaque[i] != '\n') {
      EXPECT_EQ(opaque[i], 'o') << i;
    }
  }
  // A cross hatch: one full row and one full column of the 8x8 cell.
  int fullRows = 0, fullColumns = 0;
  for (int i = 0; i < 8; ++i) {
    bool row = true, column = true;
    for (int j = 0; j < 8; ++j) {
      row = row && c.At(j, i) == 0xFF0000;
      column = column && c.At(i, j) == 0xFF0000;
    }
    fullRows += row;
    fullColumns += column;
  }
  EXPECT_EQ(fullRows, 1);
  EXPECT_EQ(fullColumns, 1);
  SelectObject(c.dc, old);
  DeleteObject(hatch);
  EXPECT_EQ(CreateHatchBrush(6, 0), nullptr);
}

TEST(Brush, PatternOfAnySizeAlignsToTheBrushOriginAndOutlivesItsBitmap) {
  HBRUSH brush;
  {
    Canvas pattern(3, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) pattern.At(x, y) = static_cast<std::uint32_t>(10 * y + x + 1);
    brush = CreatePatternBrush(pattern.bitmap);
  }  // the bitmap is gone; the brush keeps its copy
  ASSERT_NE(brush, nullptr);
  Canvas c(7, 3);
  HGDIOBJ old = SelectObject(c.dc, brush);
  SetBrushOrgEx(c.dc, 1, 1, nullptr);
  PatBlt(c.dc, 0, 0, 7, 3, PATCOPY);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) {
      const int px = ((x - 1) % 3 + 3) % 3, py = ((y - 1) % 2 + 2) % 2;
      EXPECT_EQ(c.At(x, y), static_cast<std::uint32_t>(10 * py + px + 1)) << x << "," << y;
    }
  POINT org{};
  GetBrushOrgEx(c.dc, &org);
  EXPECT_EQ(org.x, 1);
  SelectObject(c.dc, old);
  DeleteObject(brush);
}

TEST(Brush, MonochromePatternTakesTextAndBackgroundColours) {
  gdi_test::MonoCanvas bits(2, 1);
  bits.SetBit(1, 0, 1);
  HBRUSH brush = CreatePatternBrush(bits.bitmap);
  Canvas c(4, 1);
  SetTextColor(c.dc, RGB(255, 0, 0));  // for 0 bits
  SetBkColor(c.dc, RGB(0, 0, 255));  // for 1 bits
  HGDIOBJ old = SelectObject(c.dc, brush);
  PatBlt(c.dc, 0, 0, 4, 1, PATCOPY);
  EXPECT_EQ(c.At(0, 0), 0xFF0000u);
  EXPECT_EQ(c.At(1, 0), 0x0000FFu);
  EXPECT_EQ(c.At(2, 0), 0xFF0000u);
  SelectObject(c.dc, old);
  DeleteObject(brush);
}

TEST(Brush, NullBrushAndDcBrush) {
  Canvas c(2, 1, kGap);
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(c.dc);
  SelectObject(c.dc, GetStockObject(NULL_BRUSH));
  dc->FillSpanWithBrush(0, 0, 2);
  EXPECT_EQ(PatBlt(c.dc, 0, 0, 2, 1, PATCOPY), TRUE);
  EXPECT_EQ(c.At(0, 0), kGap);
  SelectObject(c.dc, GetStockObject(DC_BRUSH));
  SetDCBrushColor(c.dc, RGB(0, 255, 0));
  PatBlt(c.dc, 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(c.At(0, 0), 0x00FF00u);
  EXPECT_EQ(c.At(1, 0), kGap);
}

TEST(Brush, CreateBrushIndirectStyles) {
  LOGBRUSH solid{BS_SOLID, RGB(1, 2, 3), 0};
  LOGBRUSH hatched{BS_HATCHED, RGB(4, 5, 6), HS_BDIAGONAL};
  LOGBRUSH hollow{BS_HOLLOW, 0, 0};
  LOGBRUSH bad{99, 0, 0};
  for (const LOGBRUSH* in : {&solid, &hatched, &hollow}) {
    HBRUSH b = CreateBrushIndirect(in);
    ASSERT_NE(b, nullptr);
    LOGBRUSH out{};
    GetObjectA(b, sizeof out, &out);
    EXPECT_EQ(out.lbStyle, in->lbStyle);
    EXPECT_EQ(out.lbColor, in->lbColor);
    DeleteObject(b);
  }
  EXPECT_EQ(CreateBrushIndirect(&bad), nullptr);
}

TEST(Brush, DibPatternCarriesItsOwnColours) {
  // A packed 2 x 1 one-bit DIB: entry 0 red, entry 1 green; pixels 1, 0.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
    DWORD row;
  } packed{{sizeof(BITMAPINFOHEADER), 2, 1, 1, 1, BI_RGB, 0, 0, 0, 0, 0}, {{0, 0, 255, 0}, {0, 255, 0, 0}}, 0x80};
  LOGBRUSH lb{BS_DIBPATTERNPT, DIB_RGB_COLORS, reinterpret_cast<ULONG_PTR>(&packed)};
  HBRUSH brush = CreateBrushIndirect(&lb);
  ASSERT_NE(brush, nullptr);
  Canvas c(3, 1);
  SetTextColor(c.dc, RGB(1, 1, 1));  // not used by a DIB pattern
  HGDIOBJ old = SelectObject(c.dc, brush);
  PatBlt(c.dc, 0, 0, 3, 1, PATCOPY);
  EXPECT_EQ(c.At(0, 0), 0x00FF00u);
  EXPECT_EQ(c.At(1, 0), 0xFF0000u);
  EXPECT_EQ(c.At(2, 0), 0x00FF00u);
  SelectObject(c.dc, old);
  DeleteObject(brush);
}
