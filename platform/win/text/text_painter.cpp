#include "platform/win/text/text_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/win/gdi/dc.h"

namespace win::text {
namespace {

constexpr int kCopyPen = 13;  // text ignores the DC's ROP2, as on Windows

struct Axes {
  double c, s;  // baseline direction on the y-down device is (c, -s)
  explicit Axes(int angleTenths) {
    const double radians = angleTenths * std::numbers::pi / 1800.0;
    c = std::cos(radians);
    s = std::sin(radians);
    // Snap the quarter turns so that upright and sideways text keeps whole pixels.
    if (angleTenths % 900 == 0) {
      c = std::round(c);
      s = std::round(s);
    }
  }
  // Text space (x along the baseline, y down from it) to device offset.
  double Dx(double tx, double ty) const { return tx * c + ty * s; }
  double Dy(double tx, double ty) const { return -tx * s + ty * c; }
};

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Fills the text-space rectangle [x0, x1) x [y0, y1) turned about the
// placement, sampling pixel centres.
void FillTextRect(gdi::DeviceContext& dc, const RunPlacement& at, double x0, double x1, double y0, double y1,
                  COLORREF color, const std::optional<RECT>& clip) {
  if (x1 <= x0 || y1 <= y0) return;
  const Axes axes(at.angleTenths);
  if (at.angleTenths == 0) {
    RECT r{static_cast<LONG>(std::lround(at.baseX + x0)), static_cast<LONG>(std::lround(at.baseY + y0)),
           static_cast<LONG>(std::lround(at.baseX + x1)), static_cast<LONG>(std::lround(at.baseY + y1))};
    if (clip) r = Intersect(r, *clip);
    for (LONG y = r.top; y < r.bottom; ++y) dc.FillSpan(y, r.left, r.right, color, kCopyPen);
    return;
  }
  double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
  for (double tx : {x0, x1}) {
    for (double ty : {y0, y1}) {
      const double dx = at.baseX + axes.Dx(tx, ty), dy = at.baseY + axes.Dy(tx, ty);
      minX = std::min(minX, dx), maxX = std::max(maxX, dx);
      minY = std::min(minY, dy), maxY = std::max(maxY, dy);
    }
  }
  RECT box{static_cast<LONG>(std::floor(minX)), static_cast<LONG>(std::floor(minY)),
           static_cast<LONG>(std::ceil(maxX)) + 1, static_cast<LONG>(std::ceil(maxY)) + 1};
  if (clip) box = Intersect(box, *clip);
  for (LONG y = box.top; y < box.bottom; ++y) {
    LONG spanStart = -1;
    for (LONG x = box.left; x <= box.right; ++x) {
      bool inside = false;
      if (x < box.right) {
        // Pixel centre back into text space.
        const double px = x + 0.5 - at.baseX, py = y + 0.5 - at.baseY;
        const double tx = px * axes.c - py * axes.s, ty = px * axes.s + py * axes.c;
        inside = tx >= x0 && tx < x1 && ty >= y0 && ty < y1;
      }
      if (inside && spanStart < 0) spanStart = x;
      if (!inside && spanStart >= 0) {
        dc.FillSpan(y, spanStart, x, color, kCopyPen);
        spanStart = -1;
      }
    }
  }
}

}  // namespace

RunPlacement PlaceRun(const Font& font, int runWidth, int refX, int refY, UINT textAlign) {
  const FontMetrics& m = font.Metrics();
  double tx = 0, ty = 0;  // the start of the baseline relative to the reference point
  switch (textAlign & 6) {  // TA_CENTER covers TA_RIGHT's bit
    case 2: tx = -runWidth; break;
    case 6: tx = -(runWidth / 2); break;
    default: break;
  }
  switch (textAlign & 24) {
    case 24: ty = 0; break;  // TA_BASELINE
    case 8: ty = -m.descent; break;  // TA_BOTTOM
    default: ty = m.ascent; break;  // TA_TOP
  }
  RunPlacement at;
  at.angleTenths = font.Angle();
  const Axes axes(at.angleTenths);
  at.baseX = refX + axes.Dx(tx, ty);
  at.baseY = refY + axes.Dy(tx, ty);
  return at;
}

void FillRunBox(gdi::DeviceContext& dc, const Font& font, int runWidth, const RunPlacement& at, COLORREF color,
                const std::optional<RECT>& clip) {
  const FontMetrics& m = font.Metrics();
  FillTextRect(dc, at, 0, runWidth, -m.ascent, m.descent, color, clip);
}

void PaintUnderline(gdi::DeviceContext& dc, const Font& font, int x0, int x1, const RunPlacement& at, COLORREF color,
                    const std::optional<RECT>& clip) {
  const FontMetrics& m = font.Metrics();
  FillTextRect(dc, at, x0, x1, m.underlineOffset, m.underlineOffset + m.underlineThickness, color, clip);
}

void PaintRun(gdi::DeviceContext& dc, const Font& font, const TextRun& run, const RunPlacement& at, COLORREF color,
              const std::optional<RECT>& clip) {
  const Axes axes(at.angleTenths);
  SizedFace& face = font.Face();
  for (const PlacedGlyph& placed : run.glyphs) {
    const GlyphImage& image = face.Image(placed.glyph, at.angleTenths);
    if (image.width == 0 || image.height == 0) continue;
    const int penX = static_cast<int>(std::lround(at.baseX + axes.Dx(placed.x, 0)));
    const int penY = static_cast<int>(std::lround(at.baseY + axes.Dy(placed.x, 0)));
    const int left = penX + image.left, top = penY - image.top;
    for (int y = 0; y < image.height; ++y) {
      const int dy = top + y;
      int from = 0, to = image.width;
      if (clip) {
        if (dy < clip->top || dy >= clip->bottom) continue;
        from = std::max<int>(from, clip->left - left);
        to = std::min<int>(to, clip->right - left);
      }
      if (from >= to) continue;
      const std::uint8_t* coverage = image.coverage.data() + static_cast<std::size_t>(y) * image.width;
      dc.BlendSpan(dy, left + from, coverage + from, to - from, color);
    }
  }
  const FontMetrics& m = font.Metrics();
  if (font.Log().lfUnderline) {
    FillTextRect(dc, at, 0, run.width, m.underlineOffset, m.underlineOffset + m.underlineThickness, color, clip);
  }
  if (font.Log().lfStrikeOut) {
    FillTextRect(dc, at, 0, run.width, -m.strikeOffset, -m.strikeOffset + m.strikeThickness, color, clip);
  }
}

}  // namespace win::text
