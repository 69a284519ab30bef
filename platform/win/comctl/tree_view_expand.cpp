// The tree view: expanding and collapsing nodes, moving the selection and
// bringing a node into view, each with its notifications.
#include <algorithm>

#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/tree_view.h"

namespace win::comctl {
namespace {

void Describe(TvNode* node, TVITEMA& item) {
  if (!node) return;
  item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = HandleOf(node);
  item.state = node->state;
  item.stateMask = 0xFFFF;
  item.lParam = node->lParam;
  item.iImage = node->image;
  item.iSelectedImage = node->selectedImage;
}

bool IsBelow(TvNode* node, TvNode* ancestor) {
  for (TvNode* p = node ? node->parent : nullptr; p; p = p->parent)
    if (p == ancestor) return true;
  return false;
}

}  // namespace

LRESULT NotifyTree(TreeView& tv, UINT code, UINT action, TvNode* oldNode, TvNode* newNode, POINT p) {
  NMTREEVIEWA nm{};
  nm.action = action;
  Describe(oldNode, nm.itemOld);
  Describe(newNode, nm.itemNew);
  nm.ptDrag = p;
  return Notify(tv.hwnd, code, &nm.hdr);
}

bool ExpandNode(TreeView& tv, TvNode* node, UINT code, bool byUser) {
  if (!node) return false;
  UINT action = code & TVE_TOGGLE;
  bool expanded = (node->state & TVIS_EXPANDED) != 0;
  if (action == TVE_TOGGLE) action = expanded ? TVE_COLLAPSE : TVE_EXPAND;
  if (action == TVE_EXPAND) {
    if (expanded) return true;
    if (!HasChildren(tv, node)) return false;
    // A program's expansion is announced only the first time; the user's
    // every time.
    bool announce = byUser || !(node->state & TVIS_EXPANDEDONCE);
    if (announce && NotifyTree(tv, TVN_ITEMEXPANDINGA, TVE_EXPAND, nullptr, node, POINT{0, 0})) return false;
    if (!tv.live.count(node)) return false;
    node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    UpdateTreeScrollBars(tv);
    InvalidateRect(tv.hwnd, nullptr, TRUE);
    if (announce) NotifyTree(tv, TVN_ITEMEXPANDEDA, TVE_EXPAND, nullptr, node, POINT{0, 0});
    return true;
  }
  if (action != TVE_COLLAPSE) return false;
  if (!expanded && !(code & TVE_COLLAPSERESET)) return false;
  if (NotifyTree(tv, TVN_ITEMEXPANDINGA, TVE_COLLAPSE, nullptr, node, POINT{0, 0})) return false;
  if (!tv.live.count(node)) return false;
  node->state &= ~static_cast<UINT>(TVIS_EXPANDED);
  if (code & TVE_COLLAPSERESET) {
    node->state &= ~static_cast<UINT>(TVIS_EXPANDEDONCE);
    for (TvNode* k : std::vector<TvNode*>(node->kids)) DeleteNode(tv, k);
  }
  // A selection hidden by the collapse moves to the collapsed node.
  if (tv.selected && IsBelow(tv.selected, node)) SelectNode(tv, node, TVC_UNKNOWN);
  UpdateTreeScrollBars(tv);
  InvalidateRect(tv.hwnd, nullptr, TRUE);
  NotifyTree(tv, TVN_ITEMEXPANDEDA, TVE_COLLAPSE, nullptr, node, POINT{0, 0});
  return true;
}

bool SelectNode(TreeView& tv, TvNode* node, UINT action) {
  if (node == tv.selected) return true;
  TvNode* old = tv.selected;
  if (NotifyTree(tv, TVN_SELCHANGINGA, action, old, node, POINT{0, 0})) return false;
  if (node && !tv.live.count(node)) return false;
  if (old && tv.live.count(old)) old->state &= ~static_cast<UINT>(TVIS_SELECTED);
  tv.selected = node;
  if (node) {
    node->state |= TVIS_SELECTED;
    EnsureNodeVisible(tv, node);
  }
  InvalidateRect(tv.hwnd, nullptr, TRUE);
  NotifyTree(tv, TVN_SELCHANGEDA, action, old && tv.live.count(old) ? old : nullptr, node, POINT{0, 0});
  return true;
}

bool EnsureNodeVisible(TreeView& tv, TvNode* node) {
  if (!node) return false;
  for (TvNode* p = node->parent; p && p != &tv.root; p = p->parent)
    if (!(p->state & TVIS_EXPANDED)) ExpandNode(tv, p, TVE_EXPAND, false);
  int row = RowOf(tv, node);
  if (row < 0) return false;
  RECT client;
  GetClientRect(tv.hwnd, &client);
  int rows = std::max(1, static_cast<int>(client.bottom / RowHeight(tv)));
  if (row < tv.topRow)
    ScrollTreeTo(tv, row, tv.scrollX);
  else if (row >= tv.topRow + rows)
    ScrollTreeTo(tv, row - rows + 1, tv.scrollX);
  return true;
}

}  // namespace win::comctl
