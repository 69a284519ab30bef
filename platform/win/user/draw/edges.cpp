// DrawEdge: the two-line 3D frames of the classic look.
//
// Each edge is one line per side: the top and left in the edge's light
// colour, the bottom and right in its dark colour; the dark lines are drawn
// last and run to the corners. The outer edge lies on the rectangle, the
// inner one just inside it.
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/user/draw/sys_colors.h"
#include "platform/win/user/draw/user_draw.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_draw.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::user::SysColor;

namespace {

struct EdgeColors {
  COLORREF topLeft;
  COLORREF bottomRight;
};

EdgeColors OuterColors(UINT edge, UINT flags) {
  if (flags & BF_MONO) return {SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_WINDOWFRAME)};
  if (flags & BF_FLAT) return {SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNSHADOW)};
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDOUTER) return {SysColor(soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT), SysColor(COLOR_3DDKSHADOW)};
  return {SysColor(soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT)};
}

EdgeColors InnerColors(UINT edge, UINT flags) {
  if (flags & BF_MONO) return {SysColor(COLOR_WINDOW), SysColor(COLOR_WINDOW)};
  if (flags & BF_FLAT) return {SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNFACE)};
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDINNER) return {SysColor(soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW)};
  return {SysColor(soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW), SysColor(COLOR_3DLIGHT)};
}

// One edge around r (device) on the sides in `flags`; returns r shrunk by
// one on those sides.
RECT DrawOneEdge(DeviceContext& dc, RECT r, UINT flags, EdgeColors colors) {
  if (r.right <= r.left || r.bottom <= r.top) return r;
  const LONG rightCut = (flags & BF_RIGHT) ? 1 : 0, bottomCut = (flags & BF_BOTTOM) ? 1 : 0;
  using win::user::FillDevice;
  if (flags & BF_LEFT) FillDevice(dc, RECT{r.left, r.top, r.left + 1, r.bottom - bottomCut}, colors.topLeft);
  if (flags & BF_TOP) FillDevice(dc, RECT{r.left, r.top, r.right - rightCut, r.top + 1}, colors.topLeft);
  if (flags & BF_RIGHT) FillDevice(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, colors.bottomRight);
  if (flags & BF_BOTTOM) FillDevice(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colors.bottomRight);
  if (flags & BF_LEFT) ++r.left;
  if (flags & BF_TOP) ++r.top;
  if (flags & BF_RIGHT) --r.right;
  if (flags & BF_BOTTOM) --r.bottom;
  return r;
}

// A diagonal edge: a line between two corners of the rectangle in the
// outer edge's colour for lines rising to the right, the dark one otherwise.
void DrawDiagonal(DeviceContext& dc, const RECT& r, UINT edge, UINT flags) {
  const EdgeColors c = OuterColors(edge, flags);
  POINT from{}, to{};
  const bool endTop = flags & BF_TOP, endRight = flags & BF_RIGHT;
  from = POINT{endRight ? r.left : r.right - 1, endTop ? r.bottom - 1 : r.top};
  to = POINT{endRight ? r.right - 1 : r.left, endTop ? r.top : r.bottom - 1};
  const COLORREF color = (endTop == endRight) ? c.topLeft : c.bottomRight;
  win::gdi::shapes::ForEachLinePixel(from, to, [&](LONG x, LONG y) { dc.FillSpan(y, x, x + 1, color, R2_COPYPEN); });
  dc.FillSpan(to.y, to.x, to.x + 1, color, R2_COPYPEN);
}

}  // namespace

BOOL WINAPI DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !rect) return FALSE;
  const RECT logical = *rect;
  const RECT device = dc->ToDevice(logical);
  const bool outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
  if (flags & BF_DIAGONAL) {
    DrawDiagonal(*dc, device, edge, flags);
    return TRUE;
  }
  RECT r = device;
  if (outer) r = DrawOneEdge(*dc, r, flags, OuterColors(edge, flags));
  if (inner) r = DrawOneEdge(*dc, r, flags, InnerColors(edge, flags));
  if ((flags & BF_MIDDLE) && r.right > r.left && r.bottom > r.top) {
    win::user::FillDevice(*dc, r, SysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
  }
  if (flags & BF_ADJUST) {
    // Only the drawn sides move in, by the edges actually drawn.
    const LONG n = (outer ? 1 : 0) + (inner ? 1 : 0);
    if (flags & BF_LEFT) rect->left += n;
    if (flags & BF_TOP) rect->top += n;
    if (flags & BF_RIGHT) rect->right -= n;
    if (flags & BF_BOTTOM) rect->bottom -= n;
  }
  return TRUE;
}
