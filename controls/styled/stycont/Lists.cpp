#include "controls/styled/stycont/Lists.h"

namespace {
constexpr TColor kNoPixel = static_cast<TColor>(0xFFFFFF);
}  // namespace

TStyBitmapList::TStyBitmapList(TComponent* AOwner) : TStyCustomImageList(AOwner) {
  FItemClass = TStyBitmapListItem::StaticClass();
  FListType = kListBitmap;
}

TStyBitmapListItem* TStyBitmapList::GetBitmapItem(int Index) const {
  return static_cast<TStyBitmapListItem*>(GetItems(Index));
}

TBitmap* TStyBitmapList::BitmapAt(int ListIndex) const {
  return InRange(ListIndex) ? GetBitmapItem(ListIndex)->GetBitmap() : nullptr;
}

TCanvas* TStyBitmapList::GetCanvas(int ListIndex) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  return bitmap ? bitmap->GetCanvas() : nullptr;
}

void TStyBitmapList::GetImageRect(int ListIndex, int, TRect& R) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  R = bitmap ? TRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight()) : TRect(0, 0, 0, 0);
}

int TStyBitmapList::GetImageSize(int ListIndex, int Which) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  if (!bitmap || Which < 0 || Which > 1) return 0;
  return Which == 0 ? bitmap->GetWidth() : bitmap->GetHeight();
}

int TStyBitmapList::GetImageCount(int ListIndex) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  return bitmap && !bitmap->Empty() ? 1 : 0;
}

bool TStyBitmapList::IsValidIndex(int ListIndex, int) {
  return GetImageCount(ListIndex) == 1;
}

void TStyBitmapList::GetImage(int ListIndex, int, TBitmap* Dest) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  if (bitmap && Dest) Dest->Assign(bitmap);
}

bool TStyBitmapList::IsMasked(int) {
  return false;
}

HPALETTE TStyBitmapList::GetItemPalette(int ListIndex) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  return bitmap ? bitmap->GetPalette() : nullptr;
}

TColor TStyBitmapList::GetTransparentColor(int ListIndex, int) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  return bitmap ? bitmap->GetTransparentColor() : kNoPixel;
}

TColor TStyBitmapList::GetPixel(TPoint P, int ListIndex, int) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  return bitmap ? bitmap->GetCanvas()->GetPixels(P.X, P.Y) : kNoPixel;
}

void TStyBitmapList::DrawAt(TCanvas* Canvas, int X, int Y, int ListIndex, int) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  if (!bitmap) return;
  DrawBitmap(Canvas, TRect(X, Y, X + bitmap->GetWidth(), Y + bitmap->GetHeight()), bitmap, 0, 0, clNone);
}

void TStyBitmapList::DrawInRect(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, int ListIndex, int,
                                TRect& Painted) {
  Painted = TRect(0, 0, 0, 0);
  TBitmap* bitmap = BitmapAt(ListIndex);
  if (!bitmap) return;
  DrawBitmapRect(Canvas, R, bitmap, Flags, bitmap->GetTransparentColor(), Painted);
}

void TStyBitmapList::DrawFlagged(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, TStyPackedOrigin Offset,
                                 TColor Color, int ListIndex, int) {
  TBitmap* bitmap = BitmapAt(ListIndex);
  if (!bitmap) return;
  DrawBitmap(Canvas, R, bitmap, Flags, Offset, Color);
}

TStyStringList::TStyStringList(TComponent* AOwner) : TStyCustomContainer(AOwner) {
  FItemClass = TStyStringListItem::StaticClass();
  FListType = kListString;
}

TStyWaveList::TStyWaveList(TComponent* AOwner) : TStyCustomContainer(AOwner) {
  FItemClass = TStyWaveListItem::StaticClass();
  FListType = kListWave;
}
