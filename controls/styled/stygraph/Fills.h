// Area fills: a brush pattern bitmap, a brush, a picture (own or from an
// image list) laid in several ways, or a gradient.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stygraph/Gradient.h"
#include "platform/vcl/Graphics.h"

enum TStyFillStyle : std::uint8_t { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };
DRUMS_ENUM_NAMES(TStyFillStyle, "sfNone", "sfBrushBitmap", "sfBrush", "sfBitmap", "sfBitmapList", "sfGradient")
enum TStyTileMode : std::uint8_t { tmNone, tmCenter, tmStretch, tmTile };
DRUMS_ENUM_NAMES(TStyTileMode, "tmNone", "tmCenter", "tmStretch", "tmTile")
enum TStyFillOption : std::uint8_t { foFillInner, foQuickDraw, foGrUseBitmap };
DRUMS_ENUM_NAMES(TStyFillOption, "foFillInner", "foQuickDraw", "foGrUseBitmap")
using TStyFillOptions = TSet<TStyFillOption>;

class TStyShapeFill : public TStyObject {
  DRUMS_CLASS(TStyShapeFill, TStyObject)
 public:
  TStyShapeFill();
  ~TStyShapeFill() override;
  void Assign(TPersistent* Source) override;
  TBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap* value) { FBitmap->Assign(value); }
  TBitmap* GetListBitmap() const { return FListBitmap.get(); }
  // Copies the picture without notifying anybody; null empties it.
  void SetListBitmap(TBitmap* value);
  TStyGradient* GetGradient() const { return FGradient.get(); }
  void SetGradient(TStyGradient* value) { FGradient->Assign(value); }
  TStyFillStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyFillStyle value) { SetValue(FStyle, value); }
  TStyTileMode GetTileMode() const { return FTileMode; }
  void SetTileMode(TStyTileMode value) { SetValue(FTileMode, value); }
  TBitmap* GetFillBitmap() const;
  bool IsEmpty() const;
  HPALETTE GetPalette() const;
  static void Publish(TPublisher<TStyShapeFill>& p);

 protected:
  void CopyShapeFill(const TStyShapeFill& src);
  TStyFillStyle FStyle = sfBrush;
  TStyTileMode FTileMode = tmTile;

 private:
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<TBitmap> FListBitmap;
  std::unique_ptr<TStyGradient> FGradient;
};

class TStyFillObject : public TStyShapeFill {
  DRUMS_CLASS(TStyFillObject, TStyShapeFill)
 public:
  TStyFillObject();
  ~TStyFillObject() override;
  void Assign(TPersistent* Source) override;
  TStyAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TStyAlignment value);
  int GetOffsetX() const { return FOffset[0]; }
  void SetOffsetX(int value) { SetOffset(0, value); }
  int GetOffsetY() const { return FOffset[1]; }
  void SetOffsetY(int value) { SetOffset(1, value); }
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }
  TStyFillOptions GetOptions() const { return FOptions; }
  void SetOptions(TStyFillOptions value) { SetValue(FOptions, value); }
  bool IsTransparent() const;
  // Paints R clipped to R (moved by the packed Offset in device terms).
  void Draw(TCanvas* Canvas, const TRect& R, TColor Color, std::uint32_t Offset);
  void PaintFill(TCanvas* Canvas, const TRect& R, TColor Color);
  static void Publish(TPublisher<TStyFillObject>& p);

 private:
  bool MovesPicture() const { return (FStyle == sfBitmap || FStyle == sfBitmapList) && FTileMode == tmNone; }
  void SetOffset(int index, int value);
  TStyAlignment FAlignment = agTopLeft;
  int FOffset[2] = {0, 0};
  std::unique_ptr<TBrush> FBrush;
  TStyFillOptions FOptions{foFillInner, foGrUseBitmap};
};
