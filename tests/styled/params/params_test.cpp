// Change notification, the bevel's extents and painting, the layout,
// gradient and caption parameters and the settings store's settings.
#include <string>
#include <vector>

#include "controls/styled/styclass.h"
#include "controls/styled/stygraph.h"
#include "controls/styled/styprocs.h"
#include "styled/shared/fixture.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

// Counts the notifications of a parameter object.
template <class T>
struct Watched {
  T object;
  int changes = 0;
  Watched() {
    object.OnChange = [this](TObject* s) {
      EXPECT_EQ(s, &object);
      ++changes;
    };
  }
};

TEST(StyObject, EqualValuesAreIgnoredAndTheBracketHasOneLevel) {
  Watched<TStyBevel> b;
  b.object.SetWidthOuter(1);  // the default
  EXPECT_EQ(b.changes, 0);
  b.object.SetWidthOuter(2);
  EXPECT_EQ(b.changes, 1);
  b.object.BeginUpdate();
  b.object.BeginUpdate();
  b.object.SetWidthInner(3);
  b.object.SetBorderWidth(2);
  b.object.EndUpdate(false);
  EXPECT_EQ(b.changes, 1);
  b.object.SetBorderWidth(4);  // no nesting: the bracket is over
  EXPECT_EQ(b.changes, 2);
  b.object.BeginUpdate();
  b.object.SetLightColor(clRed);
  b.object.SetShadowColor(clBlue);
  b.object.EndUpdate(true);
  EXPECT_EQ(b.changes, 3);
}

TEST(StyBevel, ExtentsOfTheCustomMode) {
  TStyBevel b;
  b.SetStyleOuter(bvRaised);
  b.SetWidthOuter(1);
  b.SetStyleInner(bvFrameLowered);
  b.SetWidthInner(2);
  b.SetBorderWidth(1);
  b.SetBorderInnerWidth(1);
  EXPECT_EQ(b.GetExtent(), 6);
  EXPECT_EQ(b.GetExtentBottomRight(), 6);
  EXPECT_EQ(b.InnerRect(TRect(0, 0, 100, 50)), TRect(6, 6, 94, 44));

  TStyBevel s;
  s.SetStyleOuter(bvShadow);
  EXPECT_EQ(s.GetStyleInner(), bvShadow);
  s.SetWidthInner(1);
  s.SetWidthOuter(4);
  EXPECT_EQ(s.GetExtent(), 1);
  EXPECT_EQ(s.GetExtentBottomRight(), 5);
  EXPECT_EQ(s.InnerRect(TRect(0, 0, 100, 50)), TRect(1, 1, 95, 45));
  s.SetStyleInner(bvLowered);  // leaving the shadow frees the other style
  EXPECT_EQ(s.GetStyleOuter(), bvNone);
}

TEST(StyBevel, ExtentsOfTheOtherModes) {
  TStyBevel b;
  Watched<TStyBevel> w;
  w.object.SetStandardStyle(lsRaised);  // not in bmStandard: stored, not told
  EXPECT_EQ(w.changes, 0);
  w.object.SetMode(bmStandard);
  EXPECT_EQ(w.object.GetExtent(), 2);
  w.object.SetStandardStyle(lsSingle);
  EXPECT_EQ(w.changes, 2);
  EXPECT_EQ(w.object.GetExtent(), 1);

  b.SetMode(bmEdge);
  b.SetBorderInnerWidth(1);
  EXPECT_EQ(b.GetExtent(), 3);
  b.SetBorderSides(TStyFrameSides{});
  EXPECT_EQ(b.GetExtent(), 1);

  TStyBevel win;
  win.SetWindowBorderSupport(true);
  win.SetMode(bmWindows);
  EXPECT_EQ(win.GetExtent(), 0);
  EXPECT_TRUE(win.NeedsRecreate());
  EXPECT_TRUE(win.NeedsRecreate());
  win.SetMode(bmCustom);
  EXPECT_TRUE(win.NeedsRecreate());
  EXPECT_FALSE(win.NeedsRecreate());
  TStyBevel copy;
  copy.Assign(&win);
  EXPECT_TRUE(copy.GetWindowBorderSupport());
}

TEST_F(StyledProcs, BevelPaintsInOrderAndLeavesTransparentBordersAlone) {
  TStyBevel b;
  Sheet plain(20, 20);
  EXPECT_EQ(b.PaintBevel(plain.Canvas(), TRect(0, 0, 20, 20), false), TRect(0, 0, 20, 20));
  EXPECT_EQ(plain.Edges(0), std::vector<int>{0});

  b.SetStyleOuter(bvLowered);
  b.SetLightColor(clRed);
  b.SetShadowColor(clBlue);
  b.SetBorderColor(clLime);
  b.SetBorderInnerWidth(3);
  Sheet s(20, 20);
  EXPECT_EQ(b.PaintBevel(s.Canvas(), TRect(0, 0, 20, 20), false), TRect(4, 4, 16, 16));
  EXPECT_EQ(s.At(0, 0), clBlue);  // lowered: shadow at the top-left
  EXPECT_EQ(s.At(19, 19), clRed);
  EXPECT_EQ(s.At(1, 1), clLime);
  EXPECT_EQ(s.At(3, 3), clLime);
  EXPECT_EQ(s.At(4, 4), clWhite);
  Sheet t(20, 20);
  EXPECT_EQ(b.PaintBevel(t.Canvas(), TRect(0, 0, 20, 20), true), TRect(4, 4, 16, 16));
  EXPECT_EQ(t.At(1, 1), clWhite);

  TStyBevel edge;
  edge.SetMode(bmEdge);
  edge.SetBorderSides(TStyFrameSides{fsTop});
  Sheet e(20, 20);
  EXPECT_EQ(edge.PaintBevel(e.Canvas(), TRect(0, 0, 20, 20), false), TRect(2, 2, 18, 18));
  EXPECT_NE(e.At(10, 0), clWhite);
  EXPECT_EQ(e.At(0, 10), clWhite);
}

TEST(StyLayouts, DefaultsAndAssign) {
  TStyButtonLayout button;
  EXPECT_EQ(button.GetAlignment(), agCenter);
  EXPECT_EQ(button.GetArrowSize(), 3);
  Watched<TStyButtonLayout> w;
  TStyButtonLayout other;
  other.SetArrow(true);
  other.SetOffsetY(4);
  other.SetAlignText2Glyph(taBottom);
  w.object.Assign(&other);
  EXPECT_EQ(w.changes, 1);
  EXPECT_TRUE(w.object.GetArrow());
  EXPECT_EQ(w.object.GetOffsetY(), 4);
  TStyShadow shadow;
  EXPECT_EQ(shadow.GetDepth(), 6);
  EXPECT_THROW(shadow.Assign(&button), EConvertError);
}

TEST(StyGradient, ColourTableFollowsTheProperties) {
  Watched<TStyGradient> g;
  EXPECT_EQ(g.object.GetColors().size(), 16u);
  g.object.SetColorCount(2);
  EXPECT_EQ(g.object.GetColors(), (TStyColorList{0xFF0000, 0x000000}));
  g.object.SetColorCount(3);
  EXPECT_EQ(g.object.GetColors(), (TStyColorList{0xFF0000, 0x7F0000, 0x000000}));
  g.object.SetColor(0x000000);
  g.object.SetEndColor(0x0000FD);
  EXPECT_EQ(g.object.GetColors()[1], 0x00007F);
  g.object.SetColorCount(0);  // out of range, as a damaged stream might hold
  EXPECT_EQ(g.object.GetColorCount(), 2);
  g.object.SetColorCount(255);
  EXPECT_EQ(g.object.GetColorCount(), 236);
  EXPECT_EQ(g.object.GetColors().size(), 236u);
  g.object.SetPaletteRealize(true);
  EXPECT_NE(g.object.GetPalette(), nullptr);
  g.object.SetPaletteRealize(false);
  EXPECT_EQ(g.object.GetPalette(), nullptr);
}

TEST(StyCaption, AngleAndPositions) {
  Watched<TStyFxCaption> fx;
  fx.object.SetAngle(360);
  EXPECT_EQ(fx.object.GetAngle(), 0);
  EXPECT_EQ(fx.changes, 1);
  fx.object.SetPos(-3, 4);
  EXPECT_EQ(fx.changes, 1);
  EXPECT_EQ(static_cast<std::int16_t>(fx.object.GetPosX()), -3);
}

TEST_F(StyledProcs, NegativePositionsMoveTheTextLeftAndUp) {
  TStyFxCaption fx;
  Sheet a(60, 30), b(60, 30);
  for (Sheet* s : {&a, &b}) {
    s->Canvas()->GetFont()->SetSize(14);
    s->Canvas()->GetFont()->SetColor(clBlack);
  }
  DrawText3D(a.Canvas(), "I", &fx, TRect(20, 10, 60, 30), DT_SINGLELINE, tfEnabled, nullptr);
  fx.SetPos(-5, -3);
  DrawText3D(b.Canvas(), "I", &fx, TRect(20, 10, 60, 30), DT_SINGLELINE, tfEnabled, nullptr);
  auto firstInk = [](Sheet& s) {
    for (int x = 0; x < 60; ++x)
      for (int y = 0; y < 30; ++y)
        if (s.At(x, y) != clWhite) return x;
    return -1;
  };
  ASSERT_GT(firstInk(a), 0);
  EXPECT_EQ(firstInk(b), firstInk(a) - 5);
}

TEST_F(StyledProcs, CaptionDrawsWithItsFontAndAlignment) {
  TStyCaption caption;
  caption.GetFont()->SetColor(clRed);
  caption.GetFont()->SetSize(12);
  caption.SetAlignment(agBottomRight);
  Sheet s(80, 40);
  caption.DrawCaption(s.Canvas(), "Hi", TRect(0, 0, 80, 40), 0x0002, clWhite, 0);
  int minX = 99, maxY = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x)
      if (s.At(x, y) == clRed) minX = std::min(minX, x), maxY = std::max(maxY, y);
  EXPECT_GT(minX, 50);  // right-aligned
  EXPECT_GT(maxY, 30);  // at the bottom
}

TEST_F(StyledProcs, FillObjectPaintsItsInnerColourOrNothing) {
  TStyFillObject fill;
  EXPECT_TRUE(fill.IsTransparent());
  fill.SetStyle(sfBitmap);
  Sheet s(10, 10);
  fill.Draw(s.Canvas(), TRect(2, 2, 8, 8), clBlue, 0);
  EXPECT_EQ(s.At(5, 5), clBlue);
  EXPECT_EQ(s.At(1, 1), clWhite);
  fill.SetOptions(TStyFillOptions{foGrUseBitmap});
  Sheet n(10, 10);
  fill.Draw(n.Canvas(), TRect(2, 2, 8, 8), clBlue, 0);
  EXPECT_EQ(n.At(5, 5), clWhite);
  Watched<TStyFillObject> w;
  w.object.SetOffsetX(3);  // tiled: nothing moves
  EXPECT_EQ(w.changes, 0);
  w.object.SetStyle(sfBrush);
  EXPECT_FALSE(w.object.IsTransparent());
  w.object.SetStyle(sfGradient);
  Sheet g(20, 20);
  w.object.PaintFill(g.Canvas(), TRect(0, 0, 20, 20), clBlack);
  EXPECT_EQ(g.At(10, 0), clBlue);
  EXPECT_EQ(g.At(10, 19), clBlack);
}

TEST(StyIniCtrl, Settings) {
  TStyIniCtrl ini(nullptr);
  EXPECT_EQ(ini.GetEffectiveTarget(), itRegistry);
  ini.SetIniFile("drums");
  EXPECT_EQ(ini.GetIniFile(), "drums.INI");
  ini.SetIniFile("drums.cfg");
  EXPECT_EQ(ini.GetIniFile(), "drums.cfg");
  ini.SetMaxEntries(30);
  ini.SetAlphaCounter(true);
  EXPECT_EQ(ini.GetMaxEntries(), 26);
  ini.SetMaxEntries(40);
  EXPECT_EQ(ini.GetMaxEntries(), 26);
  ini.SetTarget(itIniFile);
  EXPECT_EQ(ini.GetEffectiveTarget(), itIniFile);
  ini.SetNetUser(true);
  EXPECT_FALSE(ini.GetUser().empty());
}

}  // namespace
}  // namespace styledtest
