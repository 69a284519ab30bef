#include "platform/vcl/extctrls/Shape.h"

#include <algorithm>

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FControlStyle.Include(csReplicatable);
  FWidth = 65;
  FHeight = 65;
  FPen->OnChange = [this](TObject*) { Invalidate(); };
  FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::Publish(TPublisher<TShape>& p) {
  p.Prop("Brush", &TShape::GetBrush, &TShape::SetBrush);
  p.Prop("Pen", &TShape::GetPen, &TShape::SetPen);
  p.Prop("Shape", &TShape::GetShape, &TShape::SetShape).Default(TShapeType::stRectangle);
}

void TShape::SetShape(TShapeType value) {
  if (FShape == value) return;
  FShape = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetPen(FPen.get());
  canvas->SetBrush(FBrush.get());
  // The pen's width stays inside the bounds.
  int pw = FPen->GetWidth();
  int x = pw / 2, y = pw / 2;
  int w = GetWidth() - pw + 1, h = GetHeight() - pw + 1;
  if (pw == 0) {
    w--;
    h--;
  }
  bool square = FShape == TShapeType::stSquare || FShape == TShapeType::stRoundSquare || FShape == TShapeType::stCircle;
  if (square) {
    int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (FShape) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare: canvas->Rectangle(x, y, x + w, y + h); break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: {
      int radius = std::min(w, h) / 4;
      canvas->RoundRect(x, y, x + w, y + h, radius, radius);
      break;
    }
    case TShapeType::stEllipse:
    case TShapeType::stCircle: canvas->Ellipse(x, y, x + w, y + h); break;
  }
}
