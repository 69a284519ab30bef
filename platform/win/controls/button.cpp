// "BUTTON": push buttons, check boxes, radio buttons, group boxes and
// owner-drawn buttons.
#include "platform/win/controls/control_base.h"
#include "platform/win/controls/system_classes.h"

namespace win::controls {
namespace {

constexpr int kBoxSize = 13;

class Button {
 public:
  Button(HWND hwnd, const CREATESTRUCTA&) : hwnd_(hwnd) {}

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_GETDLGCODE: return DialogCode();
      case WM_ENABLE:
      case WM_SETTEXT: {
        LRESULT r = DefWindowProcA(hwnd_, msg, wp, lp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return r;
      }
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(reinterpret_cast<HDC>(wp)); return 0;
      case WM_LBUTTONDBLCLK:
        if (Type() == BS_OWNERDRAW || Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON ||
            (Style() & BS_NOTIFY)) {
          NotifyParent(hwnd_, BN_DOUBLECLICKED);
          return 0;
        }
        [[fallthrough]];
      case WM_LBUTTONDOWN:
        if (Type() == BS_GROUPBOX) return 0;
        if (GetFocus() != hwnd_) SetFocus(hwnd_);
        SetCapture(hwnd_);
        tracking_ = true;
        SetPushed(true);
        return 0;
      case WM_MOUSEMOVE:
        if (tracking_) SetPushed(Inside(lp));
        return 0;
      case WM_LBUTTONUP:
        if (!tracking_) return 0;
        tracking_ = false;
        {
          bool inside = Inside(lp);
          SetPushed(false);
          ReleaseCapture();
          if (inside) Click();
        }
        return 0;
      case WM_CAPTURECHANGED:
        if (tracking_) {
          tracking_ = false;
          SetPushed(false);
        }
        return 0;
      case WM_KEYDOWN:
        if (wp == VK_SPACE && !tracking_) {
          SetPushed(true);
          spaceDown_ = true;
        } else if (wp == VK_RETURN && IsPush()) {
          Click();
        }
        return 0;
      case WM_KEYUP:
        if (wp == VK_SPACE && spaceDown_) {
          spaceDown_ = false;
          bool was = pushed_;
          SetPushed(false);
          if (was) Click();
        }
        return 0;
      case WM_CHAR: return 0;
      case WM_SETFOCUS:
        focused_ = true;
        InvalidateRect(hwnd_, nullptr, TRUE);
        if (Style() & BS_NOTIFY) NotifyParent(hwnd_, BN_SETFOCUS);
        return 0;
      case WM_KILLFOCUS:
        focused_ = false;
        spaceDown_ = false;
        if (pushed_ && !tracking_) SetPushed(false);
        InvalidateRect(hwnd_, nullptr, TRUE);
        if (Style() & BS_NOTIFY) NotifyParent(hwnd_, BN_KILLFOCUS);
        return 0;
      case BM_GETCHECK: return check_;
      case BM_SETCHECK: SetCheck(static_cast<int>(wp)); return 0;
      case BM_GETSTATE: return check_ | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
      case BM_SETSTATE: SetPushed(wp != 0); return 0;
      case BM_SETSTYLE: {
        DWORD style = (static_cast<DWORD>(Style()) & ~0xFFFFu) | (static_cast<DWORD>(wp) & 0xFFFF);
        SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style));
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      }
      case BM_CLICK:
        if (IsWindowEnabled(hwnd_)) {
          SetPushed(true);
          SetPushed(false);
          Click();
        }
        return 0;
      case BM_SETIMAGE: {
        HANDLE old = image_;
        image_ = reinterpret_cast<HANDLE>(lp);
        imageType_ = static_cast<UINT>(wp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
      }
      case BM_GETIMAGE: return reinterpret_cast<LRESULT>(image_);
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  LONG Type() const { return Style() & BS_TYPEMASK; }
  bool IsPush() const { return Type() == BS_PUSHBUTTON || Type() == BS_DEFPUSHBUTTON || Type() == BS_OWNERDRAW; }
  bool IsCheck() const {
    LONG t = Type();
    return t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE;
  }
  bool IsRadio() const { return Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON; }

  LRESULT DialogCode() const {
    if (Type() == BS_GROUPBOX) return DLGC_STATIC;
    if (IsRadio()) return DLGC_BUTTON | DLGC_RADIOBUTTON;
    if (Type() == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (IsPush()) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    return DLGC_BUTTON;
  }

  bool Inside(LPARAM lp) const {
    RECT r;
    GetClientRect(hwnd_, &r);
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, p);
  }

  void SetPushed(bool on) {
    if (pushed_ == on) return;
    pushed_ = on;
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
  }

  void SetCheck(int state) {
    if (!IsCheck() && !IsRadio()) return;
    if (state == BST_INDETERMINATE && Type() != BS_3STATE && Type() != BS_AUTO3STATE) state = BST_CHECKED;
    if (check_ == state) return;
    check_ = state;
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  // An automatic button changes its check before the parent hears the click.
  void Click() {
    switch (Type()) {
      case BS_AUTOCHECKBOX: SetCheck(check_ ? BST_UNCHECKED : BST_CHECKED); break;
      case BS_AUTO3STATE: SetCheck((check_ + 1) % 3); break;
      case BS_AUTORADIOBUTTON: CheckInGroup(); break;
      default: break;
    }
    NotifyParent(hwnd_, BN_CLICKED);
  }

  // Checks this radio button and clears the others of its group.
  void CheckInGroup() {
    HWND parent = GetParent(hwnd_);
    HWND first = hwnd_;
    while (!(GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
      HWND prev = GetWindow(first, GW_HWNDPREV);
      if (!prev) break;
      first = prev;
    }
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
      if (h != first && (GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) break;
      if (h == hwnd_ || GetParent(h) != parent) continue;
      if ((GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) SendMessageA(h, BM_SETCHECK, 0, 0);
    }
    SetCheck(BST_CHECKED);
  }

  // Into the given device context (a parent printing its children), else
  // into the window's invalid area.
  void Paint(HDC given) {
    PAINTSTRUCT ps;
    HDC dc = given ? given : BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    if (Type() == BS_OWNERDRAW) {
      DrawOwner(dc, r);
    } else {
      HBRUSH brush = ParentBrush(hwnd_, dc, IsPush() ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
      FillRect(dc, &r, brush);
      FontScope f(dc, font_);
      SetBkMode(dc, TRANSPARENT);
      if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
      if (IsPush())
        DrawPush(dc, r);
      else if (Type() == BS_GROUPBOX)
        DrawGroup(dc, r);
      else
        DrawCheck(dc, r);
    }
    if (!given) EndPaint(hwnd_, &ps);
  }

  void DrawOwner(HDC dc, const RECT& r) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState =
        (pushed_ ? ODS_SELECTED : 0) | (focused_ ? ODS_FOCUS : 0) | (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd_;
    dis.hDC = dc;
    dis.rcItem = r;
    HWND parent = GetParent(hwnd_);
    if (parent) SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  }

  void DrawLabel(HDC dc, RECT r, UINT format) {
    if ((Style() & (BS_BITMAP | BS_ICON)) && image_) {
      if (imageType_ == IMAGE_ICON || (Style() & BS_ICON)) {
        DrawIconEx(dc, (r.left + r.right - 32) / 2, (r.top + r.bottom - 32) / 2, static_cast<HICON>(image_), 0, 0, 0,
                   nullptr, DI_NORMAL);
      } else {
        BITMAP bm{};
        GetObjectA(image_, sizeof bm, &bm);
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, image_);
        BitBlt(dc, (r.left + r.right - bm.bmWidth) / 2, (r.top + r.bottom - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight,
               mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
      }
      return;
    }
    std::string text = WindowText(hwnd_);
    if (!(Style() & BS_MULTILINE))
      format |= DT_SINGLELINE | DT_VCENTER;
    else
      format |= DT_WORDBREAK;
    DrawTextA(dc, text.c_str(), -1, &r, format);
  }

  void DrawPush(HDC dc, RECT r) {
    bool isDefault = Type() == BS_DEFPUSHBUTTON;
    HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
    if (isDefault || pushed_) {
      FrameRect(dc, &r, frame);
      InflateRect(&r, -1, -1);
    }
    if (pushed_) {
      FrameRect(dc, &r, GetSysColorBrush(COLOR_3DSHADOW));
      InflateRect(&r, -1, -1);
      FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    } else {
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    RECT text = r;
    if (pushed_) OffsetRect(&text, 1, 1);
    LONG h = Style() & BS_CENTER;
    DrawLabel(dc, text, h == BS_LEFT ? DT_LEFT : h == BS_RIGHT ? DT_RIGHT : DT_CENTER);
    if (focused_) {
      RECT f = r;
      InflateRect(&f, -2, -2);
      DrawFocusRect(dc, &f);
    }
  }

  void DrawCheck(HDC dc, const RECT& r) {
    bool leftText = Style() & BS_LEFTTEXT;
    RECT box{0, (r.top + r.bottom - kBoxSize) / 2, kBoxSize, 0};
    if (leftText) box.left = r.right - kBoxSize;
    box.right = box.left + kBoxSize;
    box.bottom = box.top + kBoxSize;
    UINT state = IsRadio() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (check_ == BST_CHECKED) state |= DFCS_CHECKED;
    if (check_ == BST_INDETERMINATE) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (pushed_) state |= DFCS_PUSHED;
    if (!IsWindowEnabled(hwnd_)) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    RECT text = r;
    if (leftText)
      text.right = box.left - 4;
    else
      text.left = box.right + 4;
    DrawLabel(dc, text, DT_LEFT);
    if (focused_) {
      RECT f = text;
      SIZE sz{};
      std::string s = WindowText(hwnd_);
      GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &sz);
      f.left -= 1;
      f.right = std::min(text.right, text.left + sz.cx + 1);
      f.top = (r.top + r.bottom - sz.cy) / 2 - 1;
      f.bottom = f.top + sz.cy + 2;
      if (!s.empty()) DrawFocusRect(dc, &f);
    }
  }

  void DrawGroup(HDC dc, const RECT& r) {
    std::string text = WindowText(hwnd_);
    SIZE sz{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &sz);
    RECT frame = r;
    frame.top += sz.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) return;
    RECT label{8, 0, 8 + sz.cx + 4, sz.cy};
    HBRUSH brush = ParentBrush(hwnd_, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &label, brush);
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    TextOutA(dc, 10, 0, text.c_str(), static_cast<int>(text.size()));
  }

  HWND hwnd_;
  HFONT font_ = nullptr;
  HANDLE image_ = nullptr;
  UINT imageType_ = IMAGE_BITMAP;
  int check_ = BST_UNCHECKED;
  bool pushed_ = false, focused_ = false, tracking_ = false, spaceDown_ = false;
};

}  // namespace

void RegisterButtonClass() {
  RegisterControlClass("BUTTON", ControlProc<Button>, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win::controls
