// The tree view driven by messages, mouse and keyboard: buttons and
// callbacks, expansion and selection notifications, walking, sorting,
// deleting and label editing.
#include <cstring>

#include "comctl_fixture.h"

namespace comctltest {
namespace {

class TreeViewTest : public ComctlTest {
 protected:
  HWND MakeTree(DWORD style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS) {
    MakeParent(300, 240);
    HWND tv = MakeChild(WC_TREEVIEWA, style, 10, 10, 280, 220);
    return tv;
  }
  static HTREEITEM Add(HWND tv, HTREEITEM parent, const char* text, LPARAM param = 0, HTREEITEM after = TVI_LAST) {
    TVINSERTSTRUCTA ins{};
    ins.hParent = parent;
    ins.hInsertAfter = after;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM;
    ins.item.pszText = const_cast<LPSTR>(text);
    ins.item.lParam = param;
    return reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
  }
  static HTREEITEM Next(HWND tv, UINT code, HTREEITEM from = nullptr) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(from)));
  }
  static std::string Text(HWND tv, HTREEITEM item) {
    char buffer[128] = {0};
    TVITEMA it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = buffer;
    it.cchTextMax = sizeof buffer;
    SendMessageA(tv, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it));
    return buffer;
  }
  static UINT State(HWND tv, HTREEITEM item, UINT mask) {
    return static_cast<UINT>(SendMessageA(tv, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
  }
  static RECT Rect(HWND tv, HTREEITEM item, bool textOnly) {
    RECT r{};
    std::memcpy(&r, &item, sizeof item);  // the item goes in where the rectangle comes back
    SendMessageA(tv, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static UINT HitFlags(HWND tv, int x, int y, HTREEITEM* item = nullptr) {
    TVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    HTREEITEM got = reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item) *item = got;
    return hit.flags;
  }
  std::vector<Heard> Of(UINT code) const {
    std::vector<Heard> out;
    for (const Heard& h : heard)
      if (h.code == code) out.push_back(h);
    return out;
  }
};

TEST_F(TreeViewTest, ChildrenCallbackShowsAButtonAndExpandingAsksTheParent) {
  HWND tv = MakeTree();
  TVINSERTSTRUCTA ins{};
  ins.hParent = TVI_ROOT;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT | TVIF_CHILDREN;
  ins.item.pszText = const_cast<LPSTR>("Folder");
  ins.item.cChildren = I_CHILDRENCALLBACK;
  HTREEITEM folder = reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
  answers[TVN_GETDISPINFOA] = [](NMHDR* h) -> LRESULT {
    auto* di = reinterpret_cast<NMTVDISPINFOA*>(h);
    if (di->item.mask & TVIF_CHILDREN) di->item.cChildren = 1;
    return 0;
  };
  // The parent fills the node when it is first expanded.
  answers[TVN_ITEMEXPANDINGA] = [&](NMHDR* h) -> LRESULT {
    auto* nm = reinterpret_cast<NMTREEVIEWA*>(h);
    if (nm->action == TVE_EXPAND) Add(tv, nm->itemNew.hItem, "Inside");
    return 0;
  };
  Paint();
  bool askedForChildren = false;
  for (const Heard& h : Of(TVN_GETDISPINFOA))
    if (h.node == folder && (h.changed & TVIF_CHILDREN)) askedForChildren = true;
  EXPECT_TRUE(askedForChildren);
  RECT label = Rect(tv, folder, true);
  int bx = label.left - 19 / 2, by = (label.top + label.bottom) / 2;  // no images: the label follows the button
  EXPECT_EQ(HitFlags(tv, bx, by), static_cast<UINT>(TVHT_ONITEMBUTTON));
  // The button's box is drawn around its centre.
  int frame = 0;
  for (int x = bx - 6; x <= bx + 6; x++)
    if (Pixel(tv, x, by - 4) == 0x808080 || Pixel(tv, x, by + 4) == 0x808080) frame++;
  EXPECT_GE(frame, 9);

  heard.clear();
  Click(tv, bx, by);
  EXPECT_EQ(Codes({TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGINGA}),
            (std::vector<UINT>{TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}));
  EXPECT_EQ(Of(TVN_ITEMEXPANDINGA)[0].node, folder);
  EXPECT_EQ(Of(TVN_ITEMEXPANDINGA)[0].action, static_cast<UINT>(TVE_EXPAND));
  EXPECT_TRUE(State(tv, folder, TVIS_EXPANDED));
  HTREEITEM inside = Next(tv, TVGN_CHILD, folder);
  ASSERT_NE(inside, nullptr);
  EXPECT_EQ(Text(tv, inside), "Inside");
  // Collapsed by the user and expanded by a program: the program's second
  // expansion is not announced again.
  Click(tv, bx, by);
  EXPECT_FALSE(State(tv, folder, TVIS_EXPANDED));
  heard.clear();
  EXPECT_TRUE(SendMessageA(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folder)));
  EXPECT_TRUE(Of(TVN_ITEMEXPANDINGA).empty());
  EXPECT_EQ(Next(tv, TVGN_CHILD, folder), inside);
}

TEST_F(TreeViewTest, ParentCanRefuseAnExpansion) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "a");
  Add(tv, a, "a1");
  answers[TVN_ITEMEXPANDINGA] = [](NMHDR*) -> LRESULT { return TRUE; };
  EXPECT_FALSE(SendMessageA(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a)));
  EXPECT_FALSE(State(tv, a, TVIS_EXPANDED));
  EXPECT_TRUE(Of(TVN_ITEMEXPANDEDA).empty());
}

TEST_F(TreeViewTest, ClickAnnouncesTheClickThenMovesTheSelection) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "alpha");
  HTREEITEM b = Add(tv, TVI_ROOT, "beta");
  Paint();
  RECT r = Rect(tv, b, true);
  heard.clear();
  Click(tv, r.left + 4, (r.top + r.bottom) / 2);
  EXPECT_EQ(Codes({NM_CLICK, TVN_SELCHANGINGA, TVN_SELCHANGEDA}),
            (std::vector<UINT>{NM_CLICK, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
  EXPECT_EQ(Of(TVN_SELCHANGEDA)[0].action, static_cast<UINT>(TVC_BYMOUSE));
  EXPECT_EQ(Of(TVN_SELCHANGEDA)[0].node, b);
  EXPECT_EQ(Next(tv, TVGN_CARET), b);
  // Keys: up selects the previous row, announced as by keyboard.
  heard.clear();
  Press(VK_UP);
  EXPECT_EQ(Codes({TVN_KEYDOWN, TVN_SELCHANGINGA}), (std::vector<UINT>{TVN_KEYDOWN, TVN_SELCHANGINGA}));
  EXPECT_EQ(Of(TVN_SELCHANGEDA)[0].action, static_cast<UINT>(TVC_BYKEYBOARD));
  EXPECT_EQ(Next(tv, TVGN_CARET), a);
  // A refused change keeps the selection.
  answers[TVN_SELCHANGINGA] = [](NMHDR*) -> LRESULT { return TRUE; };
  Press(VK_DOWN);
  EXPECT_EQ(Next(tv, TVGN_CARET), a);
}

TEST_F(TreeViewTest, ArrowKeysExpandCollapseAndWalkTheTree) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "a");
  HTREEITEM a1 = Add(tv, a, "a1");
  Add(tv, TVI_ROOT, "b");
  SetFocus(tv);
  SendMessageA(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a));
  Press(VK_RIGHT);
  EXPECT_TRUE(State(tv, a, TVIS_EXPANDED));
  Press(VK_RIGHT);
  EXPECT_EQ(Next(tv, TVGN_CARET), a1);
  Press(VK_LEFT);
  EXPECT_EQ(Next(tv, TVGN_CARET), a);
  Press(VK_LEFT);
  EXPECT_FALSE(State(tv, a, TVIS_EXPANDED));
  heard.clear();
  Press(VK_RETURN);
  EXPECT_EQ(Codes({NM_RETURN}).size(), 1u);
  Type("b");
  EXPECT_EQ(Text(tv, Next(tv, TVGN_CARET)), "b");
}

TEST_F(TreeViewTest, GetNextItemWalksEveryWay) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "a");
  HTREEITEM a1 = Add(tv, a, "a1");
  HTREEITEM a2 = Add(tv, a, "a2");
  HTREEITEM b = Add(tv, TVI_ROOT, "b");
  HTREEITEM first = Add(tv, TVI_ROOT, "first", 0, TVI_FIRST);
  EXPECT_EQ(Next(tv, TVGN_ROOT), first);
  EXPECT_EQ(Next(tv, TVGN_CHILD, TVI_ROOT), first);
  EXPECT_EQ(Next(tv, TVGN_NEXT, first), a);
  EXPECT_EQ(Next(tv, TVGN_PREVIOUS, b), a);
  EXPECT_EQ(Next(tv, TVGN_PREVIOUS, first), nullptr);
  EXPECT_EQ(Next(tv, TVGN_CHILD, a), a1);
  EXPECT_EQ(Next(tv, TVGN_PARENT, a2), a);
  EXPECT_EQ(Next(tv, TVGN_PARENT, a), nullptr);
  EXPECT_EQ(Next(tv, TVGN_NEXTVISIBLE, a), b);  // a is collapsed
  SendMessageA(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a));
  EXPECT_EQ(Next(tv, TVGN_NEXTVISIBLE, a), a1);
  EXPECT_EQ(Next(tv, TVGN_PREVIOUSVISIBLE, b), a2);
  EXPECT_EQ(Next(tv, TVGN_LASTVISIBLE), b);
  EXPECT_EQ(Next(tv, TVGN_FIRSTVISIBLE), first);
  EXPECT_EQ(Next(tv, TVGN_CARET), nullptr);
  SendMessageA(tv, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(a2));
  EXPECT_EQ(Next(tv, TVGN_DROPHILITE), a2);
  EXPECT_TRUE(State(tv, a2, TVIS_DROPHILITED));
  EXPECT_EQ(Next(tv, TVGN_CARET), nullptr);  // the drop highlight is no selection
  EXPECT_EQ(SendMessageA(tv, TVM_GETCOUNT, 0, 0), 5);
}

TEST_F(TreeViewTest, DeletingTheRootAnnouncesChildrenBeforeTheirParent) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "a");
  HTREEITEM a1 = Add(tv, a, "a1");
  HTREEITEM b = Add(tv, TVI_ROOT, "b");
  SendMessageA(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  std::vector<HTREEITEM> order;
  for (const Heard& h : Of(TVN_DELETEITEMA)) order.push_back(h.node);
  EXPECT_EQ(order, (std::vector<HTREEITEM>{a1, a, b}));
  EXPECT_EQ(SendMessageA(tv, TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TreeViewTest, DeletingTheSelectedNodeSelectsItsNextSibling) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "a");
  HTREEITEM b = Add(tv, TVI_ROOT, "b");
  SendMessageA(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a));
  SendMessageA(tv, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(a));
  EXPECT_EQ(Next(tv, TVGN_CARET), b);
  EXPECT_TRUE(State(tv, b, TVIS_SELECTED));
}

TEST_F(TreeViewTest, SortsChildrenByCallbackOrByText) {
  HWND tv = MakeTree();
  HTREEITEM p = Add(tv, TVI_ROOT, "p");
  Add(tv, p, "banana", 2);
  Add(tv, p, "apple", 3);
  Add(tv, p, "cherry", 1);
  TVSORTCB sort{p, +[](LPARAM a, LPARAM b, LPARAM) -> int { return static_cast<int>(a - b); }, 0};
  SendMessageA(tv, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
  EXPECT_EQ(Text(tv, Next(tv, TVGN_CHILD, p)), "cherry");
  SendMessageA(tv, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(p));
  EXPECT_EQ(Text(tv, Next(tv, TVGN_CHILD, p)), "apple");
  Add(tv, p, "blueberry", 0, TVI_SORT);
  EXPECT_EQ(Text(tv, Next(tv, TVGN_NEXT, Next(tv, TVGN_CHILD, p))), "banana");
}

TEST_F(TreeViewTest, ImageCallbacksAreAskedWhilePainting) {
  HWND tv = MakeTree();
  HIMAGELIST images = SolidImages({RGB(255, 0, 0), RGB(0, 0, 255)});
  SendMessageA(tv, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  TVINSERTSTRUCTA ins{};
  ins.hParent = TVI_ROOT;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  ins.item.pszText = const_cast<LPSTR>("node");
  ins.item.iImage = I_IMAGECALLBACK;
  ins.item.iSelectedImage = I_IMAGECALLBACK;
  HTREEITEM node = reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
  answers[TVN_GETDISPINFOA] = [](NMHDR* h) -> LRESULT {
    auto* di = reinterpret_cast<NMTVDISPINFOA*>(h);
    if (di->item.mask & TVIF_IMAGE) di->item.iImage = 1;
    if (di->item.mask & TVIF_SELECTEDIMAGE) di->item.iSelectedImage = 0;
    return 0;
  };
  Paint();
  RECT label = Rect(tv, node, true);
  int ix = label.left - 3 - 8, iy = (label.top + label.bottom) / 2;
  EXPECT_EQ(Pixel(tv, ix, iy), 0x0000FFu);
  SendMessageA(tv, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
  Paint();
  EXPECT_EQ(Pixel(tv, ix, iy) & 0xFF0000, 0xFF0000u & Pixel(tv, ix, iy));
  EXPECT_NE(Pixel(tv, ix, iy), 0x0000FFu);
  // The tree never destroys its image lists.
  DestroyWindow(tv);
  EXPECT_TRUE(ImageList_Destroy(images));
}

TEST_F(TreeViewTest, LabelEditEndsWithTheNewTextAndEscapeCancels) {
  HWND tv = MakeTree(TVS_EDITLABELS | TVS_HASBUTTONS);
  HTREEITEM node = Add(tv, TVI_ROOT, "old name");
  answers[TVN_ENDLABELEDITA] = [](NMHDR*) -> LRESULT { return TRUE; };
  HWND edit = reinterpret_cast<HWND>(SendMessageA(tv, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(node)));
  ASSERT_NE(edit, nullptr);
  Press(VK_END);
  Press(VK_BACK);
  Press(VK_BACK);
  Press(VK_BACK);
  Press(VK_BACK);
  Type("NAME");
  Press(VK_RETURN);
  ASSERT_EQ(Of(TVN_ENDLABELEDITA).size(), 1u);
  EXPECT_EQ(Of(TVN_ENDLABELEDITA)[0].text, "old NAME");
  EXPECT_EQ(Of(TVN_ENDLABELEDITA)[0].node, node);
  EXPECT_EQ(Text(tv, node), "old NAME");
  heard.clear();
  SendMessageA(tv, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(node));
  Type("x");
  Press(VK_ESCAPE);
  ASSERT_EQ(Of(TVN_ENDLABELEDITA).size(), 1u);
  EXPECT_EQ(Of(TVN_ENDLABELEDITA)[0].text, "<null>");
  EXPECT_EQ(Text(tv, node), "old NAME");
  // Ending the edit from outside keeps the text as typed.
  SendMessageA(tv, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(node));
  Type("fresh");
  EXPECT_TRUE(SendMessageA(tv, TVM_ENDEDITLABELNOW, FALSE, 0));
  EXPECT_EQ(Text(tv, node), "fresh");
}

TEST_F(TreeViewTest, DestroyingTheTreeWhileEditingEndsTheEditAndDeletesEveryNode) {
  HWND tv = MakeTree(TVS_EDITLABELS);
  HTREEITEM a = Add(tv, TVI_ROOT, "a");
  Add(tv, a, "a1");
  HWND edit = reinterpret_cast<HWND>(SendMessageA(tv, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(a)));
  ASSERT_NE(edit, nullptr);
  DestroyWindow(tv);
  EXPECT_FALSE(IsWindow(edit));
  ASSERT_EQ(Of(TVN_ENDLABELEDITA).size(), 1u);
  EXPECT_EQ(Of(TVN_ENDLABELEDITA)[0].text, "a");  // the focus left the editor first
  EXPECT_EQ(Of(TVN_DELETEITEMA).size(), 2u);
}

TEST_F(TreeViewTest, DragFromANodeBeginsADragUnlessDisabled) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "alpha");
  RECT r = Rect(tv, a, true);
  AdvanceMs(1000);
  MouseDown(tv, r.left + 3, r.top + 3);
  MouseMove(tv, r.left + 30, r.top + 40, host::ButtonLeft);
  MouseUp(tv, r.left + 30, r.top + 40);
  EXPECT_EQ(Codes({TVN_BEGINDRAGA, NM_CLICK}), (std::vector<UINT>{TVN_BEGINDRAGA}));
  EXPECT_EQ(Of(TVN_BEGINDRAGA)[0].node, a);
  heard.clear();
  RightClick(tv, r.left + 3, r.top + 3);
  EXPECT_EQ(Codes({NM_RCLICK}).size(), 1u);
  SetWindowLongA(tv, GWL_STYLE, GetWindowLongA(tv, GWL_STYLE) | TVS_DISABLEDRAGDROP);
  heard.clear();
  AdvanceMs(1000);
  MouseDown(tv, r.left + 3, r.top + 3);
  MouseMove(tv, r.left + 30, r.top + 40, host::ButtonLeft);
  MouseUp(tv, r.left + 30, r.top + 40);
  EXPECT_TRUE(Of(TVN_BEGINDRAGA).empty());
}

TEST_F(TreeViewTest, CustomDrawItemStagesCarryTheNodeAndItsLevel) {
  HWND tv = MakeTree();
  HTREEITEM a = Add(tv, TVI_ROOT, "WWWW");
  Add(tv, a, "WWWW");
  SendMessageA(tv, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a));
  std::vector<int> levels;
  answers[NM_CUSTOMDRAW] = [&](NMHDR* h) -> LRESULT {
    auto* cd = reinterpret_cast<NMTVCUSTOMDRAW*>(h);
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
      levels.push_back(cd->iLevel);
      cd->clrText = RGB(0, 160, 0);
    }
    return CDRF_DODEFAULT;
  };
  Paint();
  EXPECT_EQ(levels, (std::vector<int>{0, 1}));
  RECT r = Rect(tv, a, true);
  int green = 0;
  for (int y = r.top; y < r.bottom; y++)
    for (int x = r.left; x < r.right; x++)
      if (Pixel(tv, x, y) == 0x00A000) green++;
  EXPECT_GT(green, 10);
}

}  // namespace
}  // namespace comctltest
