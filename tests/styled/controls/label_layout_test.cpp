// Labels on a form: automatic size, where the text lands, what an empty
// label paints, and a picture of labels in their states.
#include <algorithm>
#include <string>
#include <vector>

#include "controls/styled/stygraph.h"
#include "label_fixture.h"

namespace styledtest {
namespace {

// The first and last rows (or columns) of a rectangle of the sheet that
// hold a pixel other than the background.
struct Ink {
  int top = -1, bottom = -1, left = -1, right = -1;
};
Ink InkIn(Sheet& s, const TRect& r, TColor background) {
  Ink ink;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      if (s.At(x, y) == Rgb(background)) continue;
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
      ink.left = ink.left < 0 ? x : std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
    }
  return ink;
}

TEST_F(LabelTest, AutoSizeIsTheTextExtentAndTwoPixelsEachWay) {
  TStySimpleLabel* label = NewLabel("Hello, drums");
  const TSize text = TextExtent(label, "Hello, drums");
  EXPECT_EQ(label->GetWidth(), text.cx + 2);
  EXPECT_EQ(label->GetHeight(), text.cy + 2);
  // A new caption and a new font size fit again.
  label->SetCaption("Hi");
  EXPECT_EQ(label->GetWidth(), TextExtent(label, "Hi").cx + 2);
  label->GetFont()->SetSize(20);
  EXPECT_EQ(label->GetHeight(), TextExtent(label, "Hi").cy + 2);
  // A raised caption grows by its depth.
  label->GetFont3D()->SetStyle(tdRaised);
  label->GetFont3D()->SetLightDepth(3);
  EXPECT_EQ(label->GetWidth(), TextExtent(label, "Hi").cx + 2 + 3);
  EXPECT_EQ(label->GetHeight(), TextExtent(label, "Hi").cy + 2 + 3);
  // "&" marks the accelerator and takes no room; without ShowAccelChar it shows.
  label->GetFont3D()->SetStyle(tdNone);
  label->SetCaption("&Hi");
  EXPECT_EQ(label->GetWidth(), TextExtent(label, "Hi").cx + 2);
  // Turning AutoSize off keeps the size; on again fits it.
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 300, 80);
  label->SetCaption("Hello");
  EXPECT_EQ(label->GetWidth(), 300);
  label->SetAutoSize(true);
  EXPECT_EQ(label->GetWidth(), TextExtent(label, "Hello").cx + 2);
  // An empty caption measures as a space.
  label->SetCaption("");
  EXPECT_EQ(label->GetWidth(), TextExtent(label, " ").cx + 2);
}

TEST_F(LabelTest, MultiLineTextWrapsAtTheLabelsWidth) {
  TStySimpleLabel* label = NewLabel("");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 60, 20);
  label->SetMultiLine(true);
  label->SetCaption("one two three four");
  label->SetAutoSize(true);
  const int line = TextExtent(label, "one").cy;
  EXPECT_LE(label->GetWidth(), 62);
  EXPECT_GE(label->GetHeight(), 2 * line + 2);
}

TEST_F(LabelTest, TextLandsWhereTheAlignmentPutsIt) {
  struct Case {
    TStyAlignment alignment;
    bool multiLine;
    int expectedMiddle;  // of the ink rows, in a 100-pixel-high label; -1: near the top; 101: near the bottom
  } cases[] = {
      {agCenter, true, 50},       {agCenter, false, 50},      {agTopLeft, true, -1},
      {agBottomLeft, false, 101}, {agBottomRight, true, 101},
  };
  for (const Case& c : cases) {
    TStySimpleLabel* label = NewLabel("Ab");
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 200, 100);
    label->SetMultiLine(c.multiLine);
    label->SetAlignment(c.alignment);
    std::unique_ptr<Sheet> s = PaintForm();
    const Ink ink = InkIn(*s, TRect(20, 20, 220, 120), clBtnFace);
    ASSERT_GE(ink.top, 0) << int(c.alignment);
    const int middle = (ink.top + ink.bottom) / 2 - 20;
    if (c.expectedMiddle == -1)
      EXPECT_LT(ink.top - 20, 6) << int(c.alignment);
    else if (c.expectedMiddle == 101)
      EXPECT_GT(ink.bottom - 20, 92) << int(c.alignment);
    else
      EXPECT_NEAR(middle, c.expectedMiddle, 3) << int(c.alignment) << " multi " << c.multiLine;
    delete label;
  }
}

TEST_F(LabelTest, AnEmptyLabelPaintsOnlyWhenOpaque) {
  TStySimpleLabel* label = NewLabel("");
  label->SetAutoSize(false);
  label->SetBounds(30, 30, 40, 20);
  label->SetColor(clRed);
  std::unique_ptr<Sheet> s = PaintForm();
  EXPECT_EQ(InkIn(*s, TRect(0, 0, 200, 100), clBtnFace).top, -1);
  label->SetTransparent(false);
  s = PaintForm();
  EXPECT_EQ(s->At(35, 35), Rgb(clRed));
  EXPECT_EQ(s->At(75, 35), Rgb(clBtnFace));
}

TEST_F(LabelTest, TheOptionsReachTheText) {
  // Cut at the label's edge, a long caption shows its start; with an end
  // ellipsis it ends in dots, with a path ellipsis it keeps its last part.
  TStySimpleLabel* label = NewLabel("A caption much too long for its label \\end");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 80, 20);
  label->SetTransparent(false);
  label->SetColor(clWhite);
  auto row = [&](TStyLabelOptions options) {
    label->SetOptions(options);
    std::unique_ptr<Sheet> s = PaintForm();
    std::vector<TColor> pixels;
    for (int y = 10; y < 30; ++y)
      for (int x = 10; x < 90; ++x) pixels.push_back(s->At(x, y));
    return pixels;
  };
  const auto plain = row({}), end = row({loEndEllipsis}), path = row({loPathEllipsis});
  EXPECT_NE(plain, end);
  EXPECT_NE(plain, path);
  EXPECT_NE(end, path);
  // The start of the caption stays in place with the end ellipsis.
  for (size_t i = 0; i < plain.size(); ++i)
    if (i % 80 < 20) {
      ASSERT_EQ(plain[i], end[i]) << "x " << i % 80 << " y " << i / 80;
    }
}

TEST_F(LabelTest, PictureOfLabelsInTheirStates) {
  form->SetBounds(100, 100, 420, 330);
  int y = 8;
  auto add = [&](const std::string& caption) {
    TStySimpleLabel* l = NewLabel(caption, 10, y);
    l->GetFont()->SetSize(12);
    y += 28;
    return l;
  };
  add("Plain &label");
  TStySimpleLabel* raised = add("Raised caption");
  raised->GetFont3D()->SetStyle(tdRaised);
  raised->GetFont3D()->SetLightColor(clWhite);
  TStySimpleLabel* sunken = add("Sunken shadow caption");
  sunken->GetFont3D()->SetStyle(tdSunkenShadow);
  sunken->GetFont3D()->SetShadowDepth(2);
  TStySimpleLabel* shadow = add("Shadowed caption");
  shadow->GetFont3D()->SetStyle(tdShadow);
  shadow->GetFont3D()->SetShadowDepth(2);
  TStySimpleLabel* link = add("http://drums.example.org");
  link->SetJumpMode(jmInternet);
  TStySimpleLabel* visited = add("me@drums.example.org (pressed)");
  visited->SetJumpMode(jmInternet);
  ClickAt(visited, 2, 2);
  TStySimpleLabel* disabled = add("Disabled label");
  disabled->SetEnabled(false);
  TStySimpleLabel* disabled3d = add("Disabled, ds3d");
  disabled3d->GetFont3D()->SetDisabledStyle(ds3d);
  disabled3d->SetEnabled(false);
  TStySimpleLabel* ellipsis = add("An end ellipsis cuts this long caption short");
  ellipsis->SetAutoSize(false);
  ellipsis->SetWidth(200);
  ellipsis->SetOptions(TStyLabelOptions{loEndEllipsis});
  TStySimpleLabel* multi = NewLabel("Two lines of text, centred in an opaque label", 230, 8);
  multi->SetAutoSize(false);
  multi->SetBounds(230, 8, 170, 100);
  multi->SetMultiLine(true);
  multi->SetAlignment(agCenter);
  multi->SetTransparent(false);
  multi->SetColor(clInfoBk);
  std::unique_ptr<Sheet> s = PaintForm();
  EXPECT_TRUE(SavePicture(s->bitmap.get(), "label_states.png"));
}

}  // namespace
}  // namespace styledtest
