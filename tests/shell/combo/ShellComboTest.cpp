// The "Look in" combo: the chain from the desktop down to the current folder
// with the volumes inline, lazy captions and icons, going up, and the link to
// a list or tree that follows it both ways without looping.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/shell/UNavShellControls/ComboData.h"
#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellUtils/IdLists.h"
#include "controls/shell/UNavShellUtils/ShellItems.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"
#include "tests/shell/shared/ViewHost.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

// Reaches what the combo keeps to itself.
class TProbeShellCombo : public TNavShellCombo {
 public:
  using TNavShellCombo::TNavShellCombo;
  void FillInfo(int index) { GetItemInfo(Item(index)); }
  void ChooseEntry(int index) {
    SetItemIndex(index);
    SelEndOk();
  }
  LPCITEMIDLIST AbsOf(int index) const { return static_cast<TNavShComboData*>(Item(index)->GetData())->GetAbsIdList(); }
  int Count() const { return GetItems()->GetCount(); }
  void FinishLoading() { Loaded(); }
};

// Stands in for a shell list: keeps its own folder, reports its own moves to
// the combo as a list does, and records what the combo tells it.
class TFakePartner : public TComponent, public INavShellComboPartner {
 public:
  using TComponent::TComponent;
  ~TFakePartner() override {
    if (combo) combo->SetShellList(nullptr);
  }
  TComponent* ComboPartnerComponent() override { return this; }
  void SetComboLink(TNavCustomShellCombo* value) override { combo = value; }
  void ComboFolderChanged(TNavShellLocator* folder) override {
    moves++;
    MoveTo(folder->GetPidl());
  }
  void ComboLoaded(TNavShellLocator* folder) override { MoveTo(folder->GetPidl()); }
  // The list's own folder change, told to its combo.
  void MoveTo(LPCITEMIDLIST list) {
    ShellFree(folderList);
    folderList = CopyPidl(nullptr, list);
    if (combo) combo->GetLocator()->SetPidl(folderList);
  }
  TNavCustomShellCombo* combo = nullptr;
  LPITEMIDLIST folderList = nullptr;
  int moves = 0;

  void Forget() {
    ShellFree(folderList);
    folderList = nullptr;
  }
};

TShellPidl PidlOf(const std::string& path) {
  TShellPidl list;
  EXPECT_EQ(PathToPidl(path, &list.p), S_OK) << path;
  return list;
}

class ShellComboTest : public ViewHostTest {
 protected:
  std::string HostTitle() const override { return "Shell combo"; }
  void SetUp() override {
    ViewHostTest::SetUp();
    home.MakeFolder("Desktop/Kits");
    home.MakeFile("Desktop/notes.txt");
    // A folder exactly two levels below its own volume: the volume with the
    // longest mount point holding the temporary home, and the first two
    // names below it.
    const std::string canonical = fs::canonical(home.Home).string();
    for (const std::string& mountPoint : win::user::MountedVolumePaths()) {
      volumes.push_back(mountPoint);
      const std::string prefix = mountPoint == "/" ? "/" : mountPoint + "/";
      if (canonical.rfind(prefix, 0) == 0 && mountPoint.size() >= volume.size()) volume = mountPoint;
    }
    ASSERT_FALSE(volume.empty());
    fs::path below = fs::path(canonical).lexically_relative(volume);
    auto it = below.begin();
    ASSERT_NE(it, below.end());
    first = (fs::path(volume) / *it).string();
    ++it;
    ASSERT_NE(it, below.end());
    second = (fs::path(first) / *it).string();
  }
  void TearDown() override {
    delete combo;
    ViewHostTest::TearDown();
  }
  TProbeShellCombo* MakeCombo(const std::string& path) { return MakeComboAt(PidlOf(path).p); }
  // Nil: the desktop.
  TProbeShellCombo* MakeComboAt(LPCITEMIDLIST list) {
    combo = new TProbeShellCombo(host);
    combo->SetParent(host);
    combo->SetBounds(10, 10, 320, 24);
    combo->GetLocator()->SetPidl(list);
    combo->HandleNeeded();
    Pump();
    return combo;
  }
  int IndexOf(LPCITEMIDLIST list) const {
    for (int i = 0; i < combo->Count(); i++)
      if (ComparePidls(combo->AbsOf(i), list) == 0) return i;
    return -1;
  }
  // The entry at a level with a caption (captions are filled on the way).
  int IndexOfName(const std::string& caption, int level) const {
    for (int i = 0; i < combo->Count(); i++) {
      combo->FillInfo(i);
      if (combo->Item(i)->GetIndent() == level && combo->Item(i)->GetCaption() == caption) return i;
    }
    return -1;
  }
  bool SelectedIs(const std::string& path) const {
    const int index = combo->GetItemIndex();
    return index >= 0 && ComparePidls(combo->AbsOf(index), PidlOf(path).p) == 0;
  }

  TShellHome home;
  TProbeShellCombo* combo = nullptr;
  std::vector<std::string> volumes;
  std::string volume, first, second;
};

TEST_F(ShellComboTest, ListsTheChainWithTheVolumesInline) {
  MakeCombo(second);
  const int n = combo->Count();
  ASSERT_GT(n, 0);
  const int firstAt = IndexOf(PidlOf(first).p);
  ASSERT_GT(firstAt, 0);
  // The folder above it waits for its caption and icon until drawn.
  TNavImageComboItem* lazy = combo->Item(firstAt);
  EXPECT_EQ(lazy->GetCaption(), "");
  EXPECT_EQ(lazy->GetImageIndex(), -1);
  combo->FillInfo(firstAt);
  EXPECT_EQ(lazy->GetCaption(), fs::path(first).filename().string());
  EXPECT_EQ(lazy->GetImageIndex(), GetIconIndex(combo->AbsOf(firstAt), SHGFI_SMALLICON));
  // The desktop alone at level 0, named at once.
  EXPECT_EQ(combo->Item(0)->GetIndent(), 0);
  EXPECT_TRUE(IsDesktopPidl(combo->AbsOf(0)));
  EXPECT_EQ(combo->Item(0)->GetCaption(), GetDisplayName(nullptr, nullptr, nkInFolder));

  TShellPidl computer;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, 17, &computer.p), S_OK);
  const int computerAt = IndexOf(computer.p);
  ASSERT_GT(computerAt, 0);
  EXPECT_EQ(combo->Item(computerAt)->GetIndent(), 1);
  // The desktop's other folders are there at level 1; a file is not.
  for (const char* name : {"home", "Kits"}) EXPECT_GT(IndexOfName(name, 1), 0) << name;
  EXPECT_EQ(IndexOfName("notes.txt", 1), -1);

  // Right after My Computer: every mounted volume at level 2, the current
  // folder's volume followed by the two folders below it.
  std::vector<std::string> seen;
  int i = computerAt + 1;
  for (; i < n && combo->Item(i)->GetIndent() >= 2; i++) {
    if (combo->Item(i)->GetIndent() != 2) continue;
    for (const std::string& v : volumes)
      if (ComparePidls(combo->AbsOf(i), PidlOf(v).p) == 0) seen.push_back(v);
  }
  EXPECT_EQ(seen.size(), volumes.size());
  for (const std::string& v : volumes) EXPECT_NE(std::find(seen.begin(), seen.end(), v), seen.end()) << v;

  const int volumeAt = IndexOf(PidlOf(volume).p);
  ASSERT_GT(volumeAt, computerAt);
  ASSERT_LT(volumeAt + 2, n);
  EXPECT_EQ(IndexOf(PidlOf(first).p), volumeAt + 1);
  EXPECT_EQ(IndexOf(PidlOf(second).p), volumeAt + 2);
  EXPECT_EQ(combo->Item(volumeAt + 1)->GetIndent(), 3);
  EXPECT_EQ(combo->Item(volumeAt + 2)->GetIndent(), 4);
  if (volumeAt + 3 < n) EXPECT_LE(combo->Item(volumeAt + 3)->GetIndent(), 2);

  // The current folder is selected, named and shows its open icon at once.
  TNavImageComboItem* current = combo->Item(volumeAt + 2);
  EXPECT_EQ(combo->GetItemIndex(), volumeAt + 2);
  EXPECT_EQ(current->GetCaption(), fs::path(second).filename().string());
  EXPECT_EQ(current->GetImageIndex(), GetIconIndex(combo->AbsOf(volumeAt + 2), SHGFI_SMALLICON | SHGFI_OPENICON));

  SaveShot("shell-combo-chain");
  combo->SetDropDownCount(12);
  SendMessageA(combo->GetHandle(), CB_SHOWDROPDOWN, TRUE, 0);
  SaveShot("shell-combo-chain-dropped");
  SendMessageA(combo->GetHandle(), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ShellComboTest, DesktopIsSelectedAndGoUpThereDoesNothing) {
  MakeComboAt(nullptr);
  EXPECT_EQ(combo->GetItemIndex(), 0);
  int changes = 0;
  combo->GetLocator()->SetOnChange([&](TObject*) { changes++; });
  combo->GoUp(1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo->GetItemIndex(), 0);
}

struct GoUpCase {
  const char* name;
  int from;  // 0: the second folder, 1: the first, 2: the volume, 3: a desktop child
  int levels;
  int to;  // 1: the first folder, 2: the volume, 4: My Computer, 5: the desktop
};

TEST_F(ShellComboTest, GoUpSelectsTheAncestor) {
  TShellPidl computer;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, 17, &computer.p), S_OK);
  const GoUpCase cases[] = {
      {"folder to its parent", 0, 1, 1},  {"folder to its volume", 0, 2, 2},     {"folder to My Computer", 0, 3, 4},
      {"volume to My Computer", 2, 1, 4}, {"desktop child to desktop", 3, 1, 5}, {"far past the top", 0, 40, 5},
  };
  MakeCombo(second);
  const int homeAt = IndexOfName("home", 1);
  ASSERT_GT(homeAt, 0);
  TShellPidl desktopChild(CopyPidl(nullptr, combo->AbsOf(homeAt)));
  for (const GoUpCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string from[] = {second, first, volume};
    if (c.from == 3) {
      combo->GetLocator()->SetPidl(desktopChild.p);
      ASSERT_EQ(ComparePidls(combo->AbsOf(combo->GetItemIndex()), desktopChild.p), 0);
    } else {
      combo->GetLocator()->SetPidl(PidlOf(from[c.from]).p);
      ASSERT_TRUE(SelectedIs(from[c.from]));
    }
    combo->GoUp(c.levels);
    const int selected = combo->GetItemIndex();
    ASSERT_GE(selected, 0);
    switch (c.to) {
      case 1: EXPECT_TRUE(SelectedIs(first)); break;
      case 2: EXPECT_TRUE(SelectedIs(volume)); break;
      case 4: EXPECT_EQ(ComparePidls(combo->AbsOf(selected), computer.p), 0); break;
      default: EXPECT_EQ(selected, 0);
    }
  }
}

TEST_F(ShellComboTest, FollowsALinkedListBothWaysWithoutLooping) {
  MakeCombo(home.Desktop);
  auto* list = new TFakePartner(host);
  combo->SetShellList(list);
  ASSERT_EQ(list->combo, combo);

  // The list moves: the combo follows and tells the list once, which finds
  // itself already there.
  list->MoveTo(PidlOf(first).p);
  EXPECT_TRUE(SelectedIs(first));
  EXPECT_EQ(list->moves, 1);

  // An entry chosen in the combo moves the list and rebuilds the combo.
  const int volumeAt = IndexOf(PidlOf(volume).p);
  ASSERT_GT(volumeAt, 0);
  combo->ChooseEntry(volumeAt);
  EXPECT_EQ(ComparePidls(list->folderList, PidlOf(volume).p), 0);
  EXPECT_EQ(list->moves, 2);
  EXPECT_TRUE(SelectedIs(volume));
  EXPECT_EQ(IndexOf(PidlOf(first).p), -1);

  list->Forget();
  delete list;
  EXPECT_EQ(combo->GetShellList(), nullptr);
  combo->GoUp(1);  // nothing linked any more to reach
}

TEST_F(ShellComboTest, LinksToAListOrATreeNeverBoth) {
  MakeCombo(home.Desktop);
  auto* list = new TFakePartner(host);
  auto* tree = new TFakePartner(host);
  auto* other = new TFakePartner(host);

  combo->SetShellList(list);
  combo->SetShellTree(tree);
  EXPECT_EQ(combo->GetShellTree(), nullptr);
  EXPECT_EQ(tree->combo, nullptr);

  // A different list unlinks the old one.
  combo->SetShellList(other);
  EXPECT_EQ(list->combo, nullptr);
  EXPECT_EQ(other->combo, combo);

  combo->SetShellList(nullptr);
  EXPECT_EQ(other->combo, nullptr);
  combo->SetShellTree(tree);
  combo->SetShellList(list);
  EXPECT_EQ(combo->GetShellList(), nullptr);
  EXPECT_EQ(combo->GetShellTree(), tree);

  // The linked tree is moved by the combo's own changes.
  combo->GetLocator()->SetPidl(PidlOf(first).p);
  EXPECT_EQ(tree->moves, 1);
  EXPECT_EQ(ComparePidls(tree->folderList, PidlOf(first).p), 0);
  tree->combo = nullptr;
  combo->SetShellTree(nullptr);
  for (TFakePartner* p : {list, tree, other}) {
    p->Forget();
    delete p;
  }
}

TEST_F(ShellComboTest, WithoutNonFileSystemAncestorsOnlyFileSystemFoldersAreListed) {
  MakeComboAt(nullptr);
  const int all = combo->Count();
  combo->SetOptions(TNavShellComboOptions{navscoAutofill});
  combo->Rebuild();
  // My Computer is an ancestor of the file system and stays with its volumes.
  TShellPidl computer;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, 17, &computer.p), S_OK);
  EXPECT_GT(IndexOf(computer.p), 0);
  EXPECT_GT(IndexOfName("Kits", 1), 0);
  EXPECT_LE(combo->Count(), all);
}

TEST_F(ShellComboTest, EntriesAndTheirDataGoWithEveryRebuild) {
  MakeCombo(second);
  int deleted = 0;
  combo->OnDeleteItem = [&](TObject*, TNavImageComboItem* item) {
    EXPECT_NE(item->GetData(), nullptr);
    deleted++;
  };
  const int before = combo->Count();
  combo->GoUp(1);
  EXPECT_EQ(deleted, before);
  combo->OnDeleteItem = nullptr;
}

TEST_F(ShellComboTest, AtDesignTimeOnlyTheButtonTakesThePress) {
  MakeComboAt(nullptr);
  RECT r;
  GetClientRect(combo->GetHandle(), &r);
  const int button = GetSystemMetrics(SM_CXVSCROLL);
  const struct {
    int x;
    LRESULT answer;
  } cases[] = {{r.right - 1, 1}, {r.right - button, 1}, {r.right - button - 1, 0}, {2, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(SendMessageA(combo->GetHandle(), CM_DESIGNHITTEST, 0, MAKELPARAM(c.x, 5)), c.answer) << c.x;
}

TEST_F(ShellComboTest, LoadingHandsItsFolderToTheLinkedList) {
  MakeCombo(first);
  auto* list = new TFakePartner(host);
  combo->SetShellList(list);
  combo->FinishLoading();
  EXPECT_EQ(ComparePidls(list->folderList, PidlOf(first).p), 0);
  EXPECT_TRUE(SelectedIs(first));
  // Loading moves the list without the combo telling it twice.
  EXPECT_EQ(list->moves, 0);
  list->Forget();
  delete list;
}

}  // namespace
}  // namespace shelltest
