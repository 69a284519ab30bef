// The menu records and the calls that build and query them.
#include "platform/win/user/menu.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/nonclient.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {

std::map<UINT_PTR, std::unique_ptr<Menu>>& Menus() {
  return WM().menus;
}

HMENU NewMenu(bool popup) {
  auto m = std::make_unique<Menu>();
  m->popup = popup;
  UINT_PTR v = WM().nextMenu;
  WM().nextMenu += 4;
  m->handle = reinterpret_cast<HMENU>(v);
  HMENU h = m->handle;
  Menus()[v] = std::move(m);
  return h;
}

MenuItem ItemFrom(UINT flags, UINT_PTR idNew, LPCSTR text) {
  MenuItem it;
  it.type = flags & (MF_SEPARATOR | MF_OWNERDRAW | MF_BITMAP | MF_MENUBREAK | MF_MENUBARBREAK | MF_RIGHTJUSTIFY);
  it.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT | MF_HILITE);
  if (it.state & MF_DISABLED) it.state |= MF_GRAYED;  // both look and act disabled here
  if (flags & MF_POPUP)
    it.sub = reinterpret_cast<HMENU>(idNew);
  else
    it.id = static_cast<UINT>(idNew);
  if (flags & (MF_OWNERDRAW))
    it.data = reinterpret_cast<ULONG_PTR>(text);
  else if (flags & MF_BITMAP)
    it.bmpItem = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
  else if (!(flags & MF_SEPARATOR) && text)
    it.text = text;
  return it;
}

void RefreshBars(HMENU menu) {
  for (Window* t : TopLevels())
    if (t->menu == menu && IsReallyVisible(t)) {
      t->ncPaint = true;
      PaintFrame(t);
    }
}

int IndexOf(Menu* holder, MenuItem* it) {
  return static_cast<int>(it - holder->items.data());
}

}  // namespace

Menu* MenuFromHandle(HMENU menu) {
  auto it = Menus().find(reinterpret_cast<UINT_PTR>(menu));
  return it == Menus().end() ? nullptr : it->second.get();
}

MenuItem* FindItem(HMENU menu, UINT item, bool byPosition, Menu** holder) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return nullptr;
  if (byPosition) {
    if (item >= m->items.size()) return nullptr;
    if (holder) *holder = m;
    return &m->items[item];
  }
  for (MenuItem& it : m->items) {
    if (!it.sub && it.id == item && !(it.type & MFT_SEPARATOR)) {
      if (holder) *holder = m;
      return &it;
    }
  }
  for (MenuItem& it : m->items)
    if (it.sub)
      if (MenuItem* found = FindItem(it.sub, item, false, holder)) return found;
  // A popup item can also be named by its submenu handle.
  for (MenuItem& it : m->items)
    if (it.sub && reinterpret_cast<UINT_PTR>(it.sub) == item) {
      if (holder) *holder = m;
      return &it;
    }
  return nullptr;
}

char Mnemonic(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); i++) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      i++;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

}  // namespace win::user

using namespace win::user;

HMENU CreateMenu() {
  return NewMenu(false);
}
HMENU CreatePopupMenu() {
  return NewMenu(true);
}

BOOL IsMenu(HMENU menu) {
  return MenuFromHandle(menu) != nullptr;
}

BOOL DestroyMenu(HMENU menu) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return FALSE;
  std::vector<HMENU> subs;
  for (MenuItem& it : m->items)
    if (it.sub) subs.push_back(it.sub);
  Menus().erase(reinterpret_cast<UINT_PTR>(menu));
  for (HMENU s : subs) DestroyMenu(s);
  for (Window* t : TopLevels())
    if (t->menu == menu) t->menu = nullptr;
  return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNew, LPCSTR text) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return FALSE;
  size_t at = m->items.size();
  if (flags & MF_BYPOSITION) {
    if (position != 0xFFFFFFFF) at = std::min<size_t>(position, m->items.size());
  } else if (position != 0xFFFFFFFF) {
    Menu* holder = nullptr;
    MenuItem* it = FindItem(menu, position, false, &holder);
    if (it) {
      holder->items.insert(holder->items.begin() + IndexOf(holder, it), ItemFrom(flags, idNew, text));
      RefreshBars(menu);
      return TRUE;
    }
  }
  m->items.insert(m->items.begin() + static_cast<long>(at), ItemFrom(flags, idNew, text));
  RefreshBars(menu);
  return TRUE;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNew, LPCSTR text) {
  return InsertMenuA(menu, 0xFFFFFFFF, flags | MF_BYPOSITION, idNew, text);
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNew, LPCSTR text) {
  MenuItem* it = FindItem(menu, position, (flags & MF_BYPOSITION) != 0);
  if (!it) return FALSE;
  MenuItem fresh = ItemFrom(flags, idNew, text);
  fresh.data = (flags & MF_OWNERDRAW) ? fresh.data : it->data;
  *it = fresh;
  RefreshBars(menu);
  return TRUE;
}

static BOOL Remove(HMENU menu, UINT position, UINT flags, bool destroy) {
  Menu* holder = nullptr;
  MenuItem* it = FindItem(menu, position, (flags & MF_BYPOSITION) != 0, &holder);
  if (!it) return FALSE;
  HMENU sub = it->sub;
  holder->items.erase(holder->items.begin() + IndexOf(holder, it));
  if (destroy && sub) DestroyMenu(sub);
  RefreshBars(menu);
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  return Remove(menu, position, flags, true);
}
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
  return Remove(menu, position, flags, false);
}

int GetMenuItemCount(HMENU menu) {
  Menu* m = MenuFromHandle(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int pos) {
  Menu* m = MenuFromHandle(menu);
  if (!m || pos < 0 || static_cast<size_t>(pos) >= m->items.size()) return 0xFFFFFFFF;
  const MenuItem& it = m->items[static_cast<size_t>(pos)];
  return it.sub ? 0xFFFFFFFF : it.id;
}

UINT GetMenuState(HMENU menu, UINT id, UINT flags) {
  MenuItem* it = FindItem(menu, id, (flags & MF_BYPOSITION) != 0);
  if (!it) return 0xFFFFFFFF;
  UINT state = it->state | it->type;
  if (it->sub) {
    Menu* s = MenuFromHandle(it->sub);
    state = (state & 0xFF) | (s ? static_cast<UINT>(s->items.size()) << 8 : 0) | MF_POPUP;
  }
  return state;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR text, int maxCount, UINT flags) {
  MenuItem* it = FindItem(menu, item, (flags & MF_BYPOSITION) != 0);
  if (!it) return 0;
  if (!text || maxCount <= 0) return static_cast<int>(it->text.size());
  int n = std::min<int>(static_cast<int>(it->text.size()), maxCount - 1);
  std::memcpy(text, it->text.data(), static_cast<size_t>(n));
  text[n] = 0;
  return n;
}

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info) {
  MenuItem* it = FindItem(menu, item, byPosition != 0);
  if (!it || !info) return FALSE;
  if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = it->type;
  if (info->fMask & MIIM_STATE) info->fState = it->state;
  if (info->fMask & MIIM_ID) info->wID = it->id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = it->sub;
  if (info->fMask & MIIM_CHECKMARKS) {
    info->hbmpChecked = it->bmpChecked;
    info->hbmpUnchecked = it->bmpUnchecked;
  }
  if (info->fMask & MIIM_DATA) info->dwItemData = it->data;
  if (info->fMask & MIIM_BITMAP) info->hbmpItem = it->bmpItem;
  if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
    if ((info->fMask & MIIM_TYPE) && (it->type & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP))) {
      info->cch = 0;
    } else {
      UINT n = static_cast<UINT>(it->text.size());
      if (info->dwTypeData && info->cch > 0) {
        UINT c = std::min(n, info->cch - 1);
        std::memcpy(info->dwTypeData, it->text.data(), c);
        info->dwTypeData[c] = 0;
      }
      info->cch = n;
    }
  }
  return TRUE;
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
  MenuItem* it = FindItem(menu, item, byPosition != 0);
  if (!it || !info) return FALSE;
  if (info->fMask & MIIM_TYPE) {
    it->type = info->fType;
    if (!(info->fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)))
      it->text = info->dwTypeData ? info->dwTypeData : "";
    else if (info->fType & MFT_OWNERDRAW)
      it->data = reinterpret_cast<ULONG_PTR>(info->dwTypeData);
  }
  if (info->fMask & MIIM_FTYPE) it->type = info->fType;
  if (info->fMask & MIIM_STRING) it->text = info->dwTypeData ? info->dwTypeData : "";
  if (info->fMask & MIIM_STATE) it->state = info->fState;
  if (info->fMask & MIIM_ID) it->id = info->wID;
  if (info->fMask & MIIM_SUBMENU) it->sub = info->hSubMenu;
  if (info->fMask & MIIM_CHECKMARKS) {
    it->bmpChecked = info->hbmpChecked;
    it->bmpUnchecked = info->hbmpUnchecked;
  }
  if (info->fMask & MIIM_DATA) it->data = info->dwItemData;
  if (info->fMask & MIIM_BITMAP) it->bmpItem = info->hbmpItem;
  RefreshBars(menu);
  return TRUE;
}

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info) {
  Menu* m = MenuFromHandle(menu);
  if (!m || !info) return FALSE;
  Menu* holder = m;
  size_t at = m->items.size();
  if (byPosition) {
    if (item != 0xFFFFFFFF) at = std::min<size_t>(item, m->items.size());
  } else if (MenuItem* it = FindItem(menu, item, false, &holder)) {
    at = static_cast<size_t>(IndexOf(holder, it));
  } else {
    holder = m;
  }
  holder->items.insert(holder->items.begin() + static_cast<long>(at), MenuItem{});
  return SetMenuItemInfoA(holder->handle, static_cast<UINT>(at), TRUE, info);
}

DWORD CheckMenuItem(HMENU menu, UINT id, UINT check) {
  MenuItem* it = FindItem(menu, id, (check & MF_BYPOSITION) != 0);
  if (!it) return 0xFFFFFFFF;
  DWORD old = it->state & MF_CHECKED;
  if (check & MF_CHECKED)
    it->state |= MF_CHECKED;
  else
    it->state &= ~MF_CHECKED;
  return old;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  bool byPos = (flags & MF_BYPOSITION) != 0;
  Menu* holder = nullptr;
  MenuItem* a = FindItem(menu, first, byPos, &holder);
  Menu* holder2 = nullptr;
  MenuItem* b = FindItem(menu, last, byPos, &holder2);
  if (!a || !b || holder != holder2) return FALSE;
  bool found = false;
  for (int i = IndexOf(holder, a); i <= IndexOf(holder, b); i++) {
    MenuItem& it = holder->items[static_cast<size_t>(i)];
    bool on = byPos ? static_cast<UINT>(i) == check : it.id == check;
    if (on) {
      it.state |= MF_CHECKED;
      it.type |= MFT_RADIOCHECK;
      found = true;
    } else {
      it.state &= ~MF_CHECKED;
    }
  }
  return found;
}

BOOL EnableMenuItem(HMENU menu, UINT id, UINT enable) {
  MenuItem* it = FindItem(menu, id, (enable & MF_BYPOSITION) != 0);
  if (!it) return -1;
  BOOL old = static_cast<BOOL>(it->state & (MF_GRAYED | MF_DISABLED));
  it->state = (it->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  if (it->state & MF_DISABLED) it->state |= MF_GRAYED;
  RefreshBars(menu);
  return old;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPos) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return FALSE;
  for (MenuItem& it : m->items) it.state &= ~MFS_DEFAULT;
  if (item == 0xFFFFFFFF) return TRUE;
  MenuItem* it = nullptr;
  if (byPos)
    it = item < m->items.size() ? &m->items[item] : nullptr;
  else
    for (MenuItem& x : m->items)
      if (x.id == item && !x.sub) it = &x;
  if (!it) return FALSE;
  it->state |= MFS_DEFAULT;
  return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPos, UINT flags) {
  Menu* m = MenuFromHandle(menu);
  if (!m) return 0xFFFFFFFF;
  for (size_t i = 0; i < m->items.size(); i++) {
    MenuItem& it = m->items[i];
    if (!(it.state & MFS_DEFAULT)) continue;
    if ((it.state & MFS_GRAYED) && !(flags & GMDI_USEDISABLED)) return 0xFFFFFFFF;
    if (it.sub && (flags & GMDI_GOINTOPOPUPS)) {
      UINT inner = GetMenuDefaultItem(it.sub, byPos, flags);
      if (inner != 0xFFFFFFFF) return inner;
    }
    return byPos ? static_cast<UINT>(i) : it.id;
  }
  return 0xFFFFFFFF;
}

HMENU GetSubMenu(HMENU menu, int pos) {
  Menu* m = MenuFromHandle(menu);
  if (!m || pos < 0 || static_cast<size_t>(pos) >= m->items.size()) return nullptr;
  return m->items[static_cast<size_t>(pos)].sub;
}

HMENU GetMenu(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && !w->parent ? w->menu : nullptr;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
  Window* w = FromHandle(hwnd);
  if (!w || w->parent) return FALSE;
  if (menu && !IsMenu(menu)) return FALSE;
  w->menu = menu;
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

BOOL DrawMenuBar(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w || !HasMenuBar(w)) return FALSE;
  if (IsReallyVisible(w)) {
    w->ncPaint = true;
    PaintFrame(w);
  }
  return TRUE;
}

HMENU GetSystemMenu(HWND, BOOL) {
  // No system menu is offered: the caption's buttons do its work.
  return nullptr;
}

LONG GetMenuCheckMarkDimensions() {
  return MAKELONG(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK));
}
