#include "platform/vcl/graphics/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "platform/vcl/graphics/BitmapCanvas.h"
#include "platform/vcl/graphics/BitmapImage.h"
#include "platform/win/winres.h"

using vcl::graphics::BitmapImage;
using vcl::graphics::ScopedBitmapDC;

namespace {

constexpr TColor kPaletteRelative = 0x02000000;

[[noreturn]] void InvalidBitmap() {
  throw EInvalidGraphic("Bitmap image is not valid");
}

// An image that keeps the bits read from a file or resource until a handle
// is needed; bits that do not fill the described format are refused.
std::shared_ptr<BitmapImage> SavedImage(win::gdi::DibImage dib) {
  auto image = std::make_shared<BitmapImage>();
  image->format = dib;
  image->format.bits.clear();
  image->device = false;
  image->saved = std::move(dib.bits);
  if (image->saved.size() != image->ImageBytes()) InvalidBitmap();
  return image;
}

}  // namespace

TBitmap::TBitmap() : FImage(std::make_shared<BitmapImage>()) {}

TBitmap::~TBitmap() {
  FCanvas.reset();
}

// ---- image sharing -------------------------------------------------------

void TBitmap::FreeContext() {
  if (FCanvas) FCanvas->FreeContext();
}

void TBitmap::Unshare() {
  if (FImage.use_count() > 1) FImage = FImage->Clone();
}

void TBitmap::HandleNeeded() {
  if (!FImage->HandleNeeded() && !FImage->Empty()) throw EOutOfResources("Out of system resources");
}

void TBitmap::PictureChanging() {
  Unshare();
  FImage->FreeMask();
}

void TBitmap::NewImage(std::shared_ptr<BitmapImage> image) {
  FreeContext();
  FImage = std::move(image);
}

void TBitmap::Changed(TObject* sender) {
  // Every sharer sees a change of a shared image only through its own copy,
  // so a stale mask can go here.
  if (FImage.use_count() == 1) FImage->FreeMask();
  inherited::Changed(sender);
}

void TBitmap::Assign(TPersistent* source) {
  if (source == nullptr) {
    NewImage(std::make_shared<BitmapImage>());
    Changed(this);
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(source);
  if (bitmap == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (bitmap == this) return;
  // Neither side may keep the shared picture selected in its canvas.
  bitmap->FreeContext();
  NewImage(bitmap->FImage);
  FTransparentColor = bitmap->FTransparentColor;
  FTransparentMode = bitmap->FTransparentMode;
  TGraphic::SetTransparent(bitmap->GetTransparent());
  Changed(this);
}

// ---- size and format -----------------------------------------------------

bool TBitmap::Empty() {
  return FImage->Empty();
}
int TBitmap::GetWidth() {
  return FImage->format.width;
}
int TBitmap::GetHeight() {
  return FImage->format.height;
}
void TBitmap::SetWidth(int value) {
  SetSize(value, GetHeight());
}
void TBitmap::SetHeight(int value) {
  SetSize(GetWidth(), value);
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == GetWidth() && height == GetHeight()) return;
  auto image = std::make_shared<BitmapImage>();
  image->format = FImage->format;
  if (image->format.bitsPerPixel == 0) image->format = vcl::graphics::FormatFor(pfDevice, 0, 0, {});
  image->format.width = width;
  image->format.height = height;
  image->device = FImage->device;
  if (!image->Empty()) {
    if (!image->HandleNeeded()) throw EOutOfResources("Out of system resources");
    // The same layout: the rows that remain are copied as they are.
    int rows = std::min(height, GetHeight());
    std::size_t bytes = (static_cast<std::size_t>(std::min(width, GetWidth())) * image->format.bitsPerPixel + 7) / 8;
    for (int y = 0; y < rows; ++y) {
      BYTE* from = FImage->Row(y);
      if (from != nullptr) std::memcpy(image->Row(y), from, bytes);
    }
  }
  NewImage(std::move(image));
  Changed(this);
}

TPixelFormat TBitmap::GetPixelFormat() {
  const win::gdi::DibImage& f = FImage->format;
  switch (f.bitsPerPixel) {
    case 0: return pfDevice;
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return f.compression == BI_BITFIELDS && f.masks[1] == 0x07E0 ? pf16bit : pf15bit;
    case 24: return pf24bit;
    case 32: return FImage->device ? pfDevice : pf32bit;
    default: return pfCustom;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == pfCustom || value == GetPixelFormat()) return;
  auto image = std::make_shared<BitmapImage>();
  image->format = vcl::graphics::FormatFor(value, GetWidth(), GetHeight(), FImage->format);
  image->device = value == pfDevice;
  if (!image->Empty()) {
    FreeContext();
    HandleNeeded();
    if (!image->HandleNeeded()) throw EOutOfResources("Out of system resources");
    const win::gdi::DibImage& from = FImage->format;
    if (from.bitsPerPixel == 32 && from.compression == BI_RGB && !from.topDown && image->format.bitsPerPixel == 32) {
      std::memcpy(image->bits, FImage->bits, image->ImageBytes());
    } else {
      ScopedBitmapDC from(FImage->handle);
      ScopedBitmapDC to(image->handle);
      BitBlt(to.dc(), 0, 0, GetWidth(), GetHeight(), from.dc(), 0, 0, SRCCOPY);
      GdiFlush();
    }
  }
  NewImage(std::move(image));
  Changed(this);
}

void TBitmap::SetMonochrome(bool value) {
  if (value == GetMonochrome()) return;
  SetPixelFormat(value ? pf1bit : pfDevice);
}

void TBitmap::SetHandleType(TBitmapHandleType value) {
  if (value == GetHandleType()) return;
  SetPixelFormat(value == bmDDB ? pfDevice : pf32bit);
}

HPALETTE TBitmap::GetPalette() {
  BitmapImage& image = *FImage;
  if (image.palette == nullptr && !image.format.colors.empty()) {
    const auto& colors = image.format.colors;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * colors.size());
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i)
      lp->palPalEntry[i] = PALETTEENTRY{colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
    image.palette = CreatePalette(lp);
  }
  return image.palette;
}

void TBitmap::SetPalette(HPALETTE value) {
  if (value == FImage->palette) return;
  FreeContext();
  PictureChanging();
  BitmapImage& image = *FImage;
  if (image.palette != nullptr) DeleteObject(image.palette);
  image.palette = value;
  if (value != nullptr && image.format.bitsPerPixel <= 8 && image.format.bitsPerPixel > 0) {
    // The indexes stay; the colours they stand for become the palette's.
    PALETTEENTRY entries[256];
    UINT count = std::min<UINT>(GetPaletteEntries(value, 0, 256, entries), 1u << image.format.bitsPerPixel);
    if (count > 0) {
      image.MakeDormant();
      image.format.colors.clear();
      for (UINT i = 0; i < count; ++i)
        image.format.colors.push_back(RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0});
    }
  }
  SetPaletteModified(true);
  Changed(this);
}

// ---- transparency --------------------------------------------------------

TColor TBitmap::GetTransparentColor() {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault)
    return static_cast<TColor>(ColorToRGB(FTransparentColor)) | kPaletteRelative;
  if (Empty()) return clDefault;
  if (GetMonochrome()) return clWhite | kPaletteRelative;
  // Read without drawing: a shared picture stays shared.
  FreeContext();
  HandleNeeded();
  ScopedBitmapDC dc(FImage->handle);
  return static_cast<TColor>(GetPixel(dc.dc(), 0, GetHeight() - 1) & 0x00FFFFFF) | kPaletteRelative;
}

void TBitmap::SetTransparentColor(TColor value) {
  if (value == FTransparentColor) return;
  if (value == clDefault)
    FTransparentMode = tmAuto;
  else
    FTransparentMode = tmFixed;
  FTransparentColor = value;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (value == FTransparentMode) return;
  if (value == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(GetTransparentColor());
}

HBITMAP TBitmap::GetMaskHandle() {
  if (Empty()) return nullptr;
  BitmapImage& image = *FImage;
  // Sharers of one image may each have their own transparent colour.
  COLORREF key = static_cast<COLORREF>(GetTransparentColor()) & 0x00FFFFFF;
  if (image.mask != nullptr && image.maskColor != key) image.FreeMask();
  if (image.mask == nullptr) {
    FreeContext();
    HandleNeeded();
    image.mask = CreateBitmap(GetWidth(), GetHeight(), 1, 1, nullptr);
    image.maskColor = key;
    ScopedBitmapDC from(image.handle);
    ScopedBitmapDC to(image.mask);
    // Colour to monochrome: the background colour becomes white, all else black.
    SetBkColor(from.dc(), key);
    BitBlt(to.dc(), 0, 0, GetWidth(), GetHeight(), from.dc(), 0, 0, SRCCOPY);
  }
  return image.mask;
}

void TBitmap::Mask(TColor transparentColor) {
  if (Empty()) return;
  FreeContext();
  HandleNeeded();
  auto image = std::make_shared<BitmapImage>();
  image->format = vcl::graphics::FormatFor(pf1bit, GetWidth(), GetHeight(), {});
  image->device = false;
  if (!image->HandleNeeded()) throw EOutOfResources("Out of system resources");
  {
    ScopedBitmapDC from(FImage->handle);
    ScopedBitmapDC to(image->handle);
    COLORREF key = ColorToRGB(transparentColor) & 0x00FFFFFF;
    // Write 0 or 1 by comparing each pixel with the key: the colour table of
    // the mask is black, white.
    for (int y = 0; y < GetHeight(); ++y) {
      BYTE* row = image->Row(y);
      for (int x = 0; x < GetWidth(); ++x)
        if ((GetPixel(from.dc(), x, y) & 0x00FFFFFF) == key) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    }
  }
  NewImage(std::move(image));
  Changed(this);
}

// ---- handles -------------------------------------------------------------

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<vcl::graphics::BitmapCanvas>(this);
    FCanvas->OnChanging = [this](TObject*) { PictureChanging(); };
    FCanvas->OnChange = [this](TObject* sender) { Changed(sender); };
  }
  return FCanvas.get();
}

HBITMAP TBitmap::GetHandle() {
  // The caller may draw on it or select it elsewhere.
  FreeContext();
  PictureChanging();
  HandleNeeded();
  return FImage->handle;
}

bool TBitmap::HandleAllocated() {
  return FImage->handle != nullptr;
}

void TBitmap::SetHandle(HBITMAP value) {
  win::gdi::DibImage dib;
  if (value != nullptr && !win::gdi::DibFromBitmap(value, 0, &dib)) InvalidBitmap();
  auto image = std::make_shared<BitmapImage>();
  if (value != nullptr) {
    image->format = dib;
    image->format.bits.clear();
    image->device = dib.bitsPerPixel == 32;
    image->saved = std::move(dib.bits);
    if (!image->HandleNeeded()) throw EOutOfResources("Out of system resources");
    DeleteObject(value);
  }
  NewImage(std::move(image));
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  PictureChanging();
  HandleNeeded();
  BitmapImage& image = *FImage;
  HBITMAP handle = image.handle;
  if (handle == nullptr) return nullptr;
  GdiFlush();
  image.saved.assign(image.bits, image.bits + image.ImageBytes());
  image.handle = nullptr;
  image.bits = nullptr;
  return handle;
}

void TBitmap::Dormant() {
  FreeContext();
  FImage->MakeDormant();
}

void TBitmap::FreeImage() {
  FreeContext();
  if (FImage.use_count() > 1)
    Unshare();
  else
    HandleNeeded();
}

void* TBitmap::GetScanLine(int row) {
  if (row < 0 || row >= GetHeight()) throw EInvalidGraphicOperation("Scan line index out of range");
  FreeContext();
  PictureChanging();
  HandleNeeded();
  GdiFlush();
  return FImage->Row(row);
}

// ---- drawing -------------------------------------------------------------

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  if (Empty()) return;
  FreeContext();
  HandleNeeded();
  HDC dest = canvas->GetHandle();
  const int w = rect.Width(), h = rect.Height();
  int oldStretch = SetStretchBltMode(dest, COLORONCOLOR);
  if (GetTransparent()) {
    HBITMAP mask = GetMaskHandle();
    ScopedBitmapDC source(FImage->handle);
    ScopedBitmapDC maskDC(mask);
    // Source XOR, mask AND, source XOR: the destination stays where the mask
    // is white and takes the source where it is black.
    COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
    COLORREF oldBack = SetBkColor(dest, RGB(255, 255, 255));
    StretchBlt(dest, rect.Left, rect.Top, w, h, source.dc(), 0, 0, GetWidth(), GetHeight(), SRCINVERT);
    StretchBlt(dest, rect.Left, rect.Top, w, h, maskDC.dc(), 0, 0, GetWidth(), GetHeight(), SRCAND);
    StretchBlt(dest, rect.Left, rect.Top, w, h, source.dc(), 0, 0, GetWidth(), GetHeight(), SRCINVERT);
    SetTextColor(dest, oldText);
    SetBkColor(dest, oldBack);
  } else {
    ScopedBitmapDC source(FImage->handle);
    StretchBlt(dest, rect.Left, rect.Top, w, h, source.dc(), 0, 0, GetWidth(), GetHeight(),
               static_cast<DWORD>(canvas->GetCopyMode()));
  }
  SetStretchBltMode(dest, oldStretch);
}

// ---- streams -------------------------------------------------------------

void TBitmap::LoadFromBytes(const unsigned char* data, std::size_t size) {
  if (size == 0) {
    // No bytes at all stand for an empty bitmap, as an empty one is written.
    NewImage(std::make_shared<BitmapImage>());
    Changed(this);
    return;
  }
  win::gdi::DibImage dib;
  if (!win::gdi::ReadBmp(data, size, &dib)) InvalidBitmap();
  NewImage(SavedImage(std::move(dib)));
  Changed(this);
}

void TBitmap::LoadFromStream(TStream* stream) {
  std::int64_t start = stream->GetPosition();
  std::int64_t remaining = stream->GetSize() - start;
  if (remaining < 0 || remaining > INT32_MAX) InvalidBitmap();
  std::vector<unsigned char> bytes(static_cast<std::size_t>(remaining));
  if (!bytes.empty())
    bytes.resize(static_cast<std::size_t>(stream->Read(bytes.data(), static_cast<int>(bytes.size()))));
  LoadFromBytes(bytes.data(), bytes.size());
  // A bitmap inside a larger stream: leave the position right after it.
  if (bytes.size() >= sizeof(BITMAPFILEHEADER)) {
    std::uint32_t fileSize;
    std::memcpy(&fileSize, bytes.data() + 2, 4);
    if (fileSize >= sizeof(BITMAPFILEHEADER) && fileSize < bytes.size()) stream->SetPosition(start + fileSize);
  }
}

void TBitmap::SaveToStream(TStream* stream) {
  if (Empty()) return;
  std::vector<BYTE> bytes = win::gdi::WriteBmp(FImage->ToDib());
  stream->WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
}

void TBitmap::ReadData(TStream* stream) {
  std::int32_t size = 0;
  stream->ReadBuffer(&size, 4);
  if (size < 0 || size > stream->GetSize() - stream->GetPosition()) InvalidBitmap();
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  if (size > 0) stream->ReadBuffer(bytes.data(), size);
  LoadFromBytes(bytes.data(), bytes.size());
}

void TBitmap::WriteData(TStream* stream) {
  TMemoryStream image;
  SaveToStream(&image);
  std::int32_t size = static_cast<std::int32_t>(image.GetSize());
  stream->WriteBuffer(&size, 4);
  if (size > 0) stream->WriteBuffer(image.GetMemory(), size);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  HRSRC info = FindResourceA(instance, name.c_str(), RT_BITMAP);
  if (info == nullptr) throw EResNotFound("Resource %s not found", {name});
  auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, info)));
  DWORD size = SizeofResource(instance, info);
  win::gdi::DibImage dib;
  if (data == nullptr || !win::gdi::ReadPackedDib(data, size, &dib)) InvalidBitmap();
  NewImage(SavedImage(std::move(dib)));
  Changed(this);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadFromResourceName(instance, "#" + std::to_string(id));
}
