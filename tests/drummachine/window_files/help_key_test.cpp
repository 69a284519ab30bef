// F1 in the program's own dialogs: each names its topic of the manual
// (the song dialogs 160, the kit file dialog 210, the kit save dialog 220),
// and the wave dialog and the MIDI export settings, which name none, show
// the main window's help. The key goes through the host to the focused
// control inside the dialog's modal loop.
#include "drummachine/filedialogs/OpenD2.h"
#include "drummachine/filedialogs/OpenWaveD.h"
#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/filedialogs/SaveD.h"
#include "drummachine/filedialogs/SaveDrumKit.h"
#include "drummachine/filedialogs/midioptions.h"
#include "drummachine/mallowen/FileChoice.h"
#include "files_window_fixture.h"

namespace windowfiles {
namespace {

class HelpKey : public FilesWindow {
 protected:
  void TearDown() override {
    WinHelpA(nullptr, "x", HELP_QUIT, 0);
    FilesWindow::TearDown();
  }

  // F1 pressed and released in the window holding the focus.
  static void QueueF1(TCustomForm* dialog) {
    HWND focused = GetFocus();
    HWND top = GetAncestor(focused != nullptr ? focused : dialog->GetHandle(), GA_ROOT);
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.window = win::user::HostWindowOf(top);
      e.key = VK_F1;
      host::headless::PushEvent(e);
    }
  }

  // What the help window shows ("<title> - <topic>"), or "none".
  static std::string HelpShown() {
    HWND viewer = FindWindowA("DrumsHelpViewer", nullptr);
    if (viewer == nullptr) return "none";
    char text[128] = {};
    GetWindowTextA(viewer, text, sizeof text);
    return text;
  }

  // A file dialog shown as the main window's commands show it.
  void Choose(const TFileChoice& choice) {
    bool openKit = false;
    ChooseWithProgramDialogs(choice, window->Model, window->TrackWaveLists[1]->GetItems(), openKit);
  }
};

TEST_F(HelpKey, F1InEachDialogOpensItsTopicOrTheMainWindowsHelp) {
  const std::string songs = InFolder("drum patterns");
  const std::string mainHelp = "Brenkavar Tambrel Manual - Introduction";
  const std::string songHelp = "Brenkavar Tambrel Manual - Song, Sample and MIDI File Dialogs";
  const struct {
    const char* name;
    std::function<TCustomForm*()> dialog;
    std::function<void()> show;
    std::string shown;
  } cases[] = {
      {"open", [] { return frmDialogOpen; }, [&] { Choose(SongOpenChoice(songs)); }, songHelp},
      {"save", [] { return frmDialogSave; }, [&] { Choose(SongSaveChoice(songs)); }, songHelp},
      {"MIDI export", [] { return frmDialogSave; }, [&] { Choose(MidiExportChoice(songs)); }, songHelp},
      {"wave", [] { return frmWaveOpen; }, [&] { Choose(WaveChoice(songs)); }, mainHelp},
      {"kit save", [] { return frmSaveKit; }, [this] { Command("DrumKit1"); },
       "Brenkavar Tambrel Manual - Saving a User Drum Kit"},
      {"kit open", [] { return frmOpenKit; }, [this] { Command("LoadaUserKit1"); },
       "Brenkavar Tambrel Manual - Loading a User Drum Kit"},
      {"MIDI settings", [] { return frmMidiOptions; }, [this] { ShowMidiOptions(window->Model); }, mainHelp},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TCustomForm* dialog = c.dialog();
    ASSERT_NE(dialog, nullptr);
    std::string shown = "not asked";
    TModalScript script(dialog, {[dialog] { QueueF1(dialog); },
                                 [&] {
                                   shown = HelpShown();
                                   dialog->SetModalResult(mrCancel);
                                 }});
    c.show();
    ASSERT_TRUE(script.Shown());
    EXPECT_EQ(shown, c.shown);
    WinHelpA(nullptr, "x", HELP_QUIT, 0);
    Pump();
  }
}

// The kit save dialog's Help button opens the same topic as its F1.
TEST_F(HelpKey, TheKitSaveDialogsHelpButtonOpensItsTopic) {
  std::string shown;
  TModalScript dialog(frmSaveKit, {[] {
                                     TButton* help = frmSaveKit->Button3;
                                     testsupport::PushClick(help, help->GetWidth() / 2, help->GetHeight() / 2);
                                   },
                                   [&] {
                                     shown = HelpShown();
                                     frmSaveKit->SetModalResult(mrCancel);
                                   }});
  Command("DrumKit1");
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(shown, "Brenkavar Tambrel Manual - Saving a User Drum Kit");
}

}  // namespace
}  // namespace windowfiles
