// TGraphicControl: a control without a window, painted by its parent after
// the parent's own painting and fed mouse messages by it.
#pragma once

#include <memory>

#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/ControlCanvas.h"

class TGraphicControl : public TControl {
  DRUMS_CLASS(TGraphicControl, TControl)
  DRUMS_MESSAGE_MAP(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  TCanvas* GetCanvas() const { return FCanvas.get(); }

  static void Messages(TMessageMap<TGraphicControl>& m);

 protected:
  virtual void Paint() {}

 private:
  void WMPaint(TMessage& m);
  std::unique_ptr<TControlCanvas> FCanvas;
};
