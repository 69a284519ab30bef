#include "platform/vcl/controls/CustomControl.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
  FControlState.Include(csCustomPaint);
}

TCustomControl::~TCustomControl() {
  Destroying();
  ForgetFocus();
  FCanvas->FreeHandle();
  // The window goes before the canvas its painting uses.
  DestroyHandle();
}

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas->PaintOn(dc, [this] { Paint(); });
}
