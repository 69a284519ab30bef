// The frame drawn by the window manager itself, and what clicks on it do.
#include "platform/win/user/nonclient.h"

#include <algorithm>

#include "platform/win/gdi/device_dc.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/modal.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/scope_exit.h"
#include "platform/win/user/state.h"
#include "platform/win/wingdi.h"

namespace win::user {
namespace {

HFONT CaptionFont(bool small) {
  static HFONT fonts[2] = {nullptr, nullptr};
  HFONT& f = fonts[small ? 1 : 0];
  if (!f) {
    NONCLIENTMETRICSA m{};
    m.cbSize = sizeof m;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    f = CreateFontIndirectA(small ? &m.lfSmCaptionFont : &m.lfCaptionFont);
  }
  return f;
}

bool IsActiveLook(Window* w) {
  return Focus().active == TopLevelOf(w)->handle && !w->parent;
}

// Glyphs of the caption buttons, drawn in black into the button's face.
void DrawGlyph(HDC dc, const RECT& r, int hit, bool pressed) {
  COLORREF black = Sys(COLOR_BTNTEXT);
  int off = pressed ? 1 : 0;
  int w = r.right - r.left, h = r.bottom - r.top;
  int size = std::min(w, h) - 6;
  if (size < 3) return;
  int x0 = r.left + (w - size) / 2 + off, y0 = r.top + (h - size) / 2 + off;
  switch (hit) {
    case HTCLOSE:
      for (int i = 0; i < size; i++) {
        FillSolid(dc, {x0 + i, y0 + i, x0 + i + 2, y0 + i + 1}, black);
        FillSolid(dc, {x0 + size - 1 - i - 1, y0 + i, x0 + size - i, y0 + i + 1}, black);
      }
      break;
    case HTMAXBUTTON:
      FillSolid(dc, {x0, y0, x0 + size, y0 + 2}, black);
      FillSolid(dc, {x0, y0, x0 + 1, y0 + size}, black);
      FillSolid(dc, {x0 + size - 1, y0, x0 + size, y0 + size}, black);
      FillSolid(dc, {x0, y0 + size - 1, x0 + size, y0 + size}, black);
      break;
    case HTMINBUTTON: FillSolid(dc, {x0, y0 + size - 2, x0 + size - 2, y0 + size}, black); break;
    default: break;
  }
}

void DrawCaptionButton(HDC dc, const RECT& r, int hit, bool pressed) {
  if (r.right <= r.left) return;
  RECT b = r;
  FillSolid(dc, b, Sys(COLOR_3DFACE));
  Edge3D(dc, b, !pressed);
  DrawGlyph(dc, r, hit, pressed);
}

void DrawCaption(Window* w, HDC dc, const FrameLayout& f, int pressedHit) {
  bool active = IsActiveLook(w);
  FillSolid(dc, f.caption, Sys(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
  // The line under the caption.
  FillSolid(dc, {f.caption.left, f.caption.bottom, f.caption.right, f.caption.bottom + 1}, Sys(COLOR_3DFACE));
  RECT text = f.caption;
  text.left += 4;
  RECT lastButton = f.minButton.right > f.minButton.left ? f.minButton : f.closeButton;
  if (lastButton.right > lastButton.left) text.right = lastButton.left - 2;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Sys(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  HGDIOBJ old = SelectObject(dc, CaptionFont((w->exStyle & WS_EX_TOOLWINDOW) != 0));
  DrawTextA(dc, w->text.c_str(), static_cast<int>(w->text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (old) SelectObject(dc, old);
  DrawCaptionButton(dc, f.closeButton, HTCLOSE, pressedHit == HTCLOSE);
  DrawCaptionButton(dc, f.maxButton, HTMAXBUTTON, pressedHit == HTMAXBUTTON);
  DrawCaptionButton(dc, f.minButton, HTMINBUTTON, pressedHit == HTMINBUTTON);
}

void DrawBorders(Window* w, HDC dc) {
  int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
  RECT r{0, 0, width, height};
  DWORD s = w->style;
  if ((s & WS_THICKFRAME) || (s & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
    int total = BorderThickness(s, w->exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    Edge3D(dc, r, true);
    for (int i = 2; i < total; i++) {
      Frame3D(dc, r, Sys(COLOR_3DFACE), Sys(COLOR_3DFACE));
      r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
  } else if (s & WS_BORDER) {
    Frame3D(dc, r, Sys(COLOR_WINDOWFRAME), Sys(COLOR_WINDOWFRAME));
  }
}

void DrawClientEdges(Window* w, HDC dc) {
  if (!(w->exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))) return;
  // The edge hugs the client area and its scroll bars.
  RECT c = w->client;
  c = {c.left - w->rect.left, c.top - w->rect.top, c.right - w->rect.left, c.bottom - w->rect.top};
  if (ScrollBarVisible(w, SB_VERT)) c.right += GetSystemMetrics(SM_CXVSCROLL);
  if (ScrollBarVisible(w, SB_HORZ)) c.bottom += GetSystemMetrics(SM_CYHSCROLL);
  if (w->exStyle & WS_EX_CLIENTEDGE) {
    RECT e{c.left - 2, c.top - 2, c.right + 2, c.bottom + 2};
    if (w->exStyle & WS_EX_STATICEDGE) e = {e.left - 1, e.top - 1, e.right + 1, e.bottom + 1};
    if (w->exStyle & WS_EX_STATICEDGE) {
      Frame3D(dc, e, Sys(COLOR_3DSHADOW), Sys(COLOR_3DHIGHLIGHT));
      e = {e.left + 1, e.top + 1, e.right - 1, e.bottom - 1};
    }
    Edge3D(dc, e, false);
  } else {
    RECT e{c.left - 1, c.top - 1, c.right + 1, c.bottom + 1};
    Frame3D(dc, e, Sys(COLOR_3DSHADOW), Sys(COLOR_3DHIGHLIGHT));
  }
}

void PaintFrameWith(Window* w, int pressedHit) {
  if (!IsReallyVisible(w)) return;
  if (w->rect.right - w->rect.left == w->client.right - w->client.left &&
      w->rect.bottom - w->rect.top == w->client.bottom - w->client.top)
    return;  // no frame
  HDC dc = GetFrameDC(w);
  if (!dc) return;
  FrameLayout f = LayoutFrame(w);
  DrawBorders(w, dc);
  if (HasCaption(w->style)) DrawCaption(w, dc, f, pressedHit);
  if (HasMenuBar(w)) {
    PaintMenuBar(w, dc, f.menuBar);
    FillSolid(dc, {f.menuBar.left, f.menuBar.bottom, f.menuBar.right, f.menuBar.bottom + 1}, Sys(COLOR_3DFACE));
  }
  DrawClientEdges(w, dc);
  if (ScrollBarVisible(w, SB_VERT)) PaintScrollBar(w, dc, SB_VERT);
  if (ScrollBarVisible(w, SB_HORZ)) PaintScrollBar(w, dc, SB_HORZ);
  if (f.sizeBox.right > f.sizeBox.left) FillSolid(dc, f.sizeBox, Sys(COLOR_3DFACE));
  ReleaseDC(w->handle, dc);
}

// Follows a pressed caption button until the mouse is released; true when
// released over it.
bool TrackCaptionButton(Window* w, int hit) {
  HWND hwnd = w->handle;
  SetCapture(hwnd);
  bool inside = true;
  PaintFrameWith(w, hit);
  MSG m;
  bool result = false;
  while (GetCapture() == hwnd) {
    if (!NextModalMessage(m)) break;
    if (m.message == WM_MOUSEMOVE || m.message == WM_LBUTTONUP) {
      Window* ww = FromHandle(hwnd);
      if (!ww) return false;
      bool now = DefaultHitTest(ww, m.pt) == hit;
      if (m.message == WM_LBUTTONUP) {
        result = now;
        break;
      }
      if (now != inside) {
        inside = now;
        PaintFrameWith(ww, inside ? hit : 0);
      }
    } else if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
      break;
    } else {
      DispatchMessageA(&m);
    }
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (Window* ww = FromHandle(hwnd)) PaintFrameWith(ww, 0);
  return result;
}

host::HitArea ToHostArea(LRESULT hit) {
  switch (hit) {
    case HTCAPTION: return host::HitArea::Caption;
    case HTLEFT: return host::HitArea::Left;
    case HTRIGHT: return host::HitArea::Right;
    case HTTOP: return host::HitArea::Top;
    case HTBOTTOM: return host::HitArea::Bottom;
    case HTTOPLEFT: return host::HitArea::TopLeft;
    case HTTOPRIGHT: return host::HitArea::TopRight;
    case HTBOTTOMLEFT: return host::HitArea::BottomLeft;
    case HTBOTTOMRIGHT: return host::HitArea::BottomRight;
    default: return host::HitArea::Client;
  }
}

}  // namespace

void InstallHostHitTest() {
  // Once per back end (tests may change it).
  static host::Backend* installedOn = nullptr;
  if (installedOn == &host::Get()) return;
  installedOn = &host::Get();
  // On a real desktop, the desktop itself moves and sizes our borderless
  // windows where WM_NCHITTEST says caption or border.
  host::Get().SetHitTest([](host::WindowId id, int x, int y) {
    for (Window* t : TopLevels()) {
      if (t->hostId != id) continue;
      if (t->maximized || Focus().capture) return host::HitArea::Client;
      if (IsEffectivelyDisabled(t)) return host::HitArea::Client;
      LRESULT hit = SendMessageA(t->handle, WM_NCHITTEST, 0, MAKELPARAM(t->rect.left + x, t->rect.top + y));
      return ToHostArea(hit);
    }
    return host::HitArea::Client;
  });
}

void PaintFrame(Window* w) {
  PaintFrameWith(w, 0);
}

void FrameButtonDown(Window* w, int hit, POINT screen, bool dbl) {
  HWND hwnd = w->handle;
  const WindowRef self(w);  // handlers may destroy the window at any send
  Window* top = TopLevelOf(w);
  switch (hit) {
    case HTCAPTION:
      if (dbl && (w->style & WS_MAXIMIZEBOX)) {
        SendMessageA(hwnd, WM_SYSCOMMAND, w->maximized ? SC_RESTORE : SC_MAXIMIZE, MAKELPARAM(screen.x, screen.y));
        return;
      }
      if (Focus().active != top->handle) Activate(top, WA_CLICKACTIVE);
      if (!self) return;
      if (!w->maximized) SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, MAKELPARAM(screen.x, screen.y));
      return;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTBOTTOM:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      if (w->style & WS_THICKFRAME)
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + WMSZ_LEFT), MAKELPARAM(screen.x, screen.y));
      return;
    case HTCLOSE:
    case HTMAXBUTTON:
    case HTMINBUTTON:
      if (TrackCaptionButton(w, hit)) {
        if (!self) return;
        WPARAM cmd = hit == HTCLOSE       ? SC_CLOSE
                     : hit == HTMINBUTTON ? SC_MINIMIZE
                     : w->maximized       ? SC_RESTORE
                                          : SC_MAXIMIZE;
        SendMessageA(hwnd, WM_SYSCOMMAND, cmd, MAKELPARAM(screen.x, screen.y));
      }
      return;
    case HTVSCROLL: TrackScrollBar(w, SB_VERT, screen); return;
    case HTHSCROLL: TrackScrollBar(w, SB_HORZ, screen); return;
    case HTMENU: SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, MAKELPARAM(screen.x, screen.y)); return;
    default: return;
  }
}

void SysCommand(Window* w, WPARAM cmd, LPARAM lParam) {
  HWND hwnd = w->handle;
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (cmd & 0xFFF0) {
    case SC_CLOSE:
      if (w->cls && (w->cls->style & CS_NOCLOSE)) return;
      SendMessageA(hwnd, WM_CLOSE, 0, 0);
      return;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return;
    case SC_MOVE: MoveSizeLoop(w, HTCAPTION, pt, (cmd & 0x000F) == 0); return;
    case SC_SIZE: {
      int edge = static_cast<int>(cmd & 0x000F);
      MoveSizeLoop(w, edge ? edge - WMSZ_LEFT + HTLEFT : HTBOTTOMRIGHT, pt, edge == 0);
      return;
    }
    case SC_KEYMENU: MenuBarLoop(w, pt, false, static_cast<int>(lParam)); return;
    case SC_MOUSEMENU: MenuBarLoop(w, pt, true, 0); return;
    default: return;
  }
}

void MoveSizeLoop(Window* w, int hit, POINT start, bool fromKeyboard) {
  HWND hwnd = w->handle;
  bool moving = hit == HTCAPTION;
  int edge = moving ? 0 : hit - HTLEFT + WMSZ_LEFT;
  RECT orig = ScreenRect(w);
  POINT parentOrigin{0, 0};
  if (w->parent) ClientToScreen(w->parent->handle, &parentOrigin);
  if (fromKeyboard) GetCursorPos(&start);
  MINMAXINFO mmi{};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  if (!FromHandle(hwnd)) return;
  SetCapture(hwnd);
  POINT cur = start;

  auto apply = [&](POINT p) {
    int dx = p.x - start.x, dy = p.y - start.y;
    RECT r = orig;
    if (moving) {
      OffsetRect(&r, dx, dy);
      SendMessageA(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    } else {
      bool left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
      bool right = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
      bool top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
      bool bottom = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
      if (left)
        r.left = std::clamp<LONG>(orig.left + dx, orig.right - mmi.ptMaxTrackSize.x, orig.right - mmi.ptMinTrackSize.x);
      if (right)
        r.right = std::clamp<LONG>(orig.right + dx, orig.left + mmi.ptMinTrackSize.x, orig.left + mmi.ptMaxTrackSize.x);
      if (top)
        r.top = std::clamp<LONG>(orig.top + dy, orig.bottom - mmi.ptMaxTrackSize.y, orig.bottom - mmi.ptMinTrackSize.y);
      if (bottom)
        r.bottom = std::clamp<LONG>(orig.bottom + dy, orig.top + mmi.ptMinTrackSize.y, orig.top + mmi.ptMaxTrackSize.y);
      SendMessageA(hwnd, WM_SIZING, static_cast<WPARAM>(edge), reinterpret_cast<LPARAM>(&r));
    }
    if (!IsWindow(hwnd)) return;
    SetWindowPos(hwnd, nullptr, r.left - parentOrigin.x, r.top - parentOrigin.y, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (moving ? SWP_NOSIZE : 0));
    UpdateWindow(hwnd);
  };

  // A handler that throws ends the move without leaving the capture behind.
  ScopeExit release([hwnd] {
    if (GetCapture() == hwnd) ReleaseCapture();
  });
  MSG m;
  bool cancelled = false;
  while (IsWindow(hwnd) && GetCapture() == hwnd) {
    if (!NextModalMessage(m)) break;
    if (m.message == WM_MOUSEMOVE) {
      cur = m.pt;
      apply(cur);
    } else if (m.message == WM_LBUTTONUP) {
      break;
    } else if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
      switch (m.wParam) {
        case VK_ESCAPE: cancelled = true; break;
        case VK_RETURN: break;
        case VK_LEFT:
          cur.x -= 8;
          apply(cur);
          continue;
        case VK_RIGHT:
          cur.x += 8;
          apply(cur);
          continue;
        case VK_UP:
          cur.y -= 8;
          apply(cur);
          continue;
        case VK_DOWN:
          cur.y += 8;
          apply(cur);
          continue;
        default: continue;
      }
      break;
    } else if (m.message == WM_LBUTTONDOWN || m.message == WM_RBUTTONDOWN) {
      if (fromKeyboard) break;
    } else if (m.message != WM_KEYUP && m.message != WM_SYSKEYUP && m.message != WM_CHAR) {
      DispatchMessageA(&m);
    }
  }
  if (cancelled && IsWindow(hwnd))
    SetWindowPos(hwnd, nullptr, orig.left - parentOrigin.x, orig.top - parentOrigin.y, orig.right - orig.left,
                 orig.bottom - orig.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (GetCapture() == hwnd) ReleaseCapture();
  if (IsWindow(hwnd)) SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace win::user
