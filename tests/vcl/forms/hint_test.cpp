// Hints: the application times them with the clock seam; the long part of
// a control's hint goes to Application->Hint (OnHint), the short part pops
// up after the hint pause and goes after the hide pause.
#include "fixture.h"
#include "platform/vcl/controls/HintWindow.h"

namespace formstest {
namespace {

class Hints : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBounds(100, 100, 300, 200);
    button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 100, 30);
    button->SetHint("Save|Saves the song to its file");
    button->SetShowHint(true);
    form->Show();
    Pump();
    Application->OnHint = [this](TObject*) { hints.push_back(Application->GetHint()); };
  }
  void MoveOverButton(int dx) {
    RECT r;
    GetWindowRect(button->GetHandle(), &r);
    host::Event e;
    e.type = host::EventType::MouseMove;
    e.window = HostOf(form->GetHandle());
    RECT f;
    GetWindowRect(form->GetHandle(), &f);
    e.screenX = r.left + 10 + dx;
    e.screenY = r.top + 10;
    e.x = e.screenX - f.left;
    e.y = e.screenY - f.top;
    host::headless::PushEvent(e);
    Pump();
  }
  void AdvanceMs(int ms) {
    win::clock::Advance(static_cast<std::uint64_t>(ms) * 1000);
    Pump();
  }
  TForm* form = nullptr;
  TButton* button = nullptr;
  std::vector<std::string> hints;
};

TEST_F(Hints, ShortHintShowsAfterThePauseAndGoesAfterTheHidePause) {
  MoveOverButton(0);
  MoveOverButton(3);  // moving within the control restarts nothing
  EXPECT_EQ(hints, std::vector<std::string>{"Saves the song to its file"});
  AdvanceMs(Application->GetHintPause() - 1);
  EXPECT_FALSE(Application->HintShowing());
  AdvanceMs(1);
  ASSERT_TRUE(Application->HintShowing());
  AdvanceMs(Application->GetHintHidePause());
  EXPECT_FALSE(Application->HintShowing());
}

TEST_F(Hints, NoHintWithShowHintOffAndCancelHintStopsTheTiming) {
  Application->SetShowHint(false);
  MoveOverButton(0);
  AdvanceMs(Application->GetHintPause() * 2);
  EXPECT_FALSE(Application->HintShowing());
  Application->SetShowHint(true);
  Application->CancelHint();
  MoveOverButton(2);  // timing starts again...
  Application->CancelHint();  // ...and stops
  AdvanceMs(Application->GetHintPause() * 2);
  EXPECT_FALSE(Application->HintShowing());
  EXPECT_EQ(Application->GetHintControl(), nullptr);
}

}  // namespace
}  // namespace formstest
