// The component that hooks its form's window procedure, and the one-per-form
// check with its exception.
#include <vector>

#include "controls/styled/styclass.h"
#include "styled/shared/fixture.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

constexpr UINT kProbe = WM_USER + 42;

class TRecorder : public TStyWndProcComponent {
  DRUMS_CLASS(TRecorder, TStyWndProcComponent)
 public:
  explicit TRecorder(TComponent* AOwner) : TStyWndProcComponent(AOwner) {
    if (CheckOwnerForm(AOwner, StaticClass(), false)) throw StyEOneInstError("TRecorder", 0);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == kProbe) {
      seen.push_back(static_cast<int>(Message.WParam));
      Message.Result = 7;
      return;
    }
    inherited::WndProc(Message);
  }
  std::vector<int> seen;
};

using WndProcComponent = StyledProcs;

TEST_F(WndProcComponent, SeesTheFormsMessagesAndUnhooksWhenFreed) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  HWND h = form->GetHandle();
  auto* hook = new TRecorder(form);
  hook->Activate();
  ASSERT_TRUE(hook->GetHooked());
  EXPECT_EQ(SendMessageA(h, kProbe, 5, 0), 7);
  EXPECT_EQ(hook->seen, std::vector<int>{5});
  // Other messages reach the form as before.
  SetWindowTextA(h, "Hooked");
  EXPECT_EQ(form->GetCaption(), "Hooked");
  hook->SetEnabled(false);  // Deactivate does nothing at this level
  EXPECT_TRUE(hook->GetHooked());
  delete hook;
  EXPECT_EQ(SendMessageA(h, kProbe, 6, 0), 0);
  SetWindowTextA(h, "Free");
  EXPECT_EQ(form->GetCaption(), "Free");
  delete form;
}

TEST_F(WndProcComponent, AHookedFormGoesCleanlyAndFreesItsProcedure) {
  // Many forms in turn: each component gives its window procedure back, so
  // the fixed set of procedures never runs out.
  for (int i = 0; i < 40; ++i) {
    TForm* form = TCustomForm::CreateNew<TForm>(Application);
    auto* hook = new TRecorder(form);
    hook->Activate();
    ASSERT_TRUE(hook->GetHooked()) << i;
    EXPECT_EQ(SendMessageA(form->GetHandle(), kProbe, static_cast<WPARAM>(i), 0), 7);
    delete form;  // the window goes first (WM_DESTROY through the hook), then the component
  }
}

TEST_F(WndProcComponent, SecondOneOnAFormRaises) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  new TRecorder(form);
  try {
    new TRecorder(form);
    FAIL() << "no exception";
  } catch (const StyEOneInstError& e) {
    EXPECT_EQ(e.GetMessage(), "TRecorder:\rInvalid owner (<>TForm) or second instance on a form");
  }
  EXPECT_EQ(form->GetComponentCount(), 1);
  EXPECT_THROW(TRecorder(nullptr), StyEOneInstError);
  EXPECT_EQ(StyEOneInstError("TX", 1).GetMessage(), "TX:\rAlready one TX control in this project!");
  EXPECT_EQ(StyEOneInstError("TX", 2).GetMessage(), "");
  EXPECT_FALSE(CheckOwnerForm(form, nullptr, false));
  delete form;
}

}  // namespace
}  // namespace styledtest
