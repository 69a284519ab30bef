#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text_canvas.h"

namespace {

using text_test::Extent;
using text_test::TextCanvas;

bool InsideRect(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// DT_CALCRECT gives the rectangle that drawing then fills.
TEST(DrawText, CalcRectHoldsTheDrawnText) {
  const char* text =
      "Drum kits, patterns and songs: everything the machine plays fits in one folder. "
      "Wrapping keeps words whole; a tab\tstays.";
  const UINT formats[] = {DT_WORDBREAK, DT_WORDBREAK | DT_CENTER, DT_WORDBREAK | DT_RIGHT | DT_EXPANDTABS,
                          DT_WORDBREAK | DT_NOPREFIX};
  for (int width : {60, 120, 250}) {
    for (UINT format : formats) {
      TextCanvas canvas(300, 400);
      canvas.UseFont("Arial", -11);
      TEXTMETRICA tm{};
      GetTextMetricsA(canvas.dc(), &tm);
      RECT rect{20, 10, 20 + width, 10};
      const int height = DrawTextA(canvas.dc(), text, -1, &rect, format | DT_CALCRECT);
      EXPECT_EQ(canvas.InkCount(), 0) << "measuring draws nothing";
      EXPECT_EQ(height, rect.bottom - rect.top);
      EXPECT_EQ(height % tm.tmHeight, 0);
      EXPECT_GT(height / tm.tmHeight, 1);
      EXPECT_EQ(DrawTextA(canvas.dc(), text, -1, &rect, format), height);
      const RECT ink = canvas.InkBox();
      EXPECT_TRUE(InsideRect(ink, rect)) << width << " format " << format << ": ink (" << ink.left << "," << ink.top
                                         << ")-(" << ink.right << "," << ink.bottom << ")";
      // The last line's ink reaches into the last line's band.
      EXPECT_GT(ink.bottom, rect.bottom - tm.tmHeight) << width;
      // And the widest line reaches the measured right edge (left for DT_RIGHT).
      if (format & DT_RIGHT) {
        EXPECT_LE(ink.left, rect.left + 2) << width;
      } else if (!(format & DT_CENTER)) {
        EXPECT_GE(ink.right, rect.right - 2) << width;
      }
    }
  }
}

TEST(DrawText, PrefixUnderlinesItsCharacterOnly) {
  TextCanvas marked(120, 30), plain(120, 30);
  for (TextCanvas* c : {&marked, &plain}) c->UseFont("MS Sans Serif", -11);
  RECT rect{5, 5, 115, 25};
  DrawTextA(marked.dc(), "&File", -1, &rect, DT_SINGLELINE);
  DrawTextA(plain.dc(), "File", -1, &rect, DT_SINGLELINE);
  const LONG fWidth = Extent(plain.dc(), "F").cx;
  TEXTMETRICA tm{};
  GetTextMetricsA(plain.dc(), &tm);
  int differences = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (marked.At(x, y) == plain.At(x, y)) continue;
      ++differences;
      EXPECT_TRUE(x >= 5 && x < 5 + fWidth) << "underline outside the F at x " << x;
      EXPECT_GE(y, 5 + tm.tmAscent) << "underline above the baseline";
      EXPECT_TRUE(marked.Inked(x, y));
    }
  }
  EXPECT_GE(differences, fWidth - 1);

  // DT_HIDEPREFIX resolves the mark without drawing it.
  TextCanvas hidden(120, 30);
  hidden.UseFont("MS Sans Serif", -11);
  DrawTextA(hidden.dc(), "&File", -1, &rect, DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_TRUE(std::equal(plain.pixels(), plain.pixels() + 120 * 30, hidden.pixels()));
}

TEST(DrawText, DoubledAmpersandIsOneAndNoPrefixShowsThem) {
  TextCanvas doubled(120, 30), single(120, 30);
  for (TextCanvas* c : {&doubled, &single}) c->UseFont("Arial", -11);
  RECT rect{5, 5, 115, 25};
  DrawTextA(doubled.dc(), "A&&B", -1, &rect, DT_SINGLELINE);
  DrawTextA(single.dc(), "A&B", -1, &rect, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_TRUE(std::equal(doubled.pixels(), doubled.pixels() + 120 * 30, single.pixels()));
  RECT measured = rect;
  DrawTextA(doubled.dc(), "A&&B", -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(measured.right - measured.left, Extent(doubled.dc(), "A&B").cx);
  measured = rect;
  DrawTextA(doubled.dc(), "&File", -1, &measured, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(measured.right - measured.left, Extent(doubled.dc(), "&File").cx);
}

TEST(DrawText, EndEllipsisFitsAndIsWrittenBack) {
  TextCanvas canvas(200, 30);
  canvas.UseFont("Arial", -11);
  char buffer[64];
  std::strcpy(buffer, "A caption much too long for its column");
  RECT rect{10, 5, 90, 25};
  DrawTextA(canvas.dc(), buffer, -1, &rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
  const std::string shown = buffer;
  ASSERT_GE(shown.size(), 4u);
  EXPECT_EQ(shown.substr(shown.size() - 3), "...");
  EXPECT_EQ(std::string("A caption much too long").substr(0, shown.size() - 3), shown.substr(0, shown.size() - 3));
  EXPECT_LE(Extent(canvas.dc(), shown).cx, 80);
  EXPECT_TRUE(InsideRect(canvas.InkBox(), rect));
  // The same call measures the shortened text.
  RECT measured = rect;
  DrawTextA(canvas.dc(), "A caption much too long for its column", -1, &measured,
            DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
  EXPECT_EQ(measured.right - measured.left, Extent(canvas.dc(), shown).cx);
}

TEST(DrawText, ModifyStringStaysInsideTheCallersBuffer) {
  TextCanvas canvas(200, 30);
  canvas.UseFont("Arial", -20);
  // "WWWW" shortened to "WW..." would be longer than the text itself.
  char buffer[8] = {'W', 'W', 'W', 'W', '\0', '#', '#', '#'};
  RECT rect{0, 0, Extent(canvas.dc(), "WW...").cx, 30};
  DrawTextA(canvas.dc(), buffer, -1, &rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
  EXPECT_STREQ(buffer, "WW..");
  EXPECT_EQ(std::string(buffer + 5, 3), "###");
  // A counted text owns exactly its count: no terminator is added after it.
  char counted[6] = {'W', 'W', 'W', 'W', '#', '#'};
  DrawTextA(canvas.dc(), counted, 4, &rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
  EXPECT_EQ(std::string(counted, 6), "WW..##");
}

TEST(DrawText, PathEllipsisKeepsTheFileName) {
  TextCanvas canvas(300, 30);
  canvas.UseFont("Arial", -11);
  char path[] = "C:\\Program Files\\Drums\\Kits\\Acoustic Rock.kit";
  RECT rect{0, 0, Extent(canvas.dc(), "C:\\Prog...\\Acoustic Rock.kit").cx + 1, 20};
  DrawTextA(canvas.dc(), path, -1, &rect, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING);
  const std::string shown = path;
  EXPECT_NE(shown.find("...\\Acoustic Rock.kit"), std::string::npos) << shown;
  EXPECT_EQ(shown.rfind("C:\\Pro", 0), 0u) << shown;
  EXPECT_LE(Extent(canvas.dc(), shown).cx, rect.right);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
  TextCanvas canvas(200, 40);
  canvas.UseFont("Arial", -20);
  RECT rect{10, 10, 40, 20};
  DrawTextA(canvas.dc(), "Overflowing", -1, &rect, DT_SINGLELINE);
  EXPECT_GT(canvas.InkCount(), 0);
  EXPECT_TRUE(InsideRect(canvas.InkBox(), rect));
  canvas.Clear();
  DrawTextA(canvas.dc(), "Overflowing", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(canvas.InkBox().right, 60);
}

TEST(DrawText, ExParamsMarginsAndLengthDrawn) {
  TextCanvas canvas(200, 40);
  canvas.UseFont("Arial", -11);
  char text[] = "Margins";
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 0, 7, 5, 0};
  RECT rect{10, 10, 10, 10};
  DrawTextExA(canvas.dc(), text, -1, &rect, DT_SINGLELINE | DT_CALCRECT, &params);
  EXPECT_EQ(rect.right, 10 + 7 + Extent(canvas.dc(), "Margins").cx + 5);
  EXPECT_EQ(params.uiLengthDrawn, 7u);
  DrawTextExA(canvas.dc(), text, -1, &rect, DT_SINGLELINE, &params);
  EXPECT_GE(canvas.InkBox().left, 17);
}

}  // namespace
