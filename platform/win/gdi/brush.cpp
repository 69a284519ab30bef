#include "platform/win/gdi/brush.h"

#include <cstring>

#include "platform/win/gdi/dc.h"
#include "platform/win/wingdi.h"

namespace win::gdi {

bool HatchBit(int hatch, int x, int y) {
  x &= 7;
  y &= 7;
  switch (hatch) {
    case HS_HORIZONTAL: return y == 7;
    case HS_VERTICAL: return x == 7;
    case HS_FDIAGONAL: return x == y;  // "\": top-left to bottom-right
    case HS_BDIAGONAL: return x + y == 7;  // "/"
    case HS_CROSS: return x == 7 || y == 7;
    case HS_DIAGCROSS: return x == y || x + y == 7;
    default: return false;
  }
}

std::unique_ptr<Brush> Brush::MakeSolid(COLORREF color) {
  auto b = std::make_unique<Brush>();
  b->style_ = Style::Solid;
  b->color_ = color;
  b->reportedStyle_ = BS_SOLID;
  return b;
}

std::unique_ptr<Brush> Brush::MakeNull() {
  auto b = std::make_unique<Brush>();
  b->style_ = Style::Null;
  b->reportedStyle_ = BS_NULL;
  return b;
}

std::unique_ptr<Brush> Brush::MakeHatched(int hatch, COLORREF color) {
  auto b = std::make_unique<Brush>();
  b->style_ = Style::Hatched;
  b->hatch_ = hatch;
  b->color_ = color;
  b->reportedStyle_ = BS_HATCHED;
  return b;
}

std::unique_ptr<Brush> Brush::MakePattern(int width, int height, bool monochrome, std::vector<std::uint32_t> pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return nullptr;
  auto b = std::make_unique<Brush>();
  b->style_ = Style::Pattern;
  b->patternWidth_ = width;
  b->patternHeight_ = height;
  b->monochrome_ = monochrome;
  b->pattern_ = std::move(pixels);
  b->reportedStyle_ = BS_PATTERN;
  return b;
}

std::unique_ptr<Brush> Brush::MakeDcBrush() {
  auto b = MakeSolid(0);
  b->dcBrush_ = true;
  return b;
}

COLORREF Brush::SolidColor(const DeviceContext& dc) const {
  return dcBrush_ ? dc.attr.dcBrushColor : color_;
}

bool Brush::PixelAt(const DeviceContext& dc, int x, int y, std::uint32_t* rgb) const {
  switch (style_) {
    case Style::Null: return false;
    case Style::Solid: *rgb = dc.ResolveColor(SolidColor(dc)); return true;
    case Style::Hatched: {
      int px = x - dc.attr.brushOrg.x, py = y - dc.attr.brushOrg.y;
      if (HatchBit(hatch_, px, py)) {
        *rgb = dc.ResolveColor(color_);
        return true;
      }
      if (dc.attr.bkMode == TRANSPARENT) return false;
      *rgb = dc.ResolveColor(dc.attr.bkColor);
      return true;
    }
    case Style::Pattern: {
      int px = (x - dc.attr.brushOrg.x) % patternWidth_;
      int py = (y - dc.attr.brushOrg.y) % patternHeight_;
      if (px < 0) px += patternWidth_;
      if (py < 0) py += patternHeight_;
      std::uint32_t v = pattern_[static_cast<std::size_t>(py) * patternWidth_ + px];
      if (monochrome_)
        *rgb = dc.ResolveColor(v ? dc.attr.bkColor : dc.attr.textColor);
      else
        *rgb = v & 0xFFFFFF;
      return true;
    }
  }
  return false;
}

int Brush::Describe(int size, void* buffer) const {
  if (!buffer) return sizeof(LOGBRUSH);
  if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
  LOGBRUSH lb{};
  lb.lbStyle = reportedStyle_;
  lb.lbColor = style_ == Style::Solid || style_ == Style::Hatched ? color_ : 0;
  lb.lbHatch = style_ == Style::Hatched ? static_cast<ULONG_PTR>(hatch_) : 0;
  std::memcpy(buffer, &lb, sizeof lb);
  return sizeof lb;
}

}  // namespace win::gdi
