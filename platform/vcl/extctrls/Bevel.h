// TBevel: a sunk or raised box, frame or line drawn on the parent.
#pragma once

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/extctrls/ExtCtrlsTypes.h"

class TBevel : public TGraphicControl {
  DRUMS_CLASS(TBevel, TGraphicControl)

 public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape GetShape() const { return FShape; }
  void SetShape(TBevelShape value);
  TBevelStyle GetStyle() const { return FStyle; }
  void SetStyle(TBevelStyle value);

  static void Publish(TPublisher<TBevel>& p);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
