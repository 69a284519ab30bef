// The shell tree over temporary folders, linked to a shell list: the linked
// list following keys late and clicks at once, lazy filling, refreshes from
// change notices, renaming, a drag from the list onto a folder node, and
// the published tree's setters.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/win/drums_ext.h"
#include "tests/shell/tree/ShellTreeFixture.h"

namespace {

namespace fs = std::filesystem;
using shelltreetest::ChildNames;
using shelltreetest::ShellPath;
using shelltreetest::ShellTreeTest;
using shelltreetest::TTestShellTree;

// The names a bound folder lists now.
std::vector<std::string> ListedNames(IShellFolder* folder) {
  std::vector<std::string> names;
  IEnumIDList* items = nullptr;
  if (!folder || FAILED(folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items)) || !items)
    return names;
  LPITEMIDLIST item = nullptr;
  ULONG fetched = 0;
  while (items->Next(1, &item, &fetched) == S_OK && fetched == 1) {
    names.push_back(GetDisplayName(folder, item, nkInFolder));
    ShellFree(item);
  }
  items->Release();
  return names;
}

// What the window shows: a button beside the node.
bool ButtonShown(TCustomTreeView* view, TTreeNode* node) {
  TVITEMA item{};
  item.mask = TVIF_HANDLE | TVIF_CHILDREN;
  item.hItem = node->GetItemId();
  SendMessageA(view->GetHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.cChildren != 0;
}

TEST_F(ShellTreeTest, ArrowKeysMoveTheListOnceAfterTheLastKeyAndAClickAtOnce) {
  for (const char* name : {"a", "b", "c"}) home.MakeFile(std::string("kit/") + name + "/" + name + ".wav");
  MakeTree();
  ASSERT_EQ(tree->GetSelected(), tree->TopNode());
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base));
  tree->SetFocus();
  Pump();
  listMoves = 0;
  for (int i = 0; i < 3; ++i) Key(VK_DOWN);
  ASSERT_EQ(tree->GetSelected(), Node("c"));
  EXPECT_EQ(listMoves, 0);
  AdvanceMs(499);
  EXPECT_EQ(listMoves, 0);
  AdvanceMs(1);
  EXPECT_EQ(listMoves, 1);
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base + "/c"));
  EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"c.wav"}));
  AdvanceMs(5000);
  EXPECT_EQ(listMoves, 1);

  ClickNode(Node("a"));
  EXPECT_EQ(tree->GetSelected(), Node("a"));
  EXPECT_EQ(listMoves, 2);
  EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"a.wav"}));
  // The click promised nothing to the next key.
  Key(VK_DOWN);
  EXPECT_EQ(listMoves, 2);
  AdvanceMs(500);
  EXPECT_EQ(listMoves, 3);
  EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"b.wav"}));
}

TEST_F(ShellTreeTest, OnlyFoldersWithSubfoldersShowAButtonAndExpandingFillsOneLevel) {
  home.MakeFile("kit/files/kick.wav");
  home.MakeFolder("kit/deep/inner/innermost");
  home.MakeFolder("kit/empty");
  MakeTree(false);
  TTreeNode* top = tree->TopNode();
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(top->GetExpanded());
  EXPECT_EQ(ChildNames(top), (std::vector<std::string>{"deep", "empty", "files"}));
  const struct {
    const char* node;
    bool button;
  } cases[] = {{"files", false}, {"empty", false}, {"deep", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.node);
    TTreeNode* node = Node(c.node);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetHasChildren(), c.button);
    EXPECT_EQ(ButtonShown(tree, node), c.button);
    EXPECT_EQ(node->GetCount(), 0);
  }
  Node("deep")->Expand(false);
  EXPECT_EQ(ChildNames(Node("deep")), (std::vector<std::string>{"inner"}));
  TTreeNode* inner = Node("deep/inner");
  EXPECT_TRUE(ButtonShown(tree, inner));
  EXPECT_EQ(inner->GetCount(), 0);
}

TEST_F(ShellTreeTest, SelectingADeepFolderExpandsTheWayAndStopsAtTheLastFolderThatExists) {
  home.MakeFolder("kit/one/two/three");
  MakeTree();
  list->GetFolder()->SetFolderPath(base + "/one/two/three");
  Pump();
  TTreeNode* three = Node("one/two/three");
  ASSERT_NE(three, nullptr);
  EXPECT_EQ(tree->GetSelected(), three);
  EXPECT_TRUE(Node("one")->GetExpanded());
  EXPECT_TRUE(Node("one/two")->GetExpanded());
  EXPECT_EQ(tree->GetSelectedFolder()->GetFolderPath(), ShellPath(base + "/one/two/three"));
  // Going up through the list goes through the tree.
  list->GoUp(2);
  Pump();
  EXPECT_EQ(tree->GetSelected(), Node("one"));
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base + "/one"));
  // A step that is gone: a beep, and the deepest folder reached is selected.
  home.MakeFolder("kit/one/two/gone");
  TShellPidl gone;
  ASSERT_EQ(PathToPidl(base + "/one/two/gone", &gone.p), S_OK);
  fs::remove_all(base + "/one/two/gone");
  win::user::TakeBeeps();
  tree->SelectFolderPidl(gone.p);
  EXPECT_EQ(win::user::TakeBeeps().size(), 1u);
  EXPECT_EQ(tree->GetSelected(), Node("one/two"));
  EXPECT_EQ(ChildNames(Node("one/two")), (std::vector<std::string>{"three"}));
  // A folder that is not below the base cannot be reached: the tree stops
  // at the top node and stays sound.
  home.MakeFolder("elsewhere");
  TShellPidl outside;
  ASSERT_EQ(PathToPidl(home.Home + "/elsewhere", &outside.p), S_OK);
  tree->SelectFolderPidl(outside.p);
  EXPECT_NE(tree->GetSelected(), nullptr);
}

TEST_F(ShellTreeTest, FoldersMadeOrRemovedOutsideShowUpAndTheSelectionFallsBackToTheParent) {
  home.MakeFolder("kit/a/sub1");
  home.MakeFolder("kit/b");
  home.MakeFile("kit/a/sub1/kick.wav");
  MakeTree();
  Node("a")->Expand(false);
  Pump();
  EXPECT_EQ(ChildNames(Node("a")), (std::vector<std::string>{"sub1"}));
  // A folder that was never expanded is not watched nor filled.
  home.MakeFolder("kit/b/unseen");
  int seen = tree->notices;
  home.MakeFolder("kit/a/sub0");
  AwaitNotices(seen);
  AdvanceMs(2000);
  EXPECT_EQ(ChildNames(Node("a")), (std::vector<std::string>{"sub0", "sub1"}));
  EXPECT_EQ(Node("b")->GetCount(), 0);

  list->GetFolder()->SetFolderPath(base + "/a/sub1");
  Pump();
  ASSERT_EQ(tree->GetSelected(), Node("a/sub1"));
  ASSERT_EQ(ListCaptions(), (std::vector<std::string>{"kick.wav"}));
  // A refresh that keeps the selected folder tells nobody of a change (a
  // file chosen in the list stays chosen).
  int changes = 0;
  tree->OnChange = [&](TObject*, TTreeNode*) { ++changes; };
  seen = tree->notices;
  home.MakeFolder("kit/a/sub2");
  AwaitNotices(seen);
  AdvanceMs(2000);
  EXPECT_EQ(ChildNames(Node("a")), (std::vector<std::string>{"sub0", "sub1", "sub2"}));
  EXPECT_EQ(tree->GetSelected(), Node("a/sub1"));
  EXPECT_EQ(changes, 0);
  seen = tree->notices;
  fs::remove_all(base + "/a/sub1");
  AwaitNotices(seen);
  AdvanceMs(2000);
  EXPECT_EQ(ChildNames(Node("a")), (std::vector<std::string>{"sub0", "sub2"}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(tree->GetSelected(), Node("a"));
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base + "/a"));
  EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"sub0", "sub2"}));
}

TEST_F(ShellTreeTest, ACollapsedFolderStaysWatchedAndShowsWhatChangedWhenOpenedAgain) {
  home.MakeFolder("kit/a/one");
  MakeTree(false);
  Node("a")->Expand(false);
  Node("a")->Collapse(false);
  Pump();
  const int seen = tree->notices;
  home.MakeFolder("kit/a/two");
  AwaitNotices(seen);
  AdvanceMs(2000);
  Node("a")->Expand(false);
  EXPECT_EQ(ChildNames(Node("a")), (std::vector<std::string>{"one", "two"}));
}

TEST_F(ShellTreeTest, ANoticeDuringADragOrMenuRefreshesOnceItEnds) {
  home.MakeFolder("kit/a");
  MakeTree(false);
  tree->busy = true;
  const int seen = tree->notices;
  home.MakeFolder("kit/b");
  AwaitNotices(seen);
  AdvanceMs(5000);
  EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(tree->RefreshDeferred());
  tree->busy = false;
  AdvanceMs(400);
  EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"a", "b"}));
  EXPECT_FALSE(tree->RefreshDeferred());
}

// Renames a node through the tree view's own label edit.
void RenameInPlace(TCustomTreeView* view, TTreeNode* node, const std::string& name) {
  ASSERT_TRUE(node->EditText());
  auto edit = reinterpret_cast<HWND>(SendMessageA(view->GetHandle(), TVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(edit, nullptr);
  SetWindowTextA(edit, name.c_str());
  node->EndEdit(false);
}

TEST_F(ShellTreeTest, ARenamedFolderTakesItsExpandedDescendantsAndTheLinkedListAlong) {
  home.MakeFile("kit/a/b/c/kick.wav");
  home.MakeFolder("kit/taken");
  MakeTree();
  list->GetFolder()->SetFolderPath(base + "/a/b/c");
  Pump();
  ASSERT_EQ(tree->GetSelected(), Node("a/b/c"));
  TTreeNode* b = Node("a/b");
  // The folder of b is bound before the rename.
  ASSERT_EQ(ListedNames(tree->NodeData(b)->BoundFolder()), (std::vector<std::string>{"c"}));

  RenameInPlace(tree, Node("a"), "renamed");
  Pump();
  EXPECT_TRUE(fs::exists(base + "/renamed/b/c/kick.wav"));
  TTreeNode* renamed = Node("renamed");
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(Node("renamed/b"), b);
  const struct {
    const char* node;
    const char* path;
  } cases[] = {{"renamed", "/renamed"}, {"renamed/b", "/renamed/b"}, {"renamed/b/c", "/renamed/b/c"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.node);
    EXPECT_EQ(NodePath(Node(c.node)), ShellPath(base + c.path));
  }
  EXPECT_EQ(ListedNames(tree->NodeData(b)->BoundFolder()), (std::vector<std::string>{"c"}));
  EXPECT_EQ(ListedNames(tree->NodeData(Node("renamed/b/c"))->BoundFolder()), (std::vector<std::string>{"kick.wav"}));
  EXPECT_EQ(tree->GetSelectedFolder()->GetFolderPath(), ShellPath(base + "/renamed/b/c"));
  EXPECT_EQ(list->GetFolder()->GetFolderPath(), ShellPath(base + "/renamed/b/c"));
  EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"kick.wav"}));

  // A name that is taken leaves the node as it was.
  RenameInPlace(tree, renamed, "taken");
  Pump();
  EXPECT_EQ(renamed->GetText(), "renamed");
  EXPECT_EQ(NodePath(renamed), ShellPath(base + "/renamed"));
  EXPECT_TRUE(fs::exists(base + "/renamed/b/c/kick.wav"));
}

TEST_F(ShellTreeTest, AFileDraggedFromTheListOntoAFolderNodeIsMoved) {
  home.MakeFile("kit/beats/kick.wav", "kick");
  home.MakeFolder("kit/kits");
  MakeTree();
  list->GetFolder()->SetFolderPath(base + "/beats");
  Pump();
  ASSERT_EQ(ListCaptions(), (std::vector<std::string>{"kick.wav"}));
  ASSERT_TRUE(tree->DropTargetRegistered());
  const TRect item = list->GetItems()->GetItem(0)->DisplayRect(drLabel);
  const TRect node = Node("kits")->DisplayRect(true);
  const int ix = item.Left + 5, iy = (item.Top + item.Bottom) / 2;
  const int nx = (node.Left + node.Right) / 2, ny = (node.Top + node.Bottom) / 2;
  using host::EventType;
  testsupport::PushMouseEvent(EventType::MouseDown, list, ix, iy);
  testsupport::PushMouseEvent(EventType::MouseMove, list, ix + 30, iy);
  testsupport::PushMouseEvent(EventType::MouseMove, tree, nx, ny);
  testsupport::PushMouseEvent(EventType::MouseMove, tree, nx + 1, ny);
  testsupport::PushMouseEvent(EventType::MouseUp, tree, nx + 1, ny);
  Pump();
  EXPECT_TRUE(fs::exists(base + "/kits/kick.wav"));
  EXPECT_FALSE(fs::exists(base + "/beats/kick.wav"));
  EXPECT_EQ(tree->GetDropTarget(), nullptr);
}

TEST_F(ShellTreeTest, AFolderDraggedOntoAnotherFolderNodeIsMovedAndTheTreeShowsIt) {
  home.MakeFile("kit/loops/groove.wav");
  home.MakeFolder("kit/kits");
  MakeTree(false);
  ASSERT_FALSE(Node("kits")->GetHasChildren());
  const TRect from = Node("loops")->DisplayRect(true);
  const TRect to = Node("kits")->DisplayRect(true);
  const int fx = (from.Left + from.Right) / 2, fy = (from.Top + from.Bottom) / 2;
  const int tx = (to.Left + to.Right) / 2, ty = (to.Top + to.Bottom) / 2;
  using host::EventType;
  testsupport::PushMouseEvent(EventType::MouseDown, tree, fx, fy);
  testsupport::PushMouseEvent(EventType::MouseMove, tree, fx + 12, fy + 6);
  testsupport::PushMouseEvent(EventType::MouseMove, tree, tx, ty - 1);
  testsupport::PushMouseEvent(EventType::MouseMove, tree, tx, ty);
  testsupport::PushMouseEvent(EventType::MouseUp, tree, tx, ty);
  Pump();
  EXPECT_TRUE(fs::exists(base + "/kits/loops/groove.wav"));
  EXPECT_FALSE(fs::exists(base + "/loops"));
  // The drop refreshed the tree at once, without waiting for a notice.
  EXPECT_EQ(ChildNames(tree->TopNode()), (std::vector<std::string>{"kits"}));
  // The folder that got its first subfolder can be opened now.
  EXPECT_TRUE(Node("kits")->GetHasChildren());
  Node("kits")->Expand(false);
  EXPECT_EQ(ChildNames(Node("kits")), (std::vector<std::string>{"loops"}));
  EXPECT_EQ(tree->GetDropTarget(), nullptr);
  EXPECT_FALSE(tree->Busy());
}

TEST_F(ShellTreeTest, APublishedTreeWithoutRootLinesHasTheBaseFolderOnTopWithItsChildrenBelow) {
  home.MakeFolder("kit/loops");
  home.MakeFolder("kit/shots");
  tree = new TTestShellTree(host);
  tree->SetParent(host);
  tree->SetBounds(10, 10, 250, 400);
  tree->SetShowRoot(false);
  TNavShellLocator wanted;
  wanted.SetFolderPath(base);
  tree->SetBaseFolder(&wanted);
  Pump();
  ASSERT_EQ(tree->GetItems()->GetTopCount(), 1);
  TTreeNode* top = tree->TopNode();
  EXPECT_EQ(top->GetText(), "kit");
  EXPECT_TRUE(top->GetExpanded());
  EXPECT_EQ(ChildNames(top), (std::vector<std::string>{"loops", "shots"}));
  EXPECT_EQ(GetWindowLongA(tree->GetHandle(), GWL_STYLE) & TVS_LINESATROOT, 0);
  EXPECT_EQ(NodePath(top), ShellPath(base));
  // The tree watches its base folder.
  EXPECT_EQ(tree->WatchedFolders(), (std::vector<std::string>{ShellPath(base)}));
}

TEST_F(ShellTreeTest, OptionsSwitchTheDropTargetTheDragStyleAndTheWatching) {
  tree = new TTestShellTree(host);
  const TNavShellTreeOptions defaults = tree->GetOptions();
  // Before the window: stored only.
  tree->SetOptions(defaults & ~NavSto(navstoOleDrop));
  EXPECT_FALSE(tree->HandleAllocated());
  EXPECT_FALSE(tree->DropTargetRegistered());
  tree->SetParent(host);
  tree->SetBounds(10, 10, 250, 400);
  tree->GetBaseFolder()->SetFolderPath(base);
  Pump();
  ASSERT_TRUE(tree->HandleAllocated());
  EXPECT_FALSE(tree->DropTargetRegistered());
  const HWND window = tree->GetHandle();

  tree->SetOptions(defaults);
  EXPECT_TRUE(tree->DropTargetRegistered());
  tree->SetOptions(defaults);
  EXPECT_TRUE(tree->DropTargetRegistered());
  tree->SetOptions(defaults & ~NavSto(navstoOleDrop));
  EXPECT_FALSE(tree->DropTargetRegistered());
  // Nothing is left registered with the window.
  EXPECT_EQ(RevokeDragDrop(window), DRAGDROP_E_NOTREGISTERED);

  const auto dragStyle = [&] { return (GetWindowLongA(window, GWL_STYLE) & TVS_DISABLEDRAGDROP) != 0; };
  EXPECT_FALSE(dragStyle());
  tree->SetOptions(defaults & ~NavSto(navstoOleDrag));
  EXPECT_TRUE(dragStyle());
  tree->SetOptions(defaults);
  EXPECT_FALSE(dragStyle());

  EXPECT_FALSE(tree->WatchedFolders().empty());
  tree->SetOptions(defaults & ~NavSto(navstoDynamicRefresh));
  EXPECT_TRUE(tree->WatchedFolders().empty());
  tree->SetOptions(defaults);
  EXPECT_FALSE(tree->WatchedFolders().empty());
}

TEST_F(ShellTreeTest, ATreeLinkedToAListPictured) {
  home.MakeFile("kit/acoustic/kick.wav");
  home.MakeFile("kit/acoustic/snare.wav");
  home.MakeFile("kit/acoustic/hats/closed.wav");
  home.MakeFolder("kit/electronic/808");
  home.MakeFolder("kit/loops");
  MakeTree();
  tree->SetHideSelection(false);
  list->SetFileFilter("*.wav");
  list->GetFolder()->SetFolderPath(base + "/acoustic");
  Pump();
  Node("electronic")->Expand(false);
  // As the kit editor shows it: no lines at the root, indent 19, the tree
  // focused.
  tree->SetIndent(19);
  tree->SetFocus();
  Pump();
  EXPECT_EQ(ListCaptions(), (std::vector<std::string>{"hats", "kick.wav", "snare.wav"}));
  SaveShot("shell-tree-linked");
}

}  // namespace
