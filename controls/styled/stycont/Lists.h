// The bitmap, string and wave lists: containers of one item class each.
#pragma once

#include "controls/styled/stycont/ListItems.h"

// One image per item; ImageIndex is ignored.
class TStyBitmapList : public TStyCustomImageList {
  DRUMS_CLASS(TStyBitmapList, TStyCustomImageList)
 public:
  explicit TStyBitmapList(TComponent* AOwner);
  TStyBitmapListItem* GetBitmapItem(int Index) const;

  TCanvas* GetCanvas(int ListIndex) override;
  void GetImageRect(int ListIndex, int ImageIndex, TRect& R) override;
  int GetImageSize(int ListIndex, int Which) override;
  int GetImageCount(int ListIndex) override;
  bool IsValidIndex(int ListIndex, int ImageIndex) override;
  void GetImage(int ListIndex, int ImageIndex, TBitmap* Dest) override;
  bool IsMasked(int ListIndex) override;
  HPALETTE GetItemPalette(int ListIndex) override;
  TColor GetTransparentColor(int ListIndex, int ImageIndex) override;
  TColor GetPixel(TPoint P, int ListIndex, int ImageIndex) override;
  void DrawAt(TCanvas* Canvas, int X, int Y, int ListIndex, int ImageIndex) override;
  void DrawInRect(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, int ListIndex, int ImageIndex,
                  TRect& Painted) override;
  void DrawFlagged(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, TStyPackedOrigin Offset, TColor Color,
                   int ListIndex, int ImageIndex) override;

 private:
  // The item's bitmap, or null for an index outside the list.
  TBitmap* BitmapAt(int ListIndex) const;
};

class TStyStringList : public TStyCustomContainer {
  DRUMS_CLASS(TStyStringList, TStyCustomContainer)
 public:
  explicit TStyStringList(TComponent* AOwner);
};

class TStyWaveList : public TStyCustomContainer {
  DRUMS_CLASS(TStyWaveList, TStyCustomContainer)
 public:
  explicit TStyWaveList(TComponent* AOwner);
};
