// The default window procedure.
#include <algorithm>
#include <cstring>

#include "platform/win/user/cursor_bridge.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/nonclient.h"
#include "platform/win/user/state.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_help.h"

using namespace win::user;

namespace {

HCURSOR Standard(int id) {
  return reinterpret_cast<HCURSOR>(static_cast<ULONG_PTR>(id));
}

LRESULT SetCursorDefault(Window* w, WPARAM wParam, LPARAM lParam) {
  const WindowRef self(w);  // handlers may destroy the window at any send
  if (w->parent && (w->style & WS_CHILD)) {
    if (SendMessageA(w->parent->handle, WM_SETCURSOR, wParam, lParam)) return TRUE;
    if (!self) return TRUE;
  }
  int hit = static_cast<short>(LOWORD(lParam));
  switch (hit) {
    case HTCLIENT: {
      HCURSOR c = w->cls ? w->cls->cursor : nullptr;
      if (c) SetCursor(c);
      // No class cursor: the window sets its own; nothing changes here.
      return TRUE;
    }
    case HTLEFT:
    case HTRIGHT: SetCursor(Standard(32644)); return TRUE;
    case HTTOP:
    case HTBOTTOM: SetCursor(Standard(32645)); return TRUE;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: SetCursor(Standard(32642)); return TRUE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: SetCursor(Standard(32643)); return TRUE;
    case HTERROR:
      if (HIWORD(lParam) == WM_LBUTTONDOWN || HIWORD(lParam) == WM_RBUTTONDOWN) MessageBeep(0);
      SetCursor(Standard(32512));
      return TRUE;
    default: SetCursor(Standard(32512)); return TRUE;
  }
}

void ClampToMinMax(Window* w, WINDOWPOS* wp) {
  if ((wp->flags & SWP_NOSIZE) || w->parent) return;
  if (!(w->style & (WS_THICKFRAME | WS_CAPTION))) return;
  MINMAXINFO mmi{};
  mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  mmi.ptMaxPosition = {-GetSystemMetrics(SM_CXFRAME), -GetSystemMetrics(SM_CYFRAME)};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageA(w->handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  if (!(w->style & WS_THICKFRAME) || w->maximized) return;
  wp->cx = std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
  wp->cy = std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
}

LRESULT CopyText(Window* w, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  size_t n = std::min<size_t>(w->text.size(), size - 1);
  // Never split a UTF-8 sequence when cutting.
  while (n > 0 && n < w->text.size() && (static_cast<unsigned char>(w->text[n]) & 0xC0) == 0x80) n--;
  std::memcpy(out, w->text.data(), n);
  out[n] = 0;
  return static_cast<LRESULT>(n);
}

}  // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  const WindowRef self(w);  // handlers may destroy the window at any send
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      if (r) *r = DefaultClientRect(w, *r);
      return 0;
    }
    case WM_NCHITTEST: return DefaultHitTest(w, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT: PaintFrame(w); return 0;
    case WM_NCACTIVATE:
      if (!w->parent) {
        w->ncPaint = true;
        PaintFrame(w);
      }
      return TRUE;
    case WM_ERASEBKGND: {
      HBRUSH brush = w->cls ? w->cls->background : nullptr;
      if (!brush) return 0;
      RECT r;
      GetClientRect(hwnd, &r);
      return FillBackground(reinterpret_cast<HDC>(wParam), r, brush) ? 1 : 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINT:
      if ((lParam & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return 0;
      if (lParam & PRF_ERASEBKGND) SendMessageA(hwnd, WM_ERASEBKGND, wParam, 0);
      if (lParam & PRF_CLIENT) SendMessageA(hwnd, WM_PRINTCLIENT, wParam, lParam);
      return 0;
    case WM_SETCURSOR: return SetCursorDefault(w, wParam, lParam);
    case WM_MOUSEACTIVATE:
      if (w->parent && (w->style & WS_CHILD)) {
        LRESULT r = SendMessageA(w->parent->handle, WM_MOUSEACTIVATE, wParam, lParam);
        if (r) return r;
      }
      return MA_ACTIVATE;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: SysCommand(w, wParam, lParam); return 0;
    case WM_GETTEXT: return CopyText(w, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_SETTEXT: {
      const char* t = reinterpret_cast<const char*>(lParam);
      w->text = t ? t : "";
      if (!w->parent && w->hostId) host::Get().SetTitle(w->hostId, w->text);
      if (HasCaption(w->style) && IsReallyVisible(w)) {
        w->ncPaint = true;
        PaintFrame(w);
      }
      return TRUE;
    }
    case WM_GETFONT: return 0;
    case WM_SETFONT: return 0;
    case WM_CONTEXTMENU:
      if (w->parent && (w->style & WS_CHILD)) SendMessageA(w->parent->handle, msg, wParam, lParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (w->parent && (w->style & WS_CHILD)) return SendMessageA(w->parent->handle, msg, wParam, lParam);
      return 0;
    case WM_RBUTTONUP: {
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, &p);
      SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(p.x, p.y));
      return 0;
    }
    case WM_NCRBUTTONUP:
      if (wParam == HTCAPTION || wParam == HTSYSMENU) return 0;
      SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_APPS) SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), -1);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_F10) WM().altAlone = true;
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_MENU || wParam == VK_F10) {
        WM().altAlone = !(lParam & (1L << 30));
        return 0;
      }
      WM().altAlone = false;
      if (wParam == VK_F4 && (lParam & (1L << 29))) {
        HWND top = TopLevelOf(w)->handle;
        PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_SYSKEYUP:
      if ((wParam == VK_MENU || wParam == VK_F10) && WM().altAlone) {
        WM().altAlone = false;
        SendMessageA(TopLevelOf(w)->handle, WM_SYSCOMMAND, SC_KEYMENU, 0);
      }
      return 0;
    case WM_SYSCHAR:
      WM().altAlone = false;
      if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) return 0;
      if (w->parent && (w->style & WS_CHILD)) return SendMessageA(TopLevelOf(w)->handle, msg, wParam, lParam);
      SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
      return 0;
    case WM_NCLBUTTONDOWN:
      FrameButtonDown(w, static_cast<int>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, false);
      return 0;
    case WM_NCLBUTTONDBLCLK:
      FrameButtonDown(w, static_cast<int>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, true);
      return 0;
    case WM_WINDOWPOSCHANGING: ClampToMinMax(w, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!wp) return 0;
      if (!(wp->flags & 0x1000 /* client did not move */))
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
      if (!self) return 0;
      if (!(wp->flags & 0x0800 /* client kept its size */)) {
        WPARAM kind = w->maximized ? SIZE_MAXIMIZED : w->minimized ? SIZE_MINIMIZED : SIZE_RESTORED;
        SendMessageA(hwnd, WM_SIZE, kind,
                     MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
      }
      return 0;
    }
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      EndMenu();
      return 0;
    case WM_SETREDRAW:
      // Drawing is switched off by clearing the visible bit without hiding.
      if (wParam)
        w->style |= WS_VISIBLE;
      else
        w->style &= ~WS_VISIBLE;
      return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      // Edits and list boxes on the window colour, everything else on the face colour.
      HDC dc = reinterpret_cast<HDC>(wParam);
      bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
      if (msg == WM_CTLCOLORSCROLLBAR) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR));
      SetTextColor(dc, GetSysColor(window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_3DFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_3DFACE));
    }
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: return -1;
    case WM_KEYF1: {
      HELPINFO info{};
      info.cbSize = sizeof info;
      info.iContextType = HELPINFO_WINDOW;
      info.iCtrlId = GetDlgCtrlID(hwnd);
      info.hItemHandle = hwnd;
      info.MousePos = WM().cursorPos.load();
      SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
      return 0;
    }
    case WM_HELP: {
      // Not answered here: the parent of a child, the owner of a top-level
      // window may know the topic.
      Window* next = (w->style & WS_CHILD) ? w->parent : w->owner;
      return next ? SendMessageA(next->handle, WM_HELP, wParam, lParam) : 0;
    }
    case WM_GETICON:
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(w->cls ? (wParam == 0 && w->cls->iconSm ? w->cls->iconSm : w->cls->icon)
                                              : nullptr);
    default: return 0;
  }
}
