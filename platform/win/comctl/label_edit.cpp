// "DrumsLabelEdit": the single-line edit the views put over a label while it
// is renamed. Typing, Backspace, Delete, the arrows, Home and End (with
// Shift to select), EM_SETSEL / EM_GETSEL / EM_LIMITTEXT; the text is the
// window text.
#include <algorithm>

#include "platform/win/comctl/label_edit.h"
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {
namespace {

constexpr UINT kEmGetSel = 0x00B0;
constexpr UINT kEmLimitText = 0x00C5;
constexpr LRESULT kWantCharsAndArrows = 0x0080 | 0x0001;

struct Edit {
  int caret = 0;
  int anchor = 0;
  HFONT font = nullptr;
  size_t limit = 260;
};

Edit* EditOf(HWND hwnd) {
  return reinterpret_cast<Edit*>(GetWindowLongPtrA(hwnd, 0));
}

bool IsContinuation(const std::string& s, int i) {
  return i > 0 && i < static_cast<int>(s.size()) && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80;
}

int Step(const std::string& s, int i, int dir) {
  i += dir;
  while (IsContinuation(s, i)) i += dir;
  return std::clamp(i, 0, static_cast<int>(s.size()));
}

void ReplaceSelection(HWND hwnd, Edit& e, const std::string& with) {
  std::string text = WindowText(hwnd);
  int from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
  std::string next = text.substr(0, from) + with + text.substr(to);
  if (next.size() > e.limit && !with.empty()) return;
  SetWindowTextA(hwnd, next.c_str());
  e.caret = e.anchor = from + static_cast<int>(with.size());
  InvalidateRect(hwnd, nullptr, TRUE);
}

int TextX(HDC dc, const std::string& text, int upTo) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), upTo, &size);
  return size.cx;
}

void Paint(HWND hwnd, Edit& e, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillSolid(dc, client, GetSysColor(COLOR_WINDOW));
  std::string text = WindowText(hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(e.font));
  SetBkMode(dc, TRANSPARENT);
  int from = std::min(e.caret, e.anchor), to = std::max(e.caret, e.anchor);
  int x0 = 2;
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  int y = (client.bottom - tm.tmHeight) / 2;
  if (to > from) {
    RECT sel{x0 + TextX(dc, text, from), y, x0 + TextX(dc, text, to), y + tm.tmHeight};
    FillSolid(dc, sel, GetSysColor(COLOR_HIGHLIGHT));
  }
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  TextOutA(dc, x0, y, text.c_str(), from);
  SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  TextOutA(dc, x0 + TextX(dc, text, from), y, text.c_str() + from, to - from);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  TextOutA(dc, x0 + TextX(dc, text, to), y, text.c_str() + to, static_cast<int>(text.size()) - to);
  if (GetFocus() == hwnd) {
    int cx = x0 + TextX(dc, text, e.caret);
    RECT caret{cx, y, cx + 1, y + tm.tmHeight};
    FillSolid(dc, caret, GetSysColor(COLOR_WINDOWTEXT));
  }
  SelectObject(dc, old);
}

int CaretFromX(HWND hwnd, Edit& e, int x) {
  std::string text = WindowText(hwnd);
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(e.font));
  int best = 0;
  for (int i = 0; i <= static_cast<int>(text.size()); i = Step(text, i, 1)) {
    if (2 + TextX(dc, text, i) <= x) best = i;
    if (i == static_cast<int>(text.size())) break;
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return best;
}

}  // namespace

LRESULT CALLBACK LabelEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Edit* e = EditOf(hwnd);
  if (!e) {
    if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(new Edit));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  switch (msg) {
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, 0, 0);
      delete e;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETTEXT: {
      LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
      int n = GetWindowTextLengthA(hwnd);
      e->caret = std::min(e->caret, n);
      e->anchor = std::min(e->anchor, n);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_SETFONT: e->font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(e->font);
    case WM_GETDLGCODE: return kWantCharsAndArrows;
    case kEmGetSel: {
      DWORD from = static_cast<DWORD>(std::min(e->caret, e->anchor));
      DWORD to = static_cast<DWORD>(std::max(e->caret, e->anchor));
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = from;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = to;
      return MAKELONG(from, to);
    }
    case EM_SETSEL: {
      int n = GetWindowTextLengthA(hwnd);
      int from = static_cast<int>(wParam), to = static_cast<int>(lParam);
      if (from < 0) {
        e->anchor = e->caret = e->caret;
      } else {
        if (to < 0 || to > n) to = n;
        e->anchor = std::min(from, n);
        e->caret = to;
      }
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case kEmLimitText: e->limit = wParam ? static_cast<size_t>(wParam) : 0x7FFFFFFE; return 0;
    case WM_CHAR: {
      if (wParam == 8) {
        if (e->caret == e->anchor) e->anchor = Step(WindowText(hwnd), e->caret, -1);
        ReplaceSelection(hwnd, *e, "");
      } else if (wParam >= 0x20 && wParam != 0x7F) {
        ReplaceSelection(hwnd, *e, std::string(1, static_cast<char>(wParam)));
      }
      return 0;
    }
    case WM_KEYDOWN: {
      std::string text = WindowText(hwnd);
      bool shift = GetKeyState(VK_SHIFT) < 0;
      int to = e->caret;
      switch (wParam) {
        case VK_LEFT: to = Step(text, e->caret, -1); break;
        case VK_RIGHT: to = Step(text, e->caret, 1); break;
        case VK_HOME: to = 0; break;
        case VK_END: to = static_cast<int>(text.size()); break;
        case VK_DELETE:
          if (e->caret == e->anchor) e->anchor = Step(text, e->caret, 1);
          ReplaceSelection(hwnd, *e, "");
          return 0;
        default: return 0;
      }
      e->caret = to;
      if (!shift) e->anchor = to;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      e->caret = e->anchor = CaretFromX(hwnd, *e, static_cast<short>(LOWORD(lParam)));
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      Paint(hwnd, *e, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win::comctl
