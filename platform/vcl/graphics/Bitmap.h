// TBitmap: a picture held in a DIB section, with a canvas to draw on it.
//
// Copies made by Assign share one image until either side changes it (draws,
// takes Handle, resizes...): then that side gets its own copy. A dormant
// bitmap keeps its picture as BMP bytes and no GDI object until it is used.
#pragma once

#include <memory>
#include <string>

#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/Graphic.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
DRUMS_ENUM_NAMES(TTransparentMode, "tmAuto", "tmFixed")
enum TBitmapHandleType { bmDIB, bmDDB };

namespace vcl::graphics {
struct BitmapImage;
class BitmapCanvas;
}  // namespace vcl::graphics

class TBitmap : public TGraphic {
  DRUMS_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  ~TBitmap() override;

  void Assign(TPersistent* source) override;

  bool Empty() override;
  int GetWidth() override;
  void SetWidth(int value) override;
  int GetHeight() override;
  void SetHeight(int value) override;
  // Both at once; the picture keeps its top-left part.
  void SetSize(int width, int height);

  TPixelFormat GetPixelFormat();
  // Converts the picture to the new depth.
  void SetPixelFormat(TPixelFormat value);
  bool GetMonochrome() { return GetPixelFormat() == pf1bit; }
  void SetMonochrome(bool value);
  TBitmapHandleType GetHandleType() { return GetPixelFormat() == pfDevice ? bmDDB : bmDIB; }
  void SetHandleType(TBitmapHandleType value);
  HPALETTE GetPalette() override;
  // The bitmap owns the palette from now on; a paletted picture takes its colours.
  void SetPalette(HPALETTE value) override;

  // The colour drawn as see-through: with tmAuto the bottom-left pixel's
  // colour, with tmFixed the one set; either way with the $02000000 flag.
  TColor GetTransparentColor();
  void SetTransparentColor(TColor value);
  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode value);

  // The canvas drawing on the picture, made on demand.
  TCanvas* GetCanvas();
  // The DIB section; the bitmap keeps owning it.
  HBITMAP GetHandle();
  // Adopts a bitmap made elsewhere (it becomes this bitmap's to delete).
  void SetHandle(HBITMAP value);
  bool HandleAllocated();
  // A monochrome mask: white where the picture has TransparentColor.
  HBITMAP GetMaskHandle();
  // Hands the DIB section to the caller, who deletes it; the bitmap keeps
  // the picture in memory.
  HBITMAP ReleaseHandle();
  // Keeps the picture as bytes and frees the GDI objects.
  void Dormant();
  // Drops the memory image (a shared image is copied first).
  void FreeImage();
  // Turns the picture into its own mask for transparentColor.
  void Mask(TColor transparentColor);
  // Row y (0 at the top) of the DIB's bits.
  void* GetScanLine(int row);

  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;
  // A bitmap resource of the module (null: the program).
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void LoadFromResourceID(HINSTANCE instance, int id);

 protected:
  void Changed(TObject* sender) override;
  void Draw(TCanvas* canvas, const TRect& rect) override;
  // A 32-bit little-endian byte count, then the BMP file.
  void ReadData(TStream* stream) override;
  void WriteData(TStream* stream) override;

 private:
  friend class vcl::graphics::BitmapCanvas;
  // Gives this bitmap an image nobody else shares.
  void Unshare();
  // Takes the picture out of the canvas's device context.
  void FreeContext();
  // Makes the DIB section from the dormant bytes when needed.
  void HandleNeeded();
  // Before a change of the picture: unshared, no stale mask or bytes.
  void PictureChanging();
  void LoadFromBytes(const unsigned char* data, std::size_t size);
  void NewImage(std::shared_ptr<vcl::graphics::BitmapImage> image);

  std::shared_ptr<vcl::graphics::BitmapImage> FImage;
  std::unique_ptr<vcl::graphics::BitmapCanvas> FCanvas;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
};
