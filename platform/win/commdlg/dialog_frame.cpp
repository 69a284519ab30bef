#include "platform/win/commdlg/dialog_frame.h"

#include <strings.h>
#include <vector>

#include "platform/win/commdlg.h"
#include "platform/win/drums_ext.h"

namespace win::commdlg {
namespace {

constexpr char kFrameClass[] = "CommonDialogFrame";
DWORD g_error = 0;

void RegisterFrameClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  wc.lpszClassName = kFrameClass;
  RegisterClassA(&wc);
}

bool IsPushButton(HWND h) {
  char cls[16] = {};
  GetClassNameA(h, cls, sizeof cls);
  LONG type = GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK;
  return strcasecmp(cls, "BUTTON") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

void SetDialogError(DWORD error) {
  g_error = error;
}

DialogFrame::DialogFrame(HWND owner, const std::string& title, int clientWidth, int clientHeight)
    : owner_(owner ? GetAncestor(owner, GA_ROOT) : nullptr) {
  RegisterFrameClass();
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  int w = r.right - r.left, h = r.bottom - r.top;
  RECT over;
  if (owner_)
    GetWindowRect(owner_, &over);
  else
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
  int x = (over.left + over.right - w) / 2, y = (over.top + over.bottom - h) / 2;
  hwnd_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kFrameClass, title.c_str(), style, x, y, w, h, owner_, nullptr, nullptr,
                          nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
}

DialogFrame::~DialogFrame() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

HWND DialogFrame::Add(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id,
                      DWORD exStyle) {
  HWND c = CreateWindowExA(exStyle, cls, text, style | WS_CHILD | WS_VISIBLE, x, y, w, h, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return c;
}

LRESULT CALLBACK DialogFrame::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<DialogFrame*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_COMMAND:
      if (self->onCommand) self->onCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_CLOSE: self->End(IDCANCEL); return 0;
    default: break;
  }
  LRESULT result = 0;
  if (self->onMessage && self->onMessage(msg, wp, lp, result)) return result;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void DialogFrame::GrowClient(int dx, int dy) {
  RECT r;
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogFrame::End(int code) {
  done_ = true;
  code_ = code;
  PostMessageA(hwnd_, WM_NULL, 0, 0);  // wakes the loop if it waits
}

void DialogFrame::MoveFocus(bool forward) {
  std::vector<HWND> stops;
  for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if ((GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(c) && IsWindowEnabled(c)) stops.push_back(c);
  if (stops.empty()) return;
  HWND focus = GetFocus();
  size_t at = stops.size();
  for (size_t i = 0; i < stops.size(); i++)
    if (stops[i] == focus || IsChild(stops[i], focus)) at = i;
  size_t next = at == stops.size() ? 0 : forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  SetFocus(stops[next]);
  char cls[16] = {};
  GetClassNameA(stops[next], cls, sizeof cls);
  if (strcasecmp(cls, "EDIT") == 0) SendMessageA(stops[next], EM_SETSEL, 0, -1);
}

bool DialogFrame::PreTranslate(const MSG& m) {
  if (m.message != WM_KEYDOWN && m.message != WM_CHAR) return false;
  if (m.hwnd != hwnd_ && !IsChild(hwnd_, m.hwnd)) return false;
  // A dropped combo list takes its own Enter and Escape.
  HWND focus = GetFocus();
  HWND combo = focus ? GetParent(focus) : nullptr;
  auto dropped = [](HWND h) { return h && SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0) != 0; };
  char cls[16] = {};
  if (combo) GetClassNameA(combo, cls, sizeof cls);
  bool inCombo = strcasecmp(cls, "COMBOBOX") == 0 && dropped(combo);
  GetClassNameA(focus, cls, sizeof cls);
  inCombo = inCombo || (strcasecmp(cls, "COMBOBOX") == 0 && dropped(focus));
  if (inCombo) return false;
  if (m.message == WM_CHAR) return m.wParam == '\r' || m.wParam == 27 || m.wParam == '\t';
  switch (m.wParam) {
    case VK_ESCAPE: End(IDCANCEL); return true;
    case VK_RETURN:
      if (focus && IsPushButton(focus))
        SendMessageA(focus, BM_CLICK, 0, 0);
      else if (onCommand)
        onCommand(IDOK, BN_CLICKED);
      return true;
    case VK_TAB: MoveFocus(GetKeyState(VK_SHIFT) >= 0); return true;
    default: return false;
  }
}

int DialogFrame::Run(HWND firstFocus) {
  SetDialogError(0);
  bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
  if (ownerWasEnabled) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetActiveWindow(hwnd_);
  if (firstFocus) SetFocus(firstFocus);
  while (!done_ && IsWindow(hwnd_)) {
    MSG m;
    while (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (done_) break;
      win::user::IdleThenWait();
    }
    if (done_) break;
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      code_ = IDCANCEL;
      break;
    }
    if (PreTranslate(m)) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (ownerWasEnabled) EnableWindow(owner_, TRUE);
  if (IsWindow(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
  if (owner_ && IsWindow(owner_)) SetActiveWindow(owner_);
  return code_;
}

}  // namespace win::commdlg

DWORD CommDlgExtendedError() {
  return win::commdlg::g_error;
}
