#include "controls/styled/styglyph/GlyphCache.h"

#include <algorithm>

namespace {
TStyGlyphCache* GStyGlyphCache = nullptr;
}  // namespace

TStyGlyphList::TStyGlyphList(int AWidth, int AHeight) : TStyImageListItem(AWidth, AHeight) {
  SetMasked(true);
}

int TStyGlyphList::AddGlyph(TBitmap* Bitmap, TColor TransparentColor) {
  int slot = FUsed.OpenBit();
  if (slot >= GetCount()) slot = Add(nullptr, nullptr);
  ReplaceMasked(slot, Bitmap, TransparentColor);
  FUsed.SetBits(slot, true);
  ++FUsedCount;
  return slot;
}

void TStyGlyphList::ReleaseGlyph(int Slot) {
  if (Slot < 0 || Slot >= FUsed.GetSize() || !FUsed.GetBits(Slot)) return;
  FUsed.SetBits(Slot, false);
  --FUsedCount;
}

TStyGlyphCache::~TStyGlyphCache() = default;

TStyGlyphList* TStyGlyphCache::GetList(int AWidth, int AHeight) {
  for (const auto& list : FLists)
    if (list->GetWidth() == AWidth && list->GetHeight() == AHeight) return list.get();
  FLists.push_back(std::make_unique<TStyGlyphList>(AWidth, AHeight));
  return FLists.back().get();
}

void TStyGlyphCache::ReturnList(TStyGlyphList* List) {
  if (List == nullptr || List->GetUsedCount() != 0) return;
  auto it = std::find_if(FLists.begin(), FLists.end(), [List](const auto& list) { return list.get() == List; });
  if (it != FLists.end()) FLists.erase(it);
}

TStyGlyphCache* StyGlyphCache() {
  return GStyGlyphCache;
}

TStyGlyphCache* StyGlyphCacheNeeded() {
  if (GStyGlyphCache == nullptr) GStyGlyphCache = new TStyGlyphCache;
  return GStyGlyphCache;
}

void StyGlyphCacheRelease() {
  if (GStyGlyphCache == nullptr || !GStyGlyphCache->IsEmpty()) return;
  delete GStyGlyphCache;
  GStyGlyphCache = nullptr;
}
