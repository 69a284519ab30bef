// The canvas of a TBitmap: a memory device context of its own with the
// bitmap's DIB section selected, made when the first drawing call needs it.
#pragma once

#include "platform/vcl/graphics/Canvas.h"

class TBitmap;

namespace vcl::graphics {

class BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
  ~BitmapCanvas() override;

  // Takes the bitmap out of the context and deletes the context.
  void FreeContext();

 protected:
  void CreateHandle() override;

 private:
  TBitmap* FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
  HPALETTE FOldPalette = nullptr;
};

}  // namespace vcl::graphics
