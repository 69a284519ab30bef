// "SCROLLBAR": a scroll bar as a control of its own. It reports to its
// parent with WM_HSCROLL / WM_VSCROLL naming itself, as the window scroll
// bars do, and answers the scroll bar functions called with SB_CTL.
#include <algorithm>

#include "platform/win/controls/control_base.h"
#include "platform/win/controls/system_classes.h"

namespace win::controls {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr int kMinThumb = 8;

class ScrollBar {
 public:
  ScrollBar(HWND hwnd, const CREATESTRUCTA&) : hwnd_(hwnd) {}

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_GETDLGCODE: return DLGC_WANTARROWS;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: Press({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
      case WM_MOUSEMOVE:
        if (thumbGrab_ >= 0) Drag({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
      case WM_LBUTTONUP:
        if (GetCapture() == hwnd_) ReleaseCapture();
        return 0;
      case WM_CAPTURECHANGED: EndPress(); return 0;
      case WM_TIMER:
        if (wp == kRepeatTimer && code_ >= 0) {
          SetTimer(hwnd_, kRepeatTimer, 50, nullptr);
          POINT p;
          GetCursorPos(&p);
          ScreenToClient(hwnd_, &p);
          if (StillOn(p)) Notify(code_, 0);
        }
        return 0;
      case WM_KEYDOWN: {
        int code = -1;
        switch (wp) {
          case VK_UP:
          case VK_LEFT: code = SB_LINEUP; break;
          case VK_DOWN:
          case VK_RIGHT: code = SB_LINEDOWN; break;
          case VK_PRIOR: code = SB_PAGEUP; break;
          case VK_NEXT: code = SB_PAGEDOWN; break;
          case VK_HOME: code = SB_TOP; break;
          case VK_END: code = SB_BOTTOM; break;
          default: return DefWindowProcA(hwnd_, msg, wp, lp);
        }
        Notify(code, 0);
        Notify(SB_ENDSCROLL, 0);
        return 0;
      }
      case SBM_SETPOS: {
        int old = pos_;
        pos_ = std::clamp(static_cast<int>(wp), min_, MaxPos());
        if (lp) InvalidateRect(hwnd_, nullptr, FALSE);
        return old;
      }
      case SBM_GETPOS: return pos_;
      case SBM_SETRANGE:
      case SBM_SETRANGEREDRAW: {
        int old = pos_;
        min_ = static_cast<int>(wp);
        max_ = static_cast<int>(lp);
        pos_ = std::clamp(pos_, min_, std::max(min_, MaxPos()));
        if (msg == SBM_SETRANGEREDRAW) InvalidateRect(hwnd_, nullptr, FALSE);
        return old;
      }
      case SBM_GETRANGE:
        if (wp) *reinterpret_cast<LPINT>(wp) = min_;
        if (lp) *reinterpret_cast<LPINT>(lp) = max_;
        return 0;
      case SBM_ENABLE_ARROWS:
        arrowsOff_ = static_cast<UINT>(wp);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      case SBM_SETSCROLLINFO: {
        auto* si = reinterpret_cast<const SCROLLINFO*>(lp);
        if (!si) return pos_;
        if (si->fMask & SIF_RANGE) {
          min_ = si->nMin;
          max_ = si->nMax;
        }
        if (si->fMask & SIF_PAGE) page_ = std::min<UINT>(si->nPage, static_cast<UINT>(std::max(0, max_ - min_ + 1)));
        if (si->fMask & SIF_POS) pos_ = si->nPos;
        pos_ = std::clamp(pos_, min_, std::max(min_, MaxPos()));
        if (wp) InvalidateRect(hwnd_, nullptr, FALSE);
        return pos_;
      }
      case SBM_GETSCROLLINFO: {
        auto* si = reinterpret_cast<SCROLLINFO*>(lp);
        if (!si) return FALSE;
        if (si->fMask & SIF_RANGE) {
          si->nMin = min_;
          si->nMax = max_;
        }
        if (si->fMask & SIF_PAGE) si->nPage = page_;
        if (si->fMask & SIF_POS) si->nPos = pos_;
        if (si->fMask & SIF_TRACKPOS) si->nTrackPos = thumbGrab_ >= 0 ? trackPos_ : pos_;
        return TRUE;
      }
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  bool Vertical() const { return GetWindowLongA(hwnd_, GWL_STYLE) & SBS_VERT; }
  int MaxPos() const { return std::max(min_, max_ - std::max(static_cast<int>(page_) - 1, 0)); }
  int Along(POINT p) const { return Vertical() ? p.y : p.x; }

  struct Parts {
    RECT arrow1, arrow2, track, thumb;
    bool hasThumb = false;
  };

  Parts Layout() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    Parts p{};
    int len = Vertical() ? r.bottom : r.right;
    int arrow = std::min(Vertical() ? static_cast<int>(r.right) : static_cast<int>(r.bottom), len / 2);
    if (Vertical()) {
      p.arrow1 = {0, 0, r.right, arrow};
      p.arrow2 = {0, r.bottom - arrow, r.right, r.bottom};
      p.track = {0, arrow, r.right, r.bottom - arrow};
    } else {
      p.arrow1 = {0, 0, arrow, r.bottom};
      p.arrow2 = {r.right - arrow, 0, r.right, r.bottom};
      p.track = {arrow, 0, r.right - arrow, r.bottom};
    }
    int trackLen = len - 2 * arrow;
    int range = max_ - min_ + 1;
    if (range <= 1 || trackLen < kMinThumb || arrowsOff_ == ESB_DISABLE_BOTH || !IsWindowEnabled(hwnd_)) return p;
    if (page_ && static_cast<int>(page_) >= range) return p;
    int thumb = page_ ? std::max(kMinThumb, static_cast<int>(static_cast<long long>(trackLen) * page_ / range))
                      : std::min(trackLen, Vertical() ? static_cast<int>(r.right) : static_cast<int>(r.bottom));
    int span = MaxPos() - min_;
    int pos = thumbGrab_ >= 0 ? trackPos_ : pos_;
    int offset = span > 0 ? static_cast<int>(static_cast<long long>(trackLen - thumb) * (pos - min_) / span) : 0;
    p.hasThumb = true;
    if (Vertical())
      p.thumb = {0, arrow + offset, r.right, arrow + offset + thumb};
    else
      p.thumb = {arrow + offset, 0, arrow + offset + thumb, r.bottom};
    return p;
  }

  void Notify(int code, int pos) {
    HWND parent = GetParent(hwnd_);
    if (parent)
      SendMessageA(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                   reinterpret_cast<LPARAM>(hwnd_));
  }

  bool StillOn(POINT p) const {
    Parts parts = Layout();
    switch (code_) {
      case SB_LINEUP: return PtInRect(&parts.arrow1, p);
      case SB_LINEDOWN: return PtInRect(&parts.arrow2, p);
      case SB_PAGEUP: return PtInRect(&parts.track, p) && Along(p) < (Vertical() ? parts.thumb.top : parts.thumb.left);
      case SB_PAGEDOWN:
        return PtInRect(&parts.track, p) && Along(p) >= (Vertical() ? parts.thumb.bottom : parts.thumb.right);
      default: return false;
    }
  }

  void Press(POINT p) {
    if (!IsWindowEnabled(hwnd_)) return;
    if ((GetWindowLongA(hwnd_, GWL_STYLE) & WS_TABSTOP) && GetFocus() != hwnd_) SetFocus(hwnd_);
    Parts parts = Layout();
    code_ = -1;
    if (PtInRect(&parts.arrow1, p) && !(arrowsOff_ & ESB_DISABLE_LEFT))
      code_ = SB_LINEUP;
    else if (PtInRect(&parts.arrow2, p) && !(arrowsOff_ & ESB_DISABLE_RIGHT))
      code_ = SB_LINEDOWN;
    else if (parts.hasThumb && PtInRect(&parts.thumb, p)) {
      thumbGrab_ = Along(p) - (Vertical() ? parts.thumb.top : parts.thumb.left);
      trackPos_ = pos_;
    } else if (parts.hasThumb && PtInRect(&parts.track, p)) {
      code_ = Along(p) < (Vertical() ? parts.thumb.top : parts.thumb.left) ? SB_PAGEUP : SB_PAGEDOWN;
    }
    if (code_ < 0 && thumbGrab_ < 0) return;
    pressed_ = true;
    SetCapture(hwnd_);
    if (code_ >= 0) {
      Notify(code_, 0);
      SetTimer(hwnd_, kRepeatTimer, 400, nullptr);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  // Thumb tracking: the position follows the pointer and the parent hears
  // SB_THUMBTRACK for each change.
  void Drag(POINT p) {
    Parts parts = Layout();
    int trackLen = Vertical() ? parts.track.bottom - parts.track.top : parts.track.right - parts.track.left;
    int thumb = Vertical() ? parts.thumb.bottom - parts.thumb.top : parts.thumb.right - parts.thumb.left;
    int room = std::max(1, trackLen - thumb);
    int offset = std::clamp(Along(p) - (Vertical() ? parts.track.top : parts.track.left) - thumbGrab_, 0, room);
    int pos = min_ + static_cast<int>(static_cast<long long>(MaxPos() - min_) * offset / room);
    if (pos == trackPos_) return;
    trackPos_ = pos;
    InvalidateRect(hwnd_, nullptr, FALSE);
    Notify(SB_THUMBTRACK, pos);
  }

  void EndPress() {
    if (!pressed_) return;
    pressed_ = false;
    KillTimer(hwnd_, kRepeatTimer);
    if (thumbGrab_ >= 0) {
      thumbGrab_ = -1;
      Notify(SB_THUMBPOSITION, trackPos_);
    }
    code_ = -1;
    InvalidateRect(hwnd_, nullptr, FALSE);
    Notify(SB_ENDSCROLL, 0);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    Parts p = Layout();
    bool off = !IsWindowEnabled(hwnd_);
    UINT kind1 = Vertical() ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, kind2 = Vertical() ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
    DrawFrameControl(dc, &p.arrow1, DFC_SCROLL,
                     kind1 | (off || (arrowsOff_ & ESB_DISABLE_LEFT) ? DFCS_INACTIVE : 0) |
                         (code_ == SB_LINEUP ? DFCS_PUSHED | DFCS_FLAT : 0));
    DrawFrameControl(dc, &p.arrow2, DFC_SCROLL,
                     kind2 | (off || (arrowsOff_ & ESB_DISABLE_RIGHT) ? DFCS_INACTIVE : 0) |
                         (code_ == SB_LINEDOWN ? DFCS_PUSHED | DFCS_FLAT : 0));
    // The parent may colour the track; by default it is the classic dither of face and highlight.
    HWND parent = GetParent(hwnd_);
    LRESULT own = parent ? SendMessageA(parent, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(hwnd_))
                         : 0;
    if (own && reinterpret_cast<HBRUSH>(own) != GetSysColorBrush(COLOR_SCROLLBAR)) {
      FillRect(dc, &p.track, reinterpret_cast<HBRUSH>(own));
    } else {
      COLORREF a = GetSysColor(COLOR_3DHIGHLIGHT), b = GetSysColor(COLOR_3DFACE);
      for (int y = p.track.top; y < p.track.bottom; y++)
        for (int x = p.track.left; x < p.track.right; x++) SetPixelV(dc, x, y, ((x + y) & 1) ? a : b);
    }
    if (p.hasThumb) {
      RECT t = p.thumb;
      DrawEdge(dc, &t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  int min_ = 0, max_ = 100, pos_ = 0;
  UINT page_ = 0;
  UINT arrowsOff_ = ESB_ENABLE_BOTH;
  int code_ = -1;
  int thumbGrab_ = -1, trackPos_ = 0;
  bool pressed_ = false;
};

}  // namespace

void RegisterScrollBarClass() {
  RegisterControlClass("SCROLLBAR", ControlProc<ScrollBar>, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win::controls
