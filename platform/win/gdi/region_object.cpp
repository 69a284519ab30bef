#include "platform/win/gdi/region_object.h"

#include <algorithm>
#include <memory>

#include "platform/win/wingdi_shapes.h"

namespace win::gdi {

HRGN MakeRegionHandle(Region region) {
  return static_cast<HRGN>(AddObject(std::make_unique<RegionObject>(std::move(region))));
}

Region* LookupRegion(HRGN rgn) {
  GdiObject* object = LookupObject(rgn, ObjectKind::Region);
  return object ? object->AsRegion() : nullptr;
}

int RegionComplexity(const Region& region) {
  if (region.IsEmpty()) return NULLREGION;
  return region.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

RECT NormaliseRect(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

}  // namespace win::gdi
