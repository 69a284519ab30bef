#include "platform/vcl/controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "platform/vcl/controls/WinControl.h"
#include "platform/win/windows.h"

namespace {
// Canvases holding a context of their own, released together when idle.
std::vector<TControlCanvas*>& CanvasList() {
  static std::vector<TControlCanvas*> list;
  return list;
}
}  // namespace

namespace vcl {
void FreeDeviceContexts() {
  auto list = CanvasList();
  for (TControlCanvas* c : list) c->FreeHandle();
}
}  // namespace vcl

TControlCanvas::~TControlCanvas() {
  FreeHandle();
}

void TControlCanvas::SetControl(TControl* value) {
  if (FControl == value) return;
  FreeHandle();
  FControl = value;
}

void TControlCanvas::CreateHandle() {
  if (!FControl || FDeviceContext) return;
  auto* windowed = dynamic_cast<TWinControl*>(FControl);
  TWinControl* owner = windowed ? windowed : FControl->GetParent();
  if (!owner) return;
  FWindowHandle = owner->GetHandle();
  FDeviceContext = GetDC(FWindowHandle);
  if (!FDeviceContext) return;
  if (!windowed) {
    // A window-less control draws in its own coordinates, inside its bounds.
    SetWindowOrgEx(FDeviceContext, -FControl->GetLeft(), -FControl->GetTop(), nullptr);
    IntersectClipRect(FDeviceContext, 0, 0, FControl->GetWidth(), FControl->GetHeight());
  }
  CanvasList().push_back(this);
  SetHandle(FDeviceContext);
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  HDC dc = FDeviceContext;
  FDeviceContext = nullptr;
  if (GetHandleNoSelect() == dc) SetHandle(nullptr);
  ReleaseDC(FWindowHandle, dc);
  FWindowHandle = nullptr;
  std::erase(CanvasList(), this);
}

void TControlCanvas::BeginPaintOn(HDC dc) {
  Lock();
  FreeHandle();
  SetHandle(dc);
}

void TControlCanvas::EndPaintOn() {
  SetHandle(nullptr);
  Unlock();
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
  struct EndPaint {
    TControlCanvas* canvas;
    ~EndPaint() { canvas->EndPaintOn(); }
  };
  BeginPaintOn(dc);
  EndPaint end{this};
  paint();
}
