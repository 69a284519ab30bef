// The header control: clicks on items, dragging dividers and hot tracking.
#include <algorithm>

#include "platform/win/comctl/header_control.h"

namespace win::comctl {
namespace {

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void InvalidateItem(Header& h, int index) {
  if (index < 0 || index >= static_cast<int>(h.items.size())) return;
  RECT r = HeaderItemRect(h, index);
  InvalidateRect(h.hwnd, &r, TRUE);
}

void SetHot(Header& h, int item) {
  if (h.hot == item) return;
  InvalidateItem(h, h.hot);
  h.hot = item;
  InvalidateItem(h, h.hot);
}

int TrackedWidth(const Header& h, POINT p) {
  RECT r = HeaderItemRect(h, h.tracking);
  return std::max(0, p.x - h.trackGrab - r.left);
}

void EndTrack(Header& h, POINT p, bool apply) {
  int item = h.tracking;
  HDITEMA data{};
  data.mask = HDI_WIDTH;
  data.cxy = apply ? TrackedWidth(h, p) : h.trackStartWidth;
  h.tracking = -1;
  if (GetCapture() == h.hwnd) ReleaseCapture();
  HeaderNotify(h, HDN_ENDTRACKA, item, 0, &data);
  HeaderSetItem(h, item, data, true);
}

}  // namespace

LRESULT HeaderMouse(Header& h, UINT msg, WPARAM, LPARAM lParam) {
  POINT p = PointOf(lParam);
  DWORD style = static_cast<DWORD>(GetWindowLongA(h.hwnd, GWL_STYLE));
  switch (msg) {
    case WM_LBUTTONDOWN: {
      int item;
      UINT where = HeaderHitTest(h, p, &item);
      if (where & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
        HDITEMA data{};
        data.mask = HDI_WIDTH;
        data.cxy = h.items[item].width;
        if (HeaderNotify(h, HDN_BEGINTRACKA, item, 0, &data)) return 0;
        h.tracking = item;
        h.trackStartWidth = h.items[item].width;
        h.trackGrab = p.x - HeaderItemRect(h, item).right;
        SetCapture(h.hwnd);
        InvalidateRect(h.hwnd, nullptr, TRUE);
      } else if ((where & HHT_ONHEADER) && (style & HDS_BUTTONS)) {
        h.pressed = item;
        h.pressedInside = true;
        SetCapture(h.hwnd);
        InvalidateItem(h, item);
      }
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      int item;
      UINT where = HeaderHitTest(h, p, &item);
      if (where & (HHT_ONDIVIDER | HHT_ONDIVOPEN))
        HeaderNotify(h, HDN_DIVIDERDBLCLICKA, item, 0, nullptr);
      else if (where & HHT_ONHEADER)
        HeaderNotify(h, HDN_ITEMDBLCLICKA, item, 0, nullptr);
      return 0;
    }
    case WM_MOUSEMOVE: {
      if (h.tracking >= 0) {
        HDITEMA data{};
        data.mask = HDI_WIDTH;
        data.cxy = TrackedWidth(h, p);
        // A parent that answers TRUE to HDN_TRACK ends the drag there.
        if (HeaderNotify(h, HDN_TRACKA, h.tracking, 0, &data)) {
          EndTrack(h, p, true);
          return 0;
        }
        if (style & HDS_FULLDRAG)
          HeaderSetItem(h, h.tracking, data, true);
        else {
          h.items[h.tracking].width = data.cxy;
          InvalidateRect(h.hwnd, nullptr, TRUE);
        }
        UpdateWindow(h.hwnd);
        return 0;
      }
      int item;
      UINT where = HeaderHitTest(h, p, &item);
      if (h.pressed >= 0) {
        bool inside = (where & HHT_ONHEADER) && item == h.pressed;
        if (inside != h.pressedInside) {
          h.pressedInside = inside;
          InvalidateItem(h, h.pressed);
        }
      }
      if (style & HDS_HOTTRACK) {
        SetHot(h, (where & HHT_ONHEADER) ? item : -1);
        if (!h.leaveRequested) {
          TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, h.hwnd, 0};
          TrackMouseEvent(&tme);
          h.leaveRequested = true;
        }
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      h.leaveRequested = false;
      SetHot(h, -1);
      return 0;
    case WM_LBUTTONUP: {
      if (h.tracking >= 0) {
        // The width during the drag was only shown; the change is made, and
        // may be refused, now.
        if (!(style & HDS_FULLDRAG)) h.items[h.tracking].width = h.trackStartWidth;
        EndTrack(h, p, true);
        return 0;
      }
      if (h.pressed >= 0) {
        int item = h.pressed;
        bool inside = h.pressedInside;
        h.pressed = -1;
        h.pressedInside = false;
        if (GetCapture() == h.hwnd) ReleaseCapture();
        InvalidateItem(h, item);
        if (inside) HeaderNotify(h, HDN_ITEMCLICKA, item, 0, nullptr);
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (h.tracking >= 0 && reinterpret_cast<HWND>(lParam) != h.hwnd) {
        h.items[h.tracking].width = h.trackStartWidth;
        int item = h.tracking;
        h.tracking = -1;
        HDITEMA data{};
        data.mask = HDI_WIDTH;
        data.cxy = h.trackStartWidth;
        HeaderNotify(h, HDN_ENDTRACKA, item, 0, &data);
        InvalidateRect(h.hwnd, nullptr, TRUE);
      }
      if (h.pressed >= 0 && reinterpret_cast<HWND>(lParam) != h.hwnd) {
        InvalidateItem(h, h.pressed);
        h.pressed = -1;
      }
      return 0;
    default: return 0;
  }
}

}  // namespace win::comctl
