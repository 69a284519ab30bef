// Image lists: filling them and drawing with masks, backgrounds, blending
// and overlays.
#include "comctl_fixture.h"

namespace comctltest {
namespace {

// A 32-bit memory canvas filled with one colour.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP bm = nullptr;
  HGDIOBJ old = nullptr;
  Canvas(int w, int h, COLORREF fill) {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bm = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bm);
    RECT r{0, 0, w, h};
    HBRUSH b = CreateSolidBrush(fill);
    FillRect(dc, &r, b);
    DeleteObject(b);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
};

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

TEST(ImageListTest, AddsStripsRemovesAndReportsSize) {
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  ASSERT_NE(list, nullptr);
  Canvas strip(48, 16, kRed);  // three images in one strip
  HBITMAP bm = static_cast<HBITMAP>(GetCurrentObject(strip.dc, OBJ_BITMAP));
  SelectObject(strip.dc, strip.old);
  EXPECT_EQ(ImageList_Add(list, bm, nullptr), 0);
  EXPECT_EQ(ImageList_GetImageCount(list), 3);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  EXPECT_TRUE(ImageList_Remove(list, 1));
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  EXPECT_FALSE(ImageList_Remove(list, 5));
  EXPECT_TRUE(ImageList_RemoveAll(list));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_TRUE(ImageList_Destroy(list));
  EXPECT_FALSE(ImageList_Destroy(list));  // a destroyed list is no list
  EXPECT_EQ(ImageList_Add(list, bm, nullptr), -1);
  strip.old = SelectObject(strip.dc, bm);
}

struct DrawCase {
  const char* name;
  UINT style;
  COLORREF listBk;
  COLORREF border;  // expected at (0, 0): the masked-out edge
  COLORREF centre;  // expected at (8, 8)
};

class ImageListDraw : public ::testing::TestWithParam<DrawCase> {};

TEST_P(ImageListDraw, DrawsMaskBackgroundAndBlend) {
  const DrawCase& c = GetParam();
  HIMAGELIST list = SolidImages({kBlue});
  ImageList_SetBkColor(list, c.listBk);
  Canvas canvas(16, 16, kGreen);
  ASSERT_TRUE(ImageList_DrawEx(list, 0, canvas.dc, 0, 0, 0, 0, CLR_DEFAULT, kRed, c.style));
  EXPECT_EQ(canvas.At(0, 0), c.border) << c.name;
  EXPECT_EQ(canvas.At(8, 8), c.centre) << c.name;
  ImageList_Destroy(list);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ImageListDraw,
    ::testing::Values(DrawCase{"normal without background", ILD_NORMAL, CLR_NONE, kGreen, kBlue},
                      DrawCase{"normal on a background", ILD_NORMAL, RGB(255, 255, 0), RGB(255, 255, 0), kBlue},
                      DrawCase{"transparent ignores the background", ILD_TRANSPARENT, RGB(255, 255, 0), kGreen, kBlue},
                      DrawCase{"mask", ILD_MASK, CLR_NONE, RGB(255, 255, 255), RGB(0, 0, 0)},
                      DrawCase{"blend 50", ILD_TRANSPARENT | ILD_BLEND50, CLR_NONE, kGreen, RGB(127, 0, 127)},
                      DrawCase{"blend 25", ILD_TRANSPARENT | ILD_BLEND25, CLR_NONE, kGreen, RGB(63, 0, 191)}));

// Without a blend colour the picture blends with the destination; ILD_IMAGE
// draws the stored picture with its mask ignored (black where the key was).
TEST(ImageListTest, BlendWithoutColourUsesTheDestinationAndImageIgnoresTheMask) {
  HIMAGELIST list = SolidImages({kBlue});
  Canvas blended(16, 16, kGreen);
  ASSERT_TRUE(ImageList_DrawEx(list, 0, blended.dc, 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_BLEND50));
  EXPECT_EQ(blended.At(8, 8), RGB(0, 127, 127));
  EXPECT_EQ(blended.At(0, 0), kGreen);
  Canvas raw(16, 16, kGreen);
  ASSERT_TRUE(ImageList_DrawEx(list, 0, raw.dc, 0, 0, 0, 0, CLR_NONE, CLR_DEFAULT, ILD_IMAGE));
  EXPECT_EQ(raw.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(raw.At(8, 8), kBlue);
  ImageList_Destroy(list);
}

TEST(ImageListTest, OverlayImageIsDrawnOverTheImage) {
  HIMAGELIST list = SolidImages({kBlue, kRed});
  ASSERT_TRUE(ImageList_SetOverlayImage(list, 1, 1));
  EXPECT_FALSE(ImageList_SetOverlayImage(list, 1, 16));
  Canvas canvas(16, 16, kGreen);
  ImageList_Draw(list, 0, canvas.dc, 0, 0, ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1));
  EXPECT_EQ(canvas.At(8, 8), kRed);
  EXPECT_EQ(canvas.At(0, 0), kGreen);
  ImageList_Destroy(list);
}

TEST(ImageListTest, IconsGoInAndComeOutWithTheirMask) {
  HIMAGELIST list = SolidImages({kBlue});
  HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(ImageList_AddIcon(list, icon), 1);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 0, icon), 0);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 7, icon), -1);
  DestroyIcon(icon);
  Canvas canvas(16, 16, kGreen);
  ImageList_Draw(list, 1, canvas.dc, 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(8, 8), kBlue);
  EXPECT_EQ(canvas.At(0, 0), kGreen);
  ImageList_Destroy(list);
}

TEST(ImageListTest, UnmaskedListDrawsOpaqueAndFourBitListKeepsSixteenColours) {
  HIMAGELIST plain = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
  HIMAGELIST coarse = ImageList_Create(8, 8, ILC_COLOR4, 1, 1);
  Canvas source(8, 8, RGB(0x70, 0x10, 0x05));
  HBITMAP bm = static_cast<HBITMAP>(SelectObject(source.dc, source.old));
  ImageList_AddMasked(plain, bm, RGB(0x70, 0x10, 0x05));  // no mask: the key colour stays
  ImageList_Add(coarse, bm, nullptr);
  source.old = SelectObject(source.dc, bm);
  Canvas canvas(8, 8, kGreen);
  ImageList_Draw(plain, 0, canvas.dc, 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(canvas.At(3, 3), RGB(0x70, 0x10, 0x05));
  ImageList_Draw(coarse, 0, canvas.dc, 0, 0, ILD_NORMAL);
  EXPECT_EQ(canvas.At(3, 3), RGB(0x80, 0x00, 0x00));
  ImageList_Destroy(plain);
  ImageList_Destroy(coarse);
}

}  // namespace
}  // namespace comctltest
