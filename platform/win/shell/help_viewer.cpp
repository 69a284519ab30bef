// The help window: one per process, showing one topic of one help file;
// a topic longer than the window scrolls.
#include <algorithm>
#include <string>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/help_file.h"
#include "platform/win/shell/help_popup.h"
#include "platform/win/shell/help_text.h"
#include "platform/win/windows.h"

namespace {

constexpr const char* kViewerClass = "DrumsHelpViewer";
constexpr int kMargin = 12;

constexpr int kLineStep = 20;  // pixels a scroll-bar arrow or a wheel notch moves

struct Viewer {
  HWND window = nullptr;
  std::string heading;
  std::string text;
  int scroll = 0;  // pixels of the page scrolled above the window's top
};

Viewer& State() {
  static Viewer viewer;
  return viewer;
}

HFONT HeadingFont() {
  return CreateFontA(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
}

// Lays the page out for the client width: draws it when `draw` is set, and
// returns the page's height (margins included) either way.
int LayOut(HDC dc, const RECT& client, int scroll, bool draw) {
  const Viewer& viewer = State();
  HFONT heading = HeadingFont();
  HFONT body = win::shell::HelpBodyFont();
  HGDIOBJ old = SelectObject(dc, heading);
  RECT area = {client.left + kMargin, client.top + kMargin - scroll, client.right - kMargin, client.bottom};
  RECT measured = area;
  DrawTextA(dc, viewer.heading.c_str(), -1, &measured, DT_WORDBREAK | DT_CALCRECT);
  if (draw) DrawTextA(dc, viewer.heading.c_str(), -1, &area, DT_WORDBREAK);
  area.top = measured.bottom + kMargin;
  SelectObject(dc, body);
  const std::string shown = win::shell::ShownParagraphs(viewer.text);
  measured = area;
  DrawTextA(dc, shown.c_str(), -1, &measured, DT_WORDBREAK | DT_CALCRECT);
  if (draw) {
    area.bottom = measured.bottom;
    DrawTextA(dc, shown.c_str(), -1, &area, DT_WORDBREAK);
  }
  SelectObject(dc, old);
  DeleteObject(heading);
  DeleteObject(body);
  return measured.bottom + scroll + kMargin - client.top;
}

// Sets the scroll bar to the page's height and keeps the position inside it.
void UpdateScrollBar(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  HDC dc = GetDC(hwnd);
  const int page = LayOut(dc, client, 0, false);
  ReleaseDC(hwnd, dc);
  const int visible = client.bottom - client.top;
  Viewer& viewer = State();
  viewer.scroll = std::max(0, std::min(viewer.scroll, page - visible));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = page - 1;
  info.nPage = static_cast<UINT>(std::max(0, visible));
  info.nPos = viewer.scroll;
  SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
}

void ScrollTo(HWND hwnd, int position) {
  Viewer& viewer = State();
  const int before = viewer.scroll;
  viewer.scroll = position;
  UpdateScrollBar(hwnd);
  if (viewer.scroll != before) InvalidateRect(hwnd, nullptr, TRUE);
}

void OnVScroll(HWND hwnd, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(hwnd, SB_VERT, &info);
  int position = State().scroll;
  switch (code) {
    case SB_LINEUP: position -= kLineStep; break;
    case SB_LINEDOWN: position += kLineStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  ScrollTo(hwnd, position);
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  LayOut(dc, client, State().scroll, true);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: UpdateScrollBar(hwnd); return 0;
    case WM_VSCROLL: OnVScroll(hwnd, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(hwnd, State().scroll - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * kLineStep / WHEEL_DELTA);
      return 0;
    case WM_DESTROY:
      if (State().window == hwnd) State().window = nullptr;
      return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

void Show(const std::string& caption, const std::string& heading, const std::string& text) {
  win::shell::RegisterHelpClass(kViewerClass, ViewerProc);
  Viewer& viewer = State();
  viewer.heading = heading;
  viewer.text = text;
  viewer.scroll = 0;  // a new topic starts at its top
  if (!viewer.window) {
    viewer.window = CreateWindowExA(0, kViewerClass, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 520, 420, nullptr, nullptr, nullptr, nullptr);
    if (!viewer.window) return;
  } else {
    SetWindowTextA(viewer.window, caption.c_str());
  }
  UpdateScrollBar(viewer.window);
  InvalidateRect(viewer.window, nullptr, TRUE);
  ShowWindow(viewer.window, SW_SHOWNORMAL);
  SetForegroundWindow(viewer.window);
}

}  // namespace

BOOL WinHelpA(HWND, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  if (uCommand == HELP_QUIT) {
    win::shell::CloseHelpPopup();
    if (State().window) DestroyWindow(State().window);
    return TRUE;
  }
  if (!lpszHelp || !*lpszHelp) return FALSE;
  const bool popup = uCommand == HELP_CONTEXTPOPUP;
  // A pop-up shows only the text: a failure is told there as well.
  auto show = [popup](const std::string& caption, const std::string& heading, const std::string& text) {
    if (popup)
      win::shell::ShowHelpPopup(text);
    else
      Show(caption, heading, text);
  };
  const std::optional<win::shell::HelpFile> file = win::shell::ReadHelpFile(win::kernel::ResolvePath(lpszHelp));
  if (!file || file->topics.empty()) {
    show("Help", "Help file not found", std::string("Cannot find or read the help file ") + lpszHelp + ".");
    return TRUE;
  }
  const win::shell::HelpTopic* topic = &file->topics.front();
  if (uCommand == HELP_CONTEXT || popup) {
    topic = file->Find(static_cast<std::uint32_t>(dwData));
    if (!topic) {
      show(file->title, "Topic not found",
           "The help file " + std::string(lpszHelp) + " has no topic with the context number " +
               std::to_string(dwData) + ".");
      return TRUE;
    }
  }
  show(file->title + " - " + topic->title, topic->title, topic->text);
  return TRUE;
}
