#include "platform/vcl/controls/ActionImage.h"

#include "platform/vcl/controls/ActionList.h"
#include "platform/vcl/graphics/Bitmap.h"

bool ActionImageToGlyph(TObject* sender, TBitmap* glyph) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action || !action->GetActionList() || !glyph) return false;
  TCustomImageList* images = action->GetActionList()->GetImages();
  const int index = action->GetImageIndex();
  if (!images || index < 0 || index >= images->GetCount()) return false;
  TBitmap image;
  image.SetWidth(images->GetWidth());
  image.SetHeight(images->GetHeight());
  image.GetCanvas()->GetBrush()->SetColor(clFuchsia);
  image.GetCanvas()->FillRect(Rect(0, 0, image.GetWidth(), image.GetHeight()));
  images->Draw(image.GetCanvas(), 0, 0, index);
  glyph->Assign(&image);
  return true;
}
