#include "platform/win/shell/help_popup.h"

#include <algorithm>

#include "platform/win/shell/help_text.h"
#include "platform/win/windows.h"

namespace win::shell {
namespace {

constexpr const char* kPopupClass = "DrumsHelpPopup";
constexpr int kMargin = 8;
constexpr int kTextWidth = 300;

struct Popup {
  HWND window = nullptr;
  std::string text;
};

Popup& State() {
  static Popup popup;
  return popup;
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  HFONT font = HelpBodyFont();
  HGDIOBJ old = SelectObject(dc, font);
  RECT area = {kMargin, kMargin, client.right - kMargin, client.bottom - kMargin};
  const std::string shown = ShownParagraphs(State().text);
  DrawTextA(dc, shown.c_str(), -1, &area, DT_WORDBREAK);
  SelectObject(dc, old);
  DeleteObject(font);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KILLFOCUS: PostMessageA(hwnd, WM_CLOSE, 0, 0); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) PostMessageA(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_DESTROY:
      if (State().window == hwnd) State().window = nullptr;
      return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

// The text's size with the margins, wrapped at kTextWidth.
SIZE Measure(const std::string& text) {
  HDC dc = GetDC(nullptr);
  HFONT font = HelpBodyFont();
  HGDIOBJ old = SelectObject(dc, font);
  RECT r = {0, 0, kTextWidth, 0};
  const std::string shown = ShownParagraphs(text);
  DrawTextA(dc, shown.c_str(), -1, &r, DT_WORDBREAK | DT_CALCRECT);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return {r.right - r.left + 2 * kMargin, r.bottom - r.top + 2 * kMargin};
}

}  // namespace

void ShowHelpPopup(const std::string& text) {
  win::shell::RegisterHelpClass(kPopupClass, PopupProc);
  CloseHelpPopup();
  State().text = text;
  const SIZE size = Measure(text);
  const int width = size.cx + 2, height = size.cy + 2;  // the border
  POINT at{};
  GetCursorPos(&at);
  // Below and right of the cursor, kept on the screen.
  at.x = std::max(0, std::min<int>(at.x, GetSystemMetrics(SM_CXSCREEN) - width));
  at.y = std::max(0, std::min<int>(at.y, GetSystemMetrics(SM_CYSCREEN) - height));
  State().window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPopupClass, text.c_str(), WS_POPUP | WS_BORDER,
                                   at.x, at.y, width, height, nullptr, nullptr, nullptr, nullptr);
  if (!State().window) return;
  // The window's text is the topic's (readers of window texts see it); it
  // is drawn by the window, not as a caption.
  ShowWindow(State().window, SW_SHOWNORMAL);
  SetForegroundWindow(State().window);
}

void CloseHelpPopup() {
  if (State().window) DestroyWindow(State().window);
}

}  // namespace win::shell
