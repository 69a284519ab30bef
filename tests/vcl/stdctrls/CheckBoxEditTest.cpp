// Check boxes and edits: what setting a property fires (a new value its
// event, the value the control already has nothing), and the user's input.
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/StdCtrls.h"

namespace ctltest {
namespace {

class CheckBoxTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    box = new TCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 20);
    box->SetCaption("Mute");
    box->OnClick = [this](TObject*) { clicks.push_back(box->GetState()); };
    Pump();
  }
  TCheckBox* box = nullptr;
  std::vector<TCheckBoxState> clicks;  // the state each click saw
};

TEST_F(CheckBoxTest, SettingCheckedToANewValueClicksAndTheSameValueDoesNothing) {
  struct Step {
    bool value;
    std::vector<TCheckBoxState> clicksAfter;
  };
  const Step steps[] = {
      {false, {}},  // already unchecked
      {true, {cbChecked}}, {true, {cbChecked}}, {false, {cbChecked, cbUnchecked}}, {false, {cbChecked, cbUnchecked}},
  };
  for (const Step& s : steps) {
    box->SetChecked(s.value);
    EXPECT_EQ(clicks, s.clicksAfter) << "after Checked := " << s.value;
    EXPECT_EQ(SendMessageA(box->GetHandle(), BM_GETCHECK, 0, 0), s.value ? BST_CHECKED : BST_UNCHECKED);
  }
}

TEST_F(CheckBoxTest, HandlersThatSetEachOtherSettleWithoutLooping) {
  // Two boxes kept in step by their handlers, as the mixer's mute boxes are.
  auto* other = new TCheckBox(form);
  other->SetParent(form);
  box->OnClick = [&](TObject*) {
    clicks.push_back(box->GetState());
    other->SetChecked(box->GetChecked());
  };
  int otherClicks = 0;
  other->OnClick = [&](TObject*) {
    otherClicks++;
    box->SetChecked(other->GetChecked());
  };
  box->SetChecked(true);
  EXPECT_TRUE(other->GetChecked());
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(otherClicks, 1);
}

TEST_F(CheckBoxTest, AClickOfTheUserTogglesAndGrayedComesOnlyWhenAllowed) {
  ClickAt(box, 6, 10);
  EXPECT_TRUE(box->GetChecked());
  ClickAt(box, 6, 10);
  EXPECT_EQ(box->GetState(), cbUnchecked);
  box->SetAllowGrayed(true);
  ClickAt(box, 6, 10);
  ClickAt(box, 6, 10);
  EXPECT_EQ(clicks, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbGrayed, cbChecked}));
  EXPECT_EQ(SendMessageA(box->GetHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(CheckBoxTest, StateSurvivesANewWindow) {
  box->SetState(cbGrayed);
  box->SetAlignment(taLeftJustify);  // makes the window again
  EXPECT_EQ(SendMessageA(box->GetHandle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_TRUE(GetWindowLongA(box->GetHandle(), GWL_STYLE) & BS_LEFTTEXT);
}

class EditTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 40, 120, 21);
    edit->OnChange = [this](TObject*) { changes.push_back(edit->GetText()); };
    Pump();
  }
  TEdit* edit = nullptr;
  std::vector<std::string> changes;
};

TEST_F(EditTest, SettingTextFiresOnChangeOnlyForANewText) {
  edit->SetText("-12");
  edit->SetText("-12");
  edit->SetText("");
  edit->SetText("");
  EXPECT_EQ(changes, (std::vector<std::string>{"-12", ""}));
}

TEST_F(EditTest, TextSetBeforeTheWindowChangesOnceAndTheWindowKeepsIt) {
  auto* late = new TEdit(form);
  int lateChanges = 0;
  late->OnChange = [&](TObject*) { lateChanges++; };
  late->SetText("Bassdrum");
  late->SetText("Bassdrum");
  EXPECT_EQ(lateChanges, 1);
  late->SetParent(form);
  late->HandleNeeded();
  EXPECT_EQ(lateChanges, 1);
  char text[32] = {};
  GetWindowTextA(late->GetHandle(), text, sizeof text);
  EXPECT_STREQ(text, "Bassdrum");
}

TEST_F(EditTest, TypingRespectsMaxLengthAndReadOnly) {
  edit->SetMaxLength(10);
  edit->SetFocus();
  Type("Perc4 and more");
  EXPECT_EQ(edit->GetText(), "Perc4 and ");
  EXPECT_EQ(changes.back(), "Perc4 and ");
  edit->SetReadOnly(true);
  edit->SetSelStart(0);
  Type("x");
  EXPECT_EQ(edit->GetText(), "Perc4 and ");
}

TEST_F(EditTest, OnKeyPressMayChangeOrSwallowTheKey) {
  edit->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  };
  edit->SetFocus();
  Type("axb");
  EXPECT_EQ(edit->GetText(), "Ab");
}

TEST_F(EditTest, EnteringByTabSelectsTheWholeText) {
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetTop(80);
  edit->SetText("Tom1");
  other->SetFocus();
  Pump();
  form->SelectNext(other, true, true);
  Pump();
  EXPECT_EQ(GetFocus(), edit->GetHandle());
  EXPECT_EQ(edit->GetSelStart(), 0);
  EXPECT_EQ(edit->GetSelLength(), 4);
}

TEST_F(EditTest, SelectionIsReadAndSetInCharacters) {
  edit->SetText("Sub kick");
  edit->SetSelStart(4);
  edit->SetSelLength(4);
  EXPECT_EQ(edit->GetSelStart(), 4);
  EXPECT_EQ(edit->GetSelLength(), 4);
  EXPECT_EQ(edit->GetSelText(), "kick");
  edit->SetSelText("snare");
  EXPECT_EQ(edit->GetText(), "Sub snare");
}

TEST_F(EditTest, EnterAndExitFollowTheFocus) {
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetTop(80);
  std::vector<std::string> events;
  edit->OnEnter = [&](TObject*) { events.push_back("enter"); };
  edit->OnExit = [&](TObject*) { events.push_back("exit"); };
  edit->OnClick = [&](TObject*) { events.push_back("click"); };
  edit->SetText("Tom1");
  // A click into the edit focuses it and is its click (the kit editor's name
  // edits choose their track by it).
  ClickAt(edit, 60, 10);
  EXPECT_EQ(GetFocus(), edit->GetHandle());
  EXPECT_EQ(edit->GetSelLength(), 0);
  other->SetFocus();
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "click", "exit"}));
}

}  // namespace
}  // namespace ctltest
