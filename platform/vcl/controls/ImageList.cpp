#include "platform/vcl/controls/ImageList.h"

#include <algorithm>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/PixelBuffer.h"
#include "platform/win/windows.h"

using vcl::controls::PixelBuffer;

namespace {

std::uint32_t ToPixel(TColor color) {
  COLORREF c = ColorToRGB(color);
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
         GetBValue(c);
}

// a * (1 - share) + b * share, channel by channel; share in 256ths.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, unsigned share) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    unsigned ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= ((ca * (256 - share) + cb * share) >> 8) << shift;
  }
  return out;
}

unsigned Luminance(std::uint32_t p) {
  return (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
}

}  // namespace

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(TComponent* AOwner, int width, int height)
    : TComponent(AOwner), FWidth(std::max(1, width)), FHeight(std::max(1, height)) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : FLinks) link->SetSender(nullptr);
}

TCustomImageList* TCustomImageList::CreateSize(int width, int height) {
  return new TCustomImageList(nullptr, width, height);
}

void TCustomImageList::Publish(TPublisher<TCustomImageList>& p) {
  p.Prop("AllocBy", &TCustomImageList::GetAllocBy, &TCustomImageList::SetAllocBy).Default(4);
  p.Prop("BkColor", &TCustomImageList::GetBkColor, &TCustomImageList::SetBkColor).Idents("TColor").Default(clNone);
  p.Prop("BlendColor", &TCustomImageList::GetBlendColor, &TCustomImageList::SetBlendColor)
      .Idents("TColor")
      .Default(clNone);
  p.Prop("DrawingStyle", &TCustomImageList::GetDrawingStyle, &TCustomImageList::SetDrawingStyle).Default(dsNormal);
  p.Prop("Height", &TCustomImageList::GetHeight, &TCustomImageList::SetHeight).Default(16);
  p.Prop("ImageType", &TCustomImageList::GetImageType, &TCustomImageList::SetImageType).Default(itImage);
  p.Prop("Masked", &TCustomImageList::GetMasked, &TCustomImageList::SetMasked).Default(true);
  p.Prop("Width", &TCustomImageList::GetWidth, &TCustomImageList::SetWidth).Default(16);
  p.Prop("OnChange", &TCustomImageList::OnChange);
}

void TCustomImageList::SetWidth(int value) {
  value = std::max(1, value);
  if (value == FWidth) return;
  FWidth = value;
  FImages.clear();
  Change();
}

void TCustomImageList::SetHeight(int value) {
  value = std::max(1, value);
  if (value == FHeight) return;
  FHeight = value;
  FImages.clear();
  Change();
}

void TCustomImageList::SetBkColor(TColor value) {
  if (value == FBkColor) return;
  FBkColor = value;
  Change();
}

void TCustomImageList::SetBlendColor(TColor value) {
  if (value == FBlendColor) return;
  FBlendColor = value;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle value) {
  if (value == FDrawingStyle) return;
  FDrawingStyle = value;
  Change();
}

void TCustomImageList::SetImageType(TImageType value) {
  if (value == FImageType) return;
  FImageType = value;
  Change();
}

void TCustomImageList::SetMasked(bool value) {
  if (value == FMasked) return;
  FMasked = value;
  Change();
}

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) throw EInvalidOperation("Invalid ImageList Index");
}

TCustomImageList::Image TCustomImageList::Read(TBitmap* image, TBitmap* mask, bool byColor, TColor maskColor) {
  Image out;
  size_t n = static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight);
  out.pixels.assign(n, 0);
  out.clear.assign(n, 1);  // beyond the picture: nothing
  if (!image || image->Empty()) return out;
  int w = std::min(FWidth, image->GetWidth()), h = std::min(FHeight, image->GetHeight());
  PixelBuffer pixels(FWidth, FHeight);
  pixels.CopyFrom(image->GetCanvas()->GetHandle(), 0, 0);
  std::unique_ptr<PixelBuffer> maskPixels;
  if (!byColor && mask && !mask->Empty()) {
    maskPixels = std::make_unique<PixelBuffer>(FWidth, FHeight);
    maskPixels->CopyFrom(mask->GetCanvas()->GetHandle(), 0, 0);
  }
  std::uint32_t key = ToPixel(maskColor);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      size_t i = static_cast<size_t>(y) * static_cast<size_t>(FWidth) + static_cast<size_t>(x);
      std::uint32_t p = pixels.Row(y)[x] & 0xFFFFFF;
      bool clear = false;
      if (byColor)
        clear = p == key;
      else if (maskPixels)
        clear = (maskPixels->Row(y)[x] & 0xFFFFFF) == 0xFFFFFF;
      out.clear[i] = clear ? 1 : 0;
      out.pixels[i] = clear && byColor ? 0 : p;
    }
  return out;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image) return -1;
  int first = GetCount();
  // A strip as wide as several pictures adds each of them.
  int pictures = std::max(1, image->GetWidth() / FWidth);
  if (pictures == 1) {
    FImages.push_back(Read(image, mask, false, clNone));
  } else {
    for (int k = 0; k < pictures; k++) {
      TBitmap part, partMask;
      part.SetSize(FWidth, FHeight);
      BitBlt(part.GetCanvas()->GetHandle(), 0, 0, FWidth, FHeight, image->GetCanvas()->GetHandle(), k * FWidth, 0,
             SRCCOPY);
      if (mask && !mask->Empty()) {
        partMask.SetSize(FWidth, FHeight);
        BitBlt(partMask.GetCanvas()->GetHandle(), 0, 0, FWidth, FHeight, mask->GetCanvas()->GetHandle(), k * FWidth, 0,
               SRCCOPY);
      }
      FImages.push_back(Read(&part, mask ? &partMask : nullptr, false, clNone));
    }
  }
  Change();
  return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image) return -1;
  int first = GetCount();
  int pictures = std::max(1, image->GetWidth() / FWidth);
  for (int k = 0; k < pictures; k++) {
    if (pictures == 1) {
      FImages.push_back(Read(image, nullptr, true, maskColor));
    } else {
      TBitmap part;
      part.SetSize(FWidth, FHeight);
      BitBlt(part.GetCanvas()->GetHandle(), 0, 0, FWidth, FHeight, image->GetCanvas()->GetHandle(), k * FWidth, 0,
             SRCCOPY);
      FImages.push_back(Read(&part, nullptr, true, maskColor));
    }
  }
  Change();
  return first;
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index);
  FImages[static_cast<size_t>(index)] = Read(image, mask, false, clNone);
  Change();
}

void TCustomImageList::ReplaceMasked(int index, TBitmap* image, TColor maskColor) {
  CheckIndex(index);
  FImages[static_cast<size_t>(index)] = Read(image, nullptr, true, maskColor);
  Change();
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= GetCount()) throw EInvalidOperation("Invalid ImageList Index");
  FImages.erase(FImages.begin() + index);
  Change();
}

void TCustomImageList::Clear() {
  FImages.clear();
  Change();
}

void TCustomImageList::Move(int curIndex, int newIndex) {
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  if (curIndex == newIndex) return;
  Image moving = std::move(FImages[static_cast<size_t>(curIndex)]);
  FImages.erase(FImages.begin() + curIndex);
  FImages.insert(FImages.begin() + newIndex, std::move(moving));
  Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= GetCount()) return;
  image->SetSize(FWidth, FHeight);
  PixelBuffer pixels(FWidth, FHeight);
  const Image& img = FImages[static_cast<size_t>(index)];
  for (int y = 0; y < FHeight; y++)
    std::copy_n(img.pixels.begin() + static_cast<long>(y) * FWidth, FWidth, pixels.Row(y));
  pixels.CopyTo(image->GetCanvas()->GetHandle(), 0, 0);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  Draw(canvas, x, y, index, FDrawingStyle, FImageType, enabled);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle drawingStyle, TImageType imageType,
                            bool enabled) {
  if (!canvas || index < 0 || index >= GetCount()) return;
  DoDraw(index, canvas, x, y, drawingStyle, imageType, enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas* canvas, int x, int y, TDrawingStyle style, TImageType type,
                              bool enabled) {
  const Image& img = FImages[static_cast<size_t>(index)];
  HDC dc = canvas->GetHandle();
  // Compose over what the canvas shows now, then put it back.
  PixelBuffer out(FWidth, FHeight);
  out.CopyFrom(dc, x, y);
  bool transparent = FMasked && (style == dsTransparent || FBkColor == clNone);
  std::uint32_t back = FBkColor == clNone ? 0 : ToPixel(FBkColor);
  unsigned blendShare = style == dsSelected ? 128 : style == dsFocus ? 64 : 0;
  bool blendWithDest = FBlendColor == clNone;
  std::uint32_t blend = FBlendColor == clDefault ? ToPixel(clHighlight) : blendWithDest ? 0 : ToPixel(FBlendColor);
  std::uint32_t highlight = ToPixel(clBtnHighlight), shadow = ToPixel(clBtnShadow);
  for (int py = 0; py < FHeight; py++) {
    std::uint32_t* row = out.Row(py);
    for (int px = 0; px < FWidth; px++) {
      size_t i = static_cast<size_t>(py) * static_cast<size_t>(FWidth) + static_cast<size_t>(px);
      bool clear = FMasked && img.clear[i];
      std::uint32_t dest = row[px] & 0xFFFFFF;
      if (type == itMask) {
        row[px] = clear ? 0xFFFFFF : 0;
        continue;
      }
      if (!enabled) {
        // Greyed: the picture's dark parts embossed in shadow and highlight.
        if (clear || Luminance(img.pixels[i]) >= 240) {
          if (!transparent) row[px] = back;
          continue;
        }
        row[px] = shadow;
        if (px + 1 < FWidth && py + 1 < FHeight) {
          size_t j = i + static_cast<size_t>(FWidth) + 1;
          if (FMasked && img.clear[j]) out.Row(py + 1)[px + 1] = highlight;
        }
        continue;
      }
      if (clear) {
        if (!transparent) row[px] = back;
        continue;
      }
      std::uint32_t p = img.pixels[i];
      if (blendShare) p = Mix(p, blendWithDest ? dest : blend, blendShare);
      row[px] = p;
    }
  }
  out.CopyTo(dc, x, y);
}

void TCustomImageList::RegisterChanges(TChangeLink* value) {
  if (!value) return;
  value->SetSender(this);
  if (std::find(FLinks.begin(), FLinks.end(), value) == FLinks.end()) FLinks.push_back(value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* value) {
  std::erase(FLinks, value);
  if (value && value->GetSender() == this) value->SetSender(nullptr);
}

void TCustomImageList::Change() {
  auto links = FLinks;
  for (TChangeLink* link : links) link->Change();
  if (OnChange) OnChange(this);
}
