// "EDIT": single- and multi-line text editing with caret, selection,
// clipboard, undo and the EN_ notifications.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "platform/win/controls/control_base.h"
#include "platform/win/controls/system_classes.h"
#include "platform/win/controls/text_edit_util.h"
#include "platform/win/winbase.h"

namespace win::controls {
namespace {

constexpr int kDefaultLimit = 30000;
constexpr int kMaxLimit = 0x7FFFFFFE;

class Edit {
 public:
  Edit(HWND hwnd, const CREATESTRUCTA& cs) : hwnd_(hwnd) {
    if (cs.lpszName) text_ = cs.lpszName;
    if (cs.style & ES_PASSWORD) password_ = '*';
    // Hiding a scroll bar clears its style bit; the edit keeps the ones it was made with.
    vscroll_ = cs.style & WS_VSCROLL;
    hscroll_ = cs.style & WS_HSCROLL;
  }

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE: Layout(); return 0;
      case WM_SIZE:
        Layout();
        UpdateScrollBars();
        return 0;
      case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if (Multi()) code |= DLGC_WANTALLKEYS;
        return code;
      }
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        Layout();
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_SETTEXT: {
        text_ = lp ? reinterpret_cast<const char*>(lp) : "";
        if (!Multi()) text_ = SingleLine(text_);
        anchor_ = caret_ = 0;
        firstLine_ = 0;
        xOffset_ = 0;
        modified_ = false;
        canUndo_ = false;
        Changed();
        return TRUE;
      }
      case WM_GETTEXT: {
        if (wp == 0 || !lp) return 0;
        size_t n = std::min(text_.size(), static_cast<size_t>(wp) - 1);
        std::memcpy(reinterpret_cast<char*>(lp), text_.data(), n);
        reinterpret_cast<char*>(lp)[n] = 0;
        return static_cast<LRESULT>(n);
      }
      case WM_GETTEXTLENGTH: return static_cast<LRESULT>(text_.size());
      case WM_ENABLE: InvalidateRect(hwnd_, nullptr, TRUE); return 0;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_SETFOCUS:
        focused_ = true;
        InvalidateRect(hwnd_, nullptr, FALSE);
        NotifyParent(hwnd_, EN_SETFOCUS);
        return 0;
      case WM_KILLFOCUS:
        focused_ = false;
        InvalidateRect(hwnd_, nullptr, FALSE);
        NotifyParent(hwnd_, EN_KILLFOCUS);
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: MouseDown(msg == WM_LBUTTONDBLCLK, lp); return 0;
      case WM_MOUSEMOVE:
        if (tracking_) MoveCaret(PosFromPoint({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}), true);
        return 0;
      case WM_LBUTTONUP:
        if (tracking_) {
          tracking_ = false;
          ReleaseCapture();
        }
        return 0;
      case WM_CAPTURECHANGED: tracking_ = false; return 0;
      case WM_MOUSEWHEEL:
        if (!Multi()) return DefWindowProcA(hwnd_, msg, wp, lp);
        ScrollLines(GET_WHEEL_DELTA_WPARAM(wp) > 0 ? -3 : 3);
        return 0;
      case WM_KEYDOWN: OnKeyDown(static_cast<int>(wp)); return 0;
      case WM_CONTEXTMENU: ContextMenu(lp); return 0;
      case WM_CHAR: Char(static_cast<unsigned char>(wp)); return 0;
      case WM_CUT: Cut(); return 0;
      case WM_COPY: Copy(); return 0;
      case WM_PASTE: Paste(); return 0;
      case WM_CLEAR:
        if (!ReadOnly()) Replace("", true);
        return 0;
      case WM_UNDO:
      case EM_UNDO: return Undo();
      case WM_VSCROLL: VScroll(LOWORD(wp)); return 0;
      case WM_HSCROLL: HScroll(LOWORD(wp), HIWORD(wp)); return 0;
      case EM_GETSEL: {
        DWORD s = static_cast<DWORD>(SelStart()), e = static_cast<DWORD>(SelEnd());
        if (wp) *reinterpret_cast<DWORD*>(wp) = s;
        if (lp) *reinterpret_cast<DWORD*>(lp) = e;
        return MAKELRESULT(std::min<DWORD>(s, 0xFFFF), std::min<DWORD>(e, 0xFFFF));
      }
      case EM_SETSEL: SetSel(static_cast<int>(wp), static_cast<int>(lp)); return 0;
      case EM_REPLACESEL: Replace(lp ? reinterpret_cast<const char*>(lp) : "", wp != 0); return 0;
      case EM_LIMITTEXT: limit_ = wp == 0 ? kMaxLimit : static_cast<int>(std::min<WPARAM>(wp, kMaxLimit)); return 0;
      case EM_GETLIMITTEXT: return limit_;
      case EM_GETRECT:
        if (lp) *reinterpret_cast<RECT*>(lp) = rect_;
        return 0;
      case EM_SETRECT:
      case EM_SETRECTNP:
        if (lp) {
          rect_ = *reinterpret_cast<const RECT*>(lp);
          ownRect_ = true;
        } else {
          ownRect_ = false;
          Layout();
        }
        if (msg == EM_SETRECT) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case EM_SETMARGINS:
        if (wp & EC_LEFTMARGIN) leftMargin_ = LOWORD(lp) == EC_USEFONTINFO ? 1 : LOWORD(lp);
        if (wp & EC_RIGHTMARGIN) rightMargin_ = HIWORD(lp) == EC_USEFONTINFO ? 1 : HIWORD(lp);
        Layout();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case EM_GETMARGINS: return MAKELRESULT(leftMargin_, rightMargin_);
      case EM_LINESCROLL:
        if (!Multi()) return FALSE;
        ScrollLines(static_cast<int>(lp));
        ScrollPixels(static_cast<int>(wp) * AverageCharWidth());
        return TRUE;
      case EM_SCROLL: {
        if (!Multi()) return FALSE;
        int before = firstLine_;
        VScroll(static_cast<int>(wp));
        return MAKELRESULT(firstLine_ - before, TRUE);
      }
      case EM_SCROLLCARET: ScrollToCaret(); return TRUE;
      case EM_GETLINECOUNT: return static_cast<LRESULT>(LineStarts().size());
      case EM_LINEINDEX: {
        auto starts = LineStarts();
        int line = static_cast<int>(wp) < 0 ? LineOf(caret_) : static_cast<int>(wp);
        return line < static_cast<int>(starts.size()) ? starts[static_cast<size_t>(line)] : -1;
      }
      case EM_LINELENGTH: {
        if (static_cast<int>(wp) < 0) return 0;
        int line = LineOf(static_cast<int>(wp));
        return LineEnd(line) - LineStarts()[static_cast<size_t>(line)];
      }
      case EM_LINEFROMCHAR: return LineOf(static_cast<int>(wp) < 0 ? caret_ : static_cast<int>(wp));
      case EM_GETLINE: return GetLine(static_cast<int>(wp), reinterpret_cast<char*>(lp));
      case EM_GETFIRSTVISIBLELINE: return Multi() ? firstLine_ : 0;
      case EM_SETREADONLY: {
        LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
        SetWindowLongA(hwnd_, GWL_STYLE, wp ? (style | ES_READONLY) : (style & ~ES_READONLY));
        InvalidateRect(hwnd_, nullptr, TRUE);
        return TRUE;
      }
      case EM_GETMODIFY: return modified_;
      case EM_SETMODIFY: modified_ = wp != 0; return 0;
      case EM_CANUNDO: return canUndo_;
      case EM_EMPTYUNDOBUFFER: canUndo_ = false; return 0;
      case EM_SETPASSWORDCHAR:
        password_ = static_cast<char>(wp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(password_);
      case EM_POSFROMCHAR: {
        if (static_cast<int>(wp) > static_cast<int>(text_.size())) return -1;
        POINT p = PointFromPos(static_cast<int>(wp));
        return MAKELRESULT(p.x, p.y);
      }
      case EM_CHARFROMPOS: {
        int pos = PosFromPoint({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return MAKELRESULT(pos, LineOf(pos));
      }
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }
  bool Multi() const { return Style() & ES_MULTILINE; }
  bool ReadOnly() const { return Style() & ES_READONLY; }
  int SelStart() const { return std::min(anchor_, caret_); }
  int SelEnd() const { return std::max(anchor_, caret_); }
  int LineHeight() const { return FontHeight(font_); }

  void Layout() {
    if (ownRect_) return;
    GetClientRect(hwnd_, &rect_);
    rect_.left += leftMargin_;
    rect_.right -= rightMargin_;
    if (!Multi()) {
      // One line, in the middle of a control taller than it.
      int h = LineHeight();
      int room = rect_.bottom - rect_.top;
      if (room > h) rect_.top += (room - h) / 2, rect_.bottom = rect_.top + h;
    }
  }

  // Starts of the lines: after each line break ("\r\n" or "\n").
  // A multi-line edit without horizontal scrolling wraps its lines at words.
  bool Wraps() const { return Multi() && !(Style() & ES_AUTOHSCROLL) && !hscroll_; }

  std::vector<int> LineStarts() const {
    if (!Multi()) return {0};
    int width = rect_.right - rect_.left;
    if (linesText_ == text_ && linesWidth_ == width && linesFont_ == font_ && linesWrap_ == Wraps()) return lines_;
    std::vector<int> starts;
    HDC dc = GetDC(hwnd_);
    {
      FontScope f(dc, font_);
      int n = static_cast<int>(text_.size());
      for (int s = 0;;) {
        int e = s;
        while (e < n && text_[static_cast<size_t>(e)] != '\n') e++;
        int lineEnd = e > s && text_[static_cast<size_t>(e) - 1] == '\r' ? e - 1 : e;
        for (int pos = s;;) {
          starts.push_back(pos);
          if (!Wraps() || width <= 0 || Width(dc, pos, lineEnd) <= width) break;
          int fit = pos;
          for (int next = NextChar(text_, pos); next <= lineEnd && Width(dc, pos, next) <= width;
               next = NextChar(text_, next)) {
            fit = next;
            if (next == lineEnd) break;
          }
          if (fit == pos) fit = NextChar(text_, pos);
          int brk = fit;
          for (int k = fit; k > pos + 1; k--)
            if (text_[static_cast<size_t>(k) - 1] == ' ') {
              brk = k;
              break;
            }
          while (brk < lineEnd && text_[static_cast<size_t>(brk)] == ' ') brk++;
          if (brk >= lineEnd) break;
          pos = brk;
        }
        if (e >= n) break;
        s = e + 1;
      }
    }
    ReleaseDC(hwnd_, dc);
    linesText_ = text_;
    linesWidth_ = width;
    linesFont_ = font_;
    linesWrap_ = Wraps();
    lines_ = starts;
    return starts;
  }
  int LineOf(int pos) const {
    auto starts = LineStarts();
    auto it = std::upper_bound(starts.begin(), starts.end(), pos);
    return static_cast<int>(it - starts.begin()) - 1;
  }
  // End of a line's text, before its line break; a wrapped line ends where the next begins.
  int LineEnd(int line) const {
    auto starts = LineStarts();
    if (line + 1 >= static_cast<int>(starts.size())) return static_cast<int>(text_.size());
    int next = starts[static_cast<size_t>(line) + 1];
    if (text_[static_cast<size_t>(next) - 1] != '\n') return next;
    int end = next - 1;
    if (end > 0 && text_[static_cast<size_t>(end) - 1] == '\r') end--;
    return end;
  }
  std::string Shown(int from, int to) const {
    std::string s = text_.substr(static_cast<size_t>(from), static_cast<size_t>(to - from));
    if (password_) s = std::string(CountChars(s), password_);
    return s;
  }
  int Width(HDC dc, int from, int to) const {
    std::string s = Shown(from, to);
    SIZE sz{};
    GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &sz);
    return sz.cx;
  }
  int AverageCharWidth() const {
    HDC dc = GetDC(hwnd_);
    TEXTMETRICA tm{};
    {
      FontScope f(dc, font_);
      GetTextMetricsA(dc, &tm);
    }
    ReleaseDC(hwnd_, dc);
    return std::max<int>(1, tm.tmAveCharWidth);
  }
  // Left edge of a line's text, with the alignment of a single line.
  int LineLeft(HDC dc, int line) const {
    int left = rect_.left - xOffset_;
    LONG align = Style() & (ES_CENTER | ES_RIGHT);
    if (align && xOffset_ == 0) {
      // A line shorter than the room stands at the right or in the middle.
      int w = Width(dc, LineStarts()[static_cast<size_t>(line)], LineEnd(line));
      int room = rect_.right - rect_.left;
      if (w < room) left += align == ES_RIGHT ? room - w - 1 : (room - w) / 2;
    }
    return left;
  }

  POINT PointFromPos(int pos) const {
    int line = LineOf(pos);
    HDC dc = GetDC(hwnd_);
    POINT p;
    {
      FontScope f(dc, font_);
      p.x = LineLeft(dc, line) + Width(dc, LineStarts()[static_cast<size_t>(line)], pos);
    }
    ReleaseDC(hwnd_, dc);
    p.y = rect_.top + (line - firstLine_) * LineHeight();
    return p;
  }

  int PosFromPoint(POINT p) const {
    auto starts = LineStarts();
    int line = firstLine_ + (p.y - rect_.top) / std::max(1, LineHeight());
    if (p.y < rect_.top) line = firstLine_ - 1;
    line = std::clamp(line, 0, static_cast<int>(starts.size()) - 1);
    int start = starts[static_cast<size_t>(line)], end = LineEnd(line);
    HDC dc = GetDC(hwnd_);
    int best = start;
    {
      FontScope f(dc, font_);
      int left = LineLeft(dc, line), prevX = left;
      for (int pos = start; pos < end;) {
        int next = NextChar(text_, pos);
        int x = left + Width(dc, start, next);
        if (p.x < (prevX + x) / 2) break;
        best = next;
        prevX = x;
        pos = next;
      }
    }
    ReleaseDC(hwnd_, dc);
    return best;
  }

  void SetSel(int start, int end) {
    int n = static_cast<int>(text_.size());
    if (start < 0) {
      anchor_ = caret_ = SelEnd();  // -1 drops the selection
    } else {
      if (end < 0 || end > n) end = n;
      start = std::min(start, n);
      anchor_ = start;
      caret_ = end;
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void MoveCaret(int pos, bool extend) {
    caret_ = std::clamp(pos, 0, static_cast<int>(text_.size()));
    if (!extend) anchor_ = caret_;
    ScrollToCaret();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void MouseDown(bool dbl, LPARAM lp) {
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    int pos = PosFromPoint({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    if (dbl) {
      anchor_ = WordStart(text_, pos);
      caret_ = WordEnd(text_, pos);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
    }
    MoveCaret(pos, KeyDown(VK_SHIFT));
    SetCapture(hwnd_);
    tracking_ = true;
  }

  // The edit's own menu: Undo, Cut, Copy, Paste, Delete, Select All.
  void ContextMenu(LPARAM lp) {
    constexpr UINT kSelectAll = 0x7FF0;
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (lp == -1) {  // from the keyboard: at the caret
      at = PointFromPos(caret_);
      ClientToScreen(hwnd_, &at);
    }
    bool selected = SelStart() != SelEnd(), readOnly = ReadOnly(), hidden = password_ != 0;
    auto item = [](bool on) { return static_cast<UINT>(MF_STRING | (on ? 0 : MF_GRAYED)); };
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, item(canUndo_ && !readOnly), WM_UNDO, "&Undo");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, item(selected && !readOnly && !hidden), WM_CUT, "Cu&t");
    AppendMenuA(menu, item(selected && !hidden), WM_COPY, "&Copy");
    AppendMenuA(menu, item(!readOnly && IsClipboardFormatAvailable(CF_TEXT)), WM_PASTE, "&Paste");
    AppendMenuA(menu, item(selected && !readOnly), WM_CLEAR, "&Delete");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, item(!text_.empty()), kSelectAll, "Select &All");
    HWND self = hwnd_;
    UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, self, nullptr));
    DestroyMenu(menu);
    if (!chosen || !IsWindow(self)) return;
    if (chosen == kSelectAll)
      SendMessageA(self, EM_SETSEL, 0, -1);
    else
      SendMessageA(self, chosen, 0, 0);
  }

  void OnKeyDown(int vk) {
    bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
    auto starts = LineStarts();
    int line = LineOf(caret_);
    switch (vk) {
      case VK_LEFT:
        if (!shift && SelStart() != SelEnd()) return MoveCaret(SelStart(), false);
        return MoveCaret(ctrl ? PrevWordStart(text_, caret_) : PrevChar(text_, caret_), shift);
      case VK_RIGHT:
        if (!shift && SelStart() != SelEnd()) return MoveCaret(SelEnd(), false);
        return MoveCaret(ctrl ? NextWordStart(text_, caret_) : NextChar(text_, caret_), shift);
      case VK_HOME: return MoveCaret(ctrl ? 0 : starts[static_cast<size_t>(line)], shift);
      case VK_END: return MoveCaret(ctrl ? static_cast<int>(text_.size()) : LineEnd(line), shift);
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT: {
        if (!Multi()) return;
        int page = std::max(1, (rect_.bottom - rect_.top) / std::max(1, LineHeight()));
        int step = vk == VK_UP ? -1 : vk == VK_DOWN ? 1 : vk == VK_PRIOR ? -page : page;
        int target = std::clamp(line + step, 0, static_cast<int>(starts.size()) - 1);
        POINT p = PointFromPos(caret_);
        p.y = rect_.top + (target - firstLine_) * LineHeight();
        if (target < firstLine_ || vk == VK_PRIOR || vk == VK_NEXT) {
          ScrollLines(target - line);
          p.y = rect_.top + (target - firstLine_) * LineHeight();
        }
        return MoveCaret(PosFromPoint(p), shift);
      }
      case VK_DELETE:
        if (ReadOnly()) return;
        if (shift) return Cut();
        if (SelStart() == SelEnd()) caret_ = NextChar(text_, caret_);
        Replace("", true);
        return;
      case VK_INSERT:
        if (ctrl) Copy();
        if (shift) Paste();
        return;
      default: return;
    }
  }

  void Char(unsigned char ch) {
    switch (ch) {
      case 3: Copy(); return;
      case 22: Paste(); return;
      case 24: Cut(); return;
      case 26: Undo(); return;
      case 1: SetSel(0, -1); return;
      default: break;
    }
    if (ReadOnly()) {
      MessageBeep(0);
      return;
    }
    if (ch == 8) {
      if (SelStart() == SelEnd()) anchor_ = PrevChar(text_, caret_);
      Replace("", true);
      return;
    }
    if (ch == '\r') {
      if (Multi()) Replace("\r\n", true);
      return;
    }
    if (ch == '\t' && !Multi()) return;
    if (ch < 32 && ch != '\t') return;
    if ((Style() & ES_NUMBER) && !(ch >= '0' && ch <= '9')) {
      MessageBeep(0);
      return;
    }
    char c = static_cast<char>(ch);
    if (Style() & ES_UPPERCASE) c = static_cast<char>(std::toupper(ch));
    if (Style() & ES_LOWERCASE) c = static_cast<char>(std::tolower(ch));
    Replace(std::string(1, c), true);
  }

  // Replaces the selection; what does not fit under the limit is dropped
  // and the parent hears EN_MAXTEXT.
  void Replace(std::string insert, bool canUndo) {
    if (!Multi()) insert = SingleLine(insert);
    int start = SelStart(), end = SelEnd();
    int room = limit_ - (static_cast<int>(text_.size()) - (end - start));
    bool cut = static_cast<int>(insert.size()) > room;
    if (cut) insert = CutToBytes(insert, static_cast<size_t>(std::max(room, 0)));
    if (cut && insert.empty() && start == end) {
      NotifyParent(hwnd_, EN_MAXTEXT);
      return;
    }
    if (insert.empty() && start == end) return;
    if (canUndo) {
      undoText_ = text_;
      undoAnchor_ = anchor_;
      undoCaret_ = caret_;
      canUndo_ = true;
    }
    text_.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), insert);
    anchor_ = caret_ = start + static_cast<int>(insert.size());
    modified_ = true;
    ScrollToCaret();
    HWND self = hwnd_;
    if (Changed() && cut) NotifyParent(self, EN_MAXTEXT);
  }

  // The parent hears EN_UPDATE before the new text shows, EN_CHANGE after.
  // The parent may destroy the edit (and this object) in either notification:
  // false when it did.
  bool Changed() {
    HWND self = hwnd_;
    UpdateScrollBars();
    InvalidateRect(self, nullptr, FALSE);
    NotifyParent(self, EN_UPDATE);
    if (!IsWindow(self)) return false;
    UpdateWindow(self);
    NotifyParent(self, EN_CHANGE);
    return IsWindow(self);
  }

  LRESULT Undo() {
    if (!canUndo_ || ReadOnly()) return FALSE;
    std::swap(text_, undoText_);
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    modified_ = true;
    ScrollToCaret();
    Changed();
    return TRUE;
  }

  void Copy() {
    if (SelStart() == SelEnd() || password_) return;
    std::string s = text_.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelEnd() - SelStart()));
    if (!OpenClipboard(hwnd_)) return;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, s.size() + 1);
    if (mem) {
      std::memcpy(GlobalLock(mem), s.c_str(), s.size() + 1);
      GlobalUnlock(mem);
      SetClipboardData(CF_TEXT, mem);
    }
    CloseClipboard();
  }

  void Cut() {
    if (ReadOnly() || SelStart() == SelEnd()) return;
    Copy();
    Replace("", true);
  }

  void Paste() {
    if (ReadOnly() || !OpenClipboard(hwnd_)) return;
    std::string s;
    if (HANDLE mem = GetClipboardData(CF_TEXT)) {
      s = static_cast<const char*>(GlobalLock(mem));
      GlobalUnlock(mem);
    }
    CloseClipboard();
    if (!s.empty()) Replace(s, true);
  }

  LRESULT GetLine(int line, char* buf) const {
    auto starts = LineStarts();
    if (!buf || line < 0 || line >= static_cast<int>(starts.size())) return 0;
    WORD size;
    std::memcpy(&size, buf, sizeof size);
    int start = starts[static_cast<size_t>(line)];
    int n = std::min<int>(LineEnd(line) - start, size);
    std::memcpy(buf, text_.data() + start, static_cast<size_t>(n));
    return n;
  }

  void ScrollLines(int delta) {
    int lines = static_cast<int>(LineStarts().size());
    int next = std::clamp(firstLine_ + delta, 0, std::max(0, lines - 1));
    if (next == firstLine_) return;
    firstLine_ = next;
    UpdateScrollBars();
    InvalidateRect(hwnd_, nullptr, FALSE);
    NotifyParent(hwnd_, EN_VSCROLL);
  }

  void ScrollPixels(int delta) {
    int next = std::max(0, xOffset_ + delta);
    if (next == xOffset_) return;
    xOffset_ = next;
    UpdateScrollBars();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }

  void ScrollToCaret() {
    int line = LineOf(caret_);
    int visible = std::max(1, (rect_.bottom - rect_.top) / std::max(1, LineHeight()));
    if (Multi()) {
      if (line < firstLine_) ScrollLines(line - firstLine_);
      if (line >= firstLine_ + visible) ScrollLines(line - firstLine_ - visible + 1);
    }
    POINT p = PointFromPos(caret_);
    int room = rect_.right - rect_.left;
    if (p.x < rect_.left) ScrollPixels(p.x - rect_.left - room / 4);
    if (p.x >= rect_.right) ScrollPixels(p.x - rect_.right + 1 + room / 4);
  }

  void UpdateScrollBars() {
    int lh = std::max(1, LineHeight());
    if (vscroll_) {
      SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
      si.nMax = static_cast<int>(LineStarts().size()) - 1;
      si.nPage = static_cast<UINT>(std::max(1, static_cast<int>(rect_.bottom - rect_.top) / lh));
      si.nPos = firstLine_;
      SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    }
    if (hscroll_) {
      SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
      si.nMax = std::max(static_cast<int>(rect_.right - rect_.left), WidestLine() + 1);
      si.nPage = static_cast<UINT>(std::max(1, static_cast<int>(rect_.right - rect_.left)));
      si.nPos = xOffset_;
      SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
    }
  }

  int WidestLine() const {
    auto starts = LineStarts();
    HDC dc = GetDC(hwnd_);
    int widest = 0;
    {
      FontScope f(dc, font_);
      for (size_t i = 0; i < starts.size(); i++)
        widest = std::max(widest, Width(dc, starts[i], LineEnd(static_cast<int>(i))));
    }
    ReleaseDC(hwnd_, dc);
    return widest;
  }

  void VScroll(int code) {
    int page = std::max(1, (rect_.bottom - rect_.top) / std::max(1, LineHeight()));
    int lines = static_cast<int>(LineStarts().size());
    switch (code) {
      case SB_LINEUP: ScrollLines(-1); break;
      case SB_LINEDOWN: ScrollLines(1); break;
      case SB_PAGEUP: ScrollLines(-page); break;
      case SB_PAGEDOWN: ScrollLines(page); break;
      case SB_TOP: ScrollLines(-firstLine_); break;
      case SB_BOTTOM: ScrollLines(lines - firstLine_); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(hwnd_, SB_VERT, &si);
        ScrollLines(si.nTrackPos - firstLine_);
        break;
      }
      default: break;
    }
  }

  void HScroll(int code, int pos) {
    int cw = AverageCharWidth(), page = rect_.right - rect_.left;
    switch (code) {
      case SB_LINELEFT: ScrollPixels(-cw); break;
      case SB_LINERIGHT: ScrollPixels(cw); break;
      case SB_PAGELEFT: ScrollPixels(-page); break;
      case SB_PAGERIGHT: ScrollPixels(page); break;
      case SB_LEFT: ScrollPixels(-xOffset_); break;
      case SB_RIGHT: ScrollPixels(WidestLine() - xOffset_); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: ScrollPixels(pos - xOffset_); break;
      default: break;
    }
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    bool enabled = IsWindowEnabled(hwnd_);
    // Read-only and disabled edits take the static colours, as the system's do.
    HBRUSH back = ParentBrush(hwnd_, dc, (ReadOnly() || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    COLORREF ink = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, back);
    FontScope f(dc, font_);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
    SetBkMode(dc, TRANSPARENT);
    auto starts = LineStarts();
    int lh = LineHeight();
    bool showSel = focused_ || (Style() & ES_NOHIDESEL);
    for (int line = firstLine_; line < static_cast<int>(starts.size()); line++) {
      int y = rect_.top + (line - firstLine_) * lh;
      if (y >= rect_.bottom) break;
      int start = starts[static_cast<size_t>(line)], end = LineEnd(line);
      int left = LineLeft(dc, line);
      // Three runs: before, inside and after the selection.
      int cuts[4] = {start, std::clamp(SelStart(), start, end), std::clamp(SelEnd(), start, end), end};
      for (int run = 0; run < 3; run++) {
        int a = cuts[run], b = cuts[run + 1];
        if (a >= b) continue;
        int x = left + Width(dc, start, a);
        std::string s = Shown(a, b);
        bool selected = run == 1 && showSel;
        if (selected) {
          RECT hr{x, y, x + Width(dc, a, b), y + lh};
          FillRect(dc, &hr, GetSysColorBrush(COLOR_HIGHLIGHT));
          SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
          SetTextColor(dc, ink);
        }
        TextOutA(dc, x, y, s.c_str(), static_cast<int>(s.size()));
      }
    }
    if (focused_) {
      // The caret: a thin bar before the character at the caret.
      int line = LineOf(caret_);
      int x = LineLeft(dc, line) + Width(dc, starts[static_cast<size_t>(line)], caret_);
      int y = rect_.top + (line - firstLine_) * lh;
      RECT bar{x, y, x + 1, y + lh};
      InvertRect(dc, &bar);
    }
    RestoreDC(dc, saved);
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  HFONT font_ = nullptr;
  std::string text_;
  int anchor_ = 0, caret_ = 0;
  int limit_ = kDefaultLimit;
  RECT rect_{};
  bool ownRect_ = false;
  int leftMargin_ = 1, rightMargin_ = 1;
  int firstLine_ = 0, xOffset_ = 0;
  bool modified_ = false, focused_ = false, tracking_ = false;
  bool vscroll_ = false, hscroll_ = false;
  // The line starts last computed, and what they were computed for.
  mutable std::vector<int> lines_;
  mutable std::string linesText_ = std::string(1, '\0');
  mutable int linesWidth_ = -1;
  mutable HFONT linesFont_ = nullptr;
  mutable bool linesWrap_ = false;
  char password_ = 0;
  std::string undoText_;
  int undoAnchor_ = 0, undoCaret_ = 0;
  bool canUndo_ = false;
};

}  // namespace

void RegisterEditClass() {
  RegisterControlClass("EDIT", ControlProc<Edit>, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM);
}

}  // namespace win::controls
