// The window-less buttons: the play button's latch and faces, the face-pixel
// hit test, radio groups, disabling, auto-repeat on the driven clock, and the
// repeat ending whenever the press can no longer finish.
#include <functional>
#include <string>
#include <vector>

#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "styled/controls/stybtn_fixture.h"

namespace styledtest {
namespace {

class GraphicButtons : public Buttons {
 protected:
  void SetUp() override {
    Buttons::SetUp();
    faces = MakePlayFaces(form);
    form->Show();
    Pump();
  }
  // Counts the button's clicks and remembers when they came.
  void Record(TControl* b) {
    b->OnClick = [this](TObject*) { clicks.push_back(Now()); };
  }
  // The play button's disc colour at (8, 16): the up face is green, the
  // down face dark green.
  TColor DiscColour(TStyMMButton* b) {
    Sheet s = Snapshot();
    return s.At(b->GetLeft() + 8, b->GetTop() + 16);
  }

  TStyBitmapList* faces = nullptr;
  std::vector<int> clicks;
};

TEST_F(GraphicButtons, PlayButtonLatchesOnAClickAndReleasesOnTheNext) {
  TStyMMButton* play = MakePlayButton(form, faces, 20, 20);
  Record(play);
  EXPECT_EQ(DiscColour(play), static_cast<TColor>(0x00C000)) << "face item 0 when up";

  ClickAt(play, 16, 16);
  EXPECT_TRUE(play->GetPressed());
  EXPECT_EQ(play->GetState(), bsLatched);
  EXPECT_EQ(play->GetFace(bsLatched).ListIndex, 1);
  EXPECT_EQ(DiscColour(play), static_cast<TColor>(0x004000)) << "face item 1 when latched";

  ClickAt(play, 16, 16);
  EXPECT_FALSE(play->GetPressed());
  EXPECT_EQ(play->GetState(), bsUp);
  EXPECT_EQ(DiscColour(play), static_cast<TColor>(0x00C000));
  EXPECT_EQ(clicks.size(), 2u);

  // The playback code releases it too, since AllowAllUp is on.
  play->SetPressed(true);
  play->SetPressed(false);
  EXPECT_EQ(play->GetState(), bsUp);
}

TEST_F(GraphicButtons, APressOnTheFacesTransparentColourChangesNothing) {
  TStyMMButton* play = MakePlayButton(form, faces, 20, 20);
  Record(play);
  Snapshot();  // the face rectangle is where the face was painted
  ClickAt(play, 1, 1);
  EXPECT_EQ(play->GetState(), bsUp);
  EXPECT_FALSE(play->GetPressed());
  EXPECT_FALSE(play->GetTracking());
  EXPECT_TRUE(clicks.empty());
  // Pressed on the disc but released on a corner: no click either.
  Move(play, 16, 16);
  Down(play, 16, 16);
  EXPECT_EQ(play->GetState(), bsHeld);
  Up(play, 1, 1);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(play->GetState(), bsUp);
}

TEST_F(GraphicButtons, AFreedFaceListIsLetGo) {
  // The form frees its components in any order: the faces may go first.
  TStyMMButton* play = MakePlayButton(form, faces, 20, 20);
  Snapshot();
  delete faces;
  faces = nullptr;
  EXPECT_EQ(play->GetButtonFaceImageList(), nullptr);
  Snapshot();
  ClickAt(play, 16, 16);
  EXPECT_EQ(play->GetState(), bsUp) << "without faces nothing is hit";
}

TEST_F(GraphicButtons, AGroupWithoutAllUpKeepsOneButtonDown) {
  auto make = [this](int left) {
    auto* b = new TStyOfficeButton(form);
    b->SetParent(form);
    b->SetBounds(left, 10, 40, 24);
    b->SetGroupIndex(5);
    return b;
  };
  TStyOfficeButton* a = make(10);
  TStyOfficeButton* b = make(60);
  TStyOfficeButton* other = make(110);
  other->SetGroupIndex(6);
  other->SetPressed(true);
  Record(a);
  Record(b);

  ClickAt(a, 20, 12);
  EXPECT_TRUE(a->GetPressed());
  ClickAt(b, 20, 12);
  EXPECT_TRUE(b->GetPressed());
  EXPECT_FALSE(a->GetPressed()) << "pressing B releases A";
  EXPECT_EQ(a->GetState(), bsUp);
  EXPECT_TRUE(other->GetPressed()) << "another group is left alone";

  ClickAt(b, 20, 12);
  EXPECT_TRUE(b->GetPressed()) << "the latched button ignores clicks on itself";
  EXPECT_EQ(clicks.size(), 2u);
  b->SetPressed(false);
  EXPECT_TRUE(b->GetPressed()) << "and code cannot release it either";
}

TEST_F(GraphicButtons, DisablingKeepsTheLatch) {
  struct Case {
    bool pressed;
    std::uint8_t disabled, enabled;
  } cases[] = {{true, bsDisabledLatched, bsLatched}, {false, bsDisabled, bsUp}};
  for (const Case& c : cases) {
    TStyMMButton* play = MakePlayButton(form, faces, 20, 20);
    play->SetPressed(c.pressed);
    play->SetEnabled(false);
    EXPECT_EQ(play->GetState(), c.disabled);
    play->SetEnabled(true);
    EXPECT_EQ(play->GetState(), c.enabled);
    delete play;
  }
}

TEST_F(GraphicButtons, AHotButtonCoolsWhenThePollFindsTheMouseGone) {
  auto* b = new TStyCustomSpeedButton(form);
  b->SetParent(form);
  b->SetBounds(40, 40, 30, 24);
  Move(b, 10, 10);
  EXPECT_EQ(b->GetState(), bsHot);
  EXPECT_TRUE(b->TimerRunning(0));
  Advance(200);
  EXPECT_EQ(b->GetState(), bsHot) << "the mouse is still there";
  // The mouse jumps to another window: no move reaches the form.
  SetCursorPos(900, 700);
  Advance(100);
  EXPECT_EQ(b->GetState(), bsUp);
  EXPECT_FALSE(b->TimerRunning(0));
}

TEST_F(GraphicButtons, TheHoverPollEndsAlsoWhenHotTrackingWasTurnedOff) {
  auto* b = new TStyCustomSpeedButton(form);
  b->SetParent(form);
  b->SetBounds(40, 40, 30, 24);
  Move(b, 10, 10);
  ASSERT_TRUE(b->TimerRunning(0));
  b->SetAllowMouseOver(false);
  SetCursorPos(900, 700);
  Advance(300);
  EXPECT_EQ(b->GetState(), bsUp);
  EXPECT_FALSE(b->TimerRunning(0)) << "no poll left running in the shared pool";
  EXPECT_EQ(StyApplication->GetTimerPool()->GetCount(), 0);
}

TEST_F(GraphicButtons, TheCaptionsAcceleratorClicks) {
  auto* b = new TStyCustomSpeedButton(form);
  b->SetParent(form);
  b->SetCaption("&Kick");
  Record(b);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'k', 0), 1);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(clicks.size(), 1u);
  b->SetEnabled(false);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'k', 0), 0);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(GraphicButtons, APressWithADropDownMenuOpensItAndNeverClicks) {
  auto* b = new TStyOfficeButton(form);
  b->SetParent(form);
  b->SetBounds(40, 40, 60, 24);
  b->SetDropDownMenu(MakeMenu());
  Record(b);
  int dropped = 0;
  b->OnDropDown = [&](TObject*) { ++dropped; };
  std::uint8_t whileOpen = 0;
  CloseMenusAfter([&] { whileOpen = b->GetState(); });
  Move(b, 10, 10);
  const std::uint8_t before = b->GetState();
  Down(b, 10, 10);
  Up(b, 10, 10);
  Pump();
  EXPECT_EQ(dropped, 1);
  EXPECT_EQ(whileOpen, bsDropped);
  EXPECT_EQ(b->GetState(), before) << "back as before the press";
  EXPECT_TRUE(clicks.empty());
  delete b->GetDropDownMenu();
  EXPECT_EQ(b->GetDropDownMenu(), nullptr) << "a freed menu is forgotten";
}

// What a drop-down can lose on the way: its menu before it opens, or the
// button itself to code that runs while the menu's loop does.
TEST_F(GraphicButtons, ADropDownThatLosesItsMenuOrItsButtonEndsQuietly) {
  struct Case {
    const char* what;
    bool inDropDown;  // else while the menu is open
    std::function<void(TStyOfficeButton*&)> act;
  } cases[] = {
      {"menu taken away", true, [](TStyOfficeButton*& b) { b->SetDropDownMenu(nullptr); }},
      {"menu freed", true, [](TStyOfficeButton*& b) { delete b->GetDropDownMenu(); }},
      {"button freed before the menu opens", true,
       [](TStyOfficeButton*& b) {
         delete b;
         b = nullptr;
       }},
      {"button freed while the menu is open", false,
       [](TStyOfficeButton*& b) {
         delete b;
         b = nullptr;
       }},
  };
  for (const Case& c : cases) {
    auto* b = new TStyOfficeButton(form);
    b->SetParent(form);
    b->SetBounds(40, 40, 60, 24);
    b->SetDropDownMenu(MakeMenu());
    Record(b);
    if (c.inDropDown)
      b->OnDropDown = [&](TObject*) { c.act(b); };
    else
      CloseMenusAfter([&] { c.act(b); });
    Move(b, 10, 10);
    Down(b, 10, 10);
    if (b) Up(b, 10, 10);
    Pump();
    Application->OnIdle = nullptr;
    EXPECT_TRUE(clicks.empty()) << c.what;
    if (!b) continue;
    EXPECT_EQ(b->GetState(), bsHot) << c.what << ": the drop-down is over";
    delete b;
  }
}

TEST_F(GraphicButtons, AFailingOnDropDownLeavesTheMenuWorkingForTheNextPress) {
  auto* b = new TStyOfficeButton(form);
  b->SetParent(form);
  b->SetBounds(40, 40, 60, 24);
  b->SetDropDownMenu(MakeMenu());
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception& e) { reported.push_back(e.GetMessage()); };
  int drops = 0;
  b->OnDropDown = [&](TObject*) {
    if (++drops == 1) throw Exception("no kit loaded");
  };
  bool opened = false;
  CloseMenusAfter([&] { opened = true; });
  Move(b, 10, 10);
  Down(b, 10, 10);
  Up(b, 10, 10);
  Pump();
  EXPECT_EQ(reported, (std::vector<std::string>{"no kit loaded"}));
  EXPECT_NE(b->GetState(), bsDropped) << "the drop-down is over";
  Down(b, 10, 10);
  Up(b, 10, 10);
  Pump();
  Application->OnException = nullptr;
  EXPECT_EQ(drops, 2);
  EXPECT_TRUE(opened) << "the next press opens the menu";
}

class RepeatingButton : public GraphicButtons {
 protected:
  void SetUp() override {
    GraphicButtons::SetUp();
    button = new TStyCustomSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(40, 40, 30, 24);
    button->SetRepeatedClick(true);
    Record(button);
  }

 public:
  TStyCustomSpeedButton* button = nullptr;
};

TEST_F(RepeatingButton, ClicksOnThePressThenAfterTheDelayThenEveryInterval) {
  Move(button, 10, 10);
  Down(button, 10, 10);
  Advance(750);
  EXPECT_EQ(clicks, (std::vector<int>{0, 500, 600, 700}));
  Up(button, 10, 10);
  Advance(300);
  EXPECT_EQ(clicks, (std::vector<int>{0, 500, 600, 700})) << "the release does not click";
  EXPECT_FALSE(button->TimerRunning(1));
}

TEST_F(RepeatingButton, PausesWhileTheMouseIsOffTheButton) {
  Move(button, 10, 10);
  Down(button, 10, 10);
  Move(button, 100, 10);
  Advance(750);
  EXPECT_EQ(clicks, (std::vector<int>{0}));
  // The timer went on at its first delay: the next repeat is due at 1000.
  Move(button, 10, 10);
  Advance(350);
  EXPECT_EQ(clicks, (std::vector<int>{0, 1000, 1100}));
  Up(button, 10, 10);
}

TEST_F(RepeatingButton, StopsWhenThePressCanNoLongerFinish) {
  struct Case {
    const char* what;
    std::function<void(RepeatingButton&)> act;
  } cases[] = {
      {"capture lost", [](RepeatingButton&) { ReleaseCapture(); }},
      {"cancel mode", [](RepeatingButton&) { SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0); }},
      {"disabled", [](RepeatingButton& t) { t.button->SetEnabled(false); }},
      {"hidden", [](RepeatingButton& t) { t.button->SetVisible(false); }},
      {"destroyed",
       [](RepeatingButton& t) {
         delete t.button;
         t.button = nullptr;
       }},
  };
  for (const Case& c : cases) {
    if (!button) {
      button = new TStyCustomSpeedButton(form);
      button->SetParent(form);
      button->SetBounds(40, 40, 30, 24);
      button->SetRepeatedClick(true);
      Record(button);
    }
    button->SetEnabled(true);
    button->SetVisible(true);
    clicks.clear();
    const int start = Now();
    Move(button, 10, 10);
    Down(button, 10, 10);
    Advance(550);
    c.act(*this);
    Advance(1000);
    EXPECT_EQ(clicks, (std::vector<int>{start, start + 500})) << c.what;
    EXPECT_EQ(StyApplication->GetTimerPool()->GetCount(), 0) << c.what << ": no timer left in the pool";
    if (button) {
      EXPECT_FALSE(button->GetTracking()) << c.what;
      Up(button, 10, 10);
    }
  }
}

TEST_F(RepeatingButton, AClickThatOpensAModalDialogDoesNotKeepClicking) {
  // The dialog's loop runs on while the clock goes on; it closes itself
  // after a second.
  TForm* dialog = TCustomForm::CreateNew<TForm>(nullptr);
  int idle = 0;
  button->OnClick = [&](TObject*) {
    clicks.push_back(Now());
    if (clicks.size() != 2) return;
    idle = 0;
    Application->OnIdle = [&](TObject*, bool& done) {
      win::clock::Advance(50 * 1000);
      if (++idle == 20) dialog->SetModalResult(mrOk);
      // Something to wake the loop for the next step.
      PostMessageA(dialog->GetHandle(), WM_NULL, 0, 0);
      done = true;
    };
    try {
      dialog->ShowModal();
    } catch (const Exception& e) {
      ADD_FAILURE() << e.GetMessage();
    }
    Application->OnIdle = nullptr;
  };
  Move(button, 10, 10);
  Down(button, 10, 10);
  Advance(550);
  Advance(500);
  EXPECT_EQ(clicks, (std::vector<int>{0, 500})) << "nothing clicked while or after the dialog ran";
  EXPECT_FALSE(button->GetTracking());
  EXPECT_EQ(button->GetState(), bsUp);
  delete dialog;
}

}  // namespace
}  // namespace styledtest
