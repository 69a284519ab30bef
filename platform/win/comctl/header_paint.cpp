// The header control: drawing its items in the classic look, or through the
// parent's WM_DRAWITEM for owner-drawn items.
#include <algorithm>

#include "platform/win/comctl/header_control.h"
#include "platform/win/comctl/notify.h"
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {
namespace {

void DrawContent(Header& h, HDC dc, const HeaderItem& item, RECT r, bool hot) {
  const int margin = 3 * GetSystemMetrics(SM_CXEDGE);
  InflateRect(&r, -margin, 0);
  if ((item.format & HDF_IMAGE) && h.images) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(h.images, &cx, &cy);
    if (r.right - r.left >= cx) {
      ImageList_Draw(h.images, item.image, dc, r.left, (r.top + r.bottom - cy) / 2, ILD_TRANSPARENT);
      r.left += cx + margin;
    }
  }
  if (!(item.format & HDF_STRING) || item.text.empty() || r.right <= r.left) return;
  UINT align = (item.format & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
               : (item.format & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                               : DT_LEFT;
  SetTextColor(dc, GetSysColor(hot ? COLOR_HOTLIGHT : COLOR_BTNTEXT));
  DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &r,
            align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace

void HeaderPaint(Header& h, HDC dc) {
  RECT client;
  GetClientRect(h.hwnd, &client);
  DWORD style = static_cast<DWORD>(GetWindowLongA(h.hwnd, GWL_STYLE));
  FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, ControlFont(h.font));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  int right = 0;
  for (int i = 0; i < static_cast<int>(h.items.size()); i++) {
    const HeaderItem& item = h.items[i];
    RECT r = HeaderItemRect(h, i);
    right = r.right;
    if (r.right <= r.left) continue;
    bool pressed = h.pressed == i && h.pressedInside && (style & HDS_BUTTONS);
    bool hot = h.hot == i && (style & HDS_HOTTRACK) && h.tracking < 0;
    RECT edge = r;
    if (style & HDS_FLAT) {
      DrawEdge(dc, &edge, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_SOFT | BF_MIDDLE);
    } else if (pressed) {
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    } else {
      DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    }
    RECT content = r;
    if (pressed) OffsetRect(&content, 1, 1);
    if (item.format & HDF_OWNERDRAW) {
      DRAWITEMSTRUCT dis{};
      dis.CtlType = ODT_HEADER;
      dis.CtlID = static_cast<UINT>(GetDlgCtrlID(h.hwnd));
      dis.itemID = static_cast<UINT>(i);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.itemState = pressed ? ODS_SELECTED : 0;
      dis.hwndItem = h.hwnd;
      dis.hDC = dc;
      dis.rcItem = r;
      dis.itemData = static_cast<ULONG_PTR>(item.lParam);
      int saved = SaveDC(dc);
      SendMessageA(GetParent(h.hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
      RestoreDC(dc, saved);
    } else {
      DrawContent(h, dc, item, content, hot);
    }
  }
  // The free space right of the last item looks like an empty item.
  if (right < client.right) {
    RECT rest{right, 0, client.right, client.bottom};
    DrawEdge(dc, &rest, (style & HDS_FLAT) ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
  }
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

}  // namespace win::comctl
