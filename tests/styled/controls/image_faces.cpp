#include "image_faces.h"

#include "styled/shared/fixture.h"

namespace styledtest {

std::unique_ptr<TStyBitmapList> MakeFaces(int width, int height) {
  auto list = std::make_unique<TStyBitmapList>(nullptr);
  for (TColor face : kFaces) {
    Sheet sheet(width, height, face);
    TCanvas* c = sheet.Canvas();
    for (TPoint p : {TPoint(0, 0), TPoint(width - 1, 0), TPoint(0, height - 1), TPoint(width - 1, height - 1)})
      c->SetPixels(p.X, p.Y, kKey);
    c->GetBrush()->SetColor(0xFFFFFF);
    c->FillRect(TRect(3, 3, 6, 5));  // a little shine
    const int index = list->AddItem(nullptr);
    list->GetBitmapItem(index)->SetBitmap(sheet.bitmap.get());
  }
  return list;
}

}  // namespace styledtest
