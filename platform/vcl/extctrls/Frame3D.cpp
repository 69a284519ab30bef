#include "platform/vcl/extctrls/Frame3D.h"

namespace vcl::extctrls {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  canvas.GetPen()->SetWidth(1);
  canvas.GetPen()->SetStyle(psSolid);
  rect.Bottom--;
  rect.Right--;
  for (int i = 0; i < width; i++) {
    canvas.GetPen()->SetColor(topColor);
    canvas.Polyline({TPoint(rect.Left, rect.Bottom), TPoint(rect.Left, rect.Top), TPoint(rect.Right, rect.Top)});
    canvas.GetPen()->SetColor(bottomColor);
    canvas.Polyline(
        {TPoint(rect.Right, rect.Top), TPoint(rect.Right, rect.Bottom), TPoint(rect.Left - 1, rect.Bottom)});
    rect.Left++;
    rect.Top++;
    rect.Right--;
    rect.Bottom--;
  }
  rect.Bottom++;
  rect.Right++;
}

}  // namespace vcl::extctrls
