// "COMBOBOX": simple, drop-down and drop-down list combos. The items live in
// a list box ("ComboLBox"): a child under the edit for a simple combo, a
// popup window dropped below the field for the other two.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/controls/combo_link.h"
#include "platform/win/controls/control_base.h"
#include "platform/win/controls/system_classes.h"

namespace win::controls {
namespace {

constexpr int kEditId = 1001;
constexpr int kListId = 1000;
constexpr char kComboProp[] = "ComboOfEdit";

LRESULT CALLBACK ComboEditProc(HWND, UINT, WPARAM, LPARAM);

class Combo {
 public:
  Combo(HWND hwnd, const CREATESTRUCTA& cs) : hwnd_(hwnd) {
    droppedHeight_ = cs.cy;
    // The scroll bar styles are the list's; the field never paints over its edit.
    DWORD style = (static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL)) | WS_CLIPCHILDREN;
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
  }

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE: return Create(*reinterpret_cast<const CREATESTRUCTA*>(lp));
      case WM_DESTROY:
        if (list_ && !Simple()) DestroyWindow(list_);
        list_ = nullptr;
        return 0;
      case WM_WINDOWPOSCHANGING: {
        // A drop-down combo keeps the height of its field; the height asked
        // for is the height of the field and the dropped list together.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (!Simple() && !(pos->flags & SWP_NOSIZE)) {
          if (pos->cy > FieldHeight()) droppedHeight_ = pos->cy;
          pos->cy = FieldHeight();
        }
        return 0;
      }
      case WM_SIZE: Layout(); return 0;
      case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        if (edit_) SendMessageA(edit_, WM_SETFONT, wp, FALSE);
        if (list_) SendMessageA(list_, WM_SETFONT, wp, FALSE);
        if (!OwnerDraw()) {
          fieldItemHeight_ = FontHeight(font_) + 2;
          SetWindowPos(hwnd_, nullptr, 0, 0, WindowWidth(), Simple() ? WindowHeight() : FieldHeight(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Layout();
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_ENABLE:
        if (edit_) EnableWindow(edit_, wp != 0);
        if (list_) EnableWindow(list_, wp != 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_SETFOCUS:
        if (edit_) {
          SetFocus(edit_);
          SendMessageA(edit_, EM_SETSEL, 0, -1);
        } else {
          GotFocus();
        }
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_KILLFOCUS:
        if (!edit_ || reinterpret_cast<HWND>(wp) != edit_) LostFocus(reinterpret_cast<HWND>(wp));
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: {
        if (!edit_ && GetFocus() != hwnd_) SetFocus(hwnd_);
        if (Simple()) return 0;
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        RECT b = ButtonRect();
        if (DropList() || PtInRect(&b, p)) {
          if (dropped_)
            CloseUp(false);
          else
            DropDown();
        }
        return 0;
      }
      case WM_MOUSEWHEEL:
        if (!dropped_) Step(GET_WHEEL_DELTA_WPARAM(wp) > 0 ? -1 : 1);
        return 0;
      case WM_KEYDOWN: return Key(static_cast<int>(wp)) ? 0 : DefWindowProcA(hwnd_, msg, wp, lp);
      case WM_SYSKEYDOWN:
        if (wp == VK_DOWN || wp == VK_UP) {
          dropped_ ? CloseUp(true) : DropDown();
          return 0;
        }
        return DefWindowProcA(hwnd_, msg, wp, lp);
      case WM_CHAR:
        if (DropList() && list_) {
          int before = CurSel();
          SendMessageA(list_, WM_CHAR, wp, lp);
          if (CurSel() != before) SelectionChanged();
        }
        return 0;
      case WM_COMMAND: return Command(wp, lp);
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLORSTATIC: {
        // The edit's and the list's colours are the parent's to give, naming the child.
        HWND parent = GetParent(hwnd_);
        LRESULT r = parent ? SendMessageA(parent, msg, wp, lp) : 0;
        return r ? r : DefWindowProcA(hwnd_, msg, wp, lp);
      }
      case kComboListDone: CloseUp(wp != 0); return 0;
      case WM_SETTEXT:
        if (edit_) return SendMessageA(edit_, WM_SETTEXT, wp, lp);
        {
          LRESULT i = SendMessageA(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lp);
          if (i < 0) return CB_ERR;
          SetCurSel(static_cast<int>(i));
          return TRUE;
        }
      case WM_GETTEXT:
        if (edit_) return SendMessageA(edit_, WM_GETTEXT, wp, lp);
        return SelectedText(static_cast<int>(wp), reinterpret_cast<char*>(lp));
      case WM_GETTEXTLENGTH:
        if (edit_) return SendMessageA(edit_, WM_GETTEXTLENGTH, 0, 0);
        return CurSel() < 0 ? 0 : SendMessageA(list_, LB_GETTEXTLEN, static_cast<WPARAM>(CurSel()), 0);
      case CB_ADDSTRING: return SendMessageA(list_, LB_ADDSTRING, wp, lp);
      case CB_INSERTSTRING: return SendMessageA(list_, LB_INSERTSTRING, wp, lp);
      case CB_DELETESTRING: {
        LRESULT r = SendMessageA(list_, LB_DELETESTRING, wp, lp);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return r;
      }
      case CB_RESETCONTENT:
        SendMessageA(list_, LB_RESETCONTENT, 0, 0);
        if (edit_) SetEditText("");
        InvalidateRect(hwnd_, nullptr, FALSE);
        return CB_OKAY;
      case CB_GETCOUNT: return SendMessageA(list_, LB_GETCOUNT, 0, 0);
      case CB_GETCURSEL: return CurSel();
      case CB_SETCURSEL: {
        int i = static_cast<int>(wp);
        SetCurSel(i);
        return i >= 0 && i < Count() ? i : CB_ERR;
      }
      case CB_GETLBTEXT: return SendMessageA(list_, LB_GETTEXT, wp, lp);
      case CB_GETLBTEXTLEN: return SendMessageA(list_, LB_GETTEXTLEN, wp, lp);
      case CB_GETITEMDATA: return SendMessageA(list_, LB_GETITEMDATA, wp, lp);
      case CB_SETITEMDATA: return SendMessageA(list_, LB_SETITEMDATA, wp, lp);
      case CB_FINDSTRING: return SendMessageA(list_, LB_FINDSTRING, wp, lp);
      case CB_FINDSTRINGEXACT: return SendMessageA(list_, LB_FINDSTRINGEXACT, wp, lp);
      case CB_SELECTSTRING: {
        LRESULT i = SendMessageA(list_, LB_FINDSTRING, wp, lp);
        if (i >= 0) SetCurSel(static_cast<int>(i));
        return i;
      }
      case CB_GETTOPINDEX: return SendMessageA(list_, LB_GETTOPINDEX, 0, 0);
      case CB_SETTOPINDEX: return SendMessageA(list_, LB_SETTOPINDEX, wp, 0);
      case CB_SETITEMHEIGHT: {
        int h = static_cast<int>(lp);
        if (h <= 0 || h > 255) return CB_ERR;
        if (static_cast<int>(wp) == -1) {
          fieldItemHeight_ = h;
          if (!Simple())
            SetWindowPos(hwnd_, nullptr, 0, 0, WindowWidth(), FieldHeight(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
          Layout();
          InvalidateRect(hwnd_, nullptr, TRUE);
          return CB_OKAY;
        }
        return SendMessageA(list_, LB_SETITEMHEIGHT, wp, lp);
      }
      case CB_GETITEMHEIGHT:
        if (static_cast<int>(wp) == -1) return fieldItemHeight_;
        return SendMessageA(list_, LB_GETITEMHEIGHT, wp, 0);
      case CB_SHOWDROPDOWN:
        if (wp && !dropped_) DropDown();
        if (!wp && dropped_) CloseUp(false);
        return TRUE;
      case CB_GETDROPPEDSTATE: return dropped_;
      case CB_SETEXTENDEDUI: extendedUi_ = wp != 0; return CB_OKAY;
      case CB_GETEXTENDEDUI: return extendedUi_;
      case CB_SETDROPPEDWIDTH: droppedWidth_ = static_cast<int>(wp); return std::max(droppedWidth_, WindowWidth());
      case CB_GETDROPPEDWIDTH: return std::max(droppedWidth_, WindowWidth());
      case CB_GETDROPPEDCONTROLRECT: {
        RECT r;
        GetWindowRect(hwnd_, &r);
        r.right = r.left + std::max(droppedWidth_, WindowWidth());
        r.bottom = r.top + std::max(droppedHeight_, FieldHeight());
        *reinterpret_cast<RECT*>(lp) = r;
        return TRUE;
      }
      case CB_LIMITTEXT:
        if (edit_) SendMessageA(edit_, EM_LIMITTEXT, wp, 0);
        return TRUE;
      case CB_GETEDITSEL: return edit_ ? SendMessageA(edit_, EM_GETSEL, wp, lp) : CB_ERR;
      case CB_SETEDITSEL:
        if (!edit_) return CB_ERR;
        SendMessageA(edit_, EM_SETSEL, static_cast<WPARAM>(static_cast<short>(LOWORD(lp))),
                     static_cast<LPARAM>(static_cast<short>(HIWORD(lp))));
        return TRUE;
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

  // Keys the edit of the combo passes on; true when handled.
  bool Key(int vk) {
    if (vk == VK_F4) {
      dropped_ ? CloseUp(true) : DropDown();
      return true;
    }
    if (dropped_) {
      if (vk == VK_RETURN) {
        CloseUp(true);
        return true;
      }
      if (vk == VK_ESCAPE) {
        CloseUp(false);
        return true;
      }
    }
    if (vk == VK_DOWN && extendedUi_ && !dropped_ && !Simple()) {
      DropDown();
      return true;
    }
    switch (vk) {
      case VK_UP: Step(-1); return true;
      case VK_DOWN: Step(1); return true;
      case VK_PRIOR:
      case VK_NEXT:
      case VK_HOME:
      case VK_END:
        if (edit_ && (vk == VK_HOME || vk == VK_END)) return false;
        {
          int before = CurSel();
          SendMessageA(list_, WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
          if (CurSel() != before) SelectionChanged();
        }
        return true;
      default: return false;
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  LONG Kind() const { return Style() & 3; }
  bool Simple() const { return Kind() == CBS_SIMPLE; }
  bool DropList() const { return Kind() == CBS_DROPDOWNLIST; }
  bool OwnerDraw() const { return Style() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE); }
  int Count() const { return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0)); }
  int CurSel() const { return list_ ? static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)) : -1; }
  int FieldHeight() const { return fieldItemHeight_ + 6; }
  int WindowWidth() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.right - r.left;
  }
  int WindowHeight() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
  }
  RECT ButtonRect() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    int w = GetSystemMetrics(SM_CXVSCROLL);
    return {r.right - 2 - w, 2, r.right - 2, std::min<LONG>(r.bottom, FieldHeight()) - 2};
  }

  LRESULT Create(const CREATESTRUCTA& cs) {
    fieldItemHeight_ = FontHeight(font_) + 2;
    if (OwnerDraw()) {
      // The owner sizes the field (item -1) and, for fixed items, the list's items (item 0).
      fieldItemHeight_ = MeasureField(-1, fieldItemHeight_);
    }
    DWORD listStyle = LBS_COMBOBOX | LBS_NOTIFY | WS_VSCROLL | WS_CLIPSIBLINGS;
    if (cs.style & CBS_SORT) listStyle |= LBS_SORT;
    if (cs.style & CBS_OWNERDRAWFIXED) listStyle |= LBS_OWNERDRAWFIXED;
    if (cs.style & CBS_OWNERDRAWVARIABLE) listStyle |= LBS_OWNERDRAWVARIABLE;
    if (cs.style & CBS_HASSTRINGS) listStyle |= LBS_HASSTRINGS;
    if (cs.style & CBS_DISABLENOSCROLL) listStyle |= LBS_DISABLENOSCROLL;
    HINSTANCE inst = cs.hInstance;
    if (Simple()) {
      list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "ComboLBox", "", listStyle | WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), inst, hwnd_);
    } else {
      list_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ComboLBox", "", listStyle | WS_POPUP | WS_BORDER, 0, 0,
                              10, 10, hwnd_, nullptr, inst, hwnd_);
    }
    if (!list_) return -1;
    if (!DropList()) {
      DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
      if (cs.style & CBS_UPPERCASE) editStyle |= ES_UPPERCASE;
      if (cs.style & CBS_LOWERCASE) editStyle |= ES_LOWERCASE;
      edit_ = CreateWindowExA(0, "EDIT", cs.lpszName ? cs.lpszName : "", editStyle, 0, 0, 10, 10, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), inst, nullptr);
      if (!edit_) return -1;
      SetPropA(edit_, kComboProp, reinterpret_cast<HANDLE>(hwnd_));
      editProc_ =
          reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
    }
    if (!Simple()) SetWindowPos(hwnd_, nullptr, 0, 0, cs.cx, FieldHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    return 0;
  }

  int MeasureField(int item, int fallback) {
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_COMBOBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
    mis.itemID = static_cast<UINT>(item);
    mis.itemHeight = static_cast<UINT>(fallback);
    if (HWND parent = GetParent(hwnd_)) SendMessageA(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    return std::max(1, static_cast<int>(mis.itemHeight));
  }

  void Layout() {
    RECT r;
    GetClientRect(hwnd_, &r);
    if (edit_) {
      int right = Simple() ? r.right - 3 : ButtonRect().left - 1;
      MoveWindow(edit_, 3, 3, std::max(1, right - 3), fieldItemHeight_, TRUE);
    }
    if (Simple() && list_)
      MoveWindow(list_, 0, FieldHeight(), r.right, std::max<LONG>(1, r.bottom - FieldHeight()), TRUE);
  }

  int SelectedText(int size, char* buf) const {
    if (!buf || size <= 0) return 0;
    buf[0] = 0;
    int i = CurSel();
    if (i < 0) return 0;
    std::string s(static_cast<size_t>(std::max<LRESULT>(0, SendMessageA(list_, LB_GETTEXTLEN, i, 0))) + 8, 0);
    SendMessageA(list_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(std::strlen(s.c_str()));
    int n = std::min(static_cast<int>(s.size()), size - 1);
    std::memcpy(buf, s.data(), static_cast<size_t>(n));
    buf[n] = 0;
    return n;
  }

  std::string ItemText(int i) const {
    if (i < 0 || (OwnerDraw() && !(Style() & CBS_HASSTRINGS))) return "";
    std::string s(static_cast<size_t>(std::max<LRESULT>(0, SendMessageA(list_, LB_GETTEXTLEN, i, 0))) + 8, 0);
    SendMessageA(list_, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(std::strlen(s.c_str()));
    return s;
  }

  void SetCurSel(int i) {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    if (edit_) {
      SetEditText(ItemText(CurSel()));
      if (GetFocus() == edit_) SendMessageA(edit_, EM_SETSEL, 0, -1);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void SelectionChanged() {
    if (edit_) {
      SetEditText(ItemText(CurSel()));
      SendMessageA(edit_, EM_SETSEL, 0, -1);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
    NotifyParent(hwnd_, CBN_SELCHANGE);
  }

  // Text the combo puts into its edit is no edit by the user.
  void SetEditText(const std::string& text) {
    settingEdit_ = true;
    SetWindowTextA(edit_, text.c_str());
    settingEdit_ = false;
  }

  void Step(int delta) {
    int n = Count();
    if (!n) return;
    int cur = CurSel();
    int next = cur < 0 ? 0 : std::clamp(cur + delta, 0, n - 1);
    if (next == cur) return;
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    SelectionChanged();
  }

  void GotFocus() {
    if (hasFocus_) return;
    hasFocus_ = true;
    NotifyParent(hwnd_, CBN_SETFOCUS);
  }

  void LostFocus(HWND to) {
    if (to && (to == hwnd_ || to == edit_ || to == list_)) return;
    if (dropped_) CloseUp(false);
    if (!hasFocus_) return;
    hasFocus_ = false;
    NotifyParent(hwnd_, CBN_KILLFOCUS);
  }

  LRESULT Command(WPARAM wp, LPARAM lp) {
    HWND from = reinterpret_cast<HWND>(lp);
    int code = HIWORD(wp);
    if (from == edit_ && edit_) {
      switch (code) {
        case EN_SETFOCUS: GotFocus(); break;
        case EN_KILLFOCUS: LostFocus(GetFocus()); break;
        case EN_CHANGE:
          if (!settingEdit_) NotifyParent(hwnd_, CBN_EDITCHANGE);
          break;
        case EN_UPDATE:
          if (!settingEdit_) NotifyParent(hwnd_, CBN_EDITUPDATE);
          break;
        default: break;
      }
    } else if (from == list_ && list_ && Simple()) {
      if (code == LBN_SELCHANGE) SelectionChanged();
      if (code == LBN_DBLCLK) NotifyParent(hwnd_, CBN_DBLCLK);
    }
    return 0;
  }

  void DropDown() {
    if (dropped_ || Simple()) return;
    HWND self = hwnd_;  // the parent may destroy the combo (and this object) while it is told
    NotifyParent(self, CBN_DROPDOWN);
    if (!IsWindow(self) || !list_) return;
    RECT wr;
    GetWindowRect(hwnd_, &wr);
    int itemH = static_cast<int>(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0));
    int n = std::max(1, Count());
    int wanted = std::max(droppedHeight_ - FieldHeight(), itemH + 2);
    int height = std::min(wanted, n * itemH + 2);
    if (!(Style() & CBS_NOINTEGRALHEIGHT)) height = std::max(itemH, (height - 2) / itemH * itemH) + 2;
    int width = std::max(droppedWidth_, static_cast<int>(wr.right - wr.left));
    int y = wr.bottom;
    RECT screen;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    if (y + height > screen.bottom && wr.top - height >= screen.top) y = wr.top - height;
    startSel_ = CurSel();
    dropped_ = true;
    SetWindowPos(list_, HWND_TOPMOST, wr.left, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (startSel_ >= 0) SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(startSel_), 0);
    InvalidateRect(hwnd_, nullptr, FALSE);
    SetCapture(list_);
  }

  // Hides the list. A choice sends CBN_SELENDOK, a cancel CBN_SELENDCANCEL
  // (and puts the selection back), then CBN_CLOSEUP; a changed selection
  // is reported last with CBN_SELCHANGE.
  void CloseUp(bool ok) {
    if (!dropped_) return;
    dropped_ = false;
    ShowWindow(list_, SW_HIDE);
    if (GetCapture() == list_) ReleaseCapture();
    // The parent may destroy the combo (and this object) in any notification.
    HWND self = hwnd_;
    int now = CurSel(), start = startSel_;
    if (ok) {
      NotifyParent(self, CBN_SELENDOK);
      if (!IsWindow(self)) return;
    } else {
      NotifyParent(self, CBN_SELENDCANCEL);
      if (!IsWindow(self)) return;
      if (now != start) SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(start), 0);
      now = start;
    }
    if (ok && edit_ && now >= 0) {
      SetEditText(ItemText(now));
      SendMessageA(edit_, EM_SETSEL, 0, -1);
    }
    InvalidateRect(self, nullptr, FALSE);
    NotifyParent(self, CBN_CLOSEUP);
    if (ok && now != start && IsWindow(self)) NotifyParent(self, CBN_SELCHANGE);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    if (Simple()) {
      FillRect(dc, &r, face);
      RECT field{0, 0, r.right, FieldHeight()};
      FillRect(dc, &field, ParentBrush(hwnd_, dc, WM_CTLCOLOREDIT));
      DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT);
      EndPaint(hwnd_, &ps);
      return;
    }
    RECT field = r;
    bool enabled = IsWindowEnabled(hwnd_);
    HBRUSH back = ParentBrush(hwnd_, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(dc, &field, back);
    DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT);
    RECT button = ButtonRect();
    DrawFrameControl(dc, &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (dropped_ ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE));
    if (DropList()) PaintSelection(dc, back);
    EndPaint(hwnd_, &ps);
  }

  void PaintSelection(HDC dc, HBRUSH back) {
    RECT item{3, 3, ButtonRect().left - 1, 3 + fieldItemHeight_};
    bool focused = GetFocus() == hwnd_ && !dropped_;
    int i = CurSel();
    if (OwnerDraw()) {
      DRAWITEMSTRUCT dis{};
      dis.CtlType = ODT_COMBOBOX;
      dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
      dis.itemID = static_cast<UINT>(i);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.itemState =
          ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0) | (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
      dis.hwndItem = hwnd_;
      dis.hDC = dc;
      dis.rcItem = item;
      dis.itemData = i >= 0 ? static_cast<ULONG_PTR>(SendMessageA(list_, LB_GETITEMDATA, i, 0)) : 0;
      SendMessageA(GetParent(hwnd_), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
      return;
    }
    FontScope f(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    if (focused) {
      FillRect(dc, &item, GetSysColorBrush(COLOR_HIGHLIGHT));
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
      FillRect(dc, &item, back);
      if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    RECT t = item;
    t.left += 2;
    std::string s = ItemText(i);
    DrawTextA(dc, s.c_str(), -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (focused) DrawFocusRect(dc, &item);
  }

  friend LRESULT CALLBACK ComboEditProc(HWND, UINT, WPARAM, LPARAM);

  HWND hwnd_;
  HWND edit_ = nullptr, list_ = nullptr;
  WNDPROC editProc_ = nullptr;
  HFONT font_ = nullptr;
  int fieldItemHeight_ = 15;
  int droppedHeight_ = 0, droppedWidth_ = 0;
  int startSel_ = -1;
  bool dropped_ = false, extendedUi_ = false, hasFocus_ = false, settingEdit_ = false;
};

// The combo's edit hands the combo the keys that work its list.
LRESULT CALLBACK ComboEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
  HWND comboWnd = reinterpret_cast<HWND>(GetPropA(edit, kComboProp));
  auto* combo = comboWnd ? static_cast<Combo*>(LoadState(comboWnd)) : nullptr;
  if (!combo)
    return CallWindowProcA(reinterpret_cast<WNDPROC>(GetClassLongPtrA(edit, GCLP_WNDPROC)), edit, msg, wp, lp);
  if (msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN || wp == VK_F4 || wp == VK_PRIOR || wp == VK_NEXT ||
                            ((wp == VK_RETURN || wp == VK_ESCAPE) && combo->dropped_)))
    if (combo->Key(static_cast<int>(wp))) return 0;
  if (msg == WM_SYSKEYDOWN && (wp == VK_UP || wp == VK_DOWN)) return SendMessageA(comboWnd, msg, wp, lp);
  if (msg == WM_CHAR && (wp == '\r' || wp == 27) && !combo->dropped_) return 0;
  if (msg == WM_NCDESTROY) RemovePropA(edit, kComboProp);
  return CallWindowProcA(combo->editProc_, edit, msg, wp, lp);
}

}  // namespace

void RegisterComboBoxClass() {
  RegisterControlClass("COMBOBOX", ControlProc<Combo>, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win::controls
