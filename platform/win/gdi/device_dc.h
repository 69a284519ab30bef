// The window manager's door to window and screen DCs.
//
// The window manager owns the pixels (a top-level window's surface) and tells
// the DC where its window lies in them and what of it is visible. Device
// coordinates of such a DC are relative to that origin (the window's client
// or window corner); SelectClipRgn regions are in those device coordinates.
#pragma once

#include <cstdint>

#include "platform/win/windef.h"

namespace win::gdi {

class Region;

// A top-level surface: 32-bit 0x00RRGGBB pixels, rows top-down, `stride`
// pixels (not bytes) from one row to the next.
struct DeviceSurface {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

// A DC of kind OBJ_DC with the stock objects selected and no target yet
// (drawing on it does nothing until SetDeviceTarget).
HDC CreateDeviceDC();

// Points the DC at a surface. originInSurface: where device (0, 0) lies in
// the surface. visibleInSurface: the visible part in surface coordinates,
// nullptr for the whole surface. The region is copied.
void SetDeviceTarget(HDC hdc, const DeviceSurface& surface, POINT originInSurface, const Region* visibleInSurface);

// Frees a DC made by CreateDeviceDC (DeleteDC does the same).
void DeleteDeviceDC(HDC hdc);

}  // namespace win::gdi
