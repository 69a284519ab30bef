#include "controls/styled/stycont/ImageStrip.h"

#include <algorithm>

#include "controls/styled/stycont/Payloads.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "controls/styled/styprocs/GlyphEffects.h"
#include "platform/vcl/SysUtils.h"

namespace {

[[noreturn]] void InvalidSize() {
  throw EInvalidGraphicOperation("Invalid image size");
}

[[noreturn]] void TooMany() {
  throw EInvalidGraphicOperation("Too many images");
}

[[noreturn]] void Damaged() {
  throw EReadError("Stream read error");
}

std::unique_ptr<TBitmap> EmptyStrip(int height, bool monochrome) {
  auto bitmap = std::make_unique<TBitmap>();
  if (monochrome) bitmap->SetMonochrome(true);
  bitmap->SetSize(0, height);
  return bitmap;
}

void CopyPart(TBitmap* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect) {
  TCanvas* canvas = Dest->GetCanvas();
  canvas->SetCopyMode(cmSrcCopy);
  canvas->CopyRect(DestRect, Source, SourceRect);
}

void FillBlack(TBitmap* Bitmap, const TRect& R) {
  TCanvas* canvas = Bitmap->GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(clBlack);
  canvas->FillRect(R);
}

}  // namespace

TStyImageListItem::TStyImageListItem(TComponent* AOwner) : TStyListItem(AOwner) {
  ResetStrip();
}

TStyImageListItem::TStyImageListItem(int AWidth, int AHeight) : TStyListItem(nullptr) {
  if (AWidth < 1 || AHeight < 1) InvalidSize();
  FWidth = AWidth;
  FHeight = AHeight;
  ResetStrip();
}

std::unique_ptr<TStyImageListItem> TStyImageListItem::CreateSize(int AWidth, int AHeight) {
  return std::make_unique<TStyImageListItem>(AWidth, AHeight);
}

TStyImageListItem::~TStyImageListItem() = default;

void TStyImageListItem::Publish(TPublisher<TStyImageListItem>& p) {
  p.Prop("AllocBy", &TStyImageListItem::GetAllocBy, &TStyImageListItem::SetAllocBy).Default(4);
  p.Prop("Description", &TStyImageListItem::GetDescription, &TStyImageListItem::SetDescription);
  p.Prop("Masked", &TStyImageListItem::GetMasked, &TStyImageListItem::SetMasked).Default(false);
  p.Prop("Height", &TStyImageListItem::GetHeight, &TStyImageListItem::SetHeight).Default(16);
  p.Prop("Width", &TStyImageListItem::GetWidth, &TStyImageListItem::SetWidth).Default(16);
}

void TStyImageListItem::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Bitmap", [this](TStream* s) { ReadLegacyBitmap(s); }, nullptr, false);
}

void TStyImageListItem::ResetStrip() {
  FImage = EmptyStrip(FHeight, false);
  FMask = FMasked ? EmptyStrip(FHeight, true) : std::make_unique<TBitmap>();
  FUsedWidth = 0;
  FOffsets.clear();
}

void TStyImageListItem::Clear() {
  BeginUpdate();
  ResetStrip();
  EndUpdate(false);
}

void TStyImageListItem::SetSize(int Which, int value) {
  int& field = Which == 0 ? FWidth : FHeight;
  if (value < 1 || value == field) return;
  field = value;
  ResetStrip();
  Change();
}

void TStyImageListItem::SetMasked(bool value) {
  if (value == FMasked) return;
  FMasked = value;
  if (value) {
    FMask = EmptyStrip(FHeight, true);
    FMask->SetSize(FImage->GetWidth(), FHeight);
  } else {
    FMask = std::make_unique<TBitmap>();
  }
  for (size_t i = 0; i < FOffsets.size(); ++i) FOffsets[i] = Entry(static_cast<int>(i) * FWidth);
  Change();
}

std::uint8_t TStyImageListItem::GetFlags() {
  return inherited::GetFlags() | PixelFormatFlags(FPixelFormat);
}

void TStyImageListItem::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError("List index out of bounds (%d)", {Index});
}

bool TStyImageListItem::CheckSize(TBitmap* Bitmap) {
  if (Bitmap == nullptr) return false;
  const int width = Bitmap->GetWidth();
  if (Bitmap->GetHeight() != FHeight || width < FWidth || width % FWidth != 0) InvalidSize();
  return true;
}

void TStyImageListItem::WidenStrips(int Width) {
  if (FImage->GetWidth() < Width) FImage->SetSize(Width, FHeight);
  if (FMasked && FMask->GetWidth() < Width) FMask->SetSize(Width, FHeight);
}

int TStyImageListItem::AddSlot() {
  const int used = FUsedWidth + FWidth;
  if (used > kMaxStripWidth) TooMany();
  if (FImage->GetWidth() < used) {
    const int step = std::max(FAllocBy, 1) * FWidth;
    WidenStrips(std::max(used, std::min(FImage->GetWidth() + step, kMaxStripWidth)));
  }
  FOffsets.push_back(Entry(FUsedWidth));
  FUsedWidth = used;
  return GetCount() - 1;
}

int TStyImageListItem::Add(TBitmap* Image, TBitmap* Mask) {
  if (Image == nullptr && Mask == nullptr) return AddSlot();
  if (!CheckSize(Image) || (FMasked && Mask && !CheckSize(Mask))) return -1;
  const int index = AddSlot();
  Replace(index, Image, Mask);
  return index;
}

void TStyImageListItem::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  if (!CheckSize(Image) || (FMasked && Mask && !CheckSize(Mask))) return;
  const int offset = Offset(Index);
  const TRect slot(offset, 0, offset + FWidth, FHeight);
  const TRect source(0, 0, FWidth, FHeight);
  CopyPart(FImage.get(), slot, Image->GetCanvas(), source);
  if (FMasked) {
    if (!FMask->GetMonochrome()) FMask->SetMonochrome(true);
    if (Mask)
      CopyPart(FMask.get(), slot, Mask->GetCanvas(), source);
    else
      FillBlack(FMask.get(), slot);
  }
  FOffsets[static_cast<size_t>(Index)] = Entry(offset);
  Change();
}

void TStyImageListItem::ReplaceMasked(int Index, TBitmap* Bitmap, TColor TransparentColor) {
  if (!CheckSize(Bitmap)) return;
  if (!FMasked) {
    Replace(Index, Bitmap, nullptr);
    return;
  }
  TBitmap mask;
  TBitmap image;
  SplitMaskFromBitmap(Bitmap, &mask, &image, TransparentColor);
  Replace(Index, &image, &mask);
}

TRect TStyImageListItem::GetImageRect(int Index) const {
  CheckIndex(Index);
  const int offset = Offset(Index);
  return TRect(offset, 0, offset + FWidth, FHeight);
}

void TStyImageListItem::GetImage(int Index, TBitmap* Dest) {
  const TRect rect = GetImageRect(Index);
  if (Dest == nullptr) return;
  Dest->SetSize(FWidth, FHeight);
  CopyPart(Dest, TRect(0, 0, FWidth, FHeight), FImage->GetCanvas(), rect);
}

TColor TStyImageListItem::TransparentColor(int Index) {
  const TRect rect = GetImageRect(Index);
  return FImage->GetCanvas()->GetPixels(rect.Left, FHeight - 1);
}

TColor TStyImageListItem::Pixel(TPoint P, int Index) {
  const TRect rect = GetImageRect(Index);
  return FImage->GetCanvas()->GetPixels(rect.Left + P.X, P.Y);
}

void TStyImageListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TStyImageListItem*>(Source);
  if (other == nullptr) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  CopyHeader(other);
  FPixelFormat = other->FPixelFormat;
  FAllocBy = other->FAllocBy;
  FBkColor = other->FBkColor;
  FBlendColor = other->FBlendColor;
  FDrawStyle = other->FDrawStyle;
  FHeight = other->FHeight;
  FImageKind = other->FImageKind;
  FMasked = other->FMasked;
  FShareFlag = other->FShareFlag;
  FWidth = other->FWidth;
  ResetStrip();
  AppendImagesFrom(other);
}

void TStyImageListItem::AppendImagesFrom(TStyImageListItem* Source) {
  if (Source->FWidth != FWidth || Source->FHeight != FHeight) InvalidSize();
  const int count = Source->GetCount();
  if (count == 0) return;
  const int added = count * FWidth;
  const int used = FUsedWidth + added;
  if (used > kMaxStripWidth) TooMany();
  BeginUpdate();
  WidenStrips(used);
  const TRect target(FUsedWidth, 0, used, FHeight);
  const TRect source(0, 0, added, FHeight);
  // The source's images stand at its regular offsets after its own reads and
  // adds; a copy of this item itself reads before it writes.
  TBitmap image;
  image.SetSize(added, FHeight);
  CopyPart(&image, source, Source->FImage->GetCanvas(), source);
  CopyPart(FImage.get(), target, image.GetCanvas(), source);
  if (FMasked) {
    if (Source->FMasked) {
      TBitmap mask;
      mask.SetMonochrome(true);
      mask.SetSize(added, FHeight);
      CopyPart(&mask, source, Source->FMask->GetCanvas(), source);
      CopyPart(FMask.get(), target, mask.GetCanvas(), source);
    } else {
      FillBlack(FMask.get(), target);
    }
  }
  const std::vector<std::uint32_t> entries = Source->FOffsets;
  for (int i = 0; i < count; ++i)
    FOffsets.push_back(static_cast<std::uint32_t>(FUsedWidth + i * FWidth) | (entries[size_t(i)] & 0xFFFF0000u));
  FUsedWidth = used;
  EndUpdate(true);
}

void TStyImageListItem::WriteData(TStream* Stream) {
  WriteHeader(Stream);
  WriteInt32(Stream, FHeight);
  WriteInt32(Stream, FWidth);
  WriteInt32(Stream, FAllocBy);
  WriteByte(Stream, FMasked ? 1 : 0);
  const int n = GetCount();
  WriteInt32(Stream, n);
  if (n == 0) return;
  // The spare room is not saved.
  FUsedWidth = n * FWidth;
  FImage->SetSize(FUsedWidth, FHeight);
  if (FMasked) FMask->SetSize(FUsedWidth, FHeight);
  WriteBitmapPayload(Stream, FImage.get(), GetCompressed(), PixelFormatColors(FPixelFormat));
  if (FMasked) WriteBitmapPayload(Stream, FMask.get(), GetCompressed(), 2);
}

void TStyImageListItem::ReadData(TStream* Stream) {
  const std::uint8_t flags = ReadHeader(Stream);
  FPixelFormat = PixelFormatFromFlags(flags);
  ReadStrip(Stream, true);
}

void TStyImageListItem::ReadStrip(TStream* Stream, bool WithFields) {
  int height = FHeight, width = FWidth, allocBy = FAllocBy;
  bool masked = FMasked;
  if (WithFields) {
    height = ReadInt32(Stream);
    width = ReadInt32(Stream);
    allocBy = ReadInt32(Stream);
    masked = ReadByte(Stream) != 0;
  }
  if (height < 1 || width < 1 || width > kMaxStripWidth || allocBy < 1) Damaged();
  const std::int32_t n = ReadInt32(Stream);
  if (n < 0 || std::int64_t(n) * width > kMaxStripWidth) Damaged();
  auto image = std::make_unique<TBitmap>();
  auto mask = std::make_unique<TBitmap>();
  if (n > 0) {
    ReadBitmapPayload(Stream, image.get(), GetCompressed());
    if (image->GetHeight() != height || image->GetWidth() < n * width || image->GetWidth() > kMaxStripWidth) Damaged();
    if (masked) {
      ReadBitmapPayload(Stream, mask.get(), GetCompressed());
      if (mask->GetWidth() != image->GetWidth() || mask->GetHeight() != height) Damaged();
      if (!mask->GetMonochrome()) mask->SetMonochrome(true);
    }
  }
  FHeight = height;
  FWidth = width;
  FAllocBy = allocBy;
  FMasked = masked;
  ResetStrip();
  if (n > 0) {
    FImage = std::move(image);
    if (masked) FMask = std::move(mask);
    FUsedWidth = FImage->GetWidth();
  }
  for (int i = 0; i < n; ++i) FOffsets.push_back(Entry(i * width));
}

void TStyImageListItem::DrawImage(TCanvas* Canvas, int X, int Y, int Index) {
  const TRect source = GetImageRect(Index);
  const TRect target(X, Y, X + FWidth, Y + FHeight);
  if (!FMasked || FImageKind == 1) {
    TBitmap* from = FMasked ? FMask.get() : FImage.get();
    const TCopyMode mode = Canvas->GetCopyMode();
    Canvas->SetCopyMode(cmSrcCopy);
    Canvas->CopyRect(target, from->GetCanvas(), source);
    Canvas->SetCopyMode(mode);
    return;
  }
  CopyMasked(Canvas, target, FMask->GetCanvas(), source, FImage->GetCanvas(), source);
}

void TStyImageListItem::DrawImageInRect(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, int Index,
                                        TRect& Painted) {
  const TRect source = GetImageRect(Index);
  if (FMasked) {
    DrawBitmapExt(Canvas, R, FImage->GetCanvas(), source, Flags | dfMask, 0, FImage->GetPalette(), FMask->GetCanvas(),
                  Painted);
  } else {
    // The bottom-left pixel, marked palette-relative.
    const TColor key = static_cast<TColor>((TransparentColor(Index) & 0xFFFFFF) | 0x02000000);
    DrawBitmapExt(Canvas, R, FImage->GetCanvas(), source, Flags, key, FImage->GetPalette(), nullptr, Painted);
  }
}

void TStyImageListItem::DrawImageFlagged(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, TStyPackedOrigin Offset,
                                         TColor Color, int Index) {
  const TRect source = GetImageRect(Index);
  TRect painted;
  if (FMasked)
    DrawCanvasClipped(Canvas, R, FImage->GetCanvas(), source, Flags | dfMask, Offset, 0, FMask->GetCanvas(), painted);
  else
    DrawCanvasClipped(Canvas, R, FImage->GetCanvas(), source, Flags, Offset, Color, nullptr, painted);
}

// The image list.

TStyImageList::TStyImageList(TComponent* AOwner) : TStyCustomImageList(AOwner) {
  FItemClass = TStyImageListItem::StaticClass();
  FListType = kListImage;
}

TStyImageListItem* TStyImageList::GetStripItem(int Index) const {
  return static_cast<TStyImageListItem*>(GetItems(Index));
}

TStyImageListItem* TStyImageList::StripAt(int ListIndex) const {
  return InRange(ListIndex) ? GetStripItem(ListIndex) : nullptr;
}

TCanvas* TStyImageList::GetCanvas(int ListIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item ? item->GetImageStrip()->GetCanvas() : nullptr;
}

void TStyImageList::GetImageRect(int ListIndex, int ImageIndex, TRect& R) {
  TStyImageListItem* item = StripAt(ListIndex);
  R = item ? item->GetImageRect(ImageIndex) : TRect(0, 0, 0, 0);
}

int TStyImageList::GetImageSize(int ListIndex, int Which) {
  TStyImageListItem* item = StripAt(ListIndex);
  if (!item || Which < 0 || Which > 1) return 0;
  return Which == 0 ? item->GetWidth() : item->GetHeight();
}

int TStyImageList::GetImageCount(int ListIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item ? item->GetCount() : -1;
}

bool TStyImageList::IsValidIndex(int ListIndex, int ImageIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item && ImageIndex >= 0 && ImageIndex < item->GetCount();
}

void TStyImageList::GetImage(int ListIndex, int ImageIndex, TBitmap* Dest) {
  TStyImageListItem* item = StripAt(ListIndex);
  if (item && Dest) item->GetImage(ImageIndex, Dest);
}

bool TStyImageList::IsMasked(int ListIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item && item->GetMasked();
}

HPALETTE TStyImageList::GetItemPalette(int ListIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item ? item->GetImageStrip()->GetPalette() : nullptr;
}

TColor TStyImageList::GetTransparentColor(int ListIndex, int ImageIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item ? item->TransparentColor(ImageIndex) : static_cast<TColor>(0xFFFFFF);
}

TColor TStyImageList::GetPixel(TPoint P, int ListIndex, int ImageIndex) {
  TStyImageListItem* item = StripAt(ListIndex);
  return item ? item->Pixel(P, ImageIndex) : static_cast<TColor>(0xFFFFFF);
}

void TStyImageList::DrawAt(TCanvas* Canvas, int X, int Y, int ListIndex, int ImageIndex) {
  if (TStyImageListItem* item = StripAt(ListIndex)) item->DrawImage(Canvas, X, Y, ImageIndex);
}

void TStyImageList::DrawInRect(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, int ListIndex, int ImageIndex,
                               TRect& Painted) {
  Painted = TRect(0, 0, 0, 0);
  if (TStyImageListItem* item = StripAt(ListIndex)) item->DrawImageInRect(Canvas, R, Flags, ImageIndex, Painted);
}

void TStyImageList::DrawFlagged(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, TStyPackedOrigin Offset,
                                TColor Color, int ListIndex, int ImageIndex) {
  if (TStyImageListItem* item = StripAt(ListIndex)) item->DrawImageFlagged(Canvas, R, Flags, Offset, Color, ImageIndex);
}
