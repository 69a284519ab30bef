// The list view: item states and selection. Every change of an item's state
// is offered to the parent (LVN_ITEMCHANGING, which may refuse it) and then
// reported (LVN_ITEMCHANGED) with the old and the new state.
#include <algorithm>

#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"

namespace win::comctl {
namespace {

LRESULT NotifyChange(ListView& lv, UINT code, int item, UINT newState, UINT oldState) {
  NMLISTVIEW nm{};
  nm.iItem = item;
  nm.uNewState = newState;
  nm.uOldState = oldState;
  nm.uChanged = LVIF_STATE;
  nm.lParam = lv.items[item].lParam;
  return Notify(lv.hwnd, code, &nm.hdr);
}

bool SetOne(ListView& lv, int item, UINT state, UINT mask) {
  if (item < 0 || item >= ItemCount(lv)) return false;
  UINT old = lv.items[item].state;
  UINT next = (old & ~mask) | (state & mask);
  if (next == old) return true;
  if (NotifyChange(lv, LVN_ITEMCHANGING, item, next, old)) return false;
  if (item >= ItemCount(lv)) return false;
  // One focused item; one selected item in a single-selection list.
  bool takesFocus = (next & LVIS_FOCUSED) && !(old & LVIS_FOCUSED);
  bool takesSelection = (next & LVIS_SELECTED) && !(old & LVIS_SELECTED);
  lv.items[item].state = next;
  if (takesFocus)
    for (int i = 0; i < ItemCount(lv); i++)
      if (i != item && (lv.items[i].state & LVIS_FOCUSED)) SetOne(lv, i, 0, LVIS_FOCUSED);
  if (takesSelection && (StyleOf(lv) & LVS_SINGLESEL))
    for (int i = 0; i < ItemCount(lv); i++)
      if (i != item && (lv.items[i].state & LVIS_SELECTED)) SetOne(lv, i, 0, LVIS_SELECTED);
  InvalidateItem(lv, item);
  NotifyChange(lv, LVN_ITEMCHANGED, item, next, old);
  return true;
}

}  // namespace

bool SetItemState(ListView& lv, int item, UINT state, UINT mask) {
  if (item != -1) return SetOne(lv, item, state, mask);
  // -1: every item, each with its own notifications.
  bool all = true;
  for (int i = 0; i < ItemCount(lv); i++) all = SetOne(lv, i, state, mask) && all;
  return all;
}

int FocusedItem(const ListView& lv) {
  for (int i = 0; i < static_cast<int>(lv.items.size()); i++)
    if (lv.items[i].state & LVIS_FOCUSED) return i;
  return -1;
}

void SelectOnly(ListView& lv, int item) {
  // Each other item loses its selection and focus in one change.
  for (int i = 0; i < ItemCount(lv); i++)
    if (i != item && (lv.items[i].state & (LVIS_SELECTED | LVIS_FOCUSED)))
      SetOne(lv, i, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (item >= 0) SetOne(lv, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  lv.selectionMark = item;
}

void SelectRange(ListView& lv, int from, int to, bool keepOthers) {
  if (from < 0) from = to;
  int lo = std::min(from, to), hi = std::max(from, to);
  if (StyleOf(lv) & LVS_SINGLESEL) lo = hi = to;
  if (!keepOthers)
    for (int i = 0; i < ItemCount(lv); i++)
      if ((i < lo || i > hi) && (lv.items[i].state & LVIS_SELECTED)) SetOne(lv, i, 0, LVIS_SELECTED);
  for (int i = lo; i <= hi && i < ItemCount(lv); i++)
    if (i != to) SetOne(lv, i, LVIS_SELECTED, LVIS_SELECTED);
  SetOne(lv, to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void MoveFocus(ListView& lv, int item) {
  SetOne(lv, item, LVIS_FOCUSED, LVIS_FOCUSED);
}

}  // namespace win::comctl
