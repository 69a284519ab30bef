// The frame painters, the framed group drawing in its non-client area and
// the caption frame, on sheets and on the headless host.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/shell/UNavFrame.h"
#include "platform/vcl/StdCtrls.h"
#include "shell/shared/ViewHost.h"

namespace {

// A 32-bit bitmap to paint on, filled white.
struct Sheet {
  std::unique_ptr<TBitmap> bitmap = std::make_unique<TBitmap>();
  Sheet(int width, int height, TColor background = clWhite) {
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    Canvas()->GetBrush()->SetStyle(bsSolid);
    Canvas()->GetBrush()->SetColor(background);
    Canvas()->FillRect(TRect(0, 0, width, height));
  }
  TCanvas* Canvas() { return bitmap->GetCanvas(); }
  COLORREF At(int x, int y) { return Canvas()->GetPixels(x, y) & 0xFFFFFF; }
};

COLORREF Rgb(TColor color) {
  return ColorToRGB(color) & 0xFFFFFF;
}

using FrameTest = shelltest::ViewHostTest;

TEST(FramePainters, AdjustFrameRectInsetsEachStyle) {
  const struct {
    std::uint8_t style;
    TRect inside;
  } cases[] = {
      {navfsNone, TRect(10, 20, 110, 220)},
      {navfsGroup, TRect(10, 20, 110, 220)},
      {navfsLowered, TRect(12, 22, 108, 218)},
      {navfsRaised, TRect(12, 22, 108, 218)},
      {navfsDint, TRect(11, 21, 109, 219)},
      {navfsBump, TRect(11, 21, 109, 219)},
      {navfsSingle, TRect(11, 21, 109, 219)},
      {navfsHorzLine, TRect(10, 22, 110, 220)},
      {navfsHorzEdge, TRect(10, 22, 110, 218)},
      {navfsVertLine, TRect(12, 20, 110, 220)},
      {navfsVertEdge, TRect(12, 20, 108, 220)},
      // Only the low 7 bits name the style.
      {0x80 | navfsLowered, TRect(12, 22, 108, 218)},
      {0x80 | navfsVertLine, TRect(12, 20, 110, 220)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    TRect r(10, 20, 110, 220);
    AdjustFrameRect(c.style, r);
    EXPECT_EQ(r, c.inside);
  }
}

TEST(FramePainters, LoweredFrameOnTenByTen) {
  Sheet sheet(10, 10);
  DrawFrameLowered(sheet.Canvas(), TRect(0, 0, 9, 9));
  // S shadow, D dark shadow, F face, H highlight, . untouched.
  const char* expected[10] = {
      "SSSSSSSSSH", "SDDDDDDDFH", "SD......FH", "SD......FH", "SD......FH",
      "SD......FH", "SD......FH", "SD......FH", "SFFFFFFFFH", "HHHHHHHHHH",
  };
  auto colour = [](char c) {
    switch (c) {
      case 'S': return Rgb(clBtnShadow);
      case 'D': return Rgb(cl3DDkShadow);
      case 'F': return Rgb(clBtnFace);
      case 'H': return Rgb(clBtnHighlight);
      default: return Rgb(clWhite);
    }
  };
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(sheet.At(x, y), colour(expected[y][x])) << "at " << x << "," << y;
}

TEST(FramePainters, LineAndEdgeStylesDrawTheirColourPairs) {
  const TColor one = clRed, two = clBlue;
  struct Probe {
    int x, y;
    TColor colour;
  };
  const struct {
    void (*paint)(TCanvas*, const TRect&, TColor, TColor);
    std::vector<Probe> probes;
  } cases[] = {
      {DrawFrameVertLine, {{2, 2, one}, {3, 2, two}, {2, 12, one}, {4, 5, clWhite}, {12, 5, clWhite}}},
      {DrawFrameVertEdge, {{2, 2, one}, {3, 2, two}, {11, 5, one}, {12, 12, two}, {5, 5, clWhite}}},
      {DrawFrameHorzLine, {{2, 2, one}, {2, 3, two}, {12, 2, one}, {5, 4, clWhite}, {5, 12, clWhite}}},
      {DrawFrameHorzEdge, {{2, 2, one}, {5, 3, two}, {5, 11, one}, {12, 12, two}, {5, 5, clWhite}}},
  };
  for (const auto& c : cases) {
    Sheet sheet(16, 16);
    c.paint(sheet.Canvas(), TRect(2, 2, 12, 12), one, two);
    for (const Probe& p : c.probes) EXPECT_EQ(sheet.At(p.x, p.y), Rgb(p.colour)) << p.x << "," << p.y;
  }
}

TEST(FramePainters, EmptyCaptionMeasuresOneLine) {
  Sheet sheet(100, 40);
  TCanvas* canvas = sheet.Canvas();
  const int line = canvas->TextHeight("0");
  const struct {
    std::string caption;
    UINT format;
    bool oneLine;
  } cases[] = {
      {"", DT_CALCRECT, true},
      {"&", DT_CALCRECT, true},
      {"&", DT_CALCRECT | DT_NOPREFIX, true},
      {"Tracks", DT_CALCRECT, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    TRect r(0, 0, 100, 0);
    const int height = DrawFrameCaption(canvas, r, c.format, c.caption);
    EXPECT_EQ(height, line);
    EXPECT_EQ(r.Height(), line);
  }
  // A lone "&" with the prefix rule measured as " ": as wide as a blank.
  TRect blank(0, 0, 100, 0), amp(0, 0, 100, 0);
  DrawFrameCaption(canvas, blank, DT_CALCRECT, " ");
  DrawFrameCaption(canvas, amp, DT_CALCRECT, "&");
  EXPECT_EQ(amp.Width(), blank.Width());
}

TEST(FramePainters, GroupCaptionSitsInTheGapOfTheEtchedLine) {
  Sheet sheet(120, 60);
  TCanvas* canvas = sheet.Canvas();
  canvas->GetFont()->SetColor(clBlack);
  const int h = canvas->TextHeight("0");
  DrawFrameGroup(canvas, TRect(0, 0, 119, 59), "Hat", true, clBtnFace);
  const int line = h / 2;
  const int textWidth = canvas->TextWidth("Hat");
  EXPECT_EQ(sheet.At(3, line), Rgb(clBtnShadow));
  EXPECT_EQ(sheet.At(3, line + 1), Rgb(clBtnHighlight));
  EXPECT_EQ(sheet.At(8 + textWidth + 4, line), Rgb(clBtnShadow));
  for (int x = 8; x < 8 + textWidth; ++x) EXPECT_NE(sheet.At(x, line), Rgb(clBtnShadow)) << x;
  // The caption is drawn: some pixel of its cell is the font's colour.
  bool inked = false;
  for (int y = 0; y < h; ++y)
    for (int x = 8; x < 8 + textWidth; ++x) inked |= sheet.At(x, y) == Rgb(clBlack);
  EXPECT_TRUE(inked);
  // Without a caption the line is 1 pixel down; the fill covers everything.
  Sheet plain(40, 40, clWhite);
  DrawFrameGroup(plain.Canvas(), TRect(0, 0, 39, 39), "", true, clBtnFace);
  EXPECT_EQ(plain.At(5, 1), Rgb(clBtnShadow));
  EXPECT_EQ(plain.At(5, 2), Rgb(clBtnHighlight));
  EXPECT_EQ(plain.At(5, 0), Rgb(clBtnFace));
  EXPECT_EQ(plain.At(20, 20), Rgb(clBtnFace));
}

TEST(FramePainters, DisabledGroupCaptionIsEmbossed) {
  Sheet sheet(120, 60);
  TCanvas* canvas = sheet.Canvas();
  canvas->GetFont()->SetColor(clBlack);
  DrawFrameGroup(canvas, TRect(0, 0, 119, 59), "Hat", false, clBtnFace);
  const int h = canvas->TextHeight("0");
  bool shadow = false, highlight = false, black = false;
  for (int y = 0; y < h; ++y)
    for (int x = 8; x < 40; ++x) {
      shadow |= sheet.At(x, y) == Rgb(clBtnShadow) && y != h / 2;
      highlight |= sheet.At(x, y) == Rgb(clBtnHighlight);
      black |= sheet.At(x, y) == Rgb(clBlack);
    }
  EXPECT_TRUE(shadow);
  EXPECT_TRUE(highlight);
  EXPECT_FALSE(black);
  EXPECT_EQ(canvas->GetFont()->GetColor(), clBlack);
}

// The group on the host ----------------------------------------------------------

TEST_F(FrameTest, GroupWithoutCaptionIsInsetTwoPixels) {
  auto* group = new TNavGroup(host);
  group->SetParent(host);
  group->SetBounds(10, 10, 200, 120);
  auto* child = new TButton(group);
  child->SetParent(group);
  child->SetBounds(0, 0, 40, 20);
  Pump();
  EXPECT_EQ(group->GetClientRect(), TRect(0, 0, 196, 116));
  EXPECT_EQ(group->ClientToScreen(TPoint(0, 0)), host->ClientToScreen(TPoint(12, 12)));
  EXPECT_EQ(child->ClientToScreen(TPoint(0, 0)), host->ClientToScreen(TPoint(12, 12)));

  // A caption makes the top border a line of the font high.
  group->SetCaption("Tracks");
  Pump();
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, group->GetFont()->GetHandle());
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_GT(zero.cy, 2);
  EXPECT_EQ(group->GetClientRect(), TRect(0, 0, 196, 120 - zero.cy - 2));
  EXPECT_EQ(child->ClientToScreen(TPoint(0, 0)), host->ClientToScreen(TPoint(12, 10 + zero.cy)));
}

TEST_F(FrameTest, ChangingTheStyleRecreatesTheWindowWithItsBorder) {
  auto* group = new TNavGroup(host);
  group->SetParent(host);
  group->SetBounds(10, 10, 100, 80);
  group->SetCaption("Pads");
  HWND before = group->GetHandle();
  group->SetFrameStyle(navfsLowered);
  Pump();
  EXPECT_NE(group->GetHandle(), before);
  EXPECT_EQ(group->GetClientRect(), TRect(0, 0, 96, 76));
  const struct {
    TNavFrameStyle style;
    TRect client;
  } cases[] = {{navfsNone, TRect(0, 0, 100, 80)},
               {navfsSingle, TRect(0, 0, 98, 78)},
               {navfsHorzEdge, TRect(0, 0, 100, 76)},
               {navfsVertLine, TRect(0, 0, 98, 80)}};
  for (const auto& c : cases) {
    group->SetFrameStyle(c.style);
    Pump();
    EXPECT_EQ(group->GetClientRect(), c.client) << c.style;
  }
  // The same style again does not make the window again.
  HWND same = group->GetHandle();
  group->SetFrameStyle(navfsVertLine);
  EXPECT_EQ(group->GetHandle(), same);
}

TEST_F(FrameTest, DisablingAGroupDisablesItsChildren) {
  auto* group = new TNavGroup(host);
  group->SetParent(host);
  group->SetBounds(10, 10, 160, 100);
  group->SetCaption("Hats");
  TButton* children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = new TButton(group);
    children[i]->SetParent(group);
    children[i]->SetBounds(4, 4 + 30 * i, 60, 24);
  }
  group->SetEnabled(false);
  for (TButton* b : children) EXPECT_FALSE(b->GetEnabled());
  group->SetEnabled(true);
  for (TButton* b : children) EXPECT_TRUE(b->GetEnabled());
}

TEST_F(FrameTest, LoweredGroupPaintsItsFrameInTheNonClientArea) {
  auto* group = new TNavGroup(host);
  group->SetParent(host);
  group->SetBounds(20, 20, 60, 40);
  group->SetFrameStyle(navfsLowered);
  group->SetColor(clWhite);
  PaintNow();
  HWND h = host->GetHandle();
  EXPECT_EQ(Pixel(h, 20, 20), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(h, 21, 21), Rgb(cl3DDkShadow));
  EXPECT_EQ(Pixel(h, 78, 58), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(h, 79, 59), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(h, 40, 40), Rgb(clWhite));
}

// The caption frame ------------------------------------------------------------------

TEST_F(FrameTest, FramePaintsAndFiresOnPaintExceptAsAGroup) {
  auto* frame = new TNavFrame(host);
  frame->SetParent(host);
  frame->SetBounds(30, 30, 80, 50);
  frame->SetColor(clWhite);
  int painted = 0;
  frame->OnPaint = [&](TObject* sender, TCanvas* canvas) {
    EXPECT_EQ(sender, frame);
    EXPECT_NE(canvas, nullptr);
    ++painted;
  };
  PaintNow();
  EXPECT_GT(painted, 0);
  HWND h = host->GetHandle();
  EXPECT_EQ(Pixel(h, 30, 30), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(h, 109, 79), Rgb(clBtnHighlight));
  EXPECT_EQ(Pixel(h, 60, 55), Rgb(clWhite));

  painted = 0;
  frame->SetFrameStyle(navfsGroup);
  frame->SetCaption("Hi-hats");
  PaintNow();
  EXPECT_EQ(painted, 0);
}

TEST_F(FrameTest, FrameCaptionChangeRepaintsOnlyInsideItsBorder) {
  auto* frame = new TNavFrame(host);
  frame->SetParent(host);
  frame->SetBounds(30, 30, 80, 50);
  PaintNow();
  const struct {
    TNavFrameStyle style;
    RECT inside;
  } cases[] = {{navfsLowered, {32, 32, 108, 78}}, {navfsSingle, {31, 31, 109, 79}}, {navfsHorzLine, {30, 32, 110, 80}}};
  for (const auto& c : cases) {
    frame->SetFrameStyle(c.style);
    PaintNow();
    frame->SetCaption(std::string("Hats ") + EnumNames(c.style)[c.style]);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(host->GetHandle(), &update, FALSE)) << c.style;
    EXPECT_EQ(TRect(update), TRect(c.inside)) << c.style;
  }
}

TEST_F(FrameTest, PictureOfGroupsAndFrames) {
  host->SetColor(clBtnFace);
  // Every style once, and last a disabled group with its embossed caption.
  for (int i = 0; i <= navfsVertEdge + 1; ++i) {
    const auto style = static_cast<TNavFrameStyle>(i <= navfsVertEdge ? i : navfsGroup);
    auto* group = new TNavGroup(host);
    group->SetParent(host);
    group->SetBounds(10 + (i % 4) * 155, 10 + (i / 4) * 90, 145, 80);
    group->SetFrameStyle(style);
    group->SetCaption(style == navfsGroup ? "Hi-hat tracks" : std::string(EnumNames(style)[style]));
    group->SetEnabled(i <= navfsVertEdge);
  }
  auto* frame = new TNavFrame(host);
  frame->SetParent(host);
  frame->SetBounds(10, 290, 300, 60);
  frame->SetFrameStyle(navfsGroup);
  frame->SetCaption("Frame as a group");
  SaveShot("nav_frames");
}

}  // namespace
