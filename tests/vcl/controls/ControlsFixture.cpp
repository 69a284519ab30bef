#include "ControlsFixture.h"

#include "drummachine/startup/ProgramStartup.h"
#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace ctltest {

void ControlsTest::SetUp() {
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
  StartProgram({{ppClassLibrary}, {}});
  TWinProbe::Created().clear();
  host = new TWinControl(nullptr);
  host->SetVisible(false);
  host->SetBounds(100, 100, 200, 150);
  host->SetColor(clRed);
  host->SetVisible(true);
  Pump();
}

void ControlsTest::TearDown() {
  delete host;
  ReleaseCapture();
  StopProgram();
  Pump();
  win::clock::UseReal();
}

void ControlsTest::Pump() {
  MSG m;
  for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); guard++) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void ControlsTest::PaintNow() {
  UpdateWindow(host->GetHandle());
}

COLORREF ControlsTest::Pixel(int x, int y) {
  HDC dc = GetDC(host->GetHandle());
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(host->GetHandle(), dc);
  return c;
}

LRESULT ControlsTest::SendToHost(UINT msg, WPARAM w, int x, int y) {
  return SendMessageA(host->GetHandle(), msg, w, PointToLParam(x, y));
}

}  // namespace ctltest
