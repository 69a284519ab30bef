// Pens: the GDI object behind HPEN, as CreatePen, ExtCreatePen and the stock
// pens make it, and what line drawing reads from it.
#pragma once

#include <vector>

#include "platform/win/gdi/objects.h"
#include "platform/win/windef.h"

namespace win::gdi {

class PenObject : public GdiObject {
 public:
  // style: the full PS_ word (line style, end cap, join, type). Extended pens
  // (ExtCreatePen) report themselves as OBJ_EXTPEN and describe an EXTLOGPEN.
  PenObject(DWORD style, int width, COLORREF color, bool extended = false, std::vector<DWORD> userStyle = {});

  // PS_SOLID .. PS_ALTERNATE.
  UINT LineStyle() const;
  UINT EndCap() const;
  UINT Join() const;
  bool IsGeometric() const;
  bool IsNull() const;
  bool IsInsideFrame() const;
  // Width in logical units; never below 1 for a drawing pen (0 means 1).
  int Width() const { return width_; }
  COLORREF Color() const { return color_; }
  // The on/off pattern in pixels for a styled one-pixel pen, empty for solid.
  // Starts with an "on" run; wider styled pens draw solid.
  std::vector<int> DashPattern() const;

  // The stock DC_PEN draws in the DC's pen colour (SetDCPenColor) instead.
  bool IsDcPen() const { return dcPen_; }
  void MarkDcPen() { dcPen_ = true; }

  int Describe(int size, void* buffer) const override;

 private:
  DWORD style_;
  int width_;
  COLORREF color_;
  bool extended_;
  std::vector<DWORD> userStyle_;
  bool dcPen_ = false;
};

// The pen behind a handle, or nullptr when it is not a pen.
PenObject* LookupPen(HGDIOBJ handle);

// The stock pens for GetStockObject: WHITE_PEN (6), BLACK_PEN (7), NULL_PEN (8)
// and DC_PEN (19, black). Each call makes a new stock-marked object; the caller
// keeps it. Any other index gives nullptr.
HGDIOBJ CreateStockPen(int index);

}  // namespace win::gdi
