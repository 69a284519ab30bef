// The shell list's commands driven as a person drives them, by keys and the
// mouse through the headless host: renaming, new folders, opening items and
// going up, the shell's verbs, drag and drop within the list and from
// another program, the drop target's registration and the wheel.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/list/ShellListFixture.h"
#include "tests/support/HostKeys.h"
#include "tests/support/HostMouse.h"

namespace {

namespace fs = std::filesystem;
using shelllisttest::ShellListTest;
using testsupport::PushMouseEvent;

class ShellListCommandsTest : public ShellListTest {
 protected:
  void TearDown() override {
    win::user::SetIdleHook(nullptr);
    win::shell::SetExecuteHook(nullptr);
    ShellListTest::TearDown();
  }

  host::WindowId HostWindow() const { return testsupport::HostWindowOf(list); }
  void PushKey(int vk, std::uint32_t modifiers = 0) { testsupport::PushKey(list, vk, modifiers); }
  void Key(int vk, std::uint32_t modifiers = 0) {
    PushKey(vk, modifiers);
    Pump();
  }
  void Type(const std::string& text) {
    testsupport::PushText(list, text);
    Pump();
  }
  TListItem* Item(const std::string& caption) const {
    for (int i = 0; i < list->GetItems()->GetCount(); ++i)
      if (list->GetItems()->GetItem(i)->GetCaption() == caption) return list->GetItems()->GetItem(i);
    return nullptr;
  }
  TPoint Centre(TListItem* item) const {
    const TRect r = item->DisplayRect(drLabel);
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  // Selects the item alone, focused, with the list focused.
  void Choose(const std::string& caption) {
    TListItem* item = Item(caption);
    ASSERT_NE(item, nullptr) << caption;
    list->SetFocus();
    list->SetSelected(item);
    list->SetItemFocused(item);
    Pump();
  }
  // A drag with the button from one client point to another, moving in
  // steps as a hand does; the drag loop takes the events as they come.
  void Drag(TPoint from, TPoint to, host::MouseButton button) {
    PushMouseEvent(host::EventType::MouseDown, list, from.X, from.Y, button);
    PushMouseEvent(host::EventType::MouseMove, list, from.X + 12, from.Y + 6, button);
    PushMouseEvent(host::EventType::MouseMove, list, to.X, to.Y - 1, button);
    PushMouseEvent(host::EventType::MouseMove, list, to.X, to.Y, button);
    PushMouseEvent(host::EventType::MouseUp, list, to.X, to.Y, button);
    Pump();
  }
  // A point in the list's empty space below the items (details view).
  TPoint EmptySpace() const { return TPoint(300, list->GetClientHeight() - 30); }
  // Runs keys in the popup menu that the next command opens: one key per
  // idle pass, so the menu loop takes them.
  void KeysInNextMenu(std::vector<int> keys) {
    menuKeys = std::move(keys);
    win::user::SetIdleHook([this] {
      if (!menuKeys.empty()) {
        PushKey(menuKeys.front());
        menuKeys.erase(menuKeys.begin());
      }
      return true;
    });
  }
  std::string Path(const std::string& relative) const { return folder + "/" + relative; }
  // A folder's path as the shell shows it.
  static std::string Shown(const std::string& posix) {
    TNavShellLocator locator;
    locator.SetFolderPath(posix);
    return locator.GetFolderPath();
  }

  std::vector<int> menuKeys;
};

TEST_F(ShellListCommandsTest, RenameByF2OrTheMenusRenameCommandAndEscapeCancels) {
  struct Case {
    const char* way;
    bool byMenu;
  } cases[] = {{"F2", false}, {"menu command 68", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    fs::remove_all(folder);
    home.MakeFile("kit/take.wav");
    if (!list) MakeList();
    list->Rebuild();
    const auto startEdit = [&] {
      Choose("take.wav");
      if (c.byMenu) {
        // "Rena&me" of the shell's menu, opened by the context-menu key.
        KeysInNextMenu({'M'});
        Key(VK_APPS);
        win::user::SetIdleHook(nullptr);
      } else {
        Key(VK_F2);
      }
    };
    startEdit();
    ASSERT_TRUE(list->IsEditing());
    Key(VK_ESCAPE);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_TRUE(fs::exists(Path("take.wav")));
    EXPECT_NE(Item("take.wav"), nullptr);

    startEdit();
    ASSERT_TRUE(list->IsEditing());
    Type("kept");
    Key(VK_RETURN);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_TRUE(fs::exists(Path("kept")));
    EXPECT_FALSE(fs::exists(Path("take.wav")));
    ASSERT_NE(Item("kept"), nullptr);
    EXPECT_EQ(list->ItemData(Item("kept"))->GetItemPath(), list->GetFolder()->GetFolderPath() + "\\kept");
  }
}

TEST_F(ShellListCommandsTest, ARenameSwallowsOnlyItsOwnNotice) {
  home.MakeFile("kit/a.wav");
  home.MakeFile("kit/b.wav");
  MakeList();
  // A rename refused by the shell (the name is taken) has no notice coming.
  Choose("a.wav");
  Key(VK_F2);
  Type("b.wav");
  Key(VK_RETURN);
  EXPECT_TRUE(fs::exists(Path("a.wav")));
  home.MakeFile("kit/outside1.wav");
  AwaitNotices(list->notices);
  AdvanceMs(TNavCustomShellList::kFocusedRefreshDelay);
  EXPECT_NE(Item("outside1.wav"), nullptr) << "the change after a failed rename was not heard";

  // A rename that happened: its own notice refreshes nothing...
  const int before = list->notices;
  Choose("a.wav");
  Key(VK_F2);
  Type("c.wav");
  Key(VK_RETURN);
  ASSERT_TRUE(fs::exists(Path("c.wav")));
  AwaitNotices(before);
  const int fillsBefore = fills;
  AdvanceMs(TNavCustomShellList::kRefreshDelay);
  EXPECT_EQ(fills, fillsBefore);
  // ...and the next change from outside does.
  home.MakeFile("kit/outside2.wav");
  AwaitNotices(list->notices);
  AdvanceMs(TNavCustomShellList::kFocusedRefreshDelay);
  EXPECT_NE(Item("outside2.wav"), nullptr);
  EXPECT_NE(Item("c.wav"), nullptr);
}

TEST_F(ShellListCommandsTest, NewFolderWithEditStartsTheCaptionEditOnTheNewItem) {
  home.MakeFolder("kit/New Folder");
  MakeList();
  ASSERT_TRUE(list->NewFolder(true));
  Pump();
  EXPECT_TRUE(fs::is_directory(Path("New Folder (2)")));
  ASSERT_NE(Item("New Folder (2)"), nullptr);
  ASSERT_TRUE(list->IsEditing());
  // The edit is the new folder's: its name is what changes.
  Type("Grooves");
  Key(VK_RETURN);
  EXPECT_TRUE(fs::is_directory(Path("Grooves")));
  EXPECT_FALSE(fs::exists(Path("New Folder (2)")));
  EXPECT_TRUE(fs::is_directory(Path("New Folder")));

  // Without edit nothing is edited; the folder is listed at once.
  ASSERT_TRUE(list->NewFolder(false));
  Pump();
  EXPECT_NE(Item("New Folder (2)"), nullptr);
  EXPECT_FALSE(list->IsEditing());
}

TEST_F(ShellListCommandsTest, OpeningFoldersFilesAndSeveralFiles) {
  home.MakeFolder("kit/loops");
  home.MakeFile("kit/one.wav");
  home.MakeFile("kit/two.wav");
  std::vector<std::string> executed;
  win::shell::SetExecuteHook([&](const win::shell::ExecuteCall& call) {
    executed.push_back(call.file.substr(call.file.find_last_of('\\') + 1));
    return INT_PTR{33};
  });
  int opens = 0;
  bool handle = true;
  MakeList();
  list->OnDblClickOpen = [&](TObject*, bool& handled) {
    ++opens;
    handled = handle;
  };

  // A file: the handler takes it, the shell runs nothing.
  TPoint one = Centre(Item("one.wav"));
  testsupport::PushClick(list, one.X, one.Y);
  testsupport::PushClick(list, one.X, one.Y, 2);
  Pump();
  EXPECT_EQ(opens, 1);
  EXPECT_TRUE(executed.empty());
  // Left to the shell, its default command opens the file.
  handle = false;
  Choose("one.wav");
  Key(VK_RETURN);
  EXPECT_EQ(opens, 2);
  EXPECT_EQ(executed, std::vector<std::string>{"one.wav"});
  // Two files: one event, then the default command for both.
  executed.clear();
  list->SetMultiSelect(true);
  Item("one.wav")->SetSelected(true);
  Item("two.wav")->SetSelected(true);
  Key(VK_RETURN);
  EXPECT_EQ(opens, 3);
  EXPECT_EQ(std::set<std::string>(executed.begin(), executed.end()), (std::set<std::string>{"one.wav", "two.wav"}));

  // A folder is entered.
  TPoint loops = Centre(Item("loops"));
  testsupport::PushClick(list, loops.X, loops.Y);
  testsupport::PushClick(list, loops.X, loops.Y, 2);
  Pump();
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), Shown(folder + "/loops"));
  EXPECT_EQ(opens, 3);
}

TEST_F(ShellListCommandsTest, BackspaceGoesUpUnlessTheFolderMayNotChange) {
  home.MakeFolder("kit/loops/deep");
  MakeList();
  list->GetFolder()->SetFolderPath(folder + "/loops/deep");
  Pump();
  list->SetFocus();
  Key(VK_BACK);
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), Shown(folder + "/loops"));

  list->SetOptions(list->GetOptions() | NavSlo(navsloDontChangeFolder));
  Key(VK_BACK);
  Choose("deep");
  Key(VK_RETURN);
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), Shown(folder + "/loops"));

  // More levels than the folder has stop at the desktop.
  list->SetOptions(list->GetOptions() & ~NavSlo(navsloDontChangeFolder));
  list->GoUp(1000);
  EXPECT_TRUE(IsDesktopPidl(list->GetFolder()->GetPidl()));

  // At the desktop there is nowhere to go.
  list->GetFolder()->SetFolderPath(folder);
  list->GetFolder()->Clear();
  Pump();
  list->GoUp(1);
  EXPECT_TRUE(IsDesktopPidl(list->GetFolder()->GetPidl()));
}

TEST_F(ShellListCommandsTest, DeleteKeysWithAndWithoutShiftUseTheShellsDelete) {
  struct Case {
    const char* name;
    std::uint32_t modifiers;
  } cases[] = {{"plain.wav", 0}, {"shifted.wav", host::ModShift}};
  for (const Case& c : cases) home.MakeFile(std::string("kit/") + c.name);
  MakeList();
  std::vector<std::string> questions;
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord& box) {
    questions.push_back(box.text);
    return IDYES;
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    questions.clear();
    Choose(c.name);
    Key(VK_DELETE, c.modifiers);
    // The shell asks before it deletes, whichever key was used.
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(c.name), std::string::npos) << questions[0];
    EXPECT_FALSE(fs::exists(Path(c.name)));
    EXPECT_EQ(Item(c.name), nullptr);
  }
}

TEST_F(ShellListCommandsTest, CtrlASelectsEveryItem) {
  for (const char* name : {"kit/a.wav", "kit/b.wav", "kit/c.wav"}) home.MakeFile(name);
  MakeList();
  list->SetMultiSelect(true);
  list->SetFocus();
  Key('A', host::ModCtrl);
  EXPECT_EQ(list->GetSelCount(), 3);
}

TEST_F(ShellListCommandsTest, AFileDraggedOntoASubfolderIsMovedThere) {
  home.MakeFile("kit/a.wav", "kick");
  home.MakeFolder("kit/sub");
  MakeList();
  Drag(Centre(Item("a.wav")), Centre(Item("sub")), host::MouseButton::Left);
  EXPECT_FALSE(fs::exists(Path("a.wav")));
  EXPECT_TRUE(fs::exists(Path("sub/a.wav")));
  EXPECT_EQ(Item("a.wav"), nullptr);
  EXPECT_FALSE(list->Dragging());
}

TEST_F(ShellListCommandsTest, OntoItsOwnEmptySpaceARightDragCopiesAndALeftDragDropsNothing) {
  home.MakeFile("kit/a.wav", "kick");
  MakeList();
  Drag(Centre(Item("a.wav")), EmptySpace(), host::MouseButton::Left);
  EXPECT_EQ(std::set<std::string>({"a.wav"}), CaptionSet());

  Drag(Centre(Item("a.wav")), EmptySpace(), host::MouseButton::Right);
  EXPECT_TRUE(fs::exists(Path("a.wav")));
  EXPECT_TRUE(fs::exists(Path("Copy of a.wav")));
  EXPECT_EQ((std::set<std::string>{"a.wav", "Copy of a.wav"}), CaptionSet());
}

TEST_F(ShellListCommandsTest, AFileDroppedFromAnotherProgramIsCopiedIntoTheListedFolder) {
  const std::string outside = home.MakeFile("elsewhere/snare.wav", "snare");
  MakeList();
  const TPoint at = list->ClientToScreen(EmptySpace());
  host::Event e;
  e.type = host::EventType::FileDrop;
  e.window = HostWindow();
  e.screenX = at.X;
  e.screenY = at.Y;
  e.paths = {outside};
  host::headless::PushEvent(e);
  Pump();
  EXPECT_TRUE(fs::exists(Path("snare.wav")));
  EXPECT_TRUE(fs::exists(outside)) << "the other program's file was taken away";
  AwaitNotices();
  AdvanceMs(TNavCustomShellList::kRefreshDelay);
  EXPECT_NE(Item("snare.wav"), nullptr);
}

TEST_F(ShellListCommandsTest, TheDropOptionRegistersOneDropTargetAndRevokesIt) {
  MakeList();
  const HWND window = list->GetHandle();
  ASSERT_TRUE(list->DropTargetRegistered());
  list->SetOptions(list->GetOptions() | NavSlo(navsloOleDrop));
  EXPECT_TRUE(list->DropTargetRegistered());
  list->SetOptions(list->GetOptions() & ~NavSlo(navsloOleDrop));
  EXPECT_FALSE(list->DropTargetRegistered());
  EXPECT_EQ(RevokeDragDrop(window), DRAGDROP_E_NOTREGISTERED);
  list->SetOptions(list->GetOptions() | NavSlo(navsloOleDrop));
  list->SetOptions(list->GetOptions() | NavSlo(navsloOleDrop));
  EXPECT_TRUE(list->DropTargetRegistered());
  // Registered once: one revoke ends it.
  list->SetOptions(list->GetOptions() & ~NavSlo(navsloOleDrop));
  EXPECT_EQ(RevokeDragDrop(window), DRAGDROP_E_NOTREGISTERED);
  EXPECT_EQ(SendMessageA(window, CWM_GETISHELLBROWSER, 0, 0), 0) << "there is no shell browser here";
}

TEST_F(ShellListCommandsTest, TheWheelScrollsTheShellListUnderThePointer) {
  for (int i = 0; i < 60; ++i) home.MakeFile("kit/f" + std::to_string(100 + i) + ".wav");
  MakeList();
  auto* other = new shelllisttest::TTestShellList(host);
  other->SetParent(host);
  other->SetBounds(10, 200, 600, 190);
  other->SetViewStyle(vsReport);
  other->GetFolder()->SetFolderPath(folder);
  list->SetBounds(10, 10, 600, 180);
  Pump();
  list->SetFocus();
  const auto top = [](TNavCustomShellList* l) {
    return static_cast<int>(SendMessageA(l->GetHandle(), LVM_GETTOPINDEX, 0, 0));
  };
  ASSERT_EQ(top(list), 0);
  ASSERT_EQ(top(other), 0);
  // Over the other list: it scrolls, the focused one stays.
  PushMouseEvent(host::EventType::MouseMove, other, 100, 80);
  host::Event wheel;
  wheel.type = host::EventType::MouseWheel;
  wheel.wheel = -120;
  const TPoint at = other->ClientToScreen(TPoint(100, 80));
  wheel.screenX = at.X;
  wheel.screenY = at.Y;
  wheel.window = HostWindow();
  host::headless::PushEvent(wheel);
  Pump();
  EXPECT_GT(top(other), 0);
  EXPECT_EQ(top(list), 0);
  delete other;
}

}  // namespace
