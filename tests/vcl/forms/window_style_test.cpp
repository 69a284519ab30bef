// A form's frame and buttons become the styles of its window.
#include "fixture.h"

namespace formstest {
namespace {

class WindowStyle : public FormsTest {};

TEST_F(WindowStyle, BorderStyleAndIconsMapToWindowStyles) {
  const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    DWORD styleOn, styleOff, exOn, exOff;
  } cases[] = {
      {fbsNone, all, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0, WS_EX_TOOLWINDOW},
      {fbsSingle, all, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_THICKFRAME, 0, 0},
      {bsSizeable, all, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 0},
      {bsSizeable, TBorderIcons{biSystemMenu}, WS_SYSMENU, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0},
      {bsSizeable, TBorderIcons{}, WS_CAPTION, WS_SYSMENU, 0, 0},
      {bsDialog, all, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       WS_EX_DLGMODALFRAME, 0},
      {bsDialog, TBorderIcons{biSystemMenu, biHelp}, WS_SYSMENU, 0, WS_EX_CONTEXTHELP, 0},
      {bsToolWindow, all, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW, 0},
      {bsSizeToolWin, all, WS_CAPTION | WS_THICKFRAME, WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW, 0},
  };
  for (const Case& c : cases) {
    TForm* form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBorderStyle(c.border);
    form->SetBorderIcons(c.icons);
    DWORD style = static_cast<DWORD>(GetWindowLongA(form->GetHandle(), GWL_STYLE));
    DWORD ex = static_cast<DWORD>(GetWindowLongA(form->GetHandle(), GWL_EXSTYLE));
    SCOPED_TRACE(testing::Message() << "border " << c.border << " icons " << c.icons.Bits());
    EXPECT_EQ(style & c.styleOn, c.styleOn);
    EXPECT_EQ(style & c.styleOff, 0u);
    EXPECT_EQ(ex & c.exOn, c.exOn);
    EXPECT_EQ(ex & c.exOff, 0u);
    EXPECT_EQ(style & WS_CHILD, 0u);
    EXPECT_EQ(GetWindow(form->GetHandle(), GW_OWNER), Application->GetHandle());
    delete form;
  }
}

TEST_F(WindowStyle, ChangingTheFrameOfAShownFormKeepsItShownWithTheNewStyle) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  form->SetCaption("Kept");
  form->Show();
  Pump();
  form->SetBorderStyle(bsDialog);
  Pump();
  EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
  EXPECT_NE(GetWindowLongA(form->GetHandle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  EXPECT_EQ(form->GetCaption(), "Kept");
  delete form;
}

TEST_F(WindowStyle, ResizingAShownFormFiresOnResizeOncePerSize) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  form->SetBounds(10, 10, 300, 200);
  form->Show();
  Pump();
  int resizes = 0;
  form->OnResize = [&](TObject*) { ++resizes; };
  form->SetBounds(10, 10, 320, 240);
  Pump();
  EXPECT_EQ(resizes, 1);
  form->SetBounds(40, 40, 320, 240);  // a move alone is no resize
  Pump();
  EXPECT_EQ(resizes, 1);
  delete form;
}

}  // namespace
}  // namespace formstest
