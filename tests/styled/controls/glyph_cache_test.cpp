// Button glyphs: how a strip is cut into pictures, which picture shows each
// button state, and the process-wide cache the pictures live in.
#include <memory>
#include <vector>

#include "controls/styled/styclass.h"
#include "controls/styled/styglyph.h"
#include "controls/styled/styprocs.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

constexpr TColor kBack = clOlive;

// A strip of `count` square pictures of `size` pixels on the olive
// background: picture i is a square of colours[i] with a black corner.
std::unique_ptr<TBitmap> Strip(int size, const std::vector<TColor>& colours, int height = 0) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf32bit);
  const int h = height ? height : size;
  b->SetSize(size * static_cast<int>(colours.size()), h);
  TCanvas* c = b->GetCanvas();
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(kBack);
  c->FillRect(TRect(0, 0, b->GetWidth(), h));
  for (size_t i = 0; i < colours.size(); ++i) {
    const int x = static_cast<int>(i) * size;
    c->GetBrush()->SetColor(colours[i]);
    c->FillRect(TRect(x + 4, 4, x + size - 4, h - 4));
    c->GetBrush()->SetColor(clBlack);
    c->FillRect(TRect(x + 2, 2, x + 5, 5));
  }
  return b;
}

class GlyphTest : public StyledProcs {
 protected:
  // Pixel (x, y) of the state's picture as the glyph draws it on silver.
  static TColor Picture(TStyGlyph& g, int state, int x, int y) {
    Sheet s(40, 40, clSilver);
    TStyButtonLayout layout;
    layout.SetAlignment(agTopLeft);
    const TRect r = g.Draw(s.Canvas(), "", DT_SINGLELINE, false, tfEnabled | gfReportGlyph, &layout, state,
                           TRect(0, 0, 40, 40), nullptr);
    return s.At(r.Left + x, r.Top + y);
  }
};

TEST_F(GlyphTest, AStripOfSquarePicturesGivesUpToFiveGlyphs) {
  struct Case {
    int width, height, numGlyphs;
  } cases[] = {{64, 16, 4}, {96, 16, 1}, {80, 16, 5}, {16, 16, 1}, {32, 16, 2}, {20, 16, 3}, {16, 32, 3}};
  for (const Case& c : cases) {
    TStyGlyph g;
    g.SetNumGlyphs(3);
    TBitmap b;
    b.SetSize(c.width, c.height);
    g.SetBitmap(&b);
    // A width that is no multiple of the height keeps the count it had.
    EXPECT_EQ(g.GetNumGlyphs(), c.numGlyphs) << c.width << "x" << c.height;
  }
}

TEST_F(GlyphTest, EachStateShowsItsPictureOfTheStrip) {
  // state: 0 up, 1 disabled, 2 hot, 3 latched, 4 held, 5, 6 menu open, 7 disabled latched
  struct Case {
    int numGlyphs, style;
    int index[8];
  } cases[] = {
      {1, 0, {0, 1, 0, 0, 0, 0, 0, 1}}, {5, 0, {0, 1, 2, 3, 4, 0, 0, 1}}, {2, 0, {0, 1, 0, 0, 0, 0, 0, 1}},
      {1, 1, {0, 1, 2, 2, 2, 2, 4, 1}}, {3, 1, {0, 1, 2, 2, 2, 2, 4, 1}},
  };
  for (const Case& c : cases) {
    TStyGlyph g;
    g.SetNumGlyphs(static_cast<std::uint8_t>(c.numGlyphs));
    g.SetStyle(static_cast<std::uint8_t>(c.style));
    for (int state = 0; state < 8; ++state)
      EXPECT_EQ(g.PictureIndex(state), c.index[state]) << c.numGlyphs << " style " << c.style << " state " << state;
  }
}

TEST_F(GlyphTest, AFivePictureStripGivesEachStateItsOwnPicture) {
  TStyGlyph g;
  const std::vector<TColor> colours = {clRed, clLime, clBlue, clYellow, clFuchsia};
  g.SetBitmap(Strip(16, colours).get());
  ASSERT_EQ(g.GetNumGlyphs(), 5);
  for (int state : {0, 1, 2, 3, 4})
    EXPECT_EQ(Picture(g, state, 8, 8), Rgb(colours[static_cast<size_t>(state)])) << state;
  EXPECT_EQ(g.CreateButtonGlyph(7), g.CreateButtonGlyph(1));
  EXPECT_EQ(g.CreateButtonGlyph(6), g.CreateButtonGlyph(0));
  EXPECT_EQ(g.GetGlyphList()->GetUsedCount(), 5);
}

TEST_F(GlyphTest, OnePictureIsEmbossedWhenDisabledAndUnchangedWhenHotOrDown) {
  TStyGlyph g;
  g.SetBitmap(Strip(16, {clRed}).get());
  // Disabled: black pixels become the shadow colour, with the highlight one
  // pixel down and right; everything else is see-through.
  EXPECT_EQ(Picture(g, 1, 2, 2), Rgb(clBtnShadow));
  EXPECT_EQ(Picture(g, 1, 5, 5), Rgb(clBtnHighlight));
  EXPECT_EQ(Picture(g, 1, 8, 8), Rgb(clSilver));
  EXPECT_EQ(Picture(g, 1, 0, 15), Rgb(clSilver));
  for (int state : {0, 2, 3, 4}) {
    EXPECT_EQ(Picture(g, state, 8, 8), Rgb(clRed)) << state;
    EXPECT_EQ(Picture(g, state, 2, 2), Rgb(clBlack)) << state;
    EXPECT_EQ(Picture(g, state, 0, 15), Rgb(clSilver)) << state;
  }
  // The up picture serves hot and down too: two pictures built in all.
  EXPECT_EQ(g.GetGlyphList()->GetUsedCount(), 2);
}

TEST_F(GlyphTest, AGreyGlyphIsGreyWhenUpAndColouredWhenHot) {
  TStyGlyph g;
  g.SetStyle(1);
  std::unique_ptr<TBitmap> strip = Strip(16, {clRed});
  g.SetBitmap(strip.get());
  TBitmap grey;
  MakeDisabledGlyph(&grey, strip.get());
  EXPECT_EQ(Picture(g, 0, 8, 8), Rgb(grey.GetCanvas()->GetPixels(8, 8)));
  EXPECT_NE(Picture(g, 0, 8, 8), Rgb(clRed));
  EXPECT_EQ(Picture(g, 2, 8, 8), Rgb(clRed));
  EXPECT_EQ(Picture(g, 6, 8, 8), Rgb(clRed));
}

TEST_F(GlyphTest, GlyphsOfOneSizeShareOneListAndTheLastOneFreesTheCache) {
  auto a = std::make_unique<TStyGlyph>();
  auto b = std::make_unique<TStyGlyph>();
  a->SetBitmap(Strip(16, {clRed}).get());
  b->SetBitmap(Strip(16, {clBlue}).get());
  a->CreateButtonGlyph(0);
  b->CreateButtonGlyph(0);
  ASSERT_NE(StyGlyphCache(), nullptr);
  EXPECT_EQ(a->GetGlyphList(), b->GetGlyphList());
  EXPECT_EQ(StyGlyphCache()->GetListCount(), 1);
  EXPECT_EQ(a->GetGlyphList()->GetUsedCount(), 2);
  // Another size gets a list of its own.
  TStyGlyph wide;
  wide.SetBitmap(Strip(16, {clLime}, 20).get());
  wide.CreateButtonGlyph(0);
  EXPECT_EQ(StyGlyphCache()->GetListCount(), 2);
  wide.Invalidate();
  EXPECT_EQ(StyGlyphCache()->GetListCount(), 1);

  a.reset();
  EXPECT_EQ(StyGlyphCache()->GetListCount(), 1);
  b.reset();
  // `wide` holds no pictures, so the cache is empty and gone ...
  EXPECT_EQ(StyGlyphCache(), nullptr);
  // ... and a glyph that still lives builds a new one when it draws.
  wide.CreateButtonGlyph(0);
  ASSERT_NE(StyGlyphCache(), nullptr);
  EXPECT_EQ(StyGlyphCache()->GetListCount(), 1);
}

TEST_F(GlyphTest, ALaterGlyphMakesANewCacheAfterTheLastOneFreedIt) {
  { TStyGlyph first; }
  EXPECT_EQ(StyGlyphCache(), nullptr);
  TStyGlyph later;
  ASSERT_NE(StyGlyphCache(), nullptr);
  later.SetBitmap(Strip(16, {clRed}).get());
  EXPECT_EQ(Picture(later, 0, 8, 8), Rgb(clRed));
}

TEST_F(GlyphTest, ChangesDropThePicturesAndReleasedSlotsAreReused) {
  TStyGlyph keep, g;
  keep.SetBitmap(Strip(16, {clBlue}).get());
  keep.CreateButtonGlyph(0);
  int changes = 0;
  g.OnChange = [&](TObject*) { ++changes; };
  g.SetBitmap(Strip(16, {clRed}).get());
  const int slot = g.CreateButtonGlyph(0);
  TStyGlyphList* list = g.GetGlyphList();
  EXPECT_EQ(list->GetUsedCount(), 2);
  // Drawing on the bitmap tells the button and drops the picture.
  changes = 0;
  g.GetBitmap()->GetCanvas()->GetBrush()->SetColor(clLime);
  g.GetBitmap()->GetCanvas()->FillRect(TRect(4, 4, 12, 12));
  EXPECT_GE(changes, 1);
  EXPECT_EQ(list->GetUsedCount(), 1);
  // The freed slot takes the new picture.
  EXPECT_EQ(g.CreateButtonGlyph(0), slot);
  EXPECT_EQ(Picture(g, 0, 8, 8), Rgb(clLime));
  EXPECT_EQ(list->GetCount(), 2);
  // A new style or count drops them too.
  EXPECT_EQ(list->GetUsedCount(), 2);
  g.SetStyle(1);
  EXPECT_EQ(list->GetUsedCount(), 1);
  g.CreateButtonGlyph(0);
  g.SetNumGlyphs(2);
  EXPECT_EQ(list->GetUsedCount(), 1);
}

TEST_F(GlyphTest, AButtonThatRepaintsAtTheChangeBuildsPicturesOfTheNewStrip) {
  // An opaque button repaints at once when its glyph changes, so the
  // pictures are built while the new bitmap is being set.
  TStyGlyph g;
  g.OnChange = [&](TObject*) { g.CreateButtonGlyph(0); };
  g.SetBitmap(Strip(16, {clRed, clBlue, clLime, clYellow}).get());
  EXPECT_EQ(g.GetNumGlyphs(), 4);
  ASSERT_NE(g.GetGlyphList(), nullptr);
  EXPECT_EQ(g.GetGlyphList()->GetWidth(), 16) << "one picture wide, not the whole strip";
  EXPECT_EQ(Picture(g, 0, 8, 8), Rgb(clRed));
  EXPECT_EQ(Picture(g, 0, 24, 8), Rgb(clSilver)) << "nothing of the next picture beside it";
}

TEST_F(GlyphTest, NoPictureWhenTheBitmapIsEmptyOrHasTooManyGlyphs) {
  TStyGlyph g;
  EXPECT_EQ(g.CreateButtonGlyph(0), -1);
  TBitmap b;
  b.SetSize(4, 16);
  g.SetBitmap(&b);
  g.SetNumGlyphs(8);
  EXPECT_EQ(g.CreateButtonGlyph(0), -1);
  // The caption still draws.
  Sheet s(60, 20);
  TStyButtonLayout layout;
  g.Draw(s.Canvas(), "Ab", DT_SINGLELINE, false, tfEnabled, &layout, 0, TRect(0, 0, 60, 20), nullptr);
  bool ink = false;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 20; ++y) ink |= s.At(x, y) != clWhite;
  EXPECT_TRUE(ink);
}

TEST_F(GlyphTest, DrawShowsTheGlyphTransparentlyBesideTheCaption) {
  TStyGlyph g;
  g.SetBitmap(Strip(16, {clRed}).get());
  TStyButtonLayout layout;
  layout.SetAlignment(agTopLeft);
  Sheet s(80, 24, clSilver);
  layout.SetAlignText2Glyph(taRight);
  s.Canvas()->GetFont()->SetName("Arial");
  s.Canvas()->GetFont()->SetColor(clBlue);
  const TRect glyph = g.Draw(s.Canvas(), "Go", DT_SINGLELINE, false, tfEnabled | gfReportGlyph, &layout, 0,
                             TRect(0, 0, 80, 24), nullptr);
  EXPECT_EQ(glyph.Width(), 16);
  EXPECT_EQ(s.At(glyph.Left + 8, glyph.Top + 8), Rgb(clRed));
  EXPECT_EQ(s.At(glyph.Left + 1, glyph.Top + 14), Rgb(clSilver));  // the olive background is see-through
  // The caption stands right of the glyph.
  bool text = false;
  for (int x = glyph.Right; x < 80; ++x)
    for (int y = 0; y < 24; ++y) text |= s.At(x, y) == Rgb(clBlue);
  EXPECT_TRUE(text);
}

TEST_F(GlyphTest, PictureOfTheStates) {
  // Up, disabled, hot, latched, held of a one-picture glyph in both styles,
  // and of a five-picture strip, each with its caption.
  const int cell = 72;
  Sheet s(cell * 5, 3 * 28, clBtnFace);
  s.Canvas()->GetFont()->SetName("Arial");
  s.Canvas()->GetFont()->SetSize(8);
  TStyButtonLayout layout;
  layout.SetAlignText2Glyph(taRight);
  // A framed, filled square reads better than the tests' small corner mark.
  auto framed = [](const std::vector<TColor>& colours) {
    std::unique_ptr<TBitmap> b = Strip(20, colours);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    c->GetPen()->SetColor(clBlack);
    for (size_t i = 0; i < colours.size(); ++i) {
      const int x = static_cast<int>(i) * 20;
      c->Rectangle(x + 2, 2, x + 18, 18);
      c->Rectangle(x + 3, 3, x + 17, 17);
    }
    return b;
  };
  std::unique_ptr<TBitmap> one = framed({clRed});
  std::unique_ptr<TBitmap> five = framed({clRed, clLime, clBlue, clYellow, clFuchsia});
  struct Row {
    TBitmap* bitmap;
    std::uint8_t style;
  } rows[] = {{one.get(), 0}, {one.get(), 1}, {five.get(), 0}};
  const char* names[] = {"up", "off", "hot", "latch", "held"};
  for (int row = 0; row < 3; ++row) {
    TStyGlyph g;
    g.SetStyle(rows[row].style);
    g.SetBitmap(rows[row].bitmap);
    for (int state = 0; state < 5; ++state) {
      const TRect r(state * cell, row * 28, (state + 1) * cell, (row + 1) * 28);
      g.Draw(s.Canvas(), names[state], DT_SINGLELINE, false, state == 1 ? 0 : tfEnabled, &layout, state, r, nullptr);
    }
  }
  EXPECT_TRUE(SavePicture(s.bitmap.get(), "glyph_states.png"));
}

}  // namespace
}  // namespace styledtest
