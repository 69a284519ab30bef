// The shell tree's commands driven as a person drives them, by keys, the
// shell's context menu and the wheel through the headless host; a notice
// that comes while the menu is open; volumes coming; and the published tree
// read from form text as the kit editor's form holds it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/shell/tree/ShellTreeFixture.h"
#include "tests/support/FormText.h"

namespace {

namespace fs = std::filesystem;
using shelltreetest::ChildNames;
using shelltreetest::ShellPath;
using shelltreetest::ShellTreeTest;

TEST_F(ShellTreeTest, DeleteKeysWithAndWithoutShiftDeleteTheFolderAndTheListFollowsToTheParent) {
  struct Case {
    const char* folder;
    std::uint32_t modifiers;
  } cases[] = {{"plain", 0}, {"shifted", host::ModShift}};
  for (const Case& c : cases) home.MakeFile(std::string("kit/") + c.folder + "/kick.wav");
  MakeTree();
  std::vector<std::string> questions;
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord& box) {
    questions.push_back(box.text);
    return IDYES;
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    questions.clear();
    Choose(Node(c.folder));
    ASSERT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base + "/" + c.folder));
    Key(VK_DELETE, c.modifiers);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(c.folder), std::string::npos) << questions[0];
    EXPECT_FALSE(fs::exists(base + "/" + c.folder));
    EXPECT_EQ(Node(c.folder), nullptr);
    EXPECT_EQ(tree->GetSelected(), tree->TopNode());
    EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base));
  }
  win::user::SetMessageBoxAnswer(nullptr);
}

TEST_F(ShellTreeTest, RenameByF2OrTheMenusRenameCommandAndEscapeCancels) {
  struct Case {
    const char* way;
    bool byMenu;
    const char* name;
  } cases[] = {{"F2", false, "by key"}, {"menu command 68", true, "by menu"}};
  home.MakeFolder("kit/take");
  MakeTree();
  std::string current = "take";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    const auto startEdit = [&] {
      Choose(Node(current));
      if (c.byMenu) {
        // "Rena&me" of the shell's menu, opened by the context-menu key.
        InNextMenu({MenuKey('M')});
        Key(VK_APPS);
        win::user::SetIdleHook(nullptr);
      } else {
        Key(VK_F2);
      }
    };
    startEdit();
    ASSERT_TRUE(tree->IsEditing());
    Key(VK_ESCAPE);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_TRUE(fs::exists(base + "/" + current));

    startEdit();
    ASSERT_TRUE(tree->IsEditing());
    Type(c.name);
    Key(VK_RETURN);
    EXPECT_FALSE(tree->IsEditing());
    EXPECT_TRUE(fs::exists(base + "/" + c.name));
    ASSERT_NE(Node(c.name), nullptr);
    EXPECT_EQ(tree->GetSelected(), Node(c.name));
    EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base + "/" + c.name));
    current = c.name;
  }
}

TEST_F(ShellTreeTest, ANoticeWhileTheShellMenuIsOpenRefreshesOnceTheMenuCloses) {
  home.MakeFolder("kit/a");
  MakeTree(false);
  Choose(Node("a"));
  int seen = 0;
  bool arrived = false;
  // One step per idle pass of the menu loop: a folder made from outside;
  // then, once the change thread's notice is queued (within a generous
  // bound for the worker), the loop takes it; then the tree, still showing
  // the old children, closes its menu.
  InNextMenu(
      {[&] {
         seen = tree->notices;
         home.MakeFolder("kit/b");
         const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
         MSG m;
         while (!PeekMessageA(&m, tree->GetHandle(), WM_FOLDERCONTENTSCHANGED, WM_FOLDERCONTENTSCHANGED, PM_NOREMOVE) &&
                std::chrono::steady_clock::now() < deadline)
           std::this_thread::yield();
       },
       [&] {
         arrived = tree->notices > seen;
         EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"a"}));
         PushKey(VK_ESCAPE);
       }});
  Key(VK_APPS);
  win::user::SetIdleHook(nullptr);
  ASSERT_TRUE(arrived);
  // Closing the menu ran the refresh that waited; nothing waits any more.
  EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(tree->RefreshDeferred());
}

TEST_F(ShellTreeTest, AVolumeArrivingRefreshesTheTreeWithoutAnyNotice) {
  home.MakeFolder("kit/a");
  MakeTree(false);
  tree->SetOptions(tree->GetOptions() & ~NavSto(navstoDynamicRefresh));
  home.MakeFolder("kit/b");
  Pump();
  EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"a"}));
  win::user::AnnounceVolumeArrival("/media/drums-tree-stick");
  Pump();
  EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"a", "b"}));
  win::user::AnnounceVolumeRemoval("/media/drums-tree-stick");
  Pump();
}

TEST_F(ShellTreeTest, TheWheelOverTheTreeScrollsItWhileTheListHasTheFocus) {
  for (int i = 0; i < 60; ++i) home.MakeFolder("kit/f" + std::to_string(100 + i));
  MakeTree();
  list->SetFocus();
  Pump();
  const auto top = [this] {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree->GetHandle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  };
  const HTREEITEM before = top();
  testsupport::PushMouseEvent(host::EventType::MouseMove, tree, 100, 80);
  host::Event wheel;
  wheel.type = host::EventType::MouseWheel;
  wheel.wheel = -120;
  const TPoint at = tree->ClientToScreen(TPoint(100, 80));
  wheel.screenX = at.X;
  wheel.screenY = at.Y;
  wheel.window = testsupport::HostWindowOf(tree);
  host::headless::PushEvent(wheel);
  Pump();
  EXPECT_NE(top(), before);
  EXPECT_TRUE(list->Focused());
}

// The kit editor's tree and list as its form text holds them.
TEST_F(ShellTreeTest, ThePublishedTreeReadFromFormTextDrivesItsList) {
  home.MakeFile("kit/acoustic/kick.wav");
  home.MakeFolder("kit/loops");
  // Forms find the shell controls' classes by name once the unit started.
  InitNavShellControls();
  TForm* written = TCustomForm::CreateNew<TForm>(Application);
  written->SetName("Browser");
  auto* source = new TNavShellTree(written);
  source->SetName("NavShellTree1");
  source->SetParent(written);
  TNavShellLocator wanted;
  wanted.SetFolderPath(base);
  source->SetBaseFolder(&wanted);
  source->SetOptions(source->GetOptions() & ~NavSto(navstoOleDrag));
  const std::string text = testsupport::WriteFormText(written);
  delete written;
  EXPECT_NE(text.find("BaseFolder.Pidl"), std::string::npos) << text;
  EXPECT_NE(text.find("navstoOleDrop"), std::string::npos) << text;
  EXPECT_EQ(text.find("navstoOleDrag"), std::string::npos) << text;

  // The tree's own lines, with the list and the form's look around them.
  const std::size_t treeStart = text.find("  object NavShellTree1");
  const std::size_t treeEnd = text.find("  end", treeStart);
  ASSERT_NE(treeEnd, std::string::npos);
  std::string treeText = text.substr(treeStart, treeEnd - treeStart);
  treeText +=
      "    Left = 8\n    Top = 8\n    Width = 200\n    Height = 300\n    ShellList = NavShellList1\n"
      "    ShowRoot = False\n    Indent = 19\n  end\n";
  TForm* form = testsupport::ReadFormText(
      "object Browser: TForm\n  Left = 60\n  Top = 60\n  Width = 600\n  Height = 400\n" + treeText +
      "  object NavShellList1: TNavShellList\n    Left = 216\n    Top = 8\n    Width = 360\n    Height = 300\n"
      "  end\nend\n");
  form->Show();
  Pump();
  auto* formTree = dynamic_cast<TNavShellTree*>(form->FindComponent("NavShellTree1"));
  auto* formList = dynamic_cast<TNavShellList*>(form->FindComponent("NavShellList1"));
  ASSERT_NE(formTree, nullptr);
  ASSERT_NE(formList, nullptr);
  EXPECT_EQ(formTree->GetShellList(), formList);
  EXPECT_EQ(formList->GetShellTree(), formTree);
  EXPECT_FALSE(formTree->HasOption(navstoOleDrag));
  EXPECT_EQ(formTree->GetIndent(), 19);
  EXPECT_FALSE(formTree->GetShowRoot());
  EXPECT_EQ(formTree->GetBaseFolder()->GetFolderPath(), ShellPath(base));
  ASSERT_NE(formTree->TopNode(), nullptr);
  EXPECT_EQ(ChildNames(formTree->TopNode()), (std::vector<std::string>{"acoustic", "loops"}));
  EXPECT_EQ(formList->GetFolder()->GetFolderPath(), ShellPath(base));
  formTree->SetSelected(formTree->TopNode()->GetFirstChild());
  formTree->FlushPendingRefresh(false);
  EXPECT_EQ(formList->GetFolder()->GetFolderPath(), ShellPath(base + "/acoustic"));
  delete form;
  DoneNavShellControls();
}

}  // namespace
