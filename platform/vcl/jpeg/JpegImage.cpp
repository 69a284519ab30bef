#include "platform/vcl/jpeg/JpegImage.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/vcl/Classes.h"
#include "platform/vcl/graphics/FileFormats.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/jpeg/JpegCodec.h"

namespace {

[[noreturn]] void RaiseJpeg(const vcl::jpeg::JpegError& error) {
  if (error.message.empty()) throw EJPEG("JPEG error #%d", {error.code});
  throw EJPEG("JPEG error #%d: %s", {error.code, error.message});
}

int ScaleDenominator(TJPEGScale scale) {
  return 1 << static_cast<int>(scale);
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

bool TJPEGImage::Empty() {
  return FData.empty() && (!FBitmap || FBitmap->Empty());
}

int TJPEGImage::GetWidth() {
  int d = ScaleDenominator(FScale);
  return (FImageWidth + d - 1) / d;
}

int TJPEGImage::GetHeight() {
  int d = ScaleDenominator(FScale);
  return (FImageHeight + d - 1) / d;
}

void TJPEGImage::SetWidth(int) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}
void TJPEGImage::SetHeight(int) {
  throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::DropBitmap() {
  // A picture that exists only as a bitmap keeps it: it is all there is.
  if (!FData.empty()) FBitmap.reset();
}

void TJPEGImage::SetCompressionQuality(TJPEGQualityRange value) {
  value = std::clamp(value, 1, 100);
  if (value == FCompressionQuality) return;
  FCompressionQuality = value;
  Changed(this);
}

void TJPEGImage::SetGrayscale(bool value) {
  if (value == FGrayscale) return;
  FGrayscale = value;
  DropBitmap();
  Changed(this);
}

void TJPEGImage::SetScale(TJPEGScale value) {
  if (value == FScale) return;
  FScale = value;
  DropBitmap();
  Changed(this);
}

void TJPEGImage::SetSmoothing(bool value) {
  if (value == FSmoothing) return;
  FSmoothing = value;
  DropBitmap();
  Changed(this);
}

void TJPEGImage::SetData(std::vector<std::uint8_t> data) {
  vcl::jpeg::JpegHeader header;
  vcl::jpeg::JpegError error;
  if (!vcl::jpeg::ReadJpegHeader(data.data(), data.size(), &header, &error)) RaiseJpeg(error);
  FData = std::move(data);
  FImageWidth = header.width;
  FImageHeight = header.height;
  FBitmap.reset();
  Changed(this);
}

void TJPEGImage::DIBNeeded() {
  if (FBitmap || FData.empty()) return;
  vcl::jpeg::DecodeOptions options;
  options.grayscale = FGrayscale;
  options.scaleDenominator = ScaleDenominator(FScale);
  options.smoothing = FSmoothing;
  vcl::jpeg::RgbImage rgb;
  vcl::jpeg::JpegError error;
  if (!vcl::jpeg::DecodeJpeg(FData.data(), FData.size(), options, &rgb, &error)) RaiseJpeg(error);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  try {
    bitmap->SetSize(rgb.width, rgb.height);
  } catch (const std::bad_alloc&) {
    RaiseJpeg(vcl::jpeg::JpegError{0, "Out of memory"});
  }
  for (int y = 0; y < rgb.height; ++y) {
    auto* row = static_cast<std::uint8_t*>(bitmap->GetScanLine(y));
    const std::uint8_t* from =
        rgb.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rgb.width) * 3;
    for (int x = 0; x < rgb.width; ++x) {
      row[x * 3] = from[x * 3 + 2];
      row[x * 3 + 1] = from[x * 3 + 1];
      row[x * 3 + 2] = from[x * 3];
    }
  }
  FBitmap = std::move(bitmap);
}

void TJPEGImage::Compress() {
  if (!FData.empty() || !FBitmap || FBitmap->Empty()) return;
  TBitmap work;
  work.Assign(FBitmap.get());
  work.SetPixelFormat(pf24bit);
  vcl::jpeg::RgbImage rgb;
  rgb.width = work.GetWidth();
  rgb.height = work.GetHeight();
  rgb.pixels.resize(static_cast<std::size_t>(rgb.width) * static_cast<std::size_t>(rgb.height) * 3);
  for (int y = 0; y < rgb.height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(work.GetScanLine(y));
    std::uint8_t* to = rgb.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rgb.width) * 3;
    for (int x = 0; x < rgb.width; ++x) {
      to[x * 3] = row[x * 3 + 2];
      to[x * 3 + 1] = row[x * 3 + 1];
      to[x * 3 + 2] = row[x * 3];
    }
  }
  std::vector<std::uint8_t> data;
  vcl::jpeg::JpegError error;
  if (!vcl::jpeg::EncodeJpeg(rgb, FCompressionQuality, FGrayscale, &data, &error)) RaiseJpeg(error);
  FData = std::move(data);
}

void TJPEGImage::Assign(TPersistent* source) {
  if (source == nullptr) {
    FData.clear();
    FBitmap.reset();
    FImageWidth = FImageHeight = 0;
    Changed(this);
  } else if (auto* jpeg = dynamic_cast<TJPEGImage*>(source)) {
    if (jpeg == this) return;
    jpeg->Compress();
    FData = jpeg->FData;
    FImageWidth = jpeg->FImageWidth;
    FImageHeight = jpeg->FImageHeight;
    FCompressionQuality = jpeg->FCompressionQuality;
    FGrayscale = jpeg->FGrayscale;
    FScale = jpeg->FScale;
    FSmoothing = jpeg->FSmoothing;
    FBitmap.reset();
    Changed(this);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    FData.clear();
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->Assign(bitmap);
    FImageWidth = bitmap->GetWidth();
    FImageHeight = bitmap->GetHeight();
    FScale = jsFullSize;
    Changed(this);
  } else {
    inherited::Assign(source);
  }
}

void TJPEGImage::AssignTo(TPersistent* dest) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
    DIBNeeded();
    bitmap->Assign(FBitmap.get());
  } else {
    inherited::AssignTo(dest);
  }
}

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
  DIBNeeded();
  if (FBitmap) canvas->StretchDraw(rect, FBitmap.get());
}

void TJPEGImage::LoadFromStream(TStream* stream) {
  std::int64_t remaining = stream->GetSize() - stream->GetPosition();
  if (remaining <= 0 || remaining > INT32_MAX) throw EJPEG("JPEG error #%d", {0});
  std::vector<std::uint8_t> data(static_cast<std::size_t>(remaining));
  stream->ReadBuffer(data.data(), static_cast<int>(data.size()));
  SetData(std::move(data));
}

void TJPEGImage::SaveToStream(TStream* stream) {
  Compress();
  if (!FData.empty()) stream->WriteBuffer(FData.data(), static_cast<int>(FData.size()));
}

void TJPEGImage::ReadData(TStream* stream) {
  std::int32_t size = 0;
  stream->ReadBuffer(&size, 4);
  if (size <= 0 || size > stream->GetSize() - stream->GetPosition()) throw EJPEG("JPEG error #%d", {0});
  std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
  stream->ReadBuffer(data.data(), size);
  SetData(std::move(data));
}

void TJPEGImage::WriteData(TStream* stream) {
  Compress();
  std::int32_t size = static_cast<std::int32_t>(FData.size());
  stream->WriteBuffer(&size, 4);
  if (size > 0) stream->WriteBuffer(FData.data(), size);
}

void RegisterJpegGraphics() {
  if (vcl::graphics::FindFileFormat("jpg") == TJPEGImage::StaticClass()) return;
  TPicture::RegisterFileFormat("jpeg", "JPEG Image File", TJPEGImage::StaticClass());
  TPicture::RegisterFileFormat("jpg", "JPEG Image File", TJPEGImage::StaticClass());
}
