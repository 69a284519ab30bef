// TPen: colour, width, line style and the binary raster operation lines
// are drawn with.
#pragma once

#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/GraphicsObject.h"
#include "platform/win/wingdi.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
DRUMS_ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame")

enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
DRUMS_ENUM_NAMES(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                 "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask",
                 "pmXor", "pmNotXor")

// The R2_ code a pen mode draws with.
int PenModeToROP2(TPenMode mode);

class TPen : public TGraphicsObject {
  DRUMS_CLASS(TPen, TGraphicsObject)

 public:
  TPen() = default;

  void Assign(TPersistent* source) override;

  HPEN GetHandle() { return static_cast<HPEN>(HandleNeeded()); }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode value);

  static void Publish(TPublisher<TPen>& p);

 protected:
  HGDIOBJ CreateHandle() override;

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};
