#include "platform/vcl/extctrls/Bevel.h"

#include "platform/vcl/extctrls/Frame3D.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  FWidth = 50;
  FHeight = 50;
}

void TBevel::Publish(TPublisher<TBevel>& p) {
  p.Prop("Shape", &TBevel::GetShape, &TBevel::SetShape).Default(bsBox);
  p.Prop("Style", &TBevel::GetStyle, &TBevel::SetStyle).Default(bsLowered);
}

void TBevel::SetShape(TBevelShape value) {
  if (FShape == value) return;
  FShape = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Invalidate();
}

void TBevel::Paint() {
  using vcl::extctrls::Frame3D;
  TCanvas* canvas = GetCanvas();
  TColor dark = clBtnShadow, light = clBtnHighlight;
  TColor top = FStyle == bsLowered ? dark : light;
  TColor bottom = FStyle == bsLowered ? light : dark;
  int w = GetWidth(), h = GetHeight();
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas->GetPen()->SetColor(color);
    canvas->GetPen()->SetWidth(1);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  TRect r(0, 0, w, h);
  switch (FShape) {
    case bsBox: Frame3D(*canvas, r, top, bottom, 1); break;
    case bsFrame: {
      // Two offset outlines: the etched look of a group frame.
      TRect outer(0, 0, w - 1, h - 1);
      Frame3D(*canvas, outer, top, top, 1);
      TRect inner(1, 1, w, h);
      Frame3D(*canvas, inner, bottom, bottom, 1);
      break;
    }
    case bsTopLine:
      line(top, 0, 0, w, 0);
      line(bottom, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(top, 0, h - 2, w, h - 2);
      line(bottom, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(top, 0, 0, 0, h);
      line(bottom, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(top, w - 2, 0, w - 2, h);
      line(bottom, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}
