#include "platform/vcl/controls/ImageList.h"

#include <algorithm>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/PixelBuffer.h"
#include "platform/win/windows.h"

using vcl::controls::PixelBuffer;

namespace {

COLORREF ListColor(TColor color) {
  if (color == clNone) return CLR_NONE;
  if (color == clDefault) return CLR_DEFAULT;
  return ColorToRGB(color);
}

unsigned Luminance(std::uint32_t p) {
  return (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
}

std::unique_ptr<TBitmap> BlankBitmap(int width, int height, TColor fill) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(width, height);
  b->GetCanvas()->GetBrush()->SetColor(fill);
  b->GetCanvas()->FillRect(Rect(0, 0, width, height));
  return b;
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
  FreeHandle();
}

HIMAGELIST TCustomImageList::GetHandle() {
  if (!FHandle) {
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | (FMasked ? ILC_MASK : 0), FAllocBy, FAllocBy);
    if (!FHandle) throw EInvalidOperation("Error creating image list");
    ImageList_SetBkColor(FHandle, ListColor(FBkColor));
  }
  return FHandle;
}

void TCustomImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TCustomImageList::SetHandle(HIMAGELIST value) {
  if (value == FHandle) return;
  FreeHandle();
  FHandle = value;
  if (FHandle) {
    int cx = 0, cy = 0;
    if (ImageList_GetIconSize(FHandle, &cx, &cy)) {
      FWidth = cx;
      FHeight = cy;
    }
    COLORREF bk = ImageList_GetBkColor(FHandle);
    FBkColor = bk == CLR_NONE ? clNone : static_cast<TColor>(bk);
  }
  Change();
}

int TCustomImageList::GetCount() const {
  return FHandle ? ImageList_GetImageCount(FHandle) : 0;
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
  p.Prop("ShareImages", &TCustomImageList::GetShareImages, &TCustomImageList::SetShareImages).Default(false);
  p.Prop("Width", &TCustomImageList::GetWidth, &TCustomImageList::SetWidth).Default(16);
  p.Prop("OnChange", &TCustomImageList::OnChange);
}

void TCustomImageList::SetWidth(int value) {
  value = std::max(1, value);
  if (value == FWidth) return;
  FWidth = value;
  if (FHandle) ImageList_SetIconSize(FHandle, FWidth, FHeight);
  Change();
}

void TCustomImageList::SetHeight(int value) {
  value = std::max(1, value);
  if (value == FHeight) return;
  FHeight = value;
  if (FHandle) ImageList_SetIconSize(FHandle, FWidth, FHeight);
  Change();
}

void TCustomImageList::SetBkColor(TColor value) {
  if (value == FBkColor) return;
  FBkColor = value;
  if (FHandle) ImageList_SetBkColor(FHandle, ListColor(value));
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
  if (!FHandle) {
    FMasked = value;
    Change();
    return;
  }
  // The window manager fixes a list's mask at its making: a new list takes
  // the pictures over.
  std::vector<Image> images = ReadAll();
  FreeHandle();
  FShareImages = false;
  FMasked = value;
  GetHandle();
  AddAll(images);
  Change();
}

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) throw EInvalidOperation("Invalid ImageList Index");
}

TCustomImageList::Image TCustomImageList::ReadImage(int index) {
  Image out;
  out.picture = BlankBitmap(FWidth, FHeight, clBlack);
  out.mask = BlankBitmap(FWidth, FHeight, clBlack);
  ImageList_DrawEx(GetHandle(), index, out.picture->GetCanvas()->GetHandle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE,
                   ILD_IMAGE);
  ImageList_DrawEx(GetHandle(), index, out.mask->GetCanvas()->GetHandle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
  return out;
}

std::vector<TCustomImageList::Image> TCustomImageList::ReadAll() {
  std::vector<Image> images;
  for (int i = 0; i < GetCount(); i++) images.push_back(ReadImage(i));
  return images;
}

void TCustomImageList::AddAll(const std::vector<Image>& images) {
  for (const Image& image : images)
    ImageList_Add(GetHandle(), image.picture->GetHandle(), FMasked ? image.mask->GetHandle() : nullptr);
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty()) return -1;
  int first = ImageList_Add(GetHandle(), image->GetHandle(), mask && !mask->Empty() ? mask->GetHandle() : nullptr);
  Change();
  return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) return -1;
  int first = ImageList_AddMasked(GetHandle(), image->GetHandle(), ColorToRGB(maskColor));
  Change();
  return first;
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index);
  if (!image) return;
  ImageList_Replace(GetHandle(), index, image->GetHandle(), mask && !mask->Empty() ? mask->GetHandle() : nullptr);
  Change();
}

void TCustomImageList::ReplaceMasked(int index, TBitmap* image, TColor maskColor) {
  CheckIndex(index);
  if (!image) return;
  // Cut the key colour out in a scratch list, then replace with the result.
  HIMAGELIST scratch = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | ILC_MASK, 1, 1);
  ImageList_AddMasked(scratch, image->GetHandle(), ColorToRGB(maskColor));
  auto picture = BlankBitmap(FWidth, FHeight, clBlack), mask = BlankBitmap(FWidth, FHeight, clBlack);
  ImageList_DrawEx(scratch, 0, picture->GetCanvas()->GetHandle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_IMAGE);
  ImageList_DrawEx(scratch, 0, mask->GetCanvas()->GetHandle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
  ImageList_Destroy(scratch);
  ImageList_Replace(GetHandle(), index, picture->GetHandle(), mask->GetHandle());
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  ImageList_Remove(GetHandle(), index);
  Change();
}

void TCustomImageList::Clear() {
  if (FHandle) ImageList_RemoveAll(FHandle);
  Change();
}

void TCustomImageList::Move(int curIndex, int newIndex) {
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  if (curIndex == newIndex) return;
  std::vector<Image> images = ReadAll();
  Image moving = std::move(images[static_cast<size_t>(curIndex)]);
  images.erase(images.begin() + curIndex);
  images.insert(images.begin() + newIndex, std::move(moving));
  ImageList_RemoveAll(GetHandle());
  AddAll(images);
  Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= GetCount()) return;
  image->SetSize(FWidth, FHeight);
  image->GetCanvas()->GetBrush()->SetColor(clBlack);
  image->GetCanvas()->FillRect(Rect(0, 0, FWidth, FHeight));
  ImageList_DrawEx(GetHandle(), index, image->GetCanvas()->GetHandle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_IMAGE);
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
  if (!enabled && type == itImage) {
    DrawGreyed(index, canvas, x, y);
    return;
  }
  UINT flags = type == itMask ? ILD_MASK : ILD_NORMAL;
  if (style == dsTransparent) flags |= ILD_TRANSPARENT;
  if (style == dsSelected) flags |= ILD_SELECTED;
  if (style == dsFocus) flags |= ILD_FOCUS;
  ImageList_DrawEx(GetHandle(), index, canvas->GetHandle(), x, y, 0, 0, ListColor(FBkColor), ListColor(FBlendColor),
                   flags);
}

void TCustomImageList::DrawGreyed(int index, TCanvas* canvas, int x, int y) {
  // The picture's dark parts embossed in shadow, with highlight below right.
  Image image = ReadImage(index);
  PixelBuffer picture(FWidth, FHeight), mask(FWidth, FHeight), out(FWidth, FHeight);
  picture.CopyFrom(image.picture->GetCanvas()->GetHandle(), 0, 0);
  mask.CopyFrom(image.mask->GetCanvas()->GetHandle(), 0, 0);
  HDC dc = canvas->GetHandle();
  out.CopyFrom(dc, x, y);
  bool transparent = FMasked && FBkColor == clNone;
  COLORREF back = ColorToRGB(FBkColor == clNone ? clBlack : FBkColor);
  auto toPixel = [](COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
  };
  std::uint32_t highlight = toPixel(ColorToRGB(clBtnHighlight)), shadow = toPixel(ColorToRGB(clBtnShadow));
  auto clear = [&](int px, int py) { return FMasked && (mask.Row(py)[px] & 0xFFFFFF) != 0; };
  for (int py = 0; py < FHeight; py++)
    for (int px = 0; px < FWidth; px++) {
      std::uint32_t* row = out.Row(py);
      if (clear(px, py) || Luminance(picture.Row(py)[px]) >= 240) {
        if (!transparent) row[px] = toPixel(back);
        continue;
      }
      row[px] = shadow;
      if (px + 1 < FWidth && py + 1 < FHeight && clear(px + 1, py + 1)) out.Row(py + 1)[px + 1] = highlight;
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
