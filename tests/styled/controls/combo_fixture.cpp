#include "combo_fixture.h"

#include <filesystem>

#include "platform/win/drums_ext.h"

namespace styledtest {

void TStyledTestForm::Publish(TPublisher<TStyledTestForm>& p) {
  p.Field("cbxLEDColor", &TStyledTestForm::cbxLEDColor);
  p.Field("trkMute_01", &TStyledTestForm::trkMute_01);
}

std::unique_ptr<TStyledTestForm> ComboTest::ReadTestForm(const std::string& body) {
  std::unique_ptr<TStyledTestForm> f(TCustomForm::CreateNew<TStyledTestForm>(nullptr));
  ReadForm("object Form: TStyledTestForm\n" + body + "end\n", f.get());
  return f;
}

void ComboTest::SetUp() {
  startup.Parts.Include(ppStyled);
  ControlTest::SetUp();
  form->SetBounds(100, 100, 360, 240);
  Pump();
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
