// The buttons' tests: a shown headless form, mouse input through the form's
// and the buttons' windows, and time moved on in the shared timer pool's
// steps.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/styled/stybtn.h"
#include "styled/shared/fixture.h"

namespace styledtest {

class Buttons : public StyledProcs {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Milliseconds since the test began.
  int Now() const;
  // Moves the clock on in 50 ms steps (the pool's period), pumping each.
  void Advance(int ms);

  // Mouse input at (x, y) of the control: a graphic control's messages go
  // through its parent's window, a windowed control's to its own.
  void Move(TControl* c, int x, int y);
  void Down(TControl* c, int x, int y, bool twice = false);
  void Up(TControl* c, int x, int y);
  void ClickAt(TControl* c, int x, int y) {
    Move(c, x, y);
    Down(c, x, y);
    Up(c, x, y);
  }

  // A popup menu of one item, owned by the form; while it is open, Look
  // runs once and the menu is then closed, so that no test hangs in it.
  TPopupMenu* MakeMenu();
  void CloseMenusAfter(std::function<void()> Look);

  // A form-sized sheet with the form painted on it.
  Sheet Snapshot();
  // Saves the sheet twice the size, so that frames can be made out.
  bool SaveLarge(Sheet& sheet, const std::string& name);

 public:
  TForm* form = nullptr;

 private:
  HWND Target(TControl* c, int& x, int& y);
  int FStart = 0;
};

// The play button's two faces over a bitmap list: item 0 up, item 1 down,
// 32 x 32, a disc on the transparent colour $808000.
constexpr TColor kFaceTransparent = static_cast<TColor>(0x808000);
TStyBitmapList* MakePlayFaces(TComponent* owner);
// The play button as the drum machine sets it up.
TStyMMButton* MakePlayButton(TForm* form, TStyBitmapList* faces, int left, int top);

}  // namespace styledtest
