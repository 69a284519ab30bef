// "msctls_updown32": two arrow buttons that step a position within a range,
// optionally shown as a number in a buddy window; the parent may refuse a
// step in UDN_DELTAPOS and hears each one as WM_VSCROLL (WM_HSCROLL).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win/comctl/small_controls.h"
#include "platform/win/commctrl.h"
#include "platform/win/controls/control_base.h"
#include "platform/win/winbase.h"

namespace win::comctl {
namespace {

using win::controls::ControlProc;

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstDelay = 500, kRepeatDelay = 100;
constexpr char kUpDownProp[] = "UpDownOfBuddy";
constexpr char kBuddyProcProp[] = "UpDownBuddyProc";

LRESULT CALLBACK BuddyProc(HWND, UINT, WPARAM, LPARAM);

std::string WithThousands(int v) {
  std::string digits = std::to_string(std::abs(static_cast<long long>(v)));
  std::string out;
  for (size_t i = 0; i < digits.size(); i++) {
    if (i && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return v < 0 ? "-" + out : out;
}

class UpDown {
 public:
  UpDown(HWND hwnd, const CREATESTRUCTA&) : hwnd_(hwnd) {}

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE:
        if (Style() & UDS_AUTOBUDDY) SetBuddy(GetWindow(hwnd_, GW_HWNDPREV));
        return 0;
      case WM_DESTROY:
        SetBuddy(nullptr);
        KillTimer(hwnd_, kRepeatTimer);
        return 0;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
      case WM_GETDLGCODE: return DLGC_WANTARROWS;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        if (!IsWindowEnabled(hwnd_)) return 0;
        pressed_ = PartAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        SetCapture(hwnd_);
        pressStart_ = GetTickCount();
        InvalidateRect(hwnd_, nullptr, FALSE);
        // The first step is already the table's first increment.
        if (!Step(pressed_, Acceleration())) return 0;
        SetTimer(hwnd_, kRepeatTimer, kFirstDelay, nullptr);
        return 0;
      }
      case WM_LBUTTONUP:
        if (pressed_) EndPress();
        return 0;
      case WM_CAPTURECHANGED:
        if (pressed_ && reinterpret_cast<HWND>(lp) != hwnd_) EndPress();
        return 0;
      case WM_TIMER:
        if (wp == kRepeatTimer && pressed_) {
          SetTimer(hwnd_, kRepeatTimer, kRepeatDelay, nullptr);
          POINT p;
          GetCursorPos(&p);
          ScreenToClient(hwnd_, &p);
          if (PartAt(p) == pressed_) Step(pressed_, Acceleration());
        }
        return 0;
      case WM_KEYDOWN:
        if (!ArrowKey(static_cast<int>(wp))) return DefWindowProcA(hwnd_, msg, wp, lp);
        return 0;
      case UDM_SETRANGE:
        max_ = static_cast<short>(LOWORD(lp));
        min_ = static_cast<short>(HIWORD(lp));
        SetPos(pos_);
        return 0;
      case UDM_GETRANGE: return MAKELRESULT(static_cast<WORD>(max_), static_cast<WORD>(min_));
      case UDM_SETRANGE32:
        min_ = static_cast<int>(wp);
        max_ = static_cast<int>(lp);
        SetPos(pos_);
        return 0;
      case UDM_GETRANGE32:
        if (wp) *reinterpret_cast<int*>(wp) = min_;
        if (lp) *reinterpret_cast<int*>(lp) = max_;
        return 0;
      case UDM_SETPOS: {
        int old = pos_;
        SetPos(static_cast<short>(LOWORD(lp)));
        return old;
      }
      case UDM_SETPOS32: {
        int old = pos_;
        SetPos(static_cast<int>(lp));
        return old;
      }
      case UDM_GETPOS: {
        bool ok = ReadBuddy();
        return MAKELRESULT(static_cast<WORD>(pos_), ok ? 0 : 1);
      }
      case UDM_GETPOS32: {
        bool ok = ReadBuddy();
        if (lp) *reinterpret_cast<BOOL*>(lp) = ok ? FALSE : TRUE;
        return pos_;
      }
      case UDM_SETBUDDY: {
        HWND old = buddy_;
        SetBuddy(reinterpret_cast<HWND>(wp));
        return reinterpret_cast<LRESULT>(old);
      }
      case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(buddy_);
      case UDM_SETBASE: {
        if (wp != 10 && wp != 16) return 0;
        int old = base_;
        base_ = static_cast<int>(wp);
        WriteBuddy();
        return old;
      }
      case UDM_GETBASE: return base_;
      case UDM_SETACCEL: {
        if (!lp || wp == 0) return FALSE;
        const auto* a = reinterpret_cast<const UDACCEL*>(lp);
        accels_.assign(a, a + wp);
        return TRUE;
      }
      case UDM_GETACCEL: {
        auto* out = reinterpret_cast<UDACCEL*>(lp);
        size_t n = std::min<size_t>(accels_.size(), wp);
        for (size_t i = 0; out && i < n; i++) out[i] = accels_[i];
        return static_cast<LRESULT>(accels_.size());
      }
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

  // Up and down keys in the control or its buddy step it; true when used.
  bool ArrowKey(int vk) {
    if (!(Style() & UDS_ARROWKEYS)) return false;
    int amount = static_cast<int>(accels_.empty() ? 1 : accels_.front().nInc);
    if (vk == VK_UP)
      Step(1, amount);
    else if (vk == VK_DOWN)
      Step(-1, amount);
    else
      return false;
    return true;
  }

  WNDPROC buddyProc_ = nullptr;

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  bool Horizontal() const { return Style() & UDS_HORZ; }
  int Lowest() const { return std::min(min_, max_); }
  int Highest() const { return std::max(min_, max_); }

  // 1: the arrow that goes towards the maximum; -1: towards the minimum.
  int PartAt(POINT p) const {
    RECT r;
    GetClientRect(hwnd_, &r);
    if (Horizontal()) return p.x >= r.right / 2 ? 1 : -1;
    return p.y < r.bottom / 2 ? 1 : -1;
  }

  int Acceleration() const {
    DWORD seconds = (GetTickCount() - pressStart_) / 1000;
    UINT inc = 1;
    for (const UDACCEL& a : accels_)
      if (seconds >= a.nSec) inc = a.nInc;
    return static_cast<int>(inc);
  }

  void EndPress() {
    pressed_ = 0;
    KillTimer(hwnd_, kRepeatTimer);
    if (GetCapture() == hwnd_) ReleaseCapture();
    InvalidateRect(hwnd_, nullptr, FALSE);
    SendMessageA(GetParent(hwnd_), Horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, pos_),
                 reinterpret_cast<LPARAM>(hwnd_));
  }

  // One step the user asked for: direction +1 or -1 towards the maximum.
  // False when the parent destroyed the control meanwhile (this object is gone then).
  bool Step(int direction, int amount) {
    if (!IsWindowEnabled(hwnd_)) return true;
    HWND self = hwnd_;
    ReadBuddy();
    int delta = direction * amount * (max_ < min_ ? -1 : 1);
    NMUPDOWN nm{};
    nm.iPos = pos_;
    nm.iDelta = delta;
    LRESULT refused = Notify(self, UDN_DELTAPOS, &nm.hdr);
    if (!IsWindow(self)) return false;
    if (refused) return true;
    int next = pos_ + nm.iDelta;
    if (next > Highest()) next = (Style() & UDS_WRAP) ? Lowest() : Highest();
    if (next < Lowest()) next = (Style() & UDS_WRAP) ? Highest() : Lowest();
    pos_ = next;
    WriteBuddy();
    SendMessageA(GetParent(self), Horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos_),
                 reinterpret_cast<LPARAM>(self));
    return IsWindow(self);
  }

  void SetPos(int pos) {
    pos_ = std::clamp(pos, Lowest(), Highest());
    WriteBuddy();
  }

  bool ReadBuddy() {
    if (!buddy_ || !(Style() & UDS_SETBUDDYINT)) return true;
    std::string text = win::controls::WindowText(buddy_);
    std::string digits;
    for (char c : text)
      if (c != ',') digits += c;
    if (digits.empty()) return false;
    char* end = nullptr;
    long v = std::strtol(digits.c_str(), &end, base_);
    if (!end || *end) return false;
    pos_ = std::clamp(static_cast<int>(v), Lowest(), Highest());
    return static_cast<int>(v) == pos_;
  }

  void WriteBuddy() {
    if (!buddy_ || !(Style() & UDS_SETBUDDYINT)) return;
    std::string text;
    if (base_ == 16) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(pos_));
      text = buf;
    } else {
      text = (Style() & UDS_NOTHOUSANDS) ? std::to_string(pos_) : WithThousands(pos_);
    }
    SetWindowTextA(buddy_, text.c_str());
  }

  void SetBuddy(HWND buddy) {
    if (buddy_ && buddyProc_ && IsWindow(buddy_)) {
      SetWindowLongPtrA(buddy_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buddyProc_));
      RemovePropA(buddy_, kUpDownProp);
    }
    buddy_ = buddy;
    buddyProc_ = nullptr;
    if (!buddy_) return;
    SetPropA(buddy_, kUpDownProp, reinterpret_cast<HANDLE>(hwnd_));
    buddyProc_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(buddy_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BuddyProc)));
    Align();
    WriteBuddy();
  }

  // UDS_ALIGNRIGHT / UDS_ALIGNLEFT: the control sits on that edge of the
  // buddy, which gives up the room.
  void Align() {
    LONG style = Style();
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) return;
    HWND parent = GetParent(hwnd_);
    RECT b, me;
    GetWindowRect(buddy_, &b);
    GetWindowRect(hwnd_, &me);
    POINT tl{b.left, b.top};
    ScreenToClient(parent, &tl);
    int bw = b.right - b.left, bh = b.bottom - b.top, w = me.right - me.left;
    if (style & UDS_ALIGNRIGHT) {
      SetWindowPos(buddy_, nullptr, tl.x, tl.y, bw - w, bh, SWP_NOZORDER | SWP_NOACTIVATE);
      SetWindowPos(hwnd_, nullptr, tl.x + bw - w, tl.y, w, bh, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      SetWindowPos(buddy_, nullptr, tl.x + w, tl.y, bw - w, bh, SWP_NOZORDER | SWP_NOACTIVATE);
      SetWindowPos(hwnd_, nullptr, tl.x, tl.y, w, bh, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    RECT up = r, down = r;
    UINT upKind, downKind;
    if (Horizontal()) {
      down.right = up.left = r.right / 2;
      upKind = DFCS_SCROLLRIGHT;
      downKind = DFCS_SCROLLLEFT;
    } else {
      up.bottom = down.top = r.bottom / 2;
      upKind = DFCS_SCROLLUP;
      downKind = DFCS_SCROLLDOWN;
    }
    UINT off = IsWindowEnabled(hwnd_) ? 0 : DFCS_INACTIVE;
    DrawFrameControl(dc, &up, DFC_SCROLL, upKind | off | (pressed_ == 1 ? DFCS_PUSHED : 0));
    DrawFrameControl(dc, &down, DFC_SCROLL, downKind | off | (pressed_ == -1 ? DFCS_PUSHED : 0));
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  HWND buddy_ = nullptr;
  int min_ = 100, max_ = 0, pos_ = 0;  // the system's default range runs backwards
  int base_ = 10;
  int pressed_ = 0;
  DWORD pressStart_ = 0;
  std::vector<UDACCEL> accels_{{0, 1}, {2, 5}, {5, 20}};
};

LRESULT CALLBACK BuddyProc(HWND buddy, UINT msg, WPARAM wp, LPARAM lp) {
  HWND owner = reinterpret_cast<HWND>(GetPropA(buddy, kUpDownProp));
  auto* ud = owner ? static_cast<UpDown*>(win::controls::LoadState(owner)) : nullptr;
  if (!ud || !ud->buddyProc_) return DefWindowProcA(buddy, msg, wp, lp);
  if (msg == WM_KEYDOWN && ud->ArrowKey(static_cast<int>(wp))) return 0;
  return CallWindowProcA(ud->buddyProc_, buddy, msg, wp, lp);
}

}  // namespace

void RegisterUpDownClass() {
  win::controls::RegisterControlClass(UPDOWN_CLASSA, ControlProc<UpDown>, 0);
}

}  // namespace win::comctl
