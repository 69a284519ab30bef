// Helpers the user32 drawing calls share.
#pragma once

#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/windef.h"

namespace win::user {

// A brush handle, or a system colour index + 1 in its place; nullptr if neither.
const win::gdi::Brush* ResolveBrush(HBRUSH brush);
// Fills a device rectangle in a solid colour, copying whatever the ROP2.
void FillDevice(win::gdi::DeviceContext& dc, const RECT& deviceRect, COLORREF color);

}  // namespace win::user
