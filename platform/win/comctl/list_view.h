// The list view ("SysListView32"): items with sub-items shown as large
// icons, small icons, a list or a report with a header; selection by mouse
// and keyboard, custom draw, label editing and the LVN_ notifications.
#pragma once

#include <string>
#include <vector>

#include "platform/win/comctl/state_lifetime.h"
#include "platform/win/commctrl.h"

namespace win::comctl {

struct LvSubItem {
  std::string text;
  bool textCallback = false;
  int image = 0;
};

struct LvItem {
  std::string text;
  bool textCallback = false;
  int image = 0;  // may be I_IMAGECALLBACK
  LPARAM lParam = 0;
  UINT state = 0;
  int indent = 0;
  std::vector<LvSubItem> subItems;  // [k - 1] is sub-item k
  POINT position{0, 0};  // icon views, when placed
  bool placed = false;
};

struct LvColumn {
  int format = LVCFMT_LEFT;
  int width = 50;
  std::string text;
  int subItem = 0;
  int image = 0;
};

struct ListView : StateLifetime {
  HWND hwnd = nullptr;
  HWND header = nullptr;
  std::vector<LvItem> items;
  std::vector<LvColumn> columns;
  HIMAGELIST normalImages = nullptr, smallImages = nullptr, stateImages = nullptr;
  COLORREF bkColour = 0, textBkColour = 0, textColour = 0;
  HFONT font = nullptr;
  DWORD exStyle = 0;
  UINT callbackMask = 0;
  int selectionMark = -1;
  int hotItem = -1;
  int listColumnWidth = 0;  // list view; 0: from the labels
  SIZE iconSpacing{0, 0};  // 0: from the image size
  POINT scroll{0, 0};  // scroll position in the view's units (see Layout)
  // Label editing.
  HWND editor = nullptr;
  int editItem = -1;
  // Mouse tracking between a button going down and coming up.
  bool leftDown = false, rightDown = false;
  POINT downPoint{0, 0};
  int downItem = -1;
  bool selectOnlyOnUp = false;
  bool armEditOnUp = false;
  // Type-to-find.
  std::string search;
  DWORD searchTime = 0;
  bool inSort = false;
  // Cached layout: the widest label (-1: measure again) and whether the
  // scroll bars wait for the next paint.
  int widestLabel = -1;
  bool layoutStale = false;
};

ListView* ListViewOf(HWND hwnd);
DWORD ViewOf(const ListView& lv);  // LVS_ICON, LVS_REPORT, LVS_SMALLICON or LVS_LIST
DWORD StyleOf(const ListView& lv);
int ItemCount(const ListView& lv);

// Items and texts.
LRESULT ListViewItemMessage(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled);
std::string ItemText(ListView& lv, int item, int subItem);
int ItemImage(ListView& lv, int item);
void DeleteAllItems(ListView& lv);

// States and selection; each change sends LVN_ITEMCHANGING / CHANGED.
bool SetItemState(ListView& lv, int item, UINT state, UINT mask);
int FocusedItem(const ListView& lv);
void SelectOnly(ListView& lv, int item);  // and focus it
void SelectRange(ListView& lv, int from, int to, bool keepOthers);
void MoveFocus(ListView& lv, int item);

// Columns and the header.
LRESULT ListViewColumnMessage(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled);
LRESULT ListViewHeaderNotify(ListView& lv, NMHDR* header);
void LayoutHeader(ListView& lv);
int ColumnLeft(const ListView& lv, int column);
int TotalColumnWidth(const ListView& lv);

// Geometry.
struct LvMetrics {
  int lineHeight = 13;
  int rowHeight = 17;
  int smallCx = 0, smallCy = 0, largeCx = 32, largeCy = 32, stateCx = 0;
  int cellWidth = 0;  // list and small icon views
  SIZE spacing{0, 0};  // icon view
  int headerHeight = 0;
  RECT client{0, 0, 0, 0};
  int perLine = 1;  // items per column (list) or per row (icon views)
};
LvMetrics MetricsOf(ListView& lv);
RECT ItemRect(ListView& lv, const LvMetrics& m, int item, int code);
RECT SubItemRect(ListView& lv, const LvMetrics& m, int item, int subItem);
int HitTest(ListView& lv, POINT p, UINT* flags, int* subItem);
void UpdateScrollBars(ListView& lv);
// Items came or went: measure again and set the scroll bars at the next paint.
void LayoutChanged(ListView& lv);
// The items that may show in the client area, first to last.
void VisibleRange(ListView& lv, const LvMetrics& m, int* first, int* last);
void ScrollBy(ListView& lv, int dx, int dy);  // in the view's units
LRESULT ScrollMessage(ListView& lv, int bar, WPARAM wParam);
bool EnsureVisible(ListView& lv, int item, bool partialOk);
int Neighbour(ListView& lv, int item, UINT vk);  // the item an arrow key moves to
int TextWidth(ListView& lv, const std::string& text);
int WrappedLines(ListView& lv, const std::string& text, int width);  // DT_WORDBREAK lines
void Arrange(ListView& lv);
void InvalidateItem(ListView& lv, int item);

// Painting, input and editing.
void PaintListView(ListView& lv, HDC dc, const RECT& update);
LRESULT ListViewMouse(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListViewKey(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam);
HWND EditListLabel(ListView& lv, int item);
void CancelListLabelEdit(ListView& lv);

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win::comctl
