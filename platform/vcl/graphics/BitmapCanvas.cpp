#include "platform/vcl/graphics/BitmapCanvas.h"

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/BitmapImage.h"

namespace vcl::graphics {

BitmapCanvas::~BitmapCanvas() {
  FreeContext();
}

void BitmapCanvas::CreateHandle() {
  FBitmap->Unshare();
  FBitmap->HandleNeeded();
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return;
  BitmapImage& image = *FBitmap->FImage;
  if (image.handle != nullptr) FOldBitmap = SelectObject(dc, image.handle);
  if (image.palette != nullptr) {
    FOldPalette = SelectPalette(dc, image.palette, TRUE);
    RealizePalette(dc);
  }
  SetHandle(dc);
}

void BitmapCanvas::FreeContext() {
  if (!HandleAllocated()) return;
  Lock();
  HDC dc = GetHandleNoSelect();
  SetHandle(nullptr);
  if (FOldBitmap != nullptr) SelectObject(dc, FOldBitmap);
  if (FOldPalette != nullptr) SelectPalette(dc, FOldPalette, TRUE);
  FOldBitmap = nullptr;
  FOldPalette = nullptr;
  DeleteDC(dc);
  Unlock();
}

}  // namespace vcl::graphics
