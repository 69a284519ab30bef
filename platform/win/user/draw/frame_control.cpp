// DrawFrameControl: the classic push buttons, check boxes, radio buttons,
// caption buttons, scroll arrows, size grip and menu marks, drawn from
// DrawEdge and a few small glyphs scaled to the rectangle.
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/shapes/raster.h"
#include "platform/win/user/draw/sys_colors.h"
#include "platform/win/user/draw/user_draw.h"
#include "platform/win/wingdi_shapes.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_draw.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::gdi::Span;
using win::gdi::shapes::PointF;
using win::user::FillDevice;
using win::user::SysColor;

namespace {

// Draws a glyph: `paint(color, dx, dy)` paints it moved by (dx, dy). A
// disabled glyph is embossed: a highlight copy one pixel down-right under a
// shadow copy.
using GlyphPainter = std::function<void(COLORREF, LONG, LONG)>;
void DrawGlyph(UINT state, COLORREF normal, const GlyphPainter& paint) {
  const LONG shift = (state & DFCS_PUSHED) ? 1 : 0;
  if (state & DFCS_INACTIVE) {
    paint(SysColor(COLOR_BTNHIGHLIGHT), shift + 1, shift + 1);
    paint(SysColor(COLOR_BTNSHADOW), shift, shift);
  } else {
    paint(normal, shift, shift);
  }
}

void FillSpans(DeviceContext& dc, const std::vector<Span>& spans, COLORREF color, LONG dx = 0, LONG dy = 0) {
  for (const Span& s : spans) dc.FillSpan(s.y + dy, s.x0 + dx, s.x1 + dx, color, R2_COPYPEN);
}

void FillPolygon(DeviceContext& dc, std::vector<PointF> points, COLORREF color, LONG dx, LONG dy) {
  FillSpans(dc, win::gdi::shapes::PolygonSpans({points}, WINDING), color, dx, dy);
}

// A line `thickness` pixels wide (grown to the right), end point included.
void Line(DeviceContext& dc, POINT a, POINT b, int thickness, COLORREF color, LONG dx, LONG dy) {
  auto px = [&](LONG x, LONG y) { dc.FillSpan(y + dy, x + dx, x + dx + thickness, color, R2_COPYPEN); };
  win::gdi::shapes::ForEachLinePixel(a, b, px);
  px(b.x, b.y);
}

// A square of side min(width, height) at the left, centred vertically.
RECT SquareAtLeft(const RECT& r) {
  const LONG side = std::min(r.right - r.left, r.bottom - r.top);
  const LONG top = r.top + (r.bottom - r.top - side) / 2;
  return RECT{r.left, top, r.left + side, top + side};
}

// A square centred in r with sides a fraction of r's shorter side.
RECT CentredSquare(const RECT& r, int percent) {
  const LONG side = std::max<LONG>(1, std::min(r.right - r.left, r.bottom - r.top) * percent / 100);
  const LONG left = r.left + (r.right - r.left - side) / 2, top = r.top + (r.bottom - r.top - side) / 2;
  return RECT{left, top, left + side, top + side};
}

// The check mark: a short stroke down-right and a long one up-right, three
// pixels thick, scaled to the box.
void PaintCheck(DeviceContext& dc, const RECT& box, COLORREF color, LONG dx, LONG dy) {
  const LONG w = box.right - box.left, h = box.bottom - box.top;
  const LONG thick = std::max<LONG>(1, h / 3);
  const POINT a{box.left, box.top + h / 2 - thick / 2};
  const POINT b{box.left + w / 3, a.y + w / 3};
  const POINT c{box.right - 1, b.y - (box.right - 1 - b.x)};
  for (LONG t = 0; t < thick; ++t) {
    Line(dc, POINT{a.x, a.y + t}, POINT{b.x, b.y + t}, 1, color, dx, dy);
    Line(dc, POINT{b.x, b.y + t}, POINT{c.x, c.y + t}, 1, color, dx, dy);
  }
}

void DrawCheckBox(DeviceContext& dc, const RECT& r, UINT state) {
  const RECT box = SquareAtLeft(r);
  RECT inside = box;
  const UINT look = (state & DFCS_MONO) ? BF_MONO : (state & DFCS_FLAT) ? BF_FLAT : 0;
  // DrawEdge works in logical coordinates; this box is in device ones.
  const RECT logical{box.left - dc.DeviceDx(), box.top - dc.DeviceDy(), box.right - dc.DeviceDx(),
                     box.bottom - dc.DeviceDy()};
  RECT adjusted = logical;
  DrawEdge(dc.Hdc(), &adjusted, EDGE_SUNKEN, BF_RECT | BF_ADJUST | look);
  inside = RECT{adjusted.left + dc.DeviceDx(), adjusted.top + dc.DeviceDy(), adjusted.right + dc.DeviceDx(),
                adjusted.bottom + dc.DeviceDy()};
  const bool grey = (state & (DFCS_PUSHED | DFCS_INACTIVE)) || (state & DFCS_BUTTON3STATE && state & DFCS_CHECKED);
  FillDevice(dc, inside, SysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
  if (state & DFCS_CHECKED) {
    const COLORREF mark =
        (state & (DFCS_INACTIVE | DFCS_BUTTON3STATE)) ? SysColor(COLOR_BTNSHADOW) : SysColor(COLOR_WINDOWTEXT);
    PaintCheck(dc, CentredSquare(inside, 70), mark, 0, 0);
  }
}

void DrawRadio(DeviceContext& dc, const RECT& r, UINT state) {
  const RECT box = SquareAtLeft(r);
  const RECT dot = CentredSquare(box, 34);
  using win::gdi::shapes::EllipseSpans;
  using win::gdi::shapes::SplitOutline;
  if (state & DFCS_BUTTONRADIOMASK) {
    FillDevice(dc, box, RGB(255, 255, 255));
    FillSpans(dc, EllipseSpans(box), RGB(0, 0, 0));
    return;
  }
  // Two rings, each the outline of what the previous one encloses, so they
  // meet without gaps; each has its upper-left half in the dark colour.
  std::vector<Span> outer, inside, inner, middle;
  SplitOutline(EllipseSpans(box), &outer, &inside);
  SplitOutline(inside, &inner, &middle);
  const LONG sum = box.left + box.right - 1 + box.top + box.bottom - 1;
  auto ring = [&](const std::vector<Span>& outline, COLORREF upperLeft, COLORREF lowerRight) {
    for (const Span& s : outline)
      for (LONG x = s.x0; x < s.x1; ++x)
        dc.FillSpan(s.y, x, x + 1, 2 * (x + s.y) < sum ? upperLeft : lowerRight, R2_COPYPEN);
  };
  const bool mono = state & (DFCS_MONO | DFCS_FLAT);
  const bool grey = state & (DFCS_PUSHED | DFCS_INACTIVE);
  const COLORREF fill = SysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW);
  FillSpans(dc, middle, fill);
  if (mono) {
    ring(outer, SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_WINDOWFRAME));
    ring(inner, fill, fill);
  } else {
    ring(outer, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT));
    ring(inner, SysColor(COLOR_3DDKSHADOW), SysColor(COLOR_3DLIGHT));
  }
  if (state & DFCS_CHECKED) {
    FillSpans(dc, EllipseSpans(dot), SysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
  }
}

// A push-button face; returns the area inside its edges (device).
RECT DrawButtonFace(DeviceContext& dc, const RECT& r, UINT state) {
  UINT flags = BF_RECT | BF_MIDDLE | BF_ADJUST;
  UINT edge = EDGE_RAISED;
  if (state & DFCS_MONO) {
    flags |= BF_MONO;
  } else if (state & DFCS_FLAT) {
    flags |= BF_FLAT;
  } else if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
    edge = EDGE_SUNKEN;
  } else {
    flags |= BF_SOFT;
  }
  RECT logical{r.left - dc.DeviceDx(), r.top - dc.DeviceDy(), r.right - dc.DeviceDx(), r.bottom - dc.DeviceDy()};
  DrawEdge(dc.Hdc(), &logical, edge, flags);
  return RECT{logical.left + dc.DeviceDx(), logical.top + dc.DeviceDy(), logical.right + dc.DeviceDx(),
              logical.bottom + dc.DeviceDy()};
}

void DrawCaptionGlyph(DeviceContext& dc, const RECT& face, UINT state) {
  const RECT g = CentredSquare(face, 60);
  const LONG s = g.right - g.left;
  const int thick = s >= 6 ? 2 : 1;
  const UINT which = state & 0xFF;
  DrawGlyph(state, SysColor(COLOR_BTNTEXT), [&](COLORREF c, LONG dx, LONG dy) {
    switch (which) {
      case DFCS_CAPTIONCLOSE:
        Line(dc, POINT{g.left, g.top}, POINT{g.right - thick, g.bottom - 1}, thick, c, dx, dy);
        Line(dc, POINT{g.right - thick, g.top}, POINT{g.left, g.bottom - 1}, thick, c, dx, dy);
        break;
      case DFCS_CAPTIONMIN:
        FillDevice(dc, RECT{g.left + dx, g.bottom - thick + dy, g.left + s * 2 / 3 + dx, g.bottom + dy}, c);
        break;
      case DFCS_CAPTIONMAX:
      case DFCS_CAPTIONRESTORE: {
        auto window = [&](RECT w) {
          FillDevice(dc, RECT{w.left + dx, w.top + dy, w.right + dx, w.top + thick + dy}, c);
          FillDevice(dc, RECT{w.left + dx, w.bottom - 1 + dy, w.right + dx, w.bottom + dy}, c);
          FillDevice(dc, RECT{w.left + dx, w.top + dy, w.left + 1 + dx, w.bottom + dy}, c);
          FillDevice(dc, RECT{w.right - 1 + dx, w.top + dy, w.right + dx, w.bottom + dy}, c);
        };
        if (which == DFCS_CAPTIONMAX) {
          window(g);
        } else {
          const LONG part = s * 2 / 3;
          window(RECT{g.right - part, g.top, g.right, g.top + part});
          window(RECT{g.left, g.bottom - part, g.left + part, g.bottom});
        }
        break;
      }
      case DFCS_CAPTIONHELP: {
        // A question mark: a hook over a stem and a dot.
        const LONG mid = g.left + s / 2;
        FillDevice(dc, RECT{g.left + s / 4 + dx, g.top + dy, g.right - s / 4 + dx, g.top + thick + dy}, c);
        FillDevice(dc, RECT{g.right - s / 4 - thick + dx, g.top + dy, g.right - s / 4 + dx, g.top + s / 2 + dy}, c);
        FillDevice(dc, RECT{mid + dx, g.top + s / 2 - thick + dy, g.right - s / 4 + dx, g.top + s / 2 + dy}, c);
        FillDevice(dc, RECT{mid + dx, g.top + s / 2 + dy, mid + thick + dx, g.bottom - thick - 1 + dy}, c);
        FillDevice(dc, RECT{mid + dx, g.bottom - thick + dy, mid + thick + dx, g.bottom + dy}, c);
        break;
      }
      default: break;
    }
  });
}

// A filled triangle pointing in a direction, centred in the box.
void Arrow(DeviceContext& dc, const RECT& box, int direction, COLORREF c, LONG dx, LONG dy) {
  const RECT g = CentredSquare(box, 50);
  const double l = g.left, t = g.top, r = g.right, b = g.bottom;
  const double mx = (l + r) / 2, my = (t + b) / 2, h = (r - l) / 2;
  std::vector<PointF> tri;
  switch (direction) {
    case 0: tri = {{mx, my - h / 2 - 0.5}, {mx + h + 0.5, my + h / 2 + 0.5}, {mx - h - 0.5, my + h / 2 + 0.5}}; break;
    case 1: tri = {{mx - h - 0.5, my - h / 2}, {mx + h + 0.5, my - h / 2}, {mx, my + h / 2 + 1}}; break;
    case 2: tri = {{mx - h / 2 - 0.5, my}, {mx + h / 2 + 0.5, my - h - 0.5}, {mx + h / 2 + 0.5, my + h + 0.5}}; break;
    default: tri = {{mx - h / 2, my - h - 0.5}, {mx + h / 2 + 1, my}, {mx - h / 2, my + h + 0.5}}; break;
  }
  FillPolygon(dc, tri, c, dx, dy);
}

void DrawScroll(DeviceContext& dc, const RECT& r, UINT state) {
  const UINT which = state & 0xFF;
  if (which == DFCS_SCROLLSIZEGRIP || which == DFCS_SCROLLSIZEGRIPRIGHT) {
    FillDevice(dc, r, SysColor(COLOR_BTNFACE));
    // Three pairs of diagonal lines in the bottom-right corner.
    const LONG size = std::min(r.right - r.left, r.bottom - r.top);
    for (LONG k = 1; k + 2 < size; k += 4) {
      for (LONG i = 0; i < 3; ++i) {
        const COLORREF c = i == 0 ? SysColor(COLOR_BTNHIGHLIGHT) : SysColor(COLOR_BTNSHADOW);
        const LONG off = k + i;
        Line(dc, POINT{r.right - 1, r.bottom - 1 - off}, POINT{r.right - 1 - off, r.bottom - 1}, 1, c, 0, 0);
      }
    }
    return;
  }
  const RECT face = DrawButtonFace(dc, r, state & ~DFCS_CHECKED);
  const int direction = which == DFCS_SCROLLUP ? 0 : which == DFCS_SCROLLLEFT ? 2 : which == DFCS_SCROLLRIGHT ? 3 : 1;
  DrawGlyph(state, SysColor(COLOR_BTNTEXT),
            [&](COLORREF c, LONG dx, LONG dy) { Arrow(dc, face, direction, c, dx, dy); });
}

void DrawMenuMark(DeviceContext& dc, const RECT& r, UINT state) {
  // Menu marks are black on white, to be used as masks.
  FillDevice(dc, r, RGB(255, 255, 255));
  const COLORREF black = RGB(0, 0, 0);
  switch (state & 0xFF) {
    case DFCS_MENUCHECK: PaintCheck(dc, CentredSquare(r, 60), black, 0, 0); break;
    case DFCS_MENUBULLET: FillSpans(dc, win::gdi::shapes::EllipseSpans(CentredSquare(r, 40)), black); break;
    case DFCS_MENUARROWRIGHT: Arrow(dc, r, 2, black, 0, 0); break;
    default: Arrow(dc, r, 3, black, 0, 0); break;
  }
}

}  // namespace

BOOL WINAPI DrawFrameControl(HDC hdc, LPRECT rect, UINT type, UINT state) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !rect) return FALSE;
  const RECT r = dc->ToDevice(*rect);
  if (r.right <= r.left || r.bottom <= r.top) return FALSE;
  switch (type) {
    case DFC_BUTTON: {
      if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        DrawRadio(*dc, r, state);
      } else if (state & DFCS_BUTTONPUSH) {
        DrawButtonFace(*dc, r, state);
      } else {
        DrawCheckBox(*dc, r, state);
      }
      break;
    }
    case DFC_CAPTION: DrawCaptionGlyph(*dc, DrawButtonFace(*dc, r, state), state); break;
    case DFC_SCROLL: DrawScroll(*dc, r, state); break;
    case DFC_MENU:
    case DFC_POPUPMENU: DrawMenuMark(*dc, r, state); break;
    default: return FALSE;
  }
  // The area inside a button's edge, for the caller's content.
  if ((state & DFCS_ADJUSTRECT) && type != DFC_MENU && type != DFC_POPUPMENU) InflateRect(rect, -2, -2);
  return TRUE;
}
