#include "controls/styled/stygrapA/PointList.h"

#include <cstdint>

namespace {

void* PackPoint(const TPoint& p) {
  const std::uint32_t packed =
      (static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.X)) << 16) | static_cast<std::uint16_t>(p.Y);
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(packed));
}

TPoint UnpackPoint(const void* item) {
  const auto packed = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(item));
  return TPoint(static_cast<std::int16_t>(packed >> 16), static_cast<std::int16_t>(packed & 0xFFFF));
}

}  // namespace

void TStyPointList::GetPoint(int Index, TPoint& Point) const {
  if (Index < 0 || Index >= GetCount()) return;
  Point = UnpackPoint(Get(Index));
}

TPoint TStyPointList::At(int Index) const {
  TPoint p(0, 0);
  GetPoint(Index, p);
  return p;
}

void TStyPointList::PutPoint(int Index, const TPoint& Point) {
  if (Index < 0 || Index >= GetCount()) return;
  Put(Index, PackPoint(Point));
}

void TStyPointList::AddPoint(const TPoint& Point) {
  Add(PackPoint(Point));
}

void TranslatePoints(TStyPointList* List, int dx, int dy) {
  if (!List) return;
  for (int i = 0; i < List->GetCount(); ++i) {
    const TPoint p = List->At(i);
    List->PutPoint(i, TPoint(p.X + dx, p.Y + dy));
  }
}
