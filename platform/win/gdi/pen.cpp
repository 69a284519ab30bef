#include "platform/win/gdi/pen.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/win/wingdi_shapes.h"

namespace win::gdi {

PenObject::PenObject(DWORD style, int width, COLORREF color, bool extended, std::vector<DWORD> userStyle)
    : GdiObject(extended ? ObjectKind::ExtPen : ObjectKind::Pen),
      style_(style),
      width_(std::max(width, 1)),
      color_(color & 0x00FFFFFF),
      extended_(extended),
      userStyle_(std::move(userStyle)) {
  // A width of 0 asks for the thinnest line: one pixel.
  if (width <= 0) width_ = 1;
}

UINT PenObject::LineStyle() const {
  return style_ & PS_STYLE_MASK;
}
UINT PenObject::EndCap() const {
  return style_ & PS_ENDCAP_MASK;
}
UINT PenObject::Join() const {
  return style_ & PS_JOIN_MASK;
}
bool PenObject::IsGeometric() const {
  return (style_ & PS_TYPE_MASK) == PS_GEOMETRIC;
}
bool PenObject::IsNull() const {
  return LineStyle() == PS_NULL;
}
bool PenObject::IsInsideFrame() const {
  return LineStyle() == PS_INSIDEFRAME;
}

std::vector<int> PenObject::DashPattern() const {
  // Styled lines exist only for one-pixel pens; a wider styled pen draws solid.
  if (width_ > 1) return {};
  switch (LineStyle()) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE: return {1, 1};
    case PS_USERSTYLE: {
      std::vector<int> runs;
      for (DWORD d : userStyle_) runs.push_back(static_cast<int>(std::max<DWORD>(d, 1)));
      if (runs.size() % 2 == 1) runs.push_back(runs.back());
      return runs;
    }
    default: return {};
  }
}

int PenObject::Describe(int size, void* buffer) const {
  if (!extended_) {
    LOGPEN lp{};
    lp.lopnStyle = style_ & PS_STYLE_MASK;
    lp.lopnWidth = POINT{width_, 0};
    lp.lopnColor = color_;
    if (!buffer) return static_cast<int>(sizeof lp);
    const int n = std::min<int>(size, sizeof lp);
    if (n <= 0) return 0;
    std::memcpy(buffer, &lp, static_cast<std::size_t>(n));
    return n;
  }
  // The EXTLOGPEN ends with a variable array of style entries.
  const std::size_t entries = userStyle_.size();
  const std::size_t total = offsetof(EXTLOGPEN, elpStyleEntry) + std::max<std::size_t>(entries, 1) * sizeof(DWORD);
  if (!buffer) return static_cast<int>(total);
  std::vector<unsigned char> bytes(total, 0);
  auto* elp = reinterpret_cast<EXTLOGPEN*>(bytes.data());
  elp->elpPenStyle = style_;
  elp->elpWidth = static_cast<DWORD>(width_);
  elp->elpBrushStyle = 0;  // BS_SOLID
  elp->elpColor = color_;
  elp->elpHatch = 0;
  elp->elpNumEntries = static_cast<DWORD>(entries);
  for (std::size_t i = 0; i < entries; ++i) {
    std::memcpy(bytes.data() + offsetof(EXTLOGPEN, elpStyleEntry) + i * sizeof(DWORD), &userStyle_[i], sizeof(DWORD));
  }
  const int n = std::min<int>(size, static_cast<int>(total));
  if (n <= 0) return 0;
  std::memcpy(buffer, bytes.data(), static_cast<std::size_t>(n));
  return n;
}

PenObject* LookupPen(HGDIOBJ handle) {
  return LookupAs<PenObject>(handle);
}

HGDIOBJ CreateStockPen(int index) {
  COLORREF color = 0;
  DWORD style = PS_SOLID;
  switch (index) {
    case 6: color = 0xFFFFFF; break;  // WHITE_PEN
    case 7: color = 0x000000; break;  // BLACK_PEN
    case 8: style = PS_NULL; break;  // NULL_PEN
    case 19: color = 0x000000; break;  // DC_PEN
    default: return nullptr;
  }
  auto pen = std::make_unique<PenObject>(style, 1, color);
  if (index == 19) pen->MarkDcPen();
  HGDIOBJ handle = AddObject(std::move(pen));
  MarkStock(handle);
  return handle;
}

}  // namespace win::gdi
