// Window DCs over a surface handed in by the window manager: origin, visible
// region and the application's clip region together.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win/gdi/device_dc.h"
#include "platform/win/gdi/region.h"
#include "platform/win/wingdi.h"

namespace {

constexpr std::uint32_t kBack = 0x202020;

struct Surface {
  int width, height, stride;
  std::vector<std::uint32_t> pixels;
  Surface(int w, int h, int s) : width(w), height(h), stride(s), pixels(static_cast<std::size_t>(s) * h, kBack) {}
  win::gdi::DeviceSurface Door() { return {pixels.data(), width, height, stride}; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }
  int Count(std::uint32_t v) const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) n += At(x, y) == v;
    return n;
  }
};

}  // namespace

TEST(DeviceDC, DrawsRelativeToItsOriginInsideTheVisibleRegion) {
  Surface s(10, 8, 12);  // stride wider than the width: padding must stay untouched
  HDC dc = win::gdi::CreateDeviceDC();
  // The window's corner at (3, 2); only surface rows 2..4, columns 3..8 are visible.
  win::gdi::Region visible(3, 2, 9, 5);
  win::gdi::SetDeviceTarget(dc, s.Door(), POINT{3, 2}, &visible);
  ASSERT_TRUE(PatBlt(dc, 0, 0, 100, 100, BLACKNESS));
  EXPECT_EQ(s.Count(0), 6 * 3);
  EXPECT_EQ(s.At(3, 2), 0u);
  EXPECT_EQ(s.At(8, 4), 0u);
  EXPECT_EQ(s.At(9, 4), kBack);
  EXPECT_EQ(s.At(2, 2), kBack);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 0, 3), CLR_INVALID);  // outside the visible region
  EXPECT_EQ(s.pixels[10], kBack);  // stride padding

  // The application's clip region is in the DC's device coordinates and
  // intersects the visible region.
  HRGN clip = CreateRectRgn(1, 1, 20, 20);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  PatBlt(dc, -5, -5, 100, 100, WHITENESS);
  EXPECT_EQ(s.Count(0xFFFFFF), 5 * 2);
  EXPECT_EQ(s.At(4, 3), 0xFFFFFFu);
  EXPECT_EQ(s.At(3, 2), 0u);
  win::gdi::DeleteDeviceDC(dc);
  EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(DeviceDC, WholeSurfaceWithoutAVisibleRegionAndNothingOutside) {
  Surface s(4, 4, 4);
  HDC dc = win::gdi::CreateDeviceDC();
  EXPECT_TRUE(PatBlt(dc, 0, 0, 2, 2, BLACKNESS));  // no target yet: nothing drawn, no failure
  // A window hanging off the surface's top-left corner.
  win::gdi::SetDeviceTarget(dc, s.Door(), POINT{-2, -2}, nullptr);
  PatBlt(dc, 0, 0, 10, 10, BLACKNESS);
  EXPECT_EQ(s.Count(0), 16);
  PatBlt(dc, 2, 2, 1, 1, WHITENESS);
  EXPECT_EQ(s.At(0, 0), 0xFFFFFFu);
  // Re-targeting moves the same DC, as the window manager does for each paint.
  win::gdi::SetDeviceTarget(dc, s.Door(), POINT{3, 3}, nullptr);
  PatBlt(dc, 0, 0, 10, 10, WHITENESS);
  EXPECT_EQ(s.At(3, 3), 0xFFFFFFu);
  EXPECT_EQ(s.At(2, 3), 0u);
  win::gdi::DeleteDeviceDC(dc);
}

TEST(DeviceDC, BlitsBetweenAWindowAndAMemoryBitmap) {
  Surface s(4, 1, 4);
  s.pixels = {1, 2, 3, 4};
  HDC win = win::gdi::CreateDeviceDC();
  win::gdi::SetDeviceTarget(win, s.Door(), POINT{1, 0}, nullptr);
  HDC mem = CreateCompatibleDC(win);
  HBITMAP bmp = CreateCompatibleBitmap(win, 2, 1);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, 2, 1, win, 0, 0, SRCCOPY);  // window pixels 2, 3
  BitBlt(win, 1, 0, 2, 1, mem, 0, 0, SRCCOPY);  // back one further right
  EXPECT_EQ(s.pixels, (std::vector<std::uint32_t>{1, 2, 2, 3}));
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  win::gdi::DeleteDeviceDC(win);
}
