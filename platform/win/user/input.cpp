// Host events become window messages: mouse, keys, activation, moves,
// sizes and dropped files.
#include "platform/win/user/input.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <mutex>

#include "platform/win/kernel/clock.h"
#include "platform/win/user/device_change.h"
#include "platform/win/user/drop_files.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/state.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/winuser_help.h"

namespace win::user {
namespace {

std::uint32_t ButtonBit(host::MouseButton b) {
  switch (b) {
    case host::MouseButton::Right: return host::ButtonRight;
    case host::MouseButton::Middle: return host::ButtonMiddle;
    default: return host::ButtonLeft;
  }
}

int ButtonVk(host::MouseButton b) {
  switch (b) {
    case host::MouseButton::Right: return VK_RBUTTON;
    case host::MouseButton::Middle: return VK_MBUTTON;
    default: return VK_LBUTTON;
  }
}

UINT ClientMessage(host::EventType type, host::MouseButton b, bool dbl) {
  if (type == host::EventType::MouseMove) return WM_MOUSEMOVE;
  bool down = type == host::EventType::MouseDown;
  switch (b) {
    case host::MouseButton::Right: return down ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
    case host::MouseButton::Middle: return down ? (dbl ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN) : WM_MBUTTONUP;
    default: return down ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
  }
}

void Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, POINT screen) {
  MSG m{};
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wp;
  m.lParam = lp;
  m.time = TickMillis();
  m.pt = screen;
  PostInput(m);
}

void UpdateModifiers(std::uint32_t mods) {
  if (mods == kKeepModifiers) return;
  std::lock_guard lock(WM().keysMutex);
  auto set = [](int vk, bool on) { WM().keys[vk] = static_cast<BYTE>((WM().keys[vk] & 0x01) | (on ? 0x80 : 0)); };
  set(VK_SHIFT, mods & host::ModShift);
  set(VK_CONTROL, mods & host::ModCtrl);
  set(VK_MENU, mods & host::ModAlt);
}

void EndTracking(POINT screen) {
  if (!WM().tracking.hwnd) return;
  HWND h = WM().tracking.hwnd;
  DWORD f = WM().tracking.flags;
  WM().tracking = {};
  if ((f & TME_LEAVE) && IsWindow(h)) Post(h, (f & TME_NONCLIENT) ? 0x02A2 : WM_MOUSELEAVE, 0, 0, screen);
}

}  // namespace

void SetMouseFilter(MouseFilter filter) {
  WM().mouseFilter = std::move(filter);
}

POINT CursorScreenPos() {
  return WM().cursorPos.load();
}
void SetCursorScreenPos(POINT p) {
  WM().cursorPos.store(p);
}

void SetKeyDown(int vk, bool down) {
  std::lock_guard lock(WM().keysMutex);
  vk &= 0xFF;
  if (down && !(WM().keys[vk] & 0x80)) WM().keys[vk] ^= 0x01;
  WM().keys[vk] = static_cast<BYTE>((WM().keys[vk] & 0x01) | (down ? 0x80 : 0));
}

WPARAM CurrentMouseKeys() {
  WPARAM k = 0;
  if (WM().buttons & host::ButtonLeft) k |= MK_LBUTTON;
  if (WM().buttons & host::ButtonRight) k |= MK_RBUTTON;
  if (WM().buttons & host::ButtonMiddle) k |= MK_MBUTTON;
  std::lock_guard lock(WM().keysMutex);
  if (WM().keys[VK_SHIFT] & 0x80) k |= MK_SHIFT;
  if (WM().keys[VK_CONTROL] & 0x80) k |= MK_CONTROL;
  return k;
}

void ForgetWindowInput(Window* w) {
  if (WM().tracking.hwnd == w->handle) WM().tracking = {};
  if (WM().underPointer == w->handle) WM().underPointer = nullptr;
  if (WM().lastClick.hwnd == w->handle) WM().lastClick = {};
}

Window* FromHostId(host::WindowId id) {
  if (!id) return nullptr;
  for (Window* t : TopLevels())
    if (t->hostId == id) return t;
  return nullptr;
}

void DeliverMouse(host::EventType type, POINT screen, host::MouseButton button, std::uint32_t mods, int wheel) {
  WM().cursorPos.store(screen);
  UpdateModifiers(mods);
  if (type == host::EventType::MouseDown) {
    WM().buttons |= ButtonBit(button);
    SetKeyDown(ButtonVk(button), true);
  } else if (type == host::EventType::MouseUp) {
    WM().buttons &= ~ButtonBit(button);
    SetKeyDown(ButtonVk(button), false);
  }
  if (WM().mouseFilter && type != host::EventType::MouseWheel && WM().mouseFilter(type, screen, button)) return;

  if (type == host::EventType::MouseWheel) {
    HWND target = Focus().focus ? Focus().focus : Focus().active;
    if (!target) return;
    Post(target, WM_MOUSEWHEEL, MAKEWPARAM(CurrentMouseKeys(), wheel), MAKELPARAM(screen.x, screen.y), screen);
    return;
  }

  HWND capture = Focus().capture;
  Window* w = capture ? FromHandle(capture) : WindowAtScreenPoint(screen);
  HWND under = w ? w->handle : nullptr;
  if (WM().tracking.hwnd && WM().tracking.hwnd != under) EndTracking(screen);
  WM().underPointer = under;
  if (!w) return;
  HWND hwnd = w->handle;
  const WindowRef self(w);  // handlers may destroy the window at any send
  LRESULT ht = HTCLIENT;
  if (!capture) ht = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (!self) return;

  if (IsEffectivelyDisabled(w) && !capture) {
    // Disabled windows get no mouse messages; a click on one beeps.
    if (type == host::EventType::MouseDown) MessageBeep(0);
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                 MAKELPARAM(HTERROR, type == host::EventType::MouseMove ? WM_MOUSEMOVE : WM_LBUTTONDOWN));
    return;
  }

  bool dbl = false;
  if (type == host::EventType::MouseDown) {
    DWORD now = TickMillis();
    int cx = GetSystemMetrics(SM_CXDOUBLECLK) / 2, cy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    bool nonClient = ht != HTCLIENT;
    bool candidate = WM().lastClick.valid && WM().lastClick.hwnd == hwnd && WM().lastClick.button == button &&
                     WM().lastClick.nonClient == nonClient && now - WM().lastClick.time <= GetDoubleClickTime() &&
                     std::abs(screen.x - WM().lastClick.pt.x) <= cx && std::abs(screen.y - WM().lastClick.pt.y) <= cy;
    bool wants = nonClient || (w->cls && (w->cls->style & CS_DBLCLKS));
    dbl = candidate && wants;
    if (dbl)
      WM().lastClick = {};
    else
      WM().lastClick = {hwnd, button, now, screen, true, nonClient};
  }
  UINT clientMsg = ClientMessage(type, button, dbl);
  if (!capture) {
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(static_cast<WORD>(ht), clientMsg));
    if (!self) return;
  }

  if (type == host::EventType::MouseDown) {
    Window* top = TopLevelOf(w);
    if (Focus().active != top->handle) {
      LRESULT r = SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle),
                               MAKELPARAM(static_cast<WORD>(ht), clientMsg));
      if (!self) return;
      if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT || r == 0) Activate(top, WA_CLICKACTIVE);
      if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) return;
      if (!self) return;
    }
  }

  if (type == host::EventType::MouseDown && (w->style & WS_CHILD)) {
    // Parents hear of clicks on their children, up the chain.
    for (Window* c = w; c && (c->style & WS_CHILD) && !(c->exStyle & WS_EX_NOPARENTNOTIFY) && c->parent;
         c = c->parent) {
      POINT pp = screen;
      ScreenToClient(c->parent->handle, &pp);
      UINT down = ClientMessage(type, button, false);
      SendMessageA(c->parent->handle, WM_PARENTNOTIFY, MAKEWPARAM(down, 0), MAKELPARAM(pp.x, pp.y));
    }
    if (!self) return;
  }
  if (ht == HTCLIENT) {
    POINT c = screen;
    ScreenToClient(hwnd, &c);
    Post(hwnd, clientMsg, CurrentMouseKeys(), MAKELPARAM(c.x, c.y), screen);
  } else {
    UINT nc = clientMsg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
    Post(hwnd, nc, static_cast<WPARAM>(ht), MAKELPARAM(screen.x, screen.y), screen);
  }
}

void HandleHostEvent(const host::Event& e) {
  Window* top = FromHostId(e.window);
  // The host's screen coordinates: the window may have moved since the
  // event was made, which would make its window coordinates stale.
  POINT screen{e.screenX, e.screenY};
  switch (e.type) {
    case host::EventType::MouseMove:
    case host::EventType::MouseDown:
    case host::EventType::MouseUp:
    case host::EventType::MouseWheel: DeliverMouse(e.type, screen, e.button, e.modifiers, e.wheel); break;
    case host::EventType::MouseLeave:
      if (!Focus().capture) EndTracking(CursorScreenPos());
      break;
    case host::EventType::KeyDown:
    case host::EventType::KeyUp: {
      bool down = e.type == host::EventType::KeyDown;
      UpdateModifiers(e.modifiers);
      int vk = e.key & 0xFF;
      SetKeyDown(vk, down);
      bool alt = (e.modifiers & host::ModAlt) || (vk == VK_MENU && down);
      bool ctrl = (e.modifiers & host::ModCtrl) != 0;
      bool sys = (alt && !ctrl) || vk == VK_F10;
      HWND target = Focus().focus ? Focus().focus : Focus().active;
      if (!target) {
        if (top)
          target = top->handle;
        else
          break;
      }
      // No focus window inside the active one: keys arrive as system keys.
      if (!Focus().focus) sys = true;
      UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
      LPARAM lp = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
      if (alt) lp |= 1L << 29;
      if (!down)
        lp |= 0xC0000000L;
      else if (e.repeat)
        lp |= 1L << 30;
      UINT msg = sys ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
      Post(target, msg, static_cast<WPARAM>(vk), static_cast<LPARAM>(static_cast<DWORD>(lp)), CursorScreenPos());
      break;
    }
    case host::EventType::TextInput: {
      HWND target = Focus().focus ? Focus().focus : Focus().active;
      if (!target) break;
      bool alt = false;
      {
        std::lock_guard lock(WM().keysMutex);
        alt = (WM().keys[VK_MENU] & 0x80) && !(WM().keys[VK_CONTROL] & 0x80);
      }
      // One WM_CHAR per byte: the text stays UTF-8 when controls join them.
      for (unsigned char ch : e.text) Post(target, alt ? WM_SYSCHAR : WM_CHAR, ch, 1, CursorScreenPos());
      break;
    }
    case host::EventType::FocusGained:
      if (top && !IsEffectivelyDisabled(top)) {
        if (!Focus().appActive)
          AppActivation(true, top);
        else if (Focus().active != top->handle)
          Activate(top, WA_ACTIVE);
      }
      break;
    case host::EventType::FocusLost: break;
    case host::EventType::AppActivated: AppActivation(true, top ? top : FromHandle(Focus().active)); break;
    case host::EventType::AppDeactivated: AppActivation(false, nullptr); break;
    case host::EventType::CloseRequested:
      if (top) SendMessageA(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case host::EventType::Exposed:
      if (top) MarkDirty(top, {0, 0, top->rect.right - top->rect.left, top->rect.bottom - top->rect.top});
      break;
    case host::EventType::Moved:
      if (top) {
        RECT r = top->rect;
        HostMovedOrSized(top, {e.x, e.y, e.x + (r.right - r.left), e.y + (r.bottom - r.top)});
      }
      break;
    case host::EventType::Resized:
      if (top) HostMovedOrSized(top, {top->rect.left, top->rect.top, top->rect.left + e.w, top->rect.top + e.h});
      break;
    case host::EventType::Minimized:
      if (top && !top->minimized) {
        top->restoreRect = top->rect;
        top->minimized = true;
        top->style |= WS_MINIMIZE;
        SendMessageA(top->handle, WM_SIZE, SIZE_MINIMIZED, 0);
      }
      break;
    case host::EventType::Restored:
      if (top && top->minimized) {
        top->minimized = false;
        top->style &= ~WS_MINIMIZE;
        InvalidateWindow(top, nullptr, true, true, true);
        SendMessageA(top->handle, WM_SIZE, top->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                     MAKELPARAM(top->client.right - top->client.left, top->client.bottom - top->client.top));
      }
      break;
    case host::EventType::FileDrop: DeliverDroppedFiles(screen, e.paths); break;
    case host::EventType::DisplayChanged: CheckVolumes(); break;
    case host::EventType::Quit:
      // The desktop ends the session: every main window is asked to close. A
      // window owned by a hidden one (a class-library program's forms are
      // owned by its hidden application window) is a main window too.
      for (Window* t : TopLevels())
        if ((t->style & WS_VISIBLE) && (!t->owner || !(t->owner->style & WS_VISIBLE)))
          PostMessageA(t->handle, WM_CLOSE, 0, 0);
      break;
  }
}

bool ConvertNextHostEvent() {
  if (WM().rawEvents.empty()) return false;
  host::Event e = std::move(WM().rawEvents.front());
  WM().rawEvents.pop_front();
  HandleHostEvent(e);
  return true;
}

bool HostEventsPending() {
  return !WM().rawEvents.empty();
}

void PumpHostEvents() {
  host::Event e;
  while (host::Get().PollEvent(e)) WM().rawEvents.push_back(std::move(e));
  if (WM().tracking.hwnd && (WM().tracking.flags & TME_HOVER) && WM().tracking.hoverDue &&
      clock::NowMicros() >= WM().tracking.hoverDue) {
    WM().tracking.hoverDue = 0;
    WM().tracking.flags &= ~TME_HOVER;
    POINT c = WM().cursorPos.load();
    if (IsWindow(WM().tracking.hwnd)) {
      ScreenToClient(WM().tracking.hwnd, &c);
      Post(WM().tracking.hwnd, WM_MOUSEHOVER, CurrentMouseKeys(), MAKELPARAM(c.x, c.y), CursorScreenPos());
    }
  }
  PollVolumes();
}

}  // namespace win::user

using namespace win::user;

SHORT GetKeyState(int vk) {
  std::lock_guard lock(WM().keysMutex);
  BYTE s = WM().keys[vk & 0xFF];
  SHORT r = 0;
  if (s & 0x80) r = static_cast<SHORT>(0xFF80);
  if (s & 0x01) r |= 1;
  return r;
}

SHORT GetAsyncKeyState(int vk) {
  std::lock_guard lock(WM().keysMutex);
  return (WM().keys[vk & 0xFF] & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

BOOL GetKeyboardState(PBYTE state) {
  if (!state) return FALSE;
  std::lock_guard lock(WM().keysMutex);
  std::memcpy(state, WM().keys.data(), 256);
  return TRUE;
}

BOOL SetKeyboardState(PBYTE state) {
  if (!state) return FALSE;
  std::lock_guard lock(WM().keysMutex);
  std::memcpy(WM().keys.data(), state, 256);
  return TRUE;
}

UINT MapVirtualKeyA(UINT code, UINT type) {
  // A fixed set-1 scan code table for the keys that have one.
  static const std::pair<UINT, UINT> table[] = {
      {VK_ESCAPE, 0x01},  {'1', 0x02},        {'2', 0x03},        {'3', 0x04},     {'4', 0x05},      {'5', 0x06},
      {'6', 0x07},        {'7', 0x08},        {'8', 0x09},        {'9', 0x0A},     {'0', 0x0B},      {VK_BACK, 0x0E},
      {VK_TAB, 0x0F},     {'Q', 0x10},        {'W', 0x11},        {'E', 0x12},     {'R', 0x13},      {'T', 0x14},
      {'Y', 0x15},        {'U', 0x16},        {'I', 0x17},        {'O', 0x18},     {'P', 0x19},      {VK_RETURN, 0x1C},
      {VK_CONTROL, 0x1D}, {'A', 0x1E},        {'S', 0x1F},        {'D', 0x20},     {'F', 0x21},      {'G', 0x22},
      {'H', 0x23},        {'J', 0x24},        {'K', 0x25},        {'L', 0x26},     {VK_SHIFT, 0x2A}, {'Z', 0x2C},
      {'X', 0x2D},        {'C', 0x2E},        {'V', 0x2F},        {'B', 0x30},     {'N', 0x31},      {'M', 0x32},
      {VK_MENU, 0x38},    {VK_SPACE, 0x39},   {VK_CAPITAL, 0x3A}, {VK_F1, 0x3B},   {VK_F2, 0x3C},    {VK_F3, 0x3D},
      {VK_F4, 0x3E},      {VK_F5, 0x3F},      {VK_F6, 0x40},      {VK_F7, 0x41},   {VK_F8, 0x42},    {VK_F9, 0x43},
      {VK_F10, 0x44},     {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46},  {VK_HOME, 0x47}, {VK_UP, 0x48},    {VK_PRIOR, 0x49},
      {VK_LEFT, 0x4B},    {VK_RIGHT, 0x4D},   {VK_END, 0x4F},     {VK_DOWN, 0x50}, {VK_NEXT, 0x51},  {VK_INSERT, 0x52},
      {VK_DELETE, 0x53},  {VK_F11, 0x57},     {VK_F12, 0x58},
  };
  switch (type) {
    case MAPVK_VK_TO_VSC:
      for (auto& [vk, sc] : table)
        if (vk == code) return sc;
      return 0;
    case MAPVK_VSC_TO_VK:
      for (auto& [vk, sc] : table)
        if (sc == code) return vk;
      return 0;
    case MAPVK_VK_TO_CHAR:
      if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return code;
      if (code == VK_SPACE || code == VK_RETURN || code == VK_TAB || code == VK_BACK || code == VK_ESCAPE) return code;
      return 0;
    default: return 0;
  }
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT t) {
  if (!t || t->cbSize < sizeof(TRACKMOUSEEVENT)) return FALSE;
  if (t->dwFlags & TME_QUERY) {
    t->hwndTrack = WM().tracking.hwnd;
    t->dwFlags = WM().tracking.flags;
    t->dwHoverTime = WM().tracking.hoverMs;
    return TRUE;
  }
  if (!IsWindow(t->hwndTrack)) return FALSE;
  if (t->dwFlags & TME_CANCEL) {
    if (WM().tracking.hwnd == t->hwndTrack) {
      WM().tracking.flags &= ~(t->dwFlags & (TME_HOVER | TME_LEAVE));
      if (!(WM().tracking.flags & (TME_HOVER | TME_LEAVE))) WM().tracking = {};
    }
    return TRUE;
  }
  // Tracking a window the pointer is not over ends at once with WM_MOUSELEAVE.
  if (WM().underPointer != t->hwndTrack) {
    if (t->dwFlags & TME_LEAVE) Post(t->hwndTrack, WM_MOUSELEAVE, 0, 0, CursorScreenPos());
    return TRUE;
  }
  if (WM().tracking.hwnd != t->hwndTrack) WM().tracking = {};
  WM().tracking.hwnd = t->hwndTrack;
  WM().tracking.flags |= t->dwFlags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT);
  if (t->dwFlags & TME_HOVER) {
    WM().tracking.hoverMs = t->dwHoverTime == HOVER_DEFAULT ? 400 : t->dwHoverTime;
    WM().tracking.hoverDue = win::clock::NowMicros() + std::uint64_t(WM().tracking.hoverMs) * 1000;
  }
  return TRUE;
}

BOOL DragDetect(HWND hwnd, POINT pt) {
  // Follows the mouse until it moves out of the drag box (true) or the
  // button is released (false).
  int cx = GetSystemMetrics(SM_CXDRAG), cy = GetSystemMetrics(SM_CYDRAG);
  ClientToScreen(hwnd, &pt);
  SetCapture(hwnd);
  MSG m;
  BOOL result = FALSE;
  for (;;) {
    if (!GetMessageA(&m, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (m.message == WM_MOUSEMOVE) {
      if (std::abs(m.pt.x - pt.x) > cx || std::abs(m.pt.y - pt.y) > cy) {
        result = TRUE;
        break;
      }
    } else if (m.message == WM_LBUTTONUP || m.message == WM_RBUTTONUP || m.message == WM_CANCELMODE) {
      break;
    } else if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
      break;
    } else {
      DispatchMessageA(&m);
    }
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  return result;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) return FALSE;
  int vk = static_cast<int>(msg->wParam);
  bool sys = msg->message == WM_SYSKEYDOWN;
  if (vk == VK_F1 && !sys) {
    PostMessageA(msg->hwnd, WM_KEYF1, 0, 0);
    return TRUE;
  }
  bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  int ch = 0;
  // Printable characters come from the host's text input; here only the
  // keys that make control characters, and Alt or Ctrl with a letter.
  if (vk == VK_RETURN)
    ch = 13;
  else if (vk == VK_BACK)
    ch = 8;
  else if (vk == VK_TAB && !sys)
    ch = 9;
  else if (vk == VK_ESCAPE)
    ch = 27;
  else if (ctrl && vk >= 'A' && vk <= 'Z')
    ch = vk - 'A' + 1;
  else if (sys && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')))
    ch = (vk >= 'A' && !shift) ? vk + 32 : vk;
  else if (sys && vk == VK_SPACE)
    ch = ' ';
  if (!ch) return FALSE;
  MSG m = *msg;
  m.message = sys ? WM_SYSCHAR : WM_CHAR;
  m.wParam = static_cast<WPARAM>(ch);
  Queue& q = CurrentQueue();
  {
    std::lock_guard lock(q.m);
    q.posted.push_front(m);
  }
  return TRUE;
}
