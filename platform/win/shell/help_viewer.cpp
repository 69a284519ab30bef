// The help window: one per process, showing one topic of one help file.
#include <string>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/help_file.h"
#include "platform/win/windows.h"

namespace {

constexpr const char* kViewerClass = "DrumsHelpViewer";
constexpr int kMargin = 12;

struct Viewer {
  HWND window = nullptr;
  std::string heading;
  std::string text;
};

Viewer& State() {
  static Viewer viewer;
  return viewer;
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HFONT heading = CreateFontA(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  HFONT body = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ old = SelectObject(dc, heading);
  RECT area = {client.left + kMargin, client.top + kMargin, client.right - kMargin, client.bottom - kMargin};
  const Viewer& viewer = State();
  RECT measured = area;
  DrawTextA(dc, viewer.heading.c_str(), -1, &measured, DT_WORDBREAK | DT_CALCRECT);
  DrawTextA(dc, viewer.heading.c_str(), -1, &area, DT_WORDBREAK);
  area.top = measured.bottom + kMargin;
  SelectObject(dc, body);
  // Paragraphs are separated by an empty line.
  std::string shown;
  for (char c : viewer.text) shown += c == '\n' ? std::string("\n\n") : std::string(1, c);
  DrawTextA(dc, shown.c_str(), -1, &area, DT_WORDBREAK);
  SelectObject(dc, old);
  DeleteObject(heading);
  DeleteObject(body);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY:
      if (State().window == hwnd) State().window = nullptr;
      return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

void Show(const std::string& caption, const std::string& heading, const std::string& text) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.lpszClassName = kViewerClass;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    registered = RegisterClassA(&wc) != 0;
  }
  Viewer& viewer = State();
  viewer.heading = heading;
  viewer.text = text;
  if (!viewer.window) {
    viewer.window = CreateWindowExA(0, kViewerClass, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    520, 420, nullptr, nullptr, nullptr, nullptr);
    if (!viewer.window) return;
  } else {
    SetWindowTextA(viewer.window, caption.c_str());
  }
  InvalidateRect(viewer.window, nullptr, TRUE);
  ShowWindow(viewer.window, SW_SHOWNORMAL);
  SetForegroundWindow(viewer.window);
}

}  // namespace

BOOL WinHelpA(HWND, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  if (uCommand == HELP_QUIT) {
    if (State().window) DestroyWindow(State().window);
    return TRUE;
  }
  if (!lpszHelp || !*lpszHelp) return FALSE;
  const std::optional<win::shell::HelpFile> file = win::shell::ReadHelpFile(win::kernel::ResolvePath(lpszHelp));
  if (!file || file->topics.empty()) {
    Show("Help", "Help file not found", std::string("Cannot find or read the help file ") + lpszHelp + ".");
    return TRUE;
  }
  const win::shell::HelpTopic* topic = &file->topics.front();
  if (uCommand == HELP_CONTEXT || uCommand == HELP_CONTEXTPOPUP) {
    topic = file->Find(static_cast<std::uint32_t>(dwData));
    if (!topic) {
      Show(file->title, "Topic not found",
           "The help file " + std::string(lpszHelp) + " has no topic with the context number " +
               std::to_string(dwData) + ".");
      return TRUE;
    }
  }
  Show(file->title + " - " + topic->title, topic->title, topic->text);
  return TRUE;
}
