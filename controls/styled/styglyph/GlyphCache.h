// The process-wide glyph cache: masked image strips, one per glyph size,
// whose slots hold the state pictures of every button glyph of that size.
#pragma once

#include <memory>
#include <vector>

#include "controls/styled/stycont/ImageStrip.h"
#include "platform/vcl/Classes.h"

// One glyph size's strip with a record of the slots in use. A released slot
// keeps its picture until the next AddGlyph takes it.
class TStyGlyphList : public TStyImageListItem {
  DRUMS_CLASS(TStyGlyphList, TStyImageListItem)
 public:
  TStyGlyphList(int AWidth, int AHeight);
  // The first free slot (a new one appended when none is free), holding
  // Bitmap masked by TransparentColor.
  int AddGlyph(TBitmap* Bitmap, TColor TransparentColor);
  // A slot not in use is ignored.
  void ReleaseGlyph(int Slot);
  // Slots in use.
  int GetUsedCount() const { return FUsedCount; }

 private:
  TBits FUsed;
  int FUsedCount = 0;
};

class TStyGlyphCache : public TObject {
  DRUMS_CLASS(TStyGlyphCache, TObject)
 public:
  TStyGlyphCache() = default;
  ~TStyGlyphCache() override;
  // The list of that size, made when there is none.
  TStyGlyphList* GetList(int AWidth, int AHeight);
  // A list with no slot in use leaves the cache and is freed.
  void ReturnList(TStyGlyphList* List);
  bool IsEmpty() const { return FLists.empty(); }
  int GetListCount() const { return static_cast<int>(FLists.size()); }

 private:
  std::vector<std::unique_ptr<TStyGlyphList>> FLists;
};

// The one cache of the process, or null while there is none. Glyphs make it
// when they need it; the last one to leave it empty frees it.
TStyGlyphCache* StyGlyphCache();
// The cache, made when there is none.
TStyGlyphCache* StyGlyphCacheNeeded();
// Frees the cache when it holds no list; the reference is reset so that a
// later glyph makes a new one.
void StyGlyphCacheRelease();
