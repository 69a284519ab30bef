// "LISTBOX" (and "ComboLBox", the list of a combo box): single, multiple and
// extended selection, sorting, owner drawing, keyboard, wheel and scroll bar.
#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

#include "platform/win/controls/combo_link.h"
#include "platform/win/controls/control_base.h"
#include "platform/win/controls/system_classes.h"

namespace win::controls {
namespace {

struct Item {
  std::string text;
  ULONG_PTR data = 0;
  bool selected = false;
  int height = 0;
};

class ListBox {
 public:
  ListBox(HWND hwnd, const CREATESTRUCTA& cs) : hwnd_(hwnd) {
    if (cs.style & LBS_COMBOBOX) combo_ = static_cast<HWND>(cs.lpCreateParams);
    vscroll_ = cs.style & WS_VSCROLL;  // hiding the bar clears the style bit
  }

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE:
        itemHeight_ = FontHeight(font_);
        if (Style() & LBS_OWNERDRAWFIXED) itemHeight_ = Measure(0, 0, itemHeight_);
        UpdateScrollBar();
        return 0;
      case WM_DESTROY: Reset(); return 0;
      case WM_SIZE: UpdateScrollBar(); return 0;
      case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
      case WM_MOUSEACTIVATE:
        // A dropped list never takes the activation or the focus from its combo.
        if (combo_) return MA_NOACTIVATE;
        return DefWindowProcA(hwnd_, msg, wp, lp);
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        if (!OwnerDraw()) itemHeight_ = FontHeight(font_);
        UpdateScrollBar();
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_ENABLE: InvalidateRect(hwnd_, nullptr, TRUE); return 0;
      case WM_SETFOCUS:
        focused_ = true;
        InvalidateItem(caret_);
        Notify(LBN_SETFOCUS);
        return 0;
      case WM_KILLFOCUS:
        focused_ = false;
        InvalidateItem(caret_);
        Notify(LBN_KILLFOCUS);
        return 0;
      case WM_LBUTTONDOWN: MouseDown(lp); return 0;
      case WM_LBUTTONDBLCLK:
        if (combo_) return 0;
        MouseDown(lp);
        if (Style() & LBS_NOTIFY) Notify(LBN_DBLCLK);
        return 0;
      case WM_MOUSEMOVE: MouseMove(lp); return 0;
      case WM_LBUTTONUP: MouseUp(lp); return 0;
      case WM_CAPTURECHANGED:
        tracking_ = false;
        if (combo_ && !inScrollBar_ && IsWindowVisible(hwnd_) && reinterpret_cast<HWND>(lp) != hwnd_)
          SendMessageA(combo_, kComboListDone, FALSE, 0);
        return 0;
      case WM_MOUSEWHEEL: Scroll(GET_WHEEL_DELTA_WPARAM(wp) > 0 ? -3 : 3); return 0;
      case WM_VSCROLL: VScroll(LOWORD(wp)); return 0;
      case WM_KEYDOWN: Key(static_cast<int>(wp)); return 0;
      case WM_CHAR: TypeToFind(static_cast<char>(wp)); return 0;
      case LB_ADDSTRING: return Insert(Sorted() ? SortedPosition(lp) : Count(), lp);
      case LB_INSERTSTRING: return Insert(static_cast<int>(wp) < 0 ? Count() : static_cast<int>(wp), lp);
      case LB_DELETESTRING: return Delete(static_cast<int>(wp));
      case LB_RESETCONTENT: Reset(); return LB_OKAY;
      case LB_GETCOUNT: return Count();
      case LB_GETTEXT: {
        int i = static_cast<int>(wp);
        if (!Valid(i)) return LB_ERR;
        if (!HasStrings()) {
          std::memcpy(reinterpret_cast<void*>(lp), &items_[Idx(i)].data, sizeof(ULONG_PTR));
          return sizeof(ULONG_PTR);
        }
        std::strcpy(reinterpret_cast<char*>(lp), items_[Idx(i)].text.c_str());
        return static_cast<LRESULT>(items_[Idx(i)].text.size());
      }
      case LB_GETTEXTLEN: {
        int i = static_cast<int>(wp);
        if (!Valid(i)) return LB_ERR;
        return HasStrings() ? static_cast<LRESULT>(items_[Idx(i)].text.size()) : sizeof(ULONG_PTR);
      }
      case LB_GETITEMDATA: return Valid(static_cast<int>(wp)) ? static_cast<LRESULT>(items_[Idx(wp)].data) : LB_ERR;
      case LB_SETITEMDATA:
        if (!Valid(static_cast<int>(wp))) return LB_ERR;
        items_[Idx(wp)].data = static_cast<ULONG_PTR>(lp);
        return TRUE;
      case LB_SETCURSEL: {
        if (Multi()) return LB_ERR;
        int i = static_cast<int>(wp);
        SelectOnly(Valid(i) ? i : -1);
        if (Valid(i)) ShowItem(i);
        return Valid(i) ? i : LB_ERR;
      }
      case LB_GETCURSEL:
        if (Multi()) return Count() ? caret_ : LB_ERR;
        return SingleSelection();
      case LB_SETSEL: {
        if (!Multi()) return LB_ERR;
        int i = static_cast<int>(lp);
        if (i == -1) {
          for (Item& it : items_) it.selected = wp != 0;
          InvalidateRect(hwnd_, nullptr, FALSE);
        } else if (Valid(i)) {
          SetSelected(i, wp != 0);
          caret_ = i;
        } else {
          return LB_ERR;
        }
        return LB_OKAY;
      }
      case LB_GETSEL: return Valid(static_cast<int>(wp)) ? items_[Idx(wp)].selected : LB_ERR;
      case LB_GETSELCOUNT:
        if (!Multi()) return LB_ERR;
        return std::count_if(items_.begin(), items_.end(), [](const Item& it) { return it.selected; });
      case LB_GETSELITEMS: {
        if (!Multi()) return LB_ERR;
        int n = 0, max = static_cast<int>(wp);
        int* out = reinterpret_cast<int*>(lp);
        for (int i = 0; i < Count() && n < max; i++)
          if (items_[Idx(i)].selected) out[n++] = i;
        return n;
      }
      case LB_SELITEMRANGE:
      case LB_SELITEMRANGEEX: {
        if (!Multi()) return LB_ERR;
        int a = msg == LB_SELITEMRANGE ? LOWORD(lp) : static_cast<int>(wp);
        int b = msg == LB_SELITEMRANGE ? HIWORD(lp) : static_cast<int>(lp);
        bool on = msg == LB_SELITEMRANGE ? wp != 0 : a <= b;
        for (int i = std::min(a, b); i <= std::max(a, b); i++)
          if (Valid(i)) SetSelected(i, on);
        return LB_OKAY;
      }
      case LB_FINDSTRING: return Find(static_cast<int>(wp), reinterpret_cast<const char*>(lp), false);
      case LB_FINDSTRINGEXACT: return Find(static_cast<int>(wp), reinterpret_cast<const char*>(lp), true);
      case LB_SELECTSTRING: {
        int i = Find(static_cast<int>(wp), reinterpret_cast<const char*>(lp), false);
        if (i < 0) return LB_ERR;
        if (Multi()) {
          SetSelected(i, true);
          caret_ = i;
        } else {
          SelectOnly(i);
        }
        ShowItem(i);
        return i;
      }
      case LB_GETTOPINDEX: return top_;
      case LB_SETTOPINDEX:
        if (Count() && !Valid(static_cast<int>(wp))) return LB_ERR;
        SetTop(static_cast<int>(wp));
        return LB_OKAY;
      case LB_GETITEMRECT: {
        if (!Valid(static_cast<int>(wp)) && !(wp == 0 && Count() == 0)) return LB_ERR;
        *reinterpret_cast<RECT*>(lp) = ItemRect(static_cast<int>(wp));
        return TRUE;
      }
      case LB_SETANCHORINDEX: anchor_ = static_cast<int>(wp); return LB_OKAY;
      case LB_GETANCHORINDEX: return anchor_;
      case LB_SETCARETINDEX:
        if (!Valid(static_cast<int>(wp))) return LB_ERR;
        InvalidateItem(caret_);
        caret_ = static_cast<int>(wp);
        if (!Multi()) SelectOnly(caret_);
        ShowItem(caret_);
        return LB_OKAY;
      case LB_GETCARETINDEX: return caret_;
      case LB_SETITEMHEIGHT: {
        int h = LOWORD(lp);
        if (h <= 0 || h > 255) return LB_ERR;
        if (Style() & LBS_OWNERDRAWVARIABLE) {
          if (!Valid(static_cast<int>(wp))) return LB_ERR;
          items_[Idx(wp)].height = h;
        } else {
          itemHeight_ = h;
        }
        UpdateScrollBar();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return LB_OKAY;
      }
      case LB_GETITEMHEIGHT:
        if ((Style() & LBS_OWNERDRAWVARIABLE) && Valid(static_cast<int>(wp))) return items_[Idx(wp)].height;
        return itemHeight_;
      case LB_ITEMFROMPOINT: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        int i = ItemAt(p);
        RECT r;
        GetClientRect(hwnd_, &r);
        bool outside = !PtInRect(&r, p) || i < 0;
        return MAKELRESULT(std::max(i, 0), outside ? 1 : 0);
      }
      case LB_INITSTORAGE: items_.reserve(items_.size() + wp); return Count();
      case LB_SETTABSTOPS: return TRUE;
      case LB_SETHORIZONTALEXTENT:
      case LB_SETCOLUMNWIDTH: return 0;
      case LB_GETHORIZONTALEXTENT: return 0;
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  bool OwnerDraw() const { return Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE); }
  bool HasStrings() const { return !OwnerDraw() || (Style() & LBS_HASSTRINGS); }
  bool Sorted() const { return Style() & LBS_SORT; }
  bool Multi() const { return Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL); }
  bool Extended() const { return Style() & LBS_EXTENDEDSEL; }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Valid(int i) const { return i >= 0 && i < Count(); }
  static size_t Idx(WPARAM i) { return static_cast<size_t>(i); }
  static size_t Idx(int i) { return static_cast<size_t>(i); }

  // Owner-draw messages go where the system sends them: to the parent, or
  // for a combo's list to the combo's parent, naming the combo.
  HWND OwnerWindow() const { return combo_ ? GetParent(combo_) : GetParent(hwnd_); }
  HWND ItemWindow() const { return combo_ ? combo_ : hwnd_; }
  UINT CtlType() const { return combo_ ? ODT_COMBOBOX : ODT_LISTBOX; }
  UINT CtlId() const { return static_cast<UINT>(GetDlgCtrlID(ItemWindow())); }

  void Notify(int code) {
    if (combo_) {
      SendMessageA(combo_, WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(hwnd_));
      return;
    }
    if (code == LBN_SELCHANGE || code == LBN_DBLCLK || code == LBN_SELCANCEL)
      if (!(Style() & LBS_NOTIFY)) return;
    NotifyParent(hwnd_, code);
  }

  int Measure(int index, ULONG_PTR data, int fallback) {
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = CtlType();
    mis.CtlID = CtlId();
    mis.itemID = static_cast<UINT>(index);
    mis.itemHeight = static_cast<UINT>(fallback);
    RECT r;
    GetClientRect(hwnd_, &r);
    mis.itemWidth = static_cast<UINT>(r.right);
    mis.itemData = data;
    if (HWND owner = OwnerWindow()) SendMessageA(owner, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    return std::max(1, static_cast<int>(mis.itemHeight));
  }

  int SortedPosition(LPARAM lp) {
    int i = 0;
    for (; i < Count(); i++) {
      int cmp;
      if (HasStrings()) {
        cmp = strcasecmp(reinterpret_cast<const char*>(lp), items_[Idx(i)].text.c_str());
      } else {
        COMPAREITEMSTRUCT cis{};
        cis.CtlType = CtlType();
        cis.CtlID = CtlId();
        cis.hwndItem = ItemWindow();
        cis.itemID1 = static_cast<UINT>(-1);
        cis.itemData1 = static_cast<ULONG_PTR>(lp);
        cis.itemID2 = static_cast<UINT>(i);
        cis.itemData2 = items_[Idx(i)].data;
        cmp = static_cast<int>(SendMessageA(OwnerWindow(), WM_COMPAREITEM, cis.CtlID, reinterpret_cast<LPARAM>(&cis)));
      }
      if (cmp < 0) break;
    }
    return i;
  }

  LRESULT Insert(int at, LPARAM lp) {
    if (at > Count()) return LB_ERR;
    Item it;
    if (HasStrings())
      it.text = lp ? reinterpret_cast<const char*>(lp) : "";
    else
      it.data = static_cast<ULONG_PTR>(lp);
    items_.insert(items_.begin() + at, it);
    if (Style() & LBS_OWNERDRAWVARIABLE) items_[Idx(at)].height = Measure(at, items_[Idx(at)].data, itemHeight_);
    // The caret stays with its item; in a list without a selection it stays first.
    bool anySelected = std::any_of(items_.begin(), items_.end(), [](const Item& x) { return x.selected; });
    if (anySelected && caret_ >= at && Count() > 1) caret_++;
    if (anchor_ >= at && anchor_ >= 0 && Count() > 1) anchor_++;
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
    return at;
  }

  void SendDeleteItem(int i) {
    const Item& it = items_[Idx(i)];
    if (!OwnerDraw() && !it.data) return;
    DELETEITEMSTRUCT dis{};
    dis.CtlType = CtlType();
    dis.CtlID = CtlId();
    dis.itemID = static_cast<UINT>(i);
    dis.hwndItem = ItemWindow();
    dis.itemData = it.data;
    if (HWND owner = OwnerWindow()) SendMessageA(owner, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  }

  LRESULT Delete(int i) {
    if (!Valid(i)) return LB_ERR;
    SendDeleteItem(i);
    items_.erase(items_.begin() + i);
    if (caret_ > i || caret_ >= Count()) caret_ = std::max(0, caret_ - 1);
    if (anchor_ > i) anchor_--;
    if (top_ >= Count()) top_ = std::max(0, Count() - 1);
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
    return Count();
  }

  void Reset() {
    for (int i = 0; i < Count(); i++) SendDeleteItem(i);
    items_.clear();
    caret_ = 0;
    anchor_ = -1;
    top_ = 0;
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  int SingleSelection() const {
    for (int i = 0; i < Count(); i++)
      if (items_[Idx(i)].selected) return i;
    return LB_ERR;
  }

  void SetSelected(int i, bool on) {
    if (items_[Idx(i)].selected == on) return;
    items_[Idx(i)].selected = on;
    InvalidateItem(i);
  }

  // Single selection: i alone selected (none for -1); the caret follows.
  void SelectOnly(int i) {
    for (int k = 0; k < Count(); k++) SetSelected(k, k == i);
    if (i >= 0) {
      InvalidateItem(caret_);
      caret_ = i;
      InvalidateItem(caret_);
    }
  }

  int Find(int after, const char* text, bool exact) const {
    if (!text || !Count()) return LB_ERR;
    size_t n = std::strlen(text);
    int start = Valid(after) ? after + 1 : 0;
    for (int k = 0; k < Count(); k++) {
      int i = (start + k) % Count();
      const Item& it = items_[Idx(i)];
      if (!HasStrings()) {
        if (it.data == reinterpret_cast<ULONG_PTR>(text)) return i;
        continue;
      }
      if (exact ? strcasecmp(it.text.c_str(), text) == 0 : strncasecmp(it.text.c_str(), text, n) == 0) return i;
    }
    return LB_ERR;
  }

  int HeightOf(int i) const { return (Style() & LBS_OWNERDRAWVARIABLE) ? items_[Idx(i)].height : itemHeight_; }

  RECT ItemRect(int i) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    int y = 0;
    if (i >= top_)
      for (int k = top_; k < i; k++) y += HeightOf(k);
    else
      for (int k = i; k < top_; k++) y -= HeightOf(k);
    return {0, y, client.right, y + (Valid(i) ? HeightOf(i) : itemHeight_)};
  }

  int ItemAt(POINT p) const {
    if (p.y < 0) return top_ > 0 ? top_ - 1 : (Count() ? 0 : -1);
    int y = 0;
    for (int i = top_; i < Count(); i++) {
      y += HeightOf(i);
      if (p.y < y) return i;
    }
    return Count() ? Count() - 1 : -1;
  }

  int VisibleCount(int from) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    int y = 0, n = 0;
    for (int i = from; i < Count(); i++) {
      y += HeightOf(i);
      if (y > client.bottom) break;
      n++;
    }
    return std::max(1, n);
  }

  int MaxTop() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    int y = 0, i = Count();
    while (i > 0 && y + HeightOf(i - 1) <= client.bottom) y += HeightOf(--i);
    return std::min(i, std::max(0, Count() - 1));
  }

  void SetTop(int top) {
    top = std::clamp(top, 0, MaxTop());
    if (top == top_) return;
    top_ = top;
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void Scroll(int delta) { SetTop(top_ + delta); }

  void ShowItem(int i) {
    if (!Valid(i)) return;
    if (i < top_) {
      SetTop(i);
      return;
    }
    while (i >= top_ + VisibleCount(top_) && top_ < i) SetTop(top_ + 1);
  }

  void UpdateScrollBar() {
    if (!vscroll_) return;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, Count() - 1), 0, top_, 0};
    si.nPage = static_cast<UINT>(VisibleCount(top_));
    if (Style() & LBS_DISABLENOSCROLL) si.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
  }

  void VScroll(int code) {
    int page = VisibleCount(top_);
    switch (code) {
      case SB_LINEUP: Scroll(-1); break;
      case SB_LINEDOWN: Scroll(1); break;
      case SB_PAGEUP: Scroll(-page); break;
      case SB_PAGEDOWN: Scroll(page); break;
      case SB_TOP: SetTop(0); break;
      case SB_BOTTOM: SetTop(MaxTop()); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(hwnd_, SB_VERT, &si);
        SetTop(si.nTrackPos);
        break;
      }
      default: break;
    }
  }

  void InvalidateItem(int i) {
    if (!Valid(i)) return;
    RECT r = ItemRect(i);
    InvalidateRect(hwnd_, &r, FALSE);
  }

  // Extended selection: the range from the anchor to i, alone or added.
  void SelectRange(int i, bool keep) {
    int a = anchor_ < 0 ? i : anchor_;
    for (int k = 0; k < Count(); k++) {
      bool inRange = k >= std::min(a, i) && k <= std::max(a, i);
      if (inRange)
        SetSelected(k, true);
      else if (!keep)
        SetSelected(k, false);
    }
  }

  std::vector<bool> Selection() const {
    std::vector<bool> s;
    for (const Item& it : items_) s.push_back(it.selected);
    return s;
  }

  void MoveCaretTo(int i) {
    InvalidateItem(caret_);
    caret_ = i;
    InvalidateItem(caret_);
    ShowItem(i);
  }

  void MouseDown(LPARAM lp) {
    if (!combo_ && GetFocus() != hwnd_) SetFocus(hwnd_);
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (combo_) {
      RECT client;
      GetClientRect(hwnd_, &client);
      if (!PtInRect(&client, p)) {
        if (!ScrollBarPressed(p)) SendMessageA(combo_, kComboListDone, FALSE, 0);
        return;
      }
      pressedInside_ = true;
      int i = ItemAt(p);
      if (i >= 0) SelectOnly(i);
      return;
    }
    int i = ItemAt(p);
    if (i < 0 || (Style() & LBS_NOSEL)) return;
    auto before = Selection();
    bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
    if (Extended()) {
      if (shift) {
        SelectRange(i, ctrl);
      } else if (ctrl) {
        SetSelected(i, !items_[Idx(i)].selected);
        anchor_ = i;
      } else {
        anchor_ = i;
        SelectRange(i, false);
      }
    } else if (Multi()) {
      SetSelected(i, !items_[Idx(i)].selected);
    } else {
      SelectOnly(i);
    }
    MoveCaretTo(i);
    SetCapture(hwnd_);
    tracking_ = true;
    if (Selection() != before) Notify(LBN_SELCHANGE);
  }

  // A press on the dropped list's own scroll bar scrolls it and keeps it open.
  bool ScrollBarPressed(POINT p) {
    POINT screen = p;
    ClientToScreen(hwnd_, &screen);
    LPARAM at = MAKELPARAM(screen.x, screen.y);
    LRESULT hit = SendMessageA(hwnd_, WM_NCHITTEST, 0, at);
    if (hit != HTVSCROLL) return false;
    inScrollBar_ = true;
    DefWindowProcA(hwnd_, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), at);
    inScrollBar_ = false;
    if (IsWindow(hwnd_) && IsWindowVisible(hwnd_)) SetCapture(hwnd_);
    return true;
  }

  void MouseMove(LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (combo_) {
      RECT client;
      GetClientRect(hwnd_, &client);
      if (!PtInRect(&client, p)) return;
      int i = ItemAt(p);
      if (i >= 0 && i != SingleSelection()) SelectOnly(i);
      return;
    }
    if (!tracking_ || (Multi() && !Extended())) return;
    int i = ItemAt(p);
    if (i < 0 || i == caret_) return;
    auto before = Selection();
    if (Extended())
      SelectRange(i, KeyDown(VK_CONTROL));
    else
      SelectOnly(i);
    MoveCaretTo(i);
    if (Selection() != before) Notify(LBN_SELCHANGE);
  }

  void MouseUp(LPARAM lp) {
    if (combo_) {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      RECT client;
      GetClientRect(hwnd_, &client);
      pressedInside_ = false;
      if (PtInRect(&client, p) && ItemAt(p) >= 0) {
        SelectOnly(ItemAt(p));
        // The choice may destroy the combo and this list with it: nothing after it.
        SendMessageA(combo_, kComboListDone, TRUE, 0);
      }
      return;
    }
    if (!tracking_) return;
    tracking_ = false;
    ReleaseCapture();
  }

  void Key(int vk) {
    if ((Style() & LBS_WANTKEYBOARDINPUT) && !combo_) {
      LRESULT r =
          SendMessageA(GetParent(hwnd_), WM_VKEYTOITEM, MAKEWPARAM(vk, caret_), reinterpret_cast<LPARAM>(hwnd_));
      if (r == -2) return;
      if (r >= 0 && Valid(static_cast<int>(r))) return KeyMoveTo(static_cast<int>(r));
    }
    if (!Count()) return;
    int page = VisibleCount(top_);
    int target = caret_;
    // Without a selection the first arrow selects the caret's item.
    bool none = !Multi() && SingleSelection() < 0;
    switch (vk) {
      case VK_UP: target -= none ? 0 : 1; break;
      case VK_DOWN: target += none ? 0 : 1; break;
      case VK_PRIOR: target -= page - 1; break;
      case VK_NEXT: target += page - 1; break;
      case VK_HOME: target = 0; break;
      case VK_END: target = Count() - 1; break;
      case VK_SPACE:
        if (Multi() && !(Style() & LBS_NOSEL)) {
          auto before = Selection();
          if (Extended() && !KeyDown(VK_CONTROL)) {
            anchor_ = caret_;
            SelectRange(caret_, false);
          } else {
            SetSelected(caret_, !items_[Idx(caret_)].selected);
            anchor_ = caret_;
          }
          if (Selection() != before) Notify(LBN_SELCHANGE);
        }
        return;
      default: return;
    }
    KeyMoveTo(std::clamp(target, 0, Count() - 1));
  }

  void KeyMoveTo(int i) {
    auto before = Selection();
    if (Style() & LBS_NOSEL) {
      MoveCaretTo(i);
      return;
    }
    if (Extended()) {
      if (KeyDown(VK_SHIFT)) {
        SelectRange(i, KeyDown(VK_CONTROL));
      } else if (!KeyDown(VK_CONTROL)) {
        anchor_ = i;
        SelectRange(i, false);
      }
    } else if (!Multi()) {
      SelectOnly(i);
    }
    MoveCaretTo(i);
    if (Selection() != before) Notify(LBN_SELCHANGE);
  }

  void TypeToFind(char ch) {
    if ((Style() & LBS_WANTKEYBOARDINPUT) && !HasStrings()) {
      LRESULT r = SendMessageA(GetParent(hwnd_), WM_CHARTOITEM, MAKEWPARAM(static_cast<unsigned char>(ch), caret_),
                               reinterpret_cast<LPARAM>(hwnd_));
      if (r >= 0 && Valid(static_cast<int>(r))) KeyMoveTo(static_cast<int>(r));
      return;
    }
    if (!HasStrings() || static_cast<unsigned char>(ch) < 32) return;
    char s[2] = {ch, 0};
    int i = Find(caret_, s, false);
    if (i >= 0) KeyMoveTo(i);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    // A combo's list asks the combo, which asks its own parent.
    HBRUSH back = combo_
                      ? reinterpret_cast<HBRUSH>(SendMessageA(combo_, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(hwnd_)))
                      : ParentBrush(hwnd_, dc, WM_CTLCOLORLISTBOX);
    COLORREF ink = IsWindowEnabled(hwnd_) ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    FontScope f(dc, font_);
    int y = 0;
    for (int i = top_; i < Count() && y < client.bottom; i++) {
      RECT r{0, y, client.right, y + HeightOf(i)};
      y = r.bottom;
      const Item& it = items_[Idx(i)];
      bool caret = i == caret_ && focused_ && !combo_;
      if (OwnerDraw()) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = CtlType();
        dis.CtlID = CtlId();
        dis.itemID = static_cast<UINT>(i);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState =
            (it.selected ? ODS_SELECTED : 0) | (caret ? ODS_FOCUS : 0) | (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
        dis.hwndItem = ItemWindow();
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = it.data;
        FillRect(dc, &r, back);
        SendMessageA(OwnerWindow(), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        continue;
      }
      if (it.selected) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      } else {
        FillRect(dc, &r, back);
        SetTextColor(dc, ink);
      }
      SetBkMode(dc, TRANSPARENT);
      RECT t = r;
      t.left += 2;
      UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
      if (Style() & LBS_USETABSTOPS) format |= DT_EXPANDTABS;
      DrawTextA(dc, it.text.c_str(), -1, &t, format);
      if (caret) DrawFocusRect(dc, &r);
    }
    if (y < client.bottom) {
      RECT rest{0, y, client.right, client.bottom};
      FillRect(dc, &rest, back);
    }
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  HWND combo_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<Item> items_;
  int itemHeight_ = 13;
  int top_ = 0, caret_ = 0, anchor_ = -1;
  bool focused_ = false, tracking_ = false, pressedInside_ = false, vscroll_ = false;
  bool inScrollBar_ = false;
};

}  // namespace

void RegisterListBoxClass() {
  RegisterControlClass("LISTBOX", ControlProc<ListBox>, CS_DBLCLKS | CS_PARENTDC);
  RegisterControlClass("ComboLBox", ControlProc<ListBox>, CS_DBLCLKS | CS_SAVEBITS);
}

}  // namespace win::controls
