// A bitmap control freed by a handler of one of its own events: the
// slider's repaint after OnChange, the buttons' click and the popup
// button's menu stop at the freed control (the sanitizer build reports any
// read of it), and the form goes on handling input.
#include <functional>
#include <vector>

#include "bmp/shared/fixture.h"
#include "support/FreedInEvent.h"
#include "controls/bmp/BmpCtrls.h"
#include "platform/host/headless.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/drums_ext.h"

namespace bmptest {
namespace {

class BmpFreedInEvent : public BmpTest, public testsupport::FreeCounter {
 public:
  using BmpTest::Pump;

  void SetUp() override {
    BmpTest::SetUp();
    InitBmpCtrls();
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    next = new TButton(form);
    next->SetParent(form);
    next->SetBounds(300, 220, 80, 25);
    next->OnClick = [this](TObject*) { nextClicks++; };
    Pump();
  }
  void TearDown() override {
    Application->OnIdle = nullptr;
    delete form;
    BmpTest::TearDown();
  }

  template <class T>
  T* Place(T* control) {
    control->SetParent(form);
    control->SetBounds(20, 20, 120, 30);
    return control;
  }

  void ClickAt(TWinControl* control, int x, int y) { ClickThroughHost(form, control, x, y); }

  // A popup menu of one item, whose click runs chosen.
  TPopupMenu* MakeMenu(std::function<void()> chosen) {
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("120");
    item->OnClick = [chosen](TObject*) { chosen(); };
    menu->GetItems()->Add(item);
    return menu;
  }

  // Chooses the menu's first item once its loop idles.
  void ChooseWhenOpen() {
    Application->OnIdle = [](TObject*, bool& done) {
      done = true;
      HWND menuWindow = FindWindowA("#32768", nullptr);
      if (!menuWindow) return;
      PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    };
  }

  TForm* form = nullptr;
  TButton* next = nullptr;
  int nextClicks = 0;
};

using PathCase = testsupport::FreedPathCase<BmpFreedInEvent>;

std::vector<PathCase> PathCases() {
  return {
      {"a click beside the slider's thumb",
       [](BmpFreedInEvent& t) {
         auto* slider = t.Place(new TBmpTrackBar(t.form));
         slider->OnChange = [f = t.Freer(slider)](TObject*) { f(); };
         t.ClickAt(slider, 110, 15);
       }},
      {"a key moving the slider",
       [](BmpFreedInEvent& t) {
         auto* slider = t.Place(new TBmpTrackBar(t.form));
         slider->OnChange = [f = t.Freer(slider)](TObject*) { f(); };
         SendMessageA(slider->GetHandle(), WM_KEYDOWN, VK_END, 0);
       }},
      {"a click on a bitmap button",
       [](BmpFreedInEvent& t) {
         auto* b = t.Place(new TBmpBtn(t.form));
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"a click on a popup button",
       [](BmpFreedInEvent& t) {
         auto* b = t.Place(new TBmpPopupButton2(t.form));
         b->SetDownMenu(t.MakeMenu([] {}));
         b->OnClick = [f = t.Freer(b)](TObject*) { f(); };
         t.ClickAt(b, 10, 10);
       }},
      {"a command of a popup button's menu",
       [](BmpFreedInEvent& t) {
         auto* b = t.Place(new TBmpPopupButton2(t.form));
         b->SetDownMenu(t.MakeMenu(t.Freer(b)));
         t.ChooseWhenOpen();
         t.ClickAt(b, 10, 10);
         Application->OnIdle = nullptr;
       }},
  };
}

TEST_F(BmpFreedInEvent, TheEventPathsStopAtAControlItsHandlerFreedAndTheFormGoesOn) {
  testsupport::RunFreedPaths(*this, PathCases(), [this] {
    Pump();
    ClickAt(next, 10, 10);
    return nextClicks;
  });
}

}  // namespace
}  // namespace bmptest
