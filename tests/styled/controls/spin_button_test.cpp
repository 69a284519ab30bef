// The spin button: which part a point hits, firing at once and repeating
// from the shared pool while held, and stopping when the pointer leaves the
// part or the button is let go.
#include <vector>

#include "controls/styled/stycompo.h"
#include "controls/styled/stystdcA.h"
#include "platform/win/drums_ext.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

TEST(SpinButtonParts, TheDiagonalBelongsToTheTop) {
  struct Case {
    int x, y;
    bool bottom;
  } cases[] = {
      {10, 10, false},  // on the diagonal
      {19, 1, false},  // on the diagonal near the top-right corner
      {0, 19, false},  // and near the bottom-left one
      {10, 11, true},  {11, 10, true}, {0, 0, false}, {19, 19, true}, {9, 10, false},
  };
  for (const Case& c : cases) EXPECT_EQ(TStySpinButton::InBottomPart(c.x, c.y, 20, 20), c.bottom) << c.x << "," << c.y;
}

class SpinButton : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    start = win::clock::NowMicros();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 200, 100);
    button = new TStySpinButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 20, 20);
    button->OnTopClick = [this](TObject*) { tops.push_back(Now()); };
    button->OnBottomClick = [this](TObject*) { bottoms.push_back(Now()); };
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  int Now() const { return static_cast<int>((win::clock::NowMicros() - start) / 1000); }
  void Wait(int ms) {
    for (int t = 0; t < ms; t += 50) {
      win::clock::Advance(50'000);
      Pump();
    }
  }
  void Press(int x, int y) { button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Move(int x, int y) { button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Release(int x, int y) { button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

  std::uint64_t start = 0;
  TForm* form = nullptr;
  TStySpinButton* button = nullptr;
  std::vector<int> tops, bottoms;
};

TEST_F(SpinButton, HoldingTheTopFiresAtOnceThenRepeats) {
  Press(5, 5);
  EXPECT_EQ(button->GetState(), ssTopDown);
  Wait(500);
  // Interval 100: the first repeat waits 300 ms, the next ones 100 ms.
  EXPECT_EQ(tops, (std::vector<int>{0, 300, 400, 500}));
  Release(5, 5);
  EXPECT_EQ(button->GetState(), ssNormal);
  Wait(500);
  EXPECT_EQ(tops.size(), 4u) << "no repeats after the release";
  EXPECT_TRUE(bottoms.empty());
}

TEST_F(SpinButton, AnIntervalBetweenThePoolsStepsIsRoundedUp) {
  // The pool ticks every 50 ms: the first wait of 320 ms becomes 350, and
  // 120 ms repeats come every 150 ms (the pool counts its three-step items
  // from its own start, so the first of them ends early).
  button->SetInterval(120);
  Press(5, 5);
  Wait(800);
  Release(5, 5);
  EXPECT_EQ(tops, (std::vector<int>{0, 350, 450, 600, 750}));
}

TEST_F(SpinButton, MovingOntoTheOtherPartStopsTheRepeatsWithoutFiringIt) {
  Press(15, 15);
  EXPECT_EQ(bottoms, (std::vector<int>{0}));
  Move(3, 3);
  EXPECT_EQ(button->GetState(), ssNormal);
  Wait(600);
  EXPECT_EQ(bottoms.size(), 1u);
  EXPECT_TRUE(tops.empty());
  Move(16, 16);  // back over the pressed part: the repeats go on
  EXPECT_EQ(button->GetState(), ssBottomDown);
  Wait(100);
  EXPECT_EQ(bottoms.size(), 2u);
  Move(40, 40);  // off the button
  Wait(300);
  EXPECT_EQ(bottoms.size(), 2u);
  Release(40, 40);
  EXPECT_TRUE(tops.empty());
}

TEST_F(SpinButton, DisabledButtonIgnoresPresses) {
  button->SetEnabled(false);
  EXPECT_EQ(button->GetState(), ssDisabled);
  Press(5, 5);
  Wait(400);
  EXPECT_TRUE(tops.empty());
  button->SetEnabled(true);
  EXPECT_EQ(button->GetState(), ssNormal);
}

TEST_F(SpinButton, LostCaptureStopsTheRepeats) {
  Press(5, 5);
  button->SetMouseCapture(false);  // a dialog opened by the click takes the mouse
  Wait(600);
  EXPECT_EQ(tops, (std::vector<int>{0}));
  EXPECT_EQ(StyApplication->GetTimerPool()->EnabledCount(), 0) << "nothing left ticking in the shared pool";
  EXPECT_EQ(button->GetState(), ssNormal);
  Press(15, 15);  // the next press works at once
  EXPECT_EQ(bottoms, (std::vector<int>{600}));
  Release(15, 15);
}

TEST_F(SpinButton, FacesShowThePressedPart) {
  Sheet normal(20, 20), pressed(20, 20);
  form->PaintTo(normal.Canvas()->GetHandle(), -10, -10);
  Press(5, 5);
  form->PaintTo(pressed.Canvas()->GetHandle(), -10, -10);
  Release(5, 5);
  // The top part's edge along the left side: highlight up, shadow pressed.
  EXPECT_EQ(normal.At(1, 8), Rgb(clBtnHighlight));
  EXPECT_EQ(pressed.At(1, 8), Rgb(clBtnShadow));
  EXPECT_EQ(normal.At(0, 0), Rgb(clWindowFrame));
  SavePicture(normal.bitmap.get(), "spin_button_up.png");
  SavePicture(pressed.bitmap.get(), "spin_button_top_pressed.png");
}

}  // namespace
}  // namespace styledtest
