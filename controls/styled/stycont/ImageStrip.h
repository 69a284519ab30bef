// An image strip: images of one size side by side in one bitmap, with a
// monochrome mask strip of the same layout while Masked. The strip grows by
// AllocBy images and is never wider than 32768 pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/styled/stycont/ListItems.h"

constexpr int kMaxStripWidth = 32768;

class TStyImageListItem : public TStyListItem {
  DRUMS_CLASS(TStyImageListItem, TStyListItem)
 public:
  explicit TStyImageListItem(TComponent* AOwner);
  // An item without owner for images of Width x Height; a dimension below 1
  // raises EInvalidGraphicOperation "Invalid image size".
  TStyImageListItem(int AWidth, int AHeight);
  static std::unique_ptr<TStyImageListItem> CreateSize(int AWidth, int AHeight);
  ~TStyImageListItem() override;

  int GetCount() const { return static_cast<int>(FOffsets.size()); }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  // A value below 1 or the current one is ignored; otherwise the strip is
  // emptied and the change reported.
  void SetWidth(int value) { SetSize(0, value); }
  void SetHeight(int value) { SetSize(1, value); }
  // A value below 1 grows the strip by one image at a time.
  int GetAllocBy() const { return FAllocBy; }
  void SetAllocBy(int value) { FAllocBy = value; }
  bool GetMasked() const { return FMasked; }
  void SetMasked(bool value);
  TStySavePixelFormat GetPixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TStySavePixelFormat value) { FPixelFormat = value; }
  TBitmap* GetImageStrip() const { return FImage.get(); }
  TBitmap* GetMaskStrip() const { return FMask.get(); }
  int GetUsedWidth() const { return FUsedWidth; }

  void Clear() override;
  bool IsEmpty() override { return GetCount() == 0; }
  std::uint8_t GetFlags() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void Assign(TPersistent* Source) override;

  // False for null, True for a bitmap of Height rows and a multiple of Width
  // columns; any other bitmap raises "Invalid image size".
  bool CheckSize(TBitmap* Bitmap);
  // Room for one more image: its index. "Too many images" when the strip
  // would pass 32768 pixels, leaving everything as it was.
  int AddSlot();
  // Appends Image (its left Width x Height) with its Mask; both null adds an
  // empty slot. -1 when a bitmap has the wrong size.
  int Add(TBitmap* Image, TBitmap* Mask);
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  // With Masked, the mask is taken from the pixels of TransparentColor.
  void ReplaceMasked(int Index, TBitmap* Bitmap, TColor TransparentColor);
  TRect GetImageRect(int Index) const;
  void GetImage(int Index, TBitmap* Dest);
  TColor TransparentColor(int Index);
  TColor Pixel(TPoint P, int Index);
  void AppendImagesFrom(TStyImageListItem* Source);

  void DrawImage(TCanvas* Canvas, int X, int Y, int Index);
  void DrawImageInRect(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, int Index, TRect& Painted);
  void DrawImageFlagged(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, TStyPackedOrigin Offset, TColor Color,
                        int Index);

  static void Publish(TPublisher<TStyImageListItem>& p);

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  void SetSize(int Which, int value);
  void ResetStrip();
  void CheckIndex(int Index) const;
  int Offset(int Index) const { return static_cast<int>(FOffsets[static_cast<size_t>(Index)] & 0xFFFF); }
  std::uint32_t Entry(int Offset) const { return static_cast<std::uint32_t>(Offset) | (FMasked ? 0x10000u : 0u); }
  // Both strips at least Width pixels wide.
  void WidenStrips(int Width);
  // The strip part after the record's header; WithFields false is the older
  // "Bitmap" form, which starts at the image count.
  void ReadStrip(TStream* Stream, bool WithFields);
  void ReadLegacyBitmap(TStream* Stream) { ReadStrip(Stream, false); }

  int FAllocBy = 4;
  int FHeight = 16;
  int FUsedWidth = 0;
  int FWidth = 16;
  TStySavePixelFormat FPixelFormat = spfDefault;
  TColor FBkColor = static_cast<TColor>(0x1FFFFFFF);
  TColor FBlendColor = static_cast<TColor>(0x1FFFFFFF);
  std::uint8_t FDrawStyle = 2;
  std::unique_ptr<TBitmap> FImage;
  std::unique_ptr<TBitmap> FMask;
  std::vector<std::uint32_t> FOffsets;
  std::uint8_t FImageKind = 0;
  bool FMasked = false;
  std::uint8_t FShareFlag = 0;
};

// Image strips as an image list: item ListIndex, image ImageIndex of it.
class TStyImageList : public TStyCustomImageList {
  DRUMS_CLASS(TStyImageList, TStyCustomImageList)
 public:
  explicit TStyImageList(TComponent* AOwner);
  TStyImageListItem* GetStripItem(int Index) const;

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
  // The item, or null for an index outside the list.
  TStyImageListItem* StripAt(int ListIndex) const;
};
