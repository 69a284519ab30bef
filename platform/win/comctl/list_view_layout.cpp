// The list view: where items lie in each view, hit testing, scrolling and
// arrow-key neighbours.
//
// Scroll units: the report view scrolls by rows vertically and by pixels
// sideways; the list view by columns sideways; the icon views by pixels.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"
#include "platform/win/comctl/scroll_target.h"

namespace win::comctl {
namespace {

POINT GridPosition(const LvMetrics& m, DWORD view, int i) {
  if (view == LVS_ICON) return POINT{(i % m.perLine) * m.spacing.cx, (i / m.perLine) * m.spacing.cy};
  return POINT{(i % m.perLine) * m.cellWidth, (i / m.perLine) * m.rowHeight};
}

// The item's top-left corner in client coordinates.
POINT Origin(ListView& lv, const LvMetrics& m, int i) {
  switch (ViewOf(lv)) {
    case LVS_REPORT: return POINT{-lv.scroll.x, m.headerHeight + (i - lv.scroll.y) * m.rowHeight};
    case LVS_LIST: return POINT{(i / m.perLine - lv.scroll.x) * m.cellWidth, (i % m.perLine) * m.rowHeight};
    default: {
      const LvItem& it = lv.items[i];
      POINT p = it.placed ? it.position : GridPosition(m, ViewOf(lv), i);
      return POINT{p.x - lv.scroll.x, p.y - lv.scroll.y};
    }
  }
}

int VisibleRows(const LvMetrics& m) {
  return std::max(1, static_cast<int>((m.client.bottom - m.headerHeight) / m.rowHeight));
}

int VisibleColumns(const LvMetrics& m) {
  return std::max(1, static_cast<int>(m.client.right / std::max(1, m.cellWidth)));
}

POINT Extent(ListView& lv, const LvMetrics& m) {
  POINT e{0, 0};
  for (int i = 0; i < ItemCount(lv); i++) {
    RECT r = ItemRect(lv, m, i, LVIR_BOUNDS);
    e.x = std::max(e.x, r.right + lv.scroll.x);
    e.y = std::max(e.y, r.bottom + lv.scroll.y);
  }
  return e;
}

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
  SCROLLINFO si{
      sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, max), static_cast<UINT>(std::max(0, page)), pos, 0};
  SetScrollInfo(hwnd, bar, &si, TRUE);
}

int BarPos(HWND hwnd, int bar) {
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd, bar, &si);
  return si.nPos;
}

int LineUnit(ListView& lv, const LvMetrics& m, int bar) {
  DWORD view = ViewOf(lv);
  if (view == LVS_LIST || (view == LVS_REPORT && bar == SB_VERT)) return 1;
  return bar == SB_VERT ? m.rowHeight : 16;
}

int PageUnits(ListView& lv, const LvMetrics& m, int bar) {
  DWORD view = ViewOf(lv);
  if (view == LVS_REPORT && bar == SB_VERT) return VisibleRows(m);
  if (view == LVS_LIST) return VisibleColumns(m);
  return bar == SB_VERT ? m.client.bottom : m.client.right;
}

POINT Centre(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

int WrappedLines(ListView& lv, const std::string& text, int width) {
  HDC dc = GetDC(lv.hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(lv.font));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(lv.hwnd, dc);
  return std::max(1, static_cast<int>((r.bottom + tm.tmHeight - 1) / std::max<LONG>(1, tm.tmHeight)));
}

int TextWidth(ListView& lv, const std::string& text) {
  HDC dc = GetDC(lv.hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(lv.font));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(lv.hwnd, dc);
  return size.cx;
}

LvMetrics MetricsOf(ListView& lv) {
  LvMetrics m;
  HDC dc = GetDC(lv.hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(lv.font));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  m.lineHeight = tm.tmHeight;
  DWORD view = ViewOf(lv);
  if (lv.smallImages) ImageList_GetIconSize(lv.smallImages, &m.smallCx, &m.smallCy);
  if (lv.normalImages) ImageList_GetIconSize(lv.normalImages, &m.largeCx, &m.largeCy);
  if (lv.stateImages) {
    int cy = 0;
    ImageList_GetIconSize(lv.stateImages, &m.stateCx, &cy);
  }
  m.rowHeight = std::max(m.lineHeight + 3, m.smallCy + 1);
  GetClientRect(lv.hwnd, &m.client);
  if (view == LVS_REPORT && lv.header && IsWindowVisible(lv.header)) {
    RECT hr;
    GetWindowRect(lv.header, &hr);
    m.headerHeight = hr.bottom - hr.top;
  }
  if (view == LVS_LIST || view == LVS_SMALLICON) {
    if (lv.widestLabel < 0 && (!lv.listColumnWidth || view == LVS_SMALLICON)) {
      int widest = 0;
      for (int i = 0; i < ItemCount(lv); i++) {
        std::string text = ItemText(lv, i, 0);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
      }
      lv.widestLabel = widest;
    }
    int widest = std::max(lv.widestLabel, 0);
    int fromLabels = std::max(widest + m.smallCx + m.stateCx + 12, 40);
    m.cellWidth = view == LVS_LIST && lv.listColumnWidth ? lv.listColumnWidth : fromLabels;
  }
  m.spacing =
      lv.iconSpacing.cx > 0 ? lv.iconSpacing : SIZE{std::max(m.largeCx + 43, 75), m.largeCy + 2 * m.lineHeight + 14};
  SelectObject(dc, old);
  ReleaseDC(lv.hwnd, dc);
  if (view == LVS_LIST) m.perLine = std::max(1, static_cast<int>(m.client.bottom / m.rowHeight));
  if (view == LVS_SMALLICON) m.perLine = std::max(1, static_cast<int>(m.client.right / m.cellWidth));
  if (view == LVS_ICON) m.perLine = std::max(1, static_cast<int>(m.client.right / m.spacing.cx));
  return m;
}

RECT ItemRect(ListView& lv, const LvMetrics& m, int i, int code) {
  POINT o = Origin(lv, m, i);
  DWORD view = ViewOf(lv);
  RECT icon{}, label{}, bounds{};
  if (view == LVS_REPORT) {
    int c0 = lv.columns.empty() ? TextWidth(lv, ItemText(lv, i, 0)) + 12 : lv.columns[0].width;
    int left = o.x + 2 + m.stateCx + lv.items[i].indent * m.smallCx;
    icon = RECT{left, o.y, left + m.smallCx, o.y + m.rowHeight};
    label = RECT{icon.right + (m.smallCx ? 2 : 0), o.y, std::max<LONG>(o.x + c0, icon.right), o.y + m.rowHeight};
    bounds = RECT{o.x, o.y, o.x + std::max(TotalColumnWidth(lv), c0), o.y + m.rowHeight};
    if (code == LVIR_SELECTBOUNDS) {
      if (lv.exStyle & LVS_EX_FULLROWSELECT) return bounds;
      return RECT{icon.left, o.y, label.right, o.y + m.rowHeight};
    }
  } else if (view == LVS_ICON) {
    std::string text = ItemText(lv, i, 0);
    int textWidth = TextWidth(lv, text);
    int avail = m.spacing.cx - 4;
    // Labels wrap to two lines; the focused item's shows whole while the
    // view has the focus.
    bool whole = (lv.items[i].state & LVIS_FOCUSED) && GetFocus() == lv.hwnd;
    int lines = textWidth > avail ? (whole ? WrappedLines(lv, text, avail) : 2) : 1;
    int lw = std::min(textWidth, avail) + 4;
    icon = RECT{o.x, o.y, o.x + m.spacing.cx, o.y + m.largeCy + 4};
    label = RECT{o.x + (m.spacing.cx - lw) / 2, icon.bottom, o.x + (m.spacing.cx - lw) / 2 + lw,
                 icon.bottom + lines * m.lineHeight + 2};
    UnionRect(&bounds, &icon, &label);
  } else {
    int left = o.x + 2 + m.stateCx;
    icon = RECT{left, o.y, left + m.smallCx, o.y + m.rowHeight};
    int tw = TextWidth(lv, ItemText(lv, i, 0));
    label = RECT{icon.right + 2, o.y, std::min(icon.right + 2 + tw + 4, static_cast<int>(o.x + m.cellWidth)),
                 o.y + m.rowHeight};
    bounds = RECT{o.x, o.y, label.right, o.y + m.rowHeight};
  }
  switch (code) {
    case LVIR_ICON: return icon;
    case LVIR_LABEL: return label;
    case LVIR_SELECTBOUNDS: {
      RECT r;
      UnionRect(&r, &icon, &label);
      return r;
    }
    default: return bounds;
  }
}

RECT SubItemRect(ListView& lv, const LvMetrics& m, int i, int column) {
  RECT row = ItemRect(lv, m, i, LVIR_BOUNDS);
  if (column <= 0 || column >= static_cast<int>(lv.columns.size())) return row;
  int left = row.left + ColumnLeft(lv, column);
  return RECT{left, row.top, left + lv.columns[column].width, row.bottom};
}

int HitTest(ListView& lv, POINT p, UINT* flags, int* subItem) {
  LvMetrics m = MetricsOf(lv);
  *flags = 0;
  if (subItem) *subItem = 0;
  if (p.x < 0) *flags |= LVHT_TOLEFT;
  if (p.x >= m.client.right) *flags |= LVHT_TORIGHT;
  if (p.y < 0) *flags |= LVHT_ABOVE;
  if (p.y >= m.client.bottom) *flags |= LVHT_BELOW;
  if (*flags) return -1;
  bool report = ViewOf(lv) == LVS_REPORT;
  int first = 0, last = -1;
  VisibleRange(lv, m, &first, &last);
  for (int i = last; i >= first; i--) {
    RECT bounds = ItemRect(lv, m, i, LVIR_BOUNDS);
    if (!PtInRect(&bounds, p)) continue;
    RECT icon = ItemRect(lv, m, i, LVIR_ICON), label = ItemRect(lv, m, i, LVIR_LABEL);
    if (report && subItem) {
      for (int c = 0; c < static_cast<int>(lv.columns.size()); c++) {
        RECT sr = SubItemRect(lv, m, i, c);
        if (c == 0) sr.right = sr.left + lv.columns[0].width;
        if (PtInRect(&sr, p)) *subItem = c;
      }
    }
    if (m.stateCx && p.x < icon.left && p.x >= icon.left - m.stateCx)
      *flags = LVHT_ONITEMSTATEICON;
    else if (PtInRect(&icon, p))
      *flags = LVHT_ONITEMICON;
    else if (PtInRect(&label, p))
      *flags = LVHT_ONITEMLABEL;
    else if (report && (lv.exStyle & LVS_EX_FULLROWSELECT))
      *flags = LVHT_ONITEMLABEL;
    else
      continue;
    return i;
  }
  *flags = LVHT_NOWHERE;
  return -1;
}

void LayoutChanged(ListView& lv) {
  lv.widestLabel = -1;
  lv.layoutStale = true;
  InvalidateRect(lv.hwnd, nullptr, TRUE);
}

void VisibleRange(ListView& lv, const LvMetrics& m, int* first, int* last) {
  int n = ItemCount(lv);
  *first = 0;
  *last = n - 1;
  if (ViewOf(lv) == LVS_REPORT) {
    *first = std::max(0, static_cast<int>(lv.scroll.y));
    *last = std::min(n - 1, *first + VisibleRows(m) + 1);
  } else if (ViewOf(lv) == LVS_LIST) {
    *first = std::max(0, static_cast<int>(lv.scroll.x) * m.perLine);
    *last = std::min(n - 1, *first + (VisibleColumns(m) + 1) * m.perLine - 1);
  }
}

void UpdateScrollBars(ListView& lv) {
  static int depth = 0;
  if (depth > 2 || !lv.hwnd) return;
  depth++;
  lv.layoutStale = false;
  if (StyleOf(lv) & LVS_NOSCROLL) {
    ShowScrollBar(lv.hwnd, SB_BOTH, FALSE);
    depth--;
    return;
  }
  LvMetrics m = MetricsOf(lv);
  DWORD view = ViewOf(lv);
  int n = ItemCount(lv);
  if (view == LVS_REPORT) {
    SetBar(lv.hwnd, SB_VERT, n - 1, VisibleRows(m), lv.scroll.y);
    SetBar(lv.hwnd, SB_HORZ, TotalColumnWidth(lv) - 1, m.client.right, lv.scroll.x);
  } else if (view == LVS_LIST) {
    int columns = (n + m.perLine - 1) / m.perLine;
    SetBar(lv.hwnd, SB_HORZ, columns - 1, VisibleColumns(m), lv.scroll.x);
    SetBar(lv.hwnd, SB_VERT, 0, 0, 0);
  } else {
    POINT e = Extent(lv, m);
    SetBar(lv.hwnd, SB_HORZ, e.x - 1, m.client.right, lv.scroll.x);
    SetBar(lv.hwnd, SB_VERT, e.y - 1, m.client.bottom, lv.scroll.y);
  }
  lv.scroll.x = BarPos(lv.hwnd, SB_HORZ);
  lv.scroll.y = BarPos(lv.hwnd, SB_VERT);
  LayoutHeader(lv);
  depth--;
}

void ScrollBy(ListView& lv, int dx, int dy) {
  if (lv.layoutStale) UpdateScrollBars(lv);
  POINT before = lv.scroll;
  if (dx) SetScrollPos(lv.hwnd, SB_HORZ, lv.scroll.x + dx, TRUE);
  if (dy) SetScrollPos(lv.hwnd, SB_VERT, lv.scroll.y + dy, TRUE);
  lv.scroll.x = BarPos(lv.hwnd, SB_HORZ);
  lv.scroll.y = BarPos(lv.hwnd, SB_VERT);
  if (before.x == lv.scroll.x && before.y == lv.scroll.y) return;
  CancelListLabelEdit(lv);
  if (before.x != lv.scroll.x) LayoutHeader(lv);
  InvalidateRect(lv.hwnd, nullptr, TRUE);
}

LRESULT ScrollMessage(ListView& lv, int bar, WPARAM wParam) {
  LvMetrics m = MetricsOf(lv);
  int line = LineUnit(lv, m, bar), page = std::max(1, PageUnits(lv, m, bar));
  int pos = bar == SB_VERT ? lv.scroll.y : lv.scroll.x;
  const std::optional<int> asked = ScrollTarget(lv.hwnd, bar, wParam, pos, line, page);
  if (!asked) return 0;
  const int target = *asked;
  if (bar == SB_VERT)
    ScrollBy(lv, 0, target - pos);
  else
    ScrollBy(lv, target - pos, 0);
  return 0;
}

bool EnsureVisible(ListView& lv, int item, bool partialOk) {
  if (item < 0 || item >= ItemCount(lv)) return false;
  if (lv.layoutStale) UpdateScrollBars(lv);
  LvMetrics m = MetricsOf(lv);
  DWORD view = ViewOf(lv);
  if (view == LVS_REPORT) {
    int rows = VisibleRows(m);
    if (item < lv.scroll.y)
      ScrollBy(lv, 0, item - lv.scroll.y);
    else if (item >= lv.scroll.y + rows)
      ScrollBy(lv, 0, item - rows + 1 - lv.scroll.y);
    return true;
  }
  if (view == LVS_LIST) {
    int column = item / m.perLine, columns = VisibleColumns(m);
    if (column < lv.scroll.x)
      ScrollBy(lv, column - lv.scroll.x, 0);
    else if (column >= lv.scroll.x + columns)
      ScrollBy(lv, column - columns + 1 - lv.scroll.x, 0);
    return true;
  }
  RECT r = ItemRect(lv, m, item, LVIR_BOUNDS);
  RECT shown;
  if (partialOk && IntersectRect(&shown, &r, &m.client)) return true;
  int dx = 0, dy = 0;
  if (r.left < 0)
    dx = r.left;
  else if (r.right > m.client.right)
    dx = std::min(r.right - m.client.right, r.left);
  if (r.top < 0)
    dy = r.top;
  else if (r.bottom > m.client.bottom)
    dy = std::min(r.bottom - m.client.bottom, r.top);
  ScrollBy(lv, dx, dy);
  return true;
}

int Neighbour(ListView& lv, int item, UINT vk) {
  int n = ItemCount(lv);
  if (n == 0) return -1;
  if (item < 0) return 0;
  DWORD view = ViewOf(lv);
  LvMetrics m = MetricsOf(lv);
  auto clampTo = [&](int i) { return i < 0 || i >= n ? item : i; };
  if (view == LVS_REPORT) {
    if (vk == VK_UP) return clampTo(item - 1);
    if (vk == VK_DOWN) return clampTo(item + 1);
    return item;
  }
  if (view == LVS_LIST) {
    if (vk == VK_UP) return clampTo(item - 1);
    if (vk == VK_DOWN) return clampTo(item + 1);
    if (vk == VK_LEFT) return clampTo(item - m.perLine);
    if (vk == VK_RIGHT)
      return item + m.perLine < n ? item + m.perLine : (item / m.perLine + 1) * m.perLine < n ? n - 1 : item;
    return item;
  }
  // Icon views: the nearest item in that direction, by the items' centres.
  POINT from = Centre(ItemRect(lv, m, item, LVIR_BOUNDS));
  int best = item;
  long bestScore = LONG_MAX;
  for (int i = 0; i < n; i++) {
    if (i == item) continue;
    POINT c = Centre(ItemRect(lv, m, i, LVIR_BOUNDS));
    long along = 0, across = 0;
    switch (vk) {
      case VK_LEFT: along = from.x - c.x, across = std::labs(c.y - from.y); break;
      case VK_RIGHT: along = c.x - from.x, across = std::labs(c.y - from.y); break;
      case VK_UP: along = from.y - c.y, across = std::labs(c.x - from.x); break;
      case VK_DOWN: along = c.y - from.y, across = std::labs(c.x - from.x); break;
      default: return item;
    }
    if (along <= 0) continue;
    long score = along + across * 4;
    if (score < bestScore) bestScore = score, best = i;
  }
  return best;
}

void Arrange(ListView& lv) {
  for (LvItem& it : lv.items) it.placed = false;
  InvalidateRect(lv.hwnd, nullptr, TRUE);
}

void InvalidateItem(ListView& lv, int item) {
  if (item < 0 || item >= ItemCount(lv)) return;
  // A focused icon's label may cover the items below it.
  if (ViewOf(lv) == LVS_ICON) {
    InvalidateRect(lv.hwnd, nullptr, TRUE);
    return;
  }
  LvMetrics m = MetricsOf(lv);
  RECT r = ItemRect(lv, m, item, LVIR_BOUNDS);
  InflateRect(&r, 2, 2);
  InvalidateRect(lv.hwnd, &r, TRUE);
}

}  // namespace win::comctl
