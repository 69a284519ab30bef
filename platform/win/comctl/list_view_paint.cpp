// The list view: painting in the classic look, with NM_CUSTOMDRAW offered to
// the parent at the paint, item and (report view) sub-item stages.
#include <algorithm>
#include <vector>

#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {
namespace {

struct ItemColours {
  COLORREF text;
  COLORREF textBk;
};

LRESULT CustomDraw(ListView& lv, NMLVCUSTOMDRAW& cd, DWORD stage) {
  cd.nmcd.dwDrawStage = stage;
  return Notify(lv.hwnd, NM_CUSTOMDRAW, &cd.nmcd.hdr);
}

UINT ItemDrawState(ListView& lv, int i, bool focused) {
  UINT state = 0;
  UINT s = lv.items[i].state;
  if (s & LVIS_SELECTED) state |= CDIS_SELECTED;
  if ((s & LVIS_FOCUSED) && focused) state |= CDIS_FOCUS;
  if (i == lv.hotItem) state |= CDIS_HOT;
  return state;
}

void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, const ItemColours& c, bool fill) {
  if (fill && c.textBk != CLR_NONE) FillSolid(dc, r, c.textBk);
  SetTextColor(dc, c.text);
  SetBkMode(dc, TRANSPARENT);
  RECT inner = r;
  InflateRect(&inner, -2, 0);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner, format | DT_NOPREFIX);
}

void DrawImage(ListView& lv, HDC dc, HIMAGELIST list, int i, int image, const RECT& iconRect, int cx, int cy,
               bool highlighted) {
  if (!list || image < 0) return;
  const LvItem& it = lv.items[i];
  UINT style = ILD_TRANSPARENT | (it.state & LVIS_OVERLAYMASK);
  COLORREF fg = CLR_DEFAULT;
  if (highlighted) style |= ILD_BLEND50;
  if (it.state & LVIS_CUT) {
    style |= ILD_BLEND50;
    fg = lv.bkColour == CLR_NONE ? GetSysColor(COLOR_WINDOW) : lv.bkColour;
  }
  int x = (iconRect.left + iconRect.right - cx) / 2;
  int y = ViewOf(lv) == LVS_ICON ? iconRect.top + 2 : (iconRect.top + iconRect.bottom - cy) / 2;
  ImageList_DrawEx(list, image, dc, x, y, 0, 0, CLR_NONE, fg, style);
}

void DrawStateImage(ListView& lv, HDC dc, int i, const RECT& iconRect, const LvMetrics& m) {
  int index = static_cast<int>((lv.items[i].state & LVIS_STATEIMAGEMASK) >> 12);
  if (!lv.stateImages || index <= 0) return;
  int cx = 0, cy = 0;
  ImageList_GetIconSize(lv.stateImages, &cx, &cy);
  ImageList_Draw(lv.stateImages, index - 1, dc, iconRect.left - m.stateCx, (iconRect.top + iconRect.bottom - cy) / 2,
                 ILD_TRANSPARENT);
}

UINT ColumnFormat(const LvColumn& c) {
  int align = c.format & LVCFMT_JUSTIFYMASK;
  return align == LVCFMT_RIGHT ? DT_RIGHT : align == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
}

// Draws one item (all its columns in the report view).
void DrawItem(ListView& lv, HDC dc, const LvMetrics& m, int i, NMLVCUSTOMDRAW& cd, LRESULT itemAnswer, bool focused) {
  DWORD view = ViewOf(lv);
  DWORD style = StyleOf(lv);
  const LvItem& it = lv.items[i];
  bool selected = (it.state & (LVIS_SELECTED | LVIS_DROPHILITED)) != 0;
  bool showSelection = selected && (focused || (style & LVS_SHOWSELALWAYS) || (it.state & LVIS_DROPHILITED));
  ItemColours colours{cd.clrText, cd.clrTextBk};
  if (showSelection) {
    bool active = focused || (it.state & LVIS_DROPHILITED);
    colours.text = GetSysColor(active ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    colours.textBk = GetSysColor(active ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  }
  RECT icon = ItemRect(lv, m, i, LVIR_ICON), label = ItemRect(lv, m, i, LVIR_LABEL);
  std::string text = ItemText(lv, i, 0);
  if (i >= ItemCount(lv)) return;
  if (view == LVS_ICON) {
    DrawImage(lv, dc, lv.normalImages, i, ItemImage(lv, i), icon, m.largeCx, m.largeCy, showSelection);
    DrawStateImage(
        lv, dc, i,
        RECT{icon.left + (icon.right - icon.left - m.largeCx) / 2, icon.top, icon.right, icon.top + m.largeCy}, m);
    DrawLabel(dc, text, label, DT_CENTER | DT_WORDBREAK | DT_END_ELLIPSIS, colours, true);
  } else {
    RECT labelArea = label;
    if (view == LVS_REPORT && showSelection && (lv.exStyle & LVS_EX_FULLROWSELECT))
      labelArea = ItemRect(lv, m, i, LVIR_BOUNDS), labelArea.left = label.left;
    DrawStateImage(lv, dc, i, icon, m);
    DrawImage(lv, dc, lv.smallImages, i, ItemImage(lv, i), icon, m.smallCx, m.smallCy, showSelection);
    if (view == LVS_REPORT) {
      // The label's highlight covers the text only, as the classic look has it.
      RECT textRect = label;
      int tw = TextWidth(lv, text) + 4;
      if (!(lv.exStyle & LVS_EX_FULLROWSELECT) && textRect.left + tw < textRect.right)
        textRect.right = textRect.left + tw;
      if (showSelection)
        FillSolid(dc, (lv.exStyle & LVS_EX_FULLROWSELECT) ? labelArea : textRect, colours.textBk);
      else if (colours.textBk != CLR_NONE)
        FillSolid(dc, label, colours.textBk);
      UINT format =
          DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (lv.columns.empty() ? DT_LEFT : ColumnFormat(lv.columns[0]));
      DrawLabel(dc, text, label, format, colours, false);
      bool subItemStages = (itemAnswer & CDRF_NOTIFYSUBITEMDRAW) != 0;
      for (int c = 1; c < static_cast<int>(lv.columns.size()); c++) {
        RECT sr = SubItemRect(lv, m, i, c);
        ItemColours sc =
            showSelection && (lv.exStyle & LVS_EX_FULLROWSELECT) ? colours : ItemColours{cd.clrText, cd.clrTextBk};
        if (subItemStages) {
          cd.iSubItem = c;
          cd.nmcd.rc = sr;
          LRESULT a = CustomDraw(lv, cd, CDDS_ITEMPREPAINT | CDDS_SUBITEM);
          if (i >= ItemCount(lv)) return;
          if (a & CDRF_SKIPDEFAULT) continue;
          if (!(showSelection && (lv.exStyle & LVS_EX_FULLROWSELECT))) sc = ItemColours{cd.clrText, cd.clrTextBk};
        }
        std::string sub = ItemText(lv, i, lv.columns[c].subItem);
        if (i >= ItemCount(lv)) return;
        DrawLabel(dc, sub, sr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | ColumnFormat(lv.columns[c]), sc,
                  !(showSelection && (lv.exStyle & LVS_EX_FULLROWSELECT)));
      }
      label = textRect;
    } else {
      DrawLabel(dc, text, label, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, colours, true);
    }
  }
  if ((it.state & LVIS_FOCUSED) && focused) {
    RECT fr = view == LVS_REPORT && (lv.exStyle & LVS_EX_FULLROWSELECT) ? ItemRect(lv, m, i, LVIR_BOUNDS) : label;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &fr);
  }
}

void DrawGridLines(ListView& lv, HDC dc, const LvMetrics& m) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
  HGDIOBJ old = SelectObject(dc, pen);
  int x = -lv.scroll.x;
  for (const LvColumn& c : lv.columns) {
    x += c.width;
    MoveToEx(dc, x - 1, m.headerHeight, nullptr);
    LineTo(dc, x - 1, m.client.bottom);
  }
  for (int y = m.headerHeight + m.rowHeight - 1; y < m.client.bottom; y += m.rowHeight) {
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, std::min<LONG>(x, m.client.right), y);
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

void PaintListView(ListView& lv, HDC dc, const RECT& update) {
  LvMetrics m = MetricsOf(lv);
  bool focused = GetFocus() == lv.hwnd;
  if (lv.bkColour != CLR_NONE) FillSolid(dc, update, lv.bkColour);
  HFONT font = ControlFont(lv.font);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetTextColor(dc, lv.textColour);
  SetBkColor(dc, lv.textBkColour == CLR_NONE ? lv.bkColour : lv.textBkColour);

  NMLVCUSTOMDRAW cd{};
  cd.nmcd.hdc = dc;
  cd.nmcd.rc = m.client;
  cd.clrText = lv.textColour;
  cd.clrTextBk = lv.textBkColour;
  LRESULT paintAnswer = CustomDraw(lv, cd, CDDS_PREPAINT);
  if (!(paintAnswer & CDRF_SKIPDEFAULT)) {
    int first = 0, last = -1;
    VisibleRange(lv, m, &first, &last);
    // The focused icon goes last: its whole label may lie over the next row.
    std::vector<int> order;
    int focus = ViewOf(lv) == LVS_ICON ? FocusedItem(lv) : -1;
    for (int i = first; i <= last; i++)
      if (i != focus) order.push_back(i);
    if (focus >= first && focus <= last) order.push_back(focus);
    for (int i : order) {
      if (i >= ItemCount(lv)) break;
      RECT bounds = ItemRect(lv, m, i, LVIR_BOUNDS), shown;
      if (ViewOf(lv) == LVS_REPORT && bounds.bottom <= m.headerHeight) continue;
      if (!IntersectRect(&shown, &bounds, &update)) continue;
      cd = NMLVCUSTOMDRAW{};
      cd.nmcd.hdc = dc;
      cd.nmcd.rc = bounds;
      cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(i);
      cd.nmcd.uItemState = ItemDrawState(lv, i, focused);
      cd.nmcd.lItemlParam = lv.items[i].lParam;
      cd.clrText = lv.textColour;
      cd.clrTextBk = lv.textBkColour;
      LRESULT itemAnswer = CDRF_DODEFAULT;
      int saved = SaveDC(dc);
      if (paintAnswer & CDRF_NOTIFYITEMDRAW) {
        itemAnswer = CustomDraw(lv, cd, CDDS_ITEMPREPAINT);
        if (i >= ItemCount(lv)) break;
        // Without CDRF_NEWFONT the control's own font is used again.
        if (!(itemAnswer & CDRF_NEWFONT)) SelectObject(dc, font);
      }
      if (!(itemAnswer & CDRF_SKIPDEFAULT)) DrawItem(lv, dc, m, i, cd, itemAnswer, focused);
      if (i >= ItemCount(lv)) {
        RestoreDC(dc, saved);
        break;
      }
      if (itemAnswer & CDRF_NOTIFYPOSTPAINT) {
        cd.iSubItem = 0;
        cd.nmcd.rc = bounds;
        CustomDraw(lv, cd, CDDS_ITEMPOSTPAINT);
      }
      RestoreDC(dc, saved);
    }
    if (ViewOf(lv) == LVS_REPORT && (lv.exStyle & LVS_EX_GRIDLINES)) DrawGridLines(lv, dc, m);
  }
  if (paintAnswer & CDRF_NOTIFYPOSTPAINT) {
    cd = NMLVCUSTOMDRAW{};
    cd.nmcd.hdc = dc;
    cd.nmcd.rc = m.client;
    cd.clrText = lv.textColour;
    cd.clrTextBk = lv.textBkColour;
    CustomDraw(lv, cd, CDDS_POSTPAINT);
  }
  SelectObject(dc, oldFont);
}

}  // namespace win::comctl
