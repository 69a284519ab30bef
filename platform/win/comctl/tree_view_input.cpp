// The tree view: clicks, buttons, drags and double clicks by mouse;
// navigation, expansion and type-to-find by keyboard.
#include <algorithm>
#include <cstdlib>
#include <strings.h>

#include "platform/win/comctl/notify.h"
#include "platform/win/winbase.h"
#include "platform/win/comctl/tree_view.h"

namespace win::comctl {
namespace {

constexpr UINT_PTR kEditTimer = 0x5445;
constexpr DWORD kSearchPause = 1000;

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool Moved(const TreeView& tv, POINT p) {
  return std::abs(p.x - tv.downPoint.x) > GetSystemMetrics(SM_CXDRAG) ||
         std::abs(p.y - tv.downPoint.y) > GetSystemMetrics(SM_CYDRAG);
}

// What a left click on a node does once the click has been announced.
void ClickNode(TreeView& tv, TvNode* node, UINT flags) {
  if (!node || !tv.live.count(node)) return;
  if (flags & TVHT_ONITEMBUTTON) {
    ExpandNode(tv, node, TVE_TOGGLE, true);
    return;
  }
  if (!(flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON))) return;
  if (node == tv.selected && (TreeStyle(tv) & TVS_EDITLABELS) && (flags & TVHT_ONITEMLABEL))
    SetTimer(tv.hwnd, kEditTimer, GetDoubleClickTime(), nullptr);
  else
    SelectNode(tv, node, TVC_BYMOUSE);
}

void SearchByTyping(TreeView& tv, char ch) {
  DWORD now = GetTickCount();
  if (now - tv.searchTime > kSearchPause) tv.search.clear();
  tv.searchTime = now;
  tv.search += ch;
  auto rows = VisibleNodes(tv);
  if (rows.empty()) return;
  int n = static_cast<int>(rows.size());
  int current = RowOf(tv, tv.selected);
  int start = tv.search.size() == 1 ? current + 1 : std::max(current, 0);
  for (int k = 0; k < n; k++) {
    TvNode* node = rows[static_cast<size_t>(((start + k) % n + n) % n)];
    if (strncasecmp(NodeText(tv, node).c_str(), tv.search.c_str(), tv.search.size()) == 0) {
      SelectNode(tv, node, TVC_BYKEYBOARD);
      return;
    }
  }
}

}  // namespace

LRESULT TreeMouse(TreeView& tv, UINT msg, WPARAM wParam, LPARAM lParam) {
  POINT p = PointOf(lParam);
  DWORD style = TreeStyle(tv);
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      KillTimer(tv.hwnd, kEditTimer);
      if (GetFocus() != tv.hwnd) SetFocus(tv.hwnd);
      UINT flags = 0;
      TvNode* node = TreeHitTest(tv, p, &flags);
      tv.downNode = node;
      tv.downPoint = p;
      tv.downFlags = flags;
      if (msg == WM_RBUTTONDOWN) {
        tv.rightDown = true;
        SetCapture(tv.hwnd);
        return 0;
      }
      bool track = node && (flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON)) && !(style & TVS_DISABLEDRAGDROP);
      if (!track) {
        if (NotifyCode(tv.hwnd, NM_CLICK)) return 0;
        ClickNode(tv, node, flags);
        return 0;
      }
      tv.leftDown = true;
      SetCapture(tv.hwnd);
      return 0;
    }
    case WM_MOUSEMOVE:
      if ((tv.leftDown || tv.rightDown) && tv.downNode && Moved(tv, p)) {
        bool right = tv.rightDown;
        tv.leftDown = tv.rightDown = false;
        if (GetCapture() == tv.hwnd) ReleaseCapture();
        if (!(style & TVS_DISABLEDRAGDROP) && tv.live.count(tv.downNode))
          NotifyTree(tv, right ? TVN_BEGINRDRAGA : TVN_BEGINDRAGA, 0, nullptr, tv.downNode, tv.downPoint);
      }
      return 0;
    case WM_LBUTTONUP:
      if (!tv.leftDown) return 0;
      tv.leftDown = false;
      if (GetCapture() == tv.hwnd) ReleaseCapture();
      if (NotifyCode(tv.hwnd, NM_CLICK)) return 0;
      ClickNode(tv, tv.downNode, tv.downFlags);
      return 0;
    case WM_RBUTTONUP:
      if (!tv.rightDown) return 0;
      tv.rightDown = false;
      if (GetCapture() == tv.hwnd) ReleaseCapture();
      if (!NotifyCode(tv.hwnd, NM_RCLICK)) {
        POINT screen = p;
        ClientToScreen(tv.hwnd, &screen);
        SendMessageA(tv.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tv.hwnd), MAKELPARAM(screen.x, screen.y));
      }
      return 0;
    case WM_LBUTTONDBLCLK: {
      KillTimer(tv.hwnd, kEditTimer);
      UINT flags = 0;
      TvNode* node = TreeHitTest(tv, p, &flags);
      if (NotifyCode(tv.hwnd, NM_DBLCLK)) return 0;
      if (node && tv.live.count(node) && (flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON)))
        ExpandNode(tv, node, TVE_TOGGLE, true);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != tv.hwnd) tv.leftDown = tv.rightDown = false;
      return 0;
    case WM_TIMER:
      if (wParam == kEditTimer) {
        KillTimer(tv.hwnd, kEditTimer);
        if (tv.selected) EditTreeLabel(tv, tv.selected);
      }
      return 0;
    case WM_MOUSEWHEEL: {
      int notches = static_cast<short>(HIWORD(wParam)) / 120;
      ScrollTreeTo(tv, tv.topRow - 3 * notches, tv.scrollX);
      return 0;
    }
    default: return 0;
  }
}

LRESULT TreeKey(TreeView& tv, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_CHAR) {
    unsigned char ch = static_cast<unsigned char>(wParam);
    if (ch > 0x20 && ch != 0x7F) SearchByTyping(tv, static_cast<char>(ch));
    return 0;
  }
  NMTVKEYDOWN kd{};
  kd.wVKey = static_cast<WORD>(wParam);
  Notify(tv.hwnd, TVN_KEYDOWN, &kd.hdr);
  auto rows = VisibleNodes(tv);
  if (rows.empty()) return 0;
  int n = static_cast<int>(rows.size());
  TvNode* cur = tv.selected;
  int row = RowOf(tv, cur);
  RECT client;
  GetClientRect(tv.hwnd, &client);
  int page = std::max(1, static_cast<int>(client.bottom / RowHeight(tv)) - 1);
  TvNode* target = nullptr;
  switch (wParam) {
    case VK_RETURN: NotifyCode(tv.hwnd, NM_RETURN); return 0;
    case VK_UP: target = row > 0 ? rows[static_cast<size_t>(row - 1)] : (row < 0 ? rows.front() : nullptr); break;
    case VK_DOWN: target = row + 1 < n ? rows[static_cast<size_t>(row + 1)] : nullptr; break;
    case VK_HOME: target = rows.front(); break;
    case VK_END: target = rows.back(); break;
    case VK_PRIOR: target = rows[static_cast<size_t>(std::max(0, row - page))]; break;
    case VK_NEXT: target = rows[static_cast<size_t>(std::min(n - 1, std::max(row, 0) + page))]; break;
    case VK_LEFT:
      if (!cur) break;
      if ((cur->state & TVIS_EXPANDED) && HasChildren(tv, cur))
        ExpandNode(tv, cur, TVE_COLLAPSE, true);
      else if (cur->parent && cur->parent != &tv.root)
        target = cur->parent;
      break;
    case VK_RIGHT:
      if (!cur) break;
      if (!(cur->state & TVIS_EXPANDED) && HasChildren(tv, cur))
        ExpandNode(tv, cur, TVE_EXPAND, true);
      else if ((cur->state & TVIS_EXPANDED) && !cur->kids.empty())
        target = cur->kids.front();
      break;
    case VK_ADD:
      if (cur) ExpandNode(tv, cur, TVE_EXPAND, true);
      break;
    case VK_SUBTRACT:
      if (cur) ExpandNode(tv, cur, TVE_COLLAPSE, true);
      break;
    default: break;
  }
  if (target) SelectNode(tv, target, TVC_BYKEYBOARD);
  return 0;
}

}  // namespace win::comctl
