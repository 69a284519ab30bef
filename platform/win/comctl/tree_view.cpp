// The tree view: its window procedure and the messages about images,
// colours, geometry, selection and expansion.
#include <algorithm>

#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/tree_view.h"
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {
namespace {

constexpr LRESULT kWantArrowsAndChars = 0x0001 | 0x0080;

LRESULT SelectMessage(TreeView& tv, WPARAM code, TvNode* node) {
  switch (code & 0xFF) {
    case TVGN_CARET: return SelectNode(tv, node, TVC_UNKNOWN) ? TRUE : FALSE;
    case TVGN_DROPHILITE:
      if (tv.dropHilite) tv.dropHilite->state &= ~static_cast<UINT>(TVIS_DROPHILITED);
      tv.dropHilite = node;
      if (node) node->state |= TVIS_DROPHILITED;
      InvalidateRect(tv.hwnd, nullptr, TRUE);
      return TRUE;
    case TVGN_FIRSTVISIBLE: {
      if (!node) return FALSE;
      EnsureNodeVisible(tv, node);
      ScrollTreeTo(tv, RowOf(tv, node), tv.scrollX);
      return TRUE;
    }
    default: return FALSE;
  }
}

}  // namespace

TreeView* TreeViewOf(HWND hwnd) {
  return reinterpret_cast<TreeView*>(GetWindowLongPtrA(hwnd, 0));
}

DWORD TreeStyle(const TreeView& tv) {
  return static_cast<DWORD>(GetWindowLongA(tv.hwnd, GWL_STYLE));
}

LRESULT CALLBACK TreeViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TreeView* tv = TreeViewOf(hwnd);
  if (!tv) {
    if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);
    tv = new TreeView;
    tv->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(tv));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  StateInUse<TreeView> inUse(tv);
  bool handled = false;
  LRESULT r = TreeItemMessage(*tv, msg, wParam, lParam, &handled);
  if (handled) return r;
  TvNode* node = NodeOf(*tv, reinterpret_cast<HTREEITEM>(lParam));
  switch (msg) {
    case WM_DESTROY:
      EndTreeLabelEdit(*tv, true);
      DeleteNode(*tv, &tv->root);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
      // Deleted when the outermost call of this procedure returns.
      SetWindowLongPtrA(hwnd, 0, 0);
      tv->released = true;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case TVM_EXPAND: return node && ExpandNode(*tv, node, static_cast<UINT>(wParam), false) ? TRUE : FALSE;
    case TVM_SELECTITEM: return SelectMessage(*tv, wParam, node);
    case TVM_ENSUREVISIBLE: return EnsureNodeVisible(*tv, node) ? TRUE : FALSE;
    case TVM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (!rect) return FALSE;
      TvNode* which = NodeOf(*tv, *reinterpret_cast<HTREEITEM*>(rect));
      if (!which || RowOf(*tv, which) < 0) return FALSE;
      *rect = NodeRect(*tv, which, wParam != 0);
      return TRUE;
    }
    case TVM_HITTEST: {
      auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
      if (!info) return 0;
      info->hItem = HandleOf(TreeHitTest(*tv, info->pt, &info->flags));
      return reinterpret_cast<LRESULT>(info->hItem);
    }
    case TVM_GETIMAGELIST: return reinterpret_cast<LRESULT>(wParam == TVSIL_STATE ? tv->stateImages : tv->normalImages);
    case TVM_SETIMAGELIST: {
      HIMAGELIST& slot = wParam == TVSIL_STATE ? tv->stateImages : tv->normalImages;
      HIMAGELIST old = slot;
      slot = reinterpret_cast<HIMAGELIST>(lParam);
      UpdateTreeScrollBars(*tv);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case TVM_GETINDENT: return tv->indent;
    case TVM_SETINDENT:
      tv->indent = std::max(static_cast<int>(wParam), 5);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case TVM_GETVISIBLECOUNT: {
      RECT client;
      GetClientRect(hwnd, &client);
      return client.bottom / RowHeight(*tv);
    }
    case TVM_GETITEMHEIGHT: return RowHeight(*tv);
    case TVM_SETITEMHEIGHT: {
      int old = RowHeight(*tv);
      tv->itemHeight = static_cast<short>(LOWORD(wParam)) == -1 ? 0 : static_cast<int>(wParam);
      UpdateTreeScrollBars(*tv);
      InvalidateRect(hwnd, nullptr, TRUE);
      return old;
    }
    case TVM_GETBKCOLOR:
      return static_cast<LRESULT>(tv->bkColour == CLR_NONE ? static_cast<COLORREF>(-1) : tv->bkColour);
    case TVM_SETBKCOLOR: {
      COLORREF old = tv->bkColour;
      tv->bkColour = static_cast<COLORREF>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return static_cast<LRESULT>(old);
    }
    case TVM_GETTEXTCOLOR: return static_cast<LRESULT>(tv->textColour);
    case TVM_SETTEXTCOLOR: {
      COLORREF old = tv->textColour;
      tv->textColour = static_cast<COLORREF>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return static_cast<LRESULT>(old);
    }
    case TVM_EDITLABELA:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      return reinterpret_cast<LRESULT>(EditTreeLabel(*tv, node));
    case TVM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(tv->editor);
    case TVM_ENDEDITLABELNOW:
      if (!tv->editor) return FALSE;
      EndTreeLabelEdit(*tv, wParam != 0);
      return TRUE;
    case TVM_GETISEARCHSTRINGA: return static_cast<LRESULT>(tv->search.size());
    case WM_SETFONT:
      tv->font = reinterpret_cast<HFONT>(wParam);
      UpdateTreeScrollBars(*tv);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(tv->font);
    case WM_STYLECHANGED:
    case WM_SIZE:
      UpdateTreeScrollBars(*tv);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintClient(hwnd, wParam, [&](HDC dc, const RECT& update) { PaintTreeView(*tv, dc, update); });
      return 0;
    }
    case WM_SETFOCUS:
      NotifyCode(hwnd, NM_SETFOCUS);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_KILLFOCUS:
      NotifyCode(hwnd, NM_KILLFOCUS);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETDLGCODE: return kWantArrowsAndChars;
    case WM_HSCROLL: return TreeScrollMessage(*tv, SB_HORZ, wParam);
    case WM_VSCROLL: return TreeScrollMessage(*tv, SB_VERT, wParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
    case WM_TIMER:
    case WM_MOUSEWHEEL: return TreeMouse(*tv, msg, wParam, lParam);
    case WM_KEYDOWN:
    case WM_CHAR: return TreeKey(*tv, msg, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win::comctl
