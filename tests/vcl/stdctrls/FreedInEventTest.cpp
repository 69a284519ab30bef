// A control freed by a handler of one of its own events: the library's
// event paths stop touching it once the handler returns (the sanitizer
// build reports any read of the freed control), and the form goes on
// handling input.
#include <functional>
#include <string>
#include <vector>

#include "fixture.h"
#include "support/FreedInEvent.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Grids.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/commctrl.h"

namespace {

using ctltest::ControlTest;

// Public, so that the table's cases can build on it.
class FreedInEvent : public ControlTest, public testsupport::FreeCounter {
 public:
  using ControlTest::ClickAt;
  using ControlTest::form;
  using ControlTest::PressKey;
  using ControlTest::Pump;
  using ControlTest::QueueKey;
  using ControlTest::Type;

  void SetUp() override {
    ControlTest::SetUp();
    InitCommonControls();
    next = new TButton(form);
    next->SetParent(form);
    next->SetBounds(360, 300, 90, 25);
    next->SetCaption("Next");
    next->OnClick = [this](TObject*) { nextClicks++; };
  }

  template <class T>
  T* Place(T* control, int width = 120, int height = 60) {
    control->SetParent(form);
    control->SetBounds(10, 10, width, height);
    return control;
  }

  TListView* MakeListView() {
    auto* lv = Place(new TListView(form), 200, 150);
    lv->SetViewStyle(vsReport);
    lv->GetColumns()->Add()->SetWidth(120);
    for (const char* caption : {"Kick", "Snare"}) lv->GetItems()->Add()->SetCaption(caption);
    lv->HandleNeeded();
    Pump();
    return lv;
  }

  TTreeView* MakeTreeView() {
    auto* tv = Place(new TTreeView(form), 200, 150);
    TTreeNode* kits = tv->GetItems()->Add(nullptr, "Kits");
    tv->GetItems()->AddChild(kits, "Rock");
    tv->GetItems()->Add(nullptr, "Songs");
    tv->HandleNeeded();
    Pump();
    return tv;
  }

  // The middle of an item's label.
  void ClickItem(TListView* lv, int index, bool doubleClick = false) {
    TRect r = lv->GetItems()->GetItem(index)->DisplayRect(drLabel);
    EXPECT_GT(r.Width(), 0);
    ClickAt(lv, r.Left + 4, (r.Top + r.Bottom) / 2, doubleClick);
  }
  void ClickNode(TTreeView* tv, TTreeNode* node, bool doubleClick = false) {
    TRect r = node->DisplayRect(true);
    EXPECT_GT(r.Width(), 0);
    ClickAt(tv, r.Left + 4, (r.Top + r.Bottom) / 2, doubleClick);
  }

  TButton* next = nullptr;
  int nextClicks = 0;
};

using PathCase = testsupport::FreedPathCase<FreedInEvent>;

std::vector<PathCase> PathCases() {
  return {
      {"a mouse click on a button",
       [](FreedInEvent& t) {
         auto* b = t.Place(new TButton(t.form));
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"the space bar on a focused button",
       [](FreedInEvent& t) {
         auto* b = t.Place(new TButton(t.form));
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         b->SetFocus();
         t.PressKey(VK_SPACE);
       }},
      {"Enter for the default button",
       [](FreedInEvent& t) {
         auto* edit = new TEdit(t.form);
         edit->SetParent(t.form);
         edit->SetBounds(10, 250, 100, 21);
         auto* b = t.Place(new TButton(t.form));
         b->SetDefault(true);
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         edit->SetFocus();
         t.PressKey(VK_RETURN);
       }},
      {"the mouse-up event of a button",
       [](FreedInEvent& t) {
         auto* b = t.Place(new TButton(t.form));
         b->OnMouseUp = [f = t.Freer(b)](TObject*, TMouseButton, TShiftState, int, int) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"a click on a window-less control",
       [](FreedInEvent& t) {
         auto* shape = t.Place(new TShape(t.form));
         shape->OnClick = [f = t.Freer(shape)](TObject*) { f(); };
         t.ClickAt(shape, 10, 10);
       }},
      {"a click on a check box",
       [](FreedInEvent& t) {
         auto* box = t.Place(new TCheckBox(t.form));
         box->OnClick = [f = t.Freer(box)](TObject*) { f(); };
         t.ClickAt(box, 5, 5);
       }},
      {"the space bar on a check box",
       [](FreedInEvent& t) {
         auto* box = t.Place(new TCheckBox(t.form));
         box->OnClick = [f = t.Freer(box)](TObject*) { f(); };
         box->SetFocus();
         t.PressKey(VK_SPACE);
       }},
      {"a key down in an edit",
       [](FreedInEvent& t) {
         auto* edit = t.Place(new TEdit(t.form), 100, 21);
         edit->OnKeyDown = [f = t.Freer(edit)](TObject*, WORD&, TShiftState) { f(); };
         edit->SetFocus();
         t.PressKey('A');
       }},
      {"a typed character in an edit",
       [](FreedInEvent& t) {
         auto* edit = t.Place(new TEdit(t.form), 100, 21);
         edit->OnKeyPress = [f = t.Freer(edit)](TObject*, char&) { f(); };
         edit->SetFocus();
         t.Type("a");
       }},
      {"typing that changes an edit",
       [](FreedInEvent& t) {
         auto* edit = t.Place(new TEdit(t.form), 100, 21);
         edit->OnChange = [f = t.Freer(edit)](TObject*) { f(); };
         edit->SetFocus();
         t.Type("a");
       }},
      {"code setting an edit's text",
       [](FreedInEvent& t) {
         auto* edit = t.Place(new TEdit(t.form), 100, 21);
         edit->OnChange = [f = t.Freer(edit)](TObject*) { f(); };
         edit->SetText("new");
       }},
      {"a key choosing in a combo box",
       [](FreedInEvent& t) {
         auto* combo = t.Place(new TComboBox(t.form), 100, 21);
         combo->SetStyle(csDropDownList);
         combo->GetItems()->Add("Kick");
         combo->GetItems()->Add("Snare");
         combo->OnChange = [f = t.Freer(combo)](TObject*) { f(); };
         combo->SetFocus();
         t.PressKey(VK_DOWN);
       }},
      {"typing into a combo box",
       [](FreedInEvent& t) {
         auto* combo = t.Place(new TComboBox(t.form), 100, 21);
         combo->OnChange = [f = t.Freer(combo)](TObject*) { f(); };
         combo->SetFocus();
         t.Type("a");
       }},
      {"a click on a list box item",
       [](FreedInEvent& t) {
         auto* list = t.Place(new TListBox(t.form), 100, 80);
         list->GetItems()->Add("Kick");
         list->GetItems()->Add("Snare");
         list->OnClick = [f = t.Freer(list)](TObject*) { f(); };
         t.ClickAt(list, 10, 5);
       }},
      {"a click on a list view item",
       [](FreedInEvent& t) {
         TListView* lv = t.MakeListView();
         lv->OnClick = [f = t.Freer(lv)](TObject*) { f(); };
         t.ClickItem(lv, 1);
       }},
      {"a double click on a list view item",
       [](FreedInEvent& t) {
         TListView* lv = t.MakeListView();
         lv->OnDblClick = [f = t.Freer(lv)](TObject*) { f(); };
         t.ClickItem(lv, 1, true);
       }},
      {"a list view's selection changing",
       [](FreedInEvent& t) {
         TListView* lv = t.MakeListView();
         lv->OnChange = [f = t.Freer(lv)](TObject*, TListItem*, TItemChange) { f(); };
         t.ClickItem(lv, 1);
       }},
      {"a click on a tree view node",
       [](FreedInEvent& t) {
         TTreeView* tv = t.MakeTreeView();
         tv->OnClick = [f = t.Freer(tv)](TObject*) { f(); };
         t.ClickNode(tv, tv->GetItems()->GetFirstNode());
       }},
      {"a double click on a tree view node",
       [](FreedInEvent& t) {
         TTreeView* tv = t.MakeTreeView();
         tv->OnDblClick = [f = t.Freer(tv)](TObject*) { f(); };
         t.ClickNode(tv, tv->GetItems()->GetFirstNode(), true);
       }},
      {"a tree view's selection changing",
       [](FreedInEvent& t) {
         TTreeView* tv = t.MakeTreeView();
         tv->OnChange = [f = t.Freer(tv)](TObject*, TTreeNode*) { f(); };
         t.ClickNode(tv, tv->GetItems()->GetFirstNode());
       }},
      {"a grid cell chosen by the mouse",
       [](FreedInEvent& t) {
         auto* grid = t.Place(new TDrawGrid(t.form), 200, 120);
         grid->SetDefaultColWidth(40);
         grid->SetDefaultRowHeight(20);
         grid->OnSelectCell = [f = t.Freer(grid)](TObject*, int, int, bool&) { f(); };
         t.ClickAt(grid, 100, 50);
       }},
      {"a grid key moving the current cell",
       [](FreedInEvent& t) {
         auto* grid = t.Place(new TDrawGrid(t.form), 200, 120);
         grid->OnSelectCell = [f = t.Freer(grid)](TObject*, int, int, bool&) { f(); };
         grid->SetFocus();
         t.PressKey(VK_DOWN);
       }},
      {"a menu command",
       [](FreedInEvent& t) {
         auto* menu = new TMainMenu(t.form);
         auto* file = new TMenuItem(t.form);
         file->SetCaption("&File");
         menu->GetItems()->Add(file);
         auto* open = new TMenuItem(t.form);
         open->SetCaption("&Open");
         file->Add(open);
         open->OnClick = [f = t.Freer(open)](TObject*) { f(); };
         t.form->SetMenu(menu);
         t.Pump();
         // Both keys wait in the queue: the menu's loop takes the second.
         t.QueueKey('F', host::ModAlt);
         t.QueueKey('O');
         t.Pump();
       }},
      {"a menu shortcut",
       [](FreedInEvent& t) {
         auto* menu = new TMainMenu(t.form);
         auto* file = new TMenuItem(t.form);
         file->SetCaption("&File");
         menu->GetItems()->Add(file);
         auto* save = new TMenuItem(t.form);
         save->SetCaption("&Save");
         save->SetShortCut(TextToShortCut("Ctrl+S"));
         file->Add(save);
         save->OnClick = [f = t.Freer(save)](TObject*) { f(); };
         t.form->SetMenu(menu);
         t.next->SetFocus();
         t.PressKey('S', host::ModCtrl);
       }},
  };
}

TEST_F(FreedInEvent, TheEventPathsStopAtAControlItsHandlerFreedAndTheFormGoesOn) {
  testsupport::RunFreedPaths(*this, PathCases(), [this] {
    Pump();
    ClickAt(next, 10, 10);
    return nextClicks;
  });
}

// A control released in its own event lives until the handler and the
// library are done with it, and is gone once the message loop has taken the
// posted release.
TEST_F(FreedInEvent, AControlReleasedInItsOwnClickGoesWhenTheLoopTakesTheRelease) {
  auto* b = Place(new TButton(form));
  TWeakRef<TButton> ref(b);
  bool aliveAfterRelease = false;
  b->OnClick = [&](TObject*) {
    b->Release();
    b->Release();  // twice frees once
    aliveAfterRelease = static_cast<bool>(ref);
  };
  ClickAt(b, 10, 10);
  Pump();
  EXPECT_TRUE(aliveAfterRelease);
  EXPECT_FALSE(ref);
  ClickAt(next, 10, 10);
  EXPECT_EQ(nextClicks, 1);
}

// CM_RELEASE, sent by code that may be inside one of the form's own events,
// goes through the same deferred release as TControl::Release.
TEST_F(FreedInEvent, AFormSentCmReleaseGoesWhenTheLoopTakesTheRelease) {
  auto* other = TCustomForm::CreateNew<TForm>(Application);
  TWeakRef<TForm> ref(other);
  SendMessageA(other->GetHandle(), CM_RELEASE, 0, 0);
  EXPECT_TRUE(ref);
  Pump();
  EXPECT_FALSE(ref);
}

TEST_F(FreedInEvent, AReleaseIsHarmlessWhenTheOwnerFreesTheControlFirst) {
  auto* panel = Place(new TPanel(form), 200, 100);
  auto* b = new TButton(panel);
  b->SetParent(panel);
  TWeakRef<TButton> ref(b);
  b->Release();
  delete panel;
  EXPECT_FALSE(ref);
  Pump();  // the posted release finds nothing to free
  // A component released without a window of its own goes as well.
  auto* timer = new TTimer(form);
  TWeakRef<TTimer> timerRef(timer);
  ReleaseComponent(timer);
  EXPECT_TRUE(timerRef);
  Pump();
  EXPECT_FALSE(timerRef);
}

}  // namespace
