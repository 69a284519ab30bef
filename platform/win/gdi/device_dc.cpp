#include "platform/win/gdi/device_dc.h"

#include "platform/win/gdi/dc.h"

namespace win::gdi {

HDC CreateDeviceDC() {
  return static_cast<HDC>(AddObject(std::make_unique<DeviceContext>(ObjectKind::DC)));
}

void SetDeviceTarget(HDC hdc, const DeviceSurface& surface, POINT originInSurface, const Region* visibleInSurface) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || dc->IsMemoryDC()) return;
  Surface s;
  s.top = reinterpret_cast<BYTE*>(surface.pixels);
  s.pitch = static_cast<std::ptrdiff_t>(surface.stride) * 4;
  s.width = surface.width;
  s.height = surface.height;
  s.bitsPerPixel = 32;
  dc->SetTarget(s, originInSurface);
  if (visibleInSurface) {
    Region visible = *visibleInSurface;
    visible.Offset(-originInSurface.x, -originInSurface.y);
    dc->SetVisibleRegion(std::move(visible));
  } else {
    dc->SetVisibleRegion(std::nullopt);
  }
}

void DeleteDeviceDC(HDC hdc) {
  if (LookupDC(hdc)) RemoveObject(hdc);
}

}  // namespace win::gdi
