// TBrush: a solid, hatched or pattern fill. A pattern brush takes its
// pattern from Bitmap, which the brush uses but does not own.
#pragma once

#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/GraphicsObject.h"
#include "platform/win/wingdi.h"

class TBitmap;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
DRUMS_ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                 "bsCross", "bsDiagCross")

class TBrush : public TGraphicsObject {
  DRUMS_CLASS(TBrush, TGraphicsObject)

 public:
  TBrush() = default;

  void Assign(TPersistent* source) override;

  HBRUSH GetHandle() { return static_cast<HBRUSH>(HandleNeeded()); }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  TBitmap* GetBitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* value);

  static void Publish(TPublisher<TBrush>& p);

 protected:
  HGDIOBJ CreateHandle() override;

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
};
