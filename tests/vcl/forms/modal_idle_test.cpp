// The idle handler keeps running inside every modal loop: a modal form's
// and the window manager's message box. The handler itself drives each
// loop, posting a message to wake it again, until it ends the loop.
#include "fixture.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/drums_ext.h"

namespace formstest {
namespace {

// The main form of these tests is made in code (CreateNew): none of them
// needs a resource.
class ModalLoops : public FormsTest {};

TEST_F(ModalLoops, IdleRunsWhileAModalFormIsShownAndOtherWindowsAreDisabled) {
  TForm* main = TCustomForm::CreateNew<TForm>(Application);
  main->Show();
  Pump();
  TForm* dialog = TCustomForm::CreateNew<TForm>(Application);
  int modalPasses = 0;
  bool mainEnabledDuringModal = true;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    if (!dialog->GetFormState().Contains(fsModal)) return;
    mainEnabledDuringModal = IsWindowEnabled(main->GetHandle()) != FALSE;
    if (++modalPasses == 3) dialog->SetModalResult(mrRetry);
    // The loop looks at ModalResult after each message: wake it.
    PostMessageA(Application->GetHandle(), WM_NULL, 0, 0);
  };
  EXPECT_EQ(dialog->ShowModal(), mrRetry);
  EXPECT_EQ(modalPasses, 3);
  EXPECT_FALSE(mainEnabledDuringModal);
  EXPECT_TRUE(IsWindowEnabled(main->GetHandle()));
  EXPECT_FALSE(dialog->GetVisible());
  EXPECT_FALSE(dialog->GetFormState().Contains(fsModal));
}

TEST_F(ModalLoops, IdleRunsWhileAMessageBoxIsOpen) {
  TForm* main = TCustomForm::CreateNew<TForm>(Application);
  main->Show();
  Pump();
  int boxPasses = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    HWND box = win::user::CurrentMessageBox();
    if (box == nullptr) return;
    if (++boxPasses < 3) {
      PostMessageA(box, WM_NULL, 0, 0);
      return;
    }
    if (boxPasses > 3) return;
    // Answer the box as a person would: Enter on its default button.
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.key = VK_RETURN;
      e.window = HostOf(box);
      host::headless::PushEvent(e);
    }
  };
  EXPECT_EQ(Application->MessageBox("Carry on?", "Question", MB_OKCANCEL), IDOK);
  EXPECT_GE(boxPasses, 3);
}

TEST_F(ModalLoops, EnterOnTheDefaultButtonEndsTheModalFormWithItsResult) {
  TForm* main = TCustomForm::CreateNew<TForm>(Application);
  main->Show();
  Pump();
  TForm* dialog = TCustomForm::CreateNew<TForm>(Application);
  auto* ok = new TButton(dialog);
  ok->SetParent(dialog);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  int passes = 0;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    if (!dialog->GetFormState().Contains(fsModal) || ++passes != 1) return;
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.key = VK_RETURN;
      e.window = HostOf(dialog->GetHandle());
      host::headless::PushEvent(e);
    }
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(ModalLoops, AVisibleFormCannotBeMadeModal) {
  TForm* dialog = TCustomForm::CreateNew<TForm>(Application);
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

}  // namespace
}  // namespace formstest
