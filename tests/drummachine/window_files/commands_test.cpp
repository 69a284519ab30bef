// The small dialogs and the help menu on the real window: the New dialog with
// a user kit, the random pattern, the about box, the web pages and the
// manual's topics.
#include <set>

#include "drummachine/dialogs/aboutb.h"
#include "drummachine/dialogs/filenew.h"
#include "drummachine/dialogs/generate.h"
#include "files_window_fixture.h"
#include "resources/texts/ProgramTexts.h"

namespace windowfiles {
namespace {

class Commands : public FilesWindow {
 protected:
  void TearDown() override {
    win::shell::SetLauncher(nullptr);
    WinHelpA(nullptr, "x", HELP_QUIT, 0);
    FilesWindow::TearDown();
  }

  std::vector<int> Row(int track) {
    std::vector<int> faces;
    for (int s = 1; s <= SongSteps; ++s) faces.push_back(window->Cell(track, s, false)->GetListIndex());
    return faces;
  }
};

TEST_F(Commands, NewWithAUserKitPreselectsNoKitAndOkLoadsTheSoftSynthKit) {
  Named<TMenuItem>("mnuAnalog")->Click();
  window->Model.Song.KitId = 14;  // a user kit
  int preselected = 0;
  TModalScript dialog(
      frmNewFile, {[&] { preselected = frmNewFile->ListBox1->GetItemIndex(); }, [] { frmNewFile->btnOk->Click(); }});
  Command("New1");
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(preselected, -1);
  EXPECT_EQ(window->Model.Song.KitId, 10);
  EXPECT_EQ(Panel(1), "Soft Synth kit");
}

TEST_F(Commands, NewCancelledKeepsTheSong) {
  ClickAt(window->Cell(4, 4, false), 7, 5);
  TModalScript dialog(frmNewFile, {[] { frmNewFile->btnCancel->Click(); }});
  Command("New1");
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(window->Cell(4, 4, false)->GetListIndex(), CellOn);
  EXPECT_EQ(window->Model.Song.StepOn(4, 4, 1), 1);
}

TEST_F(Commands, TheRandomPatternLeavesUncheckedTracksAndCancelGeneratesNothing) {
  for (int s : {1, 6, 11}) {
    ClickAt(window->Cell(2, s, false), 7, 5);
    ClickAt(window->Cell(5, s, false), 7, 5);
  }
  ClickAt(window->Cell(1, 3, false), 7, 5);
  const std::vector<int> two = Row(2), five = Row(5), one = Row(1);

  {
    TModalScript cancelled(frmGenerate, {[] { frmGenerate->btnCancel->Click(); }});
    Command("GenerateRandomPattern1");
    ASSERT_TRUE(cancelled.Shown());
  }
  EXPECT_FALSE(window->Model.GenerateConfirmed);
  EXPECT_EQ(Row(1), one);

  TModalScript dialog(frmGenerate, {[] {
                                      frmGenerate->cbxTrack2->SetChecked(false);
                                      frmGenerate->cbxTrack5->SetChecked(false);
                                    },
                                    [] { frmGenerate->btnGenerate->Click(); }});
  Command("GenerateRandomPattern1");
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(Row(2), two);
  EXPECT_EQ(Row(5), five);
  int on = 0;
  for (int t = 1; t <= SongTracks; ++t)
    for (int s = 1; s <= SongSteps; ++s) {
      EXPECT_EQ(window->Cell(t, s, false)->GetListIndex(), window->Model.Song.StepOn(s, t, 1) ? CellOn : CellOff);
      if (t != 2 && t != 5) on += window->Model.Song.StepOn(s, t, 1);
    }
  EXPECT_GT(on, 0) << "ten tracks of random steps, a quarter of them on";
}

TEST_F(Commands, TheAboutBoxStopsPlaybackAndItsCreditsScroll) {
  ClickAt(window->StyMMButton1, 24, 12);
  ASSERT_TRUE(window->Model.Playing);
  int top = 0, later = 0;
  TModalScript about(AboutBox, {[&] { top = AboutBox->Memo1->GetTop(); },
                                [&] {
                                  // One tick a 100 ms: the timer does not make up for a longer step.
                                  for (int i = 0; i < 5; ++i) {
                                    win::clock::Advance(100 * 1000);
                                    Pump();
                                  }
                                },
                                [&] { later = AboutBox->Memo1->GetTop(); }, [] { AboutBox->OKButton->Click(); }});
  Command("About2");
  ASSERT_TRUE(about.Shown());
  EXPECT_FALSE(window->Model.Playing);
  EXPECT_EQ(later, top - 5);
}

// The web commands hand the shell their addresses; Getting Started and
// Introduction open their topics of the manual.
TEST_F(Commands, TheHelpMenuOpensItsPagesAndTopics) {
  std::vector<std::string> opened;
  win::shell::SetLauncher([&](const std::vector<std::string>& argv) {
    opened.push_back(argv.back());
    return true;
  });
  const std::string site(program_texts::kMakerSite);
  const std::pair<const char*, std::string> pages[] = {
      {"mnuWebSite1", site},
      {"mnuSampleSite1", std::string(program_texts::kSampleSite)},
      {"OnLineUserSupportForum1", site + "/phpBB/index.php"},
      {"ShareDrumPatterns1", site + "/downloadpatterns.htm"},
  };
  for (const auto& [item, address] : pages) {
    opened.clear();
    Command(item);
    EXPECT_EQ(opened, std::vector<std::string>{address}) << item;
  }
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Named<TMenuItem>("mnuWebSite1")->GetCaption(), "www.brenkavar.example");

  // No program to open the page: the shell's failure is reported.
  win::shell::SetLauncher([](const std::vector<std::string>&) { return false; });
  Command("mnuWebSite1");
  EXPECT_EQ(Messages().size(), 1u);

  for (const auto& [item, title] : {std::pair{"QuickStart1", "Brenkavar Tambrel Manual - Getting Started"},
                                    std::pair{"HelpIntro1", "Brenkavar Tambrel Manual - Introduction"}}) {
    Command(item);
    HWND help = FindWindowA("DrumsHelpViewer", nullptr);
    ASSERT_NE(help, nullptr) << item;
    char text[128] = {};
    GetWindowTextA(help, text, sizeof text);
    EXPECT_STREQ(text, title);
  }
}

}  // namespace
}  // namespace windowfiles
