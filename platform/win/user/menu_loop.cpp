// The modal loop of open menus: popup menus (TrackPopupMenu) and the menu bar.
#include <algorithm>

#include "platform/win/user/draw_util.h"
#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/input.h"
#include "platform/win/user/menu.h"
#include "platform/win/user/modal.h"
#include "platform/win/user/nonclient.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/scope_exit.h"
#include "platform/win/user/state.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_help.h"

namespace win::user {

// One open menu level: a popup window showing a menu.
struct MenuLevel {
  HMENU menu = nullptr;
  HWND window = nullptr;
  int selected = -1;
};

struct MenuLoop {
  HWND owner = nullptr;
  bool popupMode = false;
  UINT flags = 0;
  HWND bar = nullptr;  // the window whose menu bar is in use
  int barSelected = -1;
  std::vector<MenuLevel> levels;
  bool done = false;
  bool chose = false;
  UINT chosen = 0;
  bool buttonDown = false;
};

namespace {

// Mouse events reach the loop as this private thread message (wParam: event
// type and button, lParam: screen point), so that it sees every click,
// inside its popups or not.
constexpr UINT kMenuMouse = WM_USER - 0x20;
const char* const kPopupClass = "#32768";
using Level = MenuLevel;

bool Notify() {
  return !(WM().menuLoop->flags & TPM_NONOTIFY);
}

Level* LevelOf(HWND popup) {
  if (!WM().menuLoop) return nullptr;
  for (Level& l : WM().menuLoop->levels)
    if (l.window == popup) return &l;
  return nullptr;
}

void PaintPopup(HWND hwnd, HDC dc) {
  Level* l = LevelOf(hwnd);
  Menu* m = l ? MenuFromHandle(l->menu) : nullptr;
  RECT r;
  GetClientRect(hwnd, &r);
  FillSolid(dc, r, Sys(COLOR_MENU));
  Edge3D(dc, r, true);
  if (!m) return;
  for (size_t i = 0; i < m->items.size(); i++)
    DrawMenuItem(dc, m, static_cast<int>(i), false, l->selected == static_cast<int>(i), WM().menuLoop->owner);
}

LRESULT CALLBACK PopupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      PaintPopup(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

void RegisterPopupClass() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSA wc{};
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = PopupProc;
  wc.lpszClassName = kPopupClass;
  RegisterClassA(&wc);
}

void RepaintBar() {
  if (!WM().menuLoop || !WM().menuLoop->bar) return;
  if (Window* w = FromHandle(WM().menuLoop->bar)) {
    w->ncPaint = true;
    PaintFrame(w);
    FlushPresents();
  }
}

void SendMenuSelect(HMENU menu, int index) {
  if (!Notify()) return;
  Menu* m = MenuFromHandle(menu);
  if (!m || index < 0 || static_cast<size_t>(index) >= m->items.size()) return;
  const MenuItem& it = m->items[static_cast<size_t>(index)];
  UINT flags = (it.state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT)) | MF_HILITE | (it.sub ? MF_POPUP : 0) |
               (it.type & (MF_SEPARATOR | MF_OWNERDRAW | MF_BITMAP));
  UINT id = it.sub ? static_cast<UINT>(index) : it.id;
  SendMessageA(WM().menuLoop->owner, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(menu));
}

void RedrawLevel(Level& l) {
  InvalidateRect(l.window, nullptr, FALSE);
  UpdateWindow(l.window);
}

// The highlighted item carries MFS_HILITE in its state while it is
// highlighted, as owners that search a menu from its highlight expect.
void MarkHilite(HMENU menu, int index) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return;
  for (size_t i = 0; i < m->items.size(); i++) {
    m->items[i].state &= ~static_cast<UINT>(MFS_HILITE);
    if (static_cast<int>(i) == index) m->items[i].state |= MFS_HILITE;
  }
}

void CloseFrom(size_t depth) {
  while (WM().menuLoop->levels.size() > depth) {
    Level l = WM().menuLoop->levels.back();
    WM().menuLoop->levels.pop_back();
    MarkHilite(l.menu, -1);
    DestroyWindow(l.window);
    if (Notify()) SendMessageA(WM().menuLoop->owner, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(l.menu), 0);
  }
}

// Opens a popup at a screen point, aligned as the flags say, kept inside the
// work area (flipping above or left of `avoid` when it does not fit).
void OpenPopup(HMENU menu, int x, int y, UINT align, const RECT* avoid, int indexInParent) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return;
  if (Notify())
    SendMessageA(WM().menuLoop->owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(indexInParent, FALSE));
  if (!(m = MenuFromHandle(menu)) || m->items.empty()) return;
  SIZE size = LayoutPopup(m, WM().menuLoop->owner);
  if (align & TPM_RIGHTALIGN)
    x -= size.cx;
  else if (align & TPM_CENTERALIGN)
    x -= size.cx / 2;
  if (align & TPM_BOTTOMALIGN)
    y -= size.cy;
  else if (align & TPM_VCENTERALIGN)
    y -= size.cy / 2;
  RECT wa;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
  if (x + size.cx > wa.right) x = avoid ? avoid->left - size.cx : wa.right - size.cx;
  if (y + size.cy > wa.bottom) y = avoid && avoid->top - size.cy >= wa.top ? avoid->top - size.cy : wa.bottom - size.cy;
  x = std::max<int>(x, wa.left);
  y = std::max<int>(y, wa.top);
  RegisterPopupClass();
  Level l;
  l.menu = menu;
  WM().menuLoop->levels.push_back(l);
  HWND owner = WM().menuLoop->owner ? GetAncestor(WM().menuLoop->owner, GA_ROOT) : nullptr;
  HWND w = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, "", WS_POPUP, x, y, size.cx, size.cy, owner,
                           nullptr, nullptr, nullptr);
  WM().menuLoop->levels.back().window = w;
  ShowWindow(w, SW_SHOWNOACTIVATE);
  UpdateWindow(w);
}

bool Selectable(const MenuItem& it) {
  return !(it.type & MFT_SEPARATOR);
}

void Select(size_t depth, int index) {
  Level& l = WM().menuLoop->levels[depth];
  if (l.selected == index) return;
  CloseFrom(depth + 1);
  Level& again = WM().menuLoop->levels[depth];
  again.selected = index;
  MarkHilite(again.menu, index);
  RedrawLevel(again);
  SendMenuSelect(again.menu, index);
}

void OpenSubmenu(size_t depth) {
  Level& l = WM().menuLoop->levels[depth];
  Menu* m = MenuFromHandle(l.menu);
  if (!m || l.selected < 0) return;
  MenuItem& it = m->items[static_cast<size_t>(l.selected)];
  if (!it.sub || (it.state & MFS_GRAYED) || WM().menuLoop->levels.size() > depth + 1) return;
  RECT wr;
  GetWindowRect(l.window, &wr);
  RECT ir = it.rect;
  OffsetRect(&ir, wr.left, wr.top);
  RECT avoid = wr;
  OpenPopup(it.sub, ir.right - 3, ir.top - 3, 0, &avoid, l.selected);
}

// Opens the popup of a menu bar item (or only highlights it).
void SelectBar(int index, bool open) {
  Window* w = FromHandle(WM().menuLoop->bar);
  Menu* m = w ? MenuFromHandle(w->menu) : nullptr;
  if (!m) return;
  CloseFrom(0);
  WM().menuLoop->barSelected = index;
  RepaintBar();
  SendMenuSelect(w->menu, index);
  if (!open || index < 0) return;
  MenuItem& it = m->items[static_cast<size_t>(index)];
  if (!it.sub || (it.state & MFS_GRAYED)) return;
  RECT wr = ScreenRect(w);
  RECT ir = it.rect;
  OffsetRect(&ir, wr.left, wr.top);
  OpenPopup(it.sub, ir.left, ir.bottom, 0, &ir, index);
}

void Choose(const MenuItem& it) {
  if (it.state & MFS_GRAYED) return;
  WM().menuLoop->done = true;
  WM().menuLoop->chose = true;
  WM().menuLoop->chosen = it.id;
}

int NextSelectable(Menu* m, int from, int step) {
  int n = static_cast<int>(m->items.size());
  if (n == 0) return -1;
  int i = from;
  for (int tries = 0; tries < n; tries++) {
    i = from < 0 && tries == 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
    if (Selectable(m->items[static_cast<size_t>(i)])) return i;
  }
  return -1;
}

Menu* CurrentMenu() {
  if (!WM().menuLoop->levels.empty()) return MenuFromHandle(WM().menuLoop->levels.back().menu);
  if (Window* w = FromHandle(WM().menuLoop->bar)) return MenuFromHandle(w->menu);
  return nullptr;
}

// Runs the item at index of the current menu: a submenu opens, a command is chosen.
void Execute(int index) {
  if (!WM().menuLoop->levels.empty()) {
    size_t depth = WM().menuLoop->levels.size() - 1;
    Select(depth, index);
    Menu* m = MenuFromHandle(WM().menuLoop->levels[depth].menu);
    MenuItem& it = m->items[static_cast<size_t>(index)];
    if (it.sub) {
      OpenSubmenu(depth);
      if (WM().menuLoop->levels.size() > depth + 1) Select(depth + 1, NextSelectable(MenuFromHandle(it.sub), -1, 1));
    } else {
      Choose(it);
    }
  } else {
    SelectBar(index, true);
    if (!WM().menuLoop->levels.empty()) Select(0, NextSelectable(MenuFromHandle(WM().menuLoop->levels[0].menu), -1, 1));
  }
}

void OnChar(char ch) {
  Menu* m = CurrentMenu();
  if (!m) return;
  ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  std::vector<int> hits;
  for (size_t i = 0; i < m->items.size(); i++)
    if (Selectable(m->items[i]) && Mnemonic(m->items[i].text) == ch) hits.push_back(static_cast<int>(i));
  if (hits.size() == 1) {
    Execute(hits[0]);
    return;
  }
  if (hits.size() > 1) {
    // Several share the letter: move among them.
    int cur = WM().menuLoop->levels.empty() ? WM().menuLoop->barSelected : WM().menuLoop->levels.back().selected;
    auto next = std::upper_bound(hits.begin(), hits.end(), cur);
    int target = next == hits.end() ? hits[0] : *next;
    if (WM().menuLoop->levels.empty())
      SelectBar(target, false);
    else
      Select(WM().menuLoop->levels.size() - 1, target);
    return;
  }
  LRESULT r = SendMessageA(WM().menuLoop->owner, WM_MENUCHAR,
                           MAKEWPARAM(static_cast<unsigned char>(ch), WM().menuLoop->levels.empty() ? 0 : MF_POPUP),
                           reinterpret_cast<LPARAM>(m->handle));
  switch (HIWORD(r)) {
    case MNC_EXECUTE: Execute(LOWORD(r)); break;
    case MNC_SELECT:
      if (WM().menuLoop->levels.empty())
        SelectBar(LOWORD(r), false);
      else
        Select(WM().menuLoop->levels.size() - 1, LOWORD(r));
      break;
    case MNC_CLOSE: WM().menuLoop->done = true; break;
    default: MessageBeep(0); break;
  }
}

// F1: the owner is asked for help on the highlighted item; the menu stays
// open.
void SendHelp() {
  Menu* m = CurrentMenu();
  const int selected =
      WM().menuLoop->levels.empty() ? WM().menuLoop->barSelected : WM().menuLoop->levels.back().selected;
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_MENUITEM;
  if (m && selected >= 0 && static_cast<size_t>(selected) < m->items.size())
    info.iCtrlId = static_cast<int>(m->items[static_cast<size_t>(selected)].id);
  info.hItemHandle = m ? m->handle : nullptr;
  info.MousePos = WM().cursorPos.load();
  SendMessageA(WM().menuLoop->owner, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void OnMenuKey(WPARAM vk) {
  bool inBar = WM().menuLoop->bar != nullptr;
  size_t depth = WM().menuLoop->levels.size();
  switch (vk) {
    case VK_ESCAPE:
      if (depth > 0 && !(depth == 1 && !inBar)) {
        CloseFrom(depth - 1);
        if (depth == 1 && inBar) RepaintBar();
      } else {
        WM().menuLoop->done = true;
      }
      return;
    case VK_MENU:
    case VK_F10: WM().menuLoop->done = true; return;
    case VK_F1: SendHelp(); return;
    case VK_UP:
    case VK_DOWN: {
      if (depth == 0) {
        if (inBar) SelectBar(std::max(WM().menuLoop->barSelected, 0), true);
        if (!WM().menuLoop->levels.empty())
          Select(0, NextSelectable(MenuFromHandle(WM().menuLoop->levels[0].menu), -1, 1));
        return;
      }
      Level& l = WM().menuLoop->levels.back();
      int next = NextSelectable(MenuFromHandle(l.menu), l.selected, vk == VK_DOWN ? 1 : -1);
      if (next >= 0) Select(depth - 1, next);
      return;
    }
    case VK_RIGHT: {
      if (depth > 0) {
        Level& l = WM().menuLoop->levels.back();
        Menu* m = MenuFromHandle(l.menu);
        if (m && l.selected >= 0 && m->items[static_cast<size_t>(l.selected)].sub) {
          OpenSubmenu(depth - 1);
          if (WM().menuLoop->levels.size() > depth)
            Select(depth, NextSelectable(MenuFromHandle(WM().menuLoop->levels[depth].menu), -1, 1));
          return;
        }
      }
      if (inBar) {
        Menu* bar = MenuFromHandle(FromHandle(WM().menuLoop->bar)->menu);
        bool open = depth > 0;
        SelectBar(NextSelectable(bar, WM().menuLoop->barSelected, 1), open);
        if (open && !WM().menuLoop->levels.empty())
          Select(0, NextSelectable(MenuFromHandle(WM().menuLoop->levels[0].menu), -1, 1));
      }
      return;
    }
    case VK_LEFT:
      if (depth > 1) {
        CloseFrom(depth - 1);
        return;
      }
      if (inBar) {
        Menu* bar = MenuFromHandle(FromHandle(WM().menuLoop->bar)->menu);
        bool open = depth > 0;
        SelectBar(NextSelectable(bar, WM().menuLoop->barSelected, -1), open);
        if (open && !WM().menuLoop->levels.empty())
          Select(0, NextSelectable(MenuFromHandle(WM().menuLoop->levels[0].menu), -1, 1));
      }
      return;
    case VK_RETURN:
    case VK_SPACE:
      if (depth > 0 && WM().menuLoop->levels.back().selected >= 0)
        Execute(WM().menuLoop->levels.back().selected);
      else if (depth == 0 && inBar && WM().menuLoop->barSelected >= 0)
        Execute(WM().menuLoop->barSelected);
      return;
    default:
      if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) OnChar(static_cast<char>(vk));
      return;
  }
}

struct Hit {
  int depth = -1;  // popup level, or -1 for the bar
  int item = -1;
  bool inMenu = false;
};

Hit HitAt(POINT screen) {
  Hit h;
  for (int d = static_cast<int>(WM().menuLoop->levels.size()) - 1; d >= 0; d--) {
    Level& l = WM().menuLoop->levels[static_cast<size_t>(d)];
    RECT wr;
    GetWindowRect(l.window, &wr);
    if (!PtInRect(&wr, screen)) continue;
    h.depth = d;
    h.inMenu = true;
    Menu* m = MenuFromHandle(l.menu);
    POINT p{screen.x - wr.left, screen.y - wr.top};
    for (size_t i = 0; m && i < m->items.size(); i++)
      if (PtInRect(&m->items[i].rect, p) && Selectable(m->items[i])) h.item = static_cast<int>(i);
    return h;
  }
  if (Window* w = FromHandle(WM().menuLoop->bar)) {
    FrameLayout f = LayoutFrame(w);
    RECT wr = ScreenRect(w);
    POINT p{screen.x - wr.left, screen.y - wr.top};
    if (PtInRect(&f.menuBar, p)) {
      h.inMenu = true;
      Menu* m = MenuFromHandle(w->menu);
      for (size_t i = 0; m && i < m->items.size(); i++)
        if (PtInRect(&m->items[i].rect, p)) h.item = static_cast<int>(i);
    }
  }
  return h;
}

void OnMouse(host::EventType type, host::MouseButton button, POINT screen) {
  Hit h = HitAt(screen);
  bool chooseButton = button == host::MouseButton::Left ||
                      (button == host::MouseButton::Right && (WM().menuLoop->flags & TPM_RIGHTBUTTON)) ||
                      (button == host::MouseButton::Right && WM().menuLoop->popupMode);
  if (type == host::EventType::MouseMove) {
    if (h.depth >= 0 && h.item >= 0) {
      Select(static_cast<size_t>(h.depth), h.item);
      OpenSubmenu(static_cast<size_t>(h.depth));
    } else if (h.depth < 0 && h.inMenu && h.item >= 0 && !WM().menuLoop->levels.empty() &&
               h.item != WM().menuLoop->barSelected) {
      SelectBar(h.item, true);  // sliding along an open menu bar
    }
    return;
  }
  if (type == host::EventType::MouseDown) {
    if (!h.inMenu) {
      WM().menuLoop->done = true;  // a click outside closes the menus
      return;
    }
    WM().menuLoop->buttonDown = true;
    if (h.depth < 0 && h.item >= 0) {
      bool wasOpen = !WM().menuLoop->levels.empty() && h.item == WM().menuLoop->barSelected;
      if (wasOpen) {
        CloseFrom(0);
        RepaintBar();
      } else {
        SelectBar(h.item, true);
      }
    }
    return;
  }
  if (type == host::EventType::MouseUp && chooseButton && h.depth >= 0 && h.item >= 0) {
    Menu* m = MenuFromHandle(WM().menuLoop->levels[static_cast<size_t>(h.depth)].menu);
    const MenuItem& it = m->items[static_cast<size_t>(h.item)];
    if (!it.sub) Choose(it);
  }
}

UINT RunLoop() {
  HWND owner = WM().menuLoop->owner;
  if (GetCapture()) ReleaseCapture();
  SetMouseFilter([](host::EventType type, POINT screen, host::MouseButton button) {
    PostThreadMessageA(CurrentThreadId(), kMenuMouse, MAKEWPARAM(static_cast<int>(type), static_cast<int>(button)),
                       MAKELPARAM(screen.x, screen.y));
    return true;
  });
  MSG m;
  while (!WM().menuLoop->done) {
    if (!NextModalMessage(m)) break;
    if (m.message == kMenuMouse && !m.hwnd) {
      OnMouse(static_cast<host::EventType>(LOWORD(m.wParam)), static_cast<host::MouseButton>(HIWORD(m.wParam)),
              {GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
    } else if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
      OnMenuKey(m.wParam);
    } else if (m.message == WM_KEYUP || m.message == WM_SYSKEYUP || m.message == WM_CHAR || m.message == WM_SYSCHAR) {
      // Keys belong to the menu while it is open.
    } else {
      DispatchMessageA(&m);
    }
    if (!IsWindow(owner)) break;
  }
  SetMouseFilter(nullptr);
  CloseFrom(0);
  while (PeekMessageA(&m, nullptr, kMenuMouse, kMenuMouse, PM_REMOVE)) {}
  return WM().menuLoop->chose ? WM().menuLoop->chosen : 0;
}

// What an open menu leaves behind when a handler throws out of it: its
// popups, the mouse filter, its private mouse messages, the highlighted bar
// item and the loop itself. The owner is told nothing more, as its handler
// is what failed. Does nothing once the loop ended normally.
void AbandonLoop(MenuLoop& loop) {
  if (WM().menuLoop != &loop) return;
  SetMouseFilter(nullptr);
  while (!loop.levels.empty()) {
    HWND popup = loop.levels.back().window;
    MarkHilite(loop.levels.back().menu, -1);
    loop.levels.pop_back();
    DestroyWindow(popup);
  }
  MSG m;
  while (PeekMessageA(&m, nullptr, kMenuMouse, kMenuMouse, PM_REMOVE)) {}
  loop.barSelected = -1;
  RepaintBar();
  WM().menuLoop = nullptr;
}

void Finish(HWND owner, bool popupMode, bool notify) {
  if (!IsWindow(owner)) return;
  if (notify) SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  SendMessageA(owner, WM_EXITMENULOOP, popupMode, 0);
}

}  // namespace

void PaintMenuBar(Window* w, HDC dc, const RECT& bar) {
  Menu* m = MenuFromHandle(w->menu);
  FillSolid(dc, bar, Sys(COLOR_MENU));
  if (!m) return;
  LayoutBar(m, bar, dc);
  int selected = WM().menuLoop && WM().menuLoop->bar == w->handle ? WM().menuLoop->barSelected : -1;
  for (size_t i = 0; i < m->items.size(); i++)
    DrawMenuItem(dc, m, static_cast<int>(i), true, selected == static_cast<int>(i) && !WM().menuLoop->levels.empty(),
                 w->handle);
  if (selected >= 0 && WM().menuLoop->levels.empty()) {
    // Highlighted but closed: a raised frame.
    RECT r = m->items[static_cast<size_t>(selected)].rect;
    Frame3D(dc, r, Sys(COLOR_3DHIGHLIGHT), Sys(COLOR_3DSHADOW));
  }
}

void MenuBarLoop(Window* w, POINT screen, bool byMouse, int key) {
  if (WM().menuLoop) return;
  Window* top = TopLevelOf(w);
  HWND hwnd = top->handle;
  Menu* m = MenuFromHandle(top->menu);
  if (!m || m->items.empty()) {
    if (key) MessageBeep(0);
    return;
  }
  MenuLoop loop;
  loop.owner = hwnd;
  loop.bar = hwnd;
  WM().menuLoop = &loop;
  ScopeExit abandon([&] { AbandonLoop(loop); });
  SendMessageA(hwnd, WM_ENTERMENULOOP, FALSE, 0);
  SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(top->menu), 0);
  if (byMouse) {
    Hit h = HitAt(screen);
    if (h.item >= 0)
      SelectBar(h.item, true);
    else
      loop.done = true;
  } else if (key) {
    SelectBar(-1, false);
    OnChar(static_cast<char>(key));
    if (loop.levels.empty() && !loop.done && loop.barSelected < 0) loop.done = true;
  } else {
    SelectBar(NextSelectable(m, -1, 1), false);
  }
  UINT id = loop.done && !loop.chose ? 0 : RunLoop();
  if (loop.chose) id = loop.chosen;
  CloseFrom(0);
  loop.barSelected = -1;
  RepaintBar();
  WM().menuLoop = nullptr;
  Finish(hwnd, false, true);
  if (id && IsWindow(hwnd)) PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

}  // namespace win::user

using namespace win::user;

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND hwnd, LPTPMPARAMS params) {
  if (!MenuFromHandle(menu) || !IsWindow(hwnd) || WM().menuLoop) return FALSE;
  MenuLoop loop;
  loop.owner = hwnd;
  loop.popupMode = true;
  loop.flags = flags;
  WM().menuLoop = &loop;
  ScopeExit abandon([&] { AbandonLoop(loop); });
  SendMessageA(hwnd, WM_ENTERMENULOOP, TRUE, 0);
  if (Notify()) SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  OpenPopup(menu, x, y, flags, params ? &params->rcExclude : nullptr, 0);
  UINT id = loop.levels.empty() ? 0 : RunLoop();
  WM().menuLoop = nullptr;
  Finish(hwnd, true, !(flags & TPM_NONOTIFY));
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(id);
  if (id && !(flags & TPM_NONOTIFY)) PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND hwnd, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, hwnd, nullptr);
}

BOOL EndMenu() {
  if (!WM().menuLoop) return FALSE;
  WM().menuLoop->done = true;
  PostThreadMessageA(CurrentThreadId(), WM_NULL, 0, 0);
  return TRUE;
}
