// The spin edit: reading and repairing its text, clamping, stepping by the
// button, keys and wheel, the characters it takes, Enter as a dialog key, and
// the button's place at its right end.
#include <climits>
#include <vector>

#include "controls/styled/stystdcA.h"
#include "platform/vcl/StdCtrls.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

class SpinEdit : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 240, 120);
    spin = new TStySpinEdit(form);
    spin->SetParent(form);
    spin->SetBounds(10, 10, 80, 21);
    spin->SetMaxValue(250);  // the skins dialog's SpinPlayLeft
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  void Key(WORD key) { spin->Perform(WM_KEYDOWN, key, 0); }
  void Type(char c) { spin->Perform(WM_CHAR, static_cast<unsigned char>(c), 0); }

  TForm* form = nullptr;
  TStySpinEdit* spin = nullptr;
};

TEST_F(SpinEdit, ValueReadsAndRepairsTheText) {
  struct Case {
    const char* suffix;
    const char* text;
    int value;
    const char* after;
  } cases[] = {
      {"", "42", 42, "42"},
      {"", "", 0, "0"},
      {"", "x1", 0, "0"},
      {"", "300", 300, "300"},  // read, not clamped
      {" ms", "12 ms", 12, "12 ms"},
      {" ms", "12", 12, "12 ms"},
      {" ms", "ms", 0, "0 ms"},
      {" ms", "a-7b ms", -7, "-7 ms"},
      {" ms", "1-2 ms", 0, "0 ms"},  // figures that make no number
  };
  for (const Case& c : cases) {
    spin->SetSuffix(c.suffix);
    spin->SetText(c.text);
    EXPECT_EQ(spin->GetValue(), c.value) << '"' << c.text << '"';
    EXPECT_EQ(spin->GetText(), c.after) << '"' << c.text << '"';
  }
}

TEST_F(SpinEdit, WritingClampsToTheRange) {
  spin->SetValue(300);
  EXPECT_EQ(spin->GetText(), "250");
  spin->SetValue(-3);
  EXPECT_EQ(spin->GetText(), "0");
  spin->SetSuffix(" ms");
  spin->SetValue(12);
  EXPECT_EQ(spin->GetText(), "12 ms");
  spin->SetMaxValue(10);  // lowers the value
  EXPECT_EQ(spin->GetText(), "10 ms");
  spin->SetMaxValue(0);  // not above MinValue: ignored
  EXPECT_EQ(spin->GetMaxValue(), 10);
  spin->SetMinValue(10);  // not below MaxValue: ignored
  EXPECT_EQ(spin->GetMinValue(), 0);
  spin->SetMinValue(5);
  spin->SetValue(1);
  EXPECT_EQ(spin->GetText(), "5 ms");
}

TEST_F(SpinEdit, LeavingTheFieldClampsWhatWasTyped) {
  spin->SetText("300");
  spin->Perform(CM_EXIT, 0, 0);
  EXPECT_EQ(spin->GetText(), "250");
  spin->SetText("120");
  spin->Perform(CM_EXIT, 0, 0);
  EXPECT_EQ(spin->GetText(), "120");
}

TEST_F(SpinEdit, KeysWheelAndButtonStep) {
  spin->SetValue(100);
  Key(VK_UP);
  EXPECT_EQ(spin->GetValue(), 101);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(spin->GetValue(), 99);
  Key(VK_PRIOR);
  EXPECT_EQ(spin->GetValue(), 109);
  Key(VK_NEXT);
  EXPECT_EQ(spin->GetValue(), 99);
  spin->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(20, 20));
  EXPECT_EQ(spin->GetValue(), 100);
  spin->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(20, 20));
  EXPECT_EQ(spin->GetValue(), 99);
  TStySpinButton* button = spin->GetButton();
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(spin->GetValue(), 100);
  spin->SetValue(250);
  Key(VK_PRIOR);
  EXPECT_EQ(spin->GetValue(), 250) << "stepping stays in the range";
  spin->SetReadOnly(true);
  Key(VK_NEXT);
  Key(VK_DOWN);
  EXPECT_EQ(spin->GetValue(), 250);
}

TEST_F(SpinEdit, StepsOfTheWholeIntegerRangeHoldAtTheEnds) {
  spin->SetMinValue(-10);
  struct Case {
    const char* what;
    int lineSize, pageSize;
    WORD key;
    int expected;
  } cases[] = {
      {"up by the largest step", INT_MAX, 10, VK_UP, 250},
      {"down by the largest step", INT_MAX, 10, VK_DOWN, -10},
      {"down by the most negative step", INT_MIN, 10, VK_DOWN, 250},
      {"page down by the most negative page", 1, INT_MIN, VK_NEXT, 250},
      {"page up by the most negative page", 1, INT_MIN, VK_PRIOR, -10},
  };
  for (const Case& c : cases) {
    spin->SetValue(100);
    spin->SetLineSize(c.lineSize);
    spin->SetPageSize(c.pageSize);
    Key(c.key);
    EXPECT_EQ(spin->GetValue(), c.expected) << c.what;
  }
}

TEST_F(SpinEdit, OnlySignsAndFiguresAreTyped) {
  spin->SetText("");
  for (char c : std::string("1a2+b")) Type(c);
  EXPECT_EQ(spin->GetText(), "12+");
  spin->SetEditorEnabled(false);
  Type('3');
  EXPECT_EQ(spin->GetText(), "12+");
}

TEST_F(SpinEdit, EnterGoesToTheFormAsADialogKey) {
  std::vector<WPARAM> dialogKeys;
  TWndMethod old = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_DIALOGKEY) dialogKeys.push_back(m.WParam);
    old(m);
  };
  spin->SetValue(7);
  Type('\r');
  Type('\x1b');
  form->WindowProc = old;
  EXPECT_EQ(dialogKeys, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(spin->GetText(), "7") << "Enter does not reach the edit";
}

TEST_F(SpinEdit, ButtonSitsSquareAtTheRightEnd) {
  TStySpinButton* button = spin->GetButton();
  const int side = button->GetWidth();
  EXPECT_EQ(button->GetHeight(), side);
  EXPECT_EQ(button->GetParent()->GetLeft(), spin->GetWidth() - spin->GetHeight());
  EXPECT_EQ(button->GetParent()->GetLeft() + side, spin->GetClientWidth());
  spin->SetHeight(5);  // lower than the text: raised back
  EXPECT_GT(spin->GetHeight(), 5);
  EXPECT_GE(spin->GetHeight(), spin->GetFont()->GetHeight() < 0 ? -spin->GetFont()->GetHeight() : 13);
}

}  // namespace
}  // namespace styledtest

namespace styledtest {
namespace {

TEST_F(StyledProcs, SpinEditStreamsItsRangeSuffixAndValue) {
  TStySpinEdit spin(nullptr);
  spin.SetName("SpinPlayLeft");
  spin.SetMaxValue(250);
  spin.SetSuffix(" ms");
  spin.SetValue(120);
  spin.SetInterval(150);
  TMemoryStream binary;
  WriteComponent(&binary, &spin);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  for (const char* line : {"MaxValue = 250", "Suffix = ' ms'", "Value = 120", "Interval = 150"})
    EXPECT_NE(text.GetDataString().find(line), std::string::npos) << line << "\n" << text.GetDataString();
  binary.SetPosition(0);
  TStySpinEdit back(nullptr);
  ReadComponent(&binary, &back);
  EXPECT_EQ(back.GetMaxValue(), 250);
  EXPECT_EQ(back.GetValue(), 120);
  EXPECT_EQ(back.GetText(), "120 ms");
  EXPECT_EQ(back.GetInterval(), 150);
}

}  // namespace
}  // namespace styledtest
