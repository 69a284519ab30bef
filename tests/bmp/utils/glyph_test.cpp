// The glyph engine: strip sizes, layout, the shared per-size lists and the
// state images.
#include "bmp/shared/fixture.h"
#include "controls/bmp/BmpUtils.h"

namespace bmptest {
namespace {

TEST_F(BmpTest, StripWidthDecidesTheNumberOfImages) {
  struct Case {
    int width, height, before, after;
  } cases[] = {{64, 16, 1, 4}, {96, 16, 3, 1}, {40, 16, 3, 3}, {16, 16, 2, 1}};
  for (const Case& c : cases) {
    TGlyph glyph;
    glyph.SetNumGlyphs(c.before);
    Sheet strip(c.width, c.height);
    glyph.SetGlyph(strip.bitmap.get());
    EXPECT_EQ(glyph.GetNumGlyphs(), c.after) << c.width << "x" << c.height;
  }
}

TEST_F(BmpTest, LayoutSharesTheFreeSpaceInThirds) {
  TGlyph glyph;
  Sheet strip(16, 16);
  glyph.SetGlyph(strip.bitmap.get());
  Sheet sheet(200, 40);
  // The client is 60 pixels wider than glyph and caption together (106 for
  // a 30-pixel caption), so margin and spacing come out at 20 whatever the
  // font measures.
  RECT r = {0, 0, 106, 0};
  std::string caption = "Play";
  DrawTextA(sheet.Canvas()->GetHandle(), caption.c_str(), -1, &r, DT_CALCRECT);
  int t = r.right;
  int client = 16 + t + 60;  // margin and spacing of 20 each side
  TPoint glyphPos;
  TRect text;
  glyph.CalcLayout(sheet.Canvas(), TRect(0, 0, client, 24), TPoint(0, 0), caption, blGlyphLeft, -1, -1, glyphPos, text,
                   0);
  EXPECT_EQ(glyphPos.X, 20);
  EXPECT_EQ(text.Left, 20 + 16 + 20);
  EXPECT_EQ(glyphPos.Y, (24 - 16 + 1) / 2);
  // Offsets and the client origin move both.
  glyph.CalcLayout(sheet.Canvas(), TRect(5, 2, client + 5, 26), TPoint(1, 1), caption, blGlyphLeft, -1, -1, glyphPos,
                   text, 0);
  EXPECT_EQ(glyphPos.X, 26);
  EXPECT_EQ(text.Left, 62);
  // Right-to-left reading puts the glyph on the other side.
  glyph.CalcLayout(sheet.Canvas(), TRect(0, 0, client, 24), TPoint(0, 0), caption, blGlyphLeft, 2, 4, glyphPos, text,
                   DT_RTLREADING);
  EXPECT_EQ(glyphPos.X, client - 2 - 16);
  EXPECT_EQ(text.Left, glyphPos.X - 4 - t);
}

TEST_F(BmpTest, LayoutArithmeticOfTheSpecialMargins) {
  // Without a caption the glyph is laid out alone and Spacing is ignored.
  TGlyph glyph;
  Sheet strip(16, 16);
  glyph.SetGlyph(strip.bitmap.get());
  Sheet sheet(10, 10);
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    TPoint glyph;
  } cases[] = {
      {blGlyphLeft, -1, -1, {45, 12}},  // Spacing dropped: (106 - 16 + 1) / 2
      {blGlyphLeft, -1, 7, {45, 12}},  {blGlyphRight, 3, -1, {87, 12}},  // 106 - 3 - 16
      {blGlyphTop, -1, -1, {45, 12}},  // (40 - 16 + 1) / 2
      {blGlyphBottom, 2, 9, {45, 22}},  // 40 - 2 - 16
  };
  for (const Case& c : cases) {
    TPoint pos;
    TRect text;
    glyph.CalcLayout(sheet.Canvas(), TRect(0, 0, 106, 40), TPoint(0, 0), "", c.layout, c.margin, c.spacing, pos, text,
                     0);
    EXPECT_EQ(pos, c.glyph) << c.layout << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(text.Right - text.Left, 0);
  }
}

TEST_F(BmpTest, GlyphsOfOneSizeShareOneListAndFreeItWhenGone) {
  Sheet strip(32, 16, clRed);
  auto a = std::make_unique<TGlyph>();
  auto b = std::make_unique<TGlyph>();
  a->SetGlyph(strip.bitmap.get());
  b->SetGlyph(strip.bitmap.get());
  EXPECT_EQ(a->CreateStateImage(1), 0);
  EXPECT_EQ(b->CreateStateImage(1), 1);
  EXPECT_EQ(a->GetGlyphList(), b->GetGlyphList());
  EXPECT_EQ(a->CreateStateImage(1), 0) << "built images are kept";
  TGlyphList* list = a->GetGlyphList();
  EXPECT_EQ(list->GetCount(), 2);
  a.reset();
  EXPECT_EQ(list->GetCount(), 1);
  // The freed slot is reused before the list grows.
  auto c = std::make_unique<TGlyph>();
  c->SetGlyph(strip.bitmap.get());
  EXPECT_EQ(c->CreateStateImage(1), 0);
  EXPECT_EQ(list->TImageList::GetCount(), 2);
  b.reset();
  c.reset();
  EXPECT_EQ(GlyphCache(), nullptr) << "the last glyph frees the empty cache";
}

TEST_F(BmpTest, ChangingTheBitmapReleasesTheImagesAndTellsTheOwner) {
  TGlyph glyph;
  Sheet strip(16, 16, clRed);
  glyph.SetGlyph(strip.bitmap.get());
  ASSERT_GE(glyph.CreateStateImage(1), 0);
  int changes = 0;
  glyph.OnChange = [&](TObject*) { ++changes; };
  glyph.GetGlyph()->GetCanvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(glyph.GetGlyphList(), nullptr);
  glyph.SetNumGlyphs(0);
  glyph.SetNumGlyphs(1);
  EXPECT_EQ(changes, 1) << "0 and the unchanged value are ignored";
}

TEST_F(BmpTest, DisabledImageOfAOneImageStripIsEmbossedFromItsOnlyColumn) {
  TGlyph glyph;
  Sheet strip(16, 16, clOlive);
  strip.Canvas()->GetBrush()->SetColor(clBlack);
  strip.Canvas()->FillRect(TRect(4, 4, 12, 12));
  strip.bitmap->SetTransparentColor(clOlive);
  glyph.SetGlyph(strip.bitmap.get());
  ASSERT_EQ(glyph.GetNumGlyphs(), 1);
  Sheet sheet(16, 16, clBtnFace);
  glyph.DrawGlyph(sheet.Canvas(), TPoint(0, 0), 0, false, clBtnFace);
  EXPECT_EQ(sheet.At(4, 4), Rgb(clBtnShadow)) << "the picture in shadow";
  EXPECT_EQ(sheet.At(12, 12), Rgb(clBtnHighlight)) << "its highlight one pixel down and right";
  EXPECT_EQ(sheet.At(1, 1), Rgb(clBtnFace)) << "the transparent part stays face";
  // Enabled: the picture itself, its transparent colour masked out.
  Sheet enabled(16, 16, clWhite);
  glyph.DrawGlyph(enabled.Canvas(), TPoint(0, 0), 1, true, clNone);
  EXPECT_EQ(enabled.At(5, 5), clBlack);
  EXPECT_EQ(enabled.At(1, 1), clWhite);
}

}  // namespace
}  // namespace bmptest

namespace bmptest {
namespace {

TEST_F(BmpTest, ZeroWidthGlyphKeepsAUsableNumberOfImages) {
  TGlyph glyph;
  glyph.SetNumGlyphs(2);
  TBitmap thin;
  thin.SetSize(0, 16);
  glyph.SetGlyph(&thin);
  EXPECT_EQ(glyph.GetNumGlyphs(), 2) << "no width gives no count of images";
  // The bitmap grows in place to a width that decides nothing.
  Sheet strip(40, 16, clOlive);
  strip.Canvas()->GetBrush()->SetColor(clRed);
  strip.Canvas()->FillRect(TRect(2, 2, 10, 10));
  glyph.GetGlyph()->Assign(strip.bitmap.get());
  Sheet sheet(40, 16, clWhite);
  glyph.DrawGlyph(sheet.Canvas(), TPoint(0, 0), 1, true, clNone);
  EXPECT_EQ(sheet.At(5, 5), clRed);
}

}  // namespace
}  // namespace bmptest
