// MessageBoxA: a modal window of the window manager with the text wrapped,
// an authored icon and push buttons drawn by the box itself.
#include "platform/win/user/message_box.h"

#include <algorithm>
#include <cstdlib>
#include <cctype>
#include <cstring>

#include "platform/win/gdi/device_dc.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/modal.h"
#include "platform/win/user/scope_exit.h"
#include "platform/win/user/state.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/wingdi.h"

namespace win::user {

struct MessageBoxButton {
  int id;
  const char* label;
  RECT rect{};
};

struct MessageBoxLoop {
  HWND hwnd = nullptr;
  std::string text;
  UINT type = 0;
  HICON userIcon = nullptr;  // MB_USERICON's picture, when it loaded
  std::vector<MessageBoxButton> buttons;
  int focus = 0;
  int pressed = -1;
  RECT textRect{};
  bool done = false;
  int result = 0;
};

namespace {

using Button = MessageBoxButton;
using Box = MessageBoxLoop;

constexpr int kButtonWidth = 75, kButtonHeight = 23, kGap = 6, kMargin = 11, kIcon = 32;

std::vector<Button> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
  }
}

int DefaultIndex(UINT type, size_t count) {
  size_t i = (type & MB_DEFMASK) >> 8;
  return static_cast<int>(i < count ? i : 0);
}

// What Escape and the caption's close button answer; 0 when the box has no
// way out but its buttons.
int EscapeAnswer(const std::vector<Button>& buttons) {
  for (const Button& b : buttons)
    if (b.id == IDCANCEL) return IDCANCEL;
  if (buttons.size() == 1 && buttons[0].id == IDOK) return IDOK;
  return 0;
}

HFONT MessageFont() {
  static HFONT f = nullptr;
  if (!f) {
    NONCLIENTMETRICSA m{};
    m.cbSize = sizeof m;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    f = CreateFontIndirectA(&m.lfMessageFont);
  }
  return f;
}

// ---- authored icons: drawn from circles, a triangle and glyph strokes ----
void Disc(HDC dc, int cx, int cy, int r, COLORREF c) {
  for (int y = -r; y <= r; y++) {
    int half = 0;
    while ((half + 1) * (half + 1) + y * y <= r * r) half++;
    FillSolid(dc, {cx - half, cy + y, cx + half + 1, cy + y + 1}, c);
  }
}

void DrawIcon(HDC dc, int x, int y, UINT icon) {
  int cx = x + 16, cy = y + 16;
  COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  switch (icon) {
    case MB_ICONHAND:
      Disc(dc, cx, cy, 15, RGB(128, 0, 0));
      Disc(dc, cx, cy, 14, RGB(255, 0, 0));
      for (int i = -6; i <= 6; i++) {
        FillSolid(dc, {cx + i - 1, cy + i - 1, cx + i + 2, cy + i + 2}, white);
        FillSolid(dc, {cx + i - 1, cy - i - 1, cx + i + 2, cy - i + 2}, white);
      }
      break;
    case MB_ICONEXCLAMATION:
      for (int row = 0; row < 30; row++) {
        int half = row / 2 + 1;
        FillSolid(dc, {cx - half - 1, y + 1 + row, cx + half + 1, y + 2 + row}, black);
        if (row > 1 && row < 29)
          FillSolid(dc, {cx - half + 1, y + 1 + row, cx + half - 1, y + 2 + row}, RGB(255, 255, 0));
      }
      FillSolid(dc, {cx - 2, y + 9, cx + 2, y + 22}, black);
      FillSolid(dc, {cx - 2, y + 24, cx + 2, y + 28}, black);
      break;
    case MB_ICONQUESTION:
    case MB_ICONASTERISK: {
      Disc(dc, cx, cy - 2, 14, black);
      Disc(dc, cx, cy - 2, 13, white);
      // The speech bubble's tail.
      for (int i = 0; i < 6; i++) FillSolid(dc, {cx - 8 + i, cy + 10 + i, cx - 2, cy + 11 + i}, black);
      COLORREF blue = RGB(0, 0, 255);
      if (icon == MB_ICONASTERISK) {
        FillSolid(dc, {cx - 2, cy - 11, cx + 2, cy - 7}, blue);
        FillSolid(dc, {cx - 2, cy - 4, cx + 2, cy + 7}, blue);
        FillSolid(dc, {cx - 4, cy + 6, cx + 4, cy + 8}, blue);
      } else {
        FillSolid(dc, {cx - 6, cy - 11, cx + 5, cy - 8}, blue);
        FillSolid(dc, {cx + 3, cy - 10, cx + 6, cy - 3}, blue);
        FillSolid(dc, {cx - 2, cy - 4, cx + 5, cy - 1}, blue);
        FillSolid(dc, {cx - 2, cy - 2, cx + 1, cy + 3}, blue);
        FillSolid(dc, {cx - 2, cy + 5, cx + 1, cy + 8}, blue);
      }
      break;
    }
    default: break;
  }
}

void DrawButton(HDC dc, const Button& b, bool focused, bool pressed) {
  RECT r = b.rect;
  FillSolid(dc, r, Sys(COLOR_BTNFACE));
  if (focused) {
    Frame3D(dc, r, Sys(COLOR_WINDOWFRAME), Sys(COLOR_WINDOWFRAME));
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  if (pressed)
    Frame3D(dc, r, Sys(COLOR_3DSHADOW), Sys(COLOR_3DSHADOW));
  else
    Edge3D(dc, r, true);
  RECT t = b.rect;
  if (pressed) OffsetRect(&t, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Sys(COLOR_BTNTEXT));
  HGDIOBJ old = SelectObject(dc, MessageFont());
  DrawTextA(dc, b.label, -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (old) SelectObject(dc, old);
  if (focused) {
    RECT f{b.rect.left + 4, b.rect.top + 4, b.rect.right - 4, b.rect.bottom - 4};
    // A dotted focus line.
    for (int x = f.left; x < f.right; x += 2) {
      FillSolid(dc, {x, f.top, x + 1, f.top + 1}, Sys(COLOR_BTNTEXT));
      FillSolid(dc, {x, f.bottom - 1, x + 1, f.bottom}, Sys(COLOR_BTNTEXT));
    }
    for (int y = f.top; y < f.bottom; y += 2) {
      FillSolid(dc, {f.left, y, f.left + 1, y + 1}, Sys(COLOR_BTNTEXT));
      FillSolid(dc, {f.right - 1, y, f.right, y + 1}, Sys(COLOR_BTNTEXT));
    }
  }
}

void Paint(HWND hwnd, HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  FillSolid(dc, r, Sys(COLOR_BTNFACE));
  if (!WM().messageBox) return;
  UINT icon = WM().messageBox->type & MB_ICONMASK;
  if (icon == MB_USERICON) {
    if (WM().messageBox->userIcon)
      DrawIconEx(dc, kMargin, kMargin, WM().messageBox->userIcon, kIcon, kIcon, 0, nullptr, DI_NORMAL);
  } else if (icon) {
    DrawIcon(dc, kMargin, kMargin, icon);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Sys(COLOR_WINDOWTEXT));
  HGDIOBJ old = SelectObject(dc, MessageFont());
  RECT t = WM().messageBox->textRect;
  DrawTextA(dc, WM().messageBox->text.c_str(), static_cast<int>(WM().messageBox->text.size()), &t,
            DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
  if (old) SelectObject(dc, old);
  for (size_t i = 0; i < WM().messageBox->buttons.size(); i++)
    DrawButton(dc, WM().messageBox->buttons[i], static_cast<int>(i) == WM().messageBox->focus,
               static_cast<int>(i) == WM().messageBox->pressed);
}

void Answer(int id) {
  if (!WM().messageBox || !id) return;
  WM().messageBox->result = id;
  WM().messageBox->done = true;
}

void Refresh() {
  if (WM().messageBox && WM().messageBox->hwnd) {
    InvalidateRect(WM().messageBox->hwnd, nullptr, FALSE);
    UpdateWindow(WM().messageBox->hwnd);
  }
}

int ButtonAt(POINT client) {
  for (size_t i = 0; WM().messageBox && i < WM().messageBox->buttons.size(); i++)
    if (PtInRect(&WM().messageBox->buttons[i].rect, client)) return static_cast<int>(i);
  return -1;
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      Paint(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (WM().messageBox) {
        WM().messageBox->pressed = ButtonAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (WM().messageBox->pressed >= 0) {
          WM().messageBox->focus = WM().messageBox->pressed;
          SetCapture(hwnd);
        }
        Refresh();
      }
      return 0;
    case WM_LBUTTONUP:
      if (WM().messageBox && WM().messageBox->pressed >= 0) {
        int at = ButtonAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        int pressed = WM().messageBox->pressed;
        WM().messageBox->pressed = -1;
        ReleaseCapture();
        Refresh();
        if (at == pressed) Answer(WM().messageBox->buttons[static_cast<size_t>(at)].id);
      }
      return 0;
    case WM_CLOSE:
      if (WM().messageBox) Answer(EscapeAnswer(WM().messageBox->buttons));
      return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

void OnKey(WPARAM vk) {
  if (!WM().messageBox) return;
  int n = static_cast<int>(WM().messageBox->buttons.size());
  bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (vk) {
    case VK_ESCAPE: Answer(EscapeAnswer(WM().messageBox->buttons)); return;
    case VK_RETURN:
    case VK_SPACE: Answer(WM().messageBox->buttons[static_cast<size_t>(WM().messageBox->focus)].id); return;
    case VK_LEFT:
    case VK_UP:
      WM().messageBox->focus = (WM().messageBox->focus + n - 1) % n;
      Refresh();
      return;
    case VK_RIGHT:
    case VK_DOWN:
      WM().messageBox->focus = (WM().messageBox->focus + 1) % n;
      Refresh();
      return;
    case VK_TAB:
      WM().messageBox->focus = (WM().messageBox->focus + (shift ? n - 1 : 1)) % n;
      Refresh();
      return;
    default:
      if (vk >= 'A' && vk <= 'Z') {
        for (const Button& b : WM().messageBox->buttons) {
          const char* amp = std::strchr(b.label, '&');
          if (amp && std::toupper(static_cast<unsigned char>(amp[1])) == static_cast<int>(vk)) {
            Answer(b.id);
            return;
          }
        }
      }
      return;
  }
}

void RegisterBoxClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = BoxProc;
  wc.lpszClassName = "#32770";
  wc.hCursor = reinterpret_cast<HCURSOR>(static_cast<ULONG_PTR>(32512));
  RegisterClassA(&wc);
}

}  // namespace

void SetMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer) {
  WM().messageBoxAnswer = std::move(answer);
}

std::vector<MessageBoxRecord> TakeMessageBoxRecords() {
  std::vector<MessageBoxRecord> out;
  out.swap(WM().messageBoxRecords);
  return out;
}

HWND CurrentMessageBox() {
  return WM().messageBox ? WM().messageBox->hwnd : nullptr;
}

int DefaultAnswer(UINT type) {
  auto buttons = ButtonsFor(type);
  return buttons[static_cast<size_t>(DefaultIndex(type, buttons.size()))].id;
}

}  // namespace win::user

using namespace win::user;

namespace {

// The one box behind every message box call; userIcon is MB_USERICON's.
int ShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type, HICON userIcon) {
  MessageBoxRecord rec;
  rec.text = text ? text : "";
  rec.caption = caption ? caption : "Error";
  rec.type = type;
  int automatic = WM().messageBoxAnswer ? WM().messageBoxAnswer(rec) : 0;
  if (!automatic) {
    const char* env = std::getenv("DRUMS_MESSAGEBOX");
    if (env && std::strcmp(env, "default") == 0) automatic = DefaultAnswer(type);
  }
  if (automatic) {
    rec.result = automatic;
    rec.automatic = true;
    WM().messageBoxRecords.push_back(rec);
    return automatic;
  }
  if (WM().messageBox) {
    // One box at a time; a second one while the first is open waits its turn
    // as an automatic default answer, so that nothing blocks forever.
    rec.result = DefaultAnswer(type);
    rec.automatic = true;
    WM().messageBoxRecords.push_back(rec);
    return rec.result;
  }
  const bool ownIcon = (type & MB_ICONMASK) == MB_USERICON;
  MessageBeep(ownIcon ? MB_OK : type & MB_ICONMASK);
  RegisterBoxClass();
  Box box;
  box.text = rec.text;
  box.type = type;
  box.userIcon = ownIcon ? userIcon : nullptr;
  box.buttons = ButtonsFor(type);
  box.focus = DefaultIndex(type, box.buttons.size());

  // Text size: wrapped at about two thirds of the screen.
  HDC measure = win::gdi::CreateDeviceDC();
  HGDIOBJ old = SelectObject(measure, MessageFont());
  RECT tr{0, 0, GetSystemMetrics(SM_CXSCREEN) * 2 / 3, 0};
  DrawTextA(measure, box.text.c_str(), static_cast<int>(box.text.size()), &tr,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  if (old) SelectObject(measure, old);
  win::gdi::DeleteDeviceDC(measure);
  // A user icon that did not load leaves no room for itself.
  bool icon = ownIcon ? box.userIcon != nullptr : (type & MB_ICONMASK) != 0;
  int textLeft = kMargin + (icon ? kIcon + kMargin : 0);
  int textHeight = std::max<int>(tr.bottom - tr.top, icon ? kIcon : 0);
  int buttonsWidth = static_cast<int>(box.buttons.size()) * (kButtonWidth + kGap) - kGap;
  int clientW = std::max(textLeft + (tr.right - tr.left) + kMargin, buttonsWidth + 2 * kMargin);
  int clientH = kMargin + textHeight + kMargin + kButtonHeight + kMargin;
  int textTop = kMargin + (icon && tr.bottom - tr.top < kIcon ? (kIcon - (tr.bottom - tr.top)) / 2 : 0);
  box.textRect = {textLeft, textTop, textLeft + (tr.right - tr.left), textTop + (tr.bottom - tr.top)};
  int bx = (clientW - buttonsWidth) / 2, by = clientH - kMargin - kButtonHeight;
  for (Button& b : box.buttons) {
    b.rect = {bx, by, bx + kButtonWidth, by + kButtonHeight};
    bx += kButtonWidth + kGap;
  }
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = WS_EX_DLGMODALFRAME | ((type & (MB_SYSTEMMODAL | MB_TOPMOST)) ? WS_EX_TOPMOST : 0);
  RECT wr{0, 0, clientW, clientH};
  AdjustWindowRectEx(&wr, style, FALSE, exStyle);
  int w = wr.right - wr.left, h = wr.bottom - wr.top;

  // Disable the owner (or, without one for a task-modal box, every window of the thread).
  HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  std::vector<HWND> disabled;
  auto disable = [&](HWND hw) {
    if (hw && IsWindowEnabled(hw)) {
      EnableWindow(hw, FALSE);
      disabled.push_back(hw);
    }
  };
  if (top)
    disable(top);
  else if (type & MB_TASKMODAL)
    for (const WindowRef& t : RefsOf(TopLevels()))
      if (t && t->threadId == CurrentThreadId() && (t->style & WS_VISIBLE)) disable(t.Handle());

  RECT area;
  if (top)
    GetWindowRect(top, &area);
  else
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int x = area.left + (area.right - area.left - w) / 2, y = area.top + (area.bottom - area.top - h) / 2;
  RECT wa;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
  x = std::clamp<int>(x, wa.left, std::max<int>(wa.left, wa.right - w));
  y = std::clamp<int>(y, wa.top, std::max<int>(wa.top, wa.bottom - h));

  WM().messageBox = &box;
  // However the box ends (a handler may throw while it waits), it leaves
  // no box behind and gives the disabled windows back.
  auto close = [&] {
    if (WM().messageBox == &box) WM().messageBox = nullptr;
    if (box.hwnd && IsWindow(box.hwnd)) DestroyWindow(box.hwnd);
    std::vector<HWND> toEnable;
    toEnable.swap(disabled);
    for (HWND d : toEnable) EnableWindow(d, TRUE);
  };
  ScopeExit closeOnExit(close);
  HWND hwnd =
      CreateWindowExA(exStyle, "#32770", rec.caption.c_str(), style, x, y, w, h, top, nullptr, nullptr, nullptr);
  box.hwnd = hwnd;
  if (!hwnd) return 0;
  ShowWindow(hwnd, SW_SHOW);
  if (type & MB_SETFOREGROUND) SetForegroundWindow(hwnd);
  UpdateWindow(hwnd);

  MSG m;
  while (!box.done && IsWindow(hwnd)) {
    if (!NextModalMessage(m)) {
      box.result = EscapeAnswer(box.buttons) ? EscapeAnswer(box.buttons) : DefaultAnswer(type);
      break;
    }
    if ((m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) && GetActiveWindow() == hwnd) {
      if (m.message == WM_SYSKEYDOWN && m.wParam == VK_F4)
        Answer(EscapeAnswer(box.buttons));
      else
        OnKey(m.wParam);
      continue;
    }
    if ((m.message == WM_CHAR || m.message == WM_SYSCHAR || m.message == WM_KEYUP || m.message == WM_SYSKEYUP) &&
        GetActiveWindow() == hwnd)
      continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  WM().messageBox = nullptr;
  std::vector<HWND> toEnable;
  toEnable.swap(disabled);
  for (HWND d : toEnable) EnableWindow(d, TRUE);
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
  if (top && IsWindow(top)) SetActiveWindow(top);
  rec.result = box.result;
  WM().messageBoxRecords.push_back(rec);
  return box.result;
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return ShowMessageBox(owner, text, caption, type, nullptr);
}

int MessageBoxExA(HWND owner, LPCSTR text, LPCSTR caption, UINT type, WORD) {
  return MessageBoxA(owner, text, caption, type);
}

int MessageBoxIndirectA(const MSGBOXPARAMSA* params) {
  if (!params) return 0;
  HICON icon = nullptr;
  if ((params->dwStyle & MB_ICONMASK) == MB_USERICON && params->lpszIcon)
    icon = LoadIconA(params->hInstance, params->lpszIcon);
  return ShowMessageBox(params->hwndOwner, params->lpszText, params->lpszCaption, params->dwStyle, icon);
}
