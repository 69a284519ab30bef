// The tree view: editing a node's label in place. TVN_BEGINLABELEDIT may
// refuse; TVN_ENDLABELEDIT carries the new text, or none when cancelled,
// and the parent's TRUE keeps it.
#include <vector>

#include "platform/win/comctl/label_edit.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/tree_view.h"

namespace win::comctl {
namespace {

void Finish(HWND treeHwnd, bool accepted) {
  TreeView* tv = TreeViewOf(treeHwnd);
  if (!tv || !tv->editor) return;
  HWND edit = tv->editor;
  TvNode* node = tv->editNode;
  std::string text = WindowText(edit);
  tv->editor = nullptr;
  tv->editNode = nullptr;
  if (node && tv->live.count(node)) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back(0);
    NMTVDISPINFOA di{};
    di.item.mask = TVIF_TEXT | TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
    di.item.hItem = HandleOf(node);
    di.item.lParam = node->lParam;
    di.item.state = node->state;
    di.item.pszText = accepted ? buffer.data() : nullptr;
    di.item.cchTextMax = static_cast<int>(buffer.size());
    LRESULT keep = Notify(treeHwnd, TVN_ENDLABELEDITA, &di.hdr);
    tv = TreeViewOf(treeHwnd);
    if (tv && accepted && keep && tv->live.count(node) && !node->textCallback) {
      node->text = text;
      UpdateTreeScrollBars(*tv);
    }
  }
  if (GetFocus() == edit) SetFocus(treeHwnd);
  DestroyWindow(edit);
  if (TreeViewOf(treeHwnd)) InvalidateRect(treeHwnd, nullptr, TRUE);
}

}  // namespace

HWND EditTreeLabel(TreeView& tv, TvNode* node) {
  if (tv.editor) Finish(tv.hwnd, true);
  if (!node || !tv.live.count(node)) return nullptr;
  EnsureNodeVisible(tv, node);
  RECT r = NodeRect(tv, node, true);
  std::string text = NodeText(tv, node);
  r.right += 16;
  InflateRect(&r, 1, 1);
  HWND treeHwnd = tv.hwnd;
  HWND edit = CreateLabelEditor(treeHwnd, r, text, tv.font, [treeHwnd](bool accepted) { Finish(treeHwnd, accepted); });
  if (!edit) return nullptr;
  tv.editor = edit;
  tv.editNode = node;
  NMTVDISPINFOA di{};
  di.item.mask = TVIF_TEXT | TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
  di.item.hItem = HandleOf(node);
  di.item.lParam = node->lParam;
  di.item.state = node->state;
  di.item.pszText = text.data();
  di.item.cchTextMax = static_cast<int>(text.size()) + 1;
  if (Notify(treeHwnd, TVN_BEGINLABELEDITA, &di.hdr)) {
    if (TreeView* still = TreeViewOf(treeHwnd)) still->editor = nullptr, still->editNode = nullptr;
    DestroyWindow(edit);
    return nullptr;
  }
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  return edit;
}

void EndTreeLabelEdit(TreeView& tv, bool cancel) {
  if (tv.editor) EndLabelSession(tv.editor, !cancel);
}

}  // namespace win::comctl
