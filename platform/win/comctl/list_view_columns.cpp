// The list view: columns of the report view, kept in step with the header
// control (child id 0), and the header's notifications.
#include <algorithm>
#include <cstring>

#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"

namespace win::comctl {
namespace {

constexpr int kColumnMargin = 12;

int HeaderFormat(int lvFormat) {
  int align = lvFormat & LVCFMT_JUSTIFYMASK;
  return HDF_STRING | (align == LVCFMT_RIGHT ? HDF_RIGHT : align == LVCFMT_CENTER ? HDF_CENTER : HDF_LEFT);
}

void SyncHeaderItem(ListView& lv, int column, UINT mask, bool insert) {
  if (!lv.header) return;
  const LvColumn& c = lv.columns[column];
  HDITEMA hd{};
  hd.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT | HDI_LPARAM;
  if (!insert) {
    hd.mask = 0;
    if (mask & LVCF_WIDTH) hd.mask |= HDI_WIDTH;
    if (mask & LVCF_FMT) hd.mask |= HDI_FORMAT;
    if (mask & LVCF_TEXT) hd.mask |= HDI_TEXT;
  }
  hd.cxy = c.width;
  hd.fmt = HeaderFormat(c.format);
  hd.pszText = const_cast<LPSTR>(c.text.c_str());
  hd.lParam = c.subItem;
  SendMessageA(lv.header, insert ? HDM_INSERTITEMA : HDM_SETITEMA, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(&hd));
}

void ApplyColumn(LvColumn& c, const LVCOLUMNA& in) {
  if (in.mask & LVCF_FMT) c.format = in.fmt;
  if (in.mask & LVCF_WIDTH) c.width = std::max(0, in.cx);
  if ((in.mask & LVCF_TEXT) && in.pszText && in.pszText != LPSTR_TEXTCALLBACKA) c.text = in.pszText;
  if (in.mask & LVCF_SUBITEM) c.subItem = in.iSubItem;
  if (in.mask & LVCF_IMAGE) c.image = in.iImage;
}

int ContentWidth(ListView& lv, int column) {
  int subItem = lv.columns[column].subItem;
  int widest = 0;
  for (int i = 0; i < ItemCount(lv); i++) widest = std::max(widest, TextWidth(lv, ItemText(lv, i, subItem)));
  widest += kColumnMargin;
  if (column == 0) {
    LvMetrics m = MetricsOf(lv);
    widest += m.stateCx + (m.smallCx ? m.smallCx + 2 : 0);
  }
  return widest;
}

void SetWidth(ListView& lv, int column, int width) {
  if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
    int w = ContentWidth(lv, column);
    if (width == LVSCW_AUTOSIZE_USEHEADER) {
      w = std::max(w, TextWidth(lv, lv.columns[column].text) + kColumnMargin);
      // The last column takes the rest of the view.
      if (column == static_cast<int>(lv.columns.size()) - 1) {
        RECT client;
        GetClientRect(lv.hwnd, &client);
        w = std::max(w, static_cast<int>(client.right) - ColumnLeft(lv, column));
      }
    }
    width = w;
  }
  lv.columns[column].width = std::max(0, width);
  SyncHeaderItem(lv, column, LVCF_WIDTH, false);
  UpdateScrollBars(lv);
  InvalidateRect(lv.hwnd, nullptr, TRUE);
}

LRESULT Forward(ListView& lv, NMHDR* header) {
  HWND parent = GetParent(lv.hwnd);
  return parent ? SendMessageA(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header)) : 0;
}

}  // namespace

int ColumnLeft(const ListView& lv, int column) {
  int x = 0;
  for (int i = 0; i < column && i < static_cast<int>(lv.columns.size()); i++) x += lv.columns[i].width;
  return x;
}

int TotalColumnWidth(const ListView& lv) {
  return ColumnLeft(lv, static_cast<int>(lv.columns.size()));
}

void LayoutHeader(ListView& lv) {
  if (!lv.header) return;
  bool shown = ViewOf(lv) == LVS_REPORT && !(StyleOf(lv) & LVS_NOCOLUMNHEADER);
  if (!shown) {
    ShowWindow(lv.header, SW_HIDE);
    return;
  }
  RECT client;
  GetClientRect(lv.hwnd, &client);
  LvMetrics m = MetricsOf(lv);
  (void)m;
  RECT r = client;
  WINDOWPOS pos{};
  HDLAYOUT layout{&r, &pos};
  SendMessageA(lv.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
  // The header scrolls sideways with the columns.
  int x = -lv.scroll.x;
  SetWindowPos(lv.header, nullptr, x, pos.y, pos.cx - x, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT ListViewColumnMessage(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  int index = static_cast<int>(wParam);
  int count = static_cast<int>(lv.columns.size());
  auto* col = reinterpret_cast<LVCOLUMNA*>(lParam);
  switch (msg) {
    case LVM_INSERTCOLUMNA: {
      if (!col) return -1;
      int at = std::clamp(index, 0, count);
      LvColumn c;
      c.subItem = at;
      ApplyColumn(c, *col);
      if (at == 0) c.format = LVCFMT_LEFT | (c.format & ~LVCFMT_JUSTIFYMASK);  // the first column is left-aligned
      lv.columns.insert(lv.columns.begin() + at, c);
      SyncHeaderItem(lv, at, 0, true);
      UpdateScrollBars(lv);
      InvalidateRect(lv.hwnd, nullptr, TRUE);
      return at;
    }
    case LVM_SETCOLUMNA:
      if (!col || index < 0 || index >= count) return FALSE;
      ApplyColumn(lv.columns[index], *col);
      SyncHeaderItem(lv, index, col->mask, false);
      UpdateScrollBars(lv);
      InvalidateRect(lv.hwnd, nullptr, TRUE);
      return TRUE;
    case LVM_GETCOLUMNA: {
      if (!col || index < 0 || index >= count) return FALSE;
      const LvColumn& c = lv.columns[index];
      if (col->mask & LVCF_FMT) col->fmt = c.format;
      if (col->mask & LVCF_WIDTH) col->cx = c.width;
      if ((col->mask & LVCF_TEXT) && col->pszText && col->cchTextMax > 0) {
        size_t n = std::min(c.text.size(), static_cast<size_t>(col->cchTextMax - 1));
        std::memcpy(col->pszText, c.text.data(), n);
        col->pszText[n] = 0;
      }
      if (col->mask & LVCF_SUBITEM) col->iSubItem = c.subItem;
      if (col->mask & LVCF_IMAGE) col->iImage = c.image;
      if (col->mask & LVCF_ORDER) col->iOrder = index;
      return TRUE;
    }
    case LVM_DELETECOLUMN:
      if (index < 0 || index >= count) return FALSE;
      lv.columns.erase(lv.columns.begin() + index);
      if (lv.header) SendMessageA(lv.header, HDM_DELETEITEM, wParam, 0);
      UpdateScrollBars(lv);
      InvalidateRect(lv.hwnd, nullptr, TRUE);
      return TRUE;
    case LVM_GETCOLUMNWIDTH:
      if (ViewOf(lv) == LVS_LIST) return MetricsOf(lv).cellWidth;
      return index >= 0 && index < count ? lv.columns[index].width : 0;
    case LVM_SETCOLUMNWIDTH: {
      int width = static_cast<short>(LOWORD(lParam));
      if (ViewOf(lv) == LVS_LIST) {
        if (width <= 0) return FALSE;
        lv.listColumnWidth = width;
        UpdateScrollBars(lv);
        InvalidateRect(lv.hwnd, nullptr, TRUE);
        return TRUE;
      }
      if (index < 0 || index >= count) return FALSE;
      SetWidth(lv, index, width);
      return TRUE;
    }
    case LVM_GETHEADER: return reinterpret_cast<LRESULT>(lv.header);
    case LVM_GETCOLUMNORDERARRAY: {
      // Columns are shown in their own order; dragging them is not offered.
      auto* order = reinterpret_cast<int*>(lParam);
      if (!order || index != count) return FALSE;
      for (int i = 0; i < count; i++) order[i] = i;
      return TRUE;
    }
    case LVM_SETCOLUMNORDERARRAY: return lParam && index == count ? TRUE : FALSE;
    default: *handled = false; return 0;
  }
}

LRESULT ListViewHeaderNotify(ListView& lv, NMHDR* hdr) {
  auto* nm = reinterpret_cast<NMHEADERA*>(hdr);
  int count = static_cast<int>(lv.columns.size());
  bool validItem = nm->iItem >= 0 && nm->iItem < count;
  switch (hdr->code) {
    case HDN_ITEMCHANGEDA:
    case HDN_TRACKA:
      if (validItem && nm->pitem && (nm->pitem->mask & HDI_WIDTH)) {
        lv.columns[nm->iItem].width = nm->pitem->cxy;
        UpdateScrollBars(lv);
        InvalidateRect(lv.hwnd, nullptr, TRUE);
      }
      return Forward(lv, hdr);
    case HDN_ITEMCLICKA: {
      NMLISTVIEW click{};
      click.iItem = -1;
      click.iSubItem = nm->iItem;
      Notify(lv.hwnd, LVN_COLUMNCLICK, &click.hdr);
      return Forward(lv, hdr);
    }
    case HDN_DIVIDERDBLCLICKA:
      if (validItem) SetWidth(lv, nm->iItem, LVSCW_AUTOSIZE);
      return Forward(lv, hdr);
    default: return Forward(lv, hdr);
  }
}

}  // namespace win::comctl
