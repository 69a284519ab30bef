#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/TextFile.h"
#include "support/TempFolder.h"

namespace {

class TextFiles : public ::testing::Test {
 protected:
  // Opens `name` in the temp folder for reading after writing `content` to it.
  void OpenWith(const std::string& content, const std::string& name = "in.txt") {
    dir.WriteBytes(name, content);
    AssignFile(f, dir / name);
    Reset(f);
  }

  // The error number and message an action raises.
  static std::pair<int, std::string> ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const EInOutError& e) {
      return {e.ErrorCode, e.GetMessage()};
    }
    return {0, ""};
  }

  TempFolder dir;
  TextFile f;
};

TEST_F(TextFiles, WritesLinesWithCrLf) {
  AssignFile(f, dir / "out.txt");
  Rewrite(f);
  Write(f, 1, ' ', -20, ' ', std::string("x"));
  WriteLn(f);
  WriteLn(f, "Kit name");
  WriteLn(f, std::int64_t{5000000000}, ' ', true);
  CloseFile(f);
  EXPECT_EQ(dir.ReadBytes("out.txt"), "1 -20 x\r\nKit name\r\n5000000000 TRUE\r\n");

  Append(f);
  WriteLn(f, "more");
  CloseFile(f);
  EXPECT_EQ(dir.ReadBytes("out.txt"), "1 -20 x\r\nKit name\r\n5000000000 TRUE\r\nmore\r\n");

  Rewrite(f);  // empties an existing file
  CloseFile(f);
  EXPECT_EQ(dir.ReadBytes("out.txt"), "");
}

TEST_F(TextFiles, IntegersAreReadAcrossBlanksAndLineEnds) {
  OpenWith("1 2\r\n  -3\t4\n\n5 6 7 8\r\n9\r\n");
  int a = 0, b = 0, c = 0, d = 0;
  Read(f, a, b, c);
  ReadLn(f, d);  // also ends line 2
  EXPECT_EQ((std::vector<int>{a, b, c, d}), (std::vector<int>{1, 2, -3, 4}));
  short s = 0;
  long long big = 0;
  ReadLn(f, s, big);  // skips the empty line; 7 and 8 are discarded
  EXPECT_EQ(s, 5);
  EXPECT_EQ(big, 6);
  ReadLn(f, a);
  EXPECT_EQ(a, 9);
  EXPECT_TRUE(Eof(f));
  CloseFile(f);
}

TEST_F(TextFiles, LinesEndWithCrLfLfOrCr) {
  OpenWith("first\r\nsecond\nthird\rfourth");
  std::vector<std::string> lines;
  while (!Eof(f)) {
    std::string line;
    ReadLn(f, line);
    lines.push_back(line);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "third", "fourth"}));
  std::string after = "unchanged";
  ReadLn(f, after);  // at the end a string reads empty, without an error
  EXPECT_EQ(after, "");
}

TEST_F(TextFiles, EolnAndSeekEof) {
  OpenWith("12  \r\n   \r\n");
  int v;
  Read(f, v);
  EXPECT_FALSE(Eoln(f));
  EXPECT_TRUE(SeekEoln(f));
  EXPECT_TRUE(SeekEof(f));
  EXPECT_TRUE(Eof(f));
}

TEST_F(TextFiles, ShortStringsKeepWholeUtf8SequencesAndDropTheRestOfTheLine) {
  struct Case {
    std::string line;
    std::string expected;
  };
  // "é" is two bytes, "€" three; the limit is 5 bytes.
  const std::vector<Case> cases = {
      {"Hello World", "Hello"}, {"Héllo", "Héll"}, {"Hell€", "Hell"}, {"Ab€x", "Ab€"}, {"abc", "abc"}, {"", ""},
  };
  std::string content;
  for (const auto& c : cases) content += c.line + "\r\nnext\r\n";
  OpenWith(content);
  for (const auto& c : cases) {
    ShortString<5> s;
    ReadLn(f, s);
    EXPECT_EQ(s.Get(), c.expected) << c.line;
    std::string next;
    ReadLn(f, next);
    EXPECT_EQ(next, "next") << "after " << c.line;
  }
}

TEST_F(TextFiles, ErrorsCarryTheRunTimeNumbers) {
  EXPECT_EQ(ErrorOf([&] {
              AssignFile(f, dir / "missing.txt");
              Reset(f);
            }),
            std::make_pair(2, std::string("File not found")));
  EXPECT_EQ(ErrorOf([&] {
              AssignFile(f, dir / "no/such/dir.txt");
              Rewrite(f);
            }).first,
            3);
  EXPECT_EQ(ErrorOf([&] {
              AssignFile(f, dir.Path());
              Reset(f);
            }).first,
            5);
  EXPECT_EQ(ErrorOf([&] {
              TextFile g;
              AssignFile(g, dir / "x");
              CloseFile(g);
            }),
            std::make_pair(103, std::string("File not open")));

  OpenWith("7 oops\r\n 12x\r\n");
  int v = -1;
  Read(f, v);
  EXPECT_EQ(ErrorOf([&] { Read(f, v); }), std::make_pair(106, std::string("Invalid numeric input")));
  EXPECT_EQ(v, 7);  // a failed read leaves the variable alone
  EXPECT_EQ(ErrorOf([&] { ReadLn(f, v); }).first, 106);
  EXPECT_EQ(ErrorOf([&] { Read(f, v); }), std::make_pair(100, std::string("Read beyond end of file")));
  EXPECT_EQ(ErrorOf([&] { WriteLn(f, "x"); }).first, 105);
  unsigned char small;
  OpenWith("300\r\n", "range.txt");
  EXPECT_EQ(ErrorOf([&] { Read(f, small); }).first, 106);  // does not fit the variable

  AssignFile(f, dir / "out.txt");
  Rewrite(f);
  EXPECT_EQ(ErrorOf([&] { ReadLn(f, v); }).first, 104);
  CloseFile(f);
}

TEST_F(TextFiles, WithCheckingOffAnErrorWaitsInIOResultAndBlocksFurtherCalls) {
  IOCheckingOff off;
  AssignFile(f, dir / "missing.txt");
  Reset(f);
  // While the error is unread, nothing else happens: not even the write.
  AssignFile(f, dir / "out.txt");
  Rewrite(f);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
  EXPECT_EQ(IOResult(), 2);
  EXPECT_EQ(IOResult(), 0);
  Rewrite(f);
  WriteLn(f, "ok");
  CloseFile(f);
  EXPECT_EQ(IOResult(), 0);
  EXPECT_EQ(dir.ReadBytes("out.txt"), "ok\r\n");
}

TEST_F(TextFiles, NamesWithBackslashesAndOtherCaseAreFound) {
  dir.WriteBytes("User Kits/Funk.kit", "Funk\r\n");
  AssignFile(f, dir.Path() + "\\user kits\\FUNK.KIT");
  Reset(f);
  std::string name;
  ReadLn(f, name);
  EXPECT_EQ(name, "Funk");
}

}  // namespace
