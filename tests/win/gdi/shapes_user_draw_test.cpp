// The user32 drawing helpers: 3D edges, focus rectangles, fills and the
// system colours.
#include <gtest/gtest.h>

#include "shapes_canvas.h"

using shapes_test::ShapeCanvas;
using shapes_test::Str;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

TEST(UserDrawColors, ClassicSchemeAndItsBrushes) {
  const struct {
    int index;
    COLORREF color;
  } expected[] = {
      {COLOR_BTNFACE, RGB(192, 192, 192)},       {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
      {COLOR_BTNSHADOW, RGB(128, 128, 128)},     {COLOR_3DDKSHADOW, RGB(0, 0, 0)},
      {COLOR_3DLIGHT, RGB(192, 192, 192)},       {COLOR_WINDOW, RGB(255, 255, 255)},
      {COLOR_WINDOWTEXT, RGB(0, 0, 0)},          {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
  };
  for (const auto& e : expected) EXPECT_EQ(GetSysColor(e.index), e.color) << "index " << e.index;
  EXPECT_EQ(GetSysColor(31), 0u);
  EXPECT_EQ(GetSysColorBrush(-1), nullptr);

  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face) << "one brush per colour";
  DeleteObject(face);
  ShapeCanvas c(4, 4);
  const RECT all{0, 0, 4, 4};
  EXPECT_TRUE(FillRect(c.dc(), &all, face)) << "the system keeps its brushes";
  EXPECT_EQ(c.At(2, 2), RGB(192, 192, 192));
}

struct EdgeProbe {
  int x, y;
  int sysColor;
};

TEST(UserDrawEdges, ColoursSitWhereTheEdgeTypeSaysSo) {
  const struct {
    const char* name;
    UINT edge, flags;
    std::vector<EdgeProbe> probes;
  } cases[] = {
      {"raised",
       EDGE_RAISED,
       BF_RECT,
       {{0, 0, COLOR_3DLIGHT},
        {8, 0, COLOR_3DLIGHT},
        {0, 8, COLOR_3DLIGHT},
        {9, 0, COLOR_3DDKSHADOW},
        {0, 9, COLOR_3DDKSHADOW},
        {9, 9, COLOR_3DDKSHADOW},
        {1, 1, COLOR_BTNHIGHLIGHT},
        {7, 1, COLOR_BTNHIGHLIGHT},
        {8, 1, COLOR_BTNSHADOW},
        {1, 8, COLOR_BTNSHADOW},
        {8, 8, COLOR_BTNSHADOW}}},
      {"sunken",
       EDGE_SUNKEN,
       BF_RECT,
       {{0, 0, COLOR_BTNSHADOW}, {9, 9, COLOR_BTNHIGHLIGHT}, {1, 1, COLOR_3DDKSHADOW}, {8, 8, COLOR_3DLIGHT}}},
      {"etched",
       EDGE_ETCHED,
       BF_RECT,
       {{0, 0, COLOR_BTNSHADOW}, {9, 9, COLOR_BTNHIGHLIGHT}, {1, 1, COLOR_BTNHIGHLIGHT}, {8, 8, COLOR_BTNSHADOW}}},
      {"bump",
       EDGE_BUMP,
       BF_RECT,
       {{0, 0, COLOR_3DLIGHT}, {9, 9, COLOR_3DDKSHADOW}, {1, 1, COLOR_3DDKSHADOW}, {8, 8, COLOR_3DLIGHT}}},
      {"soft raised puts the brighter colour outside",
       EDGE_RAISED,
       BF_RECT | BF_SOFT,
       {{0, 0, COLOR_BTNHIGHLIGHT}, {1, 1, COLOR_3DLIGHT}, {9, 9, COLOR_3DDKSHADOW}}},
      {"flat",
       EDGE_RAISED,
       BF_RECT | BF_FLAT,
       {{0, 0, COLOR_BTNSHADOW}, {9, 9, COLOR_BTNSHADOW}, {1, 1, COLOR_BTNFACE}}},
      {"mono",
       EDGE_SUNKEN,
       BF_RECT | BF_MONO,
       {{0, 0, COLOR_WINDOWFRAME}, {9, 9, COLOR_WINDOWFRAME}, {1, 1, COLOR_WINDOW}}},
      {"middle fills the inside",
       BDR_RAISEDINNER,
       BF_RECT | BF_MIDDLE,
       {{0, 0, COLOR_BTNHIGHLIGHT}, {5, 5, COLOR_BTNFACE}}},
      {"only the bottom-right sides",
       EDGE_RAISED,
       BF_BOTTOMRIGHT,
       {{9, 0, COLOR_3DDKSHADOW},
        {8, 0, COLOR_BTNSHADOW},
        {0, 9, COLOR_3DDKSHADOW},
        {0, 8, COLOR_BTNSHADOW},
        {0, 0, -1},
        {7, 7, -1}}},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    ShapeCanvas c(10, 10, kMagenta);
    RECT r{0, 0, 10, 10};
    ASSERT_TRUE(DrawEdge(c.dc(), &r, t.edge, t.flags));
    EXPECT_EQ(Str(r), "{0,0,10,10}") << "without BF_ADJUST the rectangle stays";
    for (const EdgeProbe& p : t.probes) {
      const COLORREF want = p.sysColor < 0 ? kMagenta : GetSysColor(p.sysColor);
      EXPECT_EQ(c.At(p.x, p.y), want) << "at " << p.x << "," << p.y << c.Picture();
    }
  }
}

TEST(UserDrawEdges, AdjustShrinksOnlyTheDrawnSides) {
  const struct {
    UINT edge, flags;
    const char* inside;
  } cases[] = {
      {EDGE_RAISED, BF_RECT, "{12,22,38,48}"},
      {BDR_SUNKENOUTER, BF_RECT, "{11,21,39,49}"},
      {EDGE_SUNKEN, BF_TOPLEFT, "{12,22,40,50}"},
      {EDGE_ETCHED, BF_BOTTOM, "{10,20,40,48}"},
      {BDR_RAISEDINNER, BF_RIGHT | BF_TOP, "{10,21,39,50}"},
  };
  for (const auto& t : cases) {
    ShapeCanvas c(60, 60);
    RECT r{10, 20, 40, 50};
    DrawEdge(c.dc(), &r, t.edge, t.flags | BF_ADJUST);
    EXPECT_EQ(Str(r), t.inside) << "edge " << t.edge << " flags " << t.flags;
  }
}

TEST(UserDrawFocus, DrawingTheFocusRectangleTwiceRestoresThePixels) {
  ShapeCanvas c(12, 12, kMagenta);
  c.UseBrush(RGB(10, 200, 30));
  Ellipse(c.dc(), 0, 0, 12, 12);  // something that is not flat
  c.context().attr.rop2 = R2_COPYPEN;
  const auto before = c.Pixels();
  const RECT r{1, 2, 11, 9};
  ASSERT_TRUE(DrawFocusRect(c.dc(), &r));
  int changed = 0;
  for (std::size_t i = 0; i < before.size(); ++i) changed += before[i] != c.Pixels()[i];
  // A dotted frame: every other pixel of its 2 * (10 + 7) - 4 = 30.
  EXPECT_EQ(changed, 15);
  DrawFocusRect(c.dc(), &r);
  EXPECT_EQ(c.Pixels(), before) << c.Picture();
}

TEST(UserDrawFills, FillFrameAndInvertHonourTheirRectangles) {
  ShapeCanvas c(10, 10);
  c.context().attr.rop2 = R2_NOP;  // FillRect and FrameRect copy regardless
  const RECT inner{2, 2, 8, 8};
  FillRect(c.dc(), &inner, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1));
  EXPECT_EQ(Str(c.BoxOf(RGB(0, 0, 128))), "{2,2,8,8}");
  EXPECT_EQ(c.Count(RGB(0, 0, 128)), 36);
  HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
  const RECT outer{1, 1, 9, 9};
  FrameRect(c.dc(), &outer, black);
  DeleteObject(black);
  EXPECT_EQ(c.Count(RGB(0, 0, 0)), 28);
  EXPECT_EQ(c.At(8, 8), RGB(0, 0, 0));
  EXPECT_EQ(c.At(9, 9), RGB(255, 255, 255));
  const auto before = c.Pixels();
  const RECT some{0, 0, 5, 5};
  InvertRect(c.dc(), &some);
  EXPECT_EQ(c.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(c.At(1, 1), RGB(255, 255, 255));
  InvertRect(c.dc(), &some);
  EXPECT_EQ(c.Pixels(), before);
}

TEST(UserDrawRects, ArithmeticOnHalfOpenRectangles) {
  RECT r{};
  const RECT a{0, 0, 10, 10}, b{5, 5, 15, 15}, far{20, 20, 30, 30}, empty{3, 3, 3, 8};
  EXPECT_TRUE(IntersectRect(&r, &a, &b));
  EXPECT_EQ(Str(r), "{5,5,10,10}");
  EXPECT_FALSE(IntersectRect(&r, &a, &far));
  EXPECT_EQ(Str(r), "{0,0,0,0}");
  EXPECT_TRUE(UnionRect(&r, &a, &empty)) << "an empty rectangle adds nothing";
  EXPECT_EQ(Str(r), "{0,0,10,10}");
  EXPECT_TRUE(UnionRect(&r, &a, &far));
  EXPECT_EQ(Str(r), "{0,0,30,30}");
  EXPECT_FALSE(UnionRect(&r, &empty, &empty));

  const struct {
    RECT cut;
    const char* result;
    BOOL nonEmpty;
  } subtract[] = {
      {{5, -1, 11, 11}, "{0,0,5,10}", TRUE},  // right part gone
      {{-1, -1, 11, 4}, "{0,4,10,10}", TRUE},  // top part gone
      {{3, 3, 6, 6}, "{0,0,10,10}", TRUE},  // a hole cannot be cut out
      {{-5, -5, 20, 20}, "{0,0,0,0}", FALSE},  // all gone
  };
  for (const auto& s : subtract) {
    EXPECT_EQ(SubtractRect(&r, &a, &s.cut), s.nonEmpty) << s.result;
    EXPECT_EQ(Str(r), s.result);
  }

  EXPECT_TRUE(PtInRect(&a, POINT{0, 0}));
  EXPECT_FALSE(PtInRect(&a, POINT{10, 5}));
  EXPECT_FALSE(PtInRect(&a, POINT{5, 10}));
  EXPECT_TRUE(IsRectEmpty(&empty));
  const RECT inverted{10, 10, 0, 0};
  EXPECT_TRUE(IsRectEmpty(&inverted));
  RECT m{0, 0, 4, 4};
  InflateRect(&m, 2, -1);
  OffsetRect(&m, 1, 1);
  EXPECT_EQ(Str(m), "{-1,2,7,4}");
}

// Black pixels in the middle of a 16x16 control, where its mark goes.
int InkInside(const ShapeCanvas& c) {
  int n = 0;
  for (int y = 5; y < 11; ++y)
    for (int x = 5; x < 11; ++x) n += c.At(x, y) == RGB(0, 0, 0);
  return n;
}

TEST(UserDrawFrameControl, StatesChangeEdgesAndMarks) {
  const struct {
    const char* name;
    UINT type, state;
    std::vector<EdgeProbe> probes;
    bool ink;  // a black mark inside
  } cases[] = {
      {"push button",
       DFC_BUTTON,
       DFCS_BUTTONPUSH,
       {{0, 0, COLOR_BTNHIGHLIGHT}, {15, 15, COLOR_3DDKSHADOW}, {8, 8, COLOR_BTNFACE}},
       false},
      {"pushed button",
       DFC_BUTTON,
       DFCS_BUTTONPUSH | DFCS_PUSHED,
       {{0, 0, COLOR_BTNSHADOW}, {15, 15, COLOR_BTNHIGHLIGHT}, {8, 8, COLOR_BTNFACE}},
       false},
      {"check box", DFC_BUTTON, DFCS_BUTTONCHECK, {{0, 0, COLOR_BTNSHADOW}, {3, 3, COLOR_WINDOW}}, false},
      {"checked box", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, {{3, 3, COLOR_WINDOW}}, true},
      {"disabled box", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE, {{3, 3, COLOR_BTNFACE}}, false},
      {"radio", DFC_BUTTON, DFCS_BUTTONRADIO, {{8, 8, COLOR_WINDOW}, {0, 0, -1}, {5, 0, COLOR_BTNSHADOW}}, false},
      {"checked radio", DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, {{8, 8, COLOR_WINDOWTEXT}, {0, 0, -1}}, true},
      {"close", DFC_CAPTION, DFCS_CAPTIONCLOSE, {{0, 0, COLOR_BTNHIGHLIGHT}}, true},
      {"disabled close is embossed", DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_INACTIVE, {}, false},
      {"scroll arrow", DFC_SCROLL, DFCS_SCROLLDOWN, {{8, 2, COLOR_BTNFACE}}, true},
      {"menu bullet", DFC_MENU, DFCS_MENUBULLET, {{0, 0, COLOR_WINDOW}, {8, 8, COLOR_WINDOWTEXT}}, true},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.name);
    ShapeCanvas c(16, 16, kMagenta);
    RECT r{0, 0, 16, 16};
    ASSERT_TRUE(DrawFrameControl(c.dc(), &r, t.type, t.state));
    for (const EdgeProbe& p : t.probes) {
      const COLORREF want = p.sysColor < 0 ? kMagenta : GetSysColor(p.sysColor);
      EXPECT_EQ(c.At(p.x, p.y), want) << "at " << p.x << "," << p.y << c.Picture();
    }
    EXPECT_EQ(InkInside(c) > 0, t.ink) << c.Picture();
  }
  ShapeCanvas c(16, 16);
  RECT r{0, 0, 16, 16};
  DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  EXPECT_EQ(Str(r), "{2,2,14,14}");
  EXPECT_FALSE(DrawFrameControl(c.dc(), &r, 99, 0));
}

}  // namespace
