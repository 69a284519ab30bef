// The list view: editing an item's label in place. LVN_BEGINLABELEDIT may
// refuse; LVN_ENDLABELEDIT carries the new text, or none when cancelled, and
// the parent's TRUE keeps it.
#include <vector>

#include "platform/win/comctl/label_edit.h"
#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/notify.h"

namespace win::comctl {
namespace {

void Finish(HWND listHwnd, bool accepted) {
  ListView* lv = ListViewOf(listHwnd);
  if (!lv || !lv->editor) return;
  HWND edit = lv->editor;
  int item = lv->editItem;
  std::string text = WindowText(edit);
  lv->editor = nullptr;
  lv->editItem = -1;
  if (item >= 0 && item < ItemCount(*lv)) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back(0);
    NMLVDISPINFOA di{};
    di.item.mask = LVIF_TEXT | LVIF_PARAM;
    di.item.iItem = item;
    di.item.lParam = lv->items[item].lParam;
    di.item.pszText = accepted ? buffer.data() : nullptr;
    di.item.cchTextMax = static_cast<int>(buffer.size());
    LRESULT keep = Notify(listHwnd, LVN_ENDLABELEDITA, &di.hdr);
    lv = ListViewOf(listHwnd);
    if (lv && accepted && keep && item < ItemCount(*lv) && !lv->items[item].textCallback) {
      LVITEMA set{};
      set.mask = LVIF_TEXT;
      set.iItem = item;
      set.pszText = buffer.data();
      SendMessageA(listHwnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&set));
    }
  }
  if (GetFocus() == edit) SetFocus(listHwnd);
  DestroyWindow(edit);
  if (ListViewOf(listHwnd)) InvalidateRect(listHwnd, nullptr, TRUE);
}

}  // namespace

HWND EditListLabel(ListView& lv, int item) {
  if (lv.editor) Finish(lv.hwnd, true);
  if (item < 0 || item >= ItemCount(lv)) return nullptr;
  EnsureVisible(lv, item, false);
  LvMetrics m = MetricsOf(lv);
  RECT r = ItemRect(lv, m, item, LVIR_LABEL);
  std::string text = ItemText(lv, item, 0);
  int wanted = TextWidth(lv, text) + 16;
  if (r.right - r.left < wanted) r.right = r.left + wanted;
  if (ViewOf(lv) == LVS_ICON) r.bottom = r.top + m.lineHeight + 6;
  InflateRect(&r, 1, 1);
  HWND listHwnd = lv.hwnd;
  HWND edit = CreateLabelEditor(listHwnd, r, text, lv.font, [listHwnd](bool accepted) { Finish(listHwnd, accepted); });
  if (!edit) return nullptr;
  lv.editor = edit;
  lv.editItem = item;
  NMLVDISPINFOA di{};
  di.item.mask = LVIF_TEXT | LVIF_PARAM;
  di.item.iItem = item;
  di.item.lParam = lv.items[item].lParam;
  di.item.pszText = text.data();
  di.item.cchTextMax = static_cast<int>(text.size()) + 1;
  if (Notify(listHwnd, LVN_BEGINLABELEDITA, &di.hdr)) {
    ListView* still = ListViewOf(listHwnd);
    if (still) still->editor = nullptr, still->editItem = -1;
    DestroyWindow(edit);
    return nullptr;
  }
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  return edit;
}

void CancelListLabelEdit(ListView& lv) {
  if (lv.editor) EndLabelSession(lv.editor, false);
}

}  // namespace win::comctl
