// The list view: selection and dragging by mouse, navigation by keyboard,
// type-to-find, and the click notifications.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <strings.h>

#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/winbase.h"

namespace win::comctl {
namespace {

constexpr UINT_PTR kEditTimer = 0x4C45;  // starts the label edit after a slow second click
constexpr DWORD kSearchPause = 1000;  // ms after which typing starts a new search

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT NotifyClick(ListView& lv, UINT code, int item, int subItem, POINT p) {
  NMITEMACTIVATE nm{};
  nm.iItem = item;
  nm.iSubItem = subItem;
  nm.ptAction = p;
  if (item >= 0 && item < ItemCount(lv)) nm.lParam = lv.items[item].lParam;
  if (GetKeyState(VK_SHIFT) < 0) nm.uKeyFlags |= 0x0004;
  if (GetKeyState(VK_CONTROL) < 0) nm.uKeyFlags |= 0x0001;
  return Notify(lv.hwnd, code, &nm.hdr);
}

void BeginDrag(ListView& lv, UINT code) {
  NMLISTVIEW nm{};
  nm.iItem = lv.downItem;
  nm.ptAction = lv.downPoint;
  if (lv.downItem >= 0 && lv.downItem < ItemCount(lv)) nm.lParam = lv.items[lv.downItem].lParam;
  Notify(lv.hwnd, code, &nm.hdr);
}

bool Moved(const ListView& lv, POINT p) {
  return std::abs(p.x - lv.downPoint.x) > GetSystemMetrics(SM_CXDRAG) ||
         std::abs(p.y - lv.downPoint.y) > GetSystemMetrics(SM_CYDRAG);
}

void ButtonDown(ListView& lv, POINT p, WPARAM keys, bool right) {
  KillTimer(lv.hwnd, kEditTimer);
  if (GetFocus() != lv.hwnd) SetFocus(lv.hwnd);
  UINT flags = 0;
  int subItem = 0;
  int item = HitTest(lv, p, &flags, &subItem);
  bool ctrl = (keys & MK_CONTROL) != 0, shift = (keys & MK_SHIFT) != 0;
  bool single = (StyleOf(lv) & LVS_SINGLESEL) != 0;
  lv.downItem = item;
  lv.downPoint = p;
  lv.selectOnlyOnUp = false;
  lv.armEditOnUp = false;
  if (item >= 0) {
    bool wasSelected = (lv.items[item].state & LVIS_SELECTED) != 0;
    bool wasFocused = (lv.items[item].state & LVIS_FOCUSED) != 0;
    if (right) {
      if (!wasSelected)
        SelectOnly(lv, item);
      else
        MoveFocus(lv, item);
    } else if (shift && !single) {
      SelectRange(lv, lv.selectionMark, item, ctrl);
    } else if (ctrl && !single) {
      SetItemState(lv, item, (wasSelected ? 0 : LVIS_SELECTED) | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      lv.selectionMark = item;
    } else if (wasSelected) {
      // A press on a selection keeps it for a drag; the release selects
      // the item alone.
      MoveFocus(lv, item);
      lv.selectOnlyOnUp = true;
      lv.armEditOnUp = wasFocused && (StyleOf(lv) & LVS_EDITLABELS) && (flags & LVHT_ONITEMLABEL);
    } else {
      SelectOnly(lv, item);
    }
  } else if (!ctrl && !shift) {
    for (int i = 0; i < ItemCount(lv); i++)
      if (lv.items[i].state & LVIS_SELECTED) SetItemState(lv, i, 0, LVIS_SELECTED);
  }
  (right ? lv.rightDown : lv.leftDown) = true;
  SetCapture(lv.hwnd);
}

void ButtonUp(ListView& lv, POINT p, bool right) {
  bool& down = right ? lv.rightDown : lv.leftDown;
  if (!down) return;
  down = false;
  if (GetCapture() == lv.hwnd) ReleaseCapture();
  if (!right && lv.selectOnlyOnUp && lv.downItem >= 0 && lv.downItem < ItemCount(lv)) SelectOnly(lv, lv.downItem);
  lv.selectOnlyOnUp = false;
  UINT flags = 0;
  int subItem = 0;
  HitTest(lv, lv.downPoint, &flags, &subItem);
  if (right) {
    if (!NotifyClick(lv, NM_RCLICK, lv.downItem, subItem, p)) {
      POINT screen = p;
      ClientToScreen(lv.hwnd, &screen);
      SendMessageA(lv.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lv.hwnd), MAKELPARAM(screen.x, screen.y));
    }
    return;
  }
  NotifyClick(lv, NM_CLICK, lv.downItem, subItem, p);
  if (lv.armEditOnUp) SetTimer(lv.hwnd, kEditTimer, GetDoubleClickTime(), nullptr);
  lv.armEditOnUp = false;
}

void SearchByTyping(ListView& lv, char ch) {
  DWORD now = GetTickCount();
  if (now - lv.searchTime > kSearchPause) lv.search.clear();
  lv.searchTime = now;
  lv.search += ch;
  int n = ItemCount(lv);
  if (n == 0) return;
  // The same letter typed again steps through the items that begin with it.
  bool repeated =
      lv.search.size() > 1 && std::all_of(lv.search.begin(), lv.search.end(), [&](char c) {
        return std::tolower(static_cast<unsigned char>(c)) == std::tolower(static_cast<unsigned char>(lv.search[0]));
      });
  std::string prefix = repeated ? lv.search.substr(0, 1) : lv.search;
  int focus = FocusedItem(lv);
  int start = (lv.search.size() == 1 || repeated) ? focus + 1 : std::max(focus, 0);
  for (int k = 0; k < n; k++) {
    int i = ((start + k) % n + n) % n;
    std::string text = ItemText(lv, i, 0);
    if (strncasecmp(text.c_str(), prefix.c_str(), prefix.size()) == 0) {
      SelectOnly(lv, i);
      EnsureVisible(lv, i, false);
      return;
    }
  }
}

int PageStep(ListView& lv) {
  LvMetrics m = MetricsOf(lv);
  if (ViewOf(lv) == LVS_REPORT)
    return std::max(1, static_cast<int>((m.client.bottom - m.headerHeight) / m.rowHeight) - 1);
  if (ViewOf(lv) == LVS_LIST) return m.perLine;
  return m.perLine * std::max(1, static_cast<int>(m.client.bottom / std::max<LONG>(1, m.spacing.cy)));
}

}  // namespace

LRESULT ListViewMouse(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam) {
  POINT p = PointOf(lParam);
  switch (msg) {
    case WM_LBUTTONDOWN: ButtonDown(lv, p, wParam, false); return 0;
    case WM_RBUTTONDOWN: ButtonDown(lv, p, wParam, true); return 0;
    case WM_LBUTTONUP: ButtonUp(lv, p, false); return 0;
    case WM_RBUTTONUP: ButtonUp(lv, p, true); return 0;
    case WM_MOUSEMOVE:
      if ((lv.leftDown || lv.rightDown) && lv.downItem >= 0 && Moved(lv, p)) {
        bool right = lv.rightDown;
        lv.leftDown = lv.rightDown = false;
        lv.selectOnlyOnUp = lv.armEditOnUp = false;
        if (GetCapture() == lv.hwnd) ReleaseCapture();
        BeginDrag(lv, right ? LVN_BEGINRDRAG : LVN_BEGINDRAG);
      }
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
      KillTimer(lv.hwnd, kEditTimer);
      UINT flags = 0;
      int subItem = 0;
      int item = HitTest(lv, p, &flags, &subItem);
      if (msg == WM_LBUTTONDBLCLK) {
        NotifyClick(lv, NM_DBLCLK, item, subItem, p);
        if (item >= 0) NotifyClick(lv, LVN_ITEMACTIVATE, item, subItem, p);
      } else {
        NotifyClick(lv, NM_RDBLCLK, item, subItem, p);
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != lv.hwnd) lv.leftDown = lv.rightDown = false;
      return 0;
    case WM_TIMER:
      if (wParam == kEditTimer) {
        KillTimer(lv.hwnd, kEditTimer);
        int focus = FocusedItem(lv);
        if (focus >= 0 && (lv.items[focus].state & LVIS_SELECTED)) EditListLabel(lv, focus);
      }
      return 0;
    case WM_MOUSEWHEEL: {
      int notches = static_cast<short>(HIWORD(wParam)) / 120;
      if (ViewOf(lv) == LVS_LIST)
        ScrollBy(lv, -notches, 0);
      else if (ViewOf(lv) == LVS_REPORT)
        ScrollBy(lv, 0, -3 * notches);
      else
        ScrollBy(lv, 0, -3 * notches * MetricsOf(lv).rowHeight);
      return 0;
    }
    default: return 0;
  }
}

LRESULT ListViewKey(ListView& lv, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_CHAR) {
    unsigned char ch = static_cast<unsigned char>(wParam);
    if (ch >= 0x20 && ch != 0x7F && !(ch == ' ' && lv.search.empty())) SearchByTyping(lv, static_cast<char>(ch));
    return 0;
  }
  NMLVKEYDOWN kd{};
  kd.wVKey = static_cast<WORD>(wParam);
  Notify(lv.hwnd, LVN_KEYDOWN, &kd.hdr);
  int n = ItemCount(lv);
  int focus = FocusedItem(lv);
  bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
  int target = -2;
  switch (wParam) {
    case VK_RETURN: NotifyCode(lv.hwnd, NM_RETURN); return 0;
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
      if (ViewOf(lv) == LVS_REPORT && (wParam == VK_LEFT || wParam == VK_RIGHT)) {
        ScrollBy(lv, wParam == VK_LEFT ? -16 : 16, 0);
        return 0;
      }
      target = Neighbour(lv, focus, static_cast<UINT>(wParam));
      break;
    case VK_HOME: target = n ? 0 : -1; break;
    case VK_END: target = n - 1; break;
    case VK_PRIOR: target = focus < 0 ? 0 : std::max(0, focus - PageStep(lv)); break;
    case VK_NEXT: target = focus < 0 ? 0 : std::min(n - 1, focus + PageStep(lv)); break;
    case VK_SPACE:
      if (focus < 0) return 0;
      if (ctrl && !(StyleOf(lv) & LVS_SINGLESEL))
        SetItemState(lv, focus, (lv.items[focus].state & LVIS_SELECTED) ? 0 : LVIS_SELECTED, LVIS_SELECTED);
      else
        SetItemState(lv, focus, LVIS_SELECTED, LVIS_SELECTED);
      lv.selectionMark = focus;
      return 0;
    default: return 0;
  }
  if (target < 0) return 0;
  if (shift && !(StyleOf(lv) & LVS_SINGLESEL))
    SelectRange(lv, lv.selectionMark < 0 ? focus : lv.selectionMark, target, false);
  else if (ctrl)
    MoveFocus(lv, target);
  else
    SelectOnly(lv, target);
  EnsureVisible(lv, target, false);
  return 0;
}

}  // namespace win::comctl
