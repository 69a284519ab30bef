#include "controls/styled/styctrlA/LImage.h"

#include <memory>

bool TStyCustomLImage::IsEmpty() {
  TStyCustomImageList* list = GetImageList();
  return !list || !list->IsValidIndex(GetListIndex(), GetImageIndex());
}

bool TStyCustomLImage::AdjustImageSize() {
  if (GetStyle() != sbAutosize) return false;
  TStyCustomImageList* list = GetImageList();
  const bool empty = IsEmpty();
  return ApplyAutoSize(empty ? 0 : list->GetImageSize(GetListIndex(), 0),
                       empty ? 0 : list->GetImageSize(GetListIndex(), 1));
}

HPALETTE TStyCustomLImage::GetPalette() {
  return IsEmpty() ? nullptr : GetImageList()->GetItemPalette(GetListIndex());
}

void TStyCustomLImage::SetOption(int Index, bool value) {
  bool& field = Index == 0 ? FForceTransparent : FSilentMove;
  if (field == value) return;
  field = value;
  Redraw();
}

void TStyLImage::Publish(TPublisher<TStyLImage>& p) {
  p.Prop("ForceTransparent", &TStyLImage::GetForceTransparent, &TStyLImage::SetForceTransparent).Default(false);
  p.Prop("SilentMove", &TStyLImage::GetSilentMove, &TStyLImage::SetSilentMove).Default(false);
}

bool TStyLImage::UsesParentBackground() {
  if (TStyCustomLImage::UsesParentBackground()) return true;
  if (!FSilentMove) return false;
  auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
  return parent && parent->HandleAllocated() && parent->IsBackgroundProvider();
}

void TStyLImage::Paint() {
  const bool offscreen = FSilentMove && UsesParentBackground();
  TRect inner;
  if (!PaintFrame(offscreen && !IsEmpty(), inner)) return;
  // A picture that fails to draw leaves the cell as far as it got.
  try {
    const std::uint16_t flags = (FForceTransparent ? dfTransparent : 0) | StyleFlags();
    if (offscreen) {
      PaintOffscreen(inner, flags);
      return;
    }
    TStyCustomImageList* list = GetImageList();
    RealizePalette(list->GetItemPalette(GetListIndex()));
    list->DrawFlagged(GetCanvas(), inner, flags, PackOrigin(GetLeft(), GetTop()),
                      list->GetTransparentColor(GetListIndex(), GetImageIndex()), GetListIndex(), GetImageIndex());
  } catch (const Exception&) {}
}

void TStyLImage::PaintOffscreen(const TRect& Inner, std::uint16_t Flags) {
  auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
  TStyCustomImageList* list = GetImageList();
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(Inner.Width(), Inner.Height());
  const TRect whole(0, 0, Inner.Width(), Inner.Height());
  const TPoint origin = ParentBackgroundOrigin(GetLeft() + Inner.Left, GetTop() + Inner.Top);
  parent->DrawBackgroundArea(bitmap->GetCanvas(), whole, origin, 0);
  list->DrawFlagged(bitmap->GetCanvas(), whole, Flags, 0, list->GetTransparentColor(GetListIndex(), GetImageIndex()),
                    GetListIndex(), GetImageIndex());
  RealizePalette(bitmap->GetPalette());
  GetCanvas()->Draw(Inner.Left, Inner.Top, bitmap.get());
}
