// TShape: a rectangle, square, rounded box, ellipse or circle drawn with its
// own pen and brush.
#pragma once

#include <memory>

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/extctrls/ExtCtrlsTypes.h"
#include "platform/vcl/graphics/Brush.h"
#include "platform/vcl/graphics/Pen.h"

class TShape : public TGraphicControl {
  DRUMS_CLASS(TShape, TGraphicControl)

 public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;

  TShapeType GetShape() const { return FShape; }
  void SetShape(TShapeType value);
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* value) { FPen->Assign(value); }
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }

  static void Publish(TPublisher<TShape>& p);

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  TShapeType FShape = TShapeType::stRectangle;
};
