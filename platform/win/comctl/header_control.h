// The header control ("SysHeader32"): a row of column captions that can be
// clicked, resized by dragging their dividers, and drawn by the parent.
#pragma once

#include <string>
#include <vector>

#include "platform/win/commctrl.h"

namespace win::comctl {

struct HeaderItem {
  int width = 0;
  std::string text;
  int format = HDF_STRING | HDF_LEFT;
  LPARAM lParam = 0;
  int image = 0;
  HBITMAP bitmap = nullptr;
};

struct Header {
  HWND hwnd = nullptr;
  std::vector<HeaderItem> items;
  HFONT font = nullptr;
  HIMAGELIST images = nullptr;
  int hot = -1;  // the item under the mouse (hot tracking)
  int pressed = -1;  // the item held down by the left button
  bool pressedInside = false;
  int tracking = -1;  // the item whose divider is being dragged
  int trackStartWidth = 0;
  int trackGrab = 0;  // pointer x minus the item's right edge at the start
  bool leaveRequested = false;
};

Header* HeaderOf(HWND hwnd);
RECT HeaderItemRect(const Header& h, int index);
// HHT_ flags and the item for a client point.
UINT HeaderHitTest(const Header& h, POINT p, int* item);
// Sends an HDN_ notification about one item; the parent's answer comes back.
LRESULT HeaderNotify(Header& h, UINT code, int item, int button, HDITEMA* data);
// Changes an item as HDM_SETITEM does (HDN_ITEMCHANGING may refuse).
BOOL HeaderSetItem(Header& h, int index, const HDITEMA& data, bool notify);

void HeaderPaint(Header& h, HDC dc);
LRESULT HeaderMouse(Header& h, UINT msg, WPARAM wParam, LPARAM lParam);

LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win::comctl
