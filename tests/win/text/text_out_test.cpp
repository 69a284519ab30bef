#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text_canvas.h"

namespace {

using text_test::Extent;
using text_test::TextCanvas;

struct MeasureCase {
  const char* face;
  int height;
  int weight;
  int charExtra;
  const char* text;
};

// The ink ends where the extent says, less the last character's right bearing.
TEST(TextOut, MeasuringEqualsDrawing) {
  const MeasureCase cases[] = {
      {"Arial", -11, FW_NORMAL, 0, "Hello world"},
      {"Arial", -11, FW_NORMAL, 0, "The quick brown fox"},
      {"MS Sans Serif", -11, FW_BOLD, 0, "Bold &File M"},
      {"Arial", -20, FW_NORMAL, 0, "Wavy Jy"},
      {"Courier New", -12, FW_NORMAL, 0, "fixed pitch"},
      {"Times New Roman", -15, FW_NORMAL, 0, "Serif AV"},
      {"Arial", -11, FW_NORMAL, 3, "tracked text"},
      {"Arial", -11, FW_NORMAL, 0,
       "caf\xC3\xA9 \xC3\xBC"
       "ber N"},
  };
  TextCanvas canvas(400, 60);
  for (const MeasureCase& c : cases) {
    canvas.Clear();
    canvas.UseFont(c.face, c.height, c.weight);
    SetTextCharacterExtra(canvas.dc(), c.charExtra);
    const std::string text = c.text;
    ASSERT_TRUE(TextOutA(canvas.dc(), 10, 10, text.c_str(), static_cast<int>(text.size())));
    const RECT ink = canvas.InkBox();
    const SIZE extent = Extent(canvas.dc(), text);
    ABC last{};
    ASSERT_TRUE(GetCharABCWidthsA(canvas.dc(), static_cast<unsigned char>(text.back()),
                                  static_cast<unsigned char>(text.back()), &last));
    EXPECT_EQ(ink.right - 10 + last.abcC + c.charExtra, extent.cx) << c.face << " " << c.text;
    TEXTMETRICA tm{};
    GetTextMetricsA(canvas.dc(), &tm);
    EXPECT_EQ(extent.cy, tm.tmHeight);
    EXPECT_GE(ink.top, 10) << c.text;
    EXPECT_LE(ink.bottom, 10 + tm.tmHeight) << c.text;
    int widths[1] = {};
    GetCharWidth32A(canvas.dc(), 'W', 'W', widths);
    EXPECT_EQ(Extent(canvas.dc(), "W").cx, widths[0] + c.charExtra);
    SetTextCharacterExtra(canvas.dc(), 0);
  }
}

TEST(TextOut, PartialExtentsAndFitCountFollowTheLayout) {
  TextCanvas canvas(10, 10);
  canvas.UseFont("Arial", -11);
  const std::string text =
      "ab\xC3\xA9"
      "cd";  // 6 bytes, 5 characters
  std::vector<int> dx(text.size());
  SIZE size{};
  int fit = -1;
  const LONG upToE = Extent(canvas.dc(), "ab\xC3\xA9").cx;
  ASSERT_TRUE(GetTextExtentExPointA(canvas.dc(), text.c_str(), 6, upToE, &fit, dx.data(), &size));
  EXPECT_EQ(fit, 4) << "the two bytes of the e-acute fit together";
  EXPECT_EQ(dx[0], Extent(canvas.dc(), "a").cx);
  EXPECT_EQ(dx[1], Extent(canvas.dc(), "ab").cx);
  EXPECT_EQ(dx[2], upToE);
  EXPECT_EQ(dx[3], upToE);
  EXPECT_EQ(size.cx, Extent(canvas.dc(), text).cx);
  ASSERT_TRUE(GetTextExtentExPointA(canvas.dc(), text.c_str(), 6, upToE - 1, &fit, nullptr, &size));
  EXPECT_EQ(fit, 2) << "never ends inside a character";
  // A byte that starts no valid sequence is its Latin-1 character.
  EXPECT_EQ(Extent(canvas.dc(), "caf\xE9").cx, Extent(canvas.dc(), "caf\xC3\xA9").cx);
}

struct TextOutAlignCase {
  UINT align;
  int dx;  // box left relative to x, in widths: 0, -1 or -1/2
  int dy;  // 0 top, 1 bottom, 2 baseline
};

// With an opaque background the cell box shows exactly where the run sits.
TEST(TextOut, AlignmentPlacesTheCellBox) {
  const TextOutAlignCase cases[] = {
      {TA_LEFT | TA_TOP, 0, 0},    {TA_RIGHT | TA_TOP, -2, 0},    {TA_CENTER | TA_TOP, -1, 0},
      {TA_LEFT | TA_BOTTOM, 0, 1}, {TA_LEFT | TA_BASELINE, 0, 2}, {TA_CENTER | TA_BASELINE, -1, 2},
  };
  TextCanvas canvas(300, 100);
  canvas.UseFont("Arial", -13);
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(255, 0, 0));
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas.dc(), &tm);
  const LONG width = Extent(canvas.dc(), "Aligned").cx;
  for (const TextOutAlignCase& c : cases) {
    canvas.Clear();
    SetTextAlign(canvas.dc(), c.align);
    TextOutA(canvas.dc(), 150, 50, "Aligned", 7);
    const RECT box = canvas.InkBox();
    const LONG left = 150 + (c.dx == 0 ? 0 : c.dx == -2 ? -width : -(width / 2));
    const LONG top = 50 - (c.dy == 0 ? 0 : c.dy == 1 ? tm.tmHeight : tm.tmAscent);
    EXPECT_EQ(box.left, left) << c.align;
    EXPECT_EQ(box.right, left + width) << c.align;
    EXPECT_EQ(box.top, top) << c.align;
    EXPECT_EQ(box.bottom, top + tm.tmHeight) << c.align;
    EXPECT_EQ(canvas.At(box.left, box.top), 0xFF0000u) << "the background colour";
  }
}

TEST(TextOut, UpdateCpContinuesWhereTheLastRunEnded) {
  TextCanvas whole(200, 40), pieces(200, 40);
  for (TextCanvas* canvas : {&whole, &pieces}) canvas->UseFont("Arial", -11);
  TextOutA(whole.dc(), 5, 5, "abcdef", 6);
  SetTextAlign(pieces.dc(), TA_UPDATECP);
  MoveToEx(pieces.dc(), 5, 5, nullptr);
  TextOutA(pieces.dc(), 99, 99, "ab", 2);
  TextOutA(pieces.dc(), 99, 99, "cdef", 4);
  POINT cp{};
  GetCurrentPositionEx(pieces.dc(), &cp);
  EXPECT_EQ(cp.x, 5 + Extent(whole.dc(), "abcdef").cx);
  EXPECT_EQ(cp.y, 5);
  EXPECT_TRUE(std::equal(whole.pixels(), whole.pixels() + 200 * 40, pieces.pixels()));
}

TEST(ExtTextOut, OpaqueAndClippedRectangles) {
  TextCanvas canvas(200, 40);
  canvas.UseFont("Arial", -20);
  SetBkColor(canvas.dc(), RGB(0, 0, 255));
  // An empty string with ETO_OPAQUE just fills: a common way to paint a rectangle.
  RECT fill{10, 5, 30, 15};
  ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &fill, "", 0, nullptr));
  const RECT filled = canvas.InkBox();
  EXPECT_EQ(filled.left, 10);
  EXPECT_EQ(filled.top, 5);
  EXPECT_EQ(filled.right, 30);
  EXPECT_EQ(filled.bottom, 15);
  EXPECT_EQ(canvas.At(20, 10), 0x0000FFu);

  canvas.Clear();
  RECT clip{20, 8, 60, 20};
  ExtTextOutA(canvas.dc(), 10, 2, ETO_CLIPPED, &clip, "WWWWWW", 6, nullptr);
  const RECT ink = canvas.InkBox();
  EXPECT_GT(canvas.InkCount(), 0);
  EXPECT_GE(ink.left, clip.left);
  EXPECT_GE(ink.top, clip.top);
  EXPECT_LE(ink.right, clip.right);
  EXPECT_LE(ink.bottom, clip.bottom);
  // Explicit advances replace the font's.
  canvas.Clear();
  const INT dx[3] = {30, 30, 30};
  ExtTextOutA(canvas.dc(), 10, 2, 0, nullptr, "iii", 3, dx);
  const RECT spaced = canvas.InkBox();
  EXPECT_GE(spaced.right - spaced.left, 60);
}

struct RotationCase {
  int escapement;
  int runX, runY;  // direction the text runs in on the screen
};

TEST(TextOut, EscapementTurnsTheRunAboutTheReferencePoint) {
  const RotationCase cases[] = {{900, 0, -1}, {2700, 0, 1}, {1800, -1, 0}, {0, 1, 0}};
  TextCanvas canvas(300, 300);
  for (const RotationCase& c : cases) {
    canvas.UseFont("Arial", -16, FW_NORMAL, c.escapement);
    TEXTMETRICA tm{};
    GetTextMetricsA(canvas.dc(), &tm);
    const LONG width = Extent(canvas.dc(), "Upwards text").cx;
    canvas.Clear();
    TextOutA(canvas.dc(), 150, 150, "I", 1);
    const RECT first = canvas.InkBox();
    canvas.Clear();
    TextOutA(canvas.dc(), 150, 150, "Upwards text", 12);
    const RECT all = canvas.InkBox();
    // The run grows away from its first letter in the run's direction.
    if (c.runY < 0) {
      EXPECT_LT(all.top, first.top - width / 2) << c.escapement;
      EXPECT_EQ(all.bottom, first.bottom) << c.escapement;
    }
    if (c.runY > 0) {
      EXPECT_GT(all.bottom, first.bottom + width / 2) << c.escapement;
    }
    if (c.runX < 0) {
      EXPECT_LT(all.left, first.left - width / 2) << c.escapement;
    }
    if (c.runX > 0) {
      EXPECT_GT(all.right, first.right + width / 2) << c.escapement;
    }
    // The cell lies beside the run on the side "down" turns to; for TA_TOP it
    // starts at the reference point.
    if (c.escapement == 900) {
      EXPECT_GE(all.left, 150);
      EXPECT_LE(all.right, 150 + tm.tmHeight);
      EXPECT_LE(all.bottom, 151);
      EXPECT_GE(all.top, 150 - width - 1);
    }
  }
}

TEST(TextOut, UnderlineAndStrikeOutSpanTheRun) {
  TextCanvas canvas(200, 50);
  HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, FALSE, TRUE, TRUE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas.dc(), &tm);
  const LONG width = Extent(canvas.dc(), "a b").cx;
  TextOutA(canvas.dc(), 10, 10, "a b", 3);
  const auto fullRow = [&](int y) {
    for (int x = 10; x < 10 + width; ++x)
      if (!canvas.Inked(x, y)) return false;
    return !canvas.Inked(9, y) && !canvas.Inked(10 + width, y);
  };
  int below = 0, above = 0;
  const int baseline = 10 + tm.tmAscent;
  for (int y = 10; y < 10 + tm.tmHeight; ++y) {
    if (fullRow(y)) (y >= baseline ? below : above)++;
  }
  EXPECT_GE(below, 1) << "underline";
  EXPECT_GE(above, 1) << "strike-out";
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
}

}  // namespace

namespace {

TEST(TextOut, NegativeEscapementIsTheSameTurnTheOtherWay) {
  TextCanvas down(100, 100), minus(100, 100);
  down.UseFont("Arial", -12, FW_NORMAL, 2700);
  minus.UseFont("Arial", -12, FW_NORMAL, -900);
  TextOutA(down.dc(), 50, 10, "Down", 4);
  TextOutA(minus.dc(), 50, 10, "Down", 4);
  EXPECT_GT(down.InkCount(), 0);
  EXPECT_TRUE(std::equal(down.pixels(), down.pixels() + 100 * 100, minus.pixels()));
}

TEST(TextOut, OddRequestsStillDraw) {
  TextCanvas canvas(200, 60);
  const int heights[] = {1, -1, 3000, -3000};
  for (int height : heights) {
    canvas.UseFont("Arial", height, 1000);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm)) << height;
    EXPECT_GT(tm.tmHeight, 0) << height;
    EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, "Ab", 2)) << height;
  }
  // Stray, truncated and overlong sequences draw as Latin-1 characters.
  canvas.UseFont("Arial", -11);
  const char broken[] = "\xFF\xC3 \xE2\x82 \xC0\xAF \xF0\x9F";
  EXPECT_TRUE(TextOutA(canvas.dc(), 0, 20, broken, sizeof broken - 1));
  EXPECT_GT(Extent(canvas.dc(), broken).cx, Extent(canvas.dc(), "   ").cx);
  EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, nullptr, 3));
  EXPECT_FALSE(TextOutA(nullptr, 0, 0, "x", 1));
}

}  // namespace
