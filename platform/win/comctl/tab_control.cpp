// "SysTabControl32": a row of tabs over a page area, as a page control
// needs it: items, selection with TCN_SELCHANGING / TCN_SELCHANGE, the
// page rectangle (TCM_ADJUSTRECT), hit tests, keyboard and owner drawing.
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

constexpr int kPadding = 6;
constexpr int kLift = 2;  // the selected tab stands this much taller and wider

struct Tab {
  std::string text;
  int image = -1;
  LPARAM param = 0;
  DWORD state = 0;
};

class TabControl {
 public:
  TabControl(HWND hwnd, const CREATESTRUCTA& cs) : hwnd_(hwnd) {
    // Pages and the scroll arrows are children the tabs never paint over.
    SetWindowLongA(hwnd, GWL_STYLE, cs.style | WS_CLIPCHILDREN);
  }

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        UpdateScroller();
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_SIZE:
        UpdateScroller();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lp) == scroller_ && LOWORD(wp) == SB_THUMBPOSITION) {
          firstVisible_ = std::clamp(static_cast<int>(static_cast<short>(HIWORD(wp))), 0, std::max(0, Count() - 1));
          InvalidateRect(hwnd_, nullptr, TRUE);
        }
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        focused_ = msg == WM_SETFOCUS;
        InvalidateRect(hwnd_, nullptr, FALSE);
        NotifyCode(hwnd_, focused_ ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
      case WM_LBUTTONDOWN: {
        int i = HitTest({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (i < 0) return 0;
        if (!(Style() & TCS_FOCUSNEVER) && GetFocus() != hwnd_) SetFocus(hwnd_);
        HWND self = hwnd_;  // the parent may destroy the control in a notification
        NotifyCode(self, NM_CLICK);
        if (IsWindow(self)) UserSelect(i);
        return 0;
      }
      case WM_RBUTTONUP: NotifyCode(hwnd_, NM_RCLICK); return DefWindowProcA(hwnd_, msg, wp, lp);
      case WM_KEYDOWN: {
        NMTCKEYDOWN kd{};
        kd.wVKey = static_cast<WORD>(wp);
        kd.flags = static_cast<UINT>(HIWORD(lp));
        Notify(hwnd_, TCN_KEYDOWN, &kd.hdr);
        int n = Count();
        if (!n) return 0;
        if (wp == VK_LEFT || wp == VK_UP) UserSelect(std::max(0, cur_ - 1));
        if (wp == VK_RIGHT || wp == VK_DOWN) UserSelect(std::min(n - 1, cur_ + 1));
        if (wp == VK_HOME) UserSelect(0);
        if (wp == VK_END) UserSelect(n - 1);
        return 0;
      }
      case TCM_GETITEMCOUNT: return Count();
      case TCM_INSERTITEMA: {
        const auto* item = reinterpret_cast<const TCITEMA*>(lp);
        int at = static_cast<int>(wp);
        if (!item || at < 0) return -1;
        at = std::min(at, Count());
        Tab t;
        Apply(t, *item);
        tabs_.insert(tabs_.begin() + at, t);
        if (cur_ >= at) cur_++;
        UpdateScroller();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return at;
      }
      case TCM_SETITEMA: {
        const auto* item = reinterpret_cast<const TCITEMA*>(lp);
        if (!item || !Valid(static_cast<int>(wp))) return FALSE;
        Apply(tabs_[static_cast<size_t>(wp)], *item);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      }
      case TCM_GETITEMA: {
        auto* item = reinterpret_cast<TCITEMA*>(lp);
        if (!item || !Valid(static_cast<int>(wp))) return FALSE;
        const Tab& t = tabs_[static_cast<size_t>(wp)];
        if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
          size_t n = std::min(t.text.size(), static_cast<size_t>(item->cchTextMax) - 1);
          std::memcpy(item->pszText, t.text.data(), n);
          item->pszText[n] = 0;
        }
        if (item->mask & TCIF_IMAGE) item->iImage = t.image;
        if (item->mask & TCIF_PARAM) item->lParam = t.param;
        if (item->mask & TCIF_STATE) item->dwState = t.state & item->dwStateMask;
        return TRUE;
      }
      case TCM_DELETEITEM: {
        int i = static_cast<int>(wp);
        if (!Valid(i)) return FALSE;
        tabs_.erase(tabs_.begin() + i);
        if (cur_ == i)
          cur_ = -1;
        else if (cur_ > i)
          cur_--;
        UpdateScroller();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return TRUE;
      }
      case TCM_DELETEALLITEMS:
        tabs_.clear();
        cur_ = -1;
        UpdateScroller();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return TRUE;
      case TCM_GETCURSEL: return cur_;
      case TCM_SETCURSEL: {
        int i = static_cast<int>(wp);
        if (!Valid(i)) return -1;
        int old = cur_;
        cur_ = i;
        ShowTab(i);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return old;
      }
      case TCM_GETCURFOCUS: return cur_;
      case TCM_SETCURFOCUS: UserSelect(static_cast<int>(wp)); return 0;
      case TCM_GETITEMRECT:
        if (!lp || !Valid(static_cast<int>(wp))) return FALSE;
        *reinterpret_cast<RECT*>(lp) = TabRect(static_cast<int>(wp));
        return TRUE;
      case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lp);
        if (!info) return -1;
        int i = HitTest(info->pt);
        info->flags = i < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
        return i;
      }
      case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(lp);
        if (!r) return 0;
        int d = wp ? -1 : 1;
        r->left += d * 4;
        r->right -= d * 4;
        r->bottom -= d * 4;
        r->top += d * (RowHeight() + 2);
        return 0;
      }
      case TCM_SETITEMSIZE: {
        LRESULT old = MAKELRESULT(fixedWidth_, TabHeight());
        fixedWidth_ = LOWORD(lp);
        if (HIWORD(lp)) fixedHeight_ = HIWORD(lp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return old;
      }
      case TCM_SETMINTABWIDTH: {
        int old = minWidth_;
        minWidth_ = static_cast<int>(lp);
        return old;
      }
      case TCM_SETPADDING: return 0;
      case TCM_GETROWCOUNT: return Rows();
      case TCM_SETIMAGELIST: {
        LPARAM old = imageList_;
        imageList_ = lp;
        return old;
      }
      case TCM_GETIMAGELIST: return imageList_;
      case TCM_HIGHLIGHTITEM:
        if (!Valid(static_cast<int>(wp))) return FALSE;
        if (LOWORD(lp))
          tabs_[static_cast<size_t>(wp)].state |= TCIS_HIGHLIGHTED;
        else
          tabs_[static_cast<size_t>(wp)].state &= ~static_cast<DWORD>(TCIS_HIGHLIGHTED);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return TRUE;
      case TCM_DESELECTALL: return 0;
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  int Count() const { return static_cast<int>(tabs_.size()); }
  bool Valid(int i) const { return i >= 0 && i < Count(); }
  int TabHeight() const { return fixedHeight_ ? fixedHeight_ : win::controls::FontHeight(font_) + 6; }
  // Height of the tab rows above the page.
  int RowHeight() const { return Rows() * TabHeight() + kLift; }
  bool MultiLine() const { return Style() & TCS_MULTILINE; }

  // Multi-line: tabs fill rows from the left; a row holds at least one tab.
  std::vector<int> RowOfTabs() const {
    std::vector<int> rows;
    RECT client;
    GetClientRect(hwnd_, &client);
    int room = std::max(1, static_cast<int>(client.right) - 2 * kLift), x = 0, row = 0;
    for (int i = 0; i < Count(); i++) {
      int w = TabWidth(i);
      if (x > 0 && x + w > room) {
        row++;
        x = 0;
      }
      rows.push_back(row);
      x += w;
    }
    return rows;
  }
  int Rows() const {
    if (!MultiLine() || !Count()) return 1;
    return RowOfTabs().back() + 1;
  }

  static void Apply(Tab& t, const TCITEMA& item) {
    if (item.mask & TCIF_TEXT) t.text = item.pszText ? item.pszText : "";
    if (item.mask & TCIF_IMAGE) t.image = item.iImage;
    if (item.mask & TCIF_PARAM) t.param = item.lParam;
    if (item.mask & TCIF_STATE) t.state = (t.state & ~item.dwStateMask) | (item.dwState & item.dwStateMask);
  }

  int TabWidth(int i) const {
    if (fixedWidth_) return fixedWidth_;
    HDC dc = GetDC(hwnd_);
    SIZE sz{};
    {
      FontScope f(dc, font_);
      const std::string& s = tabs_[static_cast<size_t>(i)].text;
      GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &sz);
    }
    ReleaseDC(hwnd_, dc);
    return std::max(minWidth_, static_cast<int>(sz.cx) + 2 * kPadding);
  }

  // The tab's rectangle when it is not selected; tabs scrolled off to the
  // left lie at negative positions.
  RECT TabRect(int i) const {
    if (MultiLine()) return MultiLineTabRect(i);
    int x = kLift;
    for (int k = firstVisible_; k < i; k++) x += TabWidth(k);
    for (int k = i; k < firstVisible_; k++) x -= TabWidth(k);
    return {x, kLift, x + TabWidth(i), kLift + TabHeight()};
  }

  // The row of the selected tab stands next to the page (the rows rotate);
  // without TCS_RAGGEDRIGHT the tabs of a full row share out its width.
  RECT MultiLineTabRect(int i) const {
    std::vector<int> rows = RowOfTabs();
    int count = Rows();
    int selectedRow = Valid(cur_) ? rows[static_cast<size_t>(cur_)] : count - 1;
    int row = rows[static_cast<size_t>(i)];
    int shown = (row - selectedRow - 1 + 2 * count) % count;  // 0 at the top, count - 1 next to the page
    RECT client;
    GetClientRect(hwnd_, &client);
    int room = static_cast<int>(client.right) - 2 * kLift;
    int x = kLift, used = 0, inRow = 0, before = 0;
    for (int k = 0; k < Count(); k++) {
      if (rows[static_cast<size_t>(k)] != row) continue;
      used += TabWidth(k);
      if (k < i) before++;
      inRow++;
    }
    int extra = (count > 1 && !(Style() & TCS_RAGGEDRIGHT)) ? std::max(0, room - used) : 0;
    int width = TabWidth(i) + extra / inRow + (before == inRow - 1 ? extra % inRow : 0);
    for (int k = 0; k < i; k++)
      if (rows[static_cast<size_t>(k)] == row) x += TabWidth(k) + extra / inRow;
    int top = kLift + shown * TabHeight();
    return {x, top, x + width, top + TabHeight()};
  }

  int ScrollerWidth() const { return 2 * GetSystemMetrics(SM_CXVSCROLL); }

  // Where the tabs end: before the scroll arrows when they show.
  int TabsRight() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return scroller_ ? client.right - ScrollerWidth() : client.right;
  }

  // A single row wider than the control gets scroll arrows (an up-down
  // control) at its right end.
  void UpdateScroller() {
    RECT client;
    GetClientRect(hwnd_, &client);
    int total = 2 * kLift;
    for (int i = 0; i < Count(); i++) total += TabWidth(i);
    bool needed = !MultiLine() && Count() > 1 && total > client.right;
    if (!needed) {
      if (scroller_) DestroyWindow(scroller_);
      scroller_ = nullptr;
      firstVisible_ = 0;
      return;
    }
    int w = ScrollerWidth(), h = std::min(TabHeight(), GetSystemMetrics(SM_CYHSCROLL) + 1);
    if (!scroller_) {
      RegisterSmallControls();
      scroller_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE | UDS_HORZ, client.right - w,
                                  RowHeight() - h - 1, w, h, hwnd_, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    } else {
      SetWindowPos(scroller_, nullptr, client.right - w, RowHeight() - h - 1, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    firstVisible_ = std::min(firstVisible_, Count() - 1);
    SendMessageA(scroller_, UDM_SETRANGE32, 0, Count() - 1);
    SendMessageA(scroller_, UDM_SETPOS32, 0, firstVisible_);
  }

  // Scrolls the row so that tab i shows whole.
  void ShowTab(int i) {
    if (!scroller_ || !Valid(i)) return;
    if (i < firstVisible_) firstVisible_ = i;
    while (firstVisible_ < i && TabRect(i).right + kLift > TabsRight()) firstVisible_++;
    SendMessageA(scroller_, UDM_SETPOS32, 0, firstVisible_);
  }

  int HitTest(POINT p) const {
    if (p.x >= TabsRight()) return -1;
    for (int i = firstVisible_; i < Count(); i++) {
      RECT r = TabRect(i);
      if (i == cur_) InflateRect(&r, kLift, kLift);
      if (PtInRect(&r, p)) return i;
    }
    return -1;
  }

  // A change the user makes: the parent may refuse it in TCN_SELCHANGING.
  void UserSelect(int i) {
    if (!Valid(i) || i == cur_) return;
    HWND self = hwnd_;
    LRESULT refused = NotifyCode(self, TCN_SELCHANGING);
    if (!IsWindow(self) || refused) return;
    cur_ = i;
    ShowTab(i);
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
    NotifyCode(hwnd_, TCN_SELCHANGE);
  }

  void PaintTab(HDC dc, int i) {
    RECT r = TabRect(i);
    bool selected = i == cur_;
    if (selected) {
      r.left -= kLift;
      r.right += kLift;
      r.top -= kLift;
      r.bottom += 1;  // over the page's top edge
    }
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    FillRect(dc, &r, face);
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHIGHLIGHT));
    HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
    HPEN black = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    HGDIOBJ old = SelectObject(dc, light);
    // Left side, rounded top-left corner, top.
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top + 2);
    LineTo(dc, r.left + 2, r.top);
    LineTo(dc, r.right - 2, r.top);
    // Right side: shadow inside, dark shadow outside, rounded.
    SelectObject(dc, dark);
    MoveToEx(dc, r.right - 2, r.top + 1, nullptr);
    LineTo(dc, r.right - 2, r.bottom);
    SelectObject(dc, black);
    MoveToEx(dc, r.right - 1, r.top + 2, nullptr);
    LineTo(dc, r.right - 1, r.bottom);
    SelectObject(dc, old);
    DeleteObject(light);
    DeleteObject(dark);
    DeleteObject(black);
    RECT label = r;
    label.top += 1;
    if (Style() & TCS_OWNERDRAWFIXED) {
      DRAWITEMSTRUCT dis{};
      dis.CtlType = ODT_TAB;
      dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
      dis.itemID = static_cast<UINT>(i);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.itemState = selected ? ODS_SELECTED : 0;
      dis.hwndItem = hwnd_;
      dis.hDC = dc;
      InflateRect(&label, -2, -2);
      dis.rcItem = label;
      dis.itemData = static_cast<ULONG_PTR>(tabs_[static_cast<size_t>(i)].param);
      SendMessageA(GetParent(hwnd_), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
      return;
    }
    SetBkMode(dc, TRANSPARENT);
    bool hot = tabs_[static_cast<size_t>(i)].state & TCIS_HIGHLIGHTED;
    SetTextColor(dc, GetSysColor(!IsWindowEnabled(hwnd_) ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHT : COLOR_BTNTEXT));
    DrawTextA(dc, tabs_[static_cast<size_t>(i)].text.c_str(), -1, &label, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    if (selected && focused_) {
      RECT f = label;
      InflateRect(&f, -3, -3);
      DrawFocusRect(dc, &f);
    }
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HBRUSH back = win::controls::ParentBrush(hwnd_, dc, WM_CTLCOLORDLG);
    FillRect(dc, &client, back);
    RECT body = client;
    body.top = RowHeight();
    FillRect(dc, &body, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(dc, &body, EDGE_RAISED, BF_RECT | BF_SOFT);
    FontScope f(dc, font_);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, TabsRight(), client.bottom);
    for (int i = firstVisible_; i < Count(); i++)
      if (i != cur_) PaintTab(dc, i);
    if (Valid(cur_) && cur_ >= firstVisible_) PaintTab(dc, cur_);
    RestoreDC(dc, saved);
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  HFONT font_ = nullptr;
  std::vector<Tab> tabs_;
  int cur_ = -1;
  int fixedWidth_ = 0, fixedHeight_ = 0, minWidth_ = 0;
  LPARAM imageList_ = 0;
  bool focused_ = false;
  HWND scroller_ = nullptr;
  int firstVisible_ = 0;
};

}  // namespace

void RegisterTabControlClass() {
  win::controls::RegisterControlClass(WC_TABCONTROLA, ControlProc<TabControl>, CS_DBLCLKS);
}

}  // namespace win::comctl
