// The data of tree nodes, list items and combo entries over a temporary home.
#include <gtest/gtest.h>

#include <string>

#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"

namespace {

std::string Shown(const std::string& posixPath) {
  return win::kernel::ToWindowsPath(posixPath);
}

// A shell list's side of its items' data: a folder, bound, with or without
// a column source.
class TListOwner : public TNavShListDataOwner {
 public:
  explicit TListOwner(LPCITEMIDLIST folder) : FIdList(CopyPidl(nullptr, folder)) {
    EXPECT_EQ(GetShellFolder(FIdList, &FFolder), S_OK);
  }
  ~TListOwner() {
    if (FDetails) FDetails->Release();
    if (FFolder) FFolder->Release();
    ShellFree(FIdList);
  }
  void UseColumnSource() { FDetails = GetShellDetails(FFolder); }
  // The relative list of a name in the folder.
  LPITEMIDLIST Child(const std::string& name) {
    LPITEMIDLIST item = nullptr;
    ULONG eaten = 0;
    std::wstring wide(name.begin(), name.end());
    EXPECT_EQ(FFolder->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &item, nullptr), S_OK) << name;
    return item;
  }

  IMalloc* GetItemMalloc() override { return ShellMalloc(); }
  LPCITEMIDLIST GetFolderIdList() override { return FIdList; }
  IShellFolder* GetBoundFolder() override { return FFolder; }
  IShellDetails* GetColumnSource() override { return FDetails; }

 private:
  LPITEMIDLIST FIdList;
  IShellFolder* FFolder = nullptr;
  IShellDetails* FDetails = nullptr;
};

class ItemDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home.MakeFile("beats/10:30 kick.wav", std::string(1025, 'k'));
    home.MakeFile("beats/old.lnk");
    home.MakeFolder("beats/kits");
    ASSERT_EQ(PathToPidl(home.Home + "/beats", &beats.p), S_OK);
  }
  TShellHome home;
  TShellPidl beats;
};

TEST_F(ItemDataTest, ListItemsKnowTheirPathsNamesAndKinds) {
  TListOwner owner(beats.p);
  TNavShListData kick(&owner);
  kick.SetRelIdList(owner.Child("10:30 kick.wav"));
  EXPECT_EQ(kick.GetItemPath(), Shown(home.Home + "/beats/10:30 kick.wav"));
  EXPECT_EQ(kick.GetItemFileName(), "10:30 kick.wav");
  EXPECT_EQ(kick.DisplayName(), "10:30 kick.wav");
  EXPECT_FALSE(kick.IsFolder());
  EXPECT_TRUE(kick.CanRename());
  EXPECT_FALSE(kick.IsLinkFile());
  EXPECT_EQ(ComparePidls(kick.AbsIdList(), TShellPidl(ConcatPidls(nullptr, beats.p, kick.GetRelIdList())).p), 0);

  TNavShListData kits(&owner);
  kits.SetRelIdList(owner.Child("kits"));
  EXPECT_TRUE(kits.IsFolder());
  TNavShListData link(&owner);
  link.SetRelIdList(owner.Child("old.lnk"));
  EXPECT_TRUE(link.IsLinkFile());

  // A new relative list forgets what was cached.
  kick.SetRelIdList(owner.Child("kits"));
  EXPECT_EQ(kick.GetItemFileName(), "kits");
  EXPECT_TRUE(kick.IsFolder());
}

TEST_F(ItemDataTest, DetailTextsWithAndWithoutAColumnSource) {
  TListOwner owner(beats.p);
  TNavShListData kick(&owner);
  kick.SetRelIdList(owner.Child("10:30 kick.wav"));
  TNavShListData kits(&owner);
  kits.SetRelIdList(owner.Child("kits"));
  EXPECT_EQ(kick.DetailText(0), "");
  EXPECT_EQ(kick.DetailText(1), "2KB");
  EXPECT_FALSE(kick.DetailText(2).empty());
  EXPECT_FALSE(kick.DetailText(3).empty());
  EXPECT_EQ(kick.DetailText(4), "");
  EXPECT_EQ(kits.DetailText(1), "");

  TListOwner withColumns(beats.p);
  withColumns.UseColumnSource();
  TNavShListData viaColumns(&withColumns);
  viaColumns.SetRelIdList(withColumns.Child("10:30 kick.wav"));
  EXPECT_EQ(viaColumns.DetailText(0), "");
  EXPECT_FALSE(viaColumns.DetailText(1).empty());
  EXPECT_EQ(viaColumns.DetailText(40), "");
}

TEST_F(ItemDataTest, AnItemTheShellCannotDescribeHasNoAttributes) {
  TListOwner owner(beats.p);
  TNavShListData unknown(&owner);
  // An item of a kind the shell does not know.
  auto* garbage = static_cast<BYTE*>(ShellAlloc(7));
  const BYTE bytes[] = {5, 0, 0x7F, 'z', 0, 0, 0};
  std::memcpy(garbage, bytes, sizeof bytes);
  unknown.SetRelIdList(reinterpret_cast<LPITEMIDLIST>(garbage));
  EXPECT_EQ(unknown.Attributes(), 0u);
  EXPECT_FALSE(unknown.IsFolder());
  EXPECT_FALSE(unknown.CanRename());
  EXPECT_EQ(unknown.GetItemPath(), "");
}

TEST_F(ItemDataTest, ItemsOutsideTheFileSystemHaveNoPath) {
  TListOwner desktop(nullptr);
  TShellPidl drives;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &drives.p), S_OK);
  TNavShListData computer(&desktop);
  computer.SetRelIdList(CopyPidl(nullptr, drives.p));
  EXPECT_EQ(computer.GetItemPath(), "");
  EXPECT_EQ(computer.GetItemFileName(), "");
  EXPECT_TRUE(computer.IsFolder());
}

TEST_F(ItemDataTest, TreeNodesBuildTheirListsAndFolders) {
  TNavShTreeData root(nullptr);
  root.Init(nullptr, ShellMalloc(), beats.p);
  EXPECT_FALSE(root.CanRename());
  EXPECT_EQ(root.ParentFolder(), nullptr);
  ASSERT_NE(root.BoundFolder(), nullptr);

  TListOwner owner(beats.p);
  TShellPidl kitsItem(owner.Child("kits"));
  TNavShTreeData kits(nullptr);
  kits.Init(&root, ShellMalloc(), kitsItem.p);
  EXPECT_NE(kits.GetRelIdList(), kitsItem.p);  // a copy
  EXPECT_EQ(PidlToPath(kits.AbsIdList()), Shown(home.Home + "/beats/kits"));
  EXPECT_EQ(kits.ParentFolder(), root.BoundFolder());
  ASSERT_NE(kits.BoundFolder(), nullptr);
  EXPECT_TRUE(kits.CanRename());
  IDropTarget* target = nullptr;
  ASSERT_EQ(kits.GetDropTarget(nullptr, &target), S_OK);
  target->Release();

  // Renamed on disk: the new relative list makes the new absolute list.
  std::filesystem::rename(home.Home + "/beats/kits", home.Home + "/beats/kits 2");
  TShellPidl renamed(owner.Child("kits 2"));
  kits.SetRelIdList(renamed.p);
  EXPECT_EQ(PidlToPath(kits.AbsIdList()), Shown(home.Home + "/beats/kits 2"));
  kits.Invalidate();
  EXPECT_EQ(PidlToPath(kits.AbsIdList()), Shown(home.Home + "/beats/kits 2"));
  EXPECT_NE(kits.BoundFolder(), nullptr);
}

TEST_F(ItemDataTest, TheDesktopRootBindsTheDesktop) {
  TNavShTreeData root(nullptr);
  root.Init(nullptr, ShellMalloc(), nullptr);
  EXPECT_EQ(PidlSize(root.AbsIdList()), 2);
  EXPECT_NE(root.BoundFolder(), nullptr);
  EXPECT_FALSE(root.CanRename());
  IDropTarget* target = nullptr;
  ASSERT_EQ(root.GetDropTarget(nullptr, &target), S_OK);
  target->Release();
}

TEST_F(ItemDataTest, ComboEntriesJoinTheirLists) {
  TNavShComboData desktop(nullptr);
  desktop.Init(nullptr, nullptr, nullptr);
  EXPECT_EQ(PidlSize(desktop.GetAbsIdList()), 2);

  TListOwner owner(beats.p);
  TShellPidl kitsItem(owner.Child("kits"));
  TNavShComboData kits(nullptr);
  kits.Init(owner.GetBoundFolder(), beats.p, kitsItem.p);
  EXPECT_EQ(kits.GetParentFolder(), owner.GetBoundFolder());
  EXPECT_EQ(PidlToPath(kits.GetAbsIdList()), Shown(home.Home + "/beats/kits"));
  EXPECT_EQ(ComparePidls(kits.GetParentIdList(), beats.p), 0);
}

}  // namespace
