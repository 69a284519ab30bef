// Button frames, 3D text (with rotation) and the glyph-and-text layout.
#include <string>
#include <vector>

#include "controls/styled/styclass.h"
#include "controls/styled/stygraph.h"
#include "controls/styled/styprocs.h"
#include "styled/shared/fixture.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

TEST_F(StyledProcs, ButtonFrameContentAreas) {
  struct Case {
    TStyUserButtonStyle style;
    int state;
    std::uint16_t flags;
    TRect content;
  } cases[] = {
      {ubsWin31, 0, 0, {4, 4, 16, 16}},      {ubsWin40, 0, 0x0004, {3, 3, 17, 17}},
      {ubsWin40, 4, 0x0004, {4, 4, 18, 18}}, {ubsAutoDetect, 0, 0x0004, {3, 3, 17, 17}},
      {ubsWin31, 0, 0x0020, {5, 5, 15, 15}}, {ubsFlat, 2, 0, {3, 3, 17, 17}},
  };
  for (const Case& c : cases) {
    Sheet s(20, 20);
    TRect r(0, 0, 20, 20);
    EXPECT_TRUE(DrawButtonFrame(s.Canvas(), false, r, c.style, c.state, c.flags, clBtnFace));
    EXPECT_EQ(r, c.content) << int(c.style) << " state " << c.state;
  }
}

TEST_F(StyledProcs, LatchedButtonShowsTheCheckerboardOfItsColour) {
  Sheet s(20, 20);
  TRect r(0, 0, 20, 20);
  DrawButtonFrame(s.Canvas(), false, r, ubsWin40, 3, 0x0004, clRed);
  for (int y = 6; y < 10; ++y)
    for (int x = 6; x < 10; ++x) EXPECT_EQ(s.At(x, y), (x + y) % 2 ? clRed : clWhite) << x << "," << y;
  // A flat style's frame rectangle keeps the pattern inside.
  Sheet flat(20, 20);
  r = TRect(0, 0, 20, 20);
  DrawButtonFrame(flat.Canvas(), false, r, ubsClassicFlat, 3, 0, clRed);
  EXPECT_NE(flat.At(8, 8), flat.At(9, 8));
  // The plain flat fill asks for no pattern.
  Sheet f(20, 20);
  r = TRect(0, 0, 20, 20);
  DrawButtonFrame(f.Canvas(), true, r, ubsFlat, 3, 0, clRed);
  EXPECT_EQ(f.At(8, 8), clRed);
  EXPECT_EQ(f.At(9, 8), clRed);
}

// Ink of one colour inside a rectangle.
int CountInk(Sheet& s, TColor color) {
  int n = 0;
  for (int y = 0; y < s.bitmap->GetHeight(); ++y)
    for (int x = 0; x < s.bitmap->GetWidth(); ++x) n += s.At(x, y) == color;
  return n;
}

TEST_F(StyledProcs, RaisedTextDrawsLightAtTheRectangleAndTheTextOnePixelDownRight) {
  Sheet s(60, 30);
  TSty3DCaption caption;
  caption.SetStyle(tdRaised);
  caption.SetLightColor(clRed);
  s.Canvas()->GetFont()->SetName("Arial");
  s.Canvas()->GetFont()->SetSize(14);
  s.Canvas()->GetFont()->SetColor(clBlue);
  DrawText3D(s.Canvas(), "I", &caption, TRect(10, 5, 50, 25), DT_SINGLELINE, tfEnabled, nullptr);
  // The stem of the I: red columns with a blue column one to the right.
  int redX = -1;
  for (int x = 0; x < 60 && redX < 0; ++x)
    for (int y = 0; y < 30; ++y)
      if (s.At(x, y) == clRed) {
        redX = x;
        break;
      }
  ASSERT_GE(redX, 10);
  int blueX = -1;
  for (int x = 0; x < 60 && blueX < 0; ++x)
    for (int y = 0; y < 30; ++y)
      if (s.At(x, y) == clBlue) {
        blueX = x;
        break;
      }
  EXPECT_EQ(blueX, redX + 1);

  // Disabled with ds3d: sunken in grey text colour; dsNone looks enabled.
  Sheet d(60, 30);
  d.Canvas()->GetFont()->SetColor(clBlue);
  caption.SetDisabledStyle(ds3d);
  DrawText3D(d.Canvas(), "I", &caption, TRect(10, 5, 50, 25), DT_SINGLELINE, 0, nullptr);
  EXPECT_GT(CountInk(d, Rgb(clGrayText)), 0);
  EXPECT_EQ(CountInk(d, clBlue), 0);
  Sheet n(60, 30);
  n.Canvas()->GetFont()->SetColor(clBlue);
  caption.SetDisabledStyle(dsNone);
  DrawText3D(n.Canvas(), "I", &caption, TRect(10, 5, 50, 25), DT_SINGLELINE, 0, nullptr);
  EXPECT_GT(CountInk(n, clBlue), 0);
}

TEST_F(StyledProcs, MeasuringAnEmptyTextMeasuresASpace) {
  TFont font;
  TRect empty(0, 0, 100, 0), space(0, 0, 100, 0);
  MeasureText3D("", nullptr, empty, &font, false, false, 0, 0);
  MeasureText3D(" ", nullptr, space, &font, false, false, 0, 0);
  EXPECT_EQ(empty, space);
  EXPECT_GT(empty.Height(), 2);
  TSty3DCaption shadowed;
  shadowed.SetStyle(tdRaisedShadow);
  shadowed.SetLightDepth(2);
  shadowed.SetShadowDepth(3);
  TRect grown(0, 0, 100, 0);
  MeasureText3D(" ", &shadowed, grown, &font, false, false, 0, 0);
  EXPECT_EQ(grown.Width(), space.Width() + 5);
  EXPECT_TRUE(IsTrueTypeFont(&font));
  EXPECT_GT(FontHeightOfW(&font), 0);
}

TEST_F(StyledProcs, RotatedTextInEachStyleIsSavedAsPictures) {
  const TStyThreeDStyle styles[] = {tdNone,         tdSunken,       tdRaised,       tdSunkenShadow,
                                    tdRaisedShadow, tdPColorSunken, tdPColorRaised, tdShadow};
  const char* names[] = {"none",          "sunken",        "raised",        "sunken-shadow",
                         "raised-shadow", "pcolor-sunken", "pcolor-raised", "shadow"};
  Sheet sheet(8 * 110, 120, clSilver);
  for (int i = 0; i < 8; ++i) {
    Sheet s(110, 120, clSilver);
    TStyFxCaption fx;
    fx.SetStyle(styles[i]);
    fx.SetLightDepth(2);
    fx.SetShadowDepth(2);
    fx.SetLightColor(clWhite);
    fx.SetShadowColor(clGray);
    fx.SetAngle(45);
    TFont* font = s.Canvas()->GetFont();
    font->SetName("Arial");
    font->SetSize(14);
    font->SetStyle({fsBold});
    font->SetColor(clNavy);
    s.Canvas()->GetBrush()->SetColor(clMaroon);  // the text colour of the P-colour styles
    TRect box(0, 0, 0, 0);
    MeasureText3D("Drums", &fx, box, font, false, false, 0, 0);
    // The rotated box holds the text; PosX/PosY centre it there.
    TRect target = Bounds((110 - box.Width()) / 2, (120 - box.Height()) / 2, box.Width(), box.Height());
    DrawText3D(s.Canvas(), "Drums", &fx, target, DT_SINGLELINE, tfEnabled, nullptr);
    const TColor ink = (styles[i] == tdPColorSunken || styles[i] == tdPColorRaised) ? clMaroon : clNavy;
    int inkCount = 0, minX = 999, maxX = -1, minY = 999, maxY = -1;
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 110; ++x)
        if (s.At(x, y) == ink) {
          ++inkCount;
          minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    EXPECT_GT(inkCount, 30) << names[i];
    // Rotated by 45 degrees the text spans about as high as it is wide.
    EXPECT_GT(maxY - minY, (maxX - minX) / 2) << names[i];
    EXPECT_TRUE(s.Canvas()->GetPixels(0, 0) == clSilver);
    sheet.Canvas()->Draw(i * 110, 0, s.bitmap.get());
    EXPECT_TRUE(SavePicture(s.bitmap.get(), std::string("text3d-") + names[i] + ".png"));
  }
  EXPECT_TRUE(SavePicture(sheet.bitmap.get(), "text3d-all.png"));
}

TEST_F(StyledProcs, GlyphAndTextShareTheFaceWithSpacingOnlyBetweenTwoParts) {
  Sheet face(100, 40);
  Sheet glyph(10, 10, clRed);
  TStyGlyphTextLayout layout;
  layout.SetAlignment(agTopLeft);
  layout.SetSpacing(5);
  TRect g(0, 0, 10, 10);
  // Glyph only: no spacing, the glyph at the top-left corner.
  DrawGlyphText(face.Canvas(), "", nullptr, TRect(0, 0, 100, 40), glyph.Canvas(), g, nullptr, clNone, &layout, false,
                false, false, gfReportGlyph | tfEnabled, 0);
  EXPECT_EQ(g, TRect(0, 0, 10, 10));
  EXPECT_EQ(face.At(0, 0), clRed);
  // Both, measured only: the union of text and glyph grown by 2, nothing drawn.
  Sheet blank(100, 40);
  TRect m(0, 0, 10, 10);
  DrawGlyphText(blank.Canvas(), "Go", nullptr, TRect(0, 0, 100, 40), glyph.Canvas(), m, nullptr, clNone, &layout, false,
                false, false, gfMeasureOnly, 0);
  for (int y = 0; y < 40; ++y) EXPECT_EQ(blank.Edges(y), std::vector<int>{0});
  TRect textOnly(0, 0, 100, 0);
  MeasureText3D("Go", nullptr, textOnly, blank.Canvas()->GetFont(), false, false, 0, DT_WORDBREAK | DT_EXPANDTABS);
  // The text sits one pixel in; the union grows by one, measuring by one more.
  EXPECT_EQ(m.Width(), 10 + 5 + textOnly.Width() + 1 + 1 + 2);
}

}  // namespace
}  // namespace styledtest

namespace styledtest {
namespace {

TEST_F(StyledProcs, DropDownArrowFollowsTheText) {
  Sheet face(120, 40);
  TStyButtonLayout layout;
  layout.SetArrow(true);
  layout.SetArrowColor(clRed);
  layout.SetArrowSize(4);
  face.Canvas()->GetFont()->SetColor(clBlue);
  TRect g;
  DrawGlyphText(face.Canvas(), "Go", nullptr, TRect(0, 0, 120, 40), nullptr, g, nullptr, clNone, &layout, false, false,
                false, gfReportText | tfEnabled, 0);
  int textRight = -1, arrowLeft = 999, arrowRows = 0;
  for (int y = 0; y < 40; ++y) {
    bool row = false;
    for (int x = 0; x < 120; ++x) {
      if (face.At(x, y) == clBlue) textRight = std::max(textRight, x);
      if (face.At(x, y) == clRed) arrowLeft = std::min(arrowLeft, x), row = true;
    }
    arrowRows += row;
  }
  EXPECT_EQ(arrowRows, 4);  // size 4: three lines and the tip
  EXPECT_GT(arrowLeft, textRight);
  EXPECT_LE(arrowLeft, g.Right);  // inside the reported text rectangle, which holds the arrow

  // On the left of the text the arrow comes first.
  Sheet left(120, 40);
  layout.SetArrowPosition(apLeftText);
  left.Canvas()->GetFont()->SetColor(clBlue);
  DrawGlyphText(left.Canvas(), "Go", nullptr, TRect(0, 0, 120, 40), nullptr, g, nullptr, clNone, &layout, false, false,
                false, tfEnabled, 0);
  int textLeft = 999, arrowRight = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      if (left.At(x, y) == clBlue) textLeft = std::min(textLeft, x);
      if (left.At(x, y) == clRed) arrowRight = std::max(arrowRight, x);
    }
  EXPECT_LT(arrowRight, textLeft);
}

}  // namespace
}  // namespace styledtest
