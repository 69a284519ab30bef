// TCustomControl: a windowed control that paints itself on its own canvas.
#pragma once

#include <memory>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"

class TCustomControl : public TWinControl {
  DRUMS_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* GetCanvas() const { return FCanvas.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TControlCanvas> FCanvas;
};
