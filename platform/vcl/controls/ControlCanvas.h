// TControlCanvas: a canvas on a control. During painting it draws on the
// paint context it is handed; outside painting it takes a device context of
// the control's window (a graphic control: its parent's, moved to the
// control's corner and clipped to it) and releases it in FreeHandle.
#pragma once

#include <functional>

#include "platform/vcl/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
  DRUMS_CLASS(TControlCanvas, TCanvas)

 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* value);
  // Releases a context CreateHandle took (no effect on a paint context).
  void FreeHandle();
  // Draws on dc (painting) until EndPaintOn.
  void BeginPaintOn(HDC dc);
  void EndPaintOn();
  // Draws on dc while paint runs, and lets go of it however paint ends.
  void PaintOn(HDC dc, const std::function<void()>& paint);

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

namespace vcl {
// Releases every device context control canvases took outside painting; the
// application calls it when idle.
void FreeDeviceContexts();
}  // namespace vcl
