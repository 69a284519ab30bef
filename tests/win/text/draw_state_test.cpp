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

std::uint32_t Rgb(COLORREF c) {
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

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

// An 8 x 8 icon: columns 0-3 see-through, 4-5 navy, 6-7 white. Its dark
// part (4-5) is the shape the state effects paint.
class StateIcon {
 public:
  StateIcon() {
    std::vector<BYTE> mask(2 * 8, 0);  // word-aligned rows
    for (int y = 0; y < 8; ++y) mask[y * 2] = 0xF0;
    std::vector<std::uint32_t> color(64, 0);
    for (int y = 0; y < 8; ++y)
      for (int x = 4; x < 8; ++x) color[y * 8 + x] = x < 6 ? 0x000080u : 0xFFFFFFu;
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = CreateBitmap(8, 8, 1, 1, mask.data());
    info.hbmColor = CreateBitmap(8, 8, 1, 32, color.data());
    icon_ = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
  }
  ~StateIcon() { DestroyIcon(icon_); }
  LPARAM data() const { return reinterpret_cast<LPARAM>(icon_); }

 private:
  HICON icon_;
};

TEST(DrawState, IconStatesKeepTheMaskAndPaintTheDarkShape) {
  constexpr int kX = 10, kY = 5;
  constexpr std::uint32_t kGround = 0x008000, kNavy = 0x000080, kRed = 0xFF0000;
  const std::uint32_t shadow = Rgb(GetSysColor(COLOR_3DSHADOW));
  const std::uint32_t light = Rgb(GetSysColor(COLOR_3DHILIGHT));
  // What each state leaves at icon-relative (c, r); the canvas is green.
  struct Case {
    const char* name;
    UINT state;
    std::uint32_t (*expect)(int c, int r, std::uint32_t shadow, std::uint32_t light);
  };
  const Case cases[] = {
      {"normal", DSS_NORMAL,
       [](int c, int r, std::uint32_t, std::uint32_t) -> std::uint32_t {
         if (r < 0 || r >= 8 || c < 0 || c >= 8 || c < 4) return kGround;
         return c < 6 ? kNavy : 0xFFFFFFu;
       }},
      {"disabled", DSS_DISABLED,
       [](int c, int r, std::uint32_t sh, std::uint32_t li) -> std::uint32_t {
         if (c >= 4 && c < 6 && r >= 0 && r < 8) return sh;
         if (c >= 5 && c < 7 && r >= 1 && r < 9) return li;  // highlight one down-right
         return kGround;
       }},
      {"mono", DSS_MONO,
       [](int c, int r, std::uint32_t, std::uint32_t) -> std::uint32_t {
         return c >= 4 && c < 6 && r >= 0 && r < 8 ? kRed : kGround;
       }},
      {"union", DSS_UNION,
       [](int c, int r, std::uint32_t, std::uint32_t) -> std::uint32_t {
         if (r < 0 || r >= 8 || c < 4 || c >= 8) return kGround;
         if (c >= 6) return 0xFFFFFFu;
         return ((kX + c + kY + r) & 1) ? kNavy : kRed;  // every other pixel in the brush
       }},
  };
  StateIcon icon;
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    TextCanvas canvas(kW, kH);
    RECT all{0, 0, kW, kH};
    FillRect(canvas.dc(), &all, green);
    ASSERT_TRUE(DrawStateA(canvas.dc(), red, nullptr, icon.data(), 0, kX, kY, 0, 0, DST_ICON | test.state));
    int wrong = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if (canvas.At(x, y) != test.expect(x - kX, y - kY, shadow, light) && ++wrong < 4)
          ADD_FAILURE() << "pixel " << (x - kX) << "," << (y - kY) << " is " << std::hex << canvas.At(x, y);
    EXPECT_EQ(wrong, 0);
  }
  DeleteObject(red);
  DeleteObject(green);
}

TEST(DrawState, IconFailsForAHandleThatIsNoIcon) {
  TextCanvas canvas(kW, kH);
  for (UINT state : {DSS_NORMAL, DSS_DISABLED}) {
    EXPECT_FALSE(DrawStateA(canvas.dc(), nullptr, nullptr, 0x1234, 0, 0, 0, 0, 0, DST_ICON | state));
  }
  EXPECT_EQ(canvas.InkCount(), 0);
}

}  // namespace
