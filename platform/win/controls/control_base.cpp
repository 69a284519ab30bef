#include "platform/win/controls/control_base.h"

#include <vector>

namespace win::controls {

void RegisterControlClass(const char* name, WNDPROC proc, UINT style, LPCSTR cursor) {
  WNDCLASSA wc{};
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = kStateBytes;
  wc.hCursor = LoadCursorA(nullptr, cursor);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

void NotifyParent(HWND hwnd, int code) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

HBRUSH ParentBrush(HWND hwnd, HDC dc, UINT ctlColorMsg) {
  HWND parent = GetParent(hwnd);
  LRESULT r = 0;
  if (parent) r = SendMessageA(parent, ctlColorMsg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
  if (!r) r = DefWindowProcA(hwnd, ctlColorMsg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
  return reinterpret_cast<HBRUSH>(r);
}

HFONT DefaultControlFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int FontHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  TEXTMETRICA tm{};
  {
    FontScope f(dc, font);
    GetTextMetricsA(dc, &tm);
  }
  ReleaseDC(nullptr, dc);
  return tm.tmHeight > 0 ? tm.tmHeight : 13;
}

std::string WindowText(HWND hwnd) {
  int n = GetWindowTextLengthA(hwnd);
  std::vector<char> buf(static_cast<size_t>(n) + 1, 0);
  GetWindowTextA(hwnd, buf.data(), n + 1);
  return buf.data();
}

bool KeyDown(int vk) {
  return GetKeyState(vk) < 0;
}

}  // namespace win::controls
