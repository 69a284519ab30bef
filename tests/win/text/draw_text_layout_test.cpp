// The DrawText layout engine on a fake font: every byte is 10 pixels wide
// ("i" is 2, so widths tell lines apart), lines are 12 high.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/text/draw_text_layout.h"

namespace {

using win::text::DrawTextLayout;
using win::text::LayOutDrawText;
using win::text::TextMeasure;

TextMeasure FakeFont() {
  TextMeasure m;
  m.width = [](std::string_view s) {
    int w = 0;
    for (char c : s) w += c == 'i' ? 2 : 10;
    return w;
  };
  m.height = 12;
  m.externalLeading = 3;
  m.aveCharWidth = 5;
  return m;
}

std::vector<std::string> Lines(const DrawTextLayout& layout) {
  std::vector<std::string> out;
  for (const auto& line : layout.lines) out.push_back(line.text);
  return out;
}

struct BreakCase {
  const char* text;
  int width;
  UINT format;
  std::vector<std::string> lines;
};

TEST(DrawTextLayout, BreaksLines) {
  const BreakCase cases[] = {
      {"aa bb cc", 50, DT_WORDBREAK, {"aa bb", "cc"}},
      {"aa bb cc", 49, DT_WORDBREAK, {"aa", "bb", "cc"}},
      // Spaces at a break vanish; leading ones of a paragraph stay.
      {"  aa    bb", 40, DT_WORDBREAK, {"  aa", "bb"}},
      // A word longer than the line is kept whole...
      {"a bbbbbbb c", 30, DT_WORDBREAK, {"a", "bbbbbbb", "c"}},
      // ...unless an edit control breaks it between characters.
      {"a bbbbbbb c", 30, DT_WORDBREAK | DT_EDITCONTROL, {"a", "bbb", "bbb", "b c"}},
      // Line breaks in any convention; single-line keeps them in the line.
      {"one\r\ntwo\nthree\rfour", 500, 0, {"one", "two", "three", "four"}},
      {"one\r\ntwo", 500, DT_SINGLELINE, {"one\r\ntwo"}},
      {"aa bb cc", 20, DT_SINGLELINE | DT_WORDBREAK, {"aa bb cc"}},
      {"a\n\nb", 500, DT_WORDBREAK, {"a", "", "b"}},
      {"", 500, DT_WORDBREAK, {}},
  };
  for (const BreakCase& c : cases) {
    const DrawTextLayout layout = LayOutDrawText(c.text, RECT{0, 0, c.width, 100}, c.format, nullptr, FakeFont());
    EXPECT_EQ(Lines(layout), c.lines) << c.text << " at " << c.width;
    EXPECT_EQ(layout.result, static_cast<int>(c.lines.size()) * 12) << c.text;
  }
}

TEST(DrawTextLayout, CalcRectBoundsTheWrappedText) {
  RECT rect{10, 20, 60, 20};
  const DrawTextLayout layout = LayOutDrawText("aa bbbb c", rect, DT_CALCRECT | DT_WORDBREAK, nullptr, FakeFont());
  EXPECT_EQ(Lines(layout), (std::vector<std::string>{"aa", "bbbb", "c"}));
  EXPECT_EQ(layout.calcRect.left, 10);
  EXPECT_EQ(layout.calcRect.top, 20);
  EXPECT_EQ(layout.calcRect.right, 10 + 40);
  EXPECT_EQ(layout.calcRect.bottom, 20 + 36);
  EXPECT_EQ(layout.result, 36);
  // A word wider than the rectangle widens it.
  const DrawTextLayout wide = LayOutDrawText("a bbbbbbbbbb", rect, DT_CALCRECT | DT_WORDBREAK, nullptr, FakeFont());
  EXPECT_EQ(wide.calcRect.right, 10 + 100);
  // Margins are part of the measured rectangle; external leading on request.
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 0, 4, 6, 0};
  const DrawTextLayout margins =
      LayOutDrawText("abc", rect, DT_CALCRECT | DT_SINGLELINE | DT_EXTERNALLEADING, &params, FakeFont());
  EXPECT_EQ(margins.calcRect.right, 10 + 4 + 30 + 6);
  EXPECT_EQ(margins.calcRect.bottom, 20 + 15);
  // Empty text measures nothing.
  const DrawTextLayout empty = LayOutDrawText("", rect, DT_CALCRECT, nullptr, FakeFont());
  EXPECT_EQ(empty.calcRect.right, 10);
  EXPECT_EQ(empty.calcRect.bottom, 20);
}

struct AlignCase {
  UINT format;
  int x, y, result;
};

TEST(DrawTextLayout, AlignsInTheRectangle) {
  // "abc" is 30 wide, 12 high, in (0, 0)-(100, 50).
  const AlignCase cases[] = {
      {DT_SINGLELINE, 0, 0, 12},
      {DT_SINGLELINE | DT_CENTER, 35, 0, 12},
      {DT_SINGLELINE | DT_RIGHT, 70, 0, 12},
      // The return value counts from the top of the rectangle.
      {DT_SINGLELINE | DT_VCENTER, 0, 19, 31},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 70, 38, 50},
      // Vertical alignment needs DT_SINGLELINE.
      {DT_VCENTER, 0, 0, 12},
      {DT_BOTTOM, 0, 0, 12},
  };
  for (const AlignCase& c : cases) {
    const DrawTextLayout layout = LayOutDrawText("abc", RECT{0, 0, 100, 50}, c.format, nullptr, FakeFont());
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].x, c.x) << c.format;
    EXPECT_EQ(layout.lines[0].y, c.y) << c.format;
    EXPECT_EQ(layout.result, c.result) << c.format;
  }
}

TEST(DrawTextLayout, ExpandsTabsToTabStops) {
  // Default stops every 8 average characters: 40 pixels.
  DrawTextLayout layout = LayOutDrawText("a\tb\tcccccc\td", RECT{0, 0, 500, 50}, DT_EXPANDTABS, nullptr, FakeFont());
  ASSERT_EQ(layout.lines.size(), 1u);
  std::vector<int> xs;
  for (const auto& s : layout.lines[0].segments) xs.push_back(s.x);
  EXPECT_EQ(xs, (std::vector<int>{0, 40, 80, 160}));
  EXPECT_EQ(layout.lines[0].width, 170);
  // DT_TABSTOP takes the length from the second byte, which then is no flags
  // (0x04 there would otherwise read as DT_CALCRECT).
  layout = LayOutDrawText("a\tb", RECT{0, 0, 500, 50}, DT_EXPANDTABS | DT_TABSTOP | (4 << 8), nullptr, FakeFont());
  EXPECT_EQ(layout.lines[0].segments[1].x, 20);
  EXPECT_EQ(layout.calcRect.right, 500);
  DRAWTEXTPARAMS params{sizeof(DRAWTEXTPARAMS), 2, 0, 0, 0};
  layout = LayOutDrawText("a\tb", RECT{0, 0, 500, 50}, DT_EXPANDTABS, &params, FakeFont());
  // Two average characters: 10 pixels; "a" ends on that stop, so "b" goes to the next.
  EXPECT_EQ(layout.lines[0].segments[1].x, 20);
}

struct PrefixCase {
  const char* text;
  UINT format;
  const char* shown;
  int underlineAt;
};

TEST(DrawTextLayout, ResolvesPrefixes) {
  const PrefixCase cases[] = {
      {"&File", 0, "File", 0}, {"Sa&ve as", 0, "Save as", 2},    {"Fish && Chips", 0, "Fish & Chips", -1},
      {"A&&&B", 0, "A&B", 2},  {"Trailing&", 0, "Trailing", -1}, {"&File", DT_NOPREFIX, "&File", -1},
  };
  for (const PrefixCase& c : cases) {
    const DrawTextLayout layout = LayOutDrawText(c.text, RECT{0, 0, 500, 50}, c.format, nullptr, FakeFont());
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].text, c.shown) << c.text;
    EXPECT_EQ(layout.lines[0].underlineAt, c.underlineAt) << c.text;
  }
  // The mark follows its character onto a wrapped line.
  const DrawTextLayout wrapped = LayOutDrawText("aa &bb", RECT{0, 0, 30, 50}, DT_WORDBREAK, nullptr, FakeFont());
  ASSERT_EQ(wrapped.lines.size(), 2u);
  EXPECT_EQ(wrapped.lines[0].underlineAt, -1);
  EXPECT_EQ(wrapped.lines[1].underlineAt, 0);
  EXPECT_FALSE(LayOutDrawText("&x", RECT{0, 0, 50, 50}, DT_HIDEPREFIX, nullptr, FakeFont()).drawUnderline);
  EXPECT_FALSE(LayOutDrawText("&x", RECT{0, 0, 50, 50}, DT_PREFIXONLY, nullptr, FakeFont()).drawText);
}

struct EllipsisCase {
  const char* text;
  int width;
  UINT format;
  const char* shown;
};

TEST(DrawTextLayout, ShortensWithEllipses) {
  const EllipsisCase cases[] = {
      {"abcdefgh", 60, DT_SINGLELINE | DT_END_ELLIPSIS, "abc..."},
      {"abcdefgh", 80, DT_SINGLELINE | DT_END_ELLIPSIS, "abcdefgh"},
      {"abcdefgh", 20, DT_SINGLELINE | DT_END_ELLIPSIS, "..."},
      {"C:\\dir\\sub\\file.kit", 150, DT_SINGLELINE | DT_PATH_ELLIPSIS, "C:\\di...\\file.kit"},
      {"C:\\dir\\sub\\file.kit", 100, DT_SINGLELINE | DT_PATH_ELLIPSIS, "...\\fil..."},
      {"abcdefgh", 60, DT_SINGLELINE | DT_WORD_ELLIPSIS, "abc..."},
      // With word breaks only the end of the text is marked.
      {"aa bb ccccccc", 50, DT_WORDBREAK | DT_END_ELLIPSIS, "cc..."},
      {"aa bb ccccccc dd", 50, DT_WORDBREAK | DT_END_ELLIPSIS, "dd"},
  };
  for (const EllipsisCase& c : cases) {
    const DrawTextLayout layout = LayOutDrawText(c.text, RECT{0, 0, c.width, 50}, c.format, nullptr, FakeFont());
    ASSERT_FALSE(layout.lines.empty());
    EXPECT_EQ(layout.lines.back().text, c.shown) << c.text << " in " << c.width;
    EXPECT_LE(layout.lines.back().width, std::max(c.width, 30)) << c.text;
    EXPECT_EQ(layout.ellipsized, std::string(c.shown).find("...") != std::string::npos) << c.text;
  }
}

TEST(DrawTextLayout, WordEllipsisCutsEveryOverlongWord) {
  const DrawTextLayout layout =
      LayOutDrawText("aa ccccccc dd", RECT{0, 0, 50, 100}, DT_WORDBREAK | DT_WORD_ELLIPSIS, nullptr, FakeFont());
  EXPECT_EQ(Lines(layout), (std::vector<std::string>{"aa", "cc...", "dd"}));
}

TEST(DrawTextLayout, EditControlShowsOnlyWholeLinesAndMarksTheCut) {
  // Three lines of text, room for two (a 30-high rectangle of 12-high lines).
  const DrawTextLayout layout = LayOutDrawText("aa bb cc", RECT{0, 0, 40, 30},
                                               DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS, nullptr, FakeFont());
  EXPECT_EQ(Lines(layout), (std::vector<std::string>{"aa", "b..."}));
}

}  // namespace
