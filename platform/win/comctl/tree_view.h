// The tree view ("SysTreeView32"): nodes with children that expand and
// collapse, one selected node, lines and buttons, images, custom draw,
// label editing and the TVN_ notifications.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/win/comctl/state_lifetime.h"
#include "platform/win/commctrl.h"

struct _TREEITEM {
  std::string text;
  bool textCallback = false;
  int image = 0;
  int selectedImage = 0;
  int children = 0;  // cChildren as set; I_CHILDRENCALLBACK asks the parent
  bool childrenSet = false;
  LPARAM lParam = 0;
  UINT state = 0;
  int integral = 1;
  _TREEITEM* parent = nullptr;
  std::vector<_TREEITEM*> kids;
};

namespace win::comctl {

using TvNode = _TREEITEM;

struct TreeView : StateLifetime {
  HWND hwnd = nullptr;
  TvNode root;  // holds the top-level nodes; never shown
  std::set<TvNode*> live;
  HIMAGELIST normalImages = nullptr, stateImages = nullptr;
  TvNode* selected = nullptr;
  TvNode* dropHilite = nullptr;
  int topRow = 0;  // first visible row
  int scrollX = 0;  // pixels
  int indent = 19;
  int itemHeight = 0;  // 0: from the font and images
  COLORREF bkColour = CLR_NONE, textColour = CLR_NONE;  // CLR_NONE: the system colours
  HFONT font = nullptr;
  HWND editor = nullptr;
  TvNode* editNode = nullptr;
  bool leftDown = false, rightDown = false;
  TvNode* downNode = nullptr;
  POINT downPoint{0, 0};
  UINT downFlags = 0;
  std::string search;
  DWORD searchTime = 0;
};

TreeView* TreeViewOf(HWND hwnd);
DWORD TreeStyle(const TreeView& tv);
TvNode* NodeOf(TreeView& tv, HTREEITEM item);  // null unless a live node
HTREEITEM HandleOf(TvNode* node);

// Items.
LRESULT TreeItemMessage(TreeView& tv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled);
std::string NodeText(TreeView& tv, TvNode* node);
int NodeImage(TreeView& tv, TvNode* node, bool selected);
bool HasChildren(TreeView& tv, TvNode* node);
int Level(const TvNode* node);
void DeleteNode(TreeView& tv, TvNode* node);  // TVI_ROOT's node: every node

// Expanding, selecting and showing.
bool ExpandNode(TreeView& tv, TvNode* node, UINT code, bool byUser);
bool SelectNode(TreeView& tv, TvNode* node, UINT action);
bool EnsureNodeVisible(TreeView& tv, TvNode* node);

// Rows and geometry.
std::vector<TvNode*> VisibleNodes(TreeView& tv);
int RowHeight(TreeView& tv);
int RowOf(TreeView& tv, TvNode* node);  // -1 when hidden in a collapsed parent
RECT NodeRect(TreeView& tv, TvNode* node, bool textOnly);
TvNode* TreeHitTest(TreeView& tv, POINT p, UINT* flags);
void UpdateTreeScrollBars(TreeView& tv);
void ScrollTreeTo(TreeView& tv, int topRow, int scrollX);
LRESULT TreeScrollMessage(TreeView& tv, int bar, WPARAM wParam);
int NodeTextWidth(TreeView& tv, TvNode* node);
HFONT BoldFontOf(HFONT font);  // the caller deletes it
int NodeIndentX(TreeView& tv, TvNode* node);  // left edge of the image (or label)

// Painting, input and editing.
void PaintTreeView(TreeView& tv, HDC dc, const RECT& update);
LRESULT TreeMouse(TreeView& tv, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TreeKey(TreeView& tv, UINT msg, WPARAM wParam, LPARAM lParam);
HWND EditTreeLabel(TreeView& tv, TvNode* node);
void EndTreeLabelEdit(TreeView& tv, bool cancel);
LRESULT NotifyTree(TreeView& tv, UINT code, UINT action, TvNode* oldNode, TvNode* newNode, POINT p);

LRESULT CALLBACK TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win::comctl
