// The tree view: rows with dotted lines, plus/minus buttons, images and
// labels in the classic look, with NM_CUSTOMDRAW offered to the parent.
#include <algorithm>

#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"
#include "platform/win/comctl/tree_view.h"

namespace win::comctl {
namespace {

void Dotted(HDC dc, int x0, int y0, int x1, int y1, COLORREF c) {
  if (x0 == x1) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); y++)
      if (((x0 + y) & 1) == 0) SetPixelV(dc, x0, y, c);
  } else {
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); x++)
      if (((x + y0) & 1) == 0) SetPixelV(dc, x, y0, c);
  }
}

void Button(HDC dc, int cx, int cy, bool expanded) {
  RECT box{cx - 4, cy - 4, cx + 5, cy + 5};
  FillSolid(dc, box, GetSysColor(COLOR_WINDOW));
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_GRAYTEXT));
  FrameRect(dc, &box, frame);
  DeleteObject(frame);
  COLORREF sign = GetSysColor(COLOR_WINDOWTEXT);
  for (int x = cx - 2; x <= cx + 2; x++) SetPixelV(dc, x, cy, sign);
  if (!expanded)
    for (int y = cy - 2; y <= cy + 2; y++) SetPixelV(dc, cx, y, sign);
}

bool IsLastChild(TvNode* node) {
  return node->parent && !node->parent->kids.empty() && node->parent->kids.back() == node;
}

void DrawLinesAndButton(TreeView& tv, HDC dc, TvNode* node, int top, int h) {
  DWORD style = TreeStyle(tv);
  int x = NodeIndentX(tv, node);
  int cy = top + h / 2;
  bool rootColumn = (style & TVS_LINESATROOT) != 0;
  bool hasColumn = Level(node) > 0 || rootColumn;
  COLORREF lineColour = GetSysColor(COLOR_GRAYTEXT);
  if ((style & TVS_HASLINES) && hasColumn) {
    int cx = x - tv.indent / 2;
    Dotted(dc, cx, cy, x - 2, cy, lineColour);
    bool first = node->parent == &tv.root && node->parent->kids.front() == node;
    Dotted(dc, cx, first ? cy : top, cx, IsLastChild(node) ? cy : top + h - 1, lineColour);
    // The ancestors' lines that pass this row.
    int ax = cx;
    for (TvNode* a = node->parent; a && a != &tv.root; a = a->parent) {
      ax -= tv.indent;
      if (Level(a) == 0 && !rootColumn) break;
      if (!IsLastChild(a)) Dotted(dc, ax, top, ax, top + h - 1, lineColour);
    }
  }
  if ((style & TVS_HASBUTTONS) && hasColumn && HasChildren(tv, node))
    Button(dc, x - tv.indent / 2, cy, (node->state & TVIS_EXPANDED) != 0);
}

void DrawNode(TreeView& tv, HDC dc, TvNode* node, int top, int h, const NMTVCUSTOMDRAW& cd, bool focused) {
  DWORD style = TreeStyle(tv);
  DrawLinesAndButton(tv, dc, node, top, h);
  int x = NodeIndentX(tv, node);
  bool selected = node == tv.selected;
  bool highlighted = (selected && (focused || (style & TVS_SHOWSELALWAYS)) && !tv.dropHilite) ||
                     node == tv.dropHilite || (node->state & TVIS_DROPHILITED);
  if (tv.stateImages) {
    int index = static_cast<int>((node->state & TVIS_STATEIMAGEMASK) >> 12);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(tv.stateImages, &cx, &cy);
    if (index > 0) ImageList_Draw(tv.stateImages, index - 1, dc, x, top + (h - cy) / 2, ILD_TRANSPARENT);
    x += cx;
  }
  if (tv.normalImages) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(tv.normalImages, &cx, &cy);
    int image = NodeImage(tv, node, selected);
    if (!tv.live.count(node)) return;
    UINT flags = ILD_TRANSPARENT | (node->state & TVIS_OVERLAYMASK);
    COLORREF fg = CLR_DEFAULT;
    if (highlighted) flags |= ILD_BLEND50;
    if (node->state & TVIS_CUT) {
      flags |= ILD_BLEND50;
      fg = tv.bkColour == CLR_NONE ? GetSysColor(COLOR_WINDOW) : tv.bkColour;
    }
    if (image >= 0) ImageList_DrawEx(tv.normalImages, image, dc, x, top + (h - cy) / 2, 0, 0, CLR_NONE, fg, flags);
  }
  RECT label = NodeRect(tv, node, true);
  std::string text = NodeText(tv, node);
  if (!tv.live.count(node)) return;
  COLORREF textColour = cd.clrText, back = cd.clrTextBk;
  if (highlighted) {
    bool active = focused || node == tv.dropHilite || (node->state & TVIS_DROPHILITED);
    textColour = GetSysColor(active ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    back = GetSysColor(active ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  }
  if (back != CLR_NONE) FillSolid(dc, label, back);
  HFONT bold = nullptr;
  HGDIOBJ before = nullptr;
  if (node->state & TVIS_BOLD) {
    bold = BoldFontOf(tv.font);
    before = SelectObject(dc, bold);
  }
  SetTextColor(dc, textColour);
  SetBkMode(dc, TRANSPARENT);
  RECT inner = label;
  InflateRect(&inner, -2, 0);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (bold) {
    SelectObject(dc, before);
    DeleteObject(bold);
  }
  if (selected && focused) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &label);
  }
}

LRESULT CustomDraw(TreeView& tv, NMTVCUSTOMDRAW& cd, DWORD stage) {
  cd.nmcd.dwDrawStage = stage;
  return Notify(tv.hwnd, NM_CUSTOMDRAW, &cd.nmcd.hdr);
}

}  // namespace

void PaintTreeView(TreeView& tv, HDC dc, const RECT& update) {
  RECT client;
  GetClientRect(tv.hwnd, &client);
  COLORREF bk = tv.bkColour == CLR_NONE ? GetSysColor(COLOR_WINDOW) : tv.bkColour;
  COLORREF text = tv.textColour == CLR_NONE ? GetSysColor(COLOR_WINDOWTEXT) : tv.textColour;
  FillSolid(dc, update, bk);
  HFONT font = ControlFont(tv.font);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, text);
  SetBkColor(dc, bk);
  bool focused = GetFocus() == tv.hwnd;
  NMTVCUSTOMDRAW cd{};
  cd.nmcd.hdc = dc;
  cd.nmcd.rc = client;
  cd.clrText = text;
  cd.clrTextBk = bk;
  LRESULT paintAnswer = CustomDraw(tv, cd, CDDS_PREPAINT);
  if (!(paintAnswer & CDRF_SKIPDEFAULT)) {
    auto rows = VisibleNodes(tv);
    int h = RowHeight(tv);
    for (int row = tv.topRow; row < static_cast<int>(rows.size()); row++) {
      int top = (row - tv.topRow) * h;
      if (top >= client.bottom) break;
      TvNode* node = rows[static_cast<size_t>(row)];
      RECT rowRect{0, top, client.right, top + h}, shown;
      if (!IntersectRect(&shown, &rowRect, &update) || !tv.live.count(node)) continue;
      cd = NMTVCUSTOMDRAW{};
      cd.nmcd.hdc = dc;
      cd.nmcd.rc = rowRect;
      cd.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(node);
      cd.nmcd.uItemState =
          (node == tv.selected ? CDIS_SELECTED : 0) | (node == tv.selected && focused ? CDIS_FOCUS : 0);
      cd.nmcd.lItemlParam = node->lParam;
      cd.clrText = text;
      cd.clrTextBk = bk;
      cd.iLevel = Level(node);
      int saved = SaveDC(dc);
      LRESULT itemAnswer = CDRF_DODEFAULT;
      if (paintAnswer & CDRF_NOTIFYITEMDRAW) {
        itemAnswer = CustomDraw(tv, cd, CDDS_ITEMPREPAINT);
        if (!(itemAnswer & CDRF_NEWFONT)) SelectObject(dc, font);
      }
      if (tv.live.count(node) && !(itemAnswer & CDRF_SKIPDEFAULT)) DrawNode(tv, dc, node, top, h, cd, focused);
      if (tv.live.count(node) && (itemAnswer & CDRF_NOTIFYPOSTPAINT)) CustomDraw(tv, cd, CDDS_ITEMPOSTPAINT);
      RestoreDC(dc, saved);
    }
  }
  if (paintAnswer & CDRF_NOTIFYPOSTPAINT) {
    cd = NMTVCUSTOMDRAW{};
    cd.nmcd.hdc = dc;
    cd.nmcd.rc = client;
    CustomDraw(tv, cd, CDDS_POSTPAINT);
  }
  SelectObject(dc, oldFont);
}

}  // namespace win::comctl
