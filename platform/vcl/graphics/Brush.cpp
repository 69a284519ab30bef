#include "platform/vcl/graphics/Brush.h"

#include "platform/vcl/graphics/Bitmap.h"

void TBrush::Publish(TPublisher<TBrush>& p) {
  p.Prop("Color", &TBrush::GetColor, &TBrush::SetColor).Idents("TColor").Default(clWhite);
  p.Prop("Style", &TBrush::GetStyle, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(TPersistent* source) {
  auto* brush = dynamic_cast<TBrush*>(source);
  if (brush == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (brush == this) return;
  Changing();
  FColor = brush->FColor;
  FStyle = brush->FStyle;
  FBitmap = brush->FBitmap;
  Changed();
}

HGDIOBJ TBrush::CreateHandle() {
  if (FBitmap != nullptr && !FBitmap->Empty()) return CreatePatternBrush(FBitmap->GetHandle());
  LOGBRUSH lb{};
  lb.lbColor = ColorToRGB(FColor);
  switch (FStyle) {
    case bsSolid: lb.lbStyle = BS_SOLID; break;
    case bsClear: lb.lbStyle = BS_HOLLOW; break;
    default:
      lb.lbStyle = BS_HATCHED;
      lb.lbHatch = static_cast<ULONG_PTR>(FStyle - bsHorizontal);  // HS_HORIZONTAL onwards, in the same order
      break;
  }
  return CreateBrushIndirect(&lb);
}

void TBrush::SetColor(TColor value) {
  if (value == FColor && FStyle != bsClear) return;
  Changing();
  FColor = value;
  // Giving a clear brush a colour makes it solid, so the colour shows.
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  Changing();
  FStyle = value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
  if (value == FBitmap) return;
  Changing();
  FBitmap = value;
  Changed();
}
