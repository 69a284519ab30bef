// TJPEGImage: a JPEG picture. It keeps the compressed data and decodes it
// into a bitmap only when drawn or converted; a picture assigned from a
// bitmap is compressed when it is saved.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Graphic.h"

// Raised for data libjpeg cannot read or write.
DRUMS_DECLARE_EXCEPTION(EJPEG, EInvalidGraphic);

enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
using TJPEGQualityRange = int;  // 1..100

class TJPEGImage : public TGraphic {
  DRUMS_CLASS(TJPEGImage, TGraphic)

 public:
  TJPEGImage();
  ~TJPEGImage() override;

  void Assign(TPersistent* source) override;

  bool Empty() override;
  // The size drawn at: the image's size divided by Scale, rounded up.
  int GetWidth() override;
  int GetHeight() override;
  // The size comes from the data: EInvalidGraphicOperation.
  void SetWidth(int value) override;
  void SetHeight(int value) override;

  TJPEGQualityRange GetCompressionQuality() const { return FCompressionQuality; }
  void SetCompressionQuality(TJPEGQualityRange value);
  bool GetGrayscale() const { return FGrayscale; }
  void SetGrayscale(bool value);
  TJPEGScale GetScale() const { return FScale; }
  void SetScale(TJPEGScale value);
  bool GetSmoothing() const { return FSmoothing; }
  void SetSmoothing(bool value);

  // Compresses the picture now (a picture from a bitmap has no data yet).
  void Compress();
  void JPEGNeeded() { Compress(); }
  // Decodes the data into the bitmap now.
  void DIBNeeded();

  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;

 protected:
  void AssignTo(TPersistent* dest) override;
  void Draw(TCanvas* canvas, const TRect& rect) override;
  // A 32-bit little-endian byte count, then the JPEG data.
  void ReadData(TStream* stream) override;
  void WriteData(TStream* stream) override;

 private:
  void SetData(std::vector<std::uint8_t> data);
  void DropBitmap();

  std::vector<std::uint8_t> FData;  // the compressed picture; empty until compressed
  std::unique_ptr<TBitmap> FBitmap;  // the decoded (or assigned) picture
  int FImageWidth = 0;
  int FImageHeight = 0;
  TJPEGQualityRange FCompressionQuality = 90;
  bool FGrayscale = false;
  TJPEGScale FScale = jsFullSize;
  bool FSmoothing = true;
};

// Makes TPicture load and save "jpg" and "jpeg" files through TJPEGImage.
// Call once at start-up; calling again changes nothing.
void RegisterJpegGraphics();
