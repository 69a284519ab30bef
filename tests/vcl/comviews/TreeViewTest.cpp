// The tree view: nodes filled when they are opened, selection that can be
// refused, quiet setters, label editing, deletion, sorting, and nodes that
// outlive the window.
#include "ViewsFixture.h"

namespace viewtest {
namespace {

class TreeViewTest : public ViewsTest {
 protected:
  TTreeView* MakeTree() {
    auto* tv = new TTreeView(host);
    tv->SetParent(host);
    tv->SetBounds(10, 10, 240, 220);
    Pump();
    return tv;
  }
  // Where along the node's row the window has its expand button, or -1.
  static int ButtonX(TTreeView* tv, TTreeNode* node) {
    TRect row = node->DisplayRect(false);
    int y = (row.Top + row.Bottom) / 2;
    for (int x = 0; x < row.Right; x++) {
      TVHITTESTINFO hit{};
      hit.pt = POINT{x, y};
      SendMessageA(tv->GetHandle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.hItem == node->GetItemId() && (hit.flags & TVHT_ONITEMBUTTON)) return x;
    }
    return -1;
  }
  static std::vector<std::string> Texts(const std::vector<TTreeNode*>& nodes) {
    std::vector<std::string> out;
    for (TTreeNode* n : nodes) out.push_back(n->GetText());
    return out;
  }
  static std::vector<TTreeNode*> Children(TTreeNode* node) {
    std::vector<TTreeNode*> out;
    for (int i = 0; i < node->GetCount(); i++) out.push_back(node->GetItem(i));
    return out;
  }
  // The texts of a node's children in the order the window keeps them.
  static std::vector<std::string> WindowChildren(TTreeView* tv, HTREEITEM parent) {
    std::vector<std::string> out;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(
        tv->GetHandle(), TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageA(tv->GetHandle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
      char buffer[64] = {0};
      TVITEMA it{};
      it.mask = TVIF_TEXT | TVIF_HANDLE;
      it.hItem = item;
      it.pszText = buffer;
      it.cchTextMax = sizeof buffer;
      SendMessageA(tv->GetHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
      out.push_back(buffer);
    }
    return out;
  }
};

TEST_F(TreeViewTest, ANodeWithHasChildrenShowsAButtonAndIsFilledWhenOpened) {
  TTreeView* tv = MakeTree();
  TTreeNode* kits = tv->GetItems()->Add(nullptr, "Kits");
  TTreeNode* empty = tv->GetItems()->Add(nullptr, "Empty");
  kits->SetHasChildren(true);
  PaintNow();
  EXPECT_EQ(kits->GetCount(), 0);
  int x = ButtonX(tv, kits);
  ASSERT_GE(x, 0) << "no button on a node marked as having children";
  EXPECT_EQ(ButtonX(tv, empty), -1);

  // The first opening is refused; the second fills the node.
  bool allow = false;
  std::vector<std::string> heard;
  tv->OnExpanding = [&](TObject*, TTreeNode* node, bool& allowExpansion) {
    heard.push_back("expanding " + node->GetText());
    allowExpansion = allow;
    if (allow && node->GetCount() == 0) tv->GetItems()->AddChild(node, "Acoustic");
  };
  tv->OnExpanded = [&](TObject*, TTreeNode* node) { heard.push_back("expanded " + node->GetText()); };
  TRect row = kits->DisplayRect(false);
  Click(tv, x, (row.Top + row.Bottom) / 2);
  EXPECT_EQ(heard, (std::vector<std::string>{"expanding Kits"}));
  EXPECT_FALSE(kits->GetExpanded());
  EXPECT_EQ(kits->GetCount(), 0);

  allow = true;
  heard.clear();
  Click(tv, x, (row.Top + row.Bottom) / 2);
  EXPECT_EQ(heard, (std::vector<std::string>{"expanding Kits", "expanded Kits"}));
  EXPECT_TRUE(kits->GetExpanded());
  ASSERT_EQ(kits->GetCount(), 1);
  EXPECT_GT(kits->GetItem(0)->DisplayRect(true).Width(), 0);  // shown
}

TEST_F(TreeViewTest, SelectionChangesAreOfferedAndReported) {
  TTreeView* tv = MakeTree();
  TTreeNode* a = tv->GetItems()->Add(nullptr, "A");
  TTreeNode* b = tv->GetItems()->Add(nullptr, "B");
  std::vector<std::string> heard;
  tv->OnChanging = [&](TObject*, TTreeNode* node, bool& allow) {
    heard.push_back("changing " + node->GetText());
    allow = node != b;
  };
  tv->OnChange = [&](TObject*, TTreeNode* node) { heard.push_back("change " + node->GetText()); };
  tv->SetSelected(a);
  b->SetSelected(true);
  EXPECT_EQ(heard, (std::vector<std::string>{"changing A", "change A", "changing B"}));
  EXPECT_EQ(tv->GetSelected(), a);
  EXPECT_TRUE(a->GetSelected());
  EXPECT_TRUE(a->GetFocused());
  EXPECT_FALSE(b->GetSelected());
}

TEST_F(TreeViewTest, SettingAPropertyToItsValueFiresNothing) {
  TTreeView* tv = MakeTree();
  TTreeNode* root = tv->GetItems()->Add(nullptr, "Root");
  TTreeNode* kid = tv->GetItems()->AddChild(root, "Kid");
  root->Expand(false);
  tv->SetSelected(kid);
  std::vector<std::string> heard;
  tv->OnChanging = [&](TObject*, TTreeNode*, bool&) { heard.push_back("changing"); };
  tv->OnChange = [&](TObject*, TTreeNode*) { heard.push_back("change"); };
  tv->OnExpanding = [&](TObject*, TTreeNode*, bool&) { heard.push_back("expanding"); };
  tv->OnCollapsing = [&](TObject*, TTreeNode*, bool&) { heard.push_back("collapsing"); };
  tv->OnDeletion = [&](TObject*, TTreeNode*) { heard.push_back("deletion"); };
  kid->SetText("Kid");
  kid->SetSelected(true);
  tv->SetSelected(kid);
  root->SetExpanded(true);
  kid->SetExpanded(false);
  root->SetHasChildren(root->GetHasChildren());
  tv->SetShowButtons(true);
  tv->SetIndent(tv->GetIndent());
  EXPECT_TRUE(heard.empty());
  root->SetExpanded(false);
  EXPECT_EQ(heard, (std::vector<std::string>{"collapsing", "changing", "change"}));  // the selection moves up
  EXPECT_EQ(tv->GetSelected(), root);
}

TEST_F(TreeViewTest, LabelEditingGoesThroughOnEdited) {
  TTreeView* tv = MakeTree();
  TTreeNode* node = tv->GetItems()->Add(nullptr, "Snare");
  std::string heard;
  tv->OnEdited = [&](TObject*, TTreeNode* n, std::string& s) {
    heard = n->GetText() + " -> " + s;
    s = "[" + s + "]";
  };
  ASSERT_TRUE(node->EditText());
  EXPECT_TRUE(tv->IsEditing());
  HWND editor = reinterpret_cast<HWND>(SendMessageA(tv->GetHandle(), TVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(editor, nullptr);
  SetWindowTextA(editor, "Rim");
  SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(heard, "Snare -> Rim");
  EXPECT_EQ(node->GetText(), "[Rim]");
  EXPECT_EQ(WindowChildren(tv, nullptr), (std::vector<std::string>{"[Rim]"}));
  // OnEditing may refuse; a read-only tree refuses always.
  tv->OnEditing = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
  EXPECT_FALSE(node->EditText());
  tv->OnEditing = nullptr;
  tv->SetReadOnly(true);
  EXPECT_FALSE(node->EditText());
}

TEST_F(TreeViewTest, DeletingANodeHearsItsChildrenFirst) {
  TTreeView* tv = MakeTree();
  TTreeNode* root = tv->GetItems()->Add(nullptr, "Root");
  TTreeNode* a = tv->GetItems()->AddChild(root, "A");
  tv->GetItems()->AddChild(a, "A1");
  tv->GetItems()->AddChild(root, "B");
  tv->GetItems()->Add(nullptr, "Other");
  std::vector<std::string> heard;
  tv->OnDeletion = [&](TObject*, TTreeNode* node) { heard.push_back(node->GetText()); };
  root->Delete();
  EXPECT_EQ(heard, (std::vector<std::string>{"A1", "A", "B", "Root"}));
  EXPECT_EQ(tv->GetItems()->GetCount(), 1);
  EXPECT_EQ(WindowChildren(tv, nullptr), (std::vector<std::string>{"Other"}));
  // Without a window the nodes go the same way.
  auto* loose = new TTreeView(nullptr);
  TTreeNode* top = loose->GetItems()->Add(nullptr, "Top");
  loose->GetItems()->AddChild(top, "Under");
  heard.clear();
  loose->OnDeletion = tv->OnDeletion;
  loose->GetItems()->Clear();
  EXPECT_EQ(heard, (std::vector<std::string>{"Under", "Top"}));
  delete loose;
}

TEST_F(TreeViewTest, AlphaSortSortsEveryLevelAndCustomSortOneNode) {
  TTreeView* tv = MakeTree();
  TTreeNode* z = tv->GetItems()->Add(nullptr, "Zeta");
  tv->GetItems()->Add(nullptr, "alpha");
  tv->GetItems()->AddChild(z, "mid");
  tv->GetItems()->AddChild(z, "Bottom");
  tv->AlphaSort();
  EXPECT_EQ(WindowChildren(tv, nullptr), (std::vector<std::string>{"alpha", "Zeta"}));
  EXPECT_EQ(Texts(Children(z)), (std::vector<std::string>{"Bottom", "mid"}));
  EXPECT_EQ(WindowChildren(tv, z->GetItemId()), (std::vector<std::string>{"Bottom", "mid"}));
  EXPECT_EQ(tv->GetItems()->GetItem(0)->GetText(), "alpha");
  z->CustomSort([](TTreeNode* a, TTreeNode* b, LPARAM) { return AnsiCompareText(b->GetText(), a->GetText()); }, 0);
  EXPECT_EQ(WindowChildren(tv, z->GetItemId()), (std::vector<std::string>{"mid", "Bottom"}));
  EXPECT_EQ(z->GetFirstChild()->GetText(), "mid");
}

TEST_F(TreeViewTest, CustomDrawEventsColourNodesAndMaySkipTheWholeTree) {
  TTreeView* tv = MakeTree();
  TTreeNode* plain = tv->GetItems()->Add(nullptr, "Plain");
  TTreeNode* marked = tv->GetItems()->Add(nullptr, "Marked");
  bool drawTree = true;
  tv->OnCustomDraw = [&](TCustomTreeView*, const TRect&, bool& defaultDraw) { defaultDraw = drawTree; };
  tv->OnCustomDrawItem = [&](TCustomTreeView* sender, TTreeNode* node, TCustomDrawState, bool&) {
    if (node == marked) sender->GetCanvas()->GetBrush()->SetColor(clAqua);
  };
  PaintNow();
  auto labelCorner = [&](TTreeNode* node) {
    TRect r = node->DisplayRect(true);
    return Pixel(tv, r.Left + 1, r.Top + 1);
  };
  EXPECT_EQ(labelCorner(plain), ColorToRGB(clWindow));
  EXPECT_EQ(labelCorner(marked), ColorToRGB(clAqua));
  // A handler that draws the control itself leaves the nodes undrawn: no
  // text in the label.
  auto inked = [&](TTreeNode* node) {
    TRect r = node->DisplayRect(true);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; y++)
      for (int x = r.Left; x < r.Right; x++) n += Pixel(tv, x, y) != ColorToRGB(clWindow);
    return n;
  };
  EXPECT_GT(inked(plain), 0);
  drawTree = false;
  tv->Invalidate();
  PaintNow();
  EXPECT_EQ(inked(plain), 0);
}

TEST_F(TreeViewTest, NodesAndTheirStatesOutliveTheWindow) {
  TTreeView* tv = MakeTree();
  TTreeNode* root = tv->GetItems()->Add(nullptr, "Root");
  TTreeNode* kid = tv->GetItems()->AddChild(root, "Kid");
  int data = 7;
  kid->SetData(&data);
  root->Expand(false);
  tv->SetSelected(kid);
  kid->SetCut(true);
  std::vector<std::string> heard;
  tv->OnDeletion = [&](TObject*, TTreeNode*) { heard.push_back("deletion"); };
  tv->OnChange = [&](TObject*, TTreeNode*) { heard.push_back("change"); };
  tv->RecreateWnd();
  tv->HandleNeeded();
  Pump();
  EXPECT_TRUE(heard.empty());
  EXPECT_TRUE(root->GetExpanded());
  EXPECT_EQ(tv->GetSelected(), kid);
  EXPECT_TRUE(kid->GetCut());
  EXPECT_EQ(kid->GetData(), &data);
  EXPECT_EQ(WindowChildren(tv, root->GetItemId()), (std::vector<std::string>{"Kid"}));
  delete tv;
  EXPECT_TRUE(heard.empty());
}

}  // namespace
}  // namespace viewtest
