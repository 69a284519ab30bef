#include "platform/vcl/graphics/GraphicsObject.h"

#include "platform/win/wingdi.h"

TGraphicsObject::~TGraphicsObject() {
  if (FHandle != nullptr) DeleteObject(FHandle);
}

void TGraphicsObject::Changing() {
  if (OnChanging) OnChanging(this);
}

void TGraphicsObject::Changed() {
  ReplaceHandle(nullptr);
}

void TGraphicsObject::ReplaceHandle(HGDIOBJ handle) {
  HGDIOBJ old = FHandle;
  FHandle = handle;
  if (OnChange) OnChange(this);
  if (old != nullptr && old != handle) DeleteObject(old);
}

HGDIOBJ TGraphicsObject::HandleNeeded() {
  if (FHandle == nullptr) FHandle = CreateHandle();
  return FHandle;
}
