// "msctls_statusbar32": a bar of parts at the bottom of its parent, with
// text (tabs centre or right-align it), owner-drawn parts, a simple mode with
// one part of its own, and a size grip.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/comctl/small_controls.h"
#include "platform/win/commctrl.h"
#include "platform/win/controls/control_base.h"

namespace win::comctl {
namespace {

using win::controls::ControlProc;
using win::controls::FontScope;

struct Part {
  int right = -1;  // right edge in client coordinates; -1: to the end
  std::string text;
  UINT type = 0;  // SBT_ flags
  LPARAM ownerData = 0;
  HICON icon = nullptr;
};

class StatusBar {
 public:
  StatusBar(HWND hwnd, const CREATESTRUCTA&) : hwnd_(hwnd) { parts_.resize(1); }

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE:
        if (reinterpret_cast<const CREATESTRUCTA*>(lp)->lpszName)
          parts_[0].text = reinterpret_cast<const CREATESTRUCTA*>(lp)->lpszName;
        Reposition();
        return 0;
      case WM_SIZE: Reposition(); return 0;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        Reposition();
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_NCHITTEST: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ScreenToClient(hwnd_, &p);
        RECT g = GripRect();
        if (GripSizes() && PtInRect(&g, p)) return HTBOTTOMRIGHT;
        return DefWindowProcA(hwnd_, msg, wp, lp);
      }
      case WM_NCLBUTTONDOWN:
        // The grip sizes the top-level window, from its bottom-right corner.
        if (wp == HTBOTTOMRIGHT && GripSizes()) {
          SendMessageA(GetAncestor(hwnd_, GA_ROOT), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, lp);
          return 0;
        }
        return DefWindowProcA(hwnd_, msg, wp, lp);
      case WM_SETTEXT: SetText(0, lp ? reinterpret_cast<const char*>(lp) : "", 0); return TRUE;
      case WM_GETTEXT: return CopyText(0, static_cast<int>(wp), reinterpret_cast<char*>(lp));
      case WM_GETTEXTLENGTH: return static_cast<LRESULT>(parts_[0].text.size());
      case SB_SETTEXTA: {
        int index = LOBYTE(wp);
        UINT type = static_cast<UINT>(wp) & 0xFF00;
        if (index == SB_SIMPLEID) {
          Part& p = simple_;
          p.type = type;
          if (type & SBT_OWNERDRAW)
            p.ownerData = lp;
          else
            p.text = lp ? reinterpret_cast<const char*>(lp) : "";
          InvalidateRect(hwnd_, nullptr, FALSE);
          return TRUE;
        }
        if (index >= static_cast<int>(parts_.size())) return FALSE;
        if (type & SBT_OWNERDRAW) {
          parts_[static_cast<size_t>(index)].type = type;
          parts_[static_cast<size_t>(index)].ownerData = lp;
          InvalidatePart(index);
          return TRUE;
        }
        SetText(index, lp ? reinterpret_cast<const char*>(lp) : "", type);
        return TRUE;
      }
      case SB_GETTEXTA:
      case SB_GETTEXTLENGTHA: {
        int index = LOBYTE(wp);
        const Part* p = index == SB_SIMPLEID                      ? &simple_
                        : index < static_cast<int>(parts_.size()) ? &parts_[static_cast<size_t>(index)]
                                                                  : nullptr;
        if (!p) return 0;
        if (p->type & SBT_OWNERDRAW) return msg == SB_GETTEXTA ? p->ownerData : 0;
        if (msg == SB_GETTEXTA && lp) std::strcpy(reinterpret_cast<char*>(lp), p->text.c_str());
        return MAKELRESULT(static_cast<WORD>(p->text.size()), static_cast<WORD>(p->type));
      }
      case SB_SETPARTS: {
        int n = static_cast<int>(wp);
        if (n <= 0 || n > 256 || !lp) return FALSE;
        const int* edges = reinterpret_cast<const int*>(lp);
        parts_.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; i++) parts_[static_cast<size_t>(i)].right = edges[i];
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      }
      case SB_GETPARTS: {
        int n = static_cast<int>(parts_.size());
        int* out = reinterpret_cast<int*>(lp);
        if (out)
          for (int i = 0; i < std::min(n, static_cast<int>(wp)); i++) out[i] = parts_[static_cast<size_t>(i)].right;
        return n;
      }
      case SB_GETBORDERS: {
        int* out = reinterpret_cast<int*>(lp);
        if (!out) return FALSE;
        out[0] = 0;
        out[1] = 2;
        out[2] = 2;
        return TRUE;
      }
      case SB_SETMINHEIGHT:
        minHeight_ = static_cast<int>(wp);
        Reposition();
        return 0;
      case SB_SIMPLE: {
        bool on = wp != 0;
        if (on == simpleMode_) return 0;
        simpleMode_ = on;
        InvalidateRect(hwnd_, nullptr, FALSE);
        NotifyCode(hwnd_, SBN_SIMPLEMODECHANGE);
        return 0;
      }
      case SB_ISSIMPLE: return simpleMode_;
      case SB_GETRECT: {
        int index = static_cast<int>(wp);
        if (!lp || (!simpleMode_ && index >= static_cast<int>(parts_.size()))) return FALSE;
        *reinterpret_cast<RECT*>(lp) = simpleMode_ ? SimpleRect() : PartRect(index);
        return TRUE;
      }
      case SB_SETICON: {
        int index = static_cast<int>(wp);
        if (index == -1)
          simple_.icon = reinterpret_cast<HICON>(lp);
        else if (index >= 0 && index < static_cast<int>(parts_.size()))
          parts_[static_cast<size_t>(index)].icon = reinterpret_cast<HICON>(lp);
        else
          return FALSE;
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      }
      case SB_GETICON: {
        int index = static_cast<int>(wp);
        if (index == -1) return reinterpret_cast<LRESULT>(simple_.icon);
        if (index < 0 || index >= static_cast<int>(parts_.size())) return 0;
        return reinterpret_cast<LRESULT>(parts_[static_cast<size_t>(index)].icon);
      }
      case SB_SETBKCOLOR: {
        COLORREF old = background_;
        background_ = static_cast<COLORREF>(lp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return static_cast<LRESULT>(old);
      }
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  bool HasGrip() const { return Style() & SBARS_SIZEGRIP; }
  bool GripSizes() const {
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    return HasGrip() && (GetWindowLongA(top, GWL_STYLE) & WS_THICKFRAME) && !IsZoomed(top);
  }

  int BarHeight() const { return std::max(minHeight_, win::controls::FontHeight(font_) + 7); }

  // Sits at the bottom of the parent's client area across its whole width.
  void Reposition() {
    if (Style() & (CCS_NORESIZE | CCS_NOPARENTALIGN)) return;
    HWND parent = GetParent(hwnd_);
    if (!parent) return;
    RECT pr;
    GetClientRect(parent, &pr);
    int h = BarHeight();
    RECT now;
    GetWindowRect(hwnd_, &now);
    POINT tl{now.left, now.top};
    ScreenToClient(parent, &tl);
    if (tl.x == 0 && tl.y == pr.bottom - h && now.right - now.left == pr.right && now.bottom - now.top == h) return;
    SetWindowPos(hwnd_, nullptr, 0, pr.bottom - h, pr.right, h, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  RECT GripRect() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    int size = GetSystemMetrics(SM_CXVSCROLL);
    return {r.right - size, r.bottom - size, r.right, r.bottom};
  }

  RECT PartRect(int index) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    int left = 0;
    if (index > 0) left = parts_[static_cast<size_t>(index) - 1].right + 2;
    int right = parts_[static_cast<size_t>(index)].right;
    if (right < 0 || right > client.right) right = client.right;
    if (HasGrip() && index == static_cast<int>(parts_.size()) - 1)
      right = std::min<int>(right, client.right - GetSystemMetrics(SM_CXVSCROLL));
    return {left, 2, std::max(left, right), client.bottom};
  }

  RECT SimpleRect() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return {0, 2, client.right, client.bottom};
  }

  void InvalidatePart(int index) {
    RECT r = PartRect(index);
    InvalidateRect(hwnd_, &r, FALSE);
  }

  void SetText(int index, const char* text, UINT type) {
    Part& p = parts_[static_cast<size_t>(index)];
    if (p.text == text && p.type == type) return;
    p.text = text;
    p.type = type;
    InvalidatePart(index);
  }

  int CopyText(int index, int size, char* buf) const {
    if (!buf || size <= 0) return 0;
    const std::string& s = parts_[static_cast<size_t>(index)].text;
    int n = std::min(static_cast<int>(s.size()), size - 1);
    std::memcpy(buf, s.data(), static_cast<size_t>(n));
    buf[n] = 0;
    return n;
  }

  void PaintPart(HDC dc, const Part& p, RECT r, int index) {
    if (!(p.type & SBT_NOBORDERS)) DrawEdge(dc, &r, (p.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    if (p.type & SBT_OWNERDRAW) {
      DRAWITEMSTRUCT dis{};
      dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
      dis.itemID = static_cast<UINT>(index);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.hwndItem = hwnd_;
      dis.hDC = dc;
      dis.rcItem = inner;
      dis.itemData = static_cast<ULONG_PTR>(p.ownerData);
      SendMessageA(GetParent(hwnd_), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
      return;
    }
    inner.left += 2;
    if (p.icon) {
      DrawIconEx(dc, inner.left, (inner.top + inner.bottom - 16) / 2, p.icon, 16, 16, 0, nullptr, DI_NORMAL);
      inner.left += 18;
    }
    // A tab before the text centres it, two tabs right-align it.
    std::string text = p.text;
    UINT align = DT_LEFT;
    if (!(p.type & SBT_NOTABPARSING)) {
      size_t tabs = 0;
      while (tabs < text.size() && tabs < 2 && text[tabs] == '\t') tabs++;
      align = tabs == 1 ? DT_CENTER : tabs == 2 ? DT_RIGHT : DT_LEFT;
      text.erase(0, tabs);
    }
    DrawTextA(dc, text.c_str(), -1, &inner, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH back = background_ == CLR_DEFAULT ? GetSysColorBrush(COLOR_3DFACE) : CreateSolidBrush(background_);
    FillRect(dc, &client, back);
    if (background_ != CLR_DEFAULT) DeleteObject(back);
    FontScope f(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (simpleMode_) {
      Part p = simple_;
      p.type |= SBT_NOBORDERS;
      PaintPart(dc, p, SimpleRect(), SB_SIMPLEID);
    } else {
      for (size_t i = 0; i < parts_.size(); i++)
        PaintPart(dc, parts_[i], PartRect(static_cast<int>(i)), static_cast<int>(i));
    }
    if (HasGrip()) {
      RECT g = GripRect();
      DrawFrameControl(dc, &g, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  HFONT font_ = nullptr;
  std::vector<Part> parts_;
  Part simple_;
  bool simpleMode_ = false;
  int minHeight_ = 0;
  COLORREF background_ = CLR_DEFAULT;
};

}  // namespace

void RegisterStatusBarClass() {
  win::controls::RegisterControlClass(STATUSCLASSNAMEA, ControlProc<StatusBar>, CS_DBLCLKS);
}

}  // namespace win::comctl
