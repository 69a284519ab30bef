// Combo boxes (index set by code, the user's choice, dropping down and
// closing, owner drawing), push buttons on the window manager's button
// class, and labels (size, accelerator, transparency).
#include <algorithm>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/StdCtrls.h"

namespace ctltest {
namespace {

class ComboTest : public ControlTest {
 protected:
  TComboBox* MakeCombo(TComboBoxStyle style) {
    auto* combo = new TComboBox(form);
    combo->SetStyle(style);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    combo->OnChange = [this](TObject*) { events.push_back("change"); };
    combo->OnDropDown = [this](TObject*) { events.push_back("dropdown"); };
    combo->OnCloseUp = [this](TObject*) { events.push_back("closeup"); };
    for (int i = 1; i <= 12; i++) combo->GetItems()->Add(std::to_string(i));
    return combo;
  }
  std::vector<std::string> events;
};

TEST_F(ComboTest, ItemIndexFromCodeFiresNothing) {
  TComboBox* combo = MakeCombo(csDropDownList);
  combo->SetItemIndex(2);
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->GetItemIndex(), 2);
  EXPECT_EQ(combo->GetText(), "3");
  combo->SetItemIndex(40);
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(events, std::vector<std::string>{});
}

TEST_F(ComboTest, TheUsersChoiceByKeyFiresOnChange) {
  TComboBox* combo = MakeCombo(csDropDownList);
  combo->SetItemIndex(0);
  combo->SetFocus();
  Pump();
  PressKey(VK_DOWN);
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(events, std::vector<std::string>{"change"});
}

TEST_F(ComboTest, DroppingDownAndClosingUpFireTheirEventsAndAChoiceFollows) {
  TComboBox* combo = MakeCombo(csDropDownList);
  combo->SetItemIndex(0);
  combo->SetDropDownCount(4);
  combo->SetFocus();
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->GetDroppedDown());
  combo->SetDroppedDown(true);
  // The dropped list shows DropDownCount items.
  RECT dropped{};
  SendMessageA(combo->GetHandle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  int itemHeight = static_cast<int>(SendMessageA(combo->GetHandle(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(dropped.bottom - dropped.top, combo->GetHeight() + 4 * itemHeight + 2);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_EQ(combo->GetItemIndex(), 1);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "dropdown");
  EXPECT_EQ(std::count(events.begin(), events.end(), "closeup"), 1);
  EXPECT_NE(std::find(events.begin(), events.end(), "change"), events.end());
}

TEST_F(ComboTest, AnEditableComboFiresOnChangeWhileTyping) {
  TComboBox* combo = MakeCombo(csDropDown);
  combo->SetText("5");
  EXPECT_EQ(combo->GetText(), "5");
  combo->SetFocus();
  Pump();
  Type("0");
  EXPECT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "change");
}

TEST_F(ComboTest, OwnerDrawnCombosMeasureAndDrawTheirItemsAndTheField) {
  auto* combo = new TComboBox(form);
  combo->SetStyle(csOwnerDrawVariable);
  combo->SetParent(form);
  combo->SetBounds(10, 10, 150, 21);
  std::vector<int> measured;
  combo->OnMeasureItem = [&](TWinControl* control, int index, int& height) {
    EXPECT_EQ(control, combo);
    measured.push_back(index);
    height = 18;
  };
  std::vector<std::pair<int, bool>> drawn;  // index, drawn in the field
  combo->OnDrawItem = [&](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    drawn.emplace_back(index, state.Contains(odComboBoxEdit));
    combo->GetCanvas()->GetBrush()->SetColor(clYellow);
    combo->GetCanvas()->FillRect(rect);
  };
  combo->GetItems()->Add("Yellow");
  combo->GetItems()->Add("Red");
  EXPECT_EQ(measured, (std::vector<int>{0, 1}));
  combo->SetItemIndex(1);
  PaintNow();
  bool fieldDrawn = false;
  for (auto& [index, field] : drawn) fieldDrawn = fieldDrawn || (field && index == 1);
  EXPECT_TRUE(fieldDrawn);
  drawn.clear();
  combo->SetDroppedDown(true);
  PaintNow();
  bool listDrawn = false;
  for (auto& [index, field] : drawn) listDrawn = listDrawn || !field;
  EXPECT_TRUE(listDrawn);
  combo->SetDroppedDown(false);
}

TEST_F(ComboTest, ItemsAndIndexSurviveANewWindow) {
  TComboBox* combo = MakeCombo(csDropDownList);
  combo->SetItemIndex(7);
  combo->SetStyle(csOwnerDrawFixed);
  EXPECT_EQ(combo->GetItems()->GetCount(), 12);
  EXPECT_EQ(combo->GetItemIndex(), 7);
  EXPECT_EQ(events, std::vector<std::string>{});
}

class ButtonTest : public ControlTest {};

TEST_F(ButtonTest, IsAWindowOfTheButtonClassAndAClickFiresOnClickOnce) {
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 90, 26);
  button->SetCaption("&Play Wave");
  int clicks = 0;
  button->OnClick = [&](TObject*) { clicks++; };
  // The window answers the button class's own messages.
  HWND hwnd = button->GetHandle();
  SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(SendMessageA(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED);
  SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
  ClickAt(button, 40, 12);
  EXPECT_EQ(clicks, 1);
  // A second press soon after is a second click.
  ClickAt(button, 40, 12);
  EXPECT_EQ(clicks, 2);
  button->SetFocus();
  Pump();
  PressKey(VK_SPACE);
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, DefaultStyleFollowsTheProperty) {
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetDefault(true);
  EXPECT_EQ(GetWindowLongA(button->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  button->SetDefault(false);
  EXPECT_EQ(GetWindowLongA(button->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

// Enter presses the focused button, or the Default one while the focus is
// on a control that is no button: each button is told where the focus went.
TEST_F(ButtonTest, TheActiveButtonFollowsTheFocus) {
  auto* ok = new TButton(form);
  ok->SetParent(form);
  ok->SetDefault(true);
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetTop(40);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetTop(80);
  auto type = [](TButton* b) { return GetWindowLongA(b->GetHandle(), GWL_STYLE) & BS_TYPEMASK; };
  struct Step {
    TWinControl* focus;
    bool okActive, otherActive;
  } steps[] = {{other, false, true}, {edit, true, false}, {ok, true, false}, {other, false, true}};
  int n = 0;
  for (const Step& s : steps) {
    s.focus->SetFocus();
    Pump();
    SCOPED_TRACE(n++);
    EXPECT_EQ(ok->GetActive(), s.okActive);
    EXPECT_EQ(other->GetActive(), s.otherActive);
    EXPECT_EQ(type(ok), s.okActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    EXPECT_EQ(type(other), s.otherActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  }
}

TEST_F(ButtonTest, EscapeOnACancelButtonEndsAModalFormWithItsResult) {
  TForm* dialog = TCustomForm::CreateNew<TForm>(Application);
  auto* cancel = new TButton(dialog);
  cancel->SetParent(dialog);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  auto* edit = new TEdit(dialog);
  edit->SetParent(dialog);
  edit->SetTop(40);
  int passes = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    if (!dialog->GetFormState().Contains(fsModal) || ++passes != 1) return;
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.key = VK_ESCAPE;
      e.window = win::user::HostWindowOf(dialog->GetHandle());
      host::headless::PushEvent(e);
    }
  };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

class LabelTest : public ControlTest {};

TEST_F(LabelTest, AutoSizeFitsTheTextAndWordWrapKeepsTheWidth) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetCaption("Track 1");
  int oneLine = label->GetHeight();
  int width = label->GetWidth();
  EXPECT_GT(width, 20);
  label->SetCaption("Track 12");
  EXPECT_GT(label->GetWidth(), width);
  label->SetWordWrap(true);
  label->SetWidth(30);
  label->SetCaption("Select a Wave File then Click");
  EXPECT_EQ(label->GetWidth(), 30);
  EXPECT_GT(label->GetHeight(), 2 * oneLine);
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetTop(60);
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetTop(100);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetCaption("&Name:");
  label->SetFocusControl(edit);
  other->SetFocus();
  Pump();
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'n', 0), 1);
  EXPECT_EQ(GetFocus(), edit->GetHandle());
  // Without ShowAccelChar the "&" is plain text, and no accelerator.
  label->SetShowAccelChar(false);
  other->SetFocus();
  form->Perform(CM_DIALOGCHAR, 'n', 0);
  EXPECT_EQ(GetFocus(), other->GetHandle());
  // The reference goes when the edit does.
  delete edit;
  EXPECT_EQ(label->GetFocusControl(), nullptr);
}

TEST_F(LabelTest, OpaqueLabelsPaintTheirColourAndTransparentOnesLetTheFormShow) {
  form->SetColor(clBlue);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 80, 20);
  label->SetColor(clRed);
  label->SetCaption("");
  EXPECT_EQ(PixelAt(label, 40, 10), 0x0000FFu);
  label->SetTransparent(true);
  EXPECT_EQ(PixelAt(label, 40, 10), 0xFF0000u);
}

TEST_F(LabelTest, LayoutAndAlignmentPlaceTheText) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 200, 60);
  label->SetColor(clWhite);
  label->GetFont()->SetColor(clBlack);
  label->SetCaption("WWWW");
  auto inkIn = [&](int x0, int x1, int y0, int y1) {
    PaintNow();
    for (int y = y0; y < y1; y++)
      for (int x = x0; x < x1; x++)
        if (Pixel(label, x, y) != 0xFFFFFFu) return true;
    return false;
  };
  label->SetAlignment(taRightJustify);
  label->SetLayout(tlBottom);
  EXPECT_TRUE(inkIn(150, 200, 40, 60));
  EXPECT_FALSE(inkIn(0, 100, 0, 60));
  label->SetAlignment(taCenter);
  label->SetLayout(tlCenter);
  EXPECT_TRUE(inkIn(80, 120, 20, 40));
}

}  // namespace
}  // namespace ctltest
