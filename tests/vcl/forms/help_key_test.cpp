// F1 on a form: the focused control's topic, else the nearest parent's with
// one, else the form's; the form's own help file before the application's;
// and the help file's contents where nothing names a topic.
#include "fixture.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/winuser_help.h"

namespace formstest {
namespace {

const std::string HelpDir = FORMS_TEST_HELP_DIR;

class F1OnForms : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Application->SetHelpFile(HelpDir + "/Manual.hlp");
  }
  void TearDown() override {
    WinHelpA(nullptr, nullptr, HELP_QUIT, 0);
    Pump();
    FormsTest::TearDown();
  }

  // A shown form of the given topic.
  TForm* MakeForm(int topic) {
    TForm* form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBounds(100, 100, 320, 240);
    form->SetHelpContext(topic);
    form->Show();
    return form;
  }
  template <class T>
  T* Add(TWinControl* parent, int topic, int top) {
    T* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(10, top, 120, 24);
    control->SetHelpContext(topic);
    return control;
  }

  // F1 pressed while control has the focus: the help window's caption
  // ("<title> - <topic>"), or "none"; the help window is closed again.
  std::string F1On(TWinControl* control) {
    control->SetFocus();
    Pump();
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.key = VK_F1;
      e.window = HostOf(GetAncestor(control->GetHandle(), GA_ROOT));
      host::headless::PushEvent(e);
    }
    Pump();
    std::string caption = "none";
    if (HWND viewer = FindWindowA("DrumsHelpViewer", nullptr)) {
      char text[128] = {};
      GetWindowTextA(viewer, text, sizeof text);
      caption = text;
    }
    WinHelpA(nullptr, nullptr, HELP_QUIT, 0);
    Pump();
    return caption;
  }
};

TEST_F(F1OnForms, TheFocusedControlOrItsNearestParentWithATopicNamesIt) {
  TForm* form = MakeForm(160);
  TPanel* plain = Add<TPanel>(form, 0, 10);
  plain->SetHeight(90);
  TEdit* own = Add<TEdit>(plain, 210, 10);
  TEdit* inPlain = Add<TEdit>(plain, 0, 50);
  TPanel* saving = Add<TPanel>(form, 220, 110);
  saving->SetHeight(50);
  TEdit* inSaving = Add<TEdit>(saving, 0, 10);
  TButton* button = Add<TButton>(form, 15, 170);
  Pump();
  const struct {
    TWinControl* focused;
    std::string shown;
  } cases[] = {
      {own, "Brenkavar Tambrel Manual - Loading a User Drum Kit"},
      {inSaving, "Brenkavar Tambrel Manual - Saving a User Drum Kit"},
      {inPlain, "Brenkavar Tambrel Manual - Song, Sample and MIDI File Dialogs"},
      {button, "Brenkavar Tambrel Manual - Getting Started"},
  };
  for (const auto& c : cases) EXPECT_EQ(F1On(c.focused), c.shown) << c.focused->ClassName();
}

TEST_F(F1OnForms, AFormsOwnHelpFileComesBeforeTheApplications) {
  TForm* skins = MakeForm(25);
  skins->SetHelpFile(HelpDir + "/Tambrel.hlp");
  TEdit* edit = Add<TEdit>(skins, 0, 10);
  Pump();
  EXPECT_EQ(F1On(edit), "Brenkavar Tambrel Skins - Skins");
  skins->SetHelpFile("");
  skins->SetHelpContext(220);
  EXPECT_EQ(F1On(edit), "Brenkavar Tambrel Manual - Saving a User Drum Kit");
}

// Without a main window that names a topic, the help file opens at its
// contents; without a help file nothing opens and nothing fails.
TEST_F(F1OnForms, AFormWithoutTopicsOpensTheContents) {
  TForm* form = MakeForm(0);
  TEdit* edit = Add<TEdit>(form, 0, 10);
  Pump();
  EXPECT_EQ(F1On(edit), "Brenkavar Tambrel Manual - Introduction");
  Application->SetHelpFile("");
  EXPECT_EQ(F1On(edit), "none");
}

}  // namespace
}  // namespace formstest
