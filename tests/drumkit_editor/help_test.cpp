// The Help menu, F1 on the window's controls and the about box: each hands
// the right topic of the editor's help file to the help viewer, or the
// right address to the shell.
#include <ctime>

#include "resources/texts/ProgramTexts.h"
#include "tests/support/ModalScript.h"
#include "editor_fixture.h"

namespace editortest {
namespace {

class Help : public Editor {
 protected:
  // What the help window shows ("<title> - <topic>"), or "none".
  static std::string HelpShown() {
    HWND viewer = FindWindowA("DrumsHelpViewer", nullptr);
    if (viewer == nullptr) return "none";
    char text[128] = {};
    GetWindowTextA(viewer, text, sizeof text);
    return text;
  }

  // F1 pressed and released in the editor with control focused.
  void PressF1On(TWinControl* control) {
    control->SetFocus();
    Pump();
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.window = win::user::HostWindowOf(window->GetHandle());
      e.key = VK_F1;
      host::headless::PushEvent(e);
    }
    Pump();
  }

  void CloseHelp() {
    WinHelpA(nullptr, "x", HELP_QUIT, 0);
    Pump();
  }

  std::vector<std::string> opened;
  void RecordOpened() {
    win::shell::SetLauncher([this](const std::vector<std::string>& argv) {
      opened.push_back(argv.back());
      return true;
    });
  }
};

TEST_F(Help, HelpTopicsAndF1OpenTheirTopicsOfTheEditorsHelpFile) {
  const std::string title = "Tambrel RedoZev Idezar Help - ";
  Command(window->HelpTopics1);
  EXPECT_EQ(HelpShown(), title + "The Drum Kit Editor");
  CloseHelp();
  const struct {
    const char* what;
    TWinControl* control;
    const char* topic;
  } cases[] = {
      {"a track name", window->EditorNameEdits[3], "Track Names"},
      {"the open-hat track", window->cbxOpenhat, "Hi-Hat Tracks"},
      {"the wave browser", window->NavShellList1, "Adding and Removing Waves"},
      {"the track's waves", window->DrumListBox->GetListBox(), "The Drum Kit Editor"},
  };
  for (const auto& c : cases) {
    PressF1On(c.control);
    EXPECT_EQ(HelpShown(), title + c.topic) << c.what;
    CloseHelp();
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Help, TheSampleSiteItemOpensTheSampleLibrarysSite) {
  RecordOpened();
  EXPECT_EQ(window->mnuSampleSite1->GetCaption(), std::string(program_texts::kEditorSampleSiteCaption));
  Command(window->mnuSampleSite1);
  EXPECT_EQ(opened, std::vector<std::string>{std::string(program_texts::kSampleSite)});
  // No program to open it: the shell's failure is told, the editor goes on.
  win::shell::SetLauncher([](const std::vector<std::string>&) { return false; });
  Command(window->mnuSampleSite1);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Help, TheAboutBoxsLinkAndBannerOpenTheMakersSite) {
  RecordOpened();
  std::string product, link;
  testsupport::TModalScript about(
      AboutBox, {[&] {
                   product = AboutBox->ProductName->GetCaption();
                   link = AboutBox->Label6->GetCaption();
                   testsupport::PushClick(AboutBox->Label6, 5, 5);
                 },
                 [&] { testsupport::PushClick(AboutBox->ProgramIcon, 20, 20); }, [&] { AboutBox->OKButton->Click(); }});
  Command(window->About1);
  ASSERT_TRUE(about.Shown());
  EXPECT_EQ(AboutBox->GetCaption(), "About Tambrel Redozev Idezar");
  EXPECT_EQ(product, std::string(program_texts::kEditorAboutProduct));
  EXPECT_EQ(link, std::string(program_texts::kEditorAboutSiteLink));
  const std::string site(program_texts::kMakerSite);
  EXPECT_EQ(opened, (std::vector<std::string>{site, site}));
  EXPECT_FALSE(AboutBox->GetVisible());
  EXPECT_TRUE(Messages().empty());
}

// On the eighth of August the editor greets at start.
class Greeting : public Help {
 protected:
  void BeforeForms() override {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 7;
    t.tm_mday = 8;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    win::clock::SetWallMicros(static_cast<std::int64_t>(std::mktime(&t)) * 1000000);
  }
};

TEST_F(Greeting, TheEditorGreetsOnTheEighthOfAugust) {
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(program_texts::kEditorGreetingText)});
  EXPECT_TRUE(window->GetVisible());
}

}  // namespace
}  // namespace editortest
