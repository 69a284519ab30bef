// The list view: inserting, changing, reading, finding, sorting and
// deleting items and sub-items; callback texts and images through
// LVN_GETDISPINFO.
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"

namespace win::comctl {
namespace {

void CopyOut(const std::string& text, LPSTR out, int size) {
  if (!out || out == LPSTR_TEXTCALLBACKA || size <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(out, text.data(), n);
  out[n] = 0;
}

bool IsCallback(LPCSTR text) {
  return text == LPSTR_TEXTCALLBACKA;
}

LvSubItem* SubItemOf(ListView& lv, int item, int subItem, bool create) {
  auto& subs = lv.items[item].subItems;
  if (subItem < 1) return nullptr;
  if (static_cast<int>(subs.size()) < subItem) {
    if (!create) return nullptr;
    subs.resize(static_cast<size_t>(subItem));
  }
  return &subs[static_cast<size_t>(subItem - 1)];
}

// Asks the parent for the parts of an item that are callbacks.
void DispInfo(ListView& lv, int item, int subItem, UINT mask, std::string* text, int* image) {
  char buffer[1024] = {0};
  NMLVDISPINFOA di{};
  di.item.mask = mask;
  di.item.iItem = item;
  di.item.iSubItem = subItem;
  di.item.lParam = lv.items[item].lParam;
  di.item.pszText = buffer;
  di.item.cchTextMax = static_cast<int>(sizeof buffer);
  di.item.iImage = 0;
  Notify(lv.hwnd, LVN_GETDISPINFOA, &di.hdr);
  if (item >= ItemCount(lv)) return;
  std::string got = (di.item.mask & LVIF_TEXT) && di.item.pszText && !IsCallback(di.item.pszText)
                        ? std::string(di.item.pszText)
                        : std::string();
  if (text) *text = got;
  if (image) *image = di.item.iImage;
  // LVIF_DI_SETITEM: the parent wants the answer kept.
  if (di.item.mask & LVIF_DI_SETITEM) {
    LvItem& it = lv.items[item];
    if (subItem == 0) {
      if (mask & LVIF_TEXT) it.text = got, it.textCallback = false;
      if (mask & LVIF_IMAGE) it.image = di.item.iImage;
    } else if (LvSubItem* s = SubItemOf(lv, item, subItem, true)) {
      if (mask & LVIF_TEXT) s->text = got, s->textCallback = false;
    }
  }
}

bool ValidItem(ListView& lv, int item) {
  return item >= 0 && item < ItemCount(lv);
}

int SortedPosition(ListView& lv, const std::string& text) {
  DWORD style = StyleOf(lv);
  int n = ItemCount(lv);
  for (int i = 0; i < n; i++) {
    if (lv.items[i].textCallback) continue;
    int c = strcasecmp(text.c_str(), lv.items[i].text.c_str());
    if ((style & LVS_SORTASCENDING) ? c < 0 : c > 0) return i;
  }
  return n;
}

int Insert(ListView& lv, const LVITEMA& in) {
  if (in.iSubItem != 0) return -1;
  LvItem item;
  if (in.mask & LVIF_TEXT) {
    item.textCallback = IsCallback(in.pszText);
    if (!item.textCallback && in.pszText) item.text = in.pszText;
  }
  if (in.mask & LVIF_IMAGE) item.image = in.iImage;
  if (in.mask & LVIF_PARAM) item.lParam = in.lParam;
  if (in.mask & LVIF_INDENT) item.indent = in.iIndent;
  UINT wanted = (in.mask & LVIF_STATE) ? (in.state & in.stateMask) : 0;
  int at = std::clamp(in.iItem, 0, ItemCount(lv));
  if ((StyleOf(lv) & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) && !item.textCallback)
    at = SortedPosition(lv, item.text);
  item.state = wanted & ~(LVIS_FOCUSED | LVIS_SELECTED);
  lv.items.insert(lv.items.begin() + at, item);
  if (lv.selectionMark >= at) lv.selectionMark++;
  if (StyleOf(lv) & LVS_AUTOARRANGE) Arrange(lv);
  LayoutChanged(lv);
  NMLISTVIEW nm{};
  nm.iItem = at;
  nm.lParam = item.lParam;
  Notify(lv.hwnd, LVN_INSERTITEM, &nm.hdr);
  if (wanted & (LVIS_FOCUSED | LVIS_SELECTED) && ValidItem(lv, at))
    SetItemState(lv, at, wanted, LVIS_FOCUSED | LVIS_SELECTED);
  return at;
}

// Changes the text, image, parameter or state of an item or the text of a
// sub-item. A change of the item itself is offered to and reported to the
// parent as one LVN_ITEMCHANGING / LVN_ITEMCHANGED with every changed part.
BOOL SetItem(ListView& lv, const LVITEMA& in) {
  if (!ValidItem(lv, in.iItem)) return FALSE;
  if (in.iSubItem > 0) {
    LvSubItem* s = SubItemOf(lv, in.iItem, in.iSubItem, true);
    if (in.mask & LVIF_TEXT) {
      lv.widestLabel = -1;
      s->textCallback = IsCallback(in.pszText);
      s->text = !s->textCallback && in.pszText ? in.pszText : "";
    }
    if (in.mask & LVIF_IMAGE) s->image = in.iImage;
    InvalidateItem(lv, in.iItem);
    return TRUE;
  }
  LvItem& it = lv.items[in.iItem];
  UINT changed = 0;
  if (in.mask & LVIF_TEXT) {
    bool cb = IsCallback(in.pszText);
    std::string text = !cb && in.pszText ? in.pszText : "";
    if (cb != it.textCallback || text != it.text) changed |= LVIF_TEXT;
  }
  if ((in.mask & LVIF_IMAGE) && in.iImage != it.image) changed |= LVIF_IMAGE;
  if ((in.mask & LVIF_PARAM) && in.lParam != it.lParam) changed |= LVIF_PARAM;
  if (in.mask & LVIF_INDENT) it.indent = in.iIndent;
  if (changed) {
    NMLISTVIEW nm{};
    nm.iItem = in.iItem;
    nm.uChanged = changed;
    nm.uNewState = nm.uOldState = it.state;
    nm.lParam = it.lParam;
    if (Notify(lv.hwnd, LVN_ITEMCHANGING, &nm.hdr)) return FALSE;
    if (!ValidItem(lv, in.iItem)) return FALSE;
    LvItem& item = lv.items[in.iItem];
    if (changed & LVIF_TEXT) {
      lv.widestLabel = -1;
      item.textCallback = IsCallback(in.pszText);
      item.text = !item.textCallback && in.pszText ? in.pszText : "";
    }
    if (changed & LVIF_IMAGE) item.image = in.iImage;
    if (changed & LVIF_PARAM) item.lParam = in.lParam;
    InvalidateItem(lv, in.iItem);
    nm.lParam = item.lParam;
    Notify(lv.hwnd, LVN_ITEMCHANGED, &nm.hdr);
  }
  if (in.mask & LVIF_STATE) return SetItemState(lv, in.iItem, in.state, in.stateMask) ? TRUE : FALSE;
  return TRUE;
}

BOOL GetItem(ListView& lv, LVITEMA& out) {
  if (!ValidItem(lv, out.iItem)) return FALSE;
  LvItem& it = lv.items[out.iItem];
  if (out.mask & LVIF_TEXT) CopyOut(ItemText(lv, out.iItem, out.iSubItem), out.pszText, out.cchTextMax);
  if (out.mask & LVIF_IMAGE) {
    if (out.iSubItem > 0) {
      LvSubItem* s = SubItemOf(lv, out.iItem, out.iSubItem, false);
      out.iImage = s ? s->image : 0;
    } else {
      out.iImage = ItemImage(lv, out.iItem);
    }
  }
  if (!ValidItem(lv, out.iItem)) return FALSE;
  if (out.mask & LVIF_PARAM) out.lParam = it.lParam;
  if (out.mask & LVIF_STATE) out.state = it.state & out.stateMask;
  if (out.mask & LVIF_INDENT) out.iIndent = it.indent;
  return TRUE;
}

BOOL DeleteItem(ListView& lv, int item) {
  if (!ValidItem(lv, item)) return FALSE;
  if (lv.editItem == item) CancelListLabelEdit(lv);
  NMLISTVIEW nm{};
  nm.iItem = item;
  nm.lParam = lv.items[item].lParam;
  Notify(lv.hwnd, LVN_DELETEITEM, &nm.hdr);
  if (!ValidItem(lv, item)) return FALSE;
  lv.items.erase(lv.items.begin() + item);
  if (lv.selectionMark == item)
    lv.selectionMark = -1;
  else if (lv.selectionMark > item)
    lv.selectionMark--;
  if (lv.editItem > item) lv.editItem--;
  if (StyleOf(lv) & LVS_AUTOARRANGE) Arrange(lv);
  LayoutChanged(lv);
  return TRUE;
}

int FindItem(ListView& lv, int start, const LVFINDINFOA& find) {
  int n = ItemCount(lv);
  if (n == 0) return -1;
  int first = start < 0 ? 0 : start + 1;
  int count = (find.flags & LVFI_WRAP) ? n : n - first;
  for (int k = 0; k < count; k++) {
    int i = (first + k) % n;
    if (find.flags & LVFI_PARAM) {
      if (lv.items[i].lParam == find.lParam) return i;
      continue;
    }
    if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.psz) continue;
    std::string text = ItemText(lv, i, 0);
    size_t len = std::strlen(find.psz);
    if (find.flags & LVFI_PARTIAL) {
      if (strncasecmp(text.c_str(), find.psz, len) == 0) return i;
    } else if (strcasecmp(text.c_str(), find.psz) == 0) {
      return i;
    }
  }
  return -1;
}

BOOL SortItems(ListView& lv, LPARAM sortParam, PFNLVCOMPARE compare) {
  if (!compare || lv.inSort) return FALSE;
  lv.inSort = true;
  std::stable_sort(lv.items.begin(), lv.items.end(),
                   [&](const LvItem& a, const LvItem& b) { return compare(a.lParam, b.lParam, sortParam) < 0; });
  lv.inSort = false;
  lv.selectionMark = -1;
  if (ViewOf(lv) == LVS_ICON || ViewOf(lv) == LVS_SMALLICON) Arrange(lv);
  InvalidateRect(lv.hwnd, nullptr, TRUE);
  return TRUE;
}

int NextItem(ListView& lv, int start, UINT flags) {
  UINT spatial = flags & (LVNI_ABOVE | LVNI_BELOW | LVNI_TOLEFT | LVNI_TORIGHT);
  UINT want = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
  auto matches = [&](int i) { return (lv.items[i].state & want) == want; };
  if (spatial) {
    UINT vk = spatial == LVNI_ABOVE    ? VK_UP
              : spatial == LVNI_BELOW  ? VK_DOWN
              : spatial == LVNI_TOLEFT ? VK_LEFT
                                       : VK_RIGHT;
    int i = start;
    while (ValidItem(lv, i)) {
      int next = Neighbour(lv, i, vk);
      if (next == i || next < 0) return -1;
      if (matches(next)) return next;
      i = next;
    }
    return -1;
  }
  for (int i = start + 1; i < ItemCount(lv); i++)
    if (matches(i)) return i;
  return -1;
}

}  // namespace

std::string ItemText(ListView& lv, int item, int subItem) {
  if (!ValidItem(lv, item)) return {};
  if (subItem == 0) {
    if (!lv.items[item].textCallback) return lv.items[item].text;
  } else {
    LvSubItem* s = SubItemOf(lv, item, subItem, false);
    if (!s) return {};
    if (!s->textCallback) return s->text;
  }
  std::string text;
  DispInfo(lv, item, subItem, LVIF_TEXT, &text, nullptr);
  return text;
}

int ItemImage(ListView& lv, int item) {
  if (!ValidItem(lv, item)) return -1;
  if (lv.items[item].image != I_IMAGECALLBACK) return lv.items[item].image;
  int image = -1;
  DispInfo(lv, item, 0, LVIF_IMAGE, nullptr, &image);
  return image;
}

void DeleteAllItems(ListView& lv) {
  CancelListLabelEdit(lv);
  NMLISTVIEW nm{};
  nm.iItem = -1;
  // A parent that answers TRUE wants no LVN_DELETEITEM for each item.
  bool quiet = Notify(lv.hwnd, LVN_DELETEALLITEMS, &nm.hdr) != 0;
  if (!quiet) {
    for (int i = 0; i < ItemCount(lv); i++) {
      NMLISTVIEW each{};
      each.iItem = i;
      each.lParam = lv.items[i].lParam;
      Notify(lv.hwnd, LVN_DELETEITEM, &each.hdr);
    }
  }
  lv.items.clear();
  lv.selectionMark = -1;
  lv.hotItem = -1;
  lv.scroll = POINT{0, 0};
  LayoutChanged(lv);
}

LRESULT ListViewItemMessage(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  auto* item = reinterpret_cast<LVITEMA*>(lParam);
  int index = static_cast<int>(wParam);
  switch (msg) {
    case LVM_GETITEMCOUNT: return ItemCount(lv);
    case LVM_INSERTITEMA: return item ? Insert(lv, *item) : -1;
    case LVM_SETITEMA: return item ? SetItem(lv, *item) : FALSE;
    case LVM_GETITEMA: return item ? GetItem(lv, *item) : FALSE;
    case LVM_DELETEITEM: return DeleteItem(lv, index);
    case LVM_DELETEALLITEMS: DeleteAllItems(lv); return TRUE;
    case LVM_GETITEMTEXTA: {
      if (!item || !ValidItem(lv, index)) return 0;
      std::string text = ItemText(lv, index, item->iSubItem);
      CopyOut(text, item->pszText, item->cchTextMax);
      return item->cchTextMax > 0
                 ? static_cast<LRESULT>(std::min(text.size(), static_cast<size_t>(item->cchTextMax - 1)))
                 : 0;
    }
    case LVM_SETITEMTEXTA: {
      if (!item) return FALSE;
      LVITEMA set = *item;
      set.iItem = index;
      set.mask = LVIF_TEXT;
      return SetItem(lv, set);
    }
    case LVM_SETITEMSTATE: return item ? (SetItemState(lv, index, item->state, item->stateMask) ? TRUE : FALSE) : FALSE;
    case LVM_GETITEMSTATE: return ValidItem(lv, index) ? static_cast<LRESULT>(lv.items[index].state & lParam) : 0;
    case LVM_GETNEXTITEM: return NextItem(lv, index, static_cast<UINT>(LOWORD(lParam)));
    case LVM_GETSELECTEDCOUNT:
      return std::count_if(lv.items.begin(), lv.items.end(),
                           [](const LvItem& i) { return (i.state & LVIS_SELECTED) != 0; });
    case LVM_FINDITEMA: return lParam ? FindItem(lv, index, *reinterpret_cast<LVFINDINFOA*>(lParam)) : -1;
    case LVM_SORTITEMS: return SortItems(lv, static_cast<LPARAM>(wParam), reinterpret_cast<PFNLVCOMPARE>(lParam));
    case LVM_SETITEMCOUNT: {
      // Owner-data lists hold that many callback items; others only reserve.
      if (StyleOf(lv) & LVS_OWNERDATA) {
        LvItem blank;
        blank.textCallback = true;
        blank.image = I_IMAGECALLBACK;
        lv.items.resize(static_cast<size_t>(std::max<WPARAM>(wParam, 0)), blank);
        LayoutChanged(lv);
      } else {
        lv.items.reserve(static_cast<size_t>(wParam));
      }
      return TRUE;
    }
    case LVM_GETCALLBACKMASK: return lv.callbackMask;
    case LVM_SETCALLBACKMASK: lv.callbackMask = static_cast<UINT>(wParam); return TRUE;
    case LVM_GETSELECTIONMARK: return lv.selectionMark;
    case LVM_SETSELECTIONMARK: {
      int old = lv.selectionMark;
      lv.selectionMark = static_cast<int>(lParam);
      return old;
    }
    case LVM_GETHOTITEM: return lv.hotItem;
    case LVM_SETHOTITEM: {
      int old = lv.hotItem;
      lv.hotItem = index;
      return old;
    }
    case LVM_GETISEARCHSTRINGA:
      if (lParam) std::strcpy(reinterpret_cast<char*>(lParam), lv.search.c_str());
      return static_cast<LRESULT>(lv.search.size());
    default: *handled = false; return 0;
  }
}

}  // namespace win::comctl
