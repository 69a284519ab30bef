// The header control: its window procedure and its items.
#include "platform/win/comctl/header_control.h"

#include <algorithm>
#include <cstring>

#include "platform/win/comctl/image_list.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {
namespace {

void CopyText(const std::string& text, LPSTR out, int size) {
  if (!out || size <= 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(out, text.data(), n);
  out[n] = 0;
}

void Apply(HeaderItem& item, const HDITEMA& data) {
  if (data.mask & HDI_WIDTH) item.width = std::max(0, data.cxy);
  if (data.mask & HDI_TEXT) item.text = data.pszText && data.pszText != LPSTR_TEXTCALLBACKA ? data.pszText : "";
  if (data.mask & HDI_FORMAT) item.format = data.fmt;
  if (data.mask & HDI_LPARAM) item.lParam = data.lParam;
  if (data.mask & HDI_IMAGE) item.image = data.iImage;
  if (data.mask & HDI_BITMAP) item.bitmap = data.hbm;
}

void Fill(const HeaderItem& item, HDITEMA& data) {
  if (data.mask & HDI_WIDTH) data.cxy = item.width;
  if (data.mask & HDI_TEXT) CopyText(item.text, data.pszText, data.cchTextMax);
  if (data.mask & HDI_FORMAT) data.fmt = item.format;
  if (data.mask & HDI_LPARAM) data.lParam = item.lParam;
  if (data.mask & HDI_IMAGE) data.iImage = item.image;
  if (data.mask & HDI_BITMAP) data.hbm = item.bitmap;
}

int HeaderHeight(Header& h) {
  HDC dc = GetDC(h.hwnd);
  HGDIOBJ old = SelectObject(dc, ControlFont(h.font));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(h.hwnd, dc);
  return tm.tmHeight + 7;
}

LRESULT Layout(Header& h, HDLAYOUT* layout) {
  if (!layout || !layout->prc || !layout->pwpos) return FALSE;
  int height = (GetWindowLongA(h.hwnd, GWL_STYLE) & HDS_HIDDEN) ? 0 : HeaderHeight(h);
  WINDOWPOS& pos = *layout->pwpos;
  pos.hwnd = h.hwnd;
  pos.hwndInsertAfter = nullptr;
  pos.x = layout->prc->left;
  pos.y = layout->prc->top;
  pos.cx = layout->prc->right - layout->prc->left;
  pos.cy = height;
  pos.flags = SWP_NOZORDER;
  layout->prc->top += height;
  return TRUE;
}

}  // namespace

Header* HeaderOf(HWND hwnd) {
  return reinterpret_cast<Header*>(GetWindowLongPtrA(hwnd, 0));
}

RECT HeaderItemRect(const Header& h, int index) {
  RECT client;
  GetClientRect(h.hwnd, &client);
  int x = 0;
  for (int i = 0; i < index; i++) x += h.items[i].width;
  return RECT{x, 0, x + h.items[index].width, client.bottom};
}

UINT HeaderHitTest(const Header& h, POINT p, int* item) {
  RECT client;
  GetClientRect(h.hwnd, &client);
  *item = -1;
  UINT flags = 0;
  if (p.x < client.left) flags |= HHT_TOLEFT;
  if (p.x >= client.right) flags |= HHT_TORIGHT;
  if (p.y < client.top) flags |= HHT_ABOVE;
  if (p.y >= client.bottom) flags |= HHT_BELOW;
  if (flags) return flags;
  const int grip = 4;
  int x = 0;
  int n = static_cast<int>(h.items.size());
  for (int i = 0; i < n; i++) {
    int right = x + h.items[i].width;
    // The divider belongs to the item left of it; a hidden (zero-width) item
    // after it opens on the right half of the grip.
    if (p.x >= right - grip && p.x < right + grip) {
      int j = i;
      while (j + 1 < n && h.items[j + 1].width == 0 && p.x >= right) j++;
      *item = j;
      return j != i ? HHT_ONDIVOPEN : HHT_ONDIVIDER;
    }
    if (p.x >= x && p.x < right) {
      *item = i;
      return HHT_ONHEADER;
    }
    x = right;
  }
  return HHT_NOWHERE;
}

LRESULT HeaderNotify(Header& h, UINT code, int item, int button, HDITEMA* data) {
  NMHEADERA nm{};
  nm.iItem = item;
  nm.iButton = button;
  nm.pitem = data;
  return Notify(h.hwnd, code, &nm.hdr);
}

BOOL HeaderSetItem(Header& h, int index, const HDITEMA& data, bool notify) {
  if (index < 0 || index >= static_cast<int>(h.items.size())) return FALSE;
  HDITEMA copy = data;
  if (notify && HeaderNotify(h, HDN_ITEMCHANGINGA, index, 0, &copy)) return FALSE;
  Apply(h.items[index], data);
  if (notify) HeaderNotify(h, HDN_ITEMCHANGEDA, index, 0, &copy);
  InvalidateRect(h.hwnd, nullptr, TRUE);
  return TRUE;
}

LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Header* h = HeaderOf(hwnd);
  if (!h) {
    if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);
    h = new Header;
    h->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(h));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  switch (msg) {
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, 0, 0);
      delete h;
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case HDM_GETITEMCOUNT: return static_cast<LRESULT>(h->items.size());
    case HDM_INSERTITEMA: {
      auto* data = reinterpret_cast<HDITEMA*>(lParam);
      if (!data) return -1;
      int at = std::clamp(static_cast<int>(wParam), 0, static_cast<int>(h->items.size()));
      HeaderItem item;
      Apply(item, *data);
      h->items.insert(h->items.begin() + at, item);
      InvalidateRect(hwnd, nullptr, TRUE);
      return at;
    }
    case HDM_DELETEITEM: {
      int at = static_cast<int>(wParam);
      if (at < 0 || at >= static_cast<int>(h->items.size())) return FALSE;
      h->items.erase(h->items.begin() + at);
      h->hot = h->pressed = h->tracking = -1;
      InvalidateRect(hwnd, nullptr, TRUE);
      return TRUE;
    }
    case HDM_GETITEMA: {
      auto* data = reinterpret_cast<HDITEMA*>(lParam);
      int at = static_cast<int>(wParam);
      if (!data || at < 0 || at >= static_cast<int>(h->items.size())) return FALSE;
      Fill(h->items[at], *data);
      if (data->mask & HDI_ORDER) data->iOrder = at;
      return TRUE;
    }
    case HDM_SETITEMA: {
      auto* data = reinterpret_cast<HDITEMA*>(lParam);
      return data ? HeaderSetItem(*h, static_cast<int>(wParam), *data, true) : FALSE;
    }
    case HDM_LAYOUT: return Layout(*h, reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_HITTEST: {
      auto* info = reinterpret_cast<HDHITTESTINFO*>(lParam);
      if (!info) return -1;
      info->flags = HeaderHitTest(*h, info->pt, &info->iItem);
      return info->iItem;
    }
    case HDM_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      int at = static_cast<int>(wParam);
      if (!rect || at < 0 || at >= static_cast<int>(h->items.size())) return FALSE;
      *rect = HeaderItemRect(*h, at);
      return TRUE;
    }
    case HDM_SETIMAGELIST: {
      HIMAGELIST old = h->images;
      h->images = reinterpret_cast<HIMAGELIST>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case HDM_GETIMAGELIST: return reinterpret_cast<LRESULT>(h->images);
    case HDM_ORDERTOINDEX: return static_cast<LRESULT>(wParam);
    case HDM_SETORDERARRAY: return lParam && wParam == h->items.size() ? TRUE : FALSE;
    case HDM_GETORDERARRAY: {
      auto* order = reinterpret_cast<int*>(lParam);
      if (!order || wParam != h->items.size()) return FALSE;
      for (size_t i = 0; i < h->items.size(); i++) order[i] = static_cast<int>(i);
      return TRUE;
    }
    case WM_SETFONT:
      h->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(h->font);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintClient(hwnd, wParam, [&](HDC dc, const RECT&) { HeaderPaint(*h, dc); });
      return 0;
    }
    case WM_SETCURSOR: {
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(hwnd, &p);
      int item;
      UINT where = HeaderHitTest(*h, p, &item);
      if (h->tracking >= 0 || (where & (HHT_ONDIVIDER | HHT_ONDIVOPEN))) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        return TRUE;
      }
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED: return HeaderMouse(*h, msg, wParam, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win::comctl
