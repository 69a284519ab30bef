// The view bases' tests: a shown top-level windowed control on the headless
// host with the class library started, the views under test as its children,
// a popup menu that records where it was asked to pop up instead of running a
// menu loop, pixels read from a view's window and pictures of the host saved.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/headless.h"
#include "platform/host/host.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Menus.h"
#include "platform/win/commctrl.h"
#include "platform/win/windows.h"
#include "tests/support/HeadlessApplication.h"

namespace shelltest {

// Records each popup (its screen point and the component it was shown for).
class TRecordingPopupMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  struct Shown {
    TPoint screen;
    TComponent* component;
  };
  void Popup(int X, int Y) override { shown.push_back({TPoint(X, Y), GetPopupComponent()}); }
  std::vector<Shown> shown;
};

class ViewHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Shell views");
    InitCommonControls();
    host = new TWinControl(nullptr);
    host->SetVisible(false);
    host->SetBounds(50, 50, 640, 420);
    host->SetColor(clBtnFace);
    host->SetText(HostTitle());
    host->SetVisible(true);
    Pump();
  }
  void TearDown() override {
    delete host;
    testsupport::StopApplication();
  }
  virtual std::string HostTitle() const { return "Shell views"; }

  void Pump() {
    MSG m;
    for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); guard++) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  void PaintNow() {
    Pump();
    RedrawWindow(host->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  static COLORREF Pixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
  }
  // Saves the host as a picture (into DRUMS_SCREENSHOTS when set).
  void SaveShot(const std::string& name) {
    PaintNow();
    std::filesystem::path file =
        std::filesystem::path(testsupport::PictureFolder("DRUMS_SCREENSHOTS")) / (name + ".png");
    host::WindowId id = 0;
    for (host::WindowId w : host::headless::Windows()) {
      host::headless::WindowState s;
      if (host::headless::GetWindowState(w, s) && s.title == HostTitle()) id = w;
    }
    ASSERT_NE(id, 0u);
    ASSERT_TRUE(host::Get().Screenshot(id, file.string()));
  }

  TWinControl* host = nullptr;
};

}  // namespace shelltest
