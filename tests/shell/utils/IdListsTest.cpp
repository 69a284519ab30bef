// Item-ID lists: sizes, copies, the desktop's two spellings, the order of
// absolute lists, and the item and ancestor walker.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "controls/shell/UNavShellUtils.h"
#include "platform/vcl/SysUtils.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"

namespace {

// A list built from raw items ("payload" each gets its 2-byte count), in an
// allocation of exactly its size so that the sanitizers see any read past it.
struct TRawList {
  explicit TRawList(const std::vector<std::string>& payloads) {
    std::string bytes;
    for (const std::string& p : payloads) {
      const auto cb = static_cast<USHORT>(p.size() + 2);
      bytes += static_cast<char>(cb & 0xFF);
      bytes += static_cast<char>(cb >> 8);
      bytes += p;
    }
    bytes += std::string(2, '\0');
    block = std::make_unique<BYTE[]>(bytes.size());
    std::memcpy(block.get(), bytes.data(), bytes.size());
    size = bytes.size();
  }
  LPCITEMIDLIST get() const { return reinterpret_cast<LPCITEMIDLIST>(block.get()); }
  std::unique_ptr<BYTE[]> block;
  std::size_t size = 0;
};

std::string BytesOf(LPCITEMIDLIST list) {
  return std::string(reinterpret_cast<const char*>(list), static_cast<std::size_t>(PidlSize(list)));
}

int Sign(int value) {
  return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

TEST(IdListsTest, SizesAndCopiesFollowTheNilAndEmptyRules) {
  const TRawList empty({});
  const TRawList two({"ab", "cde"});
  EXPECT_EQ(PidlSize(nullptr), 0);
  EXPECT_EQ(PidlSize(empty.get()), 2);
  EXPECT_EQ(PidlSize(two.get()), 4 + 5 + 2);

  TShellPidl fromNil{CopyPidl(nullptr, nullptr)};
  ASSERT_NE(fromNil.p, nullptr);
  EXPECT_EQ(BytesOf(fromNil.p), std::string(2, '\0'));

  TShellPidl copy{CopyPidl(nullptr, two.get())};
  EXPECT_EQ(BytesOf(copy.p), std::string(reinterpret_cast<const char*>(two.block.get()), two.size));

  TShellPidl joined{ConcatPidls(nullptr, two.get(), TRawList({"f"}).get())};
  EXPECT_EQ(PidlSize(joined.p), 4 + 5 + 3 + 2);
  TShellPidl onlySecond{ConcatPidls(ShellMalloc(), nullptr, two.get())};
  EXPECT_EQ(BytesOf(onlySecond.p), BytesOf(two.get()));
}

TEST(IdListsTest, ComparePidlsIsAntisymmetricWithBothDesktopSpellingsEqual) {
  TShellHome home;
  home.MakeFolder("a/inner");
  home.MakeFolder("b");
  home.MakeFile("a/song.txt");
  const TRawList empty({});
  std::vector<TShellPidl> owned(5);
  const char* paths[] = {"a", "b", "a/inner", "a/song.txt", ""};
  for (int i = 0; i < 4; ++i)
    ASSERT_EQ(PathToPidl(home.Home + "/" + paths[i], &owned[static_cast<std::size_t>(i)].p), S_OK) << paths[i];
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &owned[4].p), S_OK);
  const std::vector<LPCITEMIDLIST> lists = {nullptr,    empty.get(), owned[0].p, owned[1].p,
                                            owned[2].p, owned[3].p,  owned[4].p};

  EXPECT_EQ(ComparePidls(nullptr, empty.get()), 0);
  EXPECT_EQ(ComparePidls(empty.get(), nullptr), 0);
  EXPECT_LT(ComparePidls(nullptr, owned[0].p), 0);
  EXPECT_GT(ComparePidls(owned[0].p, empty.get()), 0);
  for (std::size_t i = 0; i < lists.size(); ++i) {
    for (std::size_t j = 0; j < lists.size(); ++j) {
      const int forward = ComparePidls(lists[i], lists[j]);
      const int backward = ComparePidls(lists[j], lists[i]);
      ASSERT_NE(forward, kPidlCompareFailed) << i << " " << j;
      EXPECT_EQ(Sign(forward), -Sign(backward)) << i << " " << j;
      if (i == j || (i < 2 && j < 2)) {
        EXPECT_EQ(forward, 0) << i << " " << j;
      }
    }
  }
  EXPECT_NE(ComparePidls(owned[0].p, owned[2].p), 0);
}

TEST(IdListsTest, ComparePidlsReportsAListTheShellCannotRead) {
  TShellHome home;
  TShellPidl folder;
  ASSERT_EQ(PathToPidl(home.Home, &folder.p), S_OK);
  const TRawList garbage(
      {"\x7F"
       "nonsense"});
  EXPECT_EQ(ComparePidls(folder.p, garbage.get()), kPidlCompareFailed);
}

TEST(IdListArrayTest, CountsItemsAndCopiesOneAtATime) {
  const TRawList list({"one", "two", "three"});
  TNavIdListArray items(list.get());
  ASSERT_EQ(items.GetCount(), 3);
  const std::string expected[] = {"one", "two", "three"};
  for (int i = 0; i < 3; ++i) {
    LPCITEMIDLIST item = items.Item(i);
    ASSERT_EQ(PidlSize(item), static_cast<int>(expected[i].size()) + 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(item) + 2, expected[i].size()), expected[i]);
  }
  EXPECT_EQ(TNavIdListArray(nullptr).GetCount(), 0);
}

TEST(IdListArrayTest, ItemOutOfRangeRaisesWithTheIndexAndNeverReadsPastTheTerminator) {
  const TRawList list({"one", "two"});
  const TRawList empty({});
  struct Case {
    LPCITEMIDLIST list;
    int index;
  } cases[] = {{list.get(), 2}, {list.get(), -1}, {nullptr, 0}, {empty.get(), 1}, {empty.get(), 7}};
  for (const Case& c : cases) {
    TNavIdListArray items(c.list);
    try {
      items.Item(c.index);
      ADD_FAILURE() << "index " << c.index << " did not raise";
    } catch (const Exception& e) {
      EXPECT_EQ(e.GetMessage(), "TNavIdListArray - index " + std::to_string(c.index) + " out of range");
    }
  }
  // Index 0 of the empty list is the empty list (2 bytes in its own block).
  TNavIdListArray items(empty.get());
  EXPECT_EQ(PidlSize(items.Item(0)), 2);
}

TEST(IdListArrayTest, AncestorKeepsTheLeadingItems) {
  const TRawList list({"a", "bb", "ccc"});
  TNavIdListArray items(list.get());
  EXPECT_EQ(BytesOf(items.Ancestor(0)), BytesOf(list.get()));
  EXPECT_EQ(BytesOf(items.Ancestor(1)), BytesOf(TRawList({"a", "bb"}).get()));
  EXPECT_EQ(BytesOf(items.Ancestor(3)), std::string(2, '\0'));
  EXPECT_EQ(items.Ancestor(4), nullptr);
  EXPECT_EQ(TNavIdListArray(nullptr).Ancestor(0), nullptr);
}

}  // namespace
