// A styled control freed by a handler of one of its own events: its click,
// drop-down and change paths stop at the freed control (the sanitizer
// build reports any read of it), and the form goes on handling input.
#include <functional>
#include <vector>

#include "controls/styled/styextcA/TrackBar.h"
#include "controls/styled/stystdcA/SpinEdit.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/windows.h"
#include "styled/controls/stybtn_fixture.h"
#include "support/FreedInEvent.h"

namespace styledtest {
namespace {

class StyledFreedInEvent : public Buttons, public testsupport::FreeCounter {
 public:
  using Buttons::Advance;
  using Buttons::ClickAt;
  using Buttons::CloseMenusAfter;
  using Buttons::Down;
  using Buttons::MakeMenu;
  using Buttons::Move;
  using Buttons::Pump;

  void SetUp() override {
    Buttons::SetUp();
    form->Show();
    next = new TButton(form);
    next->SetParent(form);
    next->SetBounds(200, 150, 80, 25);
    next->OnClick = [this](TObject*) { nextClicks++; };
    Pump();
  }

  template <class T>
  T* Place(T* control) {
    control->SetParent(form);
    control->SetBounds(20, 20, 100, 30);
    return control;
  }

  // A window-less button that acts on the press (a repeat, a drop-down)
  // may be gone before the release: that goes to the form it was on.
  void PressOnly(TControl* b) {
    const int x = b->GetLeft() + 10, y = b->GetTop() + 10;
    Move(b, 10, 10);
    Down(b, 10, 10);
    SendMessageA(form->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  // The release goes to the window even when the press freed its control.
  void Key(TWinControl* control, WORD vk) {
    HWND window = control->GetHandle();
    SendMessageA(window, WM_KEYDOWN, vk, 0);
    SendMessageA(window, WM_KEYUP, vk, 0xC0000000);
  }

  TButton* next = nullptr;
  int nextClicks = 0;
};

using PathCase = testsupport::FreedPathCase<StyledFreedInEvent>;

std::vector<PathCase> PathCases() {
  return {
      {"a click on a graphic button",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyCustomSpeedButton(t.form));
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"the first click of a repeating graphic button",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyCustomSpeedButton(t.form));
         b->SetRepeatedClick(true);
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.PressOnly(b);
         t.Advance(600);
       }},
      {"a graphic button's accelerator",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyCustomSpeedButton(t.form));
         b->SetCaption("&Go");
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.form->Perform(CM_DIALOGCHAR, 'G', 0);
       }},
      {"a graphic button's drop-down",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyOfficeButton(t.form));
         b->SetDropDownMenu(t.MakeMenu());
         b->OnDropDown = [f = t.Freer(b)](TObject*) { f(); };
         t.PressOnly(b);
       }},
      {"a graphic button's open menu",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyOfficeButton(t.form));
         b->SetDropDownMenu(t.MakeMenu());
         t.CloseMenusAfter(t.Freer(b));
         t.PressOnly(b);
         Application->OnIdle = nullptr;
       }},
      {"a click on a push button with a menu",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyButton(t.form));
         b->SetDropDownMenu(t.MakeMenu());
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"a push button's drop-down",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyButton(t.form));
         b->SetDropDownMenu(t.MakeMenu());
         b->OnDropDown = [f = t.Freer(b)](TObject*) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"a push button's open menu",
       [](StyledFreedInEvent& t) {
         auto* b = t.Place(new TStyButton(t.form));
         b->SetDropDownMenu(t.MakeMenu());
         t.CloseMenusAfter(t.Freer(b));
         t.ClickAt(b, 10, 10);
         Application->OnIdle = nullptr;
       }},
      {"a track bar moved by a key",
       [](StyledFreedInEvent& t) {
         auto* bar = t.Place(new TStyTrackBar(t.form));
         bar->OnChange = [f = t.Freer(bar)](TObject*) { f(); };
         t.Key(bar, VK_RIGHT);
       }},
      {"a track bar moved by the wheel",
       [](StyledFreedInEvent& t) {
         auto* bar = t.Place(new TStyTrackBar(t.form));
         bar->OnChange = [f = t.Freer(bar)](TObject*) { f(); };
         SendMessageA(bar->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
       }},
      {"a spin edit stepped by a key",
       [](StyledFreedInEvent& t) {
         auto* spin = t.Place(new TStySpinEdit(t.form));
         spin->SetValue(5);
         spin->OnChange = [f = t.Freer(spin)](TObject*) { f(); };
         t.Key(spin, VK_UP);
       }},
  };
}

TEST_F(StyledFreedInEvent, TheEventPathsStopAtAControlItsHandlerFreedAndTheFormGoesOn) {
  testsupport::RunFreedPaths(*this, PathCases(), [this] {
    Pump();
    ClickAt(next, 10, 10);
    Pump();
    return nextClicks;
  });
}

}  // namespace
}  // namespace styledtest
