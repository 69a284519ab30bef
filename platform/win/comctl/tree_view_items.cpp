// The tree view: inserting, reading, changing, walking, sorting and deleting
// nodes; callback texts, images and children through TVN_GETDISPINFO.
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/tree_view.h"

namespace win::comctl {
namespace {

bool IsCallback(LPCSTR text) {
  return text == LPSTR_TEXTCALLBACKA;
}

void CopyOut(const std::string& text, LPSTR out, int size) {
  if (!out || IsCallback(out) || size <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(out, text.data(), n);
  out[n] = 0;
}

TvNode* ParentFor(TreeView& tv, HTREEITEM handle) {
  if (!handle || handle == TVI_ROOT) return &tv.root;
  return NodeOf(tv, handle);
}

// Asks the parent for callback parts; `node` stays valid (the tree does
// not delete nodes while it asks).
TVITEMA DispInfo(TreeView& tv, TvNode* node, UINT mask, char* buffer, int size) {
  NMTVDISPINFOA di{};
  di.item.mask = mask;
  di.item.hItem = HandleOf(node);
  di.item.state = node->state;
  di.item.lParam = node->lParam;
  di.item.pszText = buffer;
  di.item.cchTextMax = size;
  di.item.iImage = node->image;
  di.item.iSelectedImage = node->selectedImage;
  di.item.cChildren = node->children;
  if (buffer && size > 0) buffer[0] = 0;
  Notify(tv.hwnd, TVN_GETDISPINFOA, &di.hdr);
  if (tv.live.count(node) && (di.item.mask & TVIF_DI_SETITEM)) {
    if ((mask & TVIF_TEXT) && di.item.pszText && !IsCallback(di.item.pszText)) {
      node->text = di.item.pszText;
      node->textCallback = false;
    }
    if (mask & TVIF_IMAGE) node->image = di.item.iImage;
    if (mask & TVIF_SELECTEDIMAGE) node->selectedImage = di.item.iSelectedImage;
    if (mask & TVIF_CHILDREN) node->children = di.item.cChildren;
  }
  return di.item;
}

void Apply(TvNode* node, const TVITEMA& in, bool inserting) {
  if (in.mask & TVIF_TEXT) {
    node->textCallback = IsCallback(in.pszText);
    node->text = !node->textCallback && in.pszText ? in.pszText : "";
  }
  if (in.mask & TVIF_IMAGE) node->image = in.iImage;
  if (in.mask & TVIF_SELECTEDIMAGE) node->selectedImage = in.iSelectedImage;
  if (in.mask & TVIF_PARAM) node->lParam = in.lParam;
  if (in.mask & TVIF_CHILDREN) {
    node->children = in.cChildren;
    node->childrenSet = true;
  }
  if (in.mask & TVIF_STATE) {
    UINT mask = in.stateMask;
    if (inserting) mask &= ~static_cast<UINT>(TVIS_SELECTED);
    node->state = (node->state & ~mask) | (in.state & mask);
  }
}

HTREEITEM Insert(TreeView& tv, const TVINSERTSTRUCTA& in) {
  TvNode* parent = ParentFor(tv, in.hParent);
  if (!parent) return nullptr;
  auto* node = new TvNode;
  Apply(node, in.item, true);
  if (in.itemex.mask & TVIF_INTEGRAL) node->integral = std::max(1, in.itemex.iIntegral);
  node->parent = parent;
  auto& kids = parent->kids;
  auto at = kids.end();
  if (in.hInsertAfter == TVI_FIRST) {
    at = kids.begin();
  } else if (in.hInsertAfter == TVI_SORT) {
    std::string text = node->text;
    at = std::find_if(kids.begin(), kids.end(),
                      [&](TvNode* k) { return !k->textCallback && strcasecmp(text.c_str(), k->text.c_str()) < 0; });
  } else if (in.hInsertAfter != TVI_LAST && in.hInsertAfter) {
    auto after = std::find(kids.begin(), kids.end(), reinterpret_cast<TvNode*>(in.hInsertAfter));
    if (after != kids.end()) at = after + 1;
  }
  kids.insert(at, node);
  tv.live.insert(node);
  UpdateTreeScrollBars(tv);
  InvalidateRect(tv.hwnd, nullptr, TRUE);
  return HandleOf(node);
}

BOOL GetItem(TreeView& tv, TVITEMA& out) {
  TvNode* node = NodeOf(tv, out.hItem);
  if (!node) return FALSE;
  if (out.mask & TVIF_TEXT) {
    if (node->textCallback) {
      char buffer[1024];
      TVITEMA got = DispInfo(tv, node, TVIF_TEXT, buffer, static_cast<int>(sizeof buffer));
      CopyOut(got.pszText && !IsCallback(got.pszText) ? std::string(got.pszText) : std::string(), out.pszText,
              out.cchTextMax);
    } else {
      CopyOut(node->text, out.pszText, out.cchTextMax);
    }
  }
  if (out.mask & TVIF_IMAGE) out.iImage = node->image;
  if (out.mask & TVIF_SELECTEDIMAGE) out.iSelectedImage = node->selectedImage;
  if (out.mask & TVIF_PARAM) out.lParam = node->lParam;
  if (out.mask & TVIF_STATE) out.state = node->state & out.stateMask;
  if (out.mask & TVIF_CHILDREN) out.cChildren = node->childrenSet ? node->children : (node->kids.empty() ? 0 : 1);
  if (out.mask & TVIF_HANDLE) out.hItem = HandleOf(node);
  return TRUE;
}

BOOL SetItem(TreeView& tv, const TVITEMA& in) {
  TvNode* node = NodeOf(tv, in.hItem);
  if (!node) return FALSE;
  Apply(node, in, false);
  if (in.mask & TVIF_STATE) {
    if ((in.stateMask & TVIS_DROPHILITED)) {
      if (node->state & TVIS_DROPHILITED)
        tv.dropHilite = node;
      else if (tv.dropHilite == node)
        tv.dropHilite = nullptr;
    }
  }
  UpdateTreeScrollBars(tv);
  InvalidateRect(tv.hwnd, nullptr, TRUE);
  return TRUE;
}

TvNode* Sibling(TvNode* node, int step) {
  if (!node || !node->parent) return nullptr;
  auto& kids = node->parent->kids;
  auto it = std::find(kids.begin(), kids.end(), node);
  long at = (it - kids.begin()) + step;
  return at >= 0 && at < static_cast<long>(kids.size()) ? kids[static_cast<size_t>(at)] : nullptr;
}

HTREEITEM NextItem(TreeView& tv, UINT code, HTREEITEM handle) {
  TvNode* node = NodeOf(tv, handle);
  switch (code) {
    case TVGN_ROOT: return tv.root.kids.empty() ? nullptr : HandleOf(tv.root.kids.front());
    case TVGN_CARET: return HandleOf(tv.selected);
    case TVGN_DROPHILITE: return HandleOf(tv.dropHilite);
    case TVGN_NEXT: return HandleOf(Sibling(node, 1));
    case TVGN_PREVIOUS: return HandleOf(Sibling(node, -1));
    case TVGN_PARENT: return node && node->parent != &tv.root ? HandleOf(node->parent) : nullptr;
    case TVGN_CHILD: {
      TvNode* parent = (!handle || handle == TVI_ROOT) ? &tv.root : node;
      return parent && !parent->kids.empty() ? HandleOf(parent->kids.front()) : nullptr;
    }
    case TVGN_FIRSTVISIBLE: {
      auto rows = VisibleNodes(tv);
      return tv.topRow < static_cast<int>(rows.size()) ? HandleOf(rows[static_cast<size_t>(tv.topRow)]) : nullptr;
    }
    case TVGN_LASTVISIBLE: {
      auto rows = VisibleNodes(tv);
      return rows.empty() ? nullptr : HandleOf(rows.back());
    }
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
      int row = RowOf(tv, node);
      if (row < 0) return nullptr;
      auto rows = VisibleNodes(tv);
      int next = row + (code == TVGN_NEXTVISIBLE ? 1 : -1);
      return next >= 0 && next < static_cast<int>(rows.size()) ? HandleOf(rows[static_cast<size_t>(next)]) : nullptr;
    }
    default: return nullptr;
  }
}

void SortKids(TreeView& tv, TvNode* parent, bool recurse, PFNTVCOMPARE compare, LPARAM param) {
  auto& kids = parent->kids;
  if (compare) {
    std::stable_sort(kids.begin(), kids.end(),
                     [&](TvNode* a, TvNode* b) { return compare(a->lParam, b->lParam, param) < 0; });
  } else {
    std::stable_sort(kids.begin(), kids.end(), [&](TvNode* a, TvNode* b) {
      return strcasecmp(NodeText(tv, a).c_str(), NodeText(tv, b).c_str()) < 0;
    });
  }
  if (recurse)
    for (TvNode* k : std::vector<TvNode*>(kids)) SortKids(tv, k, true, compare, param);
}

void Count(const TvNode* node, int& n) {
  for (const TvNode* k : node->kids) {
    n++;
    Count(k, n);
  }
}

}  // namespace

TvNode* NodeOf(TreeView& tv, HTREEITEM item) {
  auto* node = reinterpret_cast<TvNode*>(item);
  return node && tv.live.count(node) ? node : nullptr;
}

HTREEITEM HandleOf(TvNode* node) {
  return reinterpret_cast<HTREEITEM>(node);
}

int Level(const TvNode* node) {
  int level = -1;
  for (const TvNode* p = node; p && p->parent; p = p->parent) level++;
  return level;
}

std::string NodeText(TreeView& tv, TvNode* node) {
  if (!node->textCallback) return node->text;
  char buffer[1024];
  TVITEMA got = DispInfo(tv, node, TVIF_TEXT, buffer, static_cast<int>(sizeof buffer));
  return got.pszText && !IsCallback(got.pszText) ? std::string(got.pszText) : std::string();
}

int NodeImage(TreeView& tv, TvNode* node, bool selected) {
  int image = selected ? node->selectedImage : node->image;
  if (image != I_IMAGECALLBACK) return image;
  TVITEMA got = DispInfo(tv, node, selected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE, nullptr, 0);
  return selected ? got.iSelectedImage : got.iImage;
}

bool HasChildren(TreeView& tv, TvNode* node) {
  if (!node->childrenSet) return !node->kids.empty();
  if (node->children != I_CHILDRENCALLBACK) return node->children != 0;
  TVITEMA got = DispInfo(tv, node, TVIF_CHILDREN, nullptr, 0);
  return got.cChildren != 0;
}

void DeleteNode(TreeView& tv, TvNode* node) {
  if (!node) return;
  if (tv.editNode && (tv.editNode == node || node == &tv.root)) EndTreeLabelEdit(tv, true);
  // Children go first, each announced before its parent.
  for (TvNode* k : std::vector<TvNode*>(node->kids)) DeleteNode(tv, k);
  if (node == &tv.root) {
    tv.selected = tv.dropHilite = nullptr;
    tv.topRow = 0;
    UpdateTreeScrollBars(tv);
    InvalidateRect(tv.hwnd, nullptr, TRUE);
    return;
  }
  TvNode* parent = node->parent;
  TvNode* newSelection = nullptr;
  bool wasSelected = tv.selected == node;
  if (wasSelected) {
    newSelection = Sibling(node, 1);
    if (!newSelection && parent != &tv.root) newSelection = parent;
    if (!newSelection) newSelection = Sibling(node, -1);
    tv.selected = nullptr;
  }
  NotifyTree(tv, TVN_DELETEITEMA, TVC_UNKNOWN, node, nullptr, POINT{0, 0});
  if (tv.dropHilite == node) tv.dropHilite = nullptr;
  if (tv.downNode == node) tv.downNode = nullptr;
  auto& kids = parent->kids;
  kids.erase(std::remove(kids.begin(), kids.end(), node), kids.end());
  tv.live.erase(node);
  delete node;
  if (parent != &tv.root && parent->kids.empty()) parent->state &= ~static_cast<UINT>(TVIS_EXPANDED);
  if (wasSelected && !tv.selected && newSelection && tv.live.count(newSelection))
    SelectNode(tv, newSelection, TVC_UNKNOWN);
  UpdateTreeScrollBars(tv);
  InvalidateRect(tv.hwnd, nullptr, TRUE);
}

LRESULT TreeItemMessage(TreeView& tv, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  auto* item = reinterpret_cast<TVITEMA*>(lParam);
  switch (msg) {
    case TVM_INSERTITEMA:
      return lParam ? reinterpret_cast<LRESULT>(Insert(tv, *reinterpret_cast<TVINSERTSTRUCTA*>(lParam))) : 0;
    case TVM_DELETEITEM: {
      HTREEITEM h = reinterpret_cast<HTREEITEM>(lParam);
      if (h == TVI_ROOT || !h) {
        DeleteNode(tv, &tv.root);
        return TRUE;
      }
      TvNode* node = NodeOf(tv, h);
      if (!node) return FALSE;
      DeleteNode(tv, node);
      return TRUE;
    }
    case TVM_GETITEMA: return item ? GetItem(tv, *item) : FALSE;
    case TVM_SETITEMA: return item ? SetItem(tv, *item) : FALSE;
    case TVM_GETNEXTITEM:
      return reinterpret_cast<LRESULT>(NextItem(tv, static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam)));
    case TVM_GETCOUNT: {
      int n = 0;
      Count(&tv.root, n);
      return n;
    }
    case TVM_GETITEMSTATE: {
      TvNode* node = NodeOf(tv, reinterpret_cast<HTREEITEM>(wParam));
      return node ? static_cast<LRESULT>(node->state & lParam) : 0;
    }
    case TVM_SORTCHILDREN:
    case TVM_SORTCHILDRENCB: {
      HTREEITEM h = msg == TVM_SORTCHILDREN ? reinterpret_cast<HTREEITEM>(lParam)
                                            : (lParam ? reinterpret_cast<TVSORTCB*>(lParam)->hParent : nullptr);
      TvNode* parent = ParentFor(tv, h);
      if (!parent || (msg == TVM_SORTCHILDRENCB && !lParam)) return FALSE;
      PFNTVCOMPARE compare = msg == TVM_SORTCHILDRENCB ? reinterpret_cast<TVSORTCB*>(lParam)->lpfnCompare : nullptr;
      LPARAM param = msg == TVM_SORTCHILDRENCB ? reinterpret_cast<TVSORTCB*>(lParam)->lParam : 0;
      SortKids(tv, parent, wParam != 0, compare, param);
      InvalidateRect(tv.hwnd, nullptr, TRUE);
      return TRUE;
    }
    default: *handled = false; return 0;
  }
}

}  // namespace win::comctl
