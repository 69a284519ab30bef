// The tree view: which nodes show as rows, where their parts lie, hit
// testing and scrolling (by rows vertically, by pixels sideways).
#include <algorithm>
#include <climits>

#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"
#include "platform/win/comctl/tree_view.h"
#include "platform/win/comctl/scroll_target.h"

namespace win::comctl {
namespace {

void Collect(const TvNode* parent, std::vector<TvNode*>& out) {
  for (TvNode* k : parent->kids) {
    out.push_back(k);
    if (k->state & TVIS_EXPANDED) Collect(k, out);
  }
}

int ImageWidth(TreeView& tv) {
  int cx = 0, cy = 0;
  if (tv.normalImages) ImageList_GetIconSize(tv.normalImages, &cx, &cy);
  return cx ? cx + 3 : 0;
}

int StateWidth(TreeView& tv) {
  int cx = 0, cy = 0;
  if (tv.stateImages) ImageList_GetIconSize(tv.stateImages, &cx, &cy);
  return cx;
}

int ContentWidth(TreeView& tv) {
  int widest = 0;
  for (TvNode* n : VisibleNodes(tv)) {
    RECT r = NodeRect(tv, n, true);
    widest = std::max(widest, static_cast<int>(r.right) + tv.scrollX);
  }
  return widest;
}

int VisibleRows(TreeView& tv) {
  RECT client;
  GetClientRect(tv.hwnd, &client);
  return std::max(1, static_cast<int>(client.bottom / RowHeight(tv)));
}

}  // namespace

std::vector<TvNode*> VisibleNodes(TreeView& tv) {
  std::vector<TvNode*> out;
  Collect(&tv.root, out);
  return out;
}

int RowHeight(TreeView& tv) {
  if (tv.itemHeight > 0) return tv.itemHeight;
  HDC dc = GetDC(tv.hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(tv.font));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(tv.hwnd, dc);
  int cx = 0, cy = 0;
  if (tv.normalImages) ImageList_GetIconSize(tv.normalImages, &cx, &cy);
  return std::max(static_cast<int>(tm.tmHeight) + 3, cy + 1);
}

int RowOf(TreeView& tv, TvNode* node) {
  if (!node) return -1;
  auto rows = VisibleNodes(tv);
  auto it = std::find(rows.begin(), rows.end(), node);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int NodeIndentX(TreeView& tv, TvNode* node) {
  DWORD style = TreeStyle(tv);
  bool rootColumn = (style & TVS_LINESATROOT) && (style & (TVS_HASLINES | TVS_HASBUTTONS));
  return 2 + Level(node) * tv.indent + (rootColumn ? tv.indent : 0) - tv.scrollX;
}

HFONT BoldFontOf(HFONT font) {
  LOGFONTA lf{};
  GetObjectA(ControlFont(font), sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&lf);
}

int NodeTextWidth(TreeView& tv, TvNode* node) {
  std::string text = NodeText(tv, node);
  HDC dc = GetDC(tv.hwnd);
  HFONT bold = (node->state & TVIS_BOLD) ? BoldFontOf(tv.font) : nullptr;
  HGDIOBJ old = SelectObject(dc, bold ? bold : ControlFont(tv.font));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(tv.hwnd, dc);
  if (bold) DeleteObject(bold);
  return size.cx;
}

RECT NodeRect(TreeView& tv, TvNode* node, bool textOnly) {
  int row = RowOf(tv, node);
  if (row < 0) return RECT{0, 0, 0, 0};
  int h = RowHeight(tv);
  int top = (row - tv.topRow) * h;
  RECT client;
  GetClientRect(tv.hwnd, &client);
  if (!textOnly) return RECT{0, top, client.right, top + h};
  int left = NodeIndentX(tv, node) + StateWidth(tv) + ImageWidth(tv);
  return RECT{left, top, left + NodeTextWidth(tv, node) + 4, top + h};
}

TvNode* TreeHitTest(TreeView& tv, POINT p, UINT* flags) {
  RECT client;
  GetClientRect(tv.hwnd, &client);
  *flags = 0;
  if (p.x < 0) *flags |= TVHT_TOLEFT;
  if (p.x >= client.right) *flags |= TVHT_TORIGHT;
  if (p.y < 0) *flags |= TVHT_ABOVE;
  if (p.y >= client.bottom) *flags |= TVHT_BELOW;
  if (*flags) return nullptr;
  auto rows = VisibleNodes(tv);
  int row = tv.topRow + p.y / RowHeight(tv);
  if (row < 0 || row >= static_cast<int>(rows.size())) {
    *flags = TVHT_NOWHERE;
    return nullptr;
  }
  TvNode* node = rows[static_cast<size_t>(row)];
  int x = NodeIndentX(tv, node);
  int stateRight = x + StateWidth(tv);
  int imageRight = stateRight + ImageWidth(tv);
  RECT label = NodeRect(tv, node, true);
  DWORD style = TreeStyle(tv);
  bool hasButtonColumn = (style & TVS_HASBUTTONS) && (Level(node) > 0 || (style & TVS_LINESATROOT));
  if (p.x < x) {
    *flags = hasButtonColumn && p.x >= x - tv.indent && HasChildren(tv, node) ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
  } else if (p.x < stateRight) {
    *flags = TVHT_ONITEMSTATEICON;
  } else if (p.x < imageRight) {
    *flags = TVHT_ONITEMICON;
  } else if (p.x < label.right) {
    *flags = TVHT_ONITEMLABEL;
  } else {
    *flags = TVHT_ONITEMRIGHT;
  }
  return node;
}

void UpdateTreeScrollBars(TreeView& tv) {
  static int depth = 0;
  if (depth > 2 || !tv.hwnd) return;
  depth++;
  if (TreeStyle(tv) & TVS_NOSCROLL) {
    ShowScrollBar(tv.hwnd, SB_BOTH, FALSE);
    depth--;
    return;
  }
  RECT client;
  GetClientRect(tv.hwnd, &client);
  int rows = static_cast<int>(VisibleNodes(tv).size());
  SCROLLINFO v{
      sizeof v, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, rows - 1), static_cast<UINT>(VisibleRows(tv)), tv.topRow,
      0};
  SetScrollInfo(tv.hwnd, SB_VERT, &v, TRUE);
  SCROLLINFO h{sizeof h,
               SIF_RANGE | SIF_PAGE | SIF_POS,
               0,
               std::max(0, ContentWidth(tv) - 1),
               static_cast<UINT>(std::max<LONG>(0, client.right)),
               tv.scrollX,
               0};
  SetScrollInfo(tv.hwnd, SB_HORZ, &h, TRUE);
  SCROLLINFO got{sizeof got, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(tv.hwnd, SB_VERT, &got);
  tv.topRow = got.nPos;
  GetScrollInfo(tv.hwnd, SB_HORZ, &got);
  tv.scrollX = got.nPos;
  depth--;
}

void ScrollTreeTo(TreeView& tv, int topRow, int scrollX) {
  int beforeRow = tv.topRow, beforeX = tv.scrollX;
  SetScrollPos(tv.hwnd, SB_VERT, std::max(0, topRow), TRUE);
  SetScrollPos(tv.hwnd, SB_HORZ, std::max(0, scrollX), TRUE);
  tv.topRow = GetScrollPos(tv.hwnd, SB_VERT);
  tv.scrollX = GetScrollPos(tv.hwnd, SB_HORZ);
  // Without a bar (nothing to scroll) the position stays at the start.
  int rows = static_cast<int>(VisibleNodes(tv).size());
  if (tv.topRow > std::max(0, rows - 1)) tv.topRow = std::max(0, rows - 1);
  if (beforeRow != tv.topRow || beforeX != tv.scrollX) {
    if (tv.editor) EndTreeLabelEdit(tv, false);
    InvalidateRect(tv.hwnd, nullptr, TRUE);
  }
}

LRESULT TreeScrollMessage(TreeView& tv, int bar, WPARAM wParam) {
  int pos = bar == SB_VERT ? tv.topRow : tv.scrollX;
  int line = bar == SB_VERT ? 1 : 16;
  RECT client;
  GetClientRect(tv.hwnd, &client);
  int page = bar == SB_VERT ? VisibleRows(tv) : std::max<int>(1, client.right);
  const std::optional<int> asked = ScrollTarget(tv.hwnd, bar, wParam, pos, line, page);
  if (!asked) return 0;
  const int target = *asked;
  if (bar == SB_VERT)
    ScrollTreeTo(tv, target, tv.scrollX);
  else
    ScrollTreeTo(tv, tv.topRow, target);
  return 0;
}

}  // namespace win::comctl
