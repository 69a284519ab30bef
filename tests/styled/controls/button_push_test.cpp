// The owner-drawn push button: the window's own click on release, auto-repeat
// on the driven clock, double clicks, the repeat ending with the press, and
// the frame it draws for the default and focused button.
#include <functional>
#include <string>
#include <vector>

#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "styled/controls/stybtn_fixture.h"

namespace styledtest {
namespace {

class PushButton : public Buttons {
 protected:
  void SetUp() override {
    Buttons::SetUp();
    form->Show();
    Pump();
    Make();
  }
  void Make() {
    button = new TStyButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 75, 25);
    button->SetCaption("Kick");
    button->OnClick = [this](TObject*) { clicks.push_back(Now()); };
    Pump();
  }

 public:
  TStyButton* button = nullptr;
  std::vector<int> clicks;
};

TEST_F(PushButton, IsOwnerDrawnOnTheButtonClass) {
  const LONG style = GetWindowLongA(button->GetHandle(), GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
  button->SetDefault(true);
  EXPECT_EQ(GetWindowLongA(button->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW)
      << "marking the default button keeps the window owner-drawn";
  EXPECT_TRUE(button->GetActive());
}

TEST_F(PushButton, ClicksOnceOnReleaseAndTwiceForADoubleClick) {
  ClickAt(button, 10, 10);
  EXPECT_EQ(clicks.size(), 1u);
  Down(button, 10, 10, true);
  Up(button, 10, 10);
  EXPECT_EQ(clicks.size(), 2u) << "the second press of a double click is a click of its own";
  Down(button, 10, 10);
  Up(button, 200, 10);
  EXPECT_EQ(clicks.size(), 2u) << "released outside";
}

TEST_F(PushButton, RepeatsAfterTheDelayAndClicksOnceMoreOnRelease) {
  button->SetRepeatedClick(true);
  Move(button, 10, 10);
  Down(button, 10, 10);
  EXPECT_EQ(button->GetButtonState(), 4) << "drawn held down";
  Advance(750);
  EXPECT_EQ(clicks, (std::vector<int>{500, 600, 700}));
  Up(button, 10, 10);
  EXPECT_EQ(clicks, (std::vector<int>{500, 600, 700, 750}));
  Advance(300);
  EXPECT_EQ(clicks.size(), 4u);
  EXPECT_FALSE(button->RepeatRunning());
}

TEST_F(PushButton, RepeatStopsWhenThePressCanNoLongerFinish) {
  struct Case {
    const char* what;
    std::function<void(PushButton&)> act;
  } cases[] = {
      {"capture lost", [](PushButton& t) { SetCapture(t.form->GetHandle()); }},
      {"cancel mode", [](PushButton& t) { SendMessageA(t.button->GetHandle(), WM_CANCELMODE, 0, 0); }},
      {"disabled", [](PushButton& t) { t.button->SetEnabled(false); }},
      {"hidden", [](PushButton& t) { t.button->SetVisible(false); }},
      {"destroyed",
       [](PushButton& t) {
         delete t.button;
         t.button = nullptr;
       }},
  };
  for (const Case& c : cases) {
    if (!button) Make();
    button->SetEnabled(true);
    button->SetVisible(true);
    button->SetRepeatedClick(true);
    Pump();
    clicks.clear();
    const int start = Now();
    Move(button, 10, 10);
    Down(button, 10, 10);
    Advance(550);
    c.act(*this);
    Advance(1000);
    EXPECT_EQ(clicks, (std::vector<int>{start + 500})) << c.what;
    EXPECT_EQ(StyApplication->GetTimerPool()->GetCount(), 0) << c.what << ": no timer left in the pool";
    ReleaseCapture();
    if (button) Up(button, 10, 10);
  }
}

TEST_F(PushButton, AClickWithADropDownMenuFiresOnClickThenOpensTheMenuPushed) {
  button->SetDropDownMenu(MakeMenu());
  std::vector<std::string> order;
  button->OnClick = [&](TObject*) { order.push_back("click"); };
  button->OnDropDown = [&](TObject*) { order.push_back("drop"); };
  bool pushedWhileOpen = false, droppedWhileOpen = false;
  CloseMenusAfter([&] {
    pushedWhileOpen = (SendMessageA(button->GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    droppedWhileOpen = button->GetDropped();
  });
  ClickAt(button, 10, 10);
  Pump();
  EXPECT_EQ(order, (std::vector<std::string>{"click", "drop"}));
  EXPECT_TRUE(pushedWhileOpen) << "the face stays pushed while the menu is open";
  EXPECT_TRUE(droppedWhileOpen);
  EXPECT_FALSE(button->GetDropped());
  EXPECT_EQ(SendMessageA(button->GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(PushButton, ADropDownThatLosesItsMenuEndsQuietly) {
  struct Case {
    const char* what;
    std::function<void(PushButton&)> act;
  } cases[] = {
      {"menu taken away", [](PushButton& t) { t.button->SetDropDownMenu(nullptr); }},
      {"menu freed", [](PushButton& t) { delete t.button->GetDropDownMenu(); }},
  };
  for (const Case& c : cases) {
    button->SetDropDownMenu(MakeMenu());
    button->OnDropDown = [&](TObject*) { c.act(*this); };
    ClickAt(button, 10, 10);
    Pump();
    button->OnDropDown = nullptr;
    EXPECT_FALSE(button->GetDropped()) << c.what;
    EXPECT_EQ(SendMessageA(button->GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << c.what;
  }
}

TEST_F(PushButton, AFailingOnDropDownLeavesTheMenuWorkingForTheNextClick) {
  button->SetDropDownMenu(MakeMenu());
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception& e) { reported.push_back(e.GetMessage()); };
  int drops = 0;
  button->OnDropDown = [&](TObject*) {
    if (++drops == 1) throw Exception("no kit loaded");
  };
  bool opened = false;
  CloseMenusAfter([&] { opened = true; });
  ClickAt(button, 10, 10);
  Pump();
  EXPECT_EQ(reported, (std::vector<std::string>{"no kit loaded"}));
  EXPECT_FALSE(button->GetDropped());
  EXPECT_EQ(SendMessageA(button->GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << "shown released again";
  ClickAt(button, 10, 10);
  Pump();
  Application->OnException = nullptr;
  EXPECT_EQ(drops, 2);
  EXPECT_TRUE(opened) << "the next click opens the menu";
}

TEST_F(PushButton, DrawsTheFrameOfItsRole) {
  // A second button to hold the focus when the first should not.
  auto* other = new TStyButton(form);
  other->SetParent(form);
  other->SetBounds(120, 20, 75, 25);
  Pump();
  // The button's pixels, row by row.
  auto look = [&]() {
    Sheet s = Snapshot();
    std::vector<TColor> pixels;
    for (int y = 0; y < button->GetHeight(); ++y)
      for (int x = 0; x < button->GetWidth(); ++x) pixels.push_back(s.At(button->GetLeft() + x, button->GetTop() + y));
    return pixels;
  };
  other->SetFocus();
  Pump();
  const std::vector<TColor> plain = look();
  button->SetDefault(true);  // the focus is on another button: not active
  other->SetFocus();
  Pump();
  EXPECT_FALSE(button->GetActive());
  button->SetFocus();
  Pump();
  EXPECT_TRUE(button->GetActive()) << "the focused button is the one Enter presses";
  EXPECT_NE(look(), plain) << "the default frame";
  EXPECT_FALSE(other->GetActive());
}

}  // namespace
}  // namespace styledtest
