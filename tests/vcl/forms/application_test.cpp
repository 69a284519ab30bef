// The application object: the error report, activation reaching the hooks
// of the application window, closing forms and the end of Run.
#include <atomic>
#include <thread>
#include <vector>

#include "fixture.h"
#include "platform/vcl/forms/ExceptionText.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/drums_ext.h"

namespace formstest {
namespace {

TEST(ReportText, AddsAPeriodAfterCharactersThatSortAfterIt) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Disk full", "Disk full."},
      {"Done.", "Done."},
      {"Stop!", "Stop!"},  // '!' sorts before '.'
      {"Why?", "Why?."},  // '?' sorts after it, as the library has it
      {"", ""},
      {"File \"a\"", "File \"a\""},
  };
  for (const Case& c : cases) EXPECT_EQ(vcl::forms::ReportText(c.message), c.shown) << c.message;
}

class App : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  }
  // Raises error inside a handler the way the loop would meet it.
  template <class E>
  void Report(const E& error) {
    try {
      throw error;
    } catch (...) {
      Application->HandleException(Application);
    }
  }
};

TEST_F(App, ExceptionReportShowsTheMessageUnlessSilentOrHandled) {
  Report(EConvertError("Not a number"));
  Report(EAbort("Operation aborted"));
  Report(std::runtime_error("plain failure"));
  auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Not a number.");
  EXPECT_EQ(boxes[0].caption, "Forms Test");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(boxes[1].text, "plain failure.");

  std::vector<std::string> handled;
  Application->OnException = [&](TObject*, Exception& e) { handled.push_back(e.GetMessage()); };
  Report(EConvertError("Not a number"));
  EXPECT_EQ(handled, std::vector<std::string>{"Not a number"});
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
}

// A window procedure on the application's thread that throws while handling
// a message another thread sent: the sender gets 0, the application reports
// the error on its own thread, and its loop goes on.
LRESULT CALLBACK FailingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) throw EConvertError("'12x' is not a valid integer value");
  if (msg == WM_APP + 1) return 7;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(App, ExceptionUnderASendFromAnotherThreadIsReportedHere) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = FailingProc;
  wc.lpszClassName = "FailingWindow";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "FailingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  std::atomic<LRESULT> failed{-1}, answered{-1};
  std::atomic<bool> done{false};
  std::thread sender([&] {
    failed = SendMessageA(hwnd, WM_APP, 0, 0);
    answered = SendMessageA(hwnd, WM_APP + 1, 0, 0);
    done = true;
  });
  for (long long i = 0; !done && i < 100'000'000; ++i) Pump();
  sender.join();
  EXPECT_EQ(0, failed.load());
  EXPECT_EQ(7, answered.load());
  auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'12x' is not a valid integer value.");
  DestroyWindow(hwnd);
}

class Activation : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    main = TCustomForm::CreateNew<TForm>(Application);
    main->Show();
    Pump();
    Application->HookMainWindow(this, [this](TMessage& m) {
      if (m.Msg != CM_ACTIVATE && m.Msg != CM_DEACTIVATE) return false;
      hooked.push_back(m.Msg);
      return swallow;
    });
    Application->OnActivate = [this](TObject*) { events.push_back("OnActivate"); };
    Application->OnDeactivate = [this](TObject*) { events.push_back("OnDeactivate"); };
  }
  void OtherProgramTakesFocus() {
    host::headless::FocusOtherProgram();
    Pump();
  }
  void FocusComesBack() {
    host::Event e;
    e.type = host::EventType::AppActivated;
    e.window = HostOf(main->GetHandle());
    host::headless::PushEvent(e);
    Pump();
  }
  TForm* main = nullptr;
  std::vector<UINT> hooked;
  std::vector<std::string> events;
  bool swallow = false;
};

TEST_F(Activation, HooksSeeDeactivationThenActivationOfTheWholeApplication) {
  EXPECT_TRUE(Application->GetActive());
  OtherProgramTakesFocus();
  EXPECT_FALSE(Application->GetActive());
  FocusComesBack();
  EXPECT_TRUE(Application->GetActive());
  EXPECT_EQ(hooked, (std::vector<UINT>{0xB001, 0xB000}));
  EXPECT_EQ(events, (std::vector<std::string>{"OnDeactivate", "OnActivate"}));
}

TEST_F(Activation, AHookThatHandlesTheMessageStopsItAndUnhookedHooksSeeNothing) {
  swallow = true;
  OtherProgramTakesFocus();
  EXPECT_EQ(hooked, std::vector<UINT>{0xB001});
  EXPECT_TRUE(events.empty());
  Application->UnhookMainWindow(this);
  FocusComesBack();
  EXPECT_EQ(hooked, std::vector<UINT>{0xB001});
  EXPECT_EQ(events, std::vector<std::string>{"OnActivate"});
}

TEST_F(App, CloseActionDecidesWhatBecomesOfAForm) {
  struct Case {
    TCloseAction action;
    bool visible;
    TWindowState state;
    bool freed;
  } cases[] = {
      {caNone, true, wsNormal, false},
      {caHide, false, wsNormal, false},
      {caMinimize, true, wsMinimized, false},
      {caFree, false, wsNormal, true},
  };
  TForm* main = TCustomForm::CreateNew<TForm>(Application);
  main->Show();
  for (const Case& c : cases) {
    TForm* form = TCustomForm::CreateNew<TForm>(Application);
    bool destroyed = false;
    form->OnClose = [&](TObject*, TCloseAction& action) { action = c.action; };
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->Show();
    Pump();
    form->Close();
    Pump();
    EXPECT_EQ(destroyed, c.freed) << c.action;
    if (!destroyed) {
      EXPECT_EQ(form->GetVisible(), c.visible) << c.action;
      EXPECT_EQ(form->GetWindowState(), c.state) << c.action;
      delete form;
    }
  }
  EXPECT_FALSE(Application->GetTerminated());
}

// The main form of a program, read from its resource.
class TMainTestForm : public TForm {
  DRUMS_CLASS(TMainTestForm, TForm)

 public:
  explicit TMainTestForm(TComponent* AOwner) : TForm(AOwner) {}
  static inline bool failInCreate = false;

 private:
  void FormCreate(TObject*) {
    if (failInCreate) throw EInOutError("File not found", 2);
  }
  static void Publish(TPublisher<TMainTestForm>& p) { p.Method("FormCreate", &TMainTestForm::FormCreate); }
};

TEST_F(App, RunShowsTheMainFormAndEndsWhenItClosesAfterCloseQueryAgrees) {
  TMainTestForm* main = nullptr;
  Application->CreateForm(main);
  ASSERT_EQ(Application->GetMainForm(), main);
  int queries = 0;
  bool shown = false;
  main->OnShow = [&](TObject*) { shown = true; };
  main->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    if (queries < 2) PostMessageA(main->GetHandle(), WM_CLOSE, 0, 0);
  };
  Application->Run();
  EXPECT_TRUE(shown);
  EXPECT_EQ(queries, 2);
  EXPECT_TRUE(Application->GetTerminated());
  // Centred on the 1280 x 1024 screen.
  EXPECT_EQ(main->GetLeft(), (1280 - main->GetWidth()) / 2);
  EXPECT_EQ(main->GetTop(), (1024 - main->GetHeight()) / 2);
}

TEST_F(App, AnExceptionInTheCreateHandlerIsReportedAndTheFormLives) {
  TMainTestForm::failInCreate = true;
  TMainTestForm* main = nullptr;
  Application->CreateForm(main);
  TMainTestForm::failInCreate = false;
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Application->GetMainForm(), main);
  auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "File not found.");
}

TEST_F(App, HelpGoesToTheHelpViewerOnlyWithAHelpFile) {
  const auto viewerCaption = [] {
    HWND viewer = FindWindowA("DrumsHelpViewer", nullptr);
    char caption[256] = {};
    if (viewer) GetWindowTextA(viewer, caption, sizeof caption);
    return std::string(viewer ? caption : "<none>");
  };
  Application->SetHelpFile("");
  EXPECT_FALSE(Application->HelpContext(5));
  EXPECT_EQ(viewerCaption(), "<none>");

  // A file that cannot be read still opens the viewer, which says so.
  Application->SetHelpFile("no such folder\\Manual.hlp");
  EXPECT_TRUE(Application->HelpContext(5));
  EXPECT_NE(viewerCaption(), "<none>");
  EXPECT_TRUE(Application->HelpCommand(HELP_QUIT, 0));
  EXPECT_EQ(viewerCaption(), "<none>");
  Application->SetHelpFile("");
}

}  // namespace
}  // namespace formstest
