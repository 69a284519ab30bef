// GetStockObject, SelectObject, DeleteObject, GetCurrentObject, GetObjectA,
// GetObjectType and UnrealizeObject.
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/objects.h"
#include "platform/win/gdi/stock.h"
#include "platform/win/wingdi.h"

using win::gdi::DeviceContext;
using win::gdi::GdiObject;
using win::gdi::LookupDC;
using win::gdi::LookupObject;
using win::gdi::ObjectKind;

HGDIOBJ WINAPI GetStockObject(int index) {
  return win::gdi::StockObject(index);
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = LookupDC(hdc);
  GdiObject* o = LookupObject(object);
  if (!dc || !o) return nullptr;
  if (o->Kind() == ObjectKind::Region) {
    // A region is copied in as the clip region; the answer is its complexity.
    const win::gdi::Region* r = o->AsRegion();
    if (!r) return HGDI_ERROR;
    dc->SetClipRegion(*r);
    const auto& clip = *dc->ClipRegion();
    int complexity = clip.IsEmpty() ? 1 : clip.IsRect() ? 2 : 3;  // NULLREGION, SIMPLEREGION, COMPLEXREGION
    return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(complexity));
  }
  return dc->Select(object);
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
  GdiObject* o = LookupObject(object);
  if (!o || o->Kind() == ObjectKind::DC || o->Kind() == ObjectKind::MemDC) return FALSE;
  return win::gdi::RemoveObject(object) ? TRUE : FALSE;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return dc->Pen();
    case OBJ_BRUSH: return dc->BrushHandle();
    case OBJ_FONT: return dc->Font();
    case OBJ_PAL: return dc->Palette();
    case OBJ_BITMAP: return dc->Bitmap();
    default: return nullptr;
  }
}

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
  GdiObject* o = LookupObject(object);
  if (!o || (buffer && size <= 0)) return 0;
  return o->Describe(size, buffer);
}

DWORD WINAPI GetObjectType(HGDIOBJ object) {
  GdiObject* o = LookupObject(object);
  return o ? static_cast<DWORD>(o->Kind()) : 0;
}

BOOL WINAPI UnrealizeObject(HGDIOBJ object) {
  GdiObject* o = LookupObject(object);
  if (!o) return FALSE;
  return o->Unrealize() ? TRUE : FALSE;
}
