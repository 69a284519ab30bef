#include "combo_fixture.h"

#include <filesystem>

#include "platform/win/drums_ext.h"

namespace styledtest {

void ComboTest::SetUp() {
  ControlTest::SetUp();
  InitStyApplication();
  form->SetBounds(100, 100, 360, 240);
  Pump();
}

void ComboTest::TearDown() {
  DoneStyApplication();
  ControlTest::TearDown();
}

void ComboTest::ClickScreen(TPoint p) {
  const TPoint origin = form->ClientToScreen(TPoint(0, 0));
  ClickAt(form, p.X - origin.X, p.Y - origin.Y);
}

bool ComboTest::SaveWindow(HWND window, const std::string& name) {
  std::filesystem::create_directories(styledtest::PictureDir());
  return host::Get().Screenshot(win::user::HostWindowOf(window), styledtest::PictureDir() + "/" + name);
}

}  // namespace styledtest
