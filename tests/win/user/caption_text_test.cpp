// The caption's title as the window manager draws it: in the caption font
// the system metrics name, and visibly bold, measured by the ink it leaves.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "fixture.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/user/frame.h"
#include "platform/win/windows.h"

using namespace usertest;

namespace {

constexpr const char* kTitle = "Drum machine";

std::uint32_t Rgb(COLORREF c) {
  return (std::uint32_t(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

struct Ink {
  int width = 0;  // from the leftmost to the rightmost inked column
  int count = 0;  // inked pixels
};

// The title's extent and ink when drawn with `lf` by itself.
struct Reference {
  SIZE extent{};
  Ink ink;
};

Reference DrawnWith(const LOGFONTA& lf) {
  Reference ref;
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = 200;
  bi.bmiHeader.biHeight = -30;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, 200, 30};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 0, 0, kTitle, 12);
  GetTextExtentPoint32A(dc, kTitle, 12, &ref.extent);
  const auto* px = static_cast<const std::uint32_t*>(bits);
  int left = 200, right = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x)
      if ((px[y * 200 + x] & 0xFFFFFF) != 0xFFFFFF) {
        left = std::min(left, x);
        right = std::max(right, x);
        ++ref.ink.count;
      }
  ref.ink.width = right - left + 1;
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return ref;
}

class CaptionText : public UserTest {
 protected:
  // The ink of the caption text colour in the caption left of its buttons.
  Ink CaptionInk(HWND top) {
    const RECT cap = win::user::LayoutFrame(win::user::FromHandle(top)).caption;
    const std::uint32_t text = Rgb(win::user::Sys(COLOR_CAPTIONTEXT));
    Ink ink;
    int left = cap.right, right = -1;
    for (int y = cap.top; y < cap.bottom; ++y)
      for (int x = cap.left; x < cap.right - 3 * GetSystemMetrics(SM_CXSIZE); ++x)
        if (Pixel(top, x, y) == text) {
          left = std::min(left, x);
          right = std::max(right, x);
          ++ink.count;
        }
    ink.width = right - left + 1;
    return ink;
  }
};

TEST_F(CaptionText, TitleIsDrawnInTheBoldCaptionFont) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  ASSERT_EQ(metrics.lfCaptionFont.lfWeight, FW_BOLD);
  LOGFONTA regularFont = metrics.lfCaptionFont;
  regularFont.lfWeight = FW_NORMAL;
  const Reference bold = DrawnWith(metrics.lfCaptionFont);
  const Reference regular = DrawnWith(regularFont);
  ASSERT_GT(bold.extent.cx, regular.extent.cx);

  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 120);
  SetWindowTextA(top, kTitle);
  Pump();
  const char* dir = std::getenv("DRUMS_SCREENSHOTS");
  if (dir) host::Get().Screenshot(HostOf(top), std::string(dir) + "/caption_text.png");

  // As wide as the bold font lays the title out (the last glyph's ink may
  // stop a pixel short of its advance) ...
  const Ink caption = CaptionInk(top);
  EXPECT_GE(caption.width, bold.extent.cx - 1);
  EXPECT_LE(caption.width, bold.extent.cx + 1);
  // ... and as heavy as the bold font draws it, well above the regular one.
  EXPECT_EQ(caption.count, bold.ink.count);
  EXPECT_GE(caption.count * 10, regular.ink.count * 14);
  DestroyWindow(top);
}

}  // namespace
