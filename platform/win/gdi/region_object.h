// The GDI object behind HRGN, and small helpers the region and clip calls share.
#pragma once

#include "platform/win/gdi/objects.h"
#include "platform/win/gdi/region.h"

namespace win::gdi {

class RegionObject : public GdiObject {
 public:
  explicit RegionObject(Region region = Region()) : GdiObject(ObjectKind::Region), region_(std::move(region)) {}
  const Region* AsRegion() const override { return &region_; }
  Region* AsRegion() override { return &region_; }
  Region& Value() { return region_; }
  const Region& Value() const { return region_; }

 private:
  Region region_;
};

// A new HRGN holding the region.
HRGN MakeRegionHandle(Region region);
// The region behind an HRGN, or nullptr.
Region* LookupRegion(HRGN rgn);
// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int RegionComplexity(const Region& region);
// The rectangle with its corners put in order.
RECT NormaliseRect(const RECT& r);

}  // namespace win::gdi
