// Context menus of the tree and list view bases: from a right click and from
// the keyboard, where they pop up, the handler's say over the menu, and the
// window's own context-menu message ignored after a menu was shown.
#include <gtest/gtest.h>

#include "controls/shell/UNavTreeList.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ViewHost.h"
#include "tests/support/HostMouse.h"

namespace shelltest {
namespace {

class TKeyList : public TNavCustomListView {
 public:
  using TNavCustomListView::TNavCustomListView;
  void PressKey(WORD& key, TShiftState shift) { KeyDown(key, shift); }
};

class TKeyTree : public TNavCustomTreeView {
 public:
  using TNavCustomTreeView::TNavCustomTreeView;
  void PressKey(WORD& key, TShiftState shift) { KeyDown(key, shift); }
};

class ViewContextMenuTest : public ViewHostTest {
 protected:
  TKeyList* MakeList() {
    menu = new TRecordingPopupMenu(host);
    auto* list = new TKeyList(host);
    list->SetParent(host);
    list->SetBounds(10, 10, 300, 200);
    list->SetViewStyle(vsSmallIcon);
    list->SetPopupMenu(menu);
    for (const char* caption : {"Kick.wav", "Snare.wav", "Hat.wav"}) list->GetItems()->Add()->SetCaption(caption);
    Pump();
    return list;
  }
  TKeyTree* MakeTree() {
    menu = new TRecordingPopupMenu(host);
    auto* tree = new TKeyTree(host);
    tree->SetParent(host);
    tree->SetBounds(320, 10, 200, 200);
    tree->SetPopupMenu(menu);
    TTreeNode* kits = tree->GetItems()->Add(nullptr, "Kits");
    tree->GetItems()->AddChild(kits, "Acoustic");
    tree->GetItems()->Add(nullptr, "Songs");
    kits->Expand(false);
    Pump();
    return tree;
  }
  void RightClick(TControl* control, TPoint p) {
    testsupport::PushMouseEvent(host::EventType::MouseDown, control, p.X, p.Y, host::MouseButton::Right);
    testsupport::PushMouseEvent(host::EventType::MouseUp, control, p.X, p.Y, host::MouseButton::Right);
    Pump();
  }
  static TPoint Centre(const TRect& r) { return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

  TRecordingPopupMenu* menu = nullptr;
};

TEST_F(ViewContextMenuTest, RightClickOnAListItemShowsOneMenuAtItsIcon) {
  TKeyList* list = MakeList();
  TListItem* snare = list->GetItems()->GetItem(1);
  std::vector<TListItem*> asked;
  list->OnItemContextMenu = [&](TObject*, TListItem* item, TPoint, TPopupMenu*&) { asked.push_back(item); };
  RightClick(list, Centre(snare->DisplayRect(drLabel)));
  ASSERT_EQ(menu->shown.size(), 1u);
  EXPECT_EQ(menu->shown[0].screen, list->ClientToScreen(Centre(snare->DisplayRect(drIcon))));
  EXPECT_EQ(menu->shown[0].component, list);
  EXPECT_EQ(asked, std::vector<TListItem*>{snare});
  // The next right click (not a double click) shows a menu again: the first
  // one's mark is gone.
  win::clock::Advance(2'000'000);
  RightClick(list, Centre(snare->DisplayRect(drLabel)));
  EXPECT_EQ(menu->shown.size(), 2u);
}

TEST_F(ViewContextMenuTest, ListKeysWithoutAFocusedItemPopTheMenuAtTheOrigin) {
  TKeyList* list = MakeList();
  const std::pair<WORD, TShiftState> keys[] = {{VK_APPS, {}}, {VK_F10, TShiftState{ssShift}}};
  for (auto [key, shift] : keys) {
    menu->shown.clear();
    WORD k = key;
    list->PressKey(k, shift);
    EXPECT_EQ(k, 0);
    ASSERT_EQ(menu->shown.size(), 1u);
    EXPECT_EQ(menu->shown[0].screen, list->ClientToScreen(TPoint(0, 0)));
  }
  // Other keys and other modifiers show nothing.
  menu->shown.clear();
  for (auto [key, shift] : {std::pair<WORD, TShiftState>{VK_F10, {}}, {VK_APPS, TShiftState{ssCtrl}}}) {
    WORD k = key;
    list->PressKey(k, shift);
    EXPECT_EQ(k, key);
  }
  EXPECT_TRUE(menu->shown.empty());
}

TEST_F(ViewContextMenuTest, ListKeysWithASelectionUseTheSelectedItem) {
  TKeyList* list = MakeList();
  TListItem* hat = list->GetItems()->GetItem(2);
  list->SetSelected(hat);
  hat->SetFocused(true);
  WORD key = VK_APPS;
  list->PressKey(key, {});
  ASSERT_EQ(menu->shown.size(), 1u);
  EXPECT_EQ(menu->shown[0].screen, list->ClientToScreen(Centre(hat->DisplayRect(drIcon))));
}

TEST_F(ViewContextMenuTest, HandlerMayReplaceOrDropTheMenu) {
  TKeyList* list = MakeList();
  auto* other = new TRecordingPopupMenu(host);
  TListItem* kick = list->GetItems()->GetItem(0);
  list->SetSelected(kick);
  kick->SetFocused(true);
  TPopupMenu* answer = other;
  list->OnItemContextMenu = [&](TObject*, TListItem*, TPoint, TPopupMenu*& m) { m = answer; };
  WORD key = VK_APPS;
  list->PressKey(key, {});
  EXPECT_TRUE(menu->shown.empty());
  EXPECT_EQ(other->shown.size(), 1u);
  answer = nullptr;
  key = VK_APPS;
  list->PressKey(key, {});
  EXPECT_EQ(other->shown.size(), 1u);
  EXPECT_TRUE(menu->shown.empty());
}

TEST_F(ViewContextMenuTest, RightClickOnATreeNodeShowsItsMenuOnce) {
  TKeyTree* tree = MakeTree();
  TTreeNode* acoustic = tree->GetItems()->GetFirstNode()->GetFirstChild();
  std::vector<TTreeNode*> asked;
  tree->OnNodeContextMenu = [&](TObject*, TTreeNode* node, TPoint, TPopupMenu*&) { asked.push_back(node); };
  TPoint p = Centre(acoustic->DisplayRect(true));
  RightClick(tree, p);
  ASSERT_EQ(menu->shown.size(), 1u);
  EXPECT_EQ(menu->shown[0].screen, tree->ClientToScreen(p));
  EXPECT_EQ(menu->shown[0].component, tree);
  EXPECT_EQ(asked, std::vector<TTreeNode*>{acoustic});
}

TEST_F(ViewContextMenuTest, TreeKeysUseTheSelectedNodeOrTheOrigin) {
  TKeyTree* tree = MakeTree();
  WORD key = VK_APPS;
  tree->PressKey(key, {});
  EXPECT_EQ(key, 0);
  ASSERT_EQ(menu->shown.size(), 1u);
  EXPECT_EQ(menu->shown[0].screen, tree->ClientToScreen(TPoint(0, 0)));
  TTreeNode* songs = tree->GetItems()->GetFirstNode()->GetNextSibling();
  tree->SetSelected(songs);
  key = VK_F10;
  tree->PressKey(key, TShiftState{ssShift});
  ASSERT_EQ(menu->shown.size(), 2u);
  EXPECT_EQ(menu->shown[1].screen, tree->ClientToScreen(Centre(songs->DisplayRect(true))));
}

// A tree whose node-deletion hook records the order and whether the window
// was still there.
class TRecordingTree : public TNavCustomTreeView {
 public:
  TRecordingTree(TComponent* owner, std::vector<std::string>& log) : TNavCustomTreeView(owner), FLog(log) {}
  ~TRecordingTree() override { DeleteAllNodes(); }

 protected:
  void Delete(TTreeNode* node) override {
    FLog.push_back(node->GetText() + (IsWindow(GetHandle()) ? "" : " (no window)"));
    TNavCustomTreeView::Delete(node);
  }

 private:
  std::vector<std::string>& FLog;
};

TEST_F(ViewContextMenuTest, DestroyingATreeDeletesEveryNodeChildrenFirst) {
  std::vector<std::string> log;
  auto* tree = new TRecordingTree(host, log);
  tree->SetParent(host);
  TTreeNode* kits = tree->GetItems()->Add(nullptr, "Kits");
  TTreeNode* acoustic = tree->GetItems()->AddChild(kits, "Acoustic");
  tree->GetItems()->AddChild(acoustic, "Brushes");
  tree->GetItems()->AddChild(kits, "Electro");
  tree->GetItems()->Add(nullptr, "Songs");
  Pump();
  delete tree;
  EXPECT_EQ(log, (std::vector<std::string>{"Brushes", "Acoustic", "Electro", "Kits", "Songs"}));
}

}  // namespace
}  // namespace shelltest
