// The shell list over temporary folders: filling with file masks, sorting by
// header clicks, the incremental refresh after directory-change notices and
// its debounce, the options that refresh at once, and a failed fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/shell/list/ShellListFixture.h"

namespace {

using shelllisttest::ShellListTest;
using shelllisttest::TTestShellList;

TEST_F(ShellListTest, MasksShowFoldersAndMatchingFilesWhateverTheirCase) {
  home.MakeFile("kit/A.WAV");
  home.MakeFile("kit/b.wav");
  home.MakeFile("kit/c.txt");
  home.MakeFolder("kit/sub");
  const std::set<std::string> all = {"A.WAV", "b.wav", "c.txt", "sub"};
  struct Case {
    const char* filter;
    std::set<std::string> shown;
  } cases[] = {
      {"*.wav", {"A.WAV", "b.wav", "sub"}},
      {"*", all},
      {"*.*", all},
      {"", all},
      {"*.txt;;*.WAV", all},
      {"*.mid", {"sub"}},
      {"c.txt", {"c.txt", "sub"}},
  };
  MakeList();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    list->SetFileFilter(c.filter);
    EXPECT_EQ(CaptionSet(), c.shown);
    for (int i = 0; i < list->GetItems()->GetCount(); ++i) {
      TNavShListData* data = list->ItemDataAt(i);
      ASSERT_NE(data, nullptr);
      EXPECT_EQ(data->GetItemPath(), list->GetFolder()->GetFolderPath() + "\\" + data->GetItemFileName());
    }
  }
}

TEST_F(ShellListTest, AddItemEventSeesTheFolderListInFillAndRefreshAlike) {
  home.MakeFile("kit/keep.wav");
  home.MakeFile("kit/drop.wav");
  std::vector<std::string> parents;
  MakeList();
  list->OnAddItem = [&](TObject*, IShellFolder* f, LPCITEMIDLIST parent, LPCITEMIDLIST relative, SFGAOF, bool& allow) {
    parents.push_back(PidlToPath(parent));
    allow = GetDisplayName(f, relative, nkInFolder).rfind("drop", 0) != 0;
  };
  list->Rebuild();
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"keep.wav"}));
  home.MakeFile("kit/later.wav");
  home.MakeFile("kit/drop2.wav");
  list->RefreshContents();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"keep.wav", "later.wav"}));
  ASSERT_FALSE(parents.empty());
  for (const std::string& p : parents) EXPECT_EQ(p, list->GetFolder()->GetFolderPath());
}

TEST_F(ShellListTest, NamesDifferingOnlyInCaseAreBothListedAndSurviveARefresh) {
  home.MakeFile("kit/a.wav");
  home.MakeFile("kit/A.WAV");
  MakeList("*.wav");
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"A.WAV", "a.wav"}));
  home.MakeFile("kit/new.wav");
  list->RefreshContents();
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"A.WAV", "a.wav", "new.wav"}));
  std::filesystem::remove(folder + "/a.wav");
  list->RefreshContents();
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"A.WAV", "new.wav"}));
}

TEST_F(ShellListTest, HeaderClicksToggleBetweenAscendingAndDescending) {
  home.MakeFile("kit/b.wav", "12345678901234567890");
  home.MakeFile("kit/a.wav", "1");
  home.MakeFile("kit/c.wav", std::string(5000, 'x'));
  MakeList();
  ASSERT_GE(list->GetColumns()->GetCount(), 2);
  EXPECT_EQ(list->GetSort(), 1);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
  struct Step {
    int column;
    int sort;
    std::vector<std::string> order;
  } steps[] = {
      {0, -1, {"c.wav", "b.wav", "a.wav"}}, {0, 1, {"a.wav", "b.wav", "c.wav"}}, {1, 2, {"a.wav", "b.wav", "c.wav"}},
      {1, -2, {"c.wav", "b.wav", "a.wav"}}, {0, 1, {"a.wav", "b.wav", "c.wav"}},
  };
  for (const Step& s : steps) {
    list->ColClick(list->GetColumns()->GetItem(s.column));
    EXPECT_EQ(list->GetSort(), s.sort);
    EXPECT_EQ(Captions(), s.order);
    EXPECT_EQ(list->GetSortColumn(), s.column);
    EXPECT_EQ(list->GetSortDirection() == 1, s.sort > 0);
  }
  // A handler that sorts decides alone.
  list->OnColumnClick = [&](TObject*, TListColumn*) { list->SetSort(-1); };
  list->ColClick(list->GetColumns()->GetItem(1));
  EXPECT_EQ(list->GetSort(), -1);
}

TEST_F(ShellListTest, ABurstOfCreationsRefreshesOnceAfterTheQuietDelay) {
  struct Case {
    bool focused;
    int delay;
  } cases[] = {{true, 400}, {false, 2000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.delay);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    home.MakeFile("kit/first.wav");
    home.MakeFile("kit/second.wav");
    delete list;
    list = nullptr;
    fills = 0;
    MakeList();
    if (c.focused) list->SetFocus();
    Pump();
    ASSERT_EQ(list->Focused(), c.focused);
    list->GetItems()->GetItem(1)->SetSelected(true);
    const int fillsBefore = fills;
    // Each creation is one name event, so its notice is waited for before
    // the next: then the last notice has surely arrived. The clock stands
    // still meanwhile, so the creations are quick to the list.
    for (int i = 0; i < 20; ++i) {
      const int seen = list->notices;
      home.MakeFile("kit/new" + std::to_string(10 + i) + ".wav");
      AwaitNotices(seen);
    }
    AdvanceMs(c.delay - 1);
    EXPECT_EQ(fills, fillsBefore);
    EXPECT_EQ(list->GetItems()->GetCount(), 2);
    AdvanceMs(1);
    EXPECT_EQ(fills, fillsBefore + 1);
    ASSERT_EQ(list->GetItems()->GetCount(), 22);
    EXPECT_EQ(list->GetItems()->GetItem(0)->GetCaption(), "first.wav");
    EXPECT_EQ(list->GetItems()->GetItem(1)->GetCaption(), "second.wav");
    EXPECT_EQ(list->GetSelected(), list->GetItems()->GetItem(1));
    AdvanceMs(5000);
    EXPECT_EQ(fills, fillsBefore + 1);
  }
}

TEST_F(ShellListTest, AChangeDuringAMenuOrEditIsRefreshedAfterwards) {
  home.MakeFile("kit/a.wav");
  MakeList();
  list->SetFocus();
  Pump();
  list->busy = true;
  home.MakeFile("kit/b.wav");
  AwaitNotices();
  AdvanceMs(5000);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"a.wav"}));
  EXPECT_TRUE(list->RefreshDeferred());
  // A folder change asked for meanwhile waits as well, and wins.
  home.MakeFile("other/c.wav");
  list->GetFolder()->SetFolderPath(home.Home + "/other");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"a.wav"}));
  list->busy = false;
  AdvanceMs(400);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"c.wav"}));
  EXPECT_FALSE(list->RefreshDeferred());
}

TEST_F(ShellListTest, ALinkedComboAndListFollowEachOther) {
  home.MakeFile("other/b.wav");
  MakeList();
  TNavShellCombo combo(host);
  combo.SetParent(host);
  combo.SetBounds(10, 392, 300, 24);
  combo.SetShellList(list);
  Pump();
  list->GetFolder()->SetFolderPath(home.Home + "/other");
  Pump();
  EXPECT_EQ(combo.GetLocator()->GetFolderPath(), list->GetFolder()->GetFolderPath());
  EXPECT_EQ(Captions(), (std::vector<std::string>{"b.wav"}));
  int changes = 0;
  list->OnFolderChanged = [&](TObject*) { ++changes; };
  combo.GetLocator()->SetFolderPath(folder);
  Pump();
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), combo.GetLocator()->GetFolderPath());
  EXPECT_EQ(changes, 1);
  combo.SetShellList(nullptr);
  EXPECT_EQ(list->GetShellCombo(), nullptr);
}

TEST_F(ShellListTest, AVolumeChangeRefillsOnlyAListShowingMyComputer) {
  MakeList();
  TNavShellList computer(host);
  computer.SetParent(host);
  computer.SetBounds(10, 200, 600, 180);
  LPITEMIDLIST drives = nullptr;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &drives), S_OK);
  computer.GetFolder()->SetPidl(drives);
  ShellFree(drives);
  int computerFills = 0;
  computer.OnFillComplete = [&](TObject*) { ++computerFills; };
  Pump();
  ASSERT_GT(computer.GetItems()->GetCount(), 0);
  computerFills = 0;
  const int before = fills;
  win::user::AnnounceVolumeArrival("/media/drums-list-stick");
  Pump();
  EXPECT_EQ(computerFills, 1);
  win::user::AnnounceVolumeRemoval("/media/drums-list-stick");
  Pump();
  EXPECT_EQ(computerFills, 2);
  EXPECT_EQ(fills, before);
}

// An empty listed folder removed: the watch sees the folder itself go.
TEST_F(ShellListTest, AnEmptyListedFolderRemovedMovesTheListToItsParent) {
  home.MakeFile("kit/a.wav");
  home.MakeFolder("kit/empty");
  folder = home.Home + "/kit/empty";
  MakeList();
  const std::string empty = list->GetFolder()->GetFolderPath();
  ASSERT_TRUE(Captions().empty());
  std::filesystem::remove(folder);
  AwaitNotices();
  AdvanceMs(2000);
  EXPECT_EQ(list->GetFolder()->GetFolderPath() + "\\empty", empty);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"a.wav"}));
}

TEST_F(ShellListTest, TheListedFolderDeletedFromOutsideMovesTheListToItsParent) {
  home.MakeFile("kit/deep/a.wav");
  folder = home.Home + "/kit/deep";
  MakeList();
  const std::string deep = list->GetFolder()->GetFolderPath();
  ASSERT_EQ(Captions(), (std::vector<std::string>{"a.wav"}));
  std::filesystem::remove_all(folder);
  AwaitNotices();
  AdvanceMs(2000);
  EXPECT_EQ(list->GetFolder()->GetFolderPath() + "\\deep", deep);
  EXPECT_TRUE(Captions().empty());
  home.MakeFile("kit/later.wav");
  list->RefreshContents();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"later.wav"}));
}

TEST_F(ShellListTest, AReadOnlyListEditsNoCaption) {
  home.MakeFile("kit/a.wav");
  MakeList();
  TListItem* item = list->GetItems()->GetItem(0);
  ASSERT_TRUE(list->ItemData(item)->CanRename());
  EXPECT_TRUE(list->CanEdit(item));
  list->SetReadOnly(true);
  EXPECT_FALSE(list->CanEdit(item));
}

TEST_F(ShellListTest, SwitchingShowHiddenRefreshesAtOnce) {
  home.MakeFile("kit/.hidden.wav");
  home.MakeFile("kit/shown.wav");
  MakeList();
  const std::set<std::string> withHidden = CaptionSet();
  ASSERT_TRUE(withHidden.count(".hidden.wav"));
  list->SetOptions(list->GetOptions() & ~NavSlo(navsloShowHidden));
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"shown.wav"}));
  list->SetOptions(list->GetOptions() | NavSlo(navsloShowHidden));
  EXPECT_EQ(CaptionSet(), withHidden);
}

TEST_F(ShellListTest, ASecondListTakesTheFirstListsColumnWidths) {
  MakeList();
  ASSERT_GE(list->GetColumns()->GetCount(), 2);
  list->GetColumns()->GetItem(0)->SetWidth(321);
  list->GetColumns()->GetItem(1)->SetWidth(77);
  // A refill keeps them.
  list->Rebuild();
  EXPECT_EQ(list->GetColumns()->GetItem(0)->GetWidth(), 321);
  list->GetColumns()->GetItem(1)->SetWidth(78);
  delete list;
  list = nullptr;
  MakeList();
  EXPECT_EQ(list->GetColumns()->GetItem(0)->GetWidth(), 321);
  EXPECT_EQ(list->GetColumns()->GetItem(1)->GetWidth(), 78);
}

TEST_F(ShellListTest, AFailedFillKeepsTheOldFolderListAndInterface) {
  home.MakeFile("kit/a.wav");
  home.MakeFile("other/b.wav");
  MakeList();
  ASSERT_EQ(Captions(), (std::vector<std::string>{"a.wav"}));
  IShellFolder* boundBefore = list->GetBoundFolder();
  ASSERT_NE(boundBefore, nullptr);
  const std::string kitPath = PidlToPath(list->GetFolderIdList());
  list->OnAddItem = [](TObject*, IShellFolder*, LPCITEMIDLIST, LPCITEMIDLIST, SFGAOF, bool&) {
    throw std::runtime_error("refused");
  };
  EXPECT_THROW(list->GetFolder()->SetFolderPath(home.Home + "/other"), std::runtime_error);
  EXPECT_EQ(list->GetBoundFolder(), boundBefore);
  EXPECT_EQ(PidlToPath(list->GetFolderIdList()), kitPath);
  // Once the handler lets items through, the folder named last fills.
  list->OnAddItem = nullptr;
  list->Rebuild();
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"b.wav"}));
}

TEST_F(ShellListTest, AnItemColouredByTheDrawEventWithItsShellData) {
  home.MakeFile("kit/kick.wav");
  home.MakeFile("kit/snare.wav");
  MakeList();
  list->SetViewStyle(vsList);
  list->OnCustomDrawSh = [](TObject*, TNavLvCustomDraw* draw, TListItem*, TNavShListData* data) {
    if (data && data->GetItemFileName() == "snare.wav") draw->GetBrush()->SetColor(clNavy);
  };
  PaintNow();
  TRect kick = list->GetItems()->GetItem(0)->DisplayRect(drLabel);
  TRect snare = list->GetItems()->GetItem(1)->DisplayRect(drLabel);
  EXPECT_EQ(Pixel(list->GetHandle(), snare.Left + 1, snare.Top + 1), ColorToRGB(clNavy));
  EXPECT_NE(Pixel(list->GetHandle(), kick.Left + 1, kick.Top + 1), ColorToRGB(clNavy));
  SaveShot("shell-list-custom-draw");
}

TEST_F(ShellListTest, ViewStylesPictured) {
  home.MakeFile("kit/kick.wav");
  home.MakeFile("kit/snare.wav");
  home.MakeFile("kit/notes.txt");
  home.MakeFolder("kit/loops");
  MakeList("*.wav");
  // The "Look in" combo above the list, linked, as the file dialogs have it.
  list->SetBounds(10, 40, 600, 350);
  TNavShellCombo combo(host);
  combo.SetParent(host);
  combo.SetBounds(10, 8, 300, 24);
  combo.SetShellList(list);
  combo.GetLocator()->SetFolderPath(folder);
  Pump();
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), combo.GetLocator()->GetFolderPath());
  const struct {
    TViewStyle style;
    const char* name;
  } styles[] = {{vsIcon, "icon"}, {vsSmallIcon, "small-icon"}, {vsList, "list"}, {vsReport, "report"}};
  for (const auto& s : styles) {
    list->SetViewStyle(s.style);
    SaveShot(std::string("shell-list-") + s.name);
  }
  EXPECT_EQ(CaptionSet(), (std::set<std::string>{"kick.wav", "loops", "snare.wav"}));
  combo.SetShellList(nullptr);
}

}  // namespace
