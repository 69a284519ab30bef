#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/rtl/StringUtils.h"

namespace {

TEST(StringUtils, OneBasedCopyDeleteInsertClampToTheString) {
  struct CopyCase {
    int index, count;
    const char* expected;
  };
  for (const auto& c : std::vector<CopyCase>{{1, 3, "abc"},
                                             {4, 99, "def"},
                                             {0, 2, "ab"},
                                             {7, 1, ""},
                                             {-5, 2, "ab"},
                                             {3, 0, ""},
                                             {3, -1, ""},
                                             {6, 1, "f"}})
    EXPECT_EQ(Copy("abcdef", c.index, c.count), c.expected) << c.index << "," << c.count;

  struct DeleteCase {
    int index, count;
    const char* expected;
  };
  for (const auto& c : std::vector<DeleteCase>{{2, 2, "adef"}, {5, 10, "abcd"}, {0, 2, "abcdef"}, {7, 1, "abcdef"}}) {
    std::string s = "abcdef";
    Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.expected) << c.index << "," << c.count;
  }

  std::string s = "ace";
  Insert("b", s, 2);
  Insert("!", s, 99);
  Insert("<", s, -3);
  EXPECT_EQ(s, "<abce!");
}

TEST(StringUtils, PosTrimAndComparisons) {
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("x", "hello"), 0);
  EXPECT_EQ(Pos("", "hello"), 0);
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(CompareText("Kit", "KIT"), 0);
  EXPECT_LT(CompareText("a", "B"), 0);  // case folded before comparing
  EXPECT_GT(CompareStr("a", "B"), 0);  // plain byte order
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_TRUE(SameText("Song.BKV", "song.bkv"));
  EXPECT_EQ(UpperCase("abc-é"), "ABC-é");  // ASCII letters only; UTF-8 bytes untouched
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -1), "");
}

TEST(StringUtils, QuotingRoundTrips) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");
  std::string text = "'it''s' rest";
  std::size_t pos = 0;
  EXPECT_EQ(AnsiExtractQuotedStr(text, pos, '\''), "it's");
  EXPECT_EQ(text.substr(pos), " rest");
  pos = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("plain", pos, '\''), "");
  EXPECT_EQ(pos, 0u);
  EXPECT_EQ(AnsiDequotedStr("'a''b'", '\''), "a'b");
  EXPECT_EQ(AnsiDequotedStr("'open", '\''), "'open");
}

}  // namespace
