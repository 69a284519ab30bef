#include "label_fixture.h"

#include "platform/win/drums_ext.h"

namespace styledtest {

void LabelTest::SetUp() {
  StyledProcs::SetUp();
  form = TCustomForm::CreateNew<TForm>(Application);
  form->SetBounds(100, 100, 420, 300);
  form->SetColor(clBtnFace);
  form->Show();
  Pump();
  win::shell::SetLauncher([this](const std::vector<std::string>& argv) {
    opened.push_back(argv);
    return openerWorks;
  });
}

void LabelTest::TearDown() {
  win::shell::SetLauncher(nullptr);
  StyledProcs::TearDown();
}

TStySimpleLabel* LabelTest::NewLabel(const std::string& caption, int x, int y) {
  auto* label = new TStySimpleLabel(form);
  label->SetLeft(x);
  label->SetTop(y);
  label->GetFont()->SetName("Arial");
  label->GetFont()->SetSize(10);
  label->SetCaption(caption);
  label->SetParent(form);
  return label;
}

void LabelTest::ClickAt(TControl* control, int x, int y) {
  // Apart from the last click by more than a double click's time.
  win::clock::Advance(1'000'000);
  // The form's window gets the button messages and hands them to the
  // window-less control under the point.
  const LPARAM at = MAKELPARAM(control->GetLeft() + x, control->GetTop() + y);
  PostMessageA(form->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(form->GetHandle(), WM_LBUTTONUP, 0, at);
  Pump();
}

std::unique_ptr<Sheet> LabelTest::PaintForm() {
  Pump();
  const TRect client = form->GetClientRect();
  auto sheet = std::make_unique<Sheet>(client.Right, client.Bottom);
  form->PaintTo(sheet->Canvas()->GetHandle(), 0, 0);
  return sheet;
}

TSize LabelTest::TextExtent(TStySimpleLabel* label, const std::string& text) {
  Sheet s(4, 4);
  s.Canvas()->SetFont(label->GetFont());
  return s.Canvas()->TextExtent(text);
}

}  // namespace styledtest
