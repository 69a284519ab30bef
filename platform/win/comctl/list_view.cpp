// The list view: its window procedure, colours, image lists, views and the
// messages that ask about geometry.
#include <algorithm>

#include "platform/win/comctl/image_list.h"
#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {
namespace {

constexpr LRESULT kWantArrowsAndChars = 0x0001 | 0x0080;

HIMAGELIST& ImageListSlot(ListView& lv, WPARAM which) {
  return which == LVSIL_SMALL ? lv.smallImages : which == LVSIL_STATE ? lv.stateImages : lv.normalImages;
}

void Create(ListView& lv) {
  lv.bkColour = GetSysColor(COLOR_WINDOW);
  lv.textBkColour = GetSysColor(COLOR_WINDOW);
  lv.textColour = GetSysColor(COLOR_WINDOWTEXT);
  DWORD style = StyleOf(lv);
  DWORD headerStyle = WS_CHILD | HDS_HORZ | ((style & LVS_NOSORTHEADER) ? 0 : HDS_BUTTONS);
  lv.header = CreateWindowExA(0, WC_HEADERA, "", headerStyle, 0, 0, 0, 0, lv.hwnd, nullptr, nullptr, nullptr);
  UpdateScrollBars(lv);
}

void Destroy(ListView& lv) {
  CancelListLabelEdit(lv);
  DeleteAllItems(lv);
  // Image lists belong to the view unless they are shared.
  if (!(StyleOf(lv) & LVS_SHAREIMAGELISTS)) {
    for (HIMAGELIST* slot : {&lv.normalImages, &lv.smallImages, &lv.stateImages})
      if (*slot) ImageList_Destroy(*slot), *slot = nullptr;
  }
}

LRESULT GeometryMessage(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  int index = static_cast<int>(wParam);
  bool valid = index >= 0 && index < ItemCount(lv);
  switch (msg) {
    case LVM_GETITEMRECT: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (!r || !valid) return FALSE;
      LvMetrics m = MetricsOf(lv);
      *r = ItemRect(lv, m, index, r->left);
      return TRUE;
    }
    case LVM_GETSUBITEMRECT: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (!r || !valid || ViewOf(lv) != LVS_REPORT) return FALSE;
      LvMetrics m = MetricsOf(lv);
      int sub = r->top, code = r->left;
      if (sub == 0)
        *r = ItemRect(lv, m, index, code);
      else
        *r = SubItemRect(lv, m, index, sub);
      return TRUE;
    }
    case LVM_GETITEMPOSITION: {
      auto* p = reinterpret_cast<POINT*>(lParam);
      if (!p || !valid) return FALSE;
      LvMetrics m = MetricsOf(lv);
      RECT r = ItemRect(lv, m, index, LVIR_BOUNDS);
      *p = POINT{r.left, r.top};
      return TRUE;
    }
    case LVM_SETITEMPOSITION:
    case LVM_SETITEMPOSITION32: {
      DWORD view = ViewOf(lv);
      if (!valid || (view != LVS_ICON && view != LVS_SMALLICON)) return FALSE;
      // The 32-bit form carries the point by address: none, nothing to move.
      if (msg == LVM_SETITEMPOSITION32 && lParam == 0) return FALSE;
      POINT p = msg == LVM_SETITEMPOSITION
                    ? POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}
                    : *reinterpret_cast<POINT*>(lParam);
      lv.items[index].position = POINT{p.x + lv.scroll.x, p.y + lv.scroll.y};
      lv.items[index].placed = true;
      if (StyleOf(lv) & LVS_AUTOARRANGE) Arrange(lv);
      UpdateScrollBars(lv);
      InvalidateRect(lv.hwnd, nullptr, TRUE);
      return TRUE;
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
      auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
      if (!info) return -1;
      int sub = 0;
      info->iItem = HitTest(lv, info->pt, &info->flags, &sub);
      if (msg == LVM_SUBITEMHITTEST) info->iSubItem = info->iItem >= 0 ? sub : 0;
      return info->iItem;
    }
    case LVM_ENSUREVISIBLE: return EnsureVisible(lv, index, lParam != 0) ? TRUE : FALSE;
    case LVM_SCROLL: {
      LvMetrics m = MetricsOf(lv);
      int dx = static_cast<int>(wParam), dy = static_cast<int>(lParam);
      if (ViewOf(lv) == LVS_REPORT) dy = dy / std::max(1, m.rowHeight);
      if (ViewOf(lv) == LVS_LIST) dx = dx / std::max(1, m.cellWidth);
      ScrollBy(lv, dx, dy);
      return TRUE;
    }
    case LVM_REDRAWITEMS:
    case LVM_UPDATE: InvalidateRect(lv.hwnd, nullptr, TRUE); return TRUE;
    case LVM_ARRANGE:
      if (ViewOf(lv) != LVS_ICON && ViewOf(lv) != LVS_SMALLICON) return FALSE;
      Arrange(lv);
      UpdateScrollBars(lv);
      return TRUE;
    case LVM_GETTOPINDEX: {
      if (ViewOf(lv) == LVS_REPORT) return lv.scroll.y;
      if (ViewOf(lv) == LVS_LIST) return lv.scroll.x * MetricsOf(lv).perLine;
      return 0;
    }
    case LVM_GETCOUNTPERPAGE: {
      LvMetrics m = MetricsOf(lv);
      if (ViewOf(lv) == LVS_REPORT)
        return std::max(1, static_cast<int>((m.client.bottom - m.headerHeight) / m.rowHeight));
      if (ViewOf(lv) == LVS_LIST) return m.perLine * std::max(1, static_cast<int>(m.client.right / m.cellWidth));
      return ItemCount(lv);
    }
    case LVM_GETORIGIN: {
      auto* p = reinterpret_cast<POINT*>(lParam);
      if (!p || ViewOf(lv) == LVS_REPORT || ViewOf(lv) == LVS_LIST) return FALSE;
      *p = lv.scroll;
      return TRUE;
    }
    case LVM_GETVIEWRECT: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (!r) return FALSE;
      LvMetrics m = MetricsOf(lv);
      SetRectEmpty(r);
      for (int i = 0; i < ItemCount(lv); i++) {
        RECT b = ItemRect(lv, m, i, LVIR_BOUNDS);
        UnionRect(r, r, &b);
      }
      return TRUE;
    }
    case LVM_GETSTRINGWIDTHA: return lParam ? TextWidth(lv, reinterpret_cast<LPCSTR>(lParam)) : 0;
    case LVM_GETITEMSPACING: {
      LvMetrics m = MetricsOf(lv);
      return wParam ? MAKELONG(m.cellWidth ? m.cellWidth : m.smallCx + 60, m.rowHeight)
                    : MAKELONG(m.spacing.cx, m.spacing.cy);
    }
    case LVM_SETICONSPACING: {
      LvMetrics m = MetricsOf(lv);
      LRESULT old = MAKELONG(m.spacing.cx, m.spacing.cy);
      int cx = static_cast<short>(LOWORD(lParam)), cy = static_cast<short>(HIWORD(lParam));
      lv.iconSpacing = cx <= 0 && cy <= 0 ? SIZE{0, 0} : SIZE{cx > 0 ? cx : m.spacing.cx, cy > 0 ? cy : m.spacing.cy};
      InvalidateRect(lv.hwnd, nullptr, TRUE);
      return old;
    }
    default: *handled = false; return 0;
  }
}

}  // namespace

ListView* ListViewOf(HWND hwnd) {
  return reinterpret_cast<ListView*>(GetWindowLongPtrA(hwnd, 0));
}

DWORD StyleOf(const ListView& lv) {
  return static_cast<DWORD>(GetWindowLongA(lv.hwnd, GWL_STYLE));
}

DWORD ViewOf(const ListView& lv) {
  return StyleOf(lv) & LVS_TYPEMASK;
}

int ItemCount(const ListView& lv) {
  return static_cast<int>(lv.items.size());
}

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ListView* lv = ListViewOf(hwnd);
  if (!lv) {
    if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);
    lv = new ListView;
    lv->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(lv));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  StateInUse<ListView> inUse(lv);
  bool handled = false;
  LRESULT r = ListViewItemMessage(*lv, msg, wParam, lParam, &handled);
  if (handled) return r;
  r = ListViewColumnMessage(*lv, msg, wParam, lParam, &handled);
  if (handled) return r;
  r = GeometryMessage(*lv, msg, wParam, lParam, &handled);
  if (handled) return r;
  switch (msg) {
    case WM_CREATE: Create(*lv); return 0;
    case WM_DESTROY: Destroy(*lv); return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
      // Deleted when the outermost call of this procedure returns.
      SetWindowLongPtrA(hwnd, 0, 0);
      lv->released = true;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case LVM_GETBKCOLOR: return lv->bkColour;
    case LVM_SETBKCOLOR:
      lv->bkColour = static_cast<COLORREF>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    case LVM_GETTEXTCOLOR: return lv->textColour;
    case LVM_SETTEXTCOLOR:
      lv->textColour = static_cast<COLORREF>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    case LVM_GETTEXTBKCOLOR: return lv->textBkColour;
    case LVM_SETTEXTBKCOLOR:
      lv->textBkColour = static_cast<COLORREF>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    case LVM_GETIMAGELIST: return reinterpret_cast<LRESULT>(ImageListSlot(*lv, wParam));
    case LVM_SETIMAGELIST: {
      HIMAGELIST& slot = ImageListSlot(*lv, wParam);
      HIMAGELIST old = slot;
      slot = reinterpret_cast<HIMAGELIST>(lParam);
      UpdateScrollBars(*lv);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return lv->exStyle;
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
      DWORD old = lv->exStyle;
      DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFF;
      lv->exStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
      InvalidateRect(hwnd, nullptr, TRUE);
      return old;
    }
    case LVM_EDITLABELA:
      if (static_cast<int>(wParam) == -1) {
        CancelListLabelEdit(*lv);
        return 0;
      }
      if (GetFocus() != hwnd) SetFocus(hwnd);
      return reinterpret_cast<LRESULT>(EditListLabel(*lv, static_cast<int>(wParam)));
    case LVM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(lv->editor);
    case WM_STYLECHANGED:
      if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
        auto* ss = reinterpret_cast<STYLESTRUCT*>(lParam);
        if (ss && ((ss->styleOld ^ ss->styleNew) & LVS_TYPEMASK)) {
          CancelListLabelEdit(*lv);
          lv->scroll = POINT{0, 0};
          Arrange(*lv);
        }
        UpdateScrollBars(*lv);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_SIZE:
      if (StyleOf(*lv) & LVS_AUTOARRANGE) Arrange(*lv);
      UpdateScrollBars(*lv);
      return 0;
    case WM_SETFONT:
      lv->font = reinterpret_cast<HFONT>(wParam);
      lv->widestLabel = -1;
      if (lv->header) SendMessageA(lv->header, WM_SETFONT, wParam, lParam);
      UpdateScrollBars(*lv);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(lv->font);
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lParam);
      if (hdr && hdr->hwndFrom == lv->header) return ListViewHeaderNotify(*lv, hdr);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (lv->layoutStale) UpdateScrollBars(*lv);
      PaintClient(hwnd, wParam, [&](HDC dc, const RECT& update) { PaintListView(*lv, dc, update); });
      return 0;
    }
    case WM_SETFOCUS:
      NotifyCode(hwnd, NM_SETFOCUS);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_KILLFOCUS:
      NotifyCode(hwnd, NM_KILLFOCUS);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETDLGCODE: return kWantArrowsAndChars;
    case WM_HSCROLL: return ScrollMessage(*lv, SB_HORZ, wParam);
    case WM_VSCROLL: return ScrollMessage(*lv, SB_VERT, wParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
    case WM_TIMER:
    case WM_MOUSEWHEEL: return ListViewMouse(*lv, msg, wParam, lParam);
    case WM_KEYDOWN:
    case WM_CHAR: return ListViewKey(*lv, msg, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win::comctl
