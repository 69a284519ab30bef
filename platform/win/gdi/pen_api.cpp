// CreatePen, CreatePenIndirect and ExtCreatePen.
#include <memory>
#include <vector>

#include "platform/win/gdi/pen.h"
#include "platform/win/wingdi_shapes.h"
#include "platform/win/wingdi.h"

using win::gdi::AddObject;
using win::gdi::PenObject;

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
  if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
  return static_cast<HPEN>(AddObject(std::make_unique<PenObject>(static_cast<DWORD>(style), width, color)));
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* logPen) {
  if (!logPen) return nullptr;
  return CreatePen(static_cast<int>(logPen->lopnStyle), logPen->lopnWidth.x, logPen->lopnColor);
}

HPEN WINAPI ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styleEntries) {
  if (!brush) return nullptr;
  const DWORD type = style & PS_TYPE_MASK;
  const DWORD line = style & PS_STYLE_MASK;
  if (type != PS_COSMETIC && type != PS_GEOMETRIC) return nullptr;
  // Cosmetic pens are one pixel wide; user styles need their entries.
  if (type == PS_COSMETIC && width != 1) return nullptr;
  if (line == PS_USERSTYLE ? (styleCount == 0 || !styleEntries) : styleCount != 0) return nullptr;
  if (line == PS_ALTERNATE && type != PS_COSMETIC) return nullptr;
  std::vector<DWORD> entries;
  if (line == PS_USERSTYLE) entries.assign(styleEntries, styleEntries + styleCount);
  // A hollow brush makes a pen that draws nothing.
  if (brush->lbStyle == BS_NULL) style = (style & ~static_cast<DWORD>(PS_STYLE_MASK)) | PS_NULL;
  return static_cast<HPEN>(
      AddObject(std::make_unique<PenObject>(style, static_cast<int>(width), brush->lbColor, true, std::move(entries))));
}
