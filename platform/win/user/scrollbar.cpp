// Window scroll bars: their values, drawing and the mouse on them.
#include <algorithm>

#include "platform/win/user/draw_util.h"
#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/modal.h"
#include "platform/win/user/nonclient.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/scope_exit.h"

namespace win::user {
namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFF0;

ScrollBarState* StateOf(Window* w, int bar) {
  if (bar == SB_HORZ) return &w->hscroll;
  if (bar == SB_VERT) return &w->vscroll;
  return nullptr;
}

DWORD StyleBit(int bar) {
  return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

int MaxPos(const ScrollBarState& s) {
  int page = static_cast<int>(s.page);
  return std::max(s.min, s.max - std::max(page - 1, 0));
}

struct Parts {
  RECT bar{}, arrow1{}, arrow2{}, track{}, thumb{};
  bool vertical = true;
  bool hasThumb = false;
};

Parts PartsOf(Window* w, int bar) {
  Parts p;
  FrameLayout f = LayoutFrame(w);
  p.vertical = bar == SB_VERT;
  p.bar = p.vertical ? f.vscroll : f.hscroll;
  RECT b = p.bar;
  int len = p.vertical ? b.bottom - b.top : b.right - b.left;
  int arrow = p.vertical ? GetSystemMetrics(SM_CYVSCROLL) : GetSystemMetrics(SM_CXHSCROLL);
  if (len < 2 * arrow) arrow = len / 2;
  if (p.vertical) {
    p.arrow1 = {b.left, b.top, b.right, b.top + arrow};
    p.arrow2 = {b.left, b.bottom - arrow, b.right, b.bottom};
    p.track = {b.left, b.top + arrow, b.right, b.bottom - arrow};
  } else {
    p.arrow1 = {b.left, b.top, b.left + arrow, b.bottom};
    p.arrow2 = {b.right - arrow, b.top, b.right, b.bottom};
    p.track = {b.left + arrow, b.top, b.right - arrow, b.bottom};
  }
  const ScrollBarState& s = *StateOf(w, bar);
  int trackLen = p.vertical ? p.track.bottom - p.track.top : p.track.right - p.track.left;
  int range = s.max - s.min + 1;
  if (range <= 0 || trackLen < 8 || (s.page && static_cast<int>(s.page) >= range) ||
      s.disabledArrows == ESB_DISABLE_BOTH)
    return p;
  int thumbLen = s.page ? std::max(8, static_cast<int>(static_cast<long long>(trackLen) * s.page / range))
                        : GetSystemMetrics(p.vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
  thumbLen = std::min(thumbLen, trackLen);
  int span = MaxPos(s) - s.min;
  int pos = s.tracking ? s.trackPos : s.pos;
  int offset = span > 0 ? static_cast<int>(static_cast<long long>(trackLen - thumbLen) * (pos - s.min) / span) : 0;
  p.hasThumb = true;
  if (p.vertical)
    p.thumb = {p.track.left, p.track.top + offset, p.track.right, p.track.top + offset + thumbLen};
  else
    p.thumb = {p.track.left + offset, p.track.top, p.track.left + offset + thumbLen, p.track.bottom};
  return p;
}

void DrawArrow(HDC dc, const RECT& r, bool vertical, bool first, bool pressed, bool disabled) {
  RECT b = r;
  FillSolid(dc, b, Sys(COLOR_3DFACE));
  if (pressed)
    Frame3D(dc, b, Sys(COLOR_3DSHADOW), Sys(COLOR_3DSHADOW));
  else
    Edge3D(dc, b, true);
  COLORREF c = Sys(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
  int cx = (r.left + r.right) / 2 + (pressed ? 1 : 0), cy = (r.top + r.bottom) / 2 + (pressed ? 1 : 0);
  // A small triangle pointing away from the bar's middle.
  for (int i = 0; i < 4; i++) {
    int span = first ? i : 3 - i;
    if (vertical)
      FillSolid(dc, {cx - span, cy - 2 + i, cx + span + 1, cy - 1 + i}, c);
    else
      FillSolid(dc, {cx - 2 + i, cy - span, cx - 1 + i, cy + span + 1}, c);
  }
}

}  // namespace

void PaintScrollBar(Window* w, HDC dc, int bar) {
  Parts p = PartsOf(w, bar);
  const ScrollBarState& s = *StateOf(w, bar);
  bool off = s.disabledArrows == ESB_DISABLE_BOTH;
  DrawArrow(dc, p.arrow1, p.vertical, true, false, off || (s.disabledArrows & ESB_DISABLE_LEFT));
  DrawArrow(dc, p.arrow2, p.vertical, false, false, off || (s.disabledArrows & ESB_DISABLE_RIGHT));
  // The track: the classic dither of face and highlight.
  COLORREF a = Sys(COLOR_3DHIGHLIGHT), b = Sys(COLOR_3DFACE);
  for (int y = p.track.top; y < p.track.bottom; y++)
    for (int x = p.track.left; x < p.track.right; x++) FillSolid(dc, {x, y, x + 1, y + 1}, ((x + y) & 1) ? a : b);
  if (p.hasThumb) {
    RECT t = p.thumb;
    FillSolid(dc, t, Sys(COLOR_3DFACE));
    Edge3D(dc, t, true);
  }
}

// Redraws just that scroll bar, as the system does: the rest of the frame
// (which the window may paint itself in WM_NCPAINT) stays as it is.
static void RepaintBar(Window* w, int bar) {
  if (!IsReallyVisible(w) || !ScrollBarVisible(w, bar)) return;
  HDC dc = GetFrameDC(w);
  if (!dc) return;
  PaintScrollBar(w, dc, bar);
  ReleaseDC(w->handle, dc);
}

void TrackScrollBar(Window* w, int bar, POINT screen) {
  HWND hwnd = w->handle;
  UINT msg = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  RECT wr = ScreenRect(w);
  POINT pt{screen.x - wr.left, screen.y - wr.top};
  Parts p = PartsOf(w, bar);
  ScrollBarState& s = *StateOf(w, bar);
  if (s.disabledArrows == ESB_DISABLE_BOTH) return;
  auto in = [](const RECT& r, POINT q) { return q.x >= r.left && q.x < r.right && q.y >= r.top && q.y < r.bottom; };
  int code = -1;
  bool thumb = false;
  if (in(p.arrow1, pt))
    code = SB_LINEUP;
  else if (in(p.arrow2, pt))
    code = SB_LINEDOWN;
  else if (p.hasThumb && in(p.thumb, pt))
    thumb = true;
  else if (p.hasThumb && in(p.track, pt)) {
    bool before = p.vertical ? pt.y < p.thumb.top : pt.x < p.thumb.left;
    code = before ? SB_PAGEUP : SB_PAGEDOWN;
  }
  if (code < 0 && !thumb) return;
  SetCapture(hwnd);
  int grab = p.vertical ? pt.y - p.thumb.top : pt.x - p.thumb.left;
  if (thumb) {
    s.tracking = true;
    s.trackPos = s.pos;
  } else {
    SendMessageA(hwnd, msg, MAKEWPARAM(code, 0), 0);
    SetTimer(hwnd, kRepeatTimer, 400, nullptr);
  }
  // A handler that throws ends the drag: no repeat timer, capture or
  // tracking thumb stays behind.
  bool ended = false;
  ScopeExit abandon([&] {
    if (ended) return;
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (Window* ww = FromHandle(hwnd)) StateOf(ww, bar)->tracking = false;
  });
  MSG m;
  while (IsWindow(hwnd) && GetCapture() == hwnd) {
    if (!NextModalMessage(m)) break;
    if (m.message == WM_LBUTTONUP) break;
    if (m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == kRepeatTimer) {
      SetTimer(hwnd, kRepeatTimer, 50, nullptr);
      Window* ww = FromHandle(hwnd);
      if (!ww) break;
      RECT r = ScreenRect(ww);
      POINT q{m.pt.x - r.left, m.pt.y - r.top};
      Parts now = PartsOf(ww, bar);
      bool still = code == SB_LINEUP     ? in(now.arrow1, q)
                   : code == SB_LINEDOWN ? in(now.arrow2, q)
                   : code == SB_PAGEUP
                       ? in(now.track, q) && (now.vertical ? q.y < now.thumb.top : q.x < now.thumb.left)
                       : in(now.track, q) && (now.vertical ? q.y >= now.thumb.bottom : q.x >= now.thumb.right);
      if (still) SendMessageA(hwnd, msg, MAKEWPARAM(code, 0), 0);
      continue;
    }
    if (m.message == WM_MOUSEMOVE && thumb) {
      Window* ww = FromHandle(hwnd);
      if (!ww) break;
      RECT r = ScreenRect(ww);
      POINT q{m.pt.x - r.left, m.pt.y - r.top};
      Parts now = PartsOf(ww, bar);
      ScrollBarState& st = *StateOf(ww, bar);
      int trackLen = now.vertical ? now.track.bottom - now.track.top : now.track.right - now.track.left;
      int thumbLen = now.vertical ? now.thumb.bottom - now.thumb.top : now.thumb.right - now.thumb.left;
      int offset = (now.vertical ? q.y - now.track.top : q.x - now.track.left) - grab;
      int room = std::max(1, trackLen - thumbLen);
      offset = std::clamp(offset, 0, room);
      int pos = st.min + static_cast<int>(static_cast<long long>(MaxPos(st) - st.min) * offset / room);
      if (pos != st.trackPos) {
        st.trackPos = pos;
        SendMessageA(hwnd, msg, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
        if (Window* w2 = FromHandle(hwnd)) RepaintBar(w2, bar);
      }
      continue;
    }
    if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) continue;
    DispatchMessageA(&m);
  }
  ended = true;
  KillTimer(hwnd, kRepeatTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  Window* ww = FromHandle(hwnd);
  if (!ww) return;
  ScrollBarState& st = *StateOf(ww, bar);
  if (thumb) {
    st.tracking = false;
    SendMessageA(hwnd, msg, MAKEWPARAM(SB_THUMBPOSITION, st.trackPos), 0);
  }
  if (IsWindow(hwnd)) SendMessageA(hwnd, msg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

// Shows or hides a frame scroll bar; the client area changes with it.
static void SetBarShown(Window* w, int bar, bool show) {
  DWORD bit = StyleBit(bar);
  if (((w->style & bit) != 0) == show) return;
  if (show)
    w->style |= bit;
  else
    w->style &= ~bit;
  SetWindowPos(w->handle, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win::user

using namespace win::user;

// With SB_CTL the window is a scroll bar control, which answers SBM_ messages.
int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
  if (bar == SB_CTL)
    return static_cast<int>(SendMessageA(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
  Window* w = FromHandle(hwnd);
  ScrollBarState* s = w ? StateOf(w, bar) : nullptr;
  if (!s || !info) return 0;
  if (info->fMask & SIF_RANGE) {
    s->min = info->nMin;
    s->max = info->nMax;
  }
  if (info->fMask & SIF_PAGE) s->page = info->nPage;
  int range = s->max - s->min + 1;
  if (static_cast<int>(s->page) > range) s->page = static_cast<UINT>(std::max(range, 0));
  if (info->fMask & SIF_POS) s->pos = info->nPos;
  s->pos = std::clamp(s->pos, s->min, std::max(s->min, MaxPos(*s)));
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    bool useful = s->max > s->min && (s->page == 0 || static_cast<int>(s->page) <= s->max - s->min);
    if (info->fMask & SIF_DISABLENOSCROLL) {
      s->disabledArrows = useful ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
      SetBarShown(w, bar, true);
    } else {
      SetBarShown(w, bar, useful);
    }
    if (!(w = FromHandle(hwnd))) return 0;
  }
  if (redraw) RepaintBar(w, bar);
  return s->pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  if (bar == SB_CTL) return static_cast<BOOL>(SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
  Window* w = FromHandle(hwnd);
  ScrollBarState* s = w ? StateOf(w, bar) : nullptr;
  if (!s || !info) return FALSE;
  if (info->fMask & SIF_RANGE) {
    info->nMin = s->min;
    info->nMax = s->max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = s->page;
  if (info->fMask & SIF_POS) info->nPos = s->pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->tracking ? s->trackPos : s->pos;
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  if (bar == SB_CTL) return static_cast<int>(SendMessageA(hwnd, SBM_SETPOS, static_cast<WPARAM>(pos), redraw));
  Window* w = FromHandle(hwnd);
  ScrollBarState* s = w ? StateOf(w, bar) : nullptr;
  if (!s) return 0;
  int old = s->pos;
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
  SetScrollInfo(hwnd, bar, &si, redraw);
  return old;
}

int GetScrollPos(HWND hwnd, int bar) {
  if (bar == SB_CTL) return static_cast<int>(SendMessageA(hwnd, SBM_GETPOS, 0, 0));
  Window* w = FromHandle(hwnd);
  ScrollBarState* s = w ? StateOf(w, bar) : nullptr;
  return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
  if (bar == SB_CTL) {
    SendMessageA(hwnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(minPos), maxPos);
    return IsWindow(hwnd);
  }
  SCROLLINFO si{sizeof si, SIF_RANGE, minPos, maxPos, 0, 0, 0};
  Window* w = FromHandle(hwnd);
  if (!w || !StateOf(w, bar)) return FALSE;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, LPINT minPos, LPINT maxPos) {
  if (bar == SB_CTL) {
    SendMessageA(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(minPos), reinterpret_cast<LPARAM>(maxPos));
    return IsWindow(hwnd);
  }
  Window* w = FromHandle(hwnd);
  ScrollBarState* s = w ? StateOf(w, bar) : nullptr;
  if (!s) return FALSE;
  if (minPos) *minPos = s->min;
  if (maxPos) *maxPos = s->max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  if (bar == SB_CTL) {
    ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    return IsWindow(hwnd);
  }
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (bar == SB_HORZ || bar == SB_BOTH) SetBarShown(w, SB_HORZ, show != 0);
  if (!(w = FromHandle(hwnd))) return FALSE;
  if (bar == SB_VERT || bar == SB_BOTH) SetBarShown(w, SB_VERT, show != 0);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  if (bar == SB_CTL) return static_cast<BOOL>(SendMessageA(hwnd, SBM_ENABLE_ARROWS, arrows, 0));
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (bar == SB_HORZ || bar == SB_BOTH) w->hscroll.disabledArrows = arrows;
  if (bar == SB_VERT || bar == SB_BOTH) w->vscroll.disabledArrows = arrows;
  if (bar == SB_HORZ || bar == SB_BOTH) RepaintBar(w, SB_HORZ);
  if (bar == SB_VERT || bar == SB_BOTH) RepaintBar(w, SB_VERT);
  return TRUE;
}
