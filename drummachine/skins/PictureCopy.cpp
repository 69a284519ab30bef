#include "drummachine/skins/PictureCopy.h"

void CopyListPictures(const TStyBitmapList* from, TStyBitmapList* to, int first, int count) {
  if (from == nullptr || to == nullptr) return;
  while (to->GetCount() < first + count) to->AddItem(nullptr);
  for (int i = first; i < first + count; ++i) to->GetBitmapItem(i)->SetBitmap(from->GetBitmapItem(i)->GetBitmap());
}
