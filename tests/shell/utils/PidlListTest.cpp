// TNavPidlList: sorted insertion with each duplicate rule, the byte order,
// searching among equal entries and freeing through the allocator.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/shell/UNavShellUtils.h"
#include "platform/vcl/SysUtils.h"
#include "tests/shell/shared/ShellHome.h"

namespace {

// A list of one item from the shell allocator.
LPITEMIDLIST MakeList(const std::string& payload) {
  const std::size_t size = payload.size() + 4;
  auto* block = static_cast<BYTE*>(ShellAlloc(size));
  const auto cb = static_cast<USHORT>(payload.size() + 2);
  std::memcpy(block, &cb, 2);
  std::memcpy(block + 2, payload.data(), payload.size());
  block[size - 2] = block[size - 1] = 0;
  return reinterpret_cast<LPITEMIDLIST>(block);
}

std::string PayloadOf(LPCITEMIDLIST list) {
  return std::string(reinterpret_cast<const char*>(list) + 2, list->mkid.cb - 2u);
}

std::vector<std::string> Payloads(const TNavPidlList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(PayloadOf(list.GetPidls(i)));
  return out;
}

class PidlListTest : public ::testing::Test {
 protected:
  void SetUp() override { list.SetMalloc(ShellMalloc()); }
  TNavPidlList list;
};

TEST_F(PidlListTest, SortingOnSettingAndInsertingInByteOrder) {
  for (const char* name : {"b", "abc", "ab", "a"}) list.Add(MakeList(name));
  EXPECT_EQ(Payloads(list), (std::vector<std::string>{"b", "abc", "ab", "a"}));
  list.SetSorted(true);
  // The item's byte count is its first byte: shorter items come first.
  EXPECT_EQ(Payloads(list), (std::vector<std::string>{"a", "b", "ab", "abc"}));
  EXPECT_EQ(list.Add(MakeList("aa")), 2);
  EXPECT_EQ(list.IndexOf(list.GetPidls(3)), 3);
}

TEST_F(PidlListTest, ComparePidlBytesOrdersPrefixesFirst) {
  // The same item count with the items' bytes deciding; one list a prefix of
  // another.
  const BYTE shortList[] = {3, 0, 'a', 0, 0};
  const BYTE longList[] = {3, 0, 'a', 3, 0, 'b', 0, 0};
  const BYTE other[] = {3, 0, 'b', 0, 0};
  auto l = [](const BYTE* b) { return reinterpret_cast<LPCITEMIDLIST>(b); };
  EXPECT_LT(ComparePidlBytes(l(shortList), l(longList)), 0);
  EXPECT_GT(ComparePidlBytes(l(longList), l(shortList)), 0);
  EXPECT_LT(ComparePidlBytes(l(longList), l(other)), 0);
  EXPECT_EQ(ComparePidlBytes(l(other), l(other)), 0);
}

TEST_F(PidlListTest, DuplicateRulesOfASortedList) {
  list.SetSorted(true);
  list.Add(MakeList("m"));
  list.Add(MakeList("z"));

  list.SetDuplicates(pdIgnore);
  LPITEMIDLIST again = MakeList("m");
  EXPECT_EQ(list.Add(again), 0);
  EXPECT_EQ(list.GetCount(), 2);
  ShellFree(again);

  list.SetDuplicates(pdError);
  LPITEMIDLIST refused = MakeList("z");
  try {
    list.Add(refused);
    ADD_FAILURE() << "a duplicate was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "TNavPidlList: Duplicate PIDL");
  }
  ShellFree(refused);
  EXPECT_EQ(list.GetCount(), 2);

  list.SetDuplicates(pdAccept);
  list.Add(MakeList("m"));
  list.Add(MakeList("m"));
  EXPECT_EQ(Payloads(list), (std::vector<std::string>{"m", "m", "m", "z"}));
  int index = -1;
  LPITEMIDLIST probe = MakeList("m");
  EXPECT_TRUE(list.Find(probe, index));
  EXPECT_EQ(index, 0);  // the first of the equal entries
  ShellFree(probe);
}

TEST_F(PidlListTest, ObjectsAndDeletion) {
  TObject marker;
  list.AddObject(MakeList("x"), &marker);
  list.Add(MakeList("y"));
  EXPECT_EQ(list.GetObjects(0), &marker);
  EXPECT_EQ(list.GetObjects(1), nullptr);
  list.Delete(0);
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(PayloadOf(list.GetPidls(0)), "y");
  LPITEMIDLIST missing = MakeList("q");
  EXPECT_EQ(list.IndexOf(missing), -1);
  ShellFree(missing);
}

TEST(PidlListFolderTest, SortsByTheFoldersOrder) {
  TShellHome home;
  home.MakeFile("b.wav");
  home.MakeFile("A.wav");
  home.MakeFolder("zeta");
  IShellFolder* folder = nullptr;
  LPITEMIDLIST homeList = nullptr;
  ASSERT_EQ(PathToPidl(home.Home, &homeList), S_OK);
  ASSERT_EQ(GetShellFolder(homeList, &folder), S_OK);
  ShellFree(homeList);
  TNavPidlList list;
  list.SetMalloc(ShellMalloc());
  list.SetShellFolder(folder);
  for (const char* name : {"b.wav", "zeta", "A.wav"}) {
    LPITEMIDLIST item = nullptr;
    ULONG eaten = 0;
    std::wstring wide(name, name + std::strlen(name));
    ASSERT_EQ(folder->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &item, nullptr), S_OK);
    list.Add(item);
  }
  list.SetSorted(true);
  std::vector<std::string> names;
  for (int i = 0; i < list.GetCount(); ++i) names.push_back(GetDisplayName(folder, list.GetPidls(i), nkInFolder));
  EXPECT_EQ(names, (std::vector<std::string>{"zeta", "A.wav", "b.wav"}));
  list.Clear();
  folder->Release();
}

}  // namespace
