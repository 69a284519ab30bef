#include "platform/vcl/controls/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
  FCanvas->FreeHandle();
}

void TGraphicControl::Messages(TMessageMap<TGraphicControl>& m) {
  m.On(WM_PAINT, &TGraphicControl::WMPaint);
}

void TGraphicControl::WMPaint(TMessage& m) {
  if (!m.WParam) return;
  FCanvas->PaintOn(reinterpret_cast<HDC>(m.WParam), [this] { Paint(); });
}
