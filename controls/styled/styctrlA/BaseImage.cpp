#include "controls/styled/styctrlA/BaseImage.h"

TStyBaseImage::TStyBaseImage(TComponent* AOwner) : TStyGraphicControl(AOwner) {
  TControlStyle style = GetControlStyle();
  style.Include(csReplicatable);
  SetControlStyle(style);
}

void TStyBaseImage::Publish(TPublisher<TStyBaseImage>& p) {
  p.Prop("QuickDraw", &TStyBaseImage::GetQuickDraw, &TStyBaseImage::SetQuickDraw).Default(true);
  p.Prop("Style", &TStyBaseImage::GetStyle, &TStyBaseImage::SetStyle).Default(sbNone);
  p.Prop("Transparent", &TStyBaseImage::GetTransparent, &TStyBaseImage::SetTransparent).Default(true);
  p.Prop("Bevel", &TStyBaseImage::GetBevel, &TStyBaseImage::SetBevel);
}

void TStyBaseImage::Messages(TMessageMap<TStyBaseImage>& /*m*/) {}

void TStyBaseImage::SetQuickDraw(bool value) {
  if (value == FQuickDraw) return;
  FQuickDraw = value;
  Redraw();
}

void TStyBaseImage::SetStyle(TStyBitmapStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Redraw();
}

void TStyBaseImage::RealizePalette(HPALETTE Palette) {
  if (FQuickDraw || !Palette) return;
  HDC dc = GetCanvas()->GetHandle();
  SelectPalette(dc, Palette, TRUE);
  ::RealizePalette(dc);
}

bool TStyBaseImage::ApplyAutoSize(int PictureWidth, int PictureHeight) {
  const TPoint size = AutoImageSize(IsEmpty(), PictureWidth, PictureHeight, BevelExtent());
  // An aligned image keeps the sides its parent gives it: asking for them
  // again at every paint would be undone by the alignment at every paint,
  // and the image would repaint for ever.
  const TAlign align = GetAlign();
  const int width = align == alClient || align == alTop || align == alBottom ? GetWidth() : size.X;
  const int height = align == alClient || align == alLeft || align == alRight ? GetHeight() : size.Y;
  if (width == GetWidth() && height == GetHeight()) return false;
  SetBounds(GetLeft(), GetTop(), width, height);
  return true;
}

bool TStyBaseImage::PaintFrame(bool SkipFill, TRect& Inner) {
  if (Loading() || AdjustImageSize()) return false;
  if (!GetTransparent()) {
    if (!SkipFill) FillBackground();
  } else if (IsEmpty() && BevelExtent() == 0) {
    TStyGraphicControl::Paint();
    return false;
  }
  Inner = GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), GetTransparent());
  return !IsEmpty();
}
