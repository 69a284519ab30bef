// String lists: text forms, sorting, duplicates, name=value pairs, change
// events and streaming.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SampleComponents.h"
#include "support/TempFolder.h"

using namespace sample;

namespace {

std::vector<std::string> Lines(TStrings& s) {
  std::vector<std::string> out;
  for (int i = 0; i < s.GetCount(); ++i) out.push_back(s.GetStrings(i));
  return out;
}

using V = std::vector<std::string>;

TEST(StringLists, TextSplitsAtEveryKindOfLineBreak) {
  struct Case {
    std::string text;
    V lines;
  } cases[] = {
      {"a\r\nb", {"a", "b"}}, {"a\nb\rc", {"a", "b", "c"}}, {"a\r\n", {"a"}},
      {"\r\n", {""}},         {"a\n\nb", {"a", "", "b"}},   {"", {}},
      {"a\n\r", {"a", ""}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(Lines(list), c.lines) << c.text;
  }
  TStringList list;
  list.SetText("x\ny");
  EXPECT_EQ(list.GetText(), "x\r\ny\r\n");
}

TEST(StringLists, CommaTextQuotesWhatWouldNotSurvive) {
  struct Case {
    V lines;
    std::string text;
  } writes[] = {
      {{"a", "b c", "d\"e", ""}, "a,\"b c\",\"d\"\"e\","},
      {{""}, "\"\""},
      {{"x,y"}, "\"x,y\""},
      {{}, ""},
  };
  for (const Case& c : writes) {
    TStringList list;
    for (const std::string& s : c.lines) list.Add(s);
    EXPECT_EQ(list.GetCommaText(), c.text);
  }
  Case reads[] = {
      {{"a", "b", "c d"}, "a, b ,\"c d\""},
      {{"a", "b"}, "a b"},  // a blank outside quotes separates too
      {{"a", ""}, "a,"},
      {{"x\"y"}, "\"x\"\"y\""},
      {{"a", "", "b"}, "a,,b"},
  };
  for (const Case& c : reads) {
    TStringList list;
    list.SetCommaText(c.text);
    EXPECT_EQ(Lines(list), c.lines) << c.text;
  }
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  list.SetDelimitedText("a;'b;c'");
  EXPECT_EQ(Lines(list), (V{"a", "b;c"}));
  EXPECT_EQ(list.GetDelimitedText(), "a;'b;c'");
}

TEST(StringLists, SortedListsFindAndKeepOrder) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig"}) list.Add(s);
  EXPECT_EQ(Lines(list), (V{"Apple", "fig", "pear"}));
  int index;
  EXPECT_TRUE(list.Find("FIG", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list.IndexOf("PEAR"), 2);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("PEAR"), -1);
}

TEST(StringLists, DuplicatesFollowTheirSetting) {
  TStringList list;
  list.SetSorted(true);
  list.Add("a");
  EXPECT_EQ(list.Add("A"), 0);  // ignored: the existing index
  EXPECT_EQ(list.GetCount(), 1);
  list.SetDuplicates(dupError);
  try {
    list.Add("a");
    FAIL() << "no error";
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "String list does not allow duplicates");
  }
  list.SetDuplicates(dupAccept);
  list.Add("a");
  EXPECT_EQ(list.GetCount(), 2);
}

TEST(StringLists, BadIndexesNameTheIndex) {
  TStringList list;
  list.Add("only");
  for (int bad : {1, -1}) {
    try {
      list.GetStrings(bad);
      ADD_FAILURE() << "no error";
    } catch (const EStringListError& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
  EXPECT_THROW(list.Delete(3), EStringListError);
  EXPECT_THROW(list.Exchange(0, 2), EStringListError);
}

TEST(StringLists, NamesAndValues) {
  TStringList list;
  list.SetText("a=1\nB=2\nnovalue\nc=x=y");
  EXPECT_EQ(list.GetValues("b"), "2");
  EXPECT_EQ(list.GetValues("c"), "x=y");
  EXPECT_EQ(list.GetValues("novalue"), "");
  EXPECT_EQ(list.GetNames(1), "B");
  EXPECT_EQ(list.GetNames(2), "");
  EXPECT_EQ(list.GetValueFromIndex(3), "x=y");
  EXPECT_EQ(list.IndexOfName("C"), 3);
  list.SetValues("a", "9");
  list.SetValues("d", "4");
  list.SetValues("B", "");
  EXPECT_EQ(Lines(list), (V{"a=9", "novalue", "c=x=y", "d=4"}));
}

TEST(StringLists, ChangeEventsComeOncePerUpdateBracket) {
  TStringList list;
  int changing = 0, changed = 0;
  list.SetOnChanging([&](TObject*) { ++changing; });
  list.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changed;
  });
  list.Add("a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
}

TEST(StringLists, MovesKeepTheirObjects) {
  TStringList list;
  TSampleBevel x, y, z;
  list.AddObject("x", &x);
  list.AddObject("y", &y);
  list.AddObject("z", &z);
  list.Move(0, 2);
  list.Exchange(0, 1);
  EXPECT_EQ(Lines(list), (V{"z", "y", "x"}));
  EXPECT_EQ(list.GetObjects(0), &z);
  EXPECT_EQ(list.GetObjects(2), &x);
  EXPECT_EQ(list.IndexOfObject(&y), 1);
  list.CustomSort([](TStringList* l, int a, int b) { return l->GetStrings(a).compare(l->GetStrings(b)); });
  EXPECT_EQ(Lines(list), (V{"x", "y", "z"}));
  EXPECT_EQ(list.GetObjects(0), &x);
}

TEST(StringLists, AssignAndEquals) {
  TStringList a, b;
  a.SetText("one\ntwo");
  b.Assign(&a);
  EXPECT_TRUE(b.Equals(&a));
  b.SetStrings(1, "TWO");
  EXPECT_FALSE(b.Equals(&a));  // case counts
  TSampleBevel bevel;
  EXPECT_THROW(a.Assign(&bevel), EConvertError);
}

TEST(StringLists, FilesAreWrittenWithCrLfAndRead) {
  TempFolder folder;
  const std::string path = folder / "strings.txt";
  TStringList list;
  list.SetText("alpha\nbeta");
  list.SaveToFile(path);
  TMemoryStream raw;
  raw.LoadFromFile(path);
  EXPECT_EQ(StreamText(raw), "alpha\r\nbeta\r\n");
  TStringList back;
  back.LoadFromFile(path);
  EXPECT_EQ(Lines(back), (V{"alpha", "beta"}));
  std::remove(path.c_str());
}

TEST(StringLists, StreamAsTheStringsOfTheirOwner) {
  RegisterSampleClasses();
  TSample sample(nullptr);
  sample.SetName("S");
  sample.GetLines()->SetText("first\nsecond");
  TMemoryStream binary;
  WriteComponent(&binary, &sample);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  EXPECT_NE(text.GetDataString().find("  Lines.Strings = (\r\n    'first'\r\n    'second')\r\n"), std::string::npos)
      << text.GetDataString();
  binary.SetPosition(0);
  TSample copy(nullptr);
  ReadComponent(&binary, &copy);
  EXPECT_EQ(Lines(*copy.GetLines()), (V{"first", "second"}));
}

}  // namespace
