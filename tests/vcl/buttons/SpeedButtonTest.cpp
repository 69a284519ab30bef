// Speed buttons: groups pushed down by code and by the mouse on the headless
// host, AllowAllUp, reading a form, and their up, down and pressed faces.
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/Buttons.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Graphics.h"
#include "support/FormText.h"
#include "support/HostMouse.h"

namespace ctltest {
namespace {

class SpeedButtonTest : public ControlTest {
 protected:
  TSpeedButton* Add(TWinControl* parent, int group, int left, const std::string& name) {
    auto* b = new TSpeedButton(form);
    b->SetName(name);
    b->SetParent(parent);
    b->SetBounds(left, 10, 30, 24);
    b->SetGroupIndex(group);
    b->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->GetName()); };
    return b;
  }
  // One mouse event of the left button at a point of control's client area.
  void Mouse(host::EventType type, TControl* control, int x, int y) {
    testsupport::PushMouseEvent(type, control, x, y);
    Pump();
  }
  // A single click, far enough in time from the last not to make a double one.
  void Click(TControl* control) {
    Advance(1000);
    ClickAt(control, 5, 5);
  }
  std::vector<std::string> clicks;
};

// Down states of the buttons a, b, c as a string such as "-D-".
std::string Downs(const std::vector<TSpeedButton*>& buttons) {
  std::string s;
  for (TSpeedButton* b : buttons) s += b->GetDown() ? 'D' : '-';
  return s;
}

TEST_F(SpeedButtonTest, DownByCodeReleasesOnlyTheOthersOfItsGroupOnTheSameParent) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 100, 200, 50);
  // a, b, c: group 1 on the form; d: group 2 on the form; e: group 1 on the
  // panel; z: no group.
  std::vector<TSpeedButton*> all = {Add(form, 1, 0, "a"),  Add(form, 1, 30, "b"), Add(form, 1, 60, "c"),
                                    Add(form, 2, 90, "d"), Add(panel, 1, 0, "e"), Add(form, 0, 120, "z")};
  struct Step {
    int button;
    bool down;
    const char* expected;  // a b c d e z
  };
  const Step steps[] = {
      {0, true, "D-----"},  // a goes down
      {3, true, "D--D--"},  // another group keeps a down
      {4, true, "D--DD-"},  // the same group on another parent too
      {1, true, "-D-DD-"},  // b pushes a up
      {1, false, "-D-DD-"},  // without AllowAllUp the down button stays down
      {5, true, "-D-DD-"},  // a button of no group never stays down
      {2, true, "--DDD-"},  // c pushes b up
      {2, true, "--DDD-"},  // unchanged
  };
  for (const Step& s : steps) {
    all[s.button]->SetDown(s.down);
    EXPECT_EQ(Downs(all), s.expected) << all[s.button]->GetName() << (s.down ? " down" : " up");
  }
  EXPECT_EQ(clicks, std::vector<std::string>{}) << "code runs no click";
}

TEST_F(SpeedButtonTest, TheGroupMessageOfAnotherControlClassIsIgnored) {
  TSpeedButton* a = Add(form, 1, 0, "a");
  a->SetDown(true);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  TMessage m{CM_BUTTONPRESSED, 1, reinterpret_cast<LPARAM>(static_cast<TControl*>(panel)), 0};
  form->Broadcast(m);
  EXPECT_TRUE(a->GetDown());
}

TEST_F(SpeedButtonTest, AllowAllUpIsSharedByTheGroupAndLetsTheDownButtonGoUp) {
  TSpeedButton* a = Add(form, 1, 0, "a");
  TSpeedButton* b = Add(form, 1, 30, "b");
  TSpeedButton* other = Add(form, 2, 60, "other");
  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->GetAllowAllUp());
  EXPECT_FALSE(other->GetAllowAllUp());
  b->SetDown(true);
  b->SetDown(false);
  EXPECT_EQ(Downs({a, b}), "--");
  other->SetAllowAllUp(false);
  other->SetDown(true);
  other->SetDown(false);
  EXPECT_TRUE(other->GetDown());
}

TEST_F(SpeedButtonTest, ClicksPushAGroupedButtonDownAndRunItsClick) {
  TSpeedButton* a = Add(form, 1, 10, "a");
  TSpeedButton* b = Add(form, 1, 50, "b");
  TSpeedButton* z = Add(form, 0, 90, "z");
  a->SetDown(true);
  Click(b);
  EXPECT_EQ(Downs({a, b}), "-D");
  // Clicking the down button again runs its click and it stays down.
  Click(b);
  EXPECT_EQ(Downs({a, b}), "-D");
  // With AllowAllUp the second click lets it up.
  b->SetAllowAllUp(true);
  Click(b);
  EXPECT_EQ(Downs({a, b}), "--");
  Click(z);
  EXPECT_FALSE(z->GetDown());
  EXPECT_EQ(clicks, (std::vector<std::string>{"b", "b", "b", "z"}));
  EXPECT_FALSE(z->GetMouseCapture()) << "the release gives the mouse back";
}

TEST_F(SpeedButtonTest, ADoubleClickIsTwoClicksAndADoubleClickOnceTheButtonIsDown) {
  TSpeedButton* a = Add(form, 1, 10, "a");
  TSpeedButton* b = Add(form, 1, 50, "b");
  int doubles = 0;
  b->OnDblClick = [&](TObject*) { doubles++; };
  a->SetDown(true);
  Advance(1000);
  ClickAt(b, 5, 5, true);
  EXPECT_EQ(Downs({a, b}), "-D");
  EXPECT_EQ(clicks, (std::vector<std::string>{"b", "b"}));
  EXPECT_EQ(doubles, 1);
  EXPECT_FALSE(b->GetMouseCapture());
}

TEST_F(SpeedButtonTest, APressReleasedOutsideOrOnADisabledButtonDoesNothing) {
  TSpeedButton* a = Add(form, 1, 10, "a");
  TSpeedButton* b = Add(form, 1, 50, "b");
  a->SetDown(true);
  Advance(1000);
  Mouse(host::EventType::MouseDown, b, 5, 5);
  EXPECT_TRUE(b->GetPushed()) << "held under the mouse";
  Mouse(host::EventType::MouseMove, b, 200, 5);
  EXPECT_FALSE(b->GetPushed()) << "the held mouse left the button";
  Mouse(host::EventType::MouseMove, b, 6, 6);
  EXPECT_TRUE(b->GetPushed()) << "and came back";
  Mouse(host::EventType::MouseMove, b, 200, 5);
  Mouse(host::EventType::MouseUp, b, 200, 5);
  EXPECT_EQ(Downs({a, b}), "D-");
  EXPECT_FALSE(b->GetPushed());
  b->SetEnabled(false);
  Click(b);
  EXPECT_EQ(Downs({a, b}), "D-");
  EXPECT_EQ(clicks, std::vector<std::string>{});
}

TEST_F(SpeedButtonTest, DisablingAHeldButtonEndsThePressWithoutAClick) {
  TSpeedButton* b = Add(form, 1, 50, "b");
  Advance(1000);
  Mouse(host::EventType::MouseDown, b, 5, 5);
  b->SetEnabled(false);
  EXPECT_FALSE(b->GetPushed());
  EXPECT_FALSE(b->GetMouseCapture());
  Mouse(host::EventType::MouseUp, b, 5, 5);
  EXPECT_FALSE(b->GetDown());
  EXPECT_EQ(clicks, std::vector<std::string>{});
}

TEST_F(SpeedButtonTest, AFormReadsTheGroupAndTheDownButtonInEitherOrderAndWritesThemBack) {
  const char* orders[] = {"GroupIndex = 1\n    Down = True", "Down = True\n    GroupIndex = 1"};
  for (const char* order : orders) {
    const std::string text = std::string(R"(object frmPat: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 100
  object btnPat1: TSpeedButton
    Left = 8
    Top = 8
    Width = 23
    Height = 22
    )") + order + R"(
    Caption = '1'
  end
  object btnPat2: TSpeedButton
    Left = 32
    Top = 8
    Width = 23
    Height = 22
    GroupIndex = 1
    Caption = '2'
  end
  object btnSolo: TSpeedButton
    Left = 56
    Top = 8
    Down = True
    Caption = 'S'
  end
end
)";
    TForm* f = testsupport::ReadFormText(text);
    auto* pat1 = dynamic_cast<TSpeedButton*>(f->FindComponent("btnPat1"));
    auto* pat2 = dynamic_cast<TSpeedButton*>(f->FindComponent("btnPat2"));
    auto* solo = dynamic_cast<TSpeedButton*>(f->FindComponent("btnSolo"));
    ASSERT_NE(pat1, nullptr);
    ASSERT_NE(pat2, nullptr);
    ASSERT_NE(solo, nullptr);
    EXPECT_EQ(pat1->GetGroupIndex(), 1) << order;
    EXPECT_TRUE(pat1->GetDown()) << order;
    EXPECT_FALSE(solo->GetDown()) << "a button of no group read as down stays up";
    pat2->SetDown(true);
    EXPECT_FALSE(pat1->GetDown()) << "the buttons read form one group";
    pat1->SetDown(true);
    const std::string written = WriteForm(f);
    // The group first, so that reading it back keeps the button down.
    const size_t group = written.find("GroupIndex = 1"), down = written.find("Down = True");
    EXPECT_NE(down, std::string::npos) << written;
    EXPECT_LT(group, down) << written;
    delete f;
  }
}

TEST_F(SpeedButtonTest, FacesShowUpDownAndPressedStatesAndADisabledCaption) {
  TSpeedButton* b = Add(form, 1, 10, "b");
  b->GetFont()->SetColor(clBlack);
  const COLORREF face = ColorToRGB(clBtnFace), white = ColorToRGB(clBtnHighlight), black = 0;
  // Up: raised, a light top-left and a dark bottom-right, a plain face.
  EXPECT_EQ(PixelAt(b, 0, 0), white);
  EXPECT_EQ(Pixel(b, 29, 23), black);
  EXPECT_EQ(Pixel(b, 10, 10), face);
  EXPECT_EQ(Pixel(b, 11, 10), face);
  // Down: sunken, and the face dithered with the highlight.
  b->SetDown(true);
  EXPECT_NE(PixelAt(b, 0, 0), white);
  EXPECT_EQ(Pixel(b, 29, 23), white);
  EXPECT_NE(Pixel(b, 10, 10), Pixel(b, 11, 10));
  EXPECT_TRUE(Pixel(b, 10, 10) == white || Pixel(b, 11, 10) == white);
  // Held by the mouse: sunken with a plain face.
  b->SetAllowAllUp(true);
  b->SetDown(false);
  Advance(1000);
  Mouse(host::EventType::MouseDown, b, 5, 5);
  EXPECT_EQ(PixelAt(b, 29, 23), white);
  EXPECT_EQ(Pixel(b, 10, 10), face);
  EXPECT_EQ(Pixel(b, 11, 10), face);
  Mouse(host::EventType::MouseUp, b, 5, 5);
}

TEST_F(SpeedButtonTest, CaptionIsCentredBlackWhenEnabledAndGreyWhenDisabled) {
  TSpeedButton* b = Add(form, 0, 10, "b");
  b->SetBounds(10, 10, 60, 24);
  b->SetCaption("WWW");
  b->GetFont()->SetColor(clBlack);
  auto inkIn = [&](int x0, int x1, COLORREF colour) {
    for (int y = 3; y < 21; y++)
      for (int x = x0; x < x1; x++)
        if (Pixel(b, x, y) == colour) return true;
    return false;
  };
  PaintNow();
  EXPECT_TRUE(inkIn(20, 40, 0));
  EXPECT_FALSE(inkIn(2, 10, 0)) << "centred: nothing near the left edge";
  b->SetEnabled(false);
  PaintNow();
  EXPECT_FALSE(inkIn(2, 58, 0));
  EXPECT_TRUE(inkIn(20, 40, ColorToRGB(clBtnShadow)));
}

}  // namespace
}  // namespace ctltest
